#include "ui/runtime/MainWindow.h"

#include "info/ESDataInfoClass.h"
#include "ui/runtime/RuntimeWidget_new.h"
#include "ui_MainWindow.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_dataInfo(ESDataInfoClass::instance())
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    // The page's name ends in "A": it shows what the settings of runtime page A choose.
    ui->RuntimeScreenA->initializeScreenData();
}

MainWindow::~MainWindow()
{
    delete ui;
}
