#include "ui/status/AuxStatesDisplayingWidget.h"

#include "data/ESCommunicationInformation.h"
#include "data/ESDataClass.h"

#include "ui_AuxStatesDisplayingWidget.h"

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
        const bool lit = (aux_states / divisors[pin]) % 2 != 0;
        lamp(pin)->setPixmap(lit ? m_ledOn : m_ledOff);
    }
}
