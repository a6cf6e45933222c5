#include "ui/status/AuxStatesDisplayingWidget.h"

#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"

#include "ui_AuxStatesDisplayingWidget.h"

#include <QEvent>

AuxStatesDisplayingWidget::AuxStatesDisplayingWidget(QWidget *parent, ESCommunicationInformation *states)
    : QWidget(parent)
    , m_ui(new Ui::AuxStatesDisplayingWidget)
    , m_ledOff(QStringLiteral(":/Resources/led_off"))
    , m_ledOn(QStringLiteral(":/Resources/led_on"))
{
    m_ui->setupUi(this);
    if (!states)
        states = ESDataClass::instance()->communicationInformation();
    connect(states, &ESCommunicationInformation::AuxStatesChanged, this,
        &AuxStatesDisplayingWidget::auxStatesReceived);
    // The lamp pictures are larger than a row: each lamp is drawn again to fit whenever its row is resized
    // (the window's scaling resizes every row by itself).
    for (int pin = 0; pin < 4; ++pin) {
        lamp(pin)->installEventFilter(this);
        showLamp(pin);
    }
}

AuxStatesDisplayingWidget::~AuxStatesDisplayingWidget()
{
    delete m_ui;
}

QLabel *AuxStatesDisplayingWidget::lamp(int pin) const
{
    switch (pin) {
    case 0:
        return m_ui->auxOutput1Status;
    case 1:
        return m_ui->auxOutput2Status;
    case 2:
        return m_ui->auxOutput3RelayStatus;
    default:
        return m_ui->auxInput4Status;
    }
}

void AuxStatesDisplayingWidget::auxStatesReceived(int aux_states)
{
    // Signed division: for a negative word the sign-adjusted quotients decide, as the peer's word is read.
    const int divisors[4] = { 1, 2, 4, 8 };
    for (int pin = 0; pin < 4; ++pin) {
        m_lit[pin] = (aux_states / divisors[pin]) % 2 != 0;
        showLamp(pin);
    }
}

void AuxStatesDisplayingWidget::showLamp(int pin)
{
    QLabel *label = lamp(pin);
    const int side = qMax(1, int(label->contentsRect().height() * 0.8));
    label->setPixmap(
        (m_lit[pin] ? m_ledOn : m_ledOff).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool AuxStatesDisplayingWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        for (int pin = 0; pin < 4; ++pin) {
            if (watched == lamp(pin))
                showLamp(pin);
        }
    }
    return QWidget::eventFilter(watched, event);
}
