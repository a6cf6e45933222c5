#include "common/BuildConfiguration.h"

#include <QtTest>

#include <memory>

namespace {

// The names of the derived flags that hold, in field order, so that one text states a whole configuration.
QStringList trueFlags(const BuildConfiguration &c)
{
    const std::pair<const char *, bool> flags[] = {
        { "isHardwareJb", c.isHardwareJb },
        { "isHardwareCu", c.isHardwareCu },
        { "isSoftwareJb", c.isSoftwareJb },
        { "isSoftwareCu", c.isSoftwareCu },
        { "isWindows", c.isWindows },
        { "isLinux", c.isLinux },
        { "isTvr100", c.isTvr100 },
        { "isTvr200", c.isTvr200 },
        { "isTvr300", c.isTvr300 },
        { "isMirLox1000", c.isMirLox1000 },
        { "isMirLox2000", c.isMirLox2000 },
        { "isKw2", c.isKw2 },
    };
    QStringList names;
    for (const auto &flag : flags) {
        if (flag.second)
            names << QString::fromLatin1(flag.first);
    }
    return names;
}

// The text of the character-string exception the call throws, or a null text when it throws none.
template <typename F> QString thrownText(F call)
{
    try {
        call();
    } catch (const char *text) {
        return QString::fromLatin1(text);
    }
    return QString();
}

} // namespace

class tst_BuildConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void derivedFlags_data();
    void derivedFlags();
    void unknownTextsThrow_data();
    void unknownTextsThrow();
    void thisBuild();
    void constructionLog();
    void accessorsReturnCopies();
    void testOverrideReplacesAndRestoresInstance();
};

void tst_BuildConfiguration::derivedFlags_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("productName");

    QTest::newRow("speed-log display on Windows") << "CU"
                                                  << "WINDOWS"
                                                  << "MIR_LOX1000"
                                                  << "isHardwareCu isSoftwareCu isWindows isMirLox1000"
                                                  << "MIRLOX RN4400";
    QTest::newRow("speed-log junction box on Linux") << "JB"
                                                     << "LINUX"
                                                     << "MIR_LOX1000"
                                                     << "isHardwareJb isSoftwareJb isLinux isMirLox1000"
                                                     << "MIRLOX RN4400";
    QTest::newRow("second speed log") << "JB"
                                      << "LINUX"
                                      << "MIR_LOX2000"
                                      << "isHardwareJb isSoftwareJb isLinux isMirLox2000"
                                      << "MIRLOX RT63";
    QTest::newRow("TVR 100 display on Linux") << "CU"
                                              << "LINUX"
                                              << "TVR100"
                                              << "isHardwareCu isSoftwareCu isLinux isTvr100"
                                              << "TVR 100";
    QTest::newRow("TVR 200 junction box on Windows") << "JB"
                                                     << "WINDOWS"
                                                     << "TVR200"
                                                     << "isHardwareJb isSoftwareJb isWindows isTvr200"
                                                     << "TVR 200";
    QTest::newRow("TVR 300") << "CU"
                             << "WINDOWS"
                             << "TVR300"
                             << "isHardwareCu isSoftwareCu isWindows isTvr300"
                             << "TVR 300";
    QTest::newRow("KW2") << "JB"
                         << "WINDOWS"
                         << "KW2"
                         << "isHardwareJb isSoftwareJb isWindows isKw2"
                         << "KW2";
}

void tst_BuildConfiguration::derivedFlags()
{
    QFETCH(QString, device);
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(QString, flags);
    QFETCH(QString, productName);

    const BuildConfiguration c(device, platform, product);
    QCOMPARE(c.hardwareKind, device);
    QCOMPARE(c.softwareKind, device);
    QCOMPARE(c.platform, platform);
    QCOMPARE(c.productId, product);
    QCOMPARE(trueFlags(c).join(QLatin1Char(' ')), flags);
    QCOMPARE(c.productName(), productName);
    // Constants of every configuration.
    QCOMPARE(c.talker, QStringLiteral("GN"));
    QCOMPARE(c.productCode(), QStringLiteral("156"));
    QVERIFY(c.suppressDisplayAnnouncements);
    QVERIFY(!c.useDisplayNetworkSettings);
}

void tst_BuildConfiguration::unknownTextsThrow_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("error");

    const QString kind = QStringLiteral("Unknown device kind in the build configuration!");
    const QString platform = QStringLiteral("Unknown platform in the build configuration!");
    const QString product = QStringLiteral("Unknown product in the build configuration!");

    QTest::newRow("lower-case kind") << "cu"
                                     << "WINDOWS"
                                     << "MIR_LOX1000" << kind;
    QTest::newRow("empty kind") << ""
                                << "WINDOWS"
                                << "MIR_LOX1000" << kind;
    QTest::newRow("kind with blank") << "CU "
                                     << "WINDOWS"
                                     << "MIR_LOX1000" << kind;
    QTest::newRow("kind with NUL") << QString::fromLatin1("CU\0X", 4) << "WINDOWS"
                                   << "MIR_LOX1000" << kind;
    QTest::newRow("lower-case platform") << "CU"
                                         << "windows"
                                         << "MIR_LOX1000" << platform;
    QTest::newRow("host name as platform") << "JB"
                                           << "Linux"
                                           << "TVR100" << platform;
    QTest::newRow("display name as product") << "CU"
                                             << "WINDOWS"
                                             << "MIRLOX RN4400" << product;
    QTest::newRow("unlisted product") << "CU"
                                      << "WINDOWS"
                                      << "TVR400" << product;
    QTest::newRow("lower-case product") << "CU"
                                        << "WINDOWS"
                                        << "kw2" << product;
}

void tst_BuildConfiguration::unknownTextsThrow()
{
    QFETCH(QString, device);
    QFETCH(QString, platform);
    QFETCH(QString, product);
    QFETCH(QString, error);

    QCOMPARE(thrownText([&] { BuildConfiguration c(device, platform, product); }), error);
    QCOMPARE(thrownText([&] { BuildConfiguration::TestOverride o(device, platform, product); }), error);
    // A refused override leaves the build's own configuration in place.
    QCOMPARE(BuildConfiguration::instance()->productId, QStringLiteral(TESSARY_PRODUCT_STR));
}

void tst_BuildConfiguration::thisBuild()
{
    BuildConfiguration *c = BuildConfiguration::instance();
    QVERIFY(c);
    QCOMPARE(BuildConfiguration::instance(), c);
    QCOMPARE(c->softwareKind, QStringLiteral(TESSARY_DEVICE_STR));
    QCOMPARE(c->hardwareKind, QStringLiteral(TESSARY_DEVICE_STR));
    QCOMPARE(c->platform, QStringLiteral(TESSARY_PLATFORM_STR));
    QCOMPARE(c->productId, QStringLiteral(TESSARY_PRODUCT_STR));
    const BuildConfiguration same(QStringLiteral(TESSARY_DEVICE_STR), QStringLiteral(TESSARY_PLATFORM_STR),
        QStringLiteral(TESSARY_PRODUCT_STR));
    QCOMPARE(trueFlags(*c), trueFlags(same));
    QCOMPARE(c->productName(), same.productName());
}

void tst_BuildConfiguration::constructionLog()
{
    const QByteArray rule(62, 'W');
    QTest::ignoreMessage(QtDebugMsg, rule.constData());
    QTest::ignoreMessage(QtDebugMsg, "Product: MIRLOX RT63");
    QTest::ignoreMessage(QtDebugMsg, "Hardware: JB");
    QTest::ignoreMessage(QtDebugMsg, "Software: JB");
    QTest::ignoreMessage(QtDebugMsg, rule.constData());
    const BuildConfiguration c(QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("MIR_LOX2000"));
    QCOMPARE(c.productName(), QStringLiteral("MIRLOX RT63"));
}

void tst_BuildConfiguration::accessorsReturnCopies()
{
    const BuildConfiguration c(
        QStringLiteral("CU"), QStringLiteral("WINDOWS"), QStringLiteral("MIR_LOX1000"));
    QString name = c.productName();
    QString code = c.productCode();
    name[0] = QLatin1Char('X');
    code.append(QLatin1Char('9'));
    QCOMPARE(c.productName(), QStringLiteral("MIRLOX RN4400"));
    QCOMPARE(c.productCode(), QStringLiteral("156"));
}

void tst_BuildConfiguration::testOverrideReplacesAndRestoresInstance()
{
    BuildConfiguration *own = BuildConfiguration::instance();
    {
        const BuildConfiguration::TestOverride junctionBox(
            QStringLiteral("JB"), QStringLiteral("LINUX"), QStringLiteral("TVR200"));
        BuildConfiguration *jb = BuildConfiguration::instance();
        QVERIFY(jb != own);
        QVERIFY(jb->isSoftwareJb);
        QVERIFY(jb->isLinux);
        QCOMPARE(jb->productName(), QStringLiteral("TVR 200"));
        {
            const BuildConfiguration::TestOverride kw2(
                QStringLiteral("CU"), QStringLiteral("WINDOWS"), QStringLiteral("KW2"));
            QCOMPARE(BuildConfiguration::instance()->productName(), QStringLiteral("KW2"));
        }
        QCOMPARE(BuildConfiguration::instance(), jb);
        // Held in a test fixture instead of a scope.
        auto held = std::make_unique<BuildConfiguration::TestOverride>(
            QStringLiteral("CU"), QStringLiteral("LINUX"), QStringLiteral("TVR300"));
        QVERIFY(BuildConfiguration::instance()->isTvr300);
        held.reset();
        QCOMPARE(BuildConfiguration::instance(), jb);
    }
    QCOMPARE(BuildConfiguration::instance(), own);
    QCOMPARE(own->productId, QStringLiteral(TESSARY_PRODUCT_STR));
}

QTEST_GUILESS_MAIN(tst_BuildConfiguration)
#include "tst_buildconfiguration.moc"
