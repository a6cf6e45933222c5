#ifndef TST_DESCRIPTIONTREE_CLASSES_H
#define TST_DESCRIPTIONTREE_CLASSES_H

// Small settings trees for the description-tree tests: a shared setup with a leaf of every setup kind and
// a nested branch, a runtime values object with hidden values and companion angles, and one class per
// fault a description or a settings class can have. Every setter stores and announces.

#include "data/SerializableClass.h"

#define TREE_VALUE(Type, Name)                                                                               \
public:                                                                                                      \
    Type Name() const                                                                                        \
    {                                                                                                        \
        return m_##Name;                                                                                     \
    }                                                                                                        \
    void set##Name(Type value)                                                                               \
    {                                                                                                        \
        m_##Name = value;                                                                                    \
        emit Name##Changed(value);                                                                           \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    Type m_##Name {};

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
    TREE_VALUE(int, Choice)
    TREE_VALUE(double, Level)
    TREE_VALUE(double, Range)
    TREE_VALUE(int, Span)
    TREE_VALUE(double, SpanValue)

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
    TREE_VALUE(int, Mark)

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

// Runtime values: two speeds with companion angles, the second speed and both angles hidden, and one
// setup value offered among them.
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
    TREE_VALUE(double, Speed)
    TREE_VALUE(double, Angle)
    TREE_VALUE(double, Current)
    TREE_VALUE(double, CurrentAngle)
    TREE_VALUE(double, Depth)

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

// One fault each.
class UndescribedLeaf : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    TREE_VALUE(double, XValue)

public:
    UndescribedLeaf()
        : SetupSerializableClass(nullptr, QStringLiteral("UndescribedLeaf"))
    {
    }

signals:
    void XValueChanged(double);
};

class TextTypeLeaf : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    Q_CLASSINFO("XValue", "type=text name=XValue")
    TREE_VALUE(double, XValue)

public:
    TextTypeLeaf()
        : SetupSerializableClass(nullptr, QStringLiteral("TextTypeLeaf"))
    {
    }

signals:
    void XValueChanged(double);
};

class UnpairedLeaf : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    Q_CLASSINFO("XValue", "type=valueFromEnum name=XValue validator=float;0;1")
    TREE_VALUE(double, XValue)

public:
    UnpairedLeaf()
        : SetupSerializableClass(nullptr, QStringLiteral("UnpairedLeaf"))
    {
    }

signals:
    void XValueChanged(double);
};

class BadValidatorLeaf : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    Q_CLASSINFO("XValue", "type=value name=XValue validator=float;1;x")
    TREE_VALUE(double, XValue)

public:
    BadValidatorLeaf()
        : SetupSerializableClass(nullptr, QStringLiteral("BadValidatorLeaf"))
    {
    }

signals:
    void XValueChanged(double);
};

class SetupTypedRuntime : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    Q_CLASSINFO("XValue", "type=value name=XValue validator=float;0;1")
    TREE_VALUE(double, XValue)

public:
    SetupTypedRuntime()
        : RuntimeSerializableClass(nullptr, QStringLiteral("ESRuntime"))
    {
    }

signals:
    void XValueChanged(double);
};

class MissingAngleRuntime : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    Q_CLASSINFO("XValue", "type=runtime name=XValue angleProperty=NoSuchValue")
    TREE_VALUE(double, XValue)

public:
    MissingAngleRuntime()
        : RuntimeSerializableClass(nullptr, QStringLiteral("ESRuntime"))
    {
    }

signals:
    void XValueChanged(double);
};

class MissingSetupRuntime : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_CLASSINFO("SetupInformation", "Choice,Kinds;Nothing,Kinds")

public:
    MissingSetupRuntime()
        : RuntimeSerializableClass(nullptr, QStringLiteral("ESRuntime"))
    {
    }
};

// A bottom-bars object has class information only; a property is a fault.
class BottomBarsWithValue : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double XValue READ XValue WRITE setXValue NOTIFY XValueChanged)
    Q_CLASSINFO("XValue", "type=runtime name=XValue")
    TREE_VALUE(double, XValue)

public:
    BottomBarsWithValue()
        : RuntimeSerializableClass(nullptr, QStringLiteral("ESBottomBars"))
    {
    }

signals:
    void XValueChanged(double);
};

#undef TREE_VALUE

#endif // TST_DESCRIPTIONTREE_CLASSES_H
