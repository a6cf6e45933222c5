#ifndef DATAPROCESSING_H
#define DATAPROCESSING_H

#include <QtGlobal>

// Routines over echo samples: arrays of 8-bit samples as read from the transceiver, positions 0-based.
// Samples are read as signed 8-bit values (-128 to 127) except by sumBlocks, which reads them unsigned.
// Every routine makes one pass over arrays the caller owns and reads only the counts and windows it is
// given; nothing reports an error.
class DataProcessing
{
public:
    DataProcessing();
    virtual ~DataProcessing();
};

// A scalar Kalman filter with a gain that grows from 0.0046 towards 0.066 over the first hundred samples;
// writes count smoothed samples. The filter follows its own rounded output, not the unrounded estimate.
void smoothEchoSamples(const char *samples, int count, char *output);
// The start of the steepest rise within 10 samples; 0 for 10 samples or fewer and for a series that never
// rises. The first start reaching the largest rise wins.
int findSteepestRise(const char *samples, int count);
// findSteepestRise x 25.
int findSteepestRiseScaled(const char *samples, int count);
// output[k] = the sum of the blockLength unsigned samples from k x blockLength, for k below blockCount.
void sumBlocks(const char *samples, int blockCount, int blockLength, qint32 *output);
// The first position of the largest element when that element is positive, else 0.
int indexOfLargestValue(const qint32 *values, int count);
int indexOfLargestSample(const char *samples, int count);
// The first positions of the smallest sample and of the largest sample; the maximum position is written
// only when a sample is above 0. Nothing is written for count <= 0.
void findMinimumAndMaximum(const char *samples, int count, int *minimumPosition, int *maximumPosition);
// The leading edge of the bottom echo before the peak at `position`: the last position before it whose
// sample lies below 70 % of the window's range above its smallest sample, the window being the
// windowLength samples before the peak. The window never reaches before the start of the array: near the
// start it is cut at position 0. windowLength <= 0 gives position - windowLength.
int findBottomLeadingEdge(const char *samples, int position, int windowLength);
// findBottomLeadingEdge at the largest sample of the row, with a window of two rows.
int findBottomLeadingEdgeInRow(const char *samples, int row, int rowLength);

#endif // DATAPROCESSING_H
