// The alert word tables: word to value, value to word, the round trip and the answer for unknown words
// and out-of-table positions.

#include "alerts/AlertWords.h"

#include <QtTest>

using WordToValue = int (*)(const QString &);
using ValueToWord = QString (*)(int);
Q_DECLARE_METATYPE(WordToValue)
Q_DECLARE_METATYPE(ValueToWord)

class tst_AlertWords : public QObject
{
    Q_OBJECT

private slots:
    void fromName_data();
    void fromName();
    void roundTrip_data();
    void roundTrip();
    void nameOutsideTable_data();
    void nameOutsideTable();
};

void tst_AlertWords::fromName_data()
{
    QTest::addColumn<WordToValue>("convert");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("value");

    QTest::newRow("category CatB") << WordToValue(alertCategoryFromName) << "CatB" << 1;
    QTest::newRow("category lower case") << WordToValue(alertCategoryFromName) << "catb" << 3;
    QTest::newRow("category leading blank") << WordToValue(alertCategoryFromName) << " CatB" << 3;
    QTest::newRow("category empty") << WordToValue(alertCategoryFromName) << "" << 3;
    QTest::newRow("priority EmergencyAlarm") << WordToValue(alertPriorityFromName) << "EmergencyAlarm" << 3;
    QTest::newRow("priority Caution") << WordToValue(alertPriorityFromName) << "Caution" << 2;
    QTest::newRow("priority Alarm") << WordToValue(alertPriorityFromName) << "Alarm" << 0;
    QTest::newRow("priority trailing blank") << WordToValue(alertPriorityFromName) << "Alert " << 4;
    QTest::newRow("priority empty") << WordToValue(alertPriorityFromName) << "" << 4;
    QTest::newRow("state transferred")
        << WordToValue(alertStateFromName) << "ActiveResponsibilityTransferred" << 3;
    QTest::newRow("state rectified") << WordToValue(alertStateFromName) << "RectifiedUnacknowledged" << 4;
    QTest::newRow("state Normal") << WordToValue(alertStateFromName) << "Normal" << 5;
    // The image names of the alarm panel are spelled differently; they are no state words.
    QTest::newRow("state image spelling")
        << WordToValue(alertStateFromName) << "ActiveResponsibilityTransfered" << 6;
    QTest::newRow("state Acknowedged") << WordToValue(alertStateFromName) << "ActiveAcknowedged" << 6;
    QTest::newRow("state empty") << WordToValue(alertStateFromName) << "" << 6;
    QTest::newRow("escalation None") << WordToValue(alertEscalationFromName) << "None" << 0;
    QTest::newRow("escalation AlarmToAlarm") << WordToValue(alertEscalationFromName) << "AlarmToAlarm" << 3;
    QTest::newRow("escalation empty") << WordToValue(alertEscalationFromName) << "" << 4;
}

void tst_AlertWords::fromName()
{
    QFETCH(WordToValue, convert);
    QFETCH(QString, word);
    QFETCH(int, value);
    QCOMPARE(convert(word), value);
}

void tst_AlertWords::roundTrip_data()
{
    QTest::addColumn<ValueToWord>("toWord");
    QTest::addColumn<WordToValue>("toValue");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("priority") << ValueToWord(alertPriorityName) << WordToValue(alertPriorityFromName)
                              << QStringList { "Alarm", "Alert", "Caution", "EmergencyAlarm" };
    QTest::newRow("category") << ValueToWord(alertCategoryName) << WordToValue(alertCategoryFromName)
                              << QStringList { "CatA", "CatB", "CatC" };
    QTest::newRow("state") << ValueToWord(alertStateName) << WordToValue(alertStateFromName)
                           << QStringList { "ActiveUnacknowledged", "ActiveSilenced", "ActiveAcknowledged",
                                  "ActiveResponsibilityTransferred", "RectifiedUnacknowledged", "Normal" };
    QTest::newRow("escalation") << ValueToWord(alertEscalationName) << WordToValue(alertEscalationFromName)
                                << QStringList { "None", "WarningToWarning", "WarningToAlarm",
                                       "AlarmToAlarm" };
}

void tst_AlertWords::roundTrip()
{
    QFETCH(ValueToWord, toWord);
    QFETCH(WordToValue, toValue);
    QFETCH(QStringList, words);
    for (int value = 0; value < words.size(); ++value) {
        QCOMPARE(toWord(value), words.at(value));
        QCOMPARE(toValue(toWord(value)), value);
    }
    // The first position past the table, the answer for an unknown word, has no word.
    QCOMPARE(toValue(QStringLiteral("unknown")), words.size());
    QVERIFY(toWord(toValue(QStringLiteral("unknown"))).isEmpty());
}

void tst_AlertWords::nameOutsideTable_data()
{
    QTest::addColumn<ValueToWord>("toWord");
    QTest::addColumn<int>("index");

    QTest::newRow("priority -1") << ValueToWord(alertPriorityName) << -1;
    QTest::newRow("priority 4") << ValueToWord(alertPriorityName) << 4;
    QTest::newRow("category 3") << ValueToWord(alertCategoryName) << 3;
    QTest::newRow("state 6") << ValueToWord(alertStateName) << 6;
    QTest::newRow("state large") << ValueToWord(alertStateName) << 1000000;
    QTest::newRow("escalation -7") << ValueToWord(alertEscalationName) << -7;
}

void tst_AlertWords::nameOutsideTable()
{
    QFETCH(ValueToWord, toWord);
    QFETCH(int, index);
    QVERIFY(toWord(index).isEmpty());
}

QTEST_GUILESS_MAIN(tst_AlertWords)
#include "tst_alertwords.moc"
