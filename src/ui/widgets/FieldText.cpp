#include "ui/widgets/FieldText.h"

#include "common/ShownText.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// Keeps the text a widget was given and shows it fitted to the widget; a child of the widget, which it
// watches for the changes of size and font that change the room.
class Keeper : public QObject
{
public:
    explicit Keeper(QWidget *widget)
        : QObject(widget)
        , m_widget(widget)
    {
        widget->installEventFilter(this);
    }

    static Keeper *of(const QWidget *widget)
    {
        for (QObject *child : widget->children()) {
            if (auto *keeper = dynamic_cast<Keeper *>(child))
                return keeper;
        }
        return nullptr;
    }
    static Keeper *attachedTo(QWidget *widget)
    {
        Keeper *keeper = of(widget);
        return keeper ? keeper : new Keeper(widget);
    }

    QString given() const { return m_given; }
    void setGiven(const QString &text)
    {
        m_given = text;
        show();
    }
    void setLabelStyle(int inset, FieldText::Markup markup)
    {
        m_inset = inset;
        m_markup = markup;
    }
    void setFollowsWrites() { m_followsWrites = true; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_widget)
            return false;
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::Paint:
            // A text written past this keeper is taken as given before it is fitted or drawn.
            if (m_followsWrites && widgetText() != m_shown) {
                m_given = widgetText();
                show();
            } else if (event->type() != QEvent::Paint) {
                show();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    QString widgetText() const
    {
        if (auto *label = qobject_cast<const QLabel *>(m_widget))
            return label->text();
        return static_cast<const QAbstractButton *>(m_widget)->text();
    }

    void show()
    {
        if (auto *label = qobject_cast<QLabel *>(m_widget)) {
            const QString fitted
                = ShownText::fitted(m_given, label->fontMetrics(), FieldText::room(label, m_inset));
            m_shown = m_markup ? m_markup(fitted) : fitted;
            label->setText(m_shown);
            return;
        }
        auto *button = static_cast<QAbstractButton *>(m_widget);
        m_shown = ShownText::withoutMnemonics(
            ShownText::fitted(m_given, button->fontMetrics(), FieldText::room(button)));
        button->setText(m_shown);
    }

    QWidget *m_widget;
    QString m_given;
    QString m_shown;
    int m_inset = 0;
    FieldText::Markup m_markup = nullptr;
    bool m_followsWrites = false;
};

} // namespace

void FieldText::setText(QLabel *label, const QString &text, int inset, Markup markup)
{
    label->setTextFormat(markup ? Qt::RichText : Qt::PlainText);
    Keeper *keeper = Keeper::attachedTo(label);
    keeper->setLabelStyle(inset, markup);
    keeper->setGiven(text);
}

void FieldText::setText(QAbstractButton *button, const QString &text)
{
    Keeper::attachedTo(button)->setGiven(text);
}

void FieldText::follow(QAbstractButton *button)
{
    Keeper *keeper = Keeper::attachedTo(button);
    keeper->setFollowsWrites();
    keeper->setGiven(button->text());
}

QString FieldText::text(const QWidget *widget)
{
    if (const Keeper *keeper = Keeper::of(widget))
        return keeper->given();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

int FieldText::room(const QLabel *label, int inset)
{
    int width = label->contentsRect().width() - 2 * label->margin() - 2 * inset;
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0 && (label->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
        width -= indent;
    return qMax(0, width);
}

int FieldText::room(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    return qMax(0, button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width());
}

bool FieldText::fits(const QLabel *label, const QString &text, int width)
{
    return ShownText::fits(text, label->fontMetrics(), width < 0 ? room(label) : width);
}
