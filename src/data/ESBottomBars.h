#ifndef ESBOTTOMBARS_H
#define ESBOTTOMBARS_H

#include "data/SerializableClass.h"

// "ESBottomBars": no values. Its class information tells the bottom-bar descriptions of the screens which
// setup values the bottom bars of runtime pages A, B and C may show: ";"-separated entries of a property name
// and a settings-object name joined by ",", and for the "ToDisplay" keys the names shown, in the same order.
// "TransducerSetup1_|_TransducerSetup2" names both transducer setups together.
class ESBottomBars : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_CLASSINFO("RangeSetupInformationA", "Range,TransducerSetup1")
    Q_CLASSINFO("RangeSetupInformationToDisplayA", "Range")
    Q_CLASSINFO("RangeSetupInformationB", "Range,TransducerSetup2")
    Q_CLASSINFO("RangeSetupInformationToDisplayB", "Range")
    Q_CLASSINFO("RangeSetupInformationC", "Range,TransducerSetup1_|_TransducerSetup2")
    Q_CLASSINFO("RangeSetupInformationToDisplayC", "Range")
    Q_CLASSINFO("SetupInformationA",
        "CombinedGain,TransducerSetup1;TvgPercentage,TransducerSetup1;"
        "PowerPercentage,TransducerSetup1;PicSpeed,RuntimeScreenSetupA;"
        "AlarmShallow,AlertSetup;AlertDeep,AlertSetup;Mark,OtherSettings;"
        "EchoColour,RuntimeScreenSetupA;AutoFunctions,OptionsSetup;None,"
        "OtherLocalSettings")
    Q_CLASSINFO("SetupInformationToDisplayA",
        "Gain;TVG;Power;Pic_Speed;Alarm_Shallow;Alert_Deep;Mark;Echo_"
        "Colour;Auto_Functions;None")
    Q_CLASSINFO("SetupInformationB",
        "CombinedGain,TransducerSetup2;TvgPercentage,TransducerSetup2;"
        "PowerPercentage,TransducerSetup2;PicSpeed,RuntimeScreenSetupB;"
        "AlarmShallow,AlertSetup;AlertDeep,AlertSetup;Mark,OtherSettings;"
        "EchoColour,RuntimeScreenSetupB;AutoFunctions,OptionsSetup;None,"
        "OtherLocalSettings")
    Q_CLASSINFO("SetupInformationToDisplayB",
        "Gain;TVG;Power;Pic_Speed;Alarm_Shallow;Alert_Deep;Mark;Echo_"
        "Colour;Auto_Functions;None")
    Q_CLASSINFO("SetupInformationC",
        "CombinedGain,TransducerSetup1_|_TransducerSetup2;TvgPercentage,"
        "TransducerSetup1_|_TransducerSetup2;PowerPercentage,TransducerSetup1_|_"
        "TransducerSetup2;PicSpeed,RuntimeScreenSetupC;AlarmShallow,AlertSetup;"
        "AlertDeep,AlertSetup;Mark,OtherSettings;EchoColour,RuntimeScreenSetupC;"
        "AutoFunctions,OptionsSetup;None,OtherLocalSettings")
    Q_CLASSINFO("SetupInformationToDisplayC",
        "Gain;TVG;Power;Pic_Speed;Alarm_Shallow;Alert_Deep;Mark;Echo_"
        "Colour;Auto_Functions;None")

public:
    explicit ESBottomBars(QObject *parent = nullptr, const QString &name = QStringLiteral("ESBottomBars"));
};

#endif // ESBOTTOMBARS_H
