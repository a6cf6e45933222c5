#ifndef SYSFSATTRIBUTE_H
#define SYSFSATTRIBUTE_H

#include <QByteArray>
#include <QString>

// Reads and writes the small text files of the kernel's device interface. Paths are system paths; the
// root folder of PlatformPaths is put in front of them. A file that is missing, unreadable or unwritable
// gives one debug line and a failure result, never more: callers go on with a neutral value.
class SysfsAttribute
{
public:
    // Longest attribute text read; device attributes are a few characters, anything longer is cut.
    static constexpr int MaximumLength = 64;

    // Writes the text to an existing attribute file; true when every byte was written.
    static bool write(const QString &systemPath, const QByteArray &text);
    // The attribute's text without surrounding white space, at most MaximumLength bytes read; true when
    // the file could be read. On failure `text` is set empty.
    static bool read(const QString &systemPath, QByteArray *text);
    // The attribute read as a decimal integer; `fallback` when the file cannot be read or holds no number.
    static int readInt(const QString &systemPath, int fallback);
};

#endif // SYSFSATTRIBUTE_H
