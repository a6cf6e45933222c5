#ifndef PQRVPROTOCOLSUPPORT_H
#define PQRVPROTOCOLSUPPORT_H

#include <QString>

class CU_R207_Setup;
class ESTQ55Setup;
class NmeaHandler;
class SerializableClass;
class ValidatedStringProperty;

// What the proprietary protocol handlers share: the settings objects of the two roles, the unit's own
// SFI toward the network, the calls into the list of SFIs on the network, and the checked writing of
// received values into settings objects.
namespace PqrvProtocol {

// "DisplaySetup", the display's own identity settings; "TQ55Setup", the junction box's part of the
// shared setup. Both exist in every role (the settings tree is the same everywhere).
CU_R207_Setup *displaySetup();
ESTQ55Setup *junctionBoxSetup();

// The SFI against which a received sentence is tested for being addressed to this unit: the external
// local SFI of the list of SFIs on the network (the display's LocalSFI in the display role, the junction
// box's in the junction-box role).
QString ownSfi();

// The list of SFIs on the network follows pairing and SFI changes.
void connectSfi(const QString &sfi);
void disconnectSfi(const QString &sfi);
void deviceChangedSfi(const QString &newSfi, const QString &oldSfi);

// The text of a received string field; an empty or missing field reads as the empty text.
QString textOf(const ValidatedStringProperty *field);

// The sibling handler of a proprietary sentence in the container of `handler`, or null.
NmeaHandler *siblingHandler(const NmeaHandler *handler, const QString &name);

// Writes a value received in a sentence into a setting, through the same checks as a received settings
// text (the value must convert to the property's type, hold no white space and pass the validator of
// the property's description) and, beyond those, the regular expression of the description unless it
// is the placeholder "x". A refused value is logged and the setting keeps its value and validity.
// Returns whether the value was written.
bool applyReceivedValue(SerializableClass *object, const QString &name, const QString &value);

} // namespace PqrvProtocol

#endif // PQRVPROTOCOLSUPPORT_H
