#include "nmea/SharedPatternValidator.h"

#include <QHash>
#include <QRegularExpressionMatch>

SharedPatternValidator::SharedPatternValidator(const QRegularExpression &pattern, QObject *parent)
    : QRegularExpressionValidator(pattern, parent)
{
    follow(pattern);
    // The pattern is read at every check; a copy of it per check costs as much as the rest of a short
    // field, so the validator keeps its own and renews it when the pattern is changed.
    connect(this, &QRegularExpressionValidator::regularExpressionChanged, this,
        [this](const QRegularExpression &changed) { follow(changed); });
}

QRegularExpression SharedPatternValidator::sharedPattern(const QString &text)
{
    static QHash<QString, QRegularExpression> patterns;
    auto it = patterns.find(text);
    if (it == patterns.end())
        it = patterns.insert(text, QRegularExpression(text));
    return it.value();
}

void SharedPatternValidator::follow(const QRegularExpression &pattern)
{
    m_pattern = pattern;
    m_plain = pattern.patternOptions() == QRegularExpression::NoPatternOption;
    m_empty = pattern.pattern().isEmpty();
    m_anchored = m_plain && !m_empty ? sharedPattern(QRegularExpression::anchoredPattern(pattern.pattern()))
                                     : QRegularExpression();
    m_hasLast = false;
    m_lastInput.clear();
}

QValidator::State SharedPatternValidator::validate(QString &input, int &position) const
{
    if (!m_plain)
        return QRegularExpressionValidator::validate(input, position);
    const State state = stateOf(input);
    if (state == Invalid)
        position = input.size();
    return state;
}

QValidator::State SharedPatternValidator::stateOf(QStringView input) const
{
    if (!m_plain) {
        QString text = input.toString();
        int position = 0;
        return QRegularExpressionValidator::validate(text, position);
    }
    if (m_empty)
        return Acceptable;
    if (!m_hasLast || QStringView(m_lastInput) != input) {
        m_lastInput = input.toString();
        const QRegularExpressionMatch match
            = m_anchored.match(m_lastInput, 0, QRegularExpression::PartialPreferCompleteMatch);
        m_lastState = match.hasMatch()                         ? Acceptable
            : m_lastInput.isEmpty() || match.hasPartialMatch() ? Intermediate
                                                               : Invalid;
        m_hasLast = true;
    }
    return m_lastState;
}
