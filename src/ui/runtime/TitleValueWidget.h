#ifndef TITLEVALUEWIDGET_H
#define TITLEVALUEWIDGET_H

#include <QPointer>
#include <QString>
#include <QWidget>

class RuntimeDisplayableData;

namespace Ui {
class TitleValueWidget;
}

// A title over a value, both centred and in the value's colour: one runtime value of the heading page.
// The value keeps its sign and, as the rows stand in a narrow column, shows no unit; a value that is not
// valid, or that does not fit the row whole, reads "-/-". A fixed title, once set, replaces the value's own
// name for good.
class TitleValueWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TitleValueWidget(QWidget *parent = nullptr);
    ~TitleValueWidget() override;

    // Follows the feed (not owned; null: none) from its next change on; does not redraw at once.
    void setDisplayableData(RuntimeDisplayableData *feed);
    RuntimeDisplayableData *displayableData() const { return m_feed.data(); }

    void setFixedTitle(const QString &title);
    QString fixedTitle() const { return m_fixedTitle; }

public slots:
    void updateDisplayedValues();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<RuntimeDisplayableData> m_feed;
    // The feed the row last drew from.
    QPointer<RuntimeDisplayableData> m_drawnFeed;
    bool m_fixedTitleShown = false;
    QString m_fixedTitle;
    Ui::TitleValueWidget *m_ui;
};

#endif // TITLEVALUEWIDGET_H
