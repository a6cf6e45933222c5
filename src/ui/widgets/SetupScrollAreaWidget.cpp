#include "ui/widgets/SetupScrollAreaWidget.h"

#include "ui/widgets/ChildrenScalingScrollWidget.h"
#include "ui_SetupScrollAreaWidget.h"

#include <QVBoxLayout>

SetupScrollAreaWidget::SetupScrollAreaWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SetupScrollAreaWidget)
{
    ui->setupUi(this);
    // The content takes its rows per view at construction, so it is made here rather than by the form:
    // five, as every such content starts, then six for the setup rows.
    m_contents = new ChildrenScalingScrollWidget(ui->scrollArea, 5);
    m_contents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    m_contents->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical {background:rgb(186, 186, 186); width: 16px; border: 1px solid rgb(140, 140, "
        "140); border-radius: 5px;} \nQScrollBar::handle:vertical {background: rgb(84, 84, 84); min-height: "
        "0px; border: 1px solid rgb(121, 121, 121); border-radius: 5px;}\n\nQScrollBar::add-line:vertical {\n"
        "        height:0px;\n    }\n    QScrollBar::sub-line:vertical {\n        height: 0px;\n    }"));
    m_rows = new QVBoxLayout(m_contents);
    m_rows->setObjectName(QStringLiteral("scrollWidgetLayout"));
    m_rows->setSpacing(0);
    m_rows->setContentsMargins(0, 0, 0, 0);
    ui->scrollArea->setWidget(m_contents);
    m_contents->setRowsPerView(rowsPerView);
}

SetupScrollAreaWidget::~SetupScrollAreaWidget()
{
    delete ui;
}

void SetupScrollAreaWidget::addRow(QWidget *row)
{
    row->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->setMinimumSize(0, 0);
    m_rows->addWidget(row);
    row->setStyleSheet(m_rows->count() % 2 == 1 ? QStringLiteral("background-color:rgb(206, 206, 206);")
                                                : QStringLiteral("background-color:rgb(149, 149, 149);"));
}
