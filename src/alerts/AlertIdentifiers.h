#ifndef ALERTIDENTIFIERS_H
#define ALERTIDENTIFIERS_H

#include <QString>

// The identifiers of the deep-water and system alerts ("AlertSetup".AlertDeepID and AlertSystemID). An ALF
// alert and the ALR alert of the same condition differ by 10000: the ALF identifier lies 10000 above.
struct AlertIdentifiers
{
    int deep = 0;
    int system = 0;

    // The identifiers for an alert type ("CAT_A_ALR", "CAT_A_ALF", "CAT_B_ALR", "CAT_B_ALF"): a type
    // containing "ALR" takes identifiers above 10000 down by 10000, any other type takes identifiers up to
    // 9999 up by 10000. 10000 itself stays in both directions.
    static AlertIdentifiers forAlertType(const QString &type, AlertIdentifiers current);
};

#endif // ALERTIDENTIFIERS_H
