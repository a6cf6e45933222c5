#include "ui/runtime/RuntimeWidget_new.h"

#include "info/ESDataInfoClass.h"
#include "info/EnumPropertyInfo.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui/runtime/SingleLineDisplayWidget.h"

#include "ui_RuntimeWidget_new.h"

#include <QDebug>

namespace {

const int lineCount = 4;

RuntimePropertyInfo *runtimeDescription(const QString &name)
{
    return ESDataInfoClass::instance()->runtimeDataInfo()->getRuntimePropertyInfo(name);
}

} // namespace

RuntimeWidget_new::RuntimeWidget_new(QWidget *parent)
    : QWidget(parent)
    , m_hidden(lineCount, false)
    , m_ui(new Ui::RuntimeWidget_new)
{
    const QString name = objectName();
    m_ui->setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
    m_lines = { m_ui->DisplayedValue1, m_ui->DisplayedValue2, m_ui->DisplayedValue3, m_ui->DisplayedValue4 };
}

RuntimeWidget_new::~RuntimeWidget_new()
{
    for (const QMetaObject::Connection &connection : qAsConst(m_choiceConnections))
        disconnect(connection);
    delete m_ui;
    qDeleteAll(m_feeds);
}

void RuntimeWidget_new::initializeScreenData()
{
    // A second binding replaces the first: its choice handlers and feeds go.
    for (const QMetaObject::Connection &connection : qAsConst(m_choiceConnections))
        disconnect(connection);
    m_choiceConnections.clear();
    m_choices.clear();
    const QList<RuntimeDisplayableData *> previousFeeds = m_feeds;
    m_feeds.clear();

    m_pageLetter = objectName().right(1);
    qDebug() << "Screen name: " << m_pageLetter;
    ESDataInfoClass *registry = ESDataInfoClass::instance();
    for (int i = 0; i < lineCount; ++i) {
        auto *choice = qobject_cast<EnumPropertyInfo *>(registry->setupPropertyInfo(QStringLiteral("ls"),
            QStringLiteral("RuntimeData") + QString::number(i + 1),
            QStringLiteral("RuntimeScreenSetup") + m_pageLetter));
        if (!choice) {
            qDebug() << "No RuntimeData setting for page" << m_pageLetter << "line" << i + 1;
            throw "No such property info (RuntimeWidget_new::initializeScreenData())!";
        }
        m_choices.append(choice);
        QString name = choice->currentValue();
        if (name == QLatin1String("OFF")) {
            changeValueVisibility(i, false);
            // A hidden line is still bound to a real value, so that switching it on needs no lookup.
            const QStringList selectable = choice->selectableValues();
            name = selectable.isEmpty() ? QString() : selectable.first();
        } else {
            changeValueVisibility(i, true);
        }
        auto *feed = new RuntimeDisplayableData(runtimeDescription(name));
        m_feeds.append(feed);
        m_lines.at(i)->setDisplayableData(feed);
        if (m_pageLetter == QLatin1String("B"))
            m_lines.at(i)->changeLayout();
        m_choiceConnections.append(
            connect(choice, &PropertyInfo::valueChanged, this, [this, i]() { choiceChanged(i); }));
    }
    qDeleteAll(previousFeeds);
}

void RuntimeWidget_new::choiceChanged(int index)
{
    const QString name = m_choices.at(index)->currentValue();
    const bool off = name == QLatin1String("OFF");
    RuntimePropertyInfo *description = off ? nullptr : runtimeDescription(name);
    if (!description && !off) {
        qDebug().noquote() << "No such property info (RuntimeWidget_new::initializeScreenData()): " + name;
        throw "No such property info (RuntimeWidget_new::initializeScreenData())!";
    }
    m_feeds.at(index)->setPropertyInfo(description, off);
    changeValueVisibility(index, !off);
}

bool RuntimeWidget_new::isValueHidden(int index) const
{
    return index >= 0 && index < lineCount && m_hidden.at(index);
}

void RuntimeWidget_new::changeValueVisibility(int value_number, bool visible)
{
    if (value_number < 0 || value_number >= lineCount) {
        qDebug() << "Runtime widget value out of range!";
        return;
    }
    if (m_hidden.at(value_number) == !visible)
        return;
    m_hidden[value_number] = !visible;
    m_lines.at(value_number)->setVisible(visible);

    // Every shown line keeps stretch 2 and the hidden lines' share goes to the spacers, half above and
    // half below: the total stays 8, so a shown line always has a quarter of the height.
    const int hidden = int(m_hidden.count(true));
    m_ui->verticalLayout->setStretch(0, hidden);
    m_ui->verticalLayout->setStretch(lineCount + 1, hidden);
    for (int i = 0; i < lineCount; ++i) {
        if (!m_hidden.at(i))
            m_ui->verticalLayout->setStretch(i + 1, 2);
    }
}
