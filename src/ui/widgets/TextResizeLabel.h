#ifndef TEXTRESIZELABEL_H
#define TEXTRESIZELABEL_H

#include "ui/SizeFollowingFont.h"

#include <QLabel>

// A label whose font follows its size: at its first resize the current size and point size become the
// base, and every resize scales the point size by the smaller of the width and height ratios (at least 1
// point).
class TextResizeLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TextResizeLabel(QWidget *parent = nullptr);
    explicit TextResizeLabel(const QString &text, QWidget *parent = nullptr);

    double basePointSize() const { return m_font.basePointSize(); }

public slots:
    void setBasePointSizeF(double point_size) { m_font.setBasePointSizeF(this, point_size); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    SizeFollowingFont m_font;
};

#endif // TEXTRESIZELABEL_H
