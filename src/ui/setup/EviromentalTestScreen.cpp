#include "ui/setup/EviromentalTestScreen.h"

#include "common/BuildConfiguration.h"
#include "ui_EviromentalTestScreen.h"

EviromentalTestScreen::EviromentalTestScreen(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::EviromentalTestScreen)
{
    ui->setupUi(this);
    const BuildConfiguration *build = BuildConfiguration::instance();
    if (build->isTvr100 || build->isMirLox1000) {
        ui->es_st_Nmea2MirrorToOutput_TestScreenSetup_btn->setEnabled(false);
        ui->es_st_Nmea3MirrorToOutput_TestScreenSetup_btn->setEnabled(false);
    }
}

EviromentalTestScreen::~EviromentalTestScreen()
{
    delete ui;
}
