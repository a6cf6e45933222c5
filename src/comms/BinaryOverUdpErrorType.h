#ifndef BINARYOVERUDPERRORTYPE_H
#define BINARYOVERUDPERRORTYPE_H

// Error codes of image datagrams; fixed like the sentence datagram codes they follow.
enum BinaryOverUdpErrorType : int {
    ImageSizeError = 80,
    ImageDatagramMissingError = 81,
    ImageHeaderError = 82,
    BinaryOverUdpError83 = 83, // no reporter
    BinaryOverUdpErrorSum = 84 // never counted: the sum of the others
};

#endif // BINARYOVERUDPERRORTYPE_H
