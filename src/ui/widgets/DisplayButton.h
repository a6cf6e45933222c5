#ifndef DISPLAYBUTTON_H
#define DISPLAYBUTTON_H

#include <QString>
#include <QWidget>

// A selectable display tile: the picture of a display (framed green when selected) with a caption across
// it and a light frame around the tile. A release on it emits clicked().
class DisplayButton : public QWidget
{
    Q_OBJECT
public:
    DisplayButton(QWidget *parent, const QSize &size);

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    QString caption() const { return m_caption; }
    int captionPixelSize() const { return m_captionPixelSize; }

signals:
    void clicked();

public slots:
    void changeSelected();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_selected = false;
    int m_captionPixelSize = 23;
    QString m_caption = QStringLiteral("CU-R207");
};

#endif // DISPLAYBUTTON_H
