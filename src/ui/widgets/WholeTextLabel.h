#ifndef WHOLETEXTLABEL_H
#define WHOLETEXTLABEL_H

#include <QFont>
#include <QLabel>

// A one-line label that shows its text whole in its width. A plain text that does not fit with the
// label's indent and font is shown with less indent, and when that is not enough, without indent in the
// largest smaller font in which it fits (down to half the font; a text too wide even then is clipped). The
// indent and font given to the label (by its form, and by the window's scaling on every resize) stay the ones
// it returns to: a text that fits with them is shown with them.
class WholeTextLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WholeTextLabel(QWidget *parent = nullptr);

    // The indent and font the label was given, which it shows a text with when the text fits.
    int givenIndent() const;
    QFont givenFont() const;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Sets the indent and font with which the present text fits.
    void fit();

    bool m_captured = false;
    bool m_fitting = false;
    int m_givenIndent = 0;
    QFont m_givenFont;
};

#endif // WHOLETEXTLABEL_H
