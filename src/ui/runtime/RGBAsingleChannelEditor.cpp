#include "ui/runtime/RGBAsingleChannelEditor.h"

#include "ui_RGBAsingleChannelEditor.h"

RGBAsingleChannelEditor::RGBAsingleChannelEditor(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::RGBAsingleChannelEditor)
{
    const QString name = objectName();
    m_ui->setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
}

RGBAsingleChannelEditor::~RGBAsingleChannelEditor()
{
    delete m_ui;
}

void RGBAsingleChannelEditor::setValue(int value)
{
    // Stored first: the slider's own change signal then finds the value equal and announces nothing.
    m_value = value;
    m_ui->lineEdit->setText(QString::number(value));
    m_ui->horizontalSlider->setValue(value);
}

void RGBAsingleChannelEditor::setTitle(const QString &title)
{
    m_ui->groupBox->setTitle(title);
}

void RGBAsingleChannelEditor::on_horizontalSlider_valueChanged(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    m_ui->lineEdit->setText(QString::number(value));
    emit valueChanged(value);
}
