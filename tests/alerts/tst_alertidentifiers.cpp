// The identifiers of the deep-water and system alerts for an alert type: ALF identifiers lie 10000 above
// the ALR ones, and 10000 itself belongs to neither side.

#include "alerts/AlertIdentifiers.h"

#include <QtTest>

class tst_AlertIdentifiers : public QObject
{
    Q_OBJECT

private slots:
    void forAlertType_data();
    void forAlertType();
};

void tst_AlertIdentifiers::forAlertType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("deep");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("expectedDeep");
    QTest::addColumn<int>("expectedSystem");

    // Only identifiers up to 9999 move up: one already above 10000 counts as an ALF identifier.
    QTest::newRow("ALF stays") << "CAT_B_ALF" << 10456 << 10457 << 10456 << 10457;
    QTest::newRow("down to ALR") << "CAT_B_ALR" << 20456 << 20457 << 10456 << 10457;
    QTest::newRow("small to ALF") << "CAT_A_ALF" << 456 << 457 << 10456 << 10457;
    QTest::newRow("ALR stays") << "CAT_A_ALR" << 456 << 457 << 456 << 457;
    QTest::newRow("10000 to ALF") << "CAT_B_ALF" << 10000 << 10000 << 10000 << 10000;
    QTest::newRow("10000 to ALR") << "CAT_A_ALR" << 10000 << 10000 << 10000 << 10000;
    QTest::newRow("9999 to ALF") << "CAT_A_ALF" << 9999 << 10001 << 19999 << 10001;
    QTest::newRow("10001 to ALR") << "CAT_B_ALR" << 10001 << 9999 << 1 << 9999;
    QTest::newRow("each on its own") << "CAT_B_ALF" << 20456 << 457 << 20456 << 10457;
    // Any type without "ALR" counts as ALF; the word is case sensitive.
    QTest::newRow("lower case alr") << "CAT_B_alr" << 456 << 457 << 10456 << 10457;
    QTest::newRow("empty type") << "" << 456 << 457 << 10456 << 10457;
}

void tst_AlertIdentifiers::forAlertType()
{
    QFETCH(QString, type);
    QFETCH(int, deep);
    QFETCH(int, system);
    QFETCH(int, expectedDeep);
    QFETCH(int, expectedSystem);

    const AlertIdentifiers moved = AlertIdentifiers::forAlertType(type, { deep, system });
    QCOMPARE(moved.deep, expectedDeep);
    QCOMPARE(moved.system, expectedSystem);
}

QTEST_GUILESS_MAIN(tst_AlertIdentifiers)
#include "tst_alertidentifiers.moc"
