#ifndef VALUEFROMENUMPROPERTYINFO_H
#define VALUEFROMENUMPROPERTYINFO_H

#include "info/ValuePropertyInfo.h"

#include <QPointer>

class EnumPropertyInfo;

// A value that follows an enumerated setting of the same settings object: the value "XValue" follows the
// enumeration "X". Whenever the enumeration's shown value changes by more than 0.1, the value takes it
// over (in the enumeration's displayed unit), writes and serializes it. It shows nothing of its own on a
// unit change: the enumeration brings the new value.
class ValueFromEnumPropertyInfo : public ValuePropertyInfo
{
    Q_OBJECT

public:
    ValueFromEnumPropertyInfo(const QString &description, SerializableClass *sourceObject);

    EnumPropertyInfo *enumPropertyInfo() const;
    // Pairs the value with the enumeration it follows (a later pairing replaces an earlier one).
    void setEnumPropertyInfo(EnumPropertyInfo *enumeration);

public slots:
    void updateGUI() override;

private slots:
    void valueFromEnumChanged(const QString &value);

private:
    QPointer<EnumPropertyInfo> m_enumPropertyInfo;
};

#endif // VALUEFROMENUMPROPERTYINFO_H
