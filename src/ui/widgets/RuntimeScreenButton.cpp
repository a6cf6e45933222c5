#include "ui/widgets/RuntimeScreenButton.h"

#include "ui/ThemeColorSingleton.h"
#include "ui/widgets/FieldText.h"

#include "ui_RuntimeScreenButton.h"

#include <QStyle>

namespace {

// The button's frame is drawn over the edges of its labels: their texts end inside it.
const int frameInset = 2;

struct ItalicWords
{
    explicit ItalicWords(const QStringList &list)
        : words(list)
    {
        for (const QString &word : list)
            italic.append(QStringLiteral("<i>") + word + QStringLiteral("</i>"));
    }
    QStringList words;
    QStringList italic;
};

const ItalicWords &titleWords()
{
    static const ItalicWords words({ QStringLiteral("DPTH"), QStringLiteral("Fwd"), QStringLiteral("Aft"),
        QStringLiteral("Strb"), QStringLiteral("Port"), QStringLiteral("Alarm"), QStringLiteral("Auto"),
        QStringLiteral("Frequency"), QStringLiteral("Gain"), QStringLiteral("Power"), QStringLiteral("GPS"),
        QStringLiteral("Heading"), QStringLiteral("Range"), QStringLiteral("ROT"), QStringLiteral("Speed"),
        QStringLiteral("SOG"), QStringLiteral("STW"), QStringLiteral("°/min") });
    return words;
}

const ItalicWords &unitWords()
{
    static const ItalicWords words({ QStringLiteral("min"), QStringLiteral("ft"), QStringLiteral("fm"),
        QStringLiteral("m"), QStringLiteral("hr"), QStringLiteral("kHz"), QStringLiteral("°"),
        QStringLiteral("ON"), QStringLiteral("off") });
    return words;
}

QString applyItalicWords(QString text, const ItalicWords &list)
{
    for (int i = 0; i < list.words.size(); ++i) {
        QStringList parts = text.split(QLatin1Char(' '));
        for (QString &part : parts) {
            if (part == list.words.at(i))
                part = list.italic.at(i);
        }
        text = parts.join(QLatin1Char(' '));
    }
    return text;
}

void setIntegrityProperty(QWidget *widget, bool ok)
{
    widget->setProperty("integrityOk", ok);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

RuntimeScreenButton::RuntimeScreenButton(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::RuntimeScreenButton)
{
    m_ui->setupUi(this);
    setIntegrityOk(true);
    reloadUpAndDownArrowIcons(Bright_Green);
    m_ui->arrow_down->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->arrow_up->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The labels lie above the buttons and let every press through to the button below.
    m_ui->text_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->value_label->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(ThemeColorSingleton::instance(), &ThemeColorSingleton::colorChanged, this,
        &RuntimeScreenButton::reloadUpAndDownArrowIcons);
    connect(m_ui->down_btn, &QPushButton::pressed, this, [this]() { emit buttonPressed(DownButton); });
    connect(m_ui->up_btn, &QPushButton::pressed, this, [this]() { emit buttonPressed(UpButton); });
    connect(m_ui->single_btn, &QPushButton::pressed, this, [this]() { emit buttonPressed(SingleButton); });
    for (QPushButton *button : { m_ui->down_btn, m_ui->up_btn, m_ui->single_btn })
        connect(button, &QPushButton::released, this, &RuntimeScreenButton::buttonReleased);
}

RuntimeScreenButton::~RuntimeScreenButton()
{
    delete m_ui;
}

void RuntimeScreenButton::setSingleButtonMode(bool single)
{
    if (single) {
        m_ui->arrow_down->hide();
        m_ui->arrow_up->hide();
        m_ui->up_btn->hide();
        m_ui->down_btn->hide();
        m_ui->single_btn->show();
        m_ui->single_btn->raise();
        // The title stays above the button: raising the button alone hid the value's name.
        m_ui->text_label->raise();
        m_ui->value_label->show();
        m_ui->value_label->raise();
        return;
    }
    for (QWidget *widget : { static_cast<QWidget *>(m_ui->up_btn), static_cast<QWidget *>(m_ui->down_btn) }) {
        widget->show();
        widget->raise();
    }
    // The labels above the buttons, the arrows above all.
    m_ui->text_label->raise();
    m_ui->value_label->raise();
    for (QWidget *widget :
        { static_cast<QWidget *>(m_ui->arrow_down), static_cast<QWidget *>(m_ui->arrow_up) }) {
        widget->show();
        widget->raise();
    }
}

void RuntimeScreenButton::setIntegrityOk(bool ok)
{
    setIntegrityProperty(m_ui->single_btn, ok);
    setIntegrityProperty(m_ui->value_label, ok);
    setIntegrityProperty(m_ui->text_label, ok);
}

QString RuntimeScreenButton::italicTitle(const QString &text)
{
    return applyItalicWords(text.toHtmlEscaped(), titleWords());
}

QString RuntimeScreenButton::italicUnits(const QString &text)
{
    return applyItalicWords(text.toHtmlEscaped(), unitWords());
}

void RuntimeScreenButton::setTitleText(const QString &text)
{
    FieldText::setText(m_ui->text_label, text, frameInset, &RuntimeScreenButton::italicTitle);
}

void RuntimeScreenButton::setValueText(const QString &text)
{
    FieldText::setText(m_ui->value_label, text, frameInset, &RuntimeScreenButton::italicUnits);
}

bool RuntimeScreenButton::valueFits(const QString &text) const
{
    return FieldText::fits(m_ui->value_label, text, FieldText::room(m_ui->value_label, frameInset));
}

void RuntimeScreenButton::setTranslucentTitleStyle()
{
    m_ui->text_label->setStyleSheet(
        QStringLiteral("border:transparent; background-color: rgba(90, 90, 90, 220);"));
}

void RuntimeScreenButton::reloadUpAndDownArrowIcons(enum_ColorPalette color_enum)
{
    m_ui->arrow_down->setPixmap(
        CustomColorDefinitions::tintedPixmap(QStringLiteral(":/Resources/arrow_down"), color_enum));
    m_ui->arrow_up->setPixmap(
        CustomColorDefinitions::tintedPixmap(QStringLiteral(":/Resources/arrow_up"), color_enum));
}
