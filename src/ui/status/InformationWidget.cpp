#include "ui/status/InformationWidget.h"

#include "info/PropertyInfo.h"
#include "info/RuntimePropertyInfo.h"
#include "info/SerializableClassInfo.h"
#include "ui/status/TableItemWrapper.h"

#include <QDebug>
#include <QHeaderView>
#include <QTableWidget>

namespace {

const int nameColumn = 0;
const int spacerColumn = 1;
const int valueColumn = 2;

} // namespace

InformationWidget::InformationWidget(QWidget *parent)
    : QWidget(parent)
    , m_table(new QTableWidget(this))
{
    // The table sizes its font and rows itself (resizeEvent), so the scaling container leaves it alone.
    m_table->setAccessibleDescription(QStringLiteral("ExcludeFromCL"));
    m_table->setColumnCount(3);
    m_table->setStyleSheet(
        QStringLiteral("QTableWidget{ background-color:transparent; border:transparent;}"));
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setShowGrid(false);
    m_table->horizontalHeader()->setSectionResizeMode(nameColumn, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(spacerColumn, QHeaderView::Fixed);
    // The values take the rest of the width and are cut there with an ellipsis: a long text from the
    // junction box neither runs past the list nor adds a scroll bar.
    m_table->horizontalHeader()->setSectionResizeMode(valueColumn, QHeaderView::Stretch);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setMinimumSectionSize(1);
    m_table->horizontalHeader()->setMinimumSectionSize(1);
    m_table->resize(size());
}

InformationWidget::~InformationWidget()
{
    for (auto it = m_destroyedConnections.cbegin(); it != m_destroyedConnections.cend(); ++it)
        disconnect(it.value());
    // The cells go with their wrappers, before the table (the first child) would delete them itself.
    qDeleteAll(m_nameCells);
    qDeleteAll(m_valueCells);
}

int InformationWidget::rowOf(const QString &name) const
{
    PropertyInfo *info = m_infos.value(name);
    TableItemWrapper *value = m_valueCells.value(info);
    return value ? m_table->row(value->item()) : -1;
}

void InformationWidget::addInformation(PropertyInfo *info)
{
    if (!info || m_infos.contains(info->name()))
        return;
    m_infos.insert(info->name(), info);
    const int row = m_table->rowCount();
    m_table->insertRow(row);

    auto *name = new TableItemWrapper(info->displayedName(), this);
    auto *value = new TableItemWrapper(info->text(), this);
    m_nameCells.insert(info, name);
    m_valueCells.insert(info, value);
    name->item()->setData(Qt::TextAlignmentRole, int(Qt::AlignLeft));
    value->item()->setData(Qt::TextAlignmentRole, int(Qt::AlignLeft));
    m_table->setItem(row, nameColumn, name->item());
    m_table->setItem(row, valueColumn, value->item());

    // The descriptions outlive the pages in the system; a list that outlives one (a test, a page built
    // over a registry that is replaced) drops its row instead of keeping a dangling pointer.
    m_destroyedConnections.insert(info, connect(info, &QObject::destroyed, this, &InformationWidget::forget));
    // A row added to a visible list is live at once, as every other row of it.
    if (isVisible())
        connectRow(info);
}

void InformationWidget::addInformation(
    const SerializableClassInfo *holder, const QString &object, const QStringList &propertyNames)
{
    for (const QString &property : propertyNames) {
        PropertyInfo *info = holder ? holder->propertyInfo(property, object) : nullptr;
        if (info)
            addInformation(info);
        else
            qDebug().noquote() << "Status list" << objectName() << "has no description of" << property << "of"
                               << object;
    }
}

void InformationWidget::removeInformation(PropertyInfo *info)
{
    if (!info)
        return;
    removeInformationByName(info->name());
}

void InformationWidget::removeInformationByName(const QString &name)
{
    PropertyInfo *info = m_infos.take(name);
    if (info)
        deleteRow(info);
}

void InformationWidget::deleteRow(PropertyInfo *info)
{
    disconnect(m_destroyedConnections.take(info));
    disconnectRow(info);
    TableItemWrapper *name = m_nameCells.take(info);
    TableItemWrapper *value = m_valueCells.take(info);
    const int row = value ? m_table->row(value->item()) : -1;
    delete name;
    delete value;
    if (row >= 0)
        m_table->removeRow(row);
}

void InformationWidget::forget(QObject *info)
{
    // Called from QObject's destructor: only the pointer is used, never the description.
    for (auto it = m_infos.begin(); it != m_infos.end(); ++it) {
        if (it.value() == info) {
            PropertyInfo *gone = it.value();
            m_infos.erase(it);
            m_connections.remove(gone);
            deleteRow(gone);
            return;
        }
    }
}

void InformationWidget::setRowsConnected(bool on)
{
    for (PropertyInfo *info : qAsConst(m_infos)) {
        if (on)
            connectRow(info);
        else
            disconnectRow(info);
    }
}

void InformationWidget::connectRow(PropertyInfo *info)
{
    disconnectRow(info);
    TableItemWrapper *value = m_valueCells.value(info);
    value->setText(info->text());
    Connections connections;
    connections.text = connect(info, &PropertyInfo::textChanged, value, &TableItemWrapper::setText);
    if (auto *runtime = qobject_cast<RuntimePropertyInfo *>(info)) {
        value->valueIsInsideLimitsChanged(runtime->isInsideLimits());
        connections.limits = connect(runtime, &RuntimePropertyInfo::valueIsInsideLimitsChanged, value,
            &TableItemWrapper::valueIsInsideLimitsChanged);
    }
    m_connections.insert(info, connections);
}

void InformationWidget::disconnectRow(PropertyInfo *info)
{
    const Connections connections = m_connections.take(info);
    disconnect(connections.text);
    disconnect(connections.limits);
}

void InformationWidget::showEvent(QShowEvent *event)
{
    setRowsConnected(true);
    QWidget::showEvent(event);
}

void InformationWidget::hideEvent(QHideEvent *event)
{
    setRowsConnected(false);
    QWidget::hideEvent(event);
}

void InformationWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_table->resize(size());
    const int height = m_table->height();
    QFont font(QStringLiteral("Courier New"));
    // A list squeezed to almost nothing keeps a readable minimum instead of an invalid font size.
    font.setPixelSize(qMax(1, height / 19));
    m_table->setFont(font);
    m_table->horizontalHeader()->setDefaultSectionSize(qMax(1, m_table->width() / 20));
    m_table->verticalHeader()->setDefaultSectionSize(qMax(1, height / 13));
}
