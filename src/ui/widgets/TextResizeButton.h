#ifndef TEXTRESIZEBUTTON_H
#define TEXTRESIZEBUTTON_H

#include "ui/SizeFollowingFont.h"

#include <QPushButton>

// A push button whose font follows its size, by the rule of TextResizeLabel.
class TextResizeButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TextResizeButton(QWidget *parent = nullptr);
    explicit TextResizeButton(const QString &text, QWidget *parent = nullptr);
    TextResizeButton(const QIcon &icon, const QString &text, QWidget *parent = nullptr);

    double basePointSize() const { return m_font.basePointSize(); }

public slots:
    void setBasePointSizeF(double point_size) { m_font.setBasePointSizeF(this, point_size); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    SizeFollowingFont m_font;
};

#endif // TEXTRESIZEBUTTON_H
