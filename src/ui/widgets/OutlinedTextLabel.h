#ifndef OUTLINEDTEXTLABEL_H
#define OUTLINEDTEXTLABEL_H

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QStringList>
#include <QWidget>

// Text drawn as an outlined path on a rounded box. Parts of the text between "<i>" and "</i>" are drawn
// in italics. The label can measure a reference text (drawn in italics) and take that size, so that
// labels showing changing values keep one size.
class OutlinedTextLabel : public QWidget
{
    Q_OBJECT
public:
    explicit OutlinedTextLabel(QWidget *parent = nullptr);

    // The text with italic markers; text() returns it without them.
    void setText(const QString &text);
    QString text() const { return m_plainText; }
    QStringList segments() const { return m_segments; }
    QList<bool> italicSegments() const { return m_italic; }

    void setTextColor(const QColor &color);
    void setOutlineColor(const QColor &color);
    void setBackgroundColor(const QColor &color);
    void setOutlineWidth(int width);
    void setTextFont(const QFont &font);
    // Measures the text (an empty one keeps the last) and takes its size when it changed.
    void setSizeReferenceText(const QString &text);

    QSize sizeHint() const override;

signals:
    void sizeAdjusted();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal baseline() const;
    QPainterPath textPath() const;

    QString m_plainText;
    QStringList m_segments;
    QList<bool> m_italic;
    QColor m_textColor;
    QColor m_outlineColor;
    QColor m_backgroundColor;
    int m_outlineWidth = 2;
    QFont m_font;
    int m_measuredWidth = -1;
    int m_measuredHeight = -1;
    QString m_referenceText;
};

#endif // OUTLINEDTEXTLABEL_H
