#ifndef STACKEDWIDGETWITHOVERLAY_H
#define STACKEDWIDGETWITHOVERLAY_H

#include <QPointer>
#include <QStackedWidget>

// A stacked widget whose last page is not a page but an overlay lying above every page: the first show or
// paint takes it out of the stack, and it then keeps the stack's size and stays on top across page
// switches.
class StackedWidgetWithOverlay : public QStackedWidget
{
    Q_OBJECT
public:
    explicit StackedWidgetWithOverlay(QWidget *parent = nullptr);

    QWidget *overlay() const { return m_overlay; }
    bool isOverlayTaken() const { return m_overlayTaken; }

    // Takes the last page out of the stack (it stays a child) and shows it above the pages, at the
    // stack's size.
    void takeOverlay();

public slots:
    // Switches the page and keeps the overlay above the new one.
    void setCurrentIndex(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<QWidget> m_overlay;
    bool m_overlayTaken = false;
};

#endif // STACKEDWIDGETWITHOVERLAY_H
