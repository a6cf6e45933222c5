#ifndef BUZZERCHOICE_H
#define BUZZERCHOICE_H

#include <QList>

class ES_Alerts;

// What the buzzer should do for the alert states received from the junction box: silence (without
// touching the pattern), or play a pattern, or keep a pattern set but stay silent. A pattern is a list of
// phase durations in ms, alternately on and off, starting on, repeated.
struct BuzzerChoice
{
    bool silenceOnly = false;
    QList<int> pattern;
    bool sound = false;

    // Three beeps every 10 s: an unacknowledged shallow-water alarm of category A.
    static QList<int> threeBeepsPattern();
    // Two beeps every 10 s.
    static QList<int> twoBeepsPattern();
    // Two beeps once per escalation time (index 0 to 4 of the choices 1 to 5 minutes).
    static QList<int> escalationPattern(int escalation_index);

    // The first rule that applies decides: the sounder switched off ("DisplaySetup".AlarmSounder 1)
    // silences; then the shallow-water alarm, the deep alert, and last the system, power and link alerts.
    static BuzzerChoice forAlerts(const ES_Alerts *alerts, int alarm_sounder, int escalation_index);
};

#endif // BUZZERCHOICE_H
