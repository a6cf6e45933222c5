#ifndef RADAR_H
#define RADAR_H

#include <QList>
#include <QWidget>

class ESRuntime;
class SatelliteInfoSerializableData;

namespace Ui {
class Radar;
}

// The satellite page: the sky plot of the satellites in view beside the receiver's dilution of
// precision and position errors, the number of satellites and the list of satellites with their
// signal-to-noise ratios. The satellite list comes from the junction box; showing the page asks for it
// by writing and sending the request flag ShowFlag. While the page is hidden a new list is only kept:
// plot and rows are rebuilt at the first list that arrives while it is shown.
class Radar : public QWidget
{
    Q_OBJECT
public:
    // The page over the process-wide settings tree (as the setup pages' form creates it).
    explicit Radar(QWidget *parent = nullptr);
    // Neither settings object is owned.
    Radar(SatelliteInfoSerializableData *satellites, ESRuntime *runtime, QWidget *parent = nullptr);
    ~Radar() override;

    // The last list received (five integers per satellite).
    QList<int> satellites() const { return m_satellites; }

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void updateInfo(QList<int> list);
    void resetRadar();

private:
    SatelliteInfoSerializableData *m_satellitesData;
    QList<int> m_satellites;
    // Written to ShowFlag when the page is shown.
    int m_showValue = 1;
    Ui::Radar *ui;
};

#endif // RADAR_H
