#ifndef MARKPARSER_H
#define MARKPARSER_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

// Turns the parameter of a received event mark into its readable label ("Gain=6 auto", "Range=100m"). The
// range steps in metres, feet and fathoms come from the description of a transducer's "Range" setting, so the
// labels follow that table. Mark texts come from another unit: a name, value or unit the parser cannot label
// gives an empty label and a debug line, never an exception.
class MarkParser
{
public:
    // The process-wide parser, created on first use and destroyed at exit. Its depth unit is the
    // "ScalesDepth" of the shared setup's "OptionsSetup", looked up on first use and kept.
    static MarkParser &instance();

    // optionsSetup: the object whose "ScalesDepth" chooses the range unit; none means the shared setup's
    // "OptionsSetup", looked up when a range is first labelled.
    explicit MarkParser(QObject *optionsSetup = nullptr);

    // "Range=" + range, "Gain=" + gain, "TVG=" + value + "%" or "Power=" + value + "%", each followed by the
    // suffix; an empty text for any other name or a value that cannot be labelled.
    QString parseProperty(const QString &name, const QString &value, const QString &suffix);
    // The range step of the index in the current depth unit, with "m", "ft" or "fm"; empty for an index that
    // is not a number or outside the steps, and for an unknown unit.
    QString parseRangeValue(const QString &value);
    // The gain index (0 to 11) as the displayed gain, one more; empty when it is not a number.
    QString parseGainValue(const QString &value);

    QStringList rangeStepsMeters() const { return m_meters; }
    QStringList rangeStepsFeet() const { return m_feet; }
    QStringList rangeStepsFathoms() const { return m_fathoms; }

private:
    void loadRangeLists();
    QObject *optionsSetup();

    QStringList m_meters;
    QStringList m_feet;
    QStringList m_fathoms;
    QPointer<QObject> m_optionsSetup;
    bool m_optionsLookedUp = false;
};

#endif // MARKPARSER_H
