#ifndef ABSTRACTMODELINTERFACE_H
#define ABSTRACTMODELINTERFACE_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class AbstractButtonInfo;
class ButtonInfoContainer;
class CustomDialog;
class ESDataInfoClass;
class EnumPropertyInfo;
class PropertyInfo;
class QAbstractButton;
class QWidget;

// The base of the controllers that turn presses on bound buttons into changes of settings: the runtime
// and bottom-bar controllers and the two setup controllers. It owns the long-press timer (single-shot;
// its timeout opens the long-press action of the subclass), remembers the interaction in flight (the
// description and button pressed last) and asks the shared dialog whether the auto functions should be
// turned off before a value that follows them is changed by hand.
class AbstractModelInterface : public QObject
{
    Q_OBJECT

public:
    // The long press of every controller.
    static const int longPressMs = 1000;

    explicit AbstractModelInterface(QObject *parent = nullptr);

    // The shared question and message box (the main window's); not owned.
    void setMessageDialog(CustomDialog *dialog);
    CustomDialog *messageDialog() const;

    PropertyInfo *currentProperty() const;
    QString prefix() const { return m_prefix; }
    QString propertyName() const { return m_propertyName; }
    QAbstractButton *pressedButton() const;
    // The bindings of the runtime and bottom-bar controllers (null for the setup controllers).
    ButtonInfoContainer *buttonContainer() const { return m_buttonContainer; }

    // The long-press interval; tests read it, the controllers set it.
    int longPressInterval() const { return m_longPressTimer.interval(); }
    bool isLongPressTimerActive() const { return m_longPressTimer.isActive(); }

    // "Do you want to turn off the auto functions?" with the answers connected once.
    void askTurnOffAutoFunctions();

public slots:
    virtual void openLongPressDialog() = 0;
    void turnAutoFunctionsOn();
    void turnAutoFunctionsOff();
    void destroyConnectionsToAutoFunctionsDialog();

protected:
    // Whether a press on a value that follows the auto functions must ask first: the value follows them
    // and the auto-functions setting exists and is "ON".
    bool autoFunctionsBlock(const PropertyInfo *property) const;
    // The description registry, asked at each use: a registry replaced for a test (or rebuilt) is never
    // reached through a stale pointer.
    static ESDataInfoClass *registry();
    // An overlay was shown and raised: the window's dimming overlay goes back on top of it.
    static void raiseDimmingAbove(QWidget *overlay);

    // The press and the release of a bound runtime-page button or bottom bar, the same in both
    // controllers: a free value opens the editor at once; anything else starts the long-press timer, and a
    // release before it fires steps an enumerated setting (up button: next, down or single: previous).
    void pressBoundButton(AbstractButtonInfo *binding);
    void releaseBoundButton();
    // Stores a binding in the controller's container.
    void storeBinding(AbstractButtonInfo *binding);
    AbstractButtonInfo *currentButton() const;

    QTimer m_longPressTimer;
    QPointer<PropertyInfo> m_currentProperty;
    QString m_prefix;
    QString m_propertyName;
    QString m_furtherText;
    QPointer<CustomDialog> m_messageDialog;
    QPointer<EnumPropertyInfo> m_autoFunctions;
    // The button bound to the current description, for the setup controllers.
    QPointer<QAbstractButton> m_pressedButton;
    // The runtime and bottom-bar controllers: their bindings and the one pressed last.
    ButtonInfoContainer *m_buttonContainer = nullptr;
    QPointer<AbstractButtonInfo> m_currentButton;
};

#endif // ABSTRACTMODELINTERFACE_H
