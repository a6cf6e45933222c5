#ifndef DIMMINGSENTENCES_H
#define DIMMINGSENTENCES_H

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

// The display dimming control sentence DDC: a preset, a brightness and a colour palette, as a command ("C")
// or as the reply to one ("R"). Each class declares its fields in sentence order; the message base parses and
// writes them from the class information.

class MsgDdc : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *DimmingPreset MEMBER m_DimmingPreset)
    Q_PROPERTY(ValidatedIntProperty *BrightnessPercentage MEMBER m_BrightnessPercentage)
    Q_PROPERTY(ValidatedStringProperty *ColorPalette MEMBER m_ColorPalette)
    Q_PROPERTY(ValidatedStringProperty *Status MEMBER m_Status)
    Q_CLASSINFO("DimmingPreset", "type=string validator=[DKNO]{1,1} validityLimit=-1 fixedLength=1")
    Q_CLASSINFO("BrightnessPercentage", "type=int maxFieldLength=2 validityLimit=-1 validator=0;99")
    Q_CLASSINFO("ColorPalette", "type=string validator=[DKNO]{1,1} validityLimit=-1 fixedLength=1")
    Q_CLASSINFO("Status", "type=string validator=[RC]{1,1} validityLimit=-1 fixedLength=1")
public:
    explicit MsgDdc(const QString &talker);

    ValidatedStringProperty *DimmingPreset() const { return m_DimmingPreset; }
    ValidatedIntProperty *BrightnessPercentage() const { return m_BrightnessPercentage; }
    ValidatedStringProperty *ColorPalette() const { return m_ColorPalette; }
    ValidatedStringProperty *Status() const { return m_Status; }

private:
    ValidatedStringProperty *m_DimmingPreset = nullptr;
    ValidatedIntProperty *m_BrightnessPercentage = nullptr;
    ValidatedStringProperty *m_ColorPalette = nullptr;
    ValidatedStringProperty *m_Status = nullptr;
};

#endif // DIMMINGSENTENCES_H
