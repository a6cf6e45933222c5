#include "nmea/ValidatedObject.h"

#include <QtTest>

namespace {

// A settings object without settings objects below it.
class LeafSettings : public ValidatedObject
{
    Q_OBJECT
    Q_PROPERTY(double Depth READ depth WRITE setDepth NOTIFY DepthChanged)
    Q_PROPERTY(QString Unit READ unit WRITE setUnit NOTIFY UnitChanged)
public:
    LeafSettings(QObject *parent, const QString &name)
        : ValidatedObject(parent, name)
    {
    }

    double depth() const { return m_depth; }
    void setDepth(double depth)
    {
        m_depth = depth;
        emit DepthChanged(depth);
    }
    QString unit() const { return m_unit; }
    void setUnit(const QString &unit)
    {
        m_unit = unit;
        emit UnitChanged(unit);
    }

signals:
    void DepthChanged(double);
    void UnitChanged(QString);

private:
    double m_depth = 12.5;
    QString m_unit = QStringLiteral("m");
};

// A settings object that holds settings objects.
class BranchSettings : public ValidatedObject
{
    Q_OBJECT
    Q_PROPERTY(int Mode READ mode WRITE setMode)
public:
    BranchSettings(QObject *parent, const QString &name)
        : ValidatedObject(parent, name)
    {
    }

    int mode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }

private:
    int m_mode = 0;
};

} // namespace

class TestValidatedObject : public QObject
{
    Q_OBJECT

private slots:
    void nameIsSet();
    void placeholderNameIsRefused();
    void untouchedNames();
    void settersCreateEntries();
    void setAllValidChangesOnlyExistingEntries();
    void initializeValidityOfLeaf();
    void initializeValidityReachesOnlyLeaves();
    void initializeSourceValidity();
    void countersExpireOnATimer();
};

void TestValidatedObject::nameIsSet()
{
    QObject root;
    LeafSettings leaf(&root, QStringLiteral("DepthSetup"));
    QCOMPARE(leaf.objectName(), QStringLiteral("DepthSetup"));
    QCOMPARE(leaf.parent(), &root);

    ValidatedObject unnamed;
    QCOMPARE(unnamed.objectName(), QString());
    QCOMPARE(unnamed.parent(), nullptr);
    QCOMPARE(unnamed.validityLimit(), 10);
}

void TestValidatedObject::placeholderNameIsRefused()
{
    QObject root;
    root.setObjectName(QStringLiteral("ESSetup"));
    QTest::ignoreMessage(QtDebugMsg,
        "ValidatedObject::ValidatedObject - Object name not set for serializable class. "
        "Parent is: ESSetup");
    QString thrown;
    try {
        LeafSettings leaf(&root, QStringLiteral("UNINITIALIZED"));
    } catch (const char *text) {
        thrown = QString::fromLatin1(text);
    }
    QCOMPARE(thrown, QStringLiteral("Object name not set for serializable class"));
    QVERIFY(root.children().isEmpty());
}

void TestValidatedObject::untouchedNames()
{
    LeafSettings leaf(nullptr, QStringLiteral("Leaf"));
    QVERIFY(!leaf.isValid(QStringLiteral("Depth")));
    QVERIFY(leaf.isSourceValid(QStringLiteral("Depth")));
    QVERIFY(!leaf.isValid(QStringLiteral("NoSuchProperty")));
    QVERIFY(leaf.isSourceValid(QStringLiteral("NoSuchProperty")));
}

void TestValidatedObject::settersCreateEntries()
{
    LeafSettings leaf(nullptr, QStringLiteral("Leaf"));
    leaf.setValid(QStringLiteral("Depth"), true);
    QVERIFY(leaf.isValid(QStringLiteral("Depth")));
    QVERIFY(!leaf.isValid(QStringLiteral("Unit")));
    leaf.setSourceValid(QStringLiteral("Depth"), false);
    QVERIFY(!leaf.isSourceValid(QStringLiteral("Depth")));
    QVERIFY(leaf.isSourceValid(QStringLiteral("Unit")));
    // The two flags are independent.
    QVERIFY(leaf.isValid(QStringLiteral("Depth")));
}

void TestValidatedObject::setAllValidChangesOnlyExistingEntries()
{
    LeafSettings leaf(nullptr, QStringLiteral("Leaf"));
    leaf.setAllValid(true);
    QVERIFY(!leaf.isValid(QStringLiteral("Depth")));
    QVERIFY(!leaf.isValid(QStringLiteral("Unit")));

    leaf.setValid(QStringLiteral("Depth"), false);
    leaf.setSourceValid(QStringLiteral("Depth"), false);
    leaf.setAllValid(true);
    QVERIFY(leaf.isValid(QStringLiteral("Depth")));
    QVERIFY(!leaf.isValid(QStringLiteral("Unit")));
    QVERIFY(!leaf.isSourceValid(QStringLiteral("Depth")));
}

void TestValidatedObject::initializeValidityOfLeaf()
{
    LeafSettings leaf(nullptr, QStringLiteral("Leaf"));
    leaf.initializeValidity(true);
    QVERIFY(leaf.isValid(QStringLiteral("Depth")));
    QVERIFY(leaf.isValid(QStringLiteral("Unit")));
    // objectName is no setting.
    QVERIFY(!leaf.isValid(QStringLiteral("objectName")));

    leaf.initializeValidity(false);
    QVERIFY(!leaf.isValid(QStringLiteral("Depth")));
    QVERIFY(!leaf.isValid(QStringLiteral("Unit")));
}

void TestValidatedObject::initializeValidityReachesOnlyLeaves()
{
    // Root -> Branch -> (Leaf1, plain QObject -> Leaf2): only the two leaves get entries.
    BranchSettings root(nullptr, QStringLiteral("Root"));
    auto *branch = new BranchSettings(&root, QStringLiteral("Branch"));
    auto *leaf1 = new LeafSettings(branch, QStringLiteral("Leaf1"));
    auto *holder = new QObject(branch);
    auto *leaf2 = new LeafSettings(holder, QStringLiteral("Leaf2"));

    root.initializeValidity(true);
    QVERIFY(!root.isValid(QStringLiteral("Mode")));
    QVERIFY(!branch->isValid(QStringLiteral("Mode")));
    QVERIFY(leaf1->isValid(QStringLiteral("Depth")));
    QVERIFY(leaf1->isValid(QStringLiteral("Unit")));
    QVERIFY(leaf2->isValid(QStringLiteral("Depth")));

    // A parent's setAllValid does not reach its children.
    root.setAllValid(false);
    QVERIFY(leaf1->isValid(QStringLiteral("Depth")));
}

void TestValidatedObject::initializeSourceValidity()
{
    BranchSettings root(nullptr, QStringLiteral("Root"));
    auto *leaf = new LeafSettings(&root, QStringLiteral("Leaf"));

    root.initializeSourceValidity(false);
    QVERIFY(!leaf->isSourceValid(QStringLiteral("Depth")));
    QVERIFY(!leaf->isSourceValid(QStringLiteral("Unit")));
    QVERIFY(root.isSourceValid(QStringLiteral("Mode")));
    // Validity is a separate matter.
    QVERIFY(!leaf->isValid(QStringLiteral("Depth")));
}

void TestValidatedObject::countersExpireOnATimer()
{
    // The ageing slot on a real timer, faster than a second to keep the test short; the
    // default limit of 10 expires a value on the eleventh tick after it was set.
    LeafSettings leaf(nullptr, QStringLiteral("Leaf"));
    leaf.initializeValidity(true);
    QTimer timer;
    timer.setInterval(20);
    QVERIFY(connect(&timer, SIGNAL(timeout()), &leaf, SLOT(increaseValidityCounters())));

    // Connected after the ageing slot: records the state each tick left behind.
    int tick = 0;
    QVector<bool> depthValid;
    QVector<int> depthWrittenAt;
    connect(&leaf, &LeafSettings::DepthChanged, this, [&](double value) {
        QCOMPARE(value, 12.5);
        depthWrittenAt.append(tick + 1);
    });
    connect(&timer, &QTimer::timeout, this, [&] {
        ++tick;
        depthValid.append(leaf.isValid(QStringLiteral("Depth")));
        // Unit is refreshed at tick 5, so it expires five ticks after Depth.
        if (tick == 5)
            leaf.setValid(QStringLiteral("Unit"), true);
        if (tick == 23)
            timer.stop();
    });
    QSignalSpy unitWritten(&leaf, &LeafSettings::UnitChanged);

    timer.start();
    QTRY_VERIFY_WITH_TIMEOUT(!timer.isActive(), 5000);

    QCOMPARE(depthValid.size(), 23);
    for (int i = 0; i < 10; ++i)
        QVERIFY2(depthValid.at(i), qPrintable(QStringLiteral("tick %1").arg(i + 1)));
    QVERIFY(!depthValid.at(10));
    // Written back on the eleventh tick and, invalid since, again eleven ticks later.
    QCOMPARE(depthWrittenAt, QVector<int>({ 11, 22 }));
    QCOMPARE(unitWritten.count(), 1);
    QVERIFY(!leaf.isValid(QStringLiteral("Unit")));
    QCOMPARE(leaf.depth(), 12.5);

    // A shorter limit takes effect at once.
    leaf.setValidityLimit(1);
    QCOMPARE(leaf.validityLimit(), 1);
    leaf.setValid(QStringLiteral("Depth"), true);
    const int start = tick;
    timer.start();
    QTRY_VERIFY_WITH_TIMEOUT(!leaf.isValid(QStringLiteral("Depth")), 5000);
    timer.stop();
    QVERIFY(tick - start >= 2);
}

QTEST_GUILESS_MAIN(TestValidatedObject)
#include "tst_validatedobject.moc"
