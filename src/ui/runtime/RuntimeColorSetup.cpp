#include "ui/runtime/RuntimeColorSetup.h"

#include "data/RuntimeColorStore.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/runtime/CustomColorPicker.h"
#include "ui/runtime/CustomRGBAeditor.h"

#include "ui_RuntimeColorSetup.h"

#include <QComboBox>
#include <QStyle>

RuntimeColorSetup::RuntimeColorSetup(QWidget *parent)
    : QWidget(parent)
    // One class per item of the class choice, in the same order ("SOG values", "STW values", "Current
    // values", "Low integrity", "Invalid values"): the choice's index picks the class, so each item must
    // stand at its own class's position.
    , m_colorClasses({ QStringLiteral("SOG"), QStringLiteral("STW"), QStringLiteral("CUR"),
          QStringLiteral("LOW_integrity"), QStringLiteral("Invalid_Color") })
    , m_palettes({ QStringLiteral("Bright_Green"), QStringLiteral("Green"), QStringLiteral("Pale_Green"),
          QStringLiteral("Bright_Yellow"), QStringLiteral("Yellow"), QStringLiteral("Pale_Yellow") })
    , m_ui(new Ui::RuntimeColorSetup)
{
    const QString name = objectName();
    m_ui->setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
    m_store = RuntimeColorStore::instance();

    connect(m_ui->colorDialogWidget, &CustomColorPicker::currentColorChanged, this,
        &RuntimeColorSetup::updatePreview);
    connect(m_ui->colorDialogWidget, &CustomColorPicker::currentColorChanged, m_ui->rgbaEditorWidget,
        &CustomRGBAeditor::setColor);
    connect(m_ui->rgbaEditorWidget, &CustomRGBAeditor::currentColorChanged, this,
        &RuntimeColorSetup::updatePreview);
    connect(m_ui->colorThemeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &RuntimeColorSetup::setFromColorDefinitions);
    connect(m_ui->colorClassComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &RuntimeColorSetup::setFromColorDefinitions);
    connect(m_ui->rgbaEditorWidget, &CustomRGBAeditor::saveCurrent, this, &RuntimeColorSetup::saveNewColor);
    connect(m_ui->rgbaEditorWidget, &CustomRGBAeditor::resetCurrent, this,
        &RuntimeColorSetup::setFromColorDefinitions);
    connect(ThemeColorSingleton::instance(), &ThemeColorSingleton::colorChanged, this,
        &RuntimeColorSetup::repolishChoices);
}

RuntimeColorSetup::~RuntimeColorSetup()
{
    delete m_ui;
}

QString RuntimeColorSetup::currentColorClass() const
{
    return m_colorClasses.value(m_ui->colorClassComboBox->currentIndex());
}

QString RuntimeColorSetup::currentPalette() const
{
    return m_palettes.value(m_ui->colorThemeComboBox->currentIndex());
}

void RuntimeColorSetup::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    repolishChoices();
    setFromColorDefinitions();
}

void RuntimeColorSetup::repolishChoices()
{
    // A combo box takes its text colour when it is polished and keeps it: after a change of its
    // "ThemeColor" it must be polished again, or its text stays in the colour of the old palette (black
    // on the black screen before the first palette).
    for (QComboBox *box : { m_ui->colorThemeComboBox, m_ui->colorClassComboBox }) {
        box->style()->unpolish(box);
        box->style()->polish(box);
        box->update();
    }
}

void RuntimeColorSetup::setFromColorDefinitions()
{
    const QColor color = m_store->color(currentColorClass(), currentPalette());
    updatePreview(color);
    m_ui->rgbaEditorWidget->setColor(color);
}

void RuntimeColorSetup::updatePreview(QColor new_color)
{
    const QString style = QStringLiteral("color: ") + new_color.name(QColor::HexArgb);
    m_ui->previewTitleLabel->setStyleSheet(style);
    m_ui->previewValueLabel->setStyleSheet(style);
}

void RuntimeColorSetup::saveNewColor()
{
    m_store->setColor(m_ui->rgbaEditorWidget->color(), currentColorClass(), currentPalette());
}
