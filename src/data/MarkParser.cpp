#include "data/MarkParser.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "data/RangeValueFromEnumCalculator.h"

#include <QDebug>

#include <limits>

MarkParser &MarkParser::instance()
{
    static MarkParser parser;
    return parser;
}

MarkParser::MarkParser(QObject *optionsSetup)
    : m_optionsSetup(optionsSetup)
    , m_optionsLookedUp(optionsSetup != nullptr)
{
    loadRangeLists();
}

void MarkParser::loadRangeLists()
{
    const RangeValueFromEnumCalculator::StepTexts steps = RangeValueFromEnumCalculator::describedSteps();
    m_meters = steps.meters;
    m_feet = steps.feet;
    m_fathoms = steps.fathoms;
}

QObject *MarkParser::optionsSetup()
{
    if (!m_optionsLookedUp) {
        m_optionsLookedUp = true;
        m_optionsSetup
            = ESDataClass::instance()->setup()->findChild<QObject *>(QStringLiteral("OptionsSetup"));
    }
    return m_optionsSetup;
}

QString MarkParser::parseProperty(const QString &name, const QString &value, const QString &suffix)
{
    QString label;
    if (name == QLatin1String("Range")) {
        const QString range = parseRangeValue(value);
        if (!range.isEmpty())
            label = QStringLiteral("Range=") + range + suffix;
    } else if (name == QLatin1String("CombinedGain")) {
        const QString gain = parseGainValue(value);
        if (!gain.isEmpty())
            label = QStringLiteral("Gain=") + gain + suffix;
    } else if (name == QLatin1String("TvgPercentage")) {
        label = QStringLiteral("TVG=") + value + QLatin1Char('%') + suffix;
    } else if (name == QLatin1String("PowerPercentage")) {
        label = QStringLiteral("Power=") + value + QLatin1Char('%') + suffix;
    } else {
        if (admitLogLine("Event mark refused"))
            qDebug() << "Event mark of an unknown property:" << logExcerpt(name);
    }
    return label;
}

QString MarkParser::parseRangeValue(const QString &value)
{
    bool ok = false;
    const int index = value.toInt(&ok);
    if (!ok) {
        if (admitLogLine("Event mark refused"))
            qDebug() << "Event mark with a range index that is not a number:" << logExcerpt(value);
        return QString();
    }
    QObject *options = optionsSetup();
    if (!options) {
        qDebug() << "Event mark: no OptionsSetup to choose the depth unit";
        return QString();
    }
    const int unit = options->property("ScalesDepth").toInt();
    const QStringList *steps = nullptr;
    QString unitText;
    switch (unit) {
    case 0:
        steps = &m_meters;
        unitText = QStringLiteral("m");
        break;
    case 1:
        steps = &m_feet;
        unitText = QStringLiteral("ft");
        break;
    case 2:
        steps = &m_fathoms;
        unitText = QStringLiteral("fm");
        break;
    default:
        qDebug() << "Event mark: depth unit not handled:" << unit;
        return QString();
    }
    if (index < 0 || index >= steps->size()) {
        if (admitLogLine("Event mark refused"))
            qDebug() << "Event mark with a range index outside the range steps:" << index;
        return QString();
    }
    return steps->at(index) + unitText;
}

QString MarkParser::parseGainValue(const QString &value)
{
    bool ok = false;
    const int gain = value.toInt(&ok);
    if (!ok || gain == std::numeric_limits<int>::max()) {
        if (admitLogLine("Event mark refused"))
            qDebug() << "Event mark with a gain that is not a number:" << logExcerpt(value);
        return QString();
    }
    return QString::number(gain + 1);
}
