#ifndef RUNTIMEHEADINGSCREEN_H
#define RUNTIMEHEADINGSCREEN_H

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class ESRuntimeScreenSetup;
class RuntimeDisplayableData;
class TitleValueWidget;

namespace Ui {
class RuntimeHeadingScreen;
}

// Runtime page D, the heading page: the compass view on the left and a column of up to three rows on the
// right, the speed over ground ("SOG", the value's own name), the speed through the water ("STW") and the
// water current ("WC"). Each row is shown while its setting of page D ("DisplaySOG", "DisplaySTW",
// "DisplayWC") is 0 ("ON"); the rows keep the height they have with all three shown and the column fills
// from the top. The compass gets a square as large as the height allows, at most 3/4 of the width.
class RuntimeHeadingScreen : public QWidget
{
    Q_OBJECT

public:
    // Bound to page D's settings of the process-wide settings tree and the process-wide descriptions.
    explicit RuntimeHeadingScreen(QWidget *parent = nullptr);
    ~RuntimeHeadingScreen() override;

    // The page letter: the last character of the object name ("D" for "es_runtime_D"); kept for the
    // runtime screens, which call this once their pages are named.
    void initializeScreenData();
    QString pageLetter() const { return m_pageLetter; }

    QList<TitleValueWidget *> rows() const { return m_rows; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void changeValueVisibility();

private:
    std::unique_ptr<Ui::RuntimeHeadingScreen> ui;
    ESRuntimeScreenSetup *m_pageSettings;
    QList<TitleValueWidget *> m_rows;
    QList<RuntimeDisplayableData *> m_feeds;
    QString m_pageLetter = QStringLiteral("D");
};

#endif // RUNTIMEHEADINGSCREEN_H
