#ifndef KEYEVENTINFO_H
#define KEYEVENTINFO_H

#include <QEvent>
#include <QMetaType>
#include <QString>

// One key of the on-screen keyboards (or of an attached physical keyboard), as the keyboards report it to
// the value editor and the password lock: the event type (always a key press for the keys made on screen),
// the toolkit's key code and the key's text.
//
// Codes the owners act on: a character's own code for character keys, Qt::Key_Backspace, Qt::Key_Cancel,
// Qt::Key_Enter (text: two carriage returns), Qt::Key_CapsLock for the page switch and for Shift (both
// change no text) and Qt::Key_Space.
struct KeyEventInfo
{
    int type = QEvent::KeyPress;
    int key = 0;
    QString text;

    KeyEventInfo() = default;
    KeyEventInfo(int eventType, int keyCode, const QString &keyText)
        : type(eventType)
        , key(keyCode)
        , text(keyText)
    {
    }

    bool operator==(const KeyEventInfo &other) const
    {
        return type == other.type && key == other.key && text == other.text;
    }
    bool operator!=(const KeyEventInfo &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(KeyEventInfo)

#endif // KEYEVENTINFO_H
