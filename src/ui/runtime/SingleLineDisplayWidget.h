#ifndef SINGLELINEDISPLAYWIDGET_H
#define SINGLELINEDISPLAYWIDGET_H

#include <QWidget>

class RuntimeDisplayableData;

namespace Ui {
class SingleLineDisplayWidget;
}

// One line of a four-line runtime page: the value's title at the bottom left, its value at the bottom
// right, both in the value's colour, and the direction drawing of a speed beside them. The value is shown
// without its sign, which the direction drawing shows instead (a negative longitudinal speed points
// down); positions are shown as degrees and minutes. A value that does not fit beside its title whole is
// shown as not valid. On page B a line whose value has no direction hides the drawing and a line with one
// puts the drawing first.
class SingleLineDisplayWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SingleLineDisplayWidget(QWidget *parent = nullptr);
    ~SingleLineDisplayWidget() override;

    // Follows the feed (not owned) and redraws once.
    void setDisplayableData(RuntimeDisplayableData *feed);
    RuntimeDisplayableData *displayableData() const { return m_feed; }

    // Moves the direction drawing left of the texts (true) or right of them (false).
    void setDirectionFirst(bool first);
    bool isDirectionFirst() const { return m_directionFirst; }

    // The value text of a position in the NMEA form (degrees times 100 plus minutes, sign dropped):
    // degrees, "°", minutes with three decimals, "'" ("5530.1234" gives 55°30.123', "5105.5" 51°5.500',
    // "5159.9999" 52°0.000'); "-/-" for no number.
    static QString positionText(const QString &displayedValue);

public slots:
    void changeLayout();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void updateDisplayedInformation();

private:
    // The width the value's text may take beside the title.
    int valueRoom(const QString &title) const;

    RuntimeDisplayableData *m_feed = nullptr;
    bool m_directionFirst = false;
    Ui::SingleLineDisplayWidget *m_ui;
};

#endif // SINGLELINEDISPLAYWIDGET_H
