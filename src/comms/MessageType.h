#ifndef MESSAGETYPE_H
#define MESSAGETYPE_H

#include <QMetaType>

// The kind of traffic a sentence group belongs to. The values travel between the controllers as integers
// and select the line counters of the network sender, so they are fixed.
enum MessageType : int {
    InternalData = 0, // proprietary data between units (settings text, acknowledgements)
    NetworkAdministration = 1, // the "SRP" sentence
    StandardSentence = 2 // every other sentence; the default of a group
};

Q_DECLARE_METATYPE(MessageType)

#endif // MESSAGETYPE_H
