#ifndef RUNTIMEWIDGET_NEW_H
#define RUNTIMEWIDGET_NEW_H

#include <QList>
#include <QMetaObject>
#include <QString>
#include <QVector>
#include <QWidget>

class EnumPropertyInfo;
class RuntimeDisplayableData;
class SingleLineDisplayWidget;

namespace Ui {
class RuntimeWidget_new;
}

// A four-line runtime page (pages A and B): four value lines stacked, each showing the runtime value that
// the local setting "RuntimeData" + n of "RuntimeScreenSetup" + page letter names. A line set to "OFF" is
// hidden; the shown lines keep a quarter of the height each and are centred by the spacers above and
// below them. The page letter is the last character of the object name ("es_runtime_A").
class RuntimeWidget_new : public QWidget
{
    Q_OBJECT

public:
    explicit RuntimeWidget_new(QWidget *parent = nullptr);
    ~RuntimeWidget_new() override;

    // Binds the four lines to their settings and follows the user's choices. Needs the settings tree and
    // the description registry; called once they exist (again, it rebinds from the current settings).
    void initializeScreenData();

    QString pageLetter() const { return m_pageLetter; }
    QList<SingleLineDisplayWidget *> lines() const { return m_lines; }
    QList<RuntimeDisplayableData *> feeds() const { return m_feeds; }
    // Whether line `index` (0-based) is hidden by this page.
    bool isValueHidden(int index) const;

public slots:
    // Shows or hides line `value_number` (0-based) and divides the height again.
    void changeValueVisibility(int value_number, bool visible);

private:
    void choiceChanged(int index);

    QString m_pageLetter = QStringLiteral("A");
    QList<SingleLineDisplayWidget *> m_lines;
    QList<RuntimeDisplayableData *> m_feeds;
    QList<EnumPropertyInfo *> m_choices;
    QList<QMetaObject::Connection> m_choiceConnections;
    QVector<bool> m_hidden;
    Ui::RuntimeWidget_new *m_ui;
};

#endif // RUNTIMEWIDGET_NEW_H
