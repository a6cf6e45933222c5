#ifndef NMEACHECKSUM_H
#define NMEACHECKSUM_H

#include <QString>
#include <QStringView>

// Result codes of the sentence layer: the framing check of a received sentence and the parsing of its
// fields. 0 means accepted. The receiving path counts every other code per port, so the values are fixed.
enum NmeaErrorType {
    NmeaNoError = 0,
    NmeaChecksumError = 1, // no "*", not exactly two characters after it, or a wrong checksum
    NmeaFramingError = 2, // empty, no "$" or "!" at the start, or no CR LF at the end
    NmeaAddressError = 3, // address field of the wrong length
    NmeaFieldLengthError = 4, // a field of the wrong length
    NmeaInvalidValueError = 6, // a field with an invalid value
    NmeaTooLongError = 7 // more than 82 characters
};

// Exclusive-or of the bytes, as two upper-case hexadecimal digits; "00" for no bytes.
QString nmeaChecksum(const char *data, int length);
// Checksum of the Latin-1 form of the text (a character outside Latin-1 counts as "?").
QString nmeaStringChecksum(const QString &text);
// Whether given is the checksum of text as nmeaStringChecksum writes it (upper-case digits).
bool isNmeaStringChecksum(QStringView text, QStringView given);
// text + "*" + checksum of text + CR LF. The checksum covers the whole text, so a caller passes the
// text after the start character.
QString appendNmeaChecksum(const QString &text);
// For a text "body*XY" whose checksum covers everything before the "*" (no start character is
// skipped): 1 without "*", -2 when the text does not end exactly two characters after the first "*",
// 0 when XY equals the checksum ignoring case, -1 otherwise.
int isNmeaChecksumValid(const QString &text);

#endif // NMEACHECKSUM_H
