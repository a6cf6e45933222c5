#include "ui/runtime/TitleValueCollectionScreen.h"

// The rows' header reads its feed pointer inline and needs the feed class complete.
#include "ui/runtime/RuntimeDisplayableData.h"
#include "ui_TitleValueCollectionScreen.h"

TitleValueCollectionScreen::TitleValueCollectionScreen(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TitleValueCollectionScreen)
{
    ui->setupUi(this);
}

TitleValueCollectionScreen::~TitleValueCollectionScreen() = default;
