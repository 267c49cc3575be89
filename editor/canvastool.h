#pragma once

#include <QPoint>

class QKeyEvent;
class QMouseEvent;
class TCanvasItem;

/**
 * What turns the pointer and the keys on the canvas into commands. The
 * canvas hands the tool every mouse event of its items and of its empty
 * ground (pItem null), with the pointer's position on the canvas in screen
 * pixels; the tool maps it to panel pixels through the canvas's view. Each
 * handler answers whether it took the event.
 *
 * The canvas has one tool at a time; the selection tool (selectiontool.h)
 * drags, selects and draws the rubber band.
 */
class TStrumento
{
public:
    virtual ~TStrumento() = default;

    virtual bool fPremuto(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos) = 0;
    virtual bool fMosso(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos) = 0;
    virtual bool fRilasciato(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos) = 0;
    virtual bool fDoppioClic(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos) = 0;
    /** A right click on an item, at globalPos; false when the item has no menu. */
    virtual bool fMenu(TCanvasItem *pItem, const QPoint &globalPos) = 0;
    /** A key while the canvas has the focus; false for a key it leaves to the window. */
    virtual bool fTasto(QKeyEvent *pEvent) = 0;
};
