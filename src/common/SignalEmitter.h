#ifndef SIGNALEMITTER_H
#define SIGNALEMITTER_H

#include "common/Port.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class ValuePropertyInfo;
class EnumPropertyInfo;
class BottomBarInfo;
class RuntimeButtonInfo;

// A hub: an object with signals and nothing else. Senders emit on a process-wide hub without knowing who
// listens; the system object or a controller connects the hub to the receivers (and may move those
// connections at run time, as the standby routing does).
class SignalEmitter : public QObject
{
    Q_OBJECT

public:
    explicit SignalEmitter(QObject *parent = nullptr);

signals:
    // Settings hub: a single-change settings text (or a relayed received text).
    void signalEmitString(QString string);
    // Settings hub: an event-mark text.
    void signalMarkString(QString mark);
    // Settings hub: a whole-object settings text and the SFIs it is for (possibly none).
    void signalSerializedSetupAndDestinationSfis(QString serialized_setup, QStringList destination_sfis);

    // Handler hub: build a sentence of this formatter from its handler and send it on the port under the
    // talker `id`.
    void signalNmeaMessageTypeAndPortAndId(QString type, Port port, QString id);
    // Handler hub: send a finished sentence.
    void signalTypeAndCompleteNmeaMessageAndPort(
        QString type, QString message, Port port, bool to_connected_devices);
    // Handler hub: send finished sentences as one group to one destination SFI.
    void signalTypeAndCompleteNmeaMessageListWithCustomDestinationSFI(
        QString type, QList<QString> complete_messages, Port port, QString id, QString destination_sfi);

    // Property button hub.
    void signalButtonOfValuePropertyInfoPressed(ValuePropertyInfo *property_info);
    void signalButtonOfValuePropertyInfoReleased(ValuePropertyInfo *property_info);
    void signalButtonOfEnumPropertyInfoPressed(EnumPropertyInfo *property_info);
    void signalButtonOfEnumPropertyInfoReleased(EnumPropertyInfo *property_info);

    // Runtime button hub.
    void signalBottomBarPressed(BottomBarInfo *button_info);
    void signalBottomBarReleased(BottomBarInfo *button_info);
    void signalRuntimeButtonPressed(RuntimeButtonInfo *button_info);
    void signalRuntimeButtonReleased(RuntimeButtonInfo *button_info);
};

// The process-wide hubs. Each exists before main runs (created during static initialisation, without
// parent) and is never destroyed.

// Sentence send requests of every sentence handler.
SignalEmitter *nmeaHandlerSignalEmitter();
// Settings texts to send, emitted by the settings objects. settingsSignalEmitter() is the same hub under
// the name the sending side uses: one object, so every text a settings object emits reaches the data class.
SignalEmitter *serializableSignalEmitter();
SignalEmitter *settingsSignalEmitter();
// Presses and releases of buttons bound to setup value and enumeration descriptions.
SignalEmitter *propertyInfoSignalEmitter();
// Presses and releases of bottom-bar and runtime-page buttons.
SignalEmitter *buttonSignalEmitter();

#endif // SIGNALEMITTER_H
