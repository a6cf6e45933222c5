// Counts of what peers cause stop at the range of an int: one more at the largest int stays there, and sums
// of counters (the error totals over the ports) are held within the range instead of wrapping round.

#include "common/SaturatingCount.h"

#include <QtTest>

#include <limits>

namespace {
constexpr int largest = std::numeric_limits<int>::max();
constexpr int smallest = std::numeric_limits<int>::min();
} // namespace

class tst_SaturatingCount : public QObject
{
    Q_OBJECT

private slots:
    void countOne_data();
    void countOne();
    void sums_data();
    void sums();
};

void tst_SaturatingCount::countOne_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("ordinary") << 41 << 42;
    QTest::newRow("one below the largest") << largest - 1 << largest;
    QTest::newRow("largest") << largest << largest;
}

void tst_SaturatingCount::countOne()
{
    QFETCH(int, before);
    QFETCH(int, after);
    int counter = before;
    ::countOne(counter);
    QCOMPARE(counter, after);
}

void tst_SaturatingCount::sums_data()
{
    QTest::addColumn<QVector<int>>("counts");
    QTest::addColumn<int>("sum");
    QTest::newRow("none") << QVector<int>() << 0;
    QTest::newRow("ordinary") << QVector<int> { 1, 2, 3 } << 6;
    // Missing port loggers answer -1 each; the totals keep adding them as before.
    QTest::newRow("missing loggers") << QVector<int> { 5, -1, -1 } << 3;
    QTest::newRow("exactly the largest") << QVector<int> { largest - 10, 10 } << largest;
    QTest::newRow("past the largest") << QVector<int> { largest, largest, 1 } << largest;
    QTest::newRow("below the smallest") << QVector<int> { smallest, -1 } << smallest;
}

void tst_SaturatingCount::sums()
{
    QFETCH(QVector<int>, counts);
    QFETCH(int, sum);
    QCOMPARE(saturatedSum(counts), sum);
    if (counts.size() == 3)
        QCOMPARE(saturatedSum({ counts.at(0), counts.at(1), counts.at(2) }), sum);
}

QTEST_GUILESS_MAIN(tst_SaturatingCount)
#include "tst_saturatingcount.moc"
