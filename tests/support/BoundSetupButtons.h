#ifndef BOUNDSETUPBUTTONS_H
#define BOUNDSETUPBUTTONS_H

#include "info/ESDataInfoClass.h"
#include "info/SetupPropertyInfo.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

// Test stand-in for the setup menu's binding pass: every button below `page` named "es_st_" or "ls_st_" +
// property + "_" + settings-object name + "_btn" (with an optional suffix after "_btn") is bound to its
// description in the registry. Returns the names of the buttons it bound. Settings-object names hold no
// "_", so the name splits at its last "_" before "_btn".
inline QStringList bindSetupButtons(QWidget *page, ESDataInfoClass *registry)
{
    static const QRegularExpression pattern(QStringLiteral("^(es|ls)_st_(.+)_([^_]+)_btn(_.*)?$"));
    QStringList bound;
    const QList<QAbstractButton *> buttons = page->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        const QRegularExpressionMatch match = pattern.match(button->objectName());
        if (!match.hasMatch())
            continue;
        SetupPropertyInfo *info
            = registry->setupPropertyInfo(match.captured(1), match.captured(2), match.captured(3));
        if (!info)
            continue;
        info->setButton(button);
        bound.append(button->objectName());
    }
    return bound;
}

#endif // BOUNDSETUPBUTTONS_H
