#ifndef ESRUNTIMESETUPSCREEN_H
#define ESRUNTIMESETUPSCREEN_H

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QStackedWidget;
class RuntimeScreens;

namespace Ui {
class ESRuntimeSetupScreen;
}

// The runtime-page setup: the rows of the settings of runtime pages A to D on the right and, beside them,
// the main window's own runtime pages borrowed as a shrunken live preview, so every change made on a row
// shows at once. While the page is visible the runtime widget is a child of "es_rt_holder" and ignores
// touches; when the page is hidden it goes back to its place in the main stack at full size, on page A.
// The page buttons switch the rows and the preview together.
class ESRuntimeSetupScreen : public QWidget
{
    Q_OBJECT
public:
    explicit ESRuntimeSetupScreen(QWidget *parent = nullptr);
    ~ESRuntimeSetupScreen() override;

    // The runtime widget while it is borrowed, else null.
    RuntimeScreens *borrowedRuntimeScreens() const { return m_runtime; }

public slots:
    // "page_a" to "page_d" in the button's name select rows and preview page 0 to 3; other names do
    // nothing.
    void navigationButtonClicked(QAbstractButton *button);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void giveBack();

    Ui::ESRuntimeSetupScreen *ui;
    QPointer<RuntimeScreens> m_runtime;
    QPointer<QStackedWidget> m_home;
    QPointer<QWidget> m_standIn; // holds the runtime side's place in that stack meanwhile
};

#endif // ESRUNTIMESETUPSCREEN_H
