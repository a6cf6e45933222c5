#ifndef TESTSETTING_H
#define TESTSETTING_H

// Test helper: one setting of a settings class written for a test, as the settings classes write theirs:
// a getter, and a setter that stores and then announces the value (also an unchanged one). Declare the
// Q_PROPERTY and the change signal "<Name>Changed" beside it.
#define TST_SETTING(Type, Name)                                                                              \
public:                                                                                                      \
    Type Name() const                                                                                        \
    {                                                                                                        \
        return m_##Name;                                                                                     \
    }                                                                                                        \
    void set##Name(const Type &value)                                                                        \
    {                                                                                                        \
        m_##Name = value;                                                                                    \
        emit Name##Changed(value);                                                                           \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    Type m_##Name {};

#endif // TESTSETTING_H
