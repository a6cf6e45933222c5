#include "ui/runtime/CustomRGBAeditor.h"

#include "ui/runtime/RGBAsingleChannelEditor.h"

#include "ui_CustomRGBAeditor.h"

#include <QPushButton>

CustomRGBAeditor::CustomRGBAeditor(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::CustomRGBAeditor)
{
    const QString name = objectName();
    m_ui->setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
    m_ui->widget->setTitle(QStringLiteral("Red:"));
    m_ui->widget_2->setTitle(QStringLiteral("Green:"));
    m_ui->widget_3->setTitle(QStringLiteral("Blue:"));
    m_ui->widget_4->setTitle(QStringLiteral("Alpha:"));
    m_color = QColor(
        m_ui->widget->value(), m_ui->widget_2->value(), m_ui->widget_3->value(), m_ui->widget_4->value());
    for (RGBAsingleChannelEditor *channel : { m_ui->widget, m_ui->widget_2, m_ui->widget_3, m_ui->widget_4 })
        connect(channel, &RGBAsingleChannelEditor::valueChanged, this, &CustomRGBAeditor::refresCurrentColor);
    connect(m_ui->saveButtton, &QPushButton::released, this, &CustomRGBAeditor::saveCurrent);
    connect(m_ui->resetButton, &QPushButton::released, this, &CustomRGBAeditor::resetCurrent);
}

CustomRGBAeditor::~CustomRGBAeditor()
{
    delete m_ui;
}

void CustomRGBAeditor::setColor(const QColor &color)
{
    m_color = color;
    m_ui->widget->setValue(color.red());
    m_ui->widget_2->setValue(color.green());
    m_ui->widget_3->setValue(color.blue());
    m_ui->widget_4->setValue(color.alpha());
}

void CustomRGBAeditor::refresCurrentColor(int)
{
    m_color = QColor(
        m_ui->widget->value(), m_ui->widget_2->value(), m_ui->widget_3->value(), m_ui->widget_4->value());
    emit currentColorChanged(m_color);
}
