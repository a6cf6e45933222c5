#include "ui/setup/SimpleGenericSetup.h"

#include "common/ClassInformation.h"
#include "data/SerializableClass.h"

#include <QDebug>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace {

const int buttonWidth = 100;
const int buttonHeight = 40;
const int buttonX = 165;
const int buttonYOffset = 11;
const int labelPointSize = 14;
const int buttonPointSize = 11;
const int labelIndent = 10;
const QString oddRowStyle = QStringLiteral("background-color:rgb(206, 206, 206);");
const QString evenRowStyle = QStringLiteral("background-color:rgb(149, 149, 149);");

} // namespace

SimpleGenericSetup::SimpleGenericSetup(QWidget *parent)
    : QWidget(parent)
{
}

QString SimpleGenericSetup::labelText(const QString &name, const QString &description)
{
    QString text = name;
    const QStringList parts = description.split(QLatin1Char(' '));
    for (const QString &part : parts) {
        if (part.contains(QLatin1String("labelText=")) || part.contains(QLatin1String("nameToDisplay=")))
            text = part.split(QLatin1Char('=')).last();
    }
    return text.replace(QLatin1Char('_'), QLatin1Char(' '));
}

void SimpleGenericSetup::initialize(
    QObject *settings, const QSize &size, const QStringList &order, const QStringList &exclude)
{
    setBaseSize(size);
    resize(size);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setBaseSize(baseSize());
    m_scrollArea->resize(baseSize());
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    // Without a frame the rows that fit the area's height fill it exactly (as in the window, whose
    // scaling container takes every scroll area's frame away).
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_contents = new QWidget;
    m_scrollArea->setWidget(m_contents);

    m_buttonPrefix = QLatin1String(qobject_cast<SetupSerializableClass *>(settings) ? "es" : "ls")
        + QStringLiteral("_st_");
    m_buttonSuffix = QStringLiteral("_") + settings->objectName() + QStringLiteral("_btn");

    // Rows in the order asked for; the row numbers are given after the exclusions, so every row has its
    // own place from the top whatever the order list and the exclusions hold.
    struct Entry
    {
        int position;
        QString name;
        QString text;
    };
    QList<Entry> entries;
    const ClassInformation &info = ClassInformation::of(settings->metaObject());
    for (int i = 0; i < info.count(); ++i) {
        const ClassInfoEntry &entry = info.at(i);
        const QString name = QString::fromLatin1(entry.name);
        const int position = order.isEmpty() ? i : order.indexOf(name);
        if (position < 0 || exclude.contains(name))
            continue;
        entries.append({ position, name, labelText(name, entry.text) });
    }
    std::stable_sort(entries.begin(), entries.end(),
        [](const Entry &a, const Entry &b) { return a.position < b.position; });
    for (int row = 0; row < entries.size(); ++row)
        addRow(row, entries.at(row).text, m_buttonPrefix + entries.at(row).name + m_buttonSuffix);

    const QSize contentsSize = sizeForRows(entries.size());
    m_contents->setBaseSize(contentsSize);
    m_contents->resize(contentsSize);
}

void SimpleGenericSetup::addRow(int row, const QString &text, const QString &buttonName)
{
    QLabel *label = new QLabel(text, m_contents);
    label->setScaledContents(false);
    QFont labelFont = label->font();
    labelFont.setPointSize(labelPointSize);
    label->setFont(labelFont);
    label->setIndent(labelIndent);
    label->setBaseSize(pageWidth, rowHeight);
    label->setGeometry(0, rowHeight * row, pageWidth, rowHeight);
    label->setStyleSheet(row % 2 ? oddRowStyle : evenRowStyle);

    QPushButton *button = new QPushButton(m_contents);
    QFont buttonFont = button->font();
    buttonFont.setPointSize(buttonPointSize);
    button->setFont(buttonFont);
    button->setBaseSize(buttonWidth, buttonHeight);
    button->setGeometry(buttonX, label->y() + buttonYOffset, buttonWidth, buttonHeight);
    button->setObjectName(buttonName);

    m_labels.append(label);
    m_buttons.append(button);
}

QSize SimpleGenericSetup::sizeForRows(int rows) const
{
    const int height = rows * rowHeight;
    const int areaHeight = m_scrollArea ? m_scrollArea->baseSize().height() : baseSize().height();
    return QSize(height > areaHeight ? pageWidth - scrollBarWidth : pageWidth, height);
}

void SimpleGenericSetup::resizeForRows(int rows)
{
    if (m_labels.isEmpty())
        return;
    const QSize size = sizeForRows(rows);
    m_contents->setBaseSize(size);
    // The rows' present scale, read from the first row: the contents grow and shrink with the rows.
    const QLabel *first = m_labels.first();
    const double sx = double(first->width()) / pageWidth;
    const double sy = double(first->height()) / rowHeight;
    m_contents->resize(int(size.width() * sx), int(size.height() * sy));
}

void SimpleGenericSetup::setOptionsEnabled(const QStringList &names, bool enabled)
{
    for (const QString &name : names) {
        QPushButton *button = m_contents
            ? m_contents->findChild<QPushButton *>(m_buttonPrefix + name + m_buttonSuffix)
            : nullptr;
        if (!button) {
            qDebug().noquote() << "SimpleGenericSetup::setOptionsEnabled(): Option does not exist: " + name;
            continue;
        }
        button->setEnabled(enabled);
    }
}
