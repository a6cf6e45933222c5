#ifndef ESSETUPSCREENS_H
#define ESSETUPSCREENS_H

#include <QStringList>
#include <QWidget>

class CommunicationInformationTable;
class ESCommunicationInformation;
class ESCommunicationsSetup;
class ESDataInfoClass;
class ESRuntime;
class QStackedWidget;
class Radar;
class SatelliteInfoSerializableData;
class SerializableClass;

namespace Ui {
class EsSetupScreens;
}

// The pages of the system setup: the settings shared with the junction box and the unit's status. Its
// stack "stacked_es_setup" holds, in this order, the runtime-page setup, the alert setup with its status
// list, the calibration, the system setup, the communications page (one generated page per port, stepped
// through with the channel button together with the communication monitor), the AUX page, the junction
// box's page with its status list, the display's own SFIs, the satellite page and the environmental test
// page. The setup menu opens the pages by object name and binds their setup buttons after construction;
// buttons a product cannot use are renamed so that the binding leaves them alone.
class EsSetupScreens : public QWidget
{
    Q_OBJECT
public:
    // What the pages show; none of it is owned.
    struct Sources
    {
        ESDataInfoClass *descriptions = nullptr; // the status lists' descriptions
        ESCommunicationsSetup *communications = nullptr; // the ports of the generated pages
        ESCommunicationInformation *communicationInformation = nullptr; // monitor and AUX lamps
        SatelliteInfoSerializableData *satellites = nullptr;
        ESRuntime *runtime = nullptr;

        // The process-wide registry and settings tree.
        static Sources ofDataClass();
    };

    // Pages over the process-wide registry and settings tree (as the setup menu's form creates them).
    explicit EsSetupScreens(QWidget *parent = nullptr);
    explicit EsSetupScreens(const Sources &sources, QWidget *parent = nullptr);
    ~EsSetupScreens() override;

    QStackedWidget *getStackedEsSetup() const;
    CommunicationInformationTable *getCommunicationInformationTable() const { return m_monitor; }
    Radar *satellitePage() const { return m_satellitePage; }

    // The monitor channel of a port page: pages 0 to 3 are channels 0 to 3; any other page is logged and
    // gives 0.
    int getNextComNumber(int page) const;

signals:
    void signalRightTitleLabelText(QString text);
    void requestChange();
    // Declared for the pages' users; nothing emits it.
    void setStatusDisplayWidgetSource(SerializableClass *source, QString name);

public slots:
    void changeRequested();
    // The next port's page (after the last, the first again); the channel button and the monitor follow.
    void showNextPortPage();

protected:
    // Builds the port pages if the constructor could not.
    void showEvent(QShowEvent *event) override;

private:
    void fillStatusLists();
    void buildPortPages();
    void adaptToProduct();

    Ui::EsSetupScreens *ui;
    Sources m_sources;
    CommunicationInformationTable *m_monitor = nullptr;
    Radar *m_satellitePage = nullptr;
    QStringList m_channelNames;
    bool m_portPagesBuilt = false;
};

#endif // ESSETUPSCREENS_H
