#ifndef ATOMICFILE_H
#define ATOMICFILE_H

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` as a whole: readers see either the old file or the complete
// new one, never a part. On any failure the old file (or its absence) is left as it was and no temporary
// file stays behind.
//
// The save file is written unbuffered and every byte is counted: a buffered QSaveFile hands the last
// block to the device only at commit and then reports success for a file cut short on a full device.
//
// Returns whether the new file is in place. On failure the reason goes to *error when the caller asks for
// it (and then reports it itself); otherwise it is written to the debug log.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

#endif // ATOMICFILE_H
