#ifndef SIMPLEGENERICSETUP_H
#define SIMPLEGENERICSETUP_H

#include <QList>
#include <QSize>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

// A setup page built at run time from the class information of one settings object: one row per described
// property, a label with its displayed name and an empty push button named by the setup-button
// convention ("es_st_" or "ls_st_" + property + "_" + object name + "_btn"), which the setup menu's
// binding pass later connects to the property. Rows alternate two greys and scroll when they do not fit.
class SimpleGenericSetup : public QWidget
{
    Q_OBJECT
public:
    static const int pageWidth = 291;
    static const int rowHeight = 64;
    static const int scrollBarWidth = 16;

    explicit SimpleGenericSetup(QWidget *parent = nullptr);

    // Builds the page once: `size` is its design size; `order` (when not empty) names the properties to
    // show, in the order to show them; `exclude` names properties to leave out. Rows are numbered from 0
    // in that order, after the exclusions.
    void initialize(
        QObject *settings, const QSize &size, const QStringList &order, const QStringList &exclude);

    void setOptionsEnabled(const QStringList &names, bool enabled);
    // The contents size for n rows: 291 wide (275 when a scroll bar is needed), n x 64 high.
    QSize sizeForRows(int rows) const;
    // Sets the contents' base size for n rows and resizes them to it at the rows' present scale (the
    // first row label's size against its design size); needs at least one row.
    void resizeForRows(int rows);

    QScrollArea *scrollArea() const { return m_scrollArea; }
    QWidget *contents() const { return m_contents; }
    QList<QLabel *> labels() const { return m_labels; }
    QList<QPushButton *> buttons() const { return m_buttons; }

    // The displayed name of a class-information entry: the last "labelText=" or "nameToDisplay=" value of
    // its text, else the entry's name; underscores shown as blanks.
    static QString labelText(const QString &name, const QString &description);

private:
    void addRow(int row, const QString &text, const QString &buttonName);

    QString m_buttonPrefix;
    QString m_buttonSuffix;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_contents = nullptr;
    QList<QLabel *> m_labels;
    QList<QPushButton *> m_buttons;
};

#endif // SIMPLEGENERICSETUP_H
