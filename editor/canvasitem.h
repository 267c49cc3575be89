#pragma once

#include "editor/itemkeys.h"
#include "editor/viewtransform.h"

#include <QImage>
#include <QLabel>

class TAreaCanvas;
class TSensore;

/**
 * An item placed on the area canvas: a sensor's icon, a barrier's second-end
 * marker or a text label, known by its key (object id and part). It carries
 * the control name and the hint the naming scheme gives (the hint is also its
 * accessible description, its accessible name what a person should hear),
 * keeps where it lies on the page in panel pixels, and draws itself at the
 * canvas's zoom: a picture repeating pixels at whole steps, a label's text at
 * the zoomed size.
 *
 * Mouse events go to the canvas's tool; the item holds no state of a drag.
 */
class TCanvasItem final : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(int mark READ fMark)

public:
    TCanvasItem(TAreaCanvas &canvas, const TChiave &chiave);

    const TChiave &fChiave() const { return m_chiave; }
    qint64 fId() const { return m_chiave.iId; }
    TParte fParte() const { return m_chiave.eParte; }
    /** The store's mark: 1 for a second end, 0 for an icon (and a label). */
    int fMark() const { return m_chiave.eParte == TParte::SecondoCapo ? 1 : 0; }

    /** Takes name, hint, picture or text, font, colour and place from object s; a picture for icons and
     *  second ends. */
    void pAggiorna(const TSensore &s, const QPixmap &picture);
    /** It shows object s's type and number as they are now (else its name and picture are another's). */
    bool fStessoTipoENumero(const TSensore &s) const;
    /** Where it lies on the page, in panel pixels. */
    const QRect &fRettangolo() const { return m_rc; }
    QPoint fPosizione() const { return m_rc.topLeft(); }
    /** Moves it on the page (a drag in progress); the document is not told. */
    void pSetPosizione(const QPoint &pos);
    void pSetVista(const TVista &vista);
    /** It is handling one of its own events: destroying it now would pull the ground from under it. */
    bool fInEvento() const { return m_iInEvento > 0; }
    /** Its place's size at the zoom: a label the size of its text, as the panel's pages measure it. */
    QSize sizeHint() const override { return m_vista.fSchermo(m_rc).size(); }

protected:
    bool event(QEvent *pEvent) override;
    void mousePressEvent(QMouseEvent *pEvent) override;
    void mouseMoveEvent(QMouseEvent *pEvent) override;
    void mouseReleaseEvent(QMouseEvent *pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent *pEvent) override;
    void contextMenuEvent(QContextMenuEvent *pEvent) override;
    void paintEvent(QPaintEvent *pEvent) override;

private:
    void pPosiziona();
    /** The label drawn at the zoom, for a page of that size in panel pixels. */
    QImage fEtichettaIngrandita(const QSize &pannello, qreal dDpr) const;

    TAreaCanvas &m_canvas;
    TChiave m_chiave;
    int m_iTipo = 0;
    qint64 m_iNumero = 0; // the input or output number, a zoom marker's detail area
    QRect m_rc;
    QImage m_img;
    TVista m_vista;
    int m_iInEvento = 0;
};
