#pragma once

#include "editor/canvaslayers.h"
#include "editor/itemkeys.h"
#include "editor/viewtransform.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QWidget>

class TCanvasItem;
class TCommandBoundary;
class TProjectDocument;
class TSelezione;
class TSensore;
class TStrumento;

/**
 * The area canvas (PnlImgArea): the shown area's page at the zoom of its
 * view. It owns three fixed layers, from bottom to top the background
 * (Image_1), the banner (ImgBanner) and the overlay with the barrier lines,
 * the selection frames and the rubber band (ImgCanvas), and between the
 * banner and the overlay one item per icon, second end and label of the shown
 * objects, kept by key (object id and part) in the order they are stacked.
 *
 * The canvas follows the document: every signal rebuilds, updates or removes
 * the items it concerns, so the canvas always shows what is stored, and a
 * view that cannot follow (a picture that cannot be decoded) reports through
 * the command boundary. It follows the selection with its frames. It edits
 * nothing itself: its tool turns the pointer and the keys into commands.
 */
class TAreaCanvas final : public QWidget
{
    Q_OBJECT

public:
    TAreaCanvas(TProjectDocument &doc, TSelezione &sel, TCommandBoundary &cmd, QWidget *pParent);
    ~TAreaCanvas() override;

    // --- the view ------------------------------------------------------------------
    const TVista &fVista() const { return m_vista; }
    /** Shows the page at iPercento (one of TVista's steps; any other value gives 100). */
    void pSetZoom(int iPercento);
    /** Where a newly placed object's icon goes, in panel pixels. */
    QPoint fPosizioneNuovi() const;

    // --- the tool --------------------------------------------------------------------
    void pSetStrumento(TStrumento *pStrumento) { m_pStrumento = pStrumento; }
    TStrumento *fStrumento() const { return m_pStrumento; }

    // --- the items -------------------------------------------------------------------
    TCanvasItem *fItem(const TChiave &chiave) const { return m_aItems.value(chiave, nullptr); }
    /** Every item, from the bottom of the stack to the top. */
    QList<TCanvasItem *> fItems() const;
    /** Moves an item on the page while a drag is in progress; the frames and the status bar follow. */
    void pSposta(const TChiave &chiave, const QPoint &pos);
    /** Brings object iId's items to the front and into sight. */
    void pMostraOggetto(qint64 iId);

    // --- the layers ------------------------------------------------------------------
    void pLoadImgArea(qint64 iId);
    void pLoadBanner(int iLevel);
    /** Draws the barrier lines of the shown area on the overlay now, from the stored rows. */
    void pDrawBline();
    /** Wipes the barrier lines until they are next drawn. */
    void pWipeBlines();
    const QList<QLine> &fLines() const;
    /** The rubber band being drawn, in panel pixels; an empty rectangle for none. */
    void pSetBanda(const QRect &rc);
    /** Lines drawn again, frames on the selected items, overlay on top. */
    void pRepaintAll();
    /** Removes every item. */
    void pPulisciTutto();
    /** Nothing shown: no item, no background, no line; the banner strip keeps its picture. */
    void pSvuota();
    // --- the grid, the guides and the numbers, on the screen only -------------------------------
    /** The grid every iPasso panel pixels; 0 for none. */
    void pSetGriglia(int iPasso);
    int fGriglia() const;
    /** The guides of a drag, in panel pixels; an empty list for none. */
    void pSetGuide(const QList<QLine> &aGuide);
    const QList<QLine> &fGuide() const;
    /** Each icon's I/O number in a badge, red when its class uses it twice in the project. */
    void pSetMostraNumeri(bool bMostra);
    bool fMostraNumeri() const { return m_bNumeri; }
    const QList<TNumeroMostrato> &fNumeri() const;

    /** What the canvas draws over the area's picture (banner, items, lines), at 480 x 272, transparent elsewhere. */
    QImage fSopraSfondo() const;

signals:
    /** The zoom changed: iPercento. */
    void sigZoom(int iPercento);
    /** An item moved on the screen without the document (a drag): the status bar follows. */
    void sigSpostato(const TChiave &chiave, const QPoint &pos);
    /** A rectangle of the canvas, in its own pixels, that should come into sight. */
    void sigInVista(const QRect &rc);

protected:
    bool event(QEvent *pEvent) override;
    void mousePressEvent(QMouseEvent *pEvent) override;
    void mouseMoveEvent(QMouseEvent *pEvent) override;
    void mouseReleaseEvent(QMouseEvent *pEvent) override;

private:
    void pSegui();
    /** Shows the document's shown area: background, banner, items, lines. */
    void pMostraArea();
    /** Brings object iId's items in line with the document (built, updated or removed). */
    void pSincronizza(qint64 iId);
    void pRimuovi(qint64 iId);
    /** Builds the items of object s, on top of the others. */
    void pCostruisci(const TSensore &s);
    TCanvasItem *fNuovoItem(const TSensore &s, const TChiave &chiave, const QPixmap &picture);
    void pAggiornaCornici();
    /** The badges where the icons are now; with bRileggi the repeated numbers are read again. */
    void pAggiornaNumeri(bool bRileggi);
    /** Takes an item off the canvas. */
    void pScarta(TCanvasItem *pItem);

    TProjectDocument &m_doc;
    TSelezione &m_sel;
    TCommandBoundary &m_cmd;
    TVista m_vista;
    TStrumento *m_pStrumento = nullptr;
    TLivelloImmagine *m_pSfondo = nullptr;
    TLivelloImmagine *m_pBanner = nullptr;
    TLivelloGriglia *m_pGriglia = nullptr;
    TCanvasOverlay *m_pOverlay = nullptr;
    QHash<TChiave, TCanvasItem *> m_aItems;
    bool m_bNumeri = false;
    QMap<int, QSet<qint64>> m_aRipetuti; // by type, the numbers its class uses twice
};
