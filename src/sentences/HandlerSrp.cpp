#include "sentences/HandlerSrp.h"

#include "common/Port.h"
#include "data/CU_R207_Setup.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/NetworkAddressSentences.h"
#include "sentences/PqrvProtocolSupport.h"

#include <QDebug>
#include <QTimer>

namespace {

// The announcements belong to the process, not to one handler: a second start, from any SRP handler,
// must not double them.
bool s_announcementsStarted = true;
int s_scheduledAnnouncements = 0;

const int firstFollowUp = 60000;
const int secondFollowUp = 300000;

} // namespace

HandlerSrp::HandlerSrp(QObject *parent)
    : NmeaHandler(nullptr, QStringLiteral("SRP"), false, parent, false)
{
    addExtraPort(UDP);
}

int HandlerSrp::scheduledAnnouncementCount()
{
    return s_scheduledAnnouncements;
}

void HandlerSrp::startSending()
{
    if (!s_announcementsStarted)
        return;
    s_announcementsStarted = false;
    const CU_R207_Setup *display = PqrvProtocol::displaySetup();
    connect(display, &CU_R207_Setup::IPChanged, this, &HandlerSrp::sendOnEnabledPorts);
    connect(display, &CU_R207_Setup::MacAddressChanged, this, &HandlerSrp::sendOnEnabledPorts);
    sendTimeout();
}

void HandlerSrp::sendTimeout()
{
    sendOnEnabledPorts();
    if (s_scheduledAnnouncements == 0) {
        QTimer::singleShot(firstFollowUp, this, &HandlerSrp::sendTimeout);
        s_scheduledAnnouncements = 1;
    } else if (s_scheduledAnnouncements == 1) {
        QTimer::singleShot(secondFollowUp, this, &HandlerSrp::sendTimeout);
        s_scheduledAnnouncements = 2;
    }
}

void HandlerSrp::fillOutgoingMessage(NmeaMessage *message)
{
    auto *srp = qobject_cast<MsgSrp *>(message);
    if (!srp)
        return;
    const CU_R207_Setup *display = PqrvProtocol::displaySetup();
    srp->InstanceNumber()->setValue(0);
    srp->MacAddress()->setValue(display->MacAddress());
    srp->IpAddress()->setValue(display->IP());
}

void HandlerSrp::handleReceivedMessage(NmeaMessage *message)
{
    Q_UNUSED(message)
    qDebug() << "HandlerSrp::handleReceivedMessage() - Not yet implemented. Standard 61162-460 defines SRP "
                "message handling.";
}
