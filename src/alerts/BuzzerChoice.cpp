#include "alerts/BuzzerChoice.h"

#include "alerts/AlertWords.h"
#include "data/ES_Alerts.h"

namespace {

const int sounderOff = 1;

bool activeUnacknowledged(const SerializableAlertInfo *alert)
{
    return alert->AlertState() == int(AlertState::ActiveUnacknowledged);
}

} // namespace

QList<int> BuzzerChoice::threeBeepsPattern()
{
    return { 400, 400, 400, 400, 400, 8000 };
}

QList<int> BuzzerChoice::twoBeepsPattern()
{
    return { 400, 400, 400, 8800 };
}

QList<int> BuzzerChoice::escalationPattern(int escalation_index)
{
    // The setting offers 1 to 5 minutes; anything else read from a file or a peer is held to that range so
    // that the silent phase always stays positive.
    const int minutes = qBound(0, escalation_index, 4) + 1;
    return { 400, 400, 400, minutes * 60000 - 1200 };
}

BuzzerChoice BuzzerChoice::forAlerts(const ES_Alerts *alerts, int alarm_sounder, int escalation_index)
{
    BuzzerChoice choice;
    if (alarm_sounder == sounderOff) {
        choice.silenceOnly = true;
        return choice;
    }
    const SerializableAlertInfo *shallow = alerts->AlarmShallow();
    if (activeUnacknowledged(shallow)) {
        choice.pattern
            = shallow->AlertCategory() == int(AlertCategory::CatA) ? threeBeepsPattern() : twoBeepsPattern();
        choice.sound = true;
        return choice;
    }
    const SerializableAlertInfo *deep = alerts->AlertDeep();
    if (activeUnacknowledged(deep)) {
        if (deep->AlertPriority() == int(AlertPriority::Alarm)) {
            choice.pattern = twoBeepsPattern();
            choice.sound = true;
            return choice;
        }
        if (deep->AlertPriority() <= int(AlertPriority::Alert)) {
            choice.pattern = escalationPattern(escalation_index);
            choice.sound = true;
            return choice;
        }
        // A deep alert of lower priority (a caution) has no sound of its own, but it must not silence the
        // system, power and link alerts below.
    }
    choice.pattern = escalationPattern(escalation_index);
    choice.sound = activeUnacknowledged(alerts->AlertSystemError())
        || activeUnacknowledged(alerts->AlarmPowerFailure())
        || activeUnacknowledged(alerts->AlertDisplayError());
    return choice;
}
