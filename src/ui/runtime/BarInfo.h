#ifndef BARINFO_H
#define BARINFO_H

#include <QString>
#include <QWidget>

namespace Ui {
class BarInfo;
}

// One row of the satellite list: the satellite's number, its constellation's flag and name, a bar of
// its signal-to-noise ratio (coloured gray up to 25 dB-Hz, cyan up to 50, blue up to 75, green above)
// and the ratio as a number. The row shows its style-sheet background.
class BarInfo : public QWidget
{
    Q_OBJECT
public:
    BarInfo(int satelliteNumber, float snr, const QString &constellation, QWidget *parent = nullptr);
    ~BarInfo() override;

    int satelliteNumber() const { return m_satelliteNumber; }
    float snr() const { return m_snr; }
    QString constellation() const { return m_constellation; }

    void setSatelliteNumber(int number);
    // The bar and the number follow; the bar's colour stays.
    void setSnr(float snr);
    void setConstellation(const QString &constellation);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::BarInfo *ui;
    int m_satelliteNumber;
    float m_snr;
    QString m_constellation;
};

#endif // BARINFO_H
