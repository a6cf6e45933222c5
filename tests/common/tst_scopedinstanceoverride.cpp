// The scoped test override of a process-wide object: what instance() answers while overrides live, nested
// and in turn, owned and borrowed.

#include "common/ScopedInstanceOverride.h"

#include <QtTest>

namespace {

// A process-wide object the way the system's stores are written.
class Store
{
public:
    using TestOverride = ScopedInstanceOverride<Store>;

    explicit Store(int value, int *destroyed = nullptr)
        : m_value(value)
        , m_destroyed(destroyed)
    {
    }
    ~Store()
    {
        if (m_destroyed)
            ++*m_destroyed;
    }

    static Store *instance()
    {
        if (TestOverride::isActive())
            return TestOverride::current();
        static Store *const store = new Store(0);
        return store;
    }

    int value() const { return m_value; }

private:
    int m_value;
    int *m_destroyed;
};

// A second class: its overrides are independent of Store's.
class OtherStore : public Store
{
public:
    using TestOverride = ScopedInstanceOverride<OtherStore>;
    using Store::Store;
};

} // namespace

class tst_ScopedInstanceOverride : public QObject
{
    Q_OBJECT

private slots:
    void replacesWhileAlive();
    void nestedOverridesRestoreInTurn();
    void nullReplacement();
    void ownedReplacementIsDeletedLast();
    void classesAreIndependent();
};

void tst_ScopedInstanceOverride::replacesWhileAlive()
{
    Store *processWide = Store::instance();
    QVERIFY(!Store::TestOverride::isActive());
    Store own(7);
    {
        Store::TestOverride useOwn(&own);
        QVERIFY(Store::TestOverride::isActive());
        QCOMPARE(Store::instance(), &own);
        QCOMPARE(Store::instance()->value(), 7);
    }
    QVERIFY(!Store::TestOverride::isActive());
    QCOMPARE(Store::instance(), processWide);
}

void tst_ScopedInstanceOverride::nestedOverridesRestoreInTurn()
{
    Store outer(1);
    Store inner(2);
    Store::TestOverride useOuter(&outer);
    {
        Store::TestOverride useInner(&inner);
        QCOMPARE(Store::instance(), &inner);
    }
    QCOMPARE(Store::instance(), &outer);
}

void tst_ScopedInstanceOverride::nullReplacement()
{
    // A store that is absent until created (the communication logs before start-up) can be made absent.
    Store::TestOverride none(static_cast<Store *>(nullptr));
    QVERIFY(Store::TestOverride::isActive());
    QCOMPARE(Store::instance(), static_cast<Store *>(nullptr));
}

void tst_ScopedInstanceOverride::ownedReplacementIsDeletedLast()
{
    int destroyed = 0;
    Store *processWide = Store::instance();
    {
        Store::TestOverride own(std::make_unique<Store>(3, &destroyed));
        QCOMPARE(Store::instance()->value(), 3);
    }
    QCOMPARE(destroyed, 1);
    QCOMPARE(Store::instance(), processWide);

    // Borrowed replacements stay with their owner.
    Store borrowed(4, &destroyed);
    {
        Store::TestOverride use(&borrowed);
    }
    QCOMPARE(destroyed, 1);
}

void tst_ScopedInstanceOverride::classesAreIndependent()
{
    OtherStore other(5);
    OtherStore::TestOverride useOther(&other);
    QVERIFY(OtherStore::TestOverride::isActive());
    QVERIFY(!Store::TestOverride::isActive());
    QCOMPARE(Store::instance()->value(), 0);
}

QTEST_GUILESS_MAIN(tst_ScopedInstanceOverride)
#include "tst_scopedinstanceoverride.moc"
