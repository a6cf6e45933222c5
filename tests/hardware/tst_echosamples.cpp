#include "hardware/DataProcessing.h"

#include <QtTest>

#include <vector>

// Sample arrays are heap arrays of exactly their length, so that a read outside them is caught by the
// address sanitizer.
using Samples = QVector<int>;

namespace {

std::vector<char> bytes(const Samples &samples)
{
    std::vector<char> array;
    for (int value : samples)
        array.push_back(static_cast<char>(value));
    return array;
}

Samples values(const std::vector<char> &array, bool asSigned = true)
{
    Samples result;
    for (char c : array)
        result << (asSigned ? int(static_cast<qint8>(c)) : int(static_cast<quint8>(c)));
    return result;
}

Samples repeated(int value, int count)
{
    return Samples(count, value);
}

} // namespace

class tst_EchoSamples : public QObject
{
    Q_OBJECT

private slots:
    void smoothEchoSamples_data();
    void smoothEchoSamples();
    void smoothingWritesNothingForNoSamples();
    void steepestRise_data();
    void steepestRise();
    void sumBlocks_data();
    void sumBlocks();
    void largestSample_data();
    void largestSample();
    void largestValue();
    void minimumAndMaximum_data();
    void minimumAndMaximum();
    void bottomLeadingEdge_data();
    void bottomLeadingEdge();
    void bottomLeadingEdgeInRow_data();
    void bottomLeadingEdgeInRow();
};

void tst_EchoSamples::smoothEchoSamples_data()
{
    QTest::addColumn<Samples>("input");
    QTest::addColumn<Samples>("expected");

    QTest::newRow("step from 10 to 50")
        << (repeated(10, 5) + repeated(50, 5)) << Samples { 10, 10, 10, 10, 10, 11, 12, 13, 14, 15 };
    QTest::newRow("constant") << repeated(7, 40) << repeated(7, 40);
    QTest::newRow("negative constant") << repeated(-20, 12) << repeated(-20, 12);
    QTest::newRow("one sample") << Samples { 42 } << Samples { 42 };
}

void tst_EchoSamples::smoothEchoSamples()
{
    QFETCH(Samples, input);
    QFETCH(Samples, expected);
    const std::vector<char> in = bytes(input);
    std::vector<char> out(in.size(), char(99));
    ::smoothEchoSamples(in.data(), int(in.size()), out.data());
    QCOMPARE(values(out), expected);
}

void tst_EchoSamples::smoothingWritesNothingForNoSamples()
{
    const std::vector<char> in = bytes({ 1, 2 });
    std::vector<char> out(2, char(99));
    ::smoothEchoSamples(in.data(), 0, out.data());
    ::smoothEchoSamples(in.data(), -3, out.data());
    QCOMPARE(values(out), Samples({ 99, 99 }));
}

void tst_EchoSamples::steepestRise_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<int>("position");

    QTest::newRow("ten samples") << (repeated(0, 9) + Samples { 50 }) << 0;
    // Only start 0 is examined, and it reaches sample 9, not sample 10.
    QTest::newRow("eleven samples") << (repeated(0, 10) + Samples { 30 }) << 0;
    QTest::newRow("twelve samples, second start") << (repeated(0, 10) + Samples { 30, 30 }) << 1;
    QTest::newRow("larger rise from the second start") << (Samples { 5, 0, 0 } + repeated(30, 9)) << 1;
    QTest::newRow("equal rises, the first wins") << (Samples { 0, 0, 0 } + repeated(30, 9)) << 0;
    QTest::newRow("never rises") << Samples { 100, 99, 98, 97, 96, 95, 94, 93, 92, 91, 90, 89 } << 0;
    // From -100 at start 1 to 0 is the rise; read unsigned, 156 would fall instead.
    QTest::newRow("signed samples") << (Samples { 0, -100 } + repeated(0, 10)) << 1;
}

void tst_EchoSamples::steepestRise()
{
    QFETCH(Samples, samples);
    QFETCH(int, position);
    const std::vector<char> array = bytes(samples);
    QCOMPARE(findSteepestRise(array.data(), int(array.size())), position);
    QCOMPARE(findSteepestRiseScaled(array.data(), int(array.size())), position * 25);
}

void tst_EchoSamples::sumBlocks_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<int>("blockCount");
    QTest::addColumn<int>("blockLength");
    QTest::addColumn<QVector<qint32>>("expected"); // three output places, -1 where nothing is written

    QTest::newRow("unsigned samples")
        << Samples { 1, 2, 3, 4, 250, 6 } << 3 << 2 << QVector<qint32> { 3, 7, 256 };
    QTest::newRow("block length 0") << Samples { 1, 2 } << 2 << 0 << QVector<qint32> { 0, 0, -1 };
    QTest::newRow("no blocks") << Samples { 1, 2 } << 0 << 2 << QVector<qint32> { -1, -1, -1 };
}

void tst_EchoSamples::sumBlocks()
{
    QFETCH(Samples, samples);
    QFETCH(int, blockCount);
    QFETCH(int, blockLength);
    QFETCH(QVector<qint32>, expected);
    const std::vector<char> array = bytes(samples);
    QVector<qint32> output(3, -1);
    ::sumBlocks(array.data(), blockCount, blockLength, output.data());
    QCOMPARE(output, expected);
}

void tst_EchoSamples::largestSample_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<int>("position");

    QTest::newRow("first of the largest") << Samples { 0, 3, 7, 7, 2 } << 2;
    QTest::newRow("all zero") << Samples { 0, 0, 0 } << 0;
    QTest::newRow("all negative") << Samples { -3, -1, -2 } << 0;
    QTest::newRow("200 reads as negative") << Samples { 200, 5 } << 1;
    QTest::newRow("none") << Samples {} << 0;
}

void tst_EchoSamples::largestSample()
{
    QFETCH(Samples, samples);
    QFETCH(int, position);
    const std::vector<char> array = bytes(samples);
    QCOMPARE(indexOfLargestSample(array.data(), int(array.size())), position);
}

void tst_EchoSamples::largestValue()
{
    const QVector<qint32> values { -5, 1000, 70000, 70000 };
    QCOMPARE(indexOfLargestValue(values.constData(), values.size()), 2);
    const QVector<qint32> notPositive { -5, 0, -70000 };
    QCOMPARE(indexOfLargestValue(notPositive.constData(), notPositive.size()), 0);
    QCOMPARE(indexOfLargestValue(values.constData(), 0), 0);
}

void tst_EchoSamples::minimumAndMaximum_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("minimum"); // -1: left untouched
    QTest::addColumn<int>("maximum");

    QTest::newRow("first positions") << Samples { 5, 3, 9, 3, 9 } << 5 << 1 << 2;
    QTest::newRow("no sample above 0") << Samples { 0, 0 } << 2 << 0 << -1;
    QTest::newRow("no samples") << Samples { 4 } << 0 << -1 << -1;
}

void tst_EchoSamples::minimumAndMaximum()
{
    QFETCH(Samples, samples);
    QFETCH(int, count);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    const std::vector<char> array = bytes(samples);
    int minimumPosition = -1;
    int maximumPosition = -1;
    findMinimumAndMaximum(array.data(), count, &minimumPosition, &maximumPosition);
    QCOMPARE(minimumPosition, minimum);
    QCOMPARE(maximumPosition, maximum);
}

void tst_EchoSamples::bottomLeadingEdge_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("edge");

    // Largest 80, smallest 10: threshold 59; 100 and 80 lie above it, 40 below.
    QTest::newRow("rise before the peak") << Samples { 10, 10, 10, 40, 80, 100 } << 5 << 5 << 3;
    QTest::newRow("peak below the threshold") << Samples { 10, 10, 10, 40, 80, 20 } << 5 << 5 << 5;
    QTest::newRow("nothing below: window start") << Samples { 0, 0, 50, 60, 60, 60, 60, 70 } << 7 << 5 << 2;
    QTest::newRow("no window") << Samples { 10, 20, 30 } << 2 << 0 << 2;
    // Peaks closer to the start than a window: the window is cut at the array's start.
    QTest::newRow("window cut at the start") << Samples { 10, 40, 80 } << 2 << 5 << 0;
    QTest::newRow("cut window with an edge") << Samples { 40, 5, 40, 90 } << 3 << 6 << 1;
    QTest::newRow("peak at the first sample") << Samples { 90, 10 } << 0 << 4 << 0;
}

void tst_EchoSamples::bottomLeadingEdge()
{
    QFETCH(Samples, samples);
    QFETCH(int, position);
    QFETCH(int, window);
    QFETCH(int, edge);
    const std::vector<char> array = bytes(samples);
    QCOMPARE(findBottomLeadingEdge(array.data(), position, window), edge);
}

void tst_EchoSamples::bottomLeadingEdgeInRow_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowLength");
    QTest::addColumn<int>("edge");

    const Samples rows = Samples { 0, 0, 0 } + Samples { 10, 10, 10 } + Samples { 40, 90, 20 };
    // Peak at 7; window 1 to 6 (0, 0, 10, 10, 10, 40), threshold 28: the last sample below it is at 5.
    QTest::newRow("row 2") << rows << 2 << 3 << 5;
    QTest::newRow("row 0") << (Samples { 5, 50, 7 } + repeated(1, 6)) << 0 << 3 << 0;
    // Peak at 5; the window of six samples is cut to 0 to 4 (0, 0, 0, 0, 20), threshold 14.
    QTest::newRow("row 1") << (Samples { 0, 0, 0 } + Samples { 0, 20, 90 }) << 1 << 3 << 3;
    QTest::newRow("row before the first") << rows << -1 << 3 << 0;
}

void tst_EchoSamples::bottomLeadingEdgeInRow()
{
    QFETCH(Samples, samples);
    QFETCH(int, row);
    QFETCH(int, rowLength);
    QFETCH(int, edge);
    const std::vector<char> array = bytes(samples);
    QCOMPARE(findBottomLeadingEdgeInRow(array.data(), row, rowLength), edge);
}

QTEST_GUILESS_MAIN(tst_EchoSamples)
#include "tst_echosamples.moc"
