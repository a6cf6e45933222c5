#ifndef SETUPMODELINTERFACE_H
#define SETUPMODELINTERFACE_H

#include "ui/controllers/AbstractModelInterface.h"

#include <QPointer>

class PasswordWidget;

// The base of the two setup controllers: adds the password login in front of protected settings. One
// lock serves both controllers, so one correct password logs both in; they stay logged in until the
// program ends (the lock's own hourly re-lock does not reach them).
class SetupModelInterface : public AbstractModelInterface
{
    Q_OBJECT

public:
    explicit SetupModelInterface(QObject *parent = nullptr);

    // Shows and raises the lock and its keyboard.
    virtual void showLogin();
    // Stores the lock (not owned); its login() logs this controller in, its cancel() hides it.
    virtual void setLoginWidget(PasswordWidget *widget);
    // The description of the interaction in flight, its bound button, the prefix and the name.
    virtual void setCurrentProperty(PropertyInfo *property, const QString &prefix);
    // Changes the value of a description on behalf of another controller: no validity, auto-functions or
    // protection check.
    virtual void edit(PropertyInfo *property, const QString &prefix) = 0;

    bool isLoggedIn() const { return m_loggedIn; }
    PasswordWidget *loginWidget() const;

public slots:
    void login();

protected:
    bool m_loggedIn = false;
    QPointer<PasswordWidget> m_loginWidget;
};

#endif // SETUPMODELINTERFACE_H
