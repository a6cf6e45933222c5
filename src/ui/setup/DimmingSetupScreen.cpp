#include "ui/setup/DimmingSetupScreen.h"

#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/RuntimeColorStore.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/window/BrightnessSliderWrapper.h"

#include "ui_DimmingSetupScreen.h"

#include <QMetaClassInfo>

namespace {

// A stored palette index as a palette; false for an index outside the six palettes.
bool toPalette(int index, enum_ColorPalette *palette)
{
    if (index < 0 || index >= CustomColorDefinitions::paletteCount)
        return false;
    *palette = static_cast<enum_ColorPalette>(index);
    return true;
}

// Runtime values are drawn in the colours of the theme's current palette.
void followThemeInValueColors()
{
    RuntimeColorStore::instance()->setColorPreset(
        CustomColorDefinitions::getColorName(ThemeColorSingleton::instance()->colorPalette()));
}

// The letter of a preset button by its object name.
QString letterOfButton(const QString &name)
{
    if (name.contains(QLatin1String("Day")))
        return QStringLiteral("D");
    if (name.contains(QLatin1String("Twilight")))
        return QStringLiteral("K");
    if (name.contains(QLatin1String("Night")))
        return QStringLiteral("N");
    if (name.contains(QLatin1String("Off")))
        return QStringLiteral("O");
    return QString();
}

} // namespace

DimmingSetupScreen::DimmingSetupScreen(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::DimmingSetupScreen)
{
    m_ui->setupUi(this);
    reloadUpAndDownArrowIcons(Bright_Green);
    ThemeColorSingleton *theme = ThemeColorSingleton::instance();
    connect(theme, &ThemeColorSingleton::previewColorChanged, this,
        &DimmingSetupScreen::reloadUpAndDownArrowIcons);
    connect(theme, &ThemeColorSingleton::colorChanged, this, &DimmingSetupScreen::reloadUpAndDownArrowIcons);
    // The arrow pictures lie over the buttons; presses go through them to the buttons.
    m_ui->arrow_up->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->arrow_down->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_wrapper = new BrightnessSliderWrapper(m_ui->brightness_slider, m_ui->brightness_inc_button,
        m_ui->brightness_red_button, m_ui->brightness_value_label, true, this, false);
    fillThemeList();

    ESLocalSetup *local = ESDataClass::instance()->localSetup();
    m_container = local->DimmingSetupContainer();
    m_remote = local->DimmingSetup();
    m_editedPreset = presetNamed(m_remote->ColorPalette());

    connect(m_ui->preset_btn_group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
        &DimmingSetupScreen::presetButtonClicked);
    connect(
        m_wrapper, &BrightnessSliderWrapper::valueChanged, this, &DimmingSetupScreen::dimmingValueChanged);
    connect(m_remote, &RemoteDimmingSetup::DimmingPresetChanged, this,
        &DimmingSetupScreen::remoteSetupForDimmingChanged);
    connect(m_remote, &RemoteDimmingSetup::ColorPaletteChanged, this,
        &DimmingSetupScreen::remoteSetupForColorChanged);
    connect(m_remote, &RemoteDimmingSetup::BrightnessPercentageChanged, this,
        &DimmingSetupScreen::remoteSetupForBrightnessPercentageChanged);
    followThemeInValueColors();
}

DimmingSetupScreen::~DimmingSetupScreen()
{
    delete m_ui;
}

LocalDimmingSetup *DimmingSetupScreen::presetNamed(const QString &text) const
{
    if (text == QLatin1String("DayDimmingSetup") || text == QLatin1String("D"))
        return m_container->DayDimmingSetup();
    if (text == QLatin1String("TwilightDimmingSetup") || text == QLatin1String("K"))
        return m_container->TwilightDimmingSetup();
    if (text == QLatin1String("NightDimmingSetup") || text == QLatin1String("N"))
        return m_container->NightDimmingSetup();
    if (text == QLatin1String("OffDimmingSetup") || text == QLatin1String("O"))
        return m_container->OffDimmingSetup();
    return nullptr;
}

// Row i of the list is palette i: the items of the enumeration of LocalDimmingSetup's ColorPalette.
void DimmingSetupScreen::fillThemeList()
{
    m_ui->theme_list->clear();
    const QMetaObject &meta = LocalDimmingSetup::staticMetaObject;
    const int index = meta.indexOfClassInfo("ColorPalette");
    if (index < 0)
        return;
    const QStringList parts = QString::fromLatin1(meta.classInfo(index).value()).split(QLatin1Char(' '));
    for (QString part : parts) {
        if (!part.contains(QLatin1String("enumList")))
            continue;
        part.replace(QLatin1Char('_'), QLatin1Char(' '));
        m_ui->theme_list->addItems(part.section(QLatin1Char('='), 1, 1).split(QLatin1Char(';')));
    }
}

void DimmingSetupScreen::reloadUpAndDownArrowIcons(enum_ColorPalette palette)
{
    m_ui->arrow_up->setPixmap(
        CustomColorDefinitions::tintedPixmap(QStringLiteral(":/Resources/arrow_up.png"), palette));
    m_ui->arrow_down->setPixmap(
        CustomColorDefinitions::tintedPixmap(QStringLiteral(":/Resources/arrow_down.png"), palette));
}

void DimmingSetupScreen::showPalette(int palette)
{
    enum_ColorPalette value;
    if (toPalette(palette, &value))
        ThemeColorSingleton::instance()->setPreviewColorPalette(value);
    m_ui->theme_list->setCurrentRow(palette);
}

void DimmingSetupScreen::applyPaletteOf(const LocalDimmingSetup *preset)
{
    enum_ColorPalette value;
    if (!preset || !toPalette(preset->ColorPalette(), &value))
        return;
    ThemeColorSingleton *theme = ThemeColorSingleton::instance();
    theme->setPreviewColorPalette(value);
    theme->setColorPalette(value);
    followThemeInValueColors();
}

void DimmingSetupScreen::selectEditedPreset(const QString &text)
{
    const QString name = text.isEmpty() ? m_remote->DimmingPreset() : text;
    LocalDimmingSetup *preset = presetNamed(name);
    if (!preset)
        return;
    m_editedPreset = preset;
    const QString buttonName = preset->objectName() + QStringLiteral("_btn");
    if (QAbstractButton *button = findChild<QAbstractButton *>(buttonName))
        button->setChecked(true);
    m_wrapper->setSliderValue(preset->Brightness(), true, true);
    showPalette(preset->ColorPalette());
    emit currentTabChanged(name);
}

void DimmingSetupScreen::showEvent(QShowEvent *event)
{
    selectEditedPreset(QString());
    QWidget::showEvent(event);
}

void DimmingSetupScreen::hideEvent(QHideEvent *event)
{
    if (m_editedPreset)
        m_editedPreset->saveToFile();
    m_editedPreset = nullptr;
    if (const LocalDimmingSetup *dimming = presetNamed(m_remote->DimmingPreset()))
        m_wrapper->setSliderValue(dimming->Brightness(), true, false);
    applyPaletteOf(presetNamed(m_remote->ColorPalette()));
    followThemeInValueColors();
    RuntimeColorStore::instance()->setDimmingPreset(m_remote->DimmingPreset());
    m_wrapper->updateSetupValue();
    QWidget::hideEvent(event);
}

void DimmingSetupScreen::presetButtonClicked(QAbstractButton *button)
{
    LocalDimmingSetup *preset = presetNamed(button->objectName().section(QLatin1Char('_'), 0, 0));
    if (!preset)
        return;
    if (m_editedPreset)
        m_editedPreset->saveToFile();
    m_editedPreset = preset;
    m_wrapper->setSliderValue(preset->Brightness(), false, true);
    showPalette(preset->ColorPalette());
    emit currentTabChanged(letterOfButton(button->objectName()));
}

void DimmingSetupScreen::on_theme_list_clicked(const QModelIndex &index)
{
    if (!m_editedPreset || !index.isValid())
        return;
    m_editedPreset->setColorPalette(index.row());
    enum_ColorPalette value;
    if (toPalette(index.row(), &value))
        ThemeColorSingleton::instance()->setPreviewColorPalette(value);
}

// The preset files are written when the preset or the page is left, not on every step.
void DimmingSetupScreen::dimmingValueChanged(int value)
{
    if (!m_ignoreSlider && m_editedPreset)
        m_editedPreset->setBrightness(value);
    m_ignoreSlider = false;
}

void DimmingSetupScreen::remoteSetupForDimmingChanged(const QString &text)
{
    if (isVisible() || m_remote->isValid(QStringLiteral("BrightnessPercentage")))
        return;
    const LocalDimmingSetup *preset = presetNamed(text);
    if (!preset)
        return;
    m_ignoreSlider = true;
    m_wrapper->setSliderValue(preset->Brightness(), false, true);
    m_wrapper->updateSetupValue();
}

// The first change after construction is the settings' own start-up value, already applied.
void DimmingSetupScreen::remoteSetupForColorChanged(const QString &text)
{
    if (isVisible())
        return;
    if (m_ignoreRemoteColor) {
        m_ignoreRemoteColor = false;
        return;
    }
    applyPaletteOf(presetNamed(text));
}

void DimmingSetupScreen::remoteSetupForBrightnessPercentageChanged(int percent)
{
    m_ignoreSlider = true;
    m_wrapper->setSliderValue(int(percent * 2.56), false, true);
    m_wrapper->updateSetupValue();
}
