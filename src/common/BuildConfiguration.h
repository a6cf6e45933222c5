#ifndef BUILDCONFIGURATION_H
#define BUILDCONFIGURATION_H

#include <QString>

// What this build is: device kind, platform and product, fixed at build time (the CMake options
// TESSARY_DEVICE, TESSARY_PLATFORM and TESSARY_PRODUCT). Everything that behaves differently by product,
// device kind or platform asks this object, never the host's macros. The values never change after
// construction, so readers take the fields directly.
class BuildConfiguration
{
public:
    // The process-wide configuration of this build, created on first use and never destroyed.
    static BuildConfiguration *instance();

    // A configuration for the given texts; the hardware and the software device kind are both
    // `deviceKind`. Only the known texts are accepted ("CU"/"JB", "WINDOWS"/"LINUX", "TVR100", "TVR200",
    // "TVR300", "MIR_LOX1000", "MIR_LOX2000", "KW2", compared exactly); anything else is a programming
    // error and throws a character string. The build itself is checked when it is compiled.
    BuildConfiguration(const QString &deviceKind, const QString &platform, const QString &productId);

    // Display name of the product ("MIRLOX RN4400"); also the name of the settings folder.
    QString productName() const;
    // Product code sent in the configuration reply ("156").
    QString productCode() const;

    const QString hardwareKind; // "CU" or "JB"
    const QString softwareKind; // "CU" or "JB"
    const QString platform; // "WINDOWS" or "LINUX"
    const QString productId;
    const QString talker; // default talker of the unit's own sentences

    const bool isHardwareJb;
    const bool isHardwareCu;
    const bool isSoftwareJb;
    const bool isSoftwareCu;
    const bool isWindows;
    const bool isLinux;
    // A display never announces its own addresses with SRP; only a junction box does. (True in every
    // build; read by the start-up together with isSoftwareCu.)
    const bool suppressDisplayAnnouncements;
    // When true a display would take its transmission group, IP and MAC address from its own
    // "DisplaySetup" and wire its own serial ports; every build follows the junction box instead.
    const bool useDisplayNetworkSettings;
    const bool isTvr100;
    const bool isTvr200;
    const bool isTvr300;
    const bool isMirLox1000;
    const bool isMirLox2000;
    const bool isKw2;

    // Test support only: while an object of this class lives, instance() returns the configuration it
    // holds instead of the build's own; destroying it restores what instance() returned before. Lets a
    // test run code that asks instance() as a junction box, on "LINUX" or for another product. GUI
    // thread only; overrides must be destroyed in the reverse order of their creation.
    class TestOverride
    {
    public:
        TestOverride(const QString &deviceKind, const QString &platform, const QString &productId);
        ~TestOverride();
        TestOverride(const TestOverride &) = delete;
        TestOverride &operator=(const TestOverride &) = delete;

    private:
        BuildConfiguration *m_configuration;
        BuildConfiguration *m_previous;
    };

private:
    const QString m_productCode;
    const QString m_productName;

    static BuildConfiguration *s_override;
};

#endif // BUILDCONFIGURATION_H
