#ifndef ESSETUPSCREENS_H
#define ESSETUPSCREENS_H

#include <QWidget>

class CommunicationInformationTable;
class QStackedWidget;

namespace Ui {
class EsSetupScreens;
}

// The pages of the system setup (the settings shared with the junction box), one page of the stack
// "stacked_es_setup" per menu entry, opened by the setup menu by object name: "page_es_" + entry +
// "_setup". Holds the communication monitor of the communications page, which the system object wires to
// the forwarding controller.
class EsSetupScreens : public QWidget
{
    Q_OBJECT

public:
    explicit EsSetupScreens(QWidget *parent = nullptr);
    ~EsSetupScreens() override;

    QStackedWidget *getStackedEsSetup() const;
    CommunicationInformationTable *getCommunicationInformationTable() const { return m_communicationTable; }

signals:
    void signalRightTitleLabelText(QString text);

private:
    Ui::EsSetupScreens *m_ui;
    CommunicationInformationTable *m_communicationTable;
};

#endif // ESSETUPSCREENS_H
