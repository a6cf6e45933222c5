#include "common/BuildConfiguration.h"

#include <QDebug>

#include <cstddef>

#ifndef TESSARY_DEVICE_STR
#error "TESSARY_DEVICE_STR must be defined by the build (CMake option TESSARY_DEVICE)"
#endif
#ifndef TESSARY_PLATFORM_STR
#error "TESSARY_PLATFORM_STR must be defined by the build (CMake option TESSARY_PLATFORM)"
#endif
#ifndef TESSARY_PRODUCT_STR
#error "TESSARY_PRODUCT_STR must be defined by the build (CMake option TESSARY_PRODUCT)"
#endif

namespace {

constexpr const char *knownDeviceKinds[] = { "CU", "JB" };
constexpr const char *knownPlatforms[] = { "WINDOWS", "LINUX" };
constexpr const char *knownProducts[] = { "TVR100", "TVR200", "TVR300", "MIR_LOX1000", "MIR_LOX2000", "KW2" };

constexpr bool textEquals(const char *a, const char *b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

template <std::size_t N> constexpr bool isKnown(const char *text, const char *const (&known)[N])
{
    for (const char *k : known) {
        if (textEquals(text, k))
            return true;
    }
    return false;
}

// A misspelt build option would otherwise give a unit with no device kind or product, whose start-up
// silently connects nothing.
static_assert(isKnown(TESSARY_DEVICE_STR, knownDeviceKinds), "TESSARY_DEVICE must be CU or JB");
static_assert(isKnown(TESSARY_PLATFORM_STR, knownPlatforms), "TESSARY_PLATFORM must be WINDOWS or LINUX");
static_assert(isKnown(TESSARY_PRODUCT_STR, knownProducts),
    "TESSARY_PRODUCT must be TVR100, TVR200, TVR300, MIR_LOX1000, MIR_LOX2000 or KW2");

// Exact, case-sensitive comparison of the whole text.
template <std::size_t N>
const QString &checked(const QString &text, const char *const (&known)[N], const char *error)
{
    for (const char *k : known) {
        if (text == QLatin1String(k))
            return text;
    }
    qDebug() << error << text;
    throw error;
}

QString displayName(const BuildConfiguration &configuration)
{
    if (configuration.isTvr200)
        return QStringLiteral("TVR 200");
    if (configuration.isTvr300)
        return QStringLiteral("TVR 300");
    if (configuration.isMirLox1000)
        return QStringLiteral("MIRLOX RN4400");
    if (configuration.isMirLox2000)
        return QStringLiteral("MIRLOX RT63");
    if (configuration.isKw2)
        return QStringLiteral("KW2");
    return QStringLiteral("TVR 100");
}

} // namespace

BuildConfiguration *BuildConfiguration::s_override = nullptr;

BuildConfiguration *BuildConfiguration::instance()
{
    if (s_override)
        return s_override;
    static BuildConfiguration *const configuration
        = new BuildConfiguration(QStringLiteral(TESSARY_DEVICE_STR), QStringLiteral(TESSARY_PLATFORM_STR),
            QStringLiteral(TESSARY_PRODUCT_STR));
    return configuration;
}

BuildConfiguration::BuildConfiguration(
    const QString &deviceKind, const QString &platform, const QString &productId)
    : hardwareKind(checked(deviceKind, knownDeviceKinds, "Unknown device kind in the build configuration!"))
    , softwareKind(hardwareKind)
    , platform(checked(platform, knownPlatforms, "Unknown platform in the build configuration!"))
    , productId(checked(productId, knownProducts, "Unknown product in the build configuration!"))
    , talker(QStringLiteral("GN"))
    , isHardwareJb(hardwareKind == QLatin1String("JB"))
    , isHardwareCu(hardwareKind == QLatin1String("CU"))
    , isSoftwareJb(softwareKind == QLatin1String("JB"))
    , isSoftwareCu(softwareKind == QLatin1String("CU"))
    , isWindows(this->platform == QLatin1String("WINDOWS"))
    , isLinux(this->platform == QLatin1String("LINUX"))
    , suppressDisplayAnnouncements(true)
    , useDisplayNetworkSettings(false)
    , isTvr100(this->productId == QLatin1String("TVR100"))
    , isTvr200(this->productId == QLatin1String("TVR200"))
    , isTvr300(this->productId == QLatin1String("TVR300"))
    , isMirLox1000(this->productId == QLatin1String("MIR_LOX1000"))
    , isMirLox2000(this->productId == QLatin1String("MIR_LOX2000"))
    , isKw2(this->productId == QLatin1String("KW2"))
    , m_productCode(QStringLiteral("156"))
    , m_productName(displayName(*this))
{
    const QString rule(62, QLatin1Char('W'));
    qDebug().noquote() << rule;
    qDebug().noquote() << "Product: " + m_productName;
    qDebug().noquote() << "Hardware: " + hardwareKind;
    qDebug().noquote() << "Software: " + softwareKind;
    qDebug().noquote() << rule;
}

QString BuildConfiguration::productName() const
{
    return m_productName;
}

QString BuildConfiguration::productCode() const
{
    return m_productCode;
}

BuildConfiguration::TestOverride::TestOverride(
    const QString &deviceKind, const QString &platform, const QString &productId)
    : m_configuration(new BuildConfiguration(deviceKind, platform, productId))
    , m_previous(s_override)
{
    s_override = m_configuration;
}

BuildConfiguration::TestOverride::~TestOverride()
{
    s_override = m_previous;
    delete m_configuration;
}
