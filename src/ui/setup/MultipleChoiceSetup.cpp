#include "ui/setup/MultipleChoiceSetup.h"

#include "ui/dialogs/CustomDialog.h"
#include "ui/keyboards/PasswordWidget.h"
#include "ui/keyboards/QVirtualKeyboard.h"
#include "ui/window/BaseScreen.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>

namespace {

const int rowWidth = 291;
const int rowHeight = 64;
const int choiceButtonX = 165;
const int choiceButtonYOffset = 10;
const int choiceButtonWidth = 100;
const int choiceButtonHeight = 40;
const int choiceLabelIndent = 10;
const double captionPointSize = 14;
const double choiceButtonPointSize = 11;
const QString lightRowStyle = QStringLiteral("background-color:rgb(206, 206, 206);");
const QString darkRowStyle = QStringLiteral("background-color:rgb(149, 149, 149);");
const QString on = QStringLiteral("ON");
const QString off = QStringLiteral("off");
const QString optionButton = QStringLiteral("Show");
const QString optionLabel = QStringLiteral("name");

} // namespace

MultipleChoiceSetup::MultipleChoiceSetup(QWidget *parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    for (int row = 0; row < maxOptions; ++row) {
        auto *label = new QLabel(this);
        label->setGeometry(0, rowHeight * row, rowWidth, rowHeight);
        label->setBaseSize(rowWidth, rowHeight);
        label->setIndent(choiceLabelIndent);
        QFont captionFont = label->font();
        captionFont.setPointSizeF(captionPointSize);
        label->setFont(captionFont);
        label->setStyleSheet(row % 2 == 0 ? darkRowStyle : lightRowStyle);

        auto *button = new QPushButton(this);
        button->setGeometry(
            choiceButtonX, rowHeight * row + choiceButtonYOffset, choiceButtonWidth, choiceButtonHeight);
        button->setBaseSize(choiceButtonWidth, choiceButtonHeight);
        QFont buttonFont = button->font();
        buttonFont.setPointSizeF(choiceButtonPointSize);
        button->setFont(buttonFont);
        m_group->addButton(button);

        m_labels.append(label);
        m_buttons.append(button);
    }
    setBaseSize(rowWidth, 6 * rowHeight);
    resize(baseSize());
    connect(m_group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonPressed), this,
        &MultipleChoiceSetup::buttonPressed);
}

void MultipleChoiceSetup::setOptions(const QStringList &names, const QList<bool> &values, bool keepStyles)
{
    const int count = qMin(names.size(), int(maxOptions));
    for (int i = 0; i < count; ++i) {
        QLabel *label = m_labels.at(i);
        QPushButton *button = m_buttons.at(i);
        if (!keepStyles)
            label->setStyleSheet(i % 2 == 0 ? lightRowStyle : darkRowStyle);
        label->setText(names.at(i).left(names.at(i).size() - 1));
        button->setObjectName(names.at(i));
        button->setAccessibleDescription(optionButton);
        label->setAccessibleDescription(optionLabel);
        button->setText(values.value(i, false) ? on : off);
    }
    const int height = contentHeight();
    resize(width(), height);
    setBaseSize(baseSize().width(), height);
}

void MultipleChoiceSetup::setValues(const QList<bool> &values)
{
    const int count = qMin(values.size(), int(maxOptions));
    for (int i = 0; i < count; ++i)
        m_buttons.at(i)->setText(values.at(i) ? on : off);
}

int MultipleChoiceSetup::contentHeight() const
{
    const QLabel *lowest = m_labels.first();
    for (const QLabel *label : m_labels) {
        if (!label->accessibleDescription().isEmpty() && label->y() >= lowest->y())
            lowest = label;
    }
    return lowest->y() + lowest->height();
}

QString MultipleChoiceSetup::summaryText() const
{
    QString approved = QStringLiteral("Approved messages: ");
    QString ignored = QStringLiteral("Ignored messages: ");
    for (int i = 0; i < m_buttons.size(); ++i) {
        const QPushButton *button = m_buttons.at(i);
        if (button->accessibleDescription() != optionButton)
            continue;
        QString &list = button->text() == on ? approved : ignored;
        list += m_labels.at(i)->text() + QLatin1Char(',');
    }
    approved.chop(1);
    ignored.chop(1);
    return accessibleDescription() + QLatin1Char('\n') + approved + QLatin1Char('\n') + ignored
        + QStringLiteral("\n\n");
}

void MultipleChoiceSetup::setPasswordWidget(PasswordWidget *password)
{
    m_password = password;
    if (!password)
        return;
    connect(password, &PasswordWidget::cancel, password, &QWidget::hide, Qt::UniqueConnection);
    connect(password, &PasswordWidget::login, password, &QWidget::hide, Qt::UniqueConnection);
}

void MultipleChoiceSetup::showPasswordWidget()
{
    if (!m_password)
        return;
    m_password->show();
    m_password->raise();
    if (m_password->keyboard()) {
        m_password->keyboard()->show();
        m_password->keyboard()->raise();
    }
    if (auto *screen = qobject_cast<BaseScreen *>(m_password->window()))
        screen->raiseBrightnessWidget();
}

void MultipleChoiceSetup::buttonPressed(QAbstractButton *button)
{
    // The lock is the one of the window the list lies in, looked up on the first press and kept.
    if (!m_password)
        setPasswordWidget(window()->findChild<PasswordWidget *>());
    if (!PasswordWidget::isUnlocked()) {
        // Without a lock in the window nothing can be opened, and nothing changes either.
        showPasswordWidget();
        return;
    }
    button->setText(button->text() == on ? off : on);
    emit optionChanged(
        button->objectName(), button->text() == on ? QStringLiteral("0") : QStringLiteral("1"));
}
