#ifndef NMEAOVERUDPERRORTYPE_H
#define NMEAOVERUDPERRORTYPE_H

// Error codes of IEC 61162-450 sentence datagrams. The numbers travel in the diagnostics sentences and
// are written into the input error log, so they are fixed. The underlying type is fixed so that any
// counted code converts to this type.
enum NmeaOverUdpErrorType : int {
    NmeaOverUdpError70 = 70, // no reporter
    TagBlockChecksumError = 71,
    TagBlockParameterError = 72,
    TagBlockFormatError = 73,
    UdpSentenceTooLongError = 74,
    DatagramTooLongError = 75,
    UdpSentenceError = 76,
    NmeaOverUdpError77 = 77, // no reporter
    NmeaOverUdpErrorSum = 78, // never counted: the sum of the others
    DatagramHeaderError = 79
};

#endif // NMEAOVERUDPERRORTYPE_H
