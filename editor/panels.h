#pragma once

#include <QWidget>

#include <functional>

/**
 * The client area of the main window. Its children are placed by hand, at
 * the pixel positions of the window's design, by the layout function given
 * to it, which runs on every resize.
 */
class TClientArea final : public QWidget
{
    Q_OBJECT

public:
    explicit TClientArea(QWidget *pParent) : QWidget(pParent) {}
    /** Places the children; run on every resize. */
    std::function<void()> pOnLayout;

protected:
    void resizeEvent(QResizeEvent *) override
    {
        if (pOnLayout)
            pOnLayout();
    }
};

/**
 * The 3-pixel bar between the left and the right panel. While it is dragged
 * each proposed width of the left panel goes to fProponi, which moves the
 * panels and answers true, or vetoes the position and answers false (the bar
 * then stays where it was).
 */
class TSplitterBar final : public QWidget
{
    Q_OBJECT

public:
    explicit TSplitterBar(QWidget *pParent);
    /** Takes a proposed width of the left panel: true when the panels moved, false when it is vetoed. */
    std::function<bool(int)> fProponi;

protected:
    void mousePressEvent(QMouseEvent *pEvent) override;
    void mouseMoveEvent(QMouseEvent *pEvent) override;
    void mouseReleaseEvent(QMouseEvent *pEvent) override;

private:
    bool m_bDragging = false;
    int m_iGrabOffset = 0;
};
