#ifndef SHAREDPATTERNVALIDATOR_H
#define SHAREDPATTERNVALIDATOR_H

#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QString>
#include <QStringView>

// The validator of a text field: a QRegularExpressionValidator that matches with one compiled form of its
// anchored pattern shared by every validator of that pattern (the toolkit's own validator compiles a
// private anchored copy in every instance, and every message builds the validators of its fields anew).
// Accepts, refuses and reports partial input exactly as the toolkit's validator does, and follows a
// pattern set later with setRegularExpression.
class SharedPatternValidator : public QRegularExpressionValidator
{
    // No meta-object of its own: to the rest of the program it is a QRegularExpressionValidator.
public:
    explicit SharedPatternValidator(const QRegularExpression &pattern, QObject *parent = nullptr);

    State validate(QString &input, int &position) const override;
    // What validate() answers for the text, without a QString of it where the answer is known.
    State stateOf(QStringView input) const;
    // The pattern now in force, as regularExpression() returns it, without a copy.
    const QRegularExpression &pattern() const { return m_pattern; }

    // The one compiled form of a pattern text, compiled at its first use and kept for the process: the
    // patterns come from the class descriptions, so the cache stays small.
    static QRegularExpression sharedPattern(const QString &text);

private:
    void follow(const QRegularExpression &pattern);

    QRegularExpression m_pattern;
    // The shared anchored form; used only when the pattern has no options of its own.
    QRegularExpression m_anchored;
    bool m_plain = true;
    bool m_empty = true;
    // A field meets the same few texts again and again ("N", "E", "M", "A"): the answer for the last text
    // is kept, as matching costs more than the rest of the field.
    mutable bool m_hasLast = false;
    mutable QString m_lastInput;
    mutable State m_lastState = Invalid;
};

#endif // SHAREDPATTERNVALIDATOR_H
