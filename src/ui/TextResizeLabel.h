#ifndef TEXTRESIZELABEL_H
#define TEXTRESIZELABEL_H

#include <QLabel>

// A label whose font follows its size: the size and point size it has when first scaled are its base,
// and every resize sets the point size to the base point size times the smaller of the two size ratios.
class TextResizeLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TextResizeLabel(QWidget *parent = nullptr);
    TextResizeLabel(const QString &text, QWidget *parent = nullptr);

public slots:
    void setBasePointSizeF(double point_size);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void captureBase();
    void applyScale();

    bool m_initialised = false;
    double m_basePointSize = 0;
};

#endif // TEXTRESIZELABEL_H
