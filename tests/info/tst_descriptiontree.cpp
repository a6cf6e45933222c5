// The holders of descriptions over small settings trees: the kind chosen by the type item, lookups by
// property and object name, the pairing of a value with its enumeration, hidden runtime values and their
// companion angles, setup values offered among the runtime values, the refresh of every description once,
// and the faults a settings class or description can have, each a programming error.

#include "info/BottomBarsDataInfo.h"
#include "info/ESDataInfoClass.h"
#include "info/EnumWithDifferentUnitsPropertyInfo.h"
#include "info/RuntimeDataInfo.h"
#include "info/RuntimePropertyWithAngleInfo.h"
#include "info/SetupDataInfo.h"
#include "info/ValueFromEnumPropertyInfo.h"
#include "tst_descriptiontree_classes.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<void()>)

class tst_DescriptionTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void kindsByType_data();
    void kindsByType();
    void typeItems_data();
    void typeItems();
    void lookups();
    void pairedValueFollowsEnumeration();
    void refreshesEveryDescriptionOnce();
    void allValid();

    void runtimeHolder();
    void runtimeOrder();

    void faults_data();
    void faults();

private:
    std::unique_ptr<TreeRoot> m_root;
    std::unique_ptr<SetupDataInfo> m_holder;
};

void tst_DescriptionTree::init()
{
    AbstractDataInfoClass::registerMetaTypes();
    m_root.reset(new TreeRoot);
    m_holder.reset(new SetupDataInfo(m_root.get(), nullptr));
}

void tst_DescriptionTree::cleanup()
{
    m_holder.reset();
    m_root.reset();
}

void tst_DescriptionTree::kindsByType_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("kind");

    QTest::newRow("enum") << "Choice"
                          << "Kinds"
                          << "EnumPropertyInfo";
    QTest::newRow("Value") << "Level"
                           << "Kinds"
                           << "ValuePropertyInfo";
    QTest::newRow("xtype=value") << "Range"
                                 << "Kinds"
                                 << "ValuePropertyInfo";
    QTest::newRow("enumWithDifferentUnits") << "Span"
                                            << "Kinds"
                                            << "EnumWithDifferentUnitsPropertyInfo";
    QTest::newRow("valueFromEnum") << "SpanValue"
                                   << "Kinds"
                                   << "ValueFromEnumPropertyInfo";
    QTest::newRow("in a nested branch") << "Mark"
                                        << "Marks"
                                        << "EnumPropertyInfo";
}

void tst_DescriptionTree::kindsByType()
{
    QFETCH(QString, property);
    QFETCH(QString, object);
    PropertyInfo *info = m_holder->propertyInfo(property, object);
    QVERIFY(info);
    QTEST(QString::fromLatin1(info->metaObject()->className()), "kind");
    QCOMPARE(info->name(), property);
    QCOMPARE(info->sourceObject()->objectName(), object);
}

void tst_DescriptionTree::typeItems_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("withoutType");

    QTest::newRow("first item") << "type=enum name=X enumList=A;B"
                                << "enum"
                                << "name=X enumList=A;B";
    QTest::newRow("later item") << "name=X type=Value validator=int;0;1"
                                << "Value"
                                << "name=X validator=int;0;1";
    QTest::newRow("contained, any case") << "name=X xTYPE=value"
                                         << "value"
                                         << "name=X";
    QTest::newRow("first of two") << "type=value type=enum"
                                  << "value"
                                  << "type=enum";
    QTest::newRow("blanks kept") << "type=enum  name=X"
                                 << "enum"
                                 << " name=X";
}

void tst_DescriptionTree::typeItems()
{
    QFETCH(QString, description);
    QTEST(SerializableClassInfo::propertyInfoType(description), "type");
    QTEST(SerializableClassInfo::descriptionWithoutType(description), "withoutType");
}

void tst_DescriptionTree::lookups()
{
    QCOMPARE(m_holder->objectName(), QStringLiteral("TreeRoot"));
    QVERIFY(m_holder->hasChildren());
    QCOMPARE(m_holder->childHolders().size(), 3);
    // The root describes only children; asking for a property under its own name finds nothing.
    QCOMPARE(m_holder->propertyInfo("Mark", "TreeRoot"), nullptr);
    QCOMPARE(m_holder->propertyInfo("Mark", "Kinds"), nullptr);
    QCOMPARE(m_holder->propertyInfo("Mark", "NoSuchObject"), nullptr);
    QCOMPARE(m_holder->propertyInfo("Kinds", "TreeRoot"), nullptr);
    QVERIFY(m_holder->getEnumPropertyInfo("Choice", "Kinds"));
    QCOMPARE(m_holder->getEnumPropertyInfo("Level", "Kinds"), nullptr);
    QVERIFY(m_holder->getValuePropertyInfo("Level", "Kinds"));
    QCOMPARE(m_holder->getValuePropertyInfo("Choice", "Kinds"), nullptr);
    QVERIFY(m_holder->getSetupPropertyInfo("Mark", "Marks"));
    // A child holder is stored under the property that holds the child object.
    auto *branch = m_holder->property("Branch").value<SetupDataInfo *>();
    QVERIFY(branch);
    QCOMPARE(branch->objectName(), QStringLiteral("Branch"));
    QCOMPARE(branch->propertyInfo("Mark", "Marks"), m_holder->propertyInfo("Mark", "Marks"));
}

void tst_DescriptionTree::pairedValueFollowsEnumeration()
{
    auto *value = qobject_cast<ValueFromEnumPropertyInfo *>(m_holder->propertyInfo("SpanValue", "Kinds"));
    QVERIFY(value);
    QCOMPARE(value->enumPropertyInfo(), m_holder->getEnumPropertyInfo("Span", "Kinds"));
    value->enumPropertyInfo()->setCurrentIndex(1);
    QCOMPARE(m_root->Kinds()->SpanValue(), 10.0);
}

void tst_DescriptionTree::refreshesEveryDescriptionOnce()
{
    QList<std::pair<QString, QString>> described = { { "Choice", "Kinds" }, { "Level", "Kinds" },
        { "Range", "Kinds" }, { "Span", "Kinds" }, { "Mark", "Marks" } };
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const auto &pair : described)
        spies.emplace_back(
            new QSignalSpy(m_holder->propertyInfo(pair.first, pair.second), &PropertyInfo::valueChanged));
    m_holder->updateAllGUI();
    for (size_t i = 0; i < spies.size(); ++i)
        QCOMPARE(spies[i]->count(), 1);
    // A holder below the root refreshes its own part.
    m_holder->property("Branch").value<SetupDataInfo *>()->updateAllGUI();
    QCOMPARE(spies.back()->count(), 2);
    QCOMPARE(spies.front()->count(), 1);
}

void tst_DescriptionTree::allValid()
{
    PropertyInfo *mark = m_holder->propertyInfo("Mark", "Marks");
    QCOMPARE(mark->text(), QStringLiteral("Off "));
    QSignalSpy texts(mark, &PropertyInfo::textChanged);
    m_holder->setAllValid(false);
    QVERIFY(!m_root->Branch()->Marks()->isValid("Mark"));
    QCOMPARE(texts.count(), 1);
    QCOMPARE(texts.at(0).at(0).toString(), QStringLiteral("-/-"));
}

void tst_DescriptionTree::runtimeHolder()
{
    TreeRuntime runtime;
    RuntimeDataInfo holder(&runtime, m_holder.get(), nullptr, nullptr);
    // Hidden values are found by name, whatever the object name, but not offered.
    QCOMPARE(holder.runtimePropertyNames(), QStringList({ "Speed", "Depth", "Choice", "Mark" }));
    QVERIFY(holder.getRuntimePropertyInfo("Angle"));
    QVERIFY(holder.propertyInfo("Angle", "SomethingElse"));
    QCOMPARE(holder.getRuntimePropertyInfo("NoSuchValue"), nullptr);
    // Companions: the shown speed finds its hidden angle, and so does the hidden speed.
    auto *speed = qobject_cast<RuntimePropertyWithAngleInfo *>(holder.getRuntimePropertyInfo("Speed"));
    QVERIFY(speed);
    QCOMPARE(speed->anglePropertyInfo(), holder.getRuntimePropertyInfo("Angle"));
    auto *current = qobject_cast<RuntimePropertyWithAngleInfo *>(holder.getRuntimePropertyInfo("Current"));
    QVERIFY(current);
    QCOMPARE(current->anglePropertyInfo(), holder.getRuntimePropertyInfo("CurrentAngle"));
    // The setup values named by "SetupInformation" are the setup descriptions themselves.
    QCOMPARE(holder.propertyInfo("Choice", "ESRuntime"), m_holder->propertyInfo("Choice", "Kinds"));
    QCOMPARE(holder.getRuntimePropertyInfo("Choice"), nullptr);
}

void tst_DescriptionTree::runtimeOrder()
{
    TreeRuntime runtime;
    RuntimeDataInfo holder(&runtime, m_holder.get(), nullptr, nullptr);
    QCOMPARE(holder.propertyInfoAfter("Speed"), holder.propertyInfo("Depth", "ESRuntime"));
    QCOMPARE(holder.propertyInfoAfter("Mark"), holder.propertyInfo("Speed", "ESRuntime"));
    QCOMPARE(holder.propertyInfoAfter("Angle"), holder.propertyInfo("Speed", "ESRuntime"));
}

void tst_DescriptionTree::faults_data()
{
    QTest::addColumn<std::function<void()>>("build");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("logged");

    QTest::newRow("no description") << std::function<void()>([] {
        UndescribedSetup leaf;
        SetupDataInfo holder(&leaf, nullptr);
    }) << "no type specified for property info (SerializableClassInfo::propertyInfoType())"
                                    << "\"\"";
    QTest::newRow("unknown setup type") << std::function<void()>([] {
        TextTypeSetup leaf;
        SetupDataInfo holder(&leaf, nullptr);
    }) << "wrong type of property info SetupDataInfo::createSimpleProperty"
                                        << "\"text\"";
    QTest::newRow("value without its enumeration")
        << std::function<void()>([] {
               UnpairedSetup leaf;
               SetupDataInfo holder(&leaf, nullptr);
           })
        << "wrong ValueFromEnum and Enum pair in SetupDataInfo::connectAppropriateEnumAndValuePropertyInfos()"
        << "wrong ValueFromEnum and Enum pair in "
           "SetupDataInfo::connectAppropriateEnumAndValuePropertyInfos()";
    QTest::newRow("description fault") << std::function<void()>([] {
        BadValidatorSetup leaf;
        SetupDataInfo holder(&leaf, nullptr);
    }) << "wrong max parameter"
                                       << "";
    QTest::newRow("setup type among runtime values") << std::function<void()>([] {
        SetupTypedRuntime runtime;
        RuntimeDataInfo holder(&runtime, nullptr, nullptr, nullptr);
    }) << "wrong type of property info RuntimeDataInfo::createSimpleProperty()"
                                                     << "wrong type of property info "
                                                        "RuntimeDataInfo::createSimpleProperty()";
    QTest::newRow("missing companion") << std::function<void()>([] {
        MissingAngleRuntime runtime;
        RuntimeDataInfo holder(&runtime, nullptr, nullptr, nullptr);
    }) << "No such property in ES Runtime class: "
                                       << "No such property in ES Runtime class:  \"NoSuchValue\"";
    QTest::newRow("missing setup value") << std::function<void()>([] {
        TreeRoot root;
        SetupDataInfo setup(&root, nullptr);
        MissingSetupRuntime runtime;
        RuntimeDataInfo holder(&runtime, &setup, nullptr, nullptr);
    }) << "No such property in setup_info_source_class. (RuntimeDataInfo::insertSetupProperties())"
                                         << "\"Nothing\"";
    QTest::newRow("bottom bars with a value") << std::function<void()>([] {
        BottomBarsWithValue bars;
        BottomBarsDataInfo holder(&bars, nullptr, nullptr, nullptr);
    }) << "BottomBarsDataInfo::createSimpleProperty not implemented"
                                              << "BottomBarsDataInfo::createSimpleProperty not implemented";
}

void tst_DescriptionTree::faults()
{
    QFETCH(std::function<void()>, build);
    QFETCH(QString, fault);
    QFETCH(QString, logged);
    if (!logged.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, logged.toUtf8().constData());
    try {
        build();
        QFAIL("no exception");
    } catch (const char *text) {
        QCOMPARE(QString::fromLatin1(text), fault);
    }
}

QTEST_MAIN(tst_DescriptionTree)
#include "tst_descriptiontree.moc"
