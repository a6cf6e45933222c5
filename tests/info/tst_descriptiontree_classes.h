#ifndef TST_DESCRIPTIONTREE_CLASSES_H
#define TST_DESCRIPTIONTREE_CLASSES_H

// Small settings trees for the description-tree tests: a shared setup with a leaf of every setup kind and
// a nested branch, a runtime values object with hidden values and companion angles, and one class per
// fault a description or a settings class can have.

#include "TestSetting.h"
#include "data/SerializableClass.h"

// A leaf with one description of every setup kind ("Value" and "xtype=" included: the type is found by
// containment, in any case).
class KindsLeaf : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Choice READ Choice WRITE setChoice NOTIFY ChoiceChanged)
    Q_CLASSINFO("Choice", "type=enum name=Choice enumList=A;B;C")
    Q_PROPERTY(double Level READ Level WRITE setLevel NOTIFY LevelChanged)
    Q_CLASSINFO("Level", "type=Value name=Level validator=float;0;10")
    Q_PROPERTY(double Range READ Range WRITE setRange NOTIFY RangeChanged)
    Q_CLASSINFO("Range", "xtype=value name=Range validator=float;0;100")
    Q_PROPERTY(int Span READ Span WRITE setSpan NOTIFY SpanChanged)
    Q_CLASSINFO("Span", "type=enumWithDifferentUnits name=Span unit=m enumList=5;10 enumListMeters=5;10")
    Q_PROPERTY(double SpanValue READ SpanValue WRITE setSpanValue NOTIFY SpanValueChanged)
    Q_CLASSINFO("SpanValue", "type=valueFromEnum name=SpanValue unit=m validator=float;0;100")
    TST_SETTING(int, Choice)
    TST_SETTING(double, Level)
    TST_SETTING(double, Range)
    TST_SETTING(int, Span)
    TST_SETTING(double, SpanValue)

public:
    KindsLeaf(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
    {
    }

signals:
    void ChoiceChanged(int);
    void LevelChanged(double);
    void RangeChanged(double);
    void SpanChanged(int);
    void SpanValueChanged(double);
};

class MarkLeaf : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int Mark READ Mark WRITE setMark NOTIFY MarkChanged)
    Q_CLASSINFO("Mark", "type=enum name=Mark enumList=Off;On")
    TST_SETTING(int, Mark)

public:
    MarkLeaf(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
    {
    }

signals:
    void MarkChanged(int);
};

class MarkBranch : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(MarkLeaf *Marks READ Marks)

public:
    MarkBranch(QObject *parent, const QString &name)
        : SetupSerializableClass(parent, name)
        , m_marks(new MarkLeaf(this, QStringLiteral("Marks")))
    {
    }
    MarkLeaf *Marks() const { return m_marks; }

private:
    MarkLeaf *m_marks;
};

// "TreeRoot" > "Kinds", "Branch" > "Marks".
class TreeRoot : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(KindsLeaf *Kinds READ Kinds)
    Q_PROPERTY(MarkBranch *Branch READ Branch)

public:
    TreeRoot()
        : SetupSerializableClass(nullptr, QStringLiteral("TreeRoot"))
        , m_kinds(new KindsLeaf(this, QStringLiteral("Kinds")))
        , m_branch(new MarkBranch(this, QStringLiteral("Branch")))
    {
        initializeValidity(true);
    }
    KindsLeaf *Kinds() const { return m_kinds; }
    MarkBranch *Branch() const { return m_branch; }

private:
    KindsLeaf *m_kinds;
    MarkBranch *m_branch;
};

// Runtime values: two speeds with companion angles, the second speed and both angles hidden, and two
// setup values offered among them.
class TreeRuntime : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double Speed READ Speed WRITE setSpeed NOTIFY SpeedChanged)
    Q_CLASSINFO("Speed", "type=runtime name=Speed angleProperty=Angle")
    Q_PROPERTY(double Angle READ Angle WRITE setAngle NOTIFY AngleChanged)
    Q_CLASSINFO("Angle", "type=runtime name=Angle shownOnSideInfo=false")
    Q_PROPERTY(double Current READ Current WRITE setCurrent NOTIFY CurrentChanged)
    Q_CLASSINFO("Current", "type=runtime name=Current angleProperty=CurrentAngle shownOnSideInfo=false")
    Q_PROPERTY(double CurrentAngle READ CurrentAngle WRITE setCurrentAngle NOTIFY CurrentAngleChanged)
    Q_CLASSINFO("CurrentAngle", "type=runtime name=CurrentAngle shownOnSideInfo=false")
    Q_PROPERTY(double Depth READ Depth WRITE setDepth NOTIFY DepthChanged)
    Q_CLASSINFO("Depth", "type=Runtime name=Depth")
    Q_CLASSINFO("SetupInformation", "Choice,Kinds;Mark,Marks")
    TST_SETTING(double, Speed)
    TST_SETTING(double, Angle)
    TST_SETTING(double, Current)
    TST_SETTING(double, CurrentAngle)
    TST_SETTING(double, Depth)

public:
    TreeRuntime()
        : RuntimeSerializableClass(nullptr, QStringLiteral("ESRuntime"))
    {
    }

signals:
    void SpeedChanged(double);
    void AngleChanged(double);
    void CurrentChanged(double);
    void CurrentAngleChanged(double);
    void DepthChanged(double);
};

// The faults. One value, "XValue", without a description; each fault class below adds only the
// description (or class information) that is wrong.
class UndescribedSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    TST_SETTING(double, XValue)

public:
    explicit UndescribedSetup(const QString &name = QStringLiteral("UndescribedSetup"))
        : SetupSerializableClass(nullptr, name)
    {
    }

signals:
    void XValueChanged(double);
};

class UndescribedRuntime : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    TST_SETTING(double, XValue)

public:
    explicit UndescribedRuntime(const QString &name = QStringLiteral("ESRuntime"))
        : RuntimeSerializableClass(nullptr, name)
    {
    }

signals:
    void XValueChanged(double);
};

class TextTypeSetup : public UndescribedSetup
{
    Q_OBJECT
    Q_CLASSINFO("XValue", "type=text name=XValue")
};

class UnpairedSetup : public UndescribedSetup
{
    Q_OBJECT
    Q_CLASSINFO("XValue", "type=valueFromEnum name=XValue validator=float;0;1")
};

class BadValidatorSetup : public UndescribedSetup
{
    Q_OBJECT
    Q_CLASSINFO("XValue", "type=value name=XValue validator=float;1;x")
};

class SetupTypedRuntime : public UndescribedRuntime
{
    Q_OBJECT
    Q_CLASSINFO("XValue", "type=value name=XValue validator=float;0;1")
};

class MissingAngleRuntime : public UndescribedRuntime
{
    Q_OBJECT
    Q_CLASSINFO("XValue", "type=runtime name=XValue angleProperty=NoSuchValue")
};

class MissingSetupRuntime : public UndescribedRuntime
{
    Q_OBJECT
    Q_CLASSINFO("XValue", "type=runtime name=XValue")
    Q_CLASSINFO("SetupInformation", "Choice,Kinds;Nothing,Kinds")
};

// A bottom-bars object has class information only; a property is a fault.
class BottomBarsWithValue : public UndescribedRuntime
{
    Q_OBJECT
    Q_CLASSINFO("XValue", "type=runtime name=XValue")

public:
    BottomBarsWithValue()
        : UndescribedRuntime(QStringLiteral("ESBottomBars"))
    {
    }
};

#endif // TST_DESCRIPTIONTREE_CLASSES_H
