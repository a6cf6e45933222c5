#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

class ESDataInfoClass;

namespace Ui {
class MainWindow;
}

// A plain main window with one four-line runtime page, "RuntimeScreenA", bound to runtime page A. The
// display unit's own window is the main window of the screens; this one shows a single page on its own.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    // Fetched before the form is built, so the page binds to the descriptions that exist.
    ESDataInfoClass *m_dataInfo;
    Ui::MainWindow *ui;
};

#endif // MAINWINDOW_H
