#ifndef BUTTONINFOCONTAINER_H
#define BUTTONINFOCONTAINER_H

#include <QObject>

class AbstractButtonInfo;
class BottomBarInfo;
class QWidget;
class RuntimeButtonInfo;

// The button bindings of one controller, stored as its dynamic properties under their keys (the
// setting and settings-object parts of the button's object name). It owns the bindings it holds; a
// second binding under the same key takes the key, the first stays bound to its button.
class ButtonInfoContainer : public QObject
{
    Q_OBJECT

public:
    explicit ButtonInfoContainer(QObject *parent = nullptr);

    void insert(AbstractButtonInfo *binding);
    // The binding stored under the key of the button's object name; null when there is none or it is of
    // another kind.
    AbstractButtonInfo *buttonInfo(const QWidget *button) const;
    RuntimeButtonInfo *runtimeButtonInfo(const QWidget *button) const;
    BottomBarInfo *bottomBarInfo(const QWidget *button) const;
};

#endif // BUTTONINFOCONTAINER_H
