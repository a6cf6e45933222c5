#include "hardware/DataProcessing.h"

namespace {

int signedSample(const char *samples, int i)
{
    return static_cast<qint8>(samples[i]);
}

int unsignedSample(const char *samples, int i)
{
    return static_cast<quint8>(samples[i]);
}

// The filter's constants are single-precision values.
const float processNoise = 0.042f;
const float measurementNoise = 9.1f;

} // namespace

DataProcessing::DataProcessing() = default;

DataProcessing::~DataProcessing() = default;

void smoothEchoSamples(const char *samples, int count, char *output)
{
    if (count <= 0)
        return;
    long double estimate = signedSample(samples, 0);
    long double variance = 0;
    for (int i = 0; i < count; ++i) {
        const int z = signedSample(samples, i);
        variance = variance + processNoise;
        const float gain = static_cast<float>(variance / (variance + measurementNoise));
        const long double next = estimate + gain * (z - estimate);
        const qint16 truncated = static_cast<qint16>(static_cast<int>(next));
        output[i] = static_cast<char>(truncated & 0xFF);
        estimate = signedSample(output, i);
        variance = variance * (1 - gain);
    }
}

int findSteepestRise(const char *samples, int count)
{
    if (count <= 10)
        return 0;
    int best = 0;
    int position = 0;
    for (int i = 0; i <= count - 11; ++i) {
        for (int j = 0; j < 10; ++j) {
            const int rise = signedSample(samples, i + j) - signedSample(samples, i);
            if (rise > best) {
                best = rise;
                position = i;
            }
        }
    }
    return position;
}

int findSteepestRiseScaled(const char *samples, int count)
{
    return findSteepestRise(samples, count) * 25;
}

void sumBlocks(const char *samples, int blockCount, int blockLength, qint32 *output)
{
    for (int k = 0; k < blockCount; ++k) {
        qint32 sum = 0;
        for (int i = 0; i < blockLength; ++i)
            sum += unsignedSample(samples, k * blockLength + i);
        output[k] = sum;
    }
}

int indexOfLargestValue(const qint32 *values, int count)
{
    qint32 largest = 0;
    int position = 0;
    for (int i = 0; i < count; ++i) {
        if (values[i] > largest) {
            largest = values[i];
            position = i;
        }
    }
    return position;
}

int indexOfLargestSample(const char *samples, int count)
{
    int largest = 0;
    int position = 0;
    for (int i = 0; i < count; ++i) {
        if (signedSample(samples, i) > largest) {
            largest = signedSample(samples, i);
            position = i;
        }
    }
    return position;
}

void findMinimumAndMaximum(const char *samples, int count, int *minimumPosition, int *maximumPosition)
{
    int largest = 0;
    int smallest = 255;
    for (int i = 0; i < count; ++i) {
        const int sample = signedSample(samples, i);
        if (sample > largest) {
            largest = sample;
            *maximumPosition = i;
        }
        if (sample < smallest) {
            smallest = sample;
            *minimumPosition = i;
        }
    }
}

int findBottomLeadingEdge(const char *samples, int position, int windowLength)
{
    if (windowLength <= 0)
        return position - windowLength;
    if (position < 0)
        return 0;
    // A peak closer to the start than a whole window: the window is what lies before it.
    const int start = qMax(0, position - windowLength);
    if (start == position)
        return position;

    int largest = 0;
    int smallest = 255;
    for (int i = start; i < position; ++i) {
        const int sample = signedSample(samples, i);
        if (sample > largest)
            largest = sample;
        if (sample < smallest)
            smallest = sample;
    }
    const int threshold = largest - ((largest - smallest) * 30) / 100;
    if (signedSample(samples, position) < threshold)
        return position;
    for (int k = position - 1; k > start; --k) {
        if (signedSample(samples, k) < threshold)
            return k;
    }
    return start;
}

int findBottomLeadingEdgeInRow(const char *samples, int row, int rowLength)
{
    // A row before the first one lies outside the array.
    if (row < 0)
        return 0;
    const int base = row * rowLength;
    if (rowLength <= 0)
        return base - 2 * rowLength;
    const int peak = base + indexOfLargestSample(samples + base, rowLength);
    return findBottomLeadingEdge(samples, peak, 2 * rowLength);
}
