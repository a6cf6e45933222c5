#include "common/ClassInformation.h"

#include <QtTest>

// A class whose entries show the splitting rules, and one deriving from it with an entry of the same name.
class DescribedBase : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("Depth", "type=value name=Depth unit=m validator=regex;a=b")
    Q_CLASSINFO("Range", "enumListMeters=5;10;20  trailing ")
};

class DescribedDerived : public DescribedBase
{
    Q_OBJECT
    Q_CLASSINFO("Heading", "type=runtime name=Heading nameToDisplay=Heading_°")
    Q_CLASSINFO("Depth", "type=value name=Depth unit=ft")
};

class TestClassInformation : public QObject
{
    Q_OBJECT

private slots:
    void splitsItems_data();
    void splitsItems();
    void entriesInDeclarationOrder();
    void entryFindsWhatQtFinds();
    void exactAndPrefixLookups();
    void containedKeysInOrder_data();
    void containedKeysInOrder();
    void builtOncePerClass();
};

void TestClassInformation::splitsItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<bool>("hasValue");

    QTest::newRow("plain") << "unit=m"
                           << "unit"
                           << "m"
                           << "m" << true;
    QTest::newRow("empty value") << "name="
                                 << "name"
                                 << ""
                                 << "" << true;
    QTest::newRow("value cut at second =") << "validator=regex;a=b"
                                           << "validator"
                                           << "regex;a"
                                           << "regex;a=b" << true;
    QTest::newRow("no =") << "showStatus"
                          << "showStatus"
                          << ""
                          << "" << false;
    QTest::newRow("empty item") << ""
                                << ""
                                << ""
                                << "" << false;
}

void TestClassInformation::splitsItems()
{
    QFETCH(QString, item);
    const QVector<ClassInfoItem> items = ClassInformation::splitItems(item);
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.at(0).text, item);
    QTEST(items.at(0).key, "key");
    QTEST(items.at(0).value, "value");
    QTEST(items.at(0).rest, "rest");
    QTEST(items.at(0).hasValue, "hasValue");
}

void TestClassInformation::entriesInDeclarationOrder()
{
    const ClassInformation &info = ClassInformation::of(&DescribedDerived::staticMetaObject);
    QCOMPARE(info.count(), 4);
    QCOMPARE(info.at(0).name, QByteArray("Depth"));
    QCOMPARE(info.at(1).name, QByteArray("Range"));
    QCOMPARE(info.at(2).name, QByteArray("Heading"));
    QCOMPARE(info.at(3).name, QByteArray("Depth"));
    // Two blanks and a trailing blank give empty items, kept in place.
    QCOMPARE(info.at(1).items.size(), 4);
    QCOMPARE(info.at(1).items.at(1).text, QString());
    QCOMPARE(info.at(1).items.at(3).text, QString());
    // Texts are UTF-8, as the compiler stores them.
    QCOMPARE(info.at(2).value(QStringLiteral("nameToDisplay")), QString::fromUtf8("Heading_\u00b0"));
}

void TestClassInformation::entryFindsWhatQtFinds()
{
    const QMetaObject *meta = &DescribedDerived::staticMetaObject;
    const ClassInformation &info = ClassInformation::of(meta);
    for (const char *name : { "Depth", "Range", "Heading" }) {
        const ClassInfoEntry *entry = info.entry(name);
        QVERIFY(entry);
        QCOMPARE(entry->text, QString::fromUtf8(meta->classInfo(meta->indexOfClassInfo(name)).value()));
    }
    QCOMPARE(info.entry("Depth")->value(QStringLiteral("unit")), QStringLiteral("ft"));
    QCOMPARE(info.entry(QStringLiteral("Missing")), nullptr);
}

void TestClassInformation::exactAndPrefixLookups()
{
    const ClassInfoEntry *depth = ClassInformation::of(&DescribedBase::staticMetaObject).entry("Depth");
    QVERIFY(depth);
    QCOMPARE(depth->value(QStringLiteral("validator")), QStringLiteral("regex;a"));
    QCOMPARE(depth->value(QStringLiteral("Unit"), QStringLiteral("none")), QStringLiteral("none"));
    QCOMPARE(depth->item(QStringLiteral("nam")), nullptr);
    const ClassInfoItem *validator = depth->itemStartingWith(QStringLiteral("validator=regex;"));
    QVERIFY(validator);
    QCOMPARE(validator->rest, QStringLiteral("regex;a=b"));
    QCOMPARE(depth->itemStartingWith(QStringLiteral("Validator=")), nullptr);

    // Containment anywhere in the item, every match in order; case-sensitive unless asked otherwise.
    const QVector<const ClassInfoItem *> withA = depth->itemsContaining(QStringLiteral("a"));
    QCOMPARE(withA.size(), 3);
    QCOMPARE(withA.at(0), &depth->items.at(0));
    QCOMPARE(withA.at(1), &depth->items.at(1));
    QCOMPARE(withA.at(2), &depth->items.at(3));
    QVERIFY(depth->itemsContaining(QStringLiteral("Name")).isEmpty());
    const QVector<const ClassInfoItem *> named
        = depth->itemsContaining(QStringLiteral("Name"), Qt::CaseInsensitive);
    QCOMPARE(named.size(), 1);
    QCOMPARE(named.at(0)->text, QStringLiteral("name=Depth"));
}

void TestClassInformation::containedKeysInOrder_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("expected");

    QTest::newRow("exact") << "name=Depth" << 0;
    QTest::newRow("contained anywhere") << "XYname=abc" << 0;
    QTest::newRow("does not contain name=") << "nameToDisplay=Depth" << 1;
    QTest::newRow("earlier key wins") << "alternativeText=Unit=x" << 2;
    QTest::newRow("case-insensitive") << "AUTOMODE=TRUE" << 4;
    QTest::newRow("value text counts") << "autoMode=trueish" << 4;
    QTest::newRow("none") << "autoMode=false" << -1;
}

void TestClassInformation::containedKeysInOrder()
{
    QFETCH(QString, item);
    const QStringList keys { QStringLiteral("name="), QStringLiteral("nameToDisplay="),
        QStringLiteral("unit="), QStringLiteral("alternativeText="), QStringLiteral("autoMode=true") };
    QTEST(ClassInformation::splitItems(item).at(0).firstContainedKey(keys), "expected");
}

void TestClassInformation::builtOncePerClass()
{
    const ClassInformation &first = ClassInformation::of(&DescribedBase::staticMetaObject);
    const ClassInformation &second = ClassInformation::of(&DescribedBase::staticMetaObject);
    QCOMPARE(&first, &second);
    QVERIFY(&first != &ClassInformation::of(&DescribedDerived::staticMetaObject));
}

QTEST_GUILESS_MAIN(TestClassInformation)
#include "tst_classinformation.moc"
