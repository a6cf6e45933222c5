#ifndef TST_SERIALIZABLECLASS_CLASSES_H
#define TST_SERIALIZABLECLASS_CLASSES_H

// Small settings classes for the settings-object mechanism tests: a shared setup tree of two levels, a
// local leaf, a runtime root and classes whose descriptions exercise the defaults rules.

#include "TestSetting.h"
#include "data/SerializableClass.h"

#include <QList>
#include <QPoint>
#include <QStringList>

// Every applyCustomDefaults call, in order, as object names.
inline QStringList &customDefaultsLog()
{
    static QStringList log;
    return log;
}

class TstAlertSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double AlarmShallow READ AlarmShallow WRITE setAlarmShallow NOTIFY AlarmShallowChanged)
    Q_CLASSINFO("AlarmShallow",
        "type=value name=AlarmShallow unit=m validator=float;2.0;100.0;;0.0 "
        "defaultValue=10.0")
    Q_PROPERTY(int AlertType READ AlertType WRITE setAlertType NOTIFY AlertTypeChanged)
    Q_CLASSINFO("AlertType",
        "type=enum name=AlertType enumList=CAT_A_ALR;CAT_A_ALF;CAT_B_ALR;CAT_B_ALF "
        "defaultValue=1")
    Q_PROPERTY(QString AlarmSFI READ AlarmSFI WRITE setAlarmSFI NOTIFY AlarmSFIChanged)
    Q_CLASSINFO("AlarmSFI",
        "type=value name=AlarmSFI validator=sfi;[a-zA-Z]{2}\\d{4} defaultValue=ZQ1235 "
        "isNumeric=false")
    Q_PROPERTY(uint SerialNumber READ SerialNumber WRITE setSerialNumber NOTIFY SerialNumberChanged)
    Q_CLASSINFO("SerialNumber", "type=value name=SerialNumber validator=uint;0;4294967295 defaultValue=99999")
    Q_PROPERTY(QString Note READ Note WRITE setNote NOTIFY NoteChanged)
    Q_CLASSINFO("Note", "type=value name=Note isNumeric=false")
    Q_PROPERTY(double Hours READ Hours WRITE setHours NOTIFY HoursChanged)
    Q_CLASSINFO("Hours", "type=value name=Hours validator=float;0.0;9999.0 unit=h defaultValue=-1.0")
    Q_PROPERTY(QString Version READ Version WRITE setVersion NOTIFY VersionChanged)
    Q_CLASSINFO("Version", "type=value name=Version isNumeric=false defaultValue=SW-1 validator=regex;x")
    Q_PROPERTY(QString Preset READ Preset WRITE setPreset NOTIFY PresetChanged)
    Q_CLASSINFO("Preset", "type=value name=Preset isNumeric=false defaultValue=D validator=regex;[DKNO]")

public:
    TstAlertSetup(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
    {
    }
    void applyCustomDefaults() override { customDefaultsLog().append(objectName()); }

signals:
    void AlarmShallowChanged(double);
    void AlertTypeChanged(int);
    void AlarmSFIChanged(QString);
    void SerialNumberChanged(uint);
    void NoteChanged(QString);
    void HoursChanged(double);
    void VersionChanged(QString);
    void PresetChanged(QString);

    TST_SETTING(double, AlarmShallow)
    TST_SETTING(int, AlertType)
    TST_SETTING(QString, AlarmSFI)
    TST_SETTING(uint, SerialNumber)
    TST_SETTING(QString, Note)
    TST_SETTING(double, Hours)
    TST_SETTING(QString, Version)
    TST_SETTING(QString, Preset)
};

class TstOptionsSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int ScalesSpeed READ ScalesSpeed WRITE setScalesSpeed NOTIFY ScalesSpeedChanged)
    Q_CLASSINFO("ScalesSpeed", "type=enum name=ScalesSpeed enumList=kn;m/s;mi/h")
    Q_PROPERTY(double MaxSpeed READ MaxSpeed WRITE setMaxSpeed NOTIFY MaxSpeedChanged)
    Q_CLASSINFO("MaxSpeed", "type=value name=MaxSpeed validator=float;0.0;100.0 defaultValue=20.0")

public:
    TstOptionsSetup(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
    {
    }
    void applyCustomDefaults() override { customDefaultsLog().append(objectName()); }

signals:
    void ScalesSpeedChanged(int);
    void MaxSpeedChanged(double);

    TST_SETTING(int, ScalesSpeed)
    TST_SETTING(double, MaxSpeed)
};

class TstSetupSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(TstOptionsSetup *OptionsSetup READ OptionsSetup)

public:
    TstSetupSetup(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
        , m_options(new TstOptionsSetup(this, QStringLiteral("OptionsSetup")))
    {
    }
    TstOptionsSetup *OptionsSetup() const { return m_options; }
    void applyCustomDefaults() override { customDefaultsLog().append(objectName()); }

private:
    TstOptionsSetup *m_options;
};

// A shared setup root: "AlertSetup" (a leaf) and "SetupSetup" holding "OptionsSetup".
class TstSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(TstAlertSetup *AlertSetup READ AlertSetup)
    Q_PROPERTY(TstSetupSetup *SetupSetup READ SetupSetup)

public:
    explicit TstSetup(const QString &name = QStringLiteral("ESSetup"), QObject *parent = nullptr)
        : SetupSerializableClass(parent, name)
        , m_alert(new TstAlertSetup(this, QStringLiteral("AlertSetup")))
        , m_setupSetup(new TstSetupSetup(this, QStringLiteral("SetupSetup")))
    {
        initializeValidity(true);
        setDefaultValuesFromClassInfo_RecursivelyForAllChildren(SerializableExclusionMap());
    }
    TstAlertSetup *AlertSetup() const { return m_alert; }
    TstSetupSetup *SetupSetup() const { return m_setupSetup; }
    TstOptionsSetup *options() const { return m_setupSetup->OptionsSetup(); }
    void applyCustomDefaults() override { customDefaultsLog().append(objectName()); }

private:
    TstAlertSetup *m_alert;
    TstSetupSetup *m_setupSetup;
};

// A setup leaf with lists, like the satellite information: never given defaults (a list has no default
// text).
class TstListHolder : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(QList<int> Ids READ Ids WRITE setIds NOTIFY IdsChanged)
    Q_CLASSINFO("Ids", "type=runtime name=Ids")
    Q_PROPERTY(QStringList Names READ Names WRITE setNames NOTIFY NamesChanged)
    Q_CLASSINFO("Names", "type=runtime name=Names")
    Q_PROPERTY(int ShowFlag READ ShowFlag WRITE setShowFlag NOTIFY ShowFlagChanged)
    Q_CLASSINFO("ShowFlag", "type=enum name=ShowFlag")
    Q_PROPERTY(QList<QString> Tags READ Tags WRITE setTags NOTIFY TagsChanged)
    Q_CLASSINFO("Tags", "type=runtime name=Tags")

public:
    explicit TstListHolder(const QString &name = QStringLiteral("ListHolder"), QObject *parent = nullptr)
        : SetupSerializableClass(parent, name)
    {
        initializeValidity(true);
    }

signals:
    void IdsChanged(QList<int>);
    void NamesChanged(QStringList);
    void ShowFlagChanged(int);
    void TagsChanged(QList<QString>);

    TST_SETTING(QList<int>, Ids)
    TST_SETTING(QStringList, Names)
    TST_SETTING(int, ShowFlag)
    TST_SETTING(QList<QString>, Tags)
};

// A local leaf like the display's own "DisplaySetup".
class TstDisplaySetup : public LocalSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(QString LocalSFI READ LocalSFI WRITE setLocalSFI NOTIFY LocalSFIChanged)
    Q_CLASSINFO("LocalSFI",
        "type=value name=LocalSFI validator=sfi;[a-zA-Z]{2}\\d{4} defaultValue=GN1000 "
        "isNumeric=false")
    Q_PROPERTY(QString IP READ IP WRITE setIP NOTIFY IPChanged)
    Q_CLASSINFO(
        "IP", "type=value name=IP validator=ip;Wrong_message isNumeric=false defaultValue=192.168.1.10")
    Q_PROPERTY(int Group READ Group WRITE setGroup NOTIFY GroupChanged)
    Q_CLASSINFO(
        "Group", "type=enum name=Group enumList=MISC;TGTD;SATD;NAVD;VDRD;RCOM;TIME;PROP defaultValue=2")
    Q_PROPERTY(double Brightness READ Brightness WRITE setBrightness NOTIFY BrightnessChanged)
    Q_CLASSINFO("Brightness", "type=value name=Brightness defaultValue=50.5")

public:
    explicit TstDisplaySetup(const QString &name = QStringLiteral("DisplaySetup"), QObject *parent = nullptr)
        : LocalSerializableClass(parent, name)
    {
        initializeValidity(true);
        setDefaultValueFromClassInfo(QStringList());
    }

signals:
    void LocalSFIChanged(QString);
    void IPChanged(QString);
    void GroupChanged(int);
    void BrightnessChanged(double);

    TST_SETTING(QString, LocalSFI)
    TST_SETTING(QString, IP)
    TST_SETTING(int, Group)
    TST_SETTING(double, Brightness)
};

// A runtime leaf and root like "ESRuntime".
class TstRuntime : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double Trip READ Trip WRITE setTrip NOTIFY TripChanged)
    Q_CLASSINFO("Trip", "type=runtime name=Trip unit=NM")
    Q_PROPERTY(QString PositionNS READ PositionNS WRITE setPositionNS NOTIFY PositionNSChanged)
    Q_CLASSINFO("PositionNS", "type=runtime name=PositionNS")
    Q_PROPERTY(int Count READ Count WRITE setCount NOTIFY CountChanged)
    Q_CLASSINFO("Count", "type=runtime name=Count")
    Q_PROPERTY(double Cu24V READ Cu24V WRITE setCu24V NOTIFY Cu24VChanged)
    Q_CLASSINFO("Cu24V", "type=runtime name=Cu24V validator=float;21.0;28")
    Q_PROPERTY(QList<int> Sats READ Sats WRITE setSats NOTIFY SatsChanged)
    Q_CLASSINFO("Sats", "type=runtime name=Sats")

public:
    explicit TstRuntime(const QString &name = QStringLiteral("ESRuntime"), QObject *parent = nullptr)
        : RuntimeSerializableClass(parent, name)
    {
        initializeValidity(false);
        initializeSourceValidity(true);
    }

signals:
    void TripChanged(double);
    void PositionNSChanged(QString);
    void CountChanged(int);
    void Cu24VChanged(double);
    void SatsChanged(QList<int>);

    TST_SETTING(double, Trip)
    TST_SETTING(QString, PositionNS)
    TST_SETTING(int, Count)
    TST_SETTING(double, Cu24V)
    TST_SETTING(QList<int>, Sats)
};

// The defaults rules of class information, one property per rule.
class TstDefaults : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(QString TextValue READ TextValue WRITE setTextValue)
    Q_CLASSINFO("TextValue", "type=value isNumeric=false name=TextValue")
    Q_PROPERTY(int NumberValue READ NumberValue WRITE setNumberValue)
    Q_CLASSINFO("NumberValue", "type=value name=NumberValue")
    Q_PROPERTY(int EnumValue READ EnumValue WRITE setEnumValue)
    Q_CLASSINFO("EnumValue", "type=enum name=EnumValue enumList=a;b")
    Q_PROPERTY(QString CapitalFalse READ CapitalFalse WRITE setCapitalFalse)
    Q_CLASSINFO("CapitalFalse", "type=value isNumeric=FALSE name=CapitalFalse")
    Q_PROPERTY(int InfoEnum READ InfoEnum WRITE setInfoEnum)
    Q_CLASSINFO("InfoEnum", "type=runtimeSetupInfoEnum name=InfoEnum")
    Q_PROPERTY(double Given READ Given WRITE setGiven)
    Q_CLASSINFO("Given", "type=value name=Given defaultValue=12.5")
    Q_PROPERTY(QString NoType READ NoType WRITE setNoType)
    Q_CLASSINFO("NoType", "name=NoType")

public:
    TstDefaults(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
    {
    }

    TST_SETTING(QString, TextValue)
    TST_SETTING(int, NumberValue)
    TST_SETTING(int, EnumValue)
    TST_SETTING(QString, CapitalFalse)
    TST_SETTING(int, InfoEnum)
    TST_SETTING(double, Given)
    TST_SETTING(QString, NoType)

private:
    // TST_SETTING emits a change signal; these properties have none.
    void TextValueChanged(const QString &) { }
    void NumberValueChanged(int) { }
    void EnumValueChanged(int) { }
    void CapitalFalseChanged(const QString &) { }
    void InfoEnumChanged(int) { }
    void GivenChanged(double) { }
    void NoTypeChanged(const QString &) { }
};

// "defaultValue=" with nothing after it, on a numeric property.
class TstEmptyNumericDefault : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count WRITE setCount)
    Q_CLASSINFO("Count", "type=value name=Count defaultValue=")

public:
    TstEmptyNumericDefault(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
    {
    }
    int Count() const { return m_count; }
    void setCount(int count) { m_count = count; }

private:
    int m_count = 7;
};

// A leaf with a property the settings text has no form for.
class TstUnwritable : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count WRITE setCount)
    Q_PROPERTY(QPoint Where READ Where)

public:
    TstUnwritable(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
    {
    }
    int Count() const { return m_count; }
    void setCount(int count) { m_count = count; }
    QPoint Where() const { return QPoint(1, 2); }

private:
    int m_count = 7;
};

#endif // TST_SERIALIZABLECLASS_CLASSES_H
