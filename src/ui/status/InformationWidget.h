#ifndef INFORMATIONWIDGET_H
#define INFORMATIONWIDGET_H

#include <QHash>
#include <QMap>
#include <QMetaObject>
#include <QString>
#include <QWidget>

class PropertyInfo;
class QTableWidget;
class SerializableClassInfo;
class TableItemWrapper;

// A read-only status list: one row per property, its displayed name on the left and its current text on
// the right (a narrow empty column between), on a transparent, borderless table. The rows follow their
// descriptions only while the list is visible: a hidden list costs nothing when values change, and a list
// shown again starts from the current values. A runtime value outside its limits is shown on the limit
// colour.
class InformationWidget : public QWidget
{
    Q_OBJECT
public:
    explicit InformationWidget(QWidget *parent = nullptr);
    ~InformationWidget() override;

    // Appends a row for the property, unless a row of that property name exists. The description is not
    // owned; a row whose description is destroyed goes with it.
    void addInformation(PropertyInfo *info);
    // Appends rows for the named properties of the settings object, in the given order, with the
    // descriptions the holder finds for them. The pages name properties of the settings classes, so a
    // missing description is a fault of ours; it is logged and its row left out, and the list stays usable.
    void addInformation(
        const SerializableClassInfo *holder, const QString &object, const QStringList &propertyNames);
    // Removes the row of the property's name; a property that is not listed is ignored.
    void removeInformation(PropertyInfo *info);

    QTableWidget *table() const { return m_table; }
    // The listed property names, in name order.
    QStringList names() const { return m_infos.keys(); }
    int rowOf(const QString &name) const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Connections
    {
        QMetaObject::Connection text;
        QMetaObject::Connection limits;
    };

    void removeInformationByName(const QString &name);
    void deleteRow(PropertyInfo *info);
    void setRowsConnected(bool on);
    void connectRow(PropertyInfo *info);
    void disconnectRow(PropertyInfo *info);
    void forget(QObject *info);

    QTableWidget *m_table;
    QMap<QString, PropertyInfo *> m_infos;
    QHash<PropertyInfo *, TableItemWrapper *> m_nameCells;
    QHash<PropertyInfo *, TableItemWrapper *> m_valueCells;
    QHash<PropertyInfo *, Connections> m_connections;
    QHash<QObject *, QMetaObject::Connection> m_destroyedConnections;
};

#endif // INFORMATIONWIDGET_H
