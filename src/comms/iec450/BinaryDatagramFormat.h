#ifndef BINARYDATAGRAMFORMAT_H
#define BINARYDATAGRAMFORMAT_H

#include <QByteArray>
#include <QString>

// Helpers of the IEC 61162-450 image datagrams. Every integer of a header or descriptor is big-endian.

// Length of the fixed header that opens every image datagram.
int binaryHeaderLength();
// The header version this unit writes and the only one it accepts.
int binaryVersion();
// Largest image datagram, header included, and the payload that leaves beside the header.
int maxBinaryDatagramSize();
int maxBinaryPayloadSize();

// The 32-bit value in `width` bytes, most significant first: a value that does not fit keeps its least
// significant bytes, a width above 4 pads with zero bytes on the left.
QByteArray toBigEndian(qint32 value, int width);
// Up to the last four bytes, most significant first; fewer bytes are zero-extended on the left, so four
// bytes with the top bit set come back negative.
qint32 fromBigEndian(const QByteArray &bytes);
// The `width` bytes at `offset` of the data read with fromBigEndian; bytes beyond the end of the data read
// as zero, as if the data had been padded.
qint32 readBigEndian(const QByteArray &data, int offset, int width);

// Two ASCII letters followed by four digits somewhere in the text.
bool isValidSfi(const QString &text);
// "XXXXXX" (every unit) or a valid SFI.
bool isValidDestinationSfi(const QString &text);

#endif // BINARYDATAGRAMFORMAT_H
