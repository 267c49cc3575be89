#pragma once

#include "editor/canvastool.h"
#include "editor/editorcontext.h"
#include "editor/itemkeys.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class TAreaCanvas;

/** Left and top of an item of the given size moved by (iDx, iDy), kept wholly inside the 480 x 272 page. */
QPoint fLimitedPos(const QPoint &topLeft, const QSize &size, int iDx, int iDy);
/** How far items with these rectangles move together for delta: as far as the first of them can go, an item
 *  already beyond a border holding nothing back. */
QPoint fSpostamentoDiGruppo(const QList<QRect> &aRect, const QPoint &delta);

/** Where a point lies on a grid of step iPasso: the nearest multiple (halves go up). */
int fSullaGriglia(int iValore, int iPasso);

/**
 * The canvas's selection tool: a press selects the item (Ctrl+click adds or
 * takes it out) and starts its drag, or on the empty canvas a rubber band;
 * the moves carry the item, or the whole selection it belongs to, along in
 * panel pixels, always wholly inside the page, an icon's label going with
 * it (etichetteunite.h); the release stores the positions through the
 * document, as one step of its history. Barrier lines
 * vanish at the first movement of either end of a barrier and are drawn
 * again at the release. One drag at a time.
 *
 * While dragging, the pressed item snaps: when its centre or an edge comes
 * within 3 screen pixels of another item's centre or edge, it lines up with
 * it and a guide shows the line; otherwise, with the grid on, its centre goes
 * to the nearest grid point. Alt held turns snapping off.
 *
 * A double click on a zoom marker shows its detail area, on another icon it
 * opens the object's properties; both are queued, since they may destroy the
 * item whose event is being handled. A right click selects the item and asks
 * for its menu. Keys go to fTasto (canvaskeys.h). Store failures are shown by
 * the command boundary; the item stays where it was dragged.
 */
class TStrumentoSelezione final : public QObject, public TStrumento
{
    Q_OBJECT

public:
    TStrumentoSelezione(const TContesto &ctx, TAreaCanvas &canvas, QObject *pParent = nullptr);
    ~TStrumentoSelezione() override;

    /** A drag is in progress. */
    bool fTrascinamento() const { return m_bDragEnabled; }
    /** What a key on the canvas does (arrows, Delete, Escape, Tab); set by the window. */
    std::function<bool(QKeyEvent *)> fnTasto;

    bool fPremuto(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos) override;
    bool fMosso(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos) override;
    bool fRilasciato(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos) override;
    bool fDoppioClic(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos) override;
    bool fMenu(TCanvasItem *pItem, const QPoint &globalPos) override;
    bool fTasto(QKeyEvent *pEvent) override;

signals:
    /** A right click on an item that has a menu (a sensor's icon, a label), at globalPos. */
    void sigMenu(const TChiave &chiave, const QPoint &globalPos);
    /** A double click on a sensor's icon: its properties. */
    void sigProprieta(qint64 iId);

private:
    void pInizia(TCanvasItem *pItem, const QPoint &pos);
    /** Where the dragged items go for the pointer at pos: all as far as the whole group can go; with bAggancia
     *  snapped to the guides or the grid, the guides then in *paGuide. */
    QHash<TChiave, QPoint> fDestinazioni(const QPoint &pos, bool bAggancia, QList<QLine> *paGuide = nullptr) const;
    /** The drag's offset delta snapped for the pressed item, and the guides it lines up with. */
    QPoint fAggancia(const QPoint &delta, QList<QLine> &aGuide) const;
    bool fDragDiGruppo(const TCanvasItem *pItem) const;
    void pFine();
    void pRilasciaItem(TCanvasItem *pItem, const QPoint &pos, bool bAggancia);
    bool fBanda(QMouseEvent *pEvent, const QPoint &pos);

    TContesto m_ctx;
    TAreaCanvas &m_canvas;
    // the drag in progress
    bool m_bDragEnabled = false;
    QPoint m_ptPremuto;               // the press point, in panel pixels
    bool m_bGlobMouseDown = false;    // set by a press; cleared once a barrier drag has wiped the lines
    bool m_bMosso = false;            // the pointer moved since the press
    QHash<TChiave, QRect> m_aInizio;  // each dragged item where the drag found it
    QHash<TChiave, QRect> m_aSeguito; // the labels that go with the dragged icons, where the drag found them
    TChiave m_premuto;                // the item pressed, which the snapping lines up
    bool m_bCursore = false;          // the size-all pointer is shown
    // the rubber band
    bool m_bBanda = false;
    QPoint m_ptBanda; // where it started, in panel pixels
};
