#include "editor/selectiontool.h"

#include "document/projectdocument.h"
#include "editor/canvas.h"
#include "editor/canvasitem.h"
#include "editor/etichetteunite.h"
#include "editor/selectionmodel.h"
#include "workspace/pannello.h"

#include <QApplication>
#include <QMetaObject>
#include <QMouseEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

QPoint fLimitedPos(const QPoint &topLeft, const QSize &size, int iDx, int iDy)
{
    const int iXLimit = iLarghezzaPannello - size.width();
    const int iYLimit = iAltezzaPannello - size.height();
    int iLeft = topLeft.x() + iDx;
    if (iLeft < 0)
        iLeft = 0;
    if (iLeft > iXLimit)
        iLeft = iXLimit;
    int iTop = topLeft.y() + iDy;
    if (iTop < 0)
        iTop = 0;
    if (iTop > iYLimit)
        iTop = iYLimit;
    return {iLeft, iTop};
}

QPoint fSpostamentoDiGruppo(const QList<QRect> &aRect, const QPoint &delta)
{
    int iMinX = -iLarghezzaPannello, iMaxX = iLarghezzaPannello;
    int iMinY = -iAltezzaPannello, iMaxY = iAltezzaPannello;
    for (const QRect &rc : aRect) {
        iMinX = std::max(iMinX, std::min(0, -rc.x()));
        iMaxX = std::min(iMaxX, std::max(0, iLarghezzaPannello - rc.width() - rc.x()));
        iMinY = std::max(iMinY, std::min(0, -rc.y()));
        iMaxY = std::min(iMaxY, std::max(0, iAltezzaPannello - rc.height() - rc.y()));
    }
    return {std::clamp(delta.x(), iMinX, iMaxX), std::clamp(delta.y(), iMinY, iMaxY)};
}

int fSullaGriglia(int iValore, int iPasso)
{
    if (iPasso <= 0)
        return iValore;
    return static_cast<int>(std::floor(double(iValore) / iPasso + 0.5)) * iPasso;
}

namespace {

/** The three lines of a rectangle along one axis: its first edge, its centre as maps.txt gives it, its far edge. */
std::array<int, 3> fLinee(const QRect &rc, bool bY)
{
    const int iInizio = bY ? rc.y() : rc.x();
    const int iLato = bY ? rc.height() : rc.width();
    return {iInizio, iInizio + iLato / 2, iInizio + iLato};
}

/** Snaps to a closing line along one axis: the shift to it, and the guide that shows it, when one is within
 *  dTolleranza. */
std::optional<std::pair<int, QLine>> fGuida(const QRect &mosso, const QList<QRect> &aAltri, bool bY, double dTolleranza)
{
    std::optional<std::pair<int, QLine>> migliore;
    int iDistanza = 0;
    for (const QRect &altro : aAltri)
        for (int iMia : fLinee(mosso, bY))
            for (int iSua : fLinee(altro, bY)) {
                const int d = iSua - iMia;
                if (std::abs(d) > dTolleranza || (migliore && std::abs(d) >= iDistanza))
                    continue;
                iDistanza = std::abs(d);
                // across both rectangles, from the one to the other
                const QRect unione = mosso.translated(bY ? QPoint(0, d) : QPoint(d, 0)).united(altro);
                const QLine guida = bY ? QLine(unione.left() - 4, iSua, unione.right() + 4, iSua)
                                       : QLine(iSua, unione.top() - 4, iSua, unione.bottom() + 4);
                migliore = std::make_pair(d, guida);
            }
    return migliore;
}

} // namespace

TStrumentoSelezione::TStrumentoSelezione(const TContesto &ctx, TAreaCanvas &canvas, QObject *pParent)
    : QObject(pParent), m_ctx(ctx), m_canvas(canvas)
{
}

TStrumentoSelezione::~TStrumentoSelezione()
{
    if (m_bCursore)
        QApplication::restoreOverrideCursor();
}

bool TStrumentoSelezione::fDragDiGruppo(const TCanvasItem *pItem) const
{
    return m_ctx.sel.fMultipla() && m_ctx.sel.fContiene(pItem->fChiave());
}

void TStrumentoSelezione::pInizia(TCanvasItem *pItem, const QPoint &pos)
{
    m_bDragEnabled = true;
    m_ptPremuto = m_canvas.fVista().fPannello(pos);
    m_bMosso = false;
    m_bGlobMouseDown = true;
    m_aInizio.clear();
    m_premuto = pItem->fChiave();
    if (fDragDiGruppo(pItem)) {
        for (const TChiave &chiave : m_ctx.sel.fChiavi())
            if (const TCanvasItem *p = m_canvas.fItem(chiave))
                m_aInizio.insert(chiave, p->fRettangolo());
    } else {
        m_aInizio.insert(pItem->fChiave(), pItem->fRettangolo());
    }
    m_aSeguito.clear();
    for (const TChiave &chiave : fEtichetteAlSeguito(m_ctx.doc, m_aInizio.keys()))
        if (const TCanvasItem *p = m_canvas.fItem(chiave))
            m_aSeguito.insert(chiave, p->fRettangolo());
}

void TStrumentoSelezione::pFine()
{
    if (m_bCursore) {
        QApplication::restoreOverrideCursor();
        m_bCursore = false;
    }
    m_bDragEnabled = false;
    m_canvas.pSetGuide({});
}

QPoint TStrumentoSelezione::fAggancia(const QPoint &delta, QList<QLine> &aGuide) const
{
    if (!m_aInizio.contains(m_premuto))
        return delta;
    const QRect mosso = m_aInizio.value(m_premuto).translated(delta);
    QList<QRect> aAltri;
    for (const TCanvasItem *pItem : m_canvas.fItems())
        if (pItem->isVisible() && !m_aInizio.contains(pItem->fChiave()) && !m_aSeguito.contains(pItem->fChiave()))
            aAltri << pItem->fRettangolo();
    // 3 screen pixels, in panel pixels at this zoom
    const double dTolleranza = 3.0 / m_canvas.fVista().fScala();
    const int iPasso = m_canvas.fGriglia();
    QPoint d = delta;
    for (bool bY : {false, true}) {
        int &iAsse = bY ? d.ry() : d.rx();
        if (const auto guida = fGuida(mosso, aAltri, bY, dTolleranza)) {
            iAsse += guida->first;
            aGuide << guida->second;
        } else if (iPasso > 0) {
            const int iCentro = fLinee(mosso, bY)[1];
            iAsse += fSullaGriglia(iCentro, iPasso) - iCentro;
        }
    }
    return d;
}

QHash<TChiave, QPoint> TStrumentoSelezione::fDestinazioni(const QPoint &pos, bool bAggancia,
                                                          QList<QLine> *paGuide) const
{
    QPoint delta = m_canvas.fVista().fPannello(pos) - m_ptPremuto;
    if (bAggancia) {
        QList<QLine> aGuide;
        delta = fAggancia(delta, aGuide);
        if (paGuide)
            *paGuide = aGuide;
    }
    QHash<TChiave, QPoint> aDove;
    if (m_aInizio.size() == 1 && m_aSeguito.isEmpty()) {
        const QRect rc = m_aInizio.cbegin().value();
        aDove.insert(m_aInizio.cbegin().key(), fLimitedPos(rc.topLeft(), rc.size(), delta.x(), delta.y()));
        return aDove;
    }
    // the whole selection, with the labels that follow it, goes as far as its first item can
    const QPoint d = fSpostamentoDiGruppo(m_aInizio.values() + m_aSeguito.values(), delta);
    for (const QHash<TChiave, QRect> *pItems : {&m_aInizio, &m_aSeguito})
        for (auto it = pItems->cbegin(); it != pItems->cend(); ++it)
            aDove.insert(it.key(), it.value().topLeft() + d);
    return aDove;
}

bool TStrumentoSelezione::fPremuto(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos)
{
    if (!pItem)
        return fBanda(pEvent, pos);
    m_canvas.setFocus(Qt::MouseFocusReason);
    if (pEvent->modifiers() & Qt::ControlModifier) {
        m_ctx.sel.pCambia(pItem->fChiave()); // no drag: Ctrl+click only adds or takes out
        return true;
    }
    if (!m_ctx.sel.fContiene(pItem->fChiave()))
        m_ctx.sel.pSeleziona(pItem->fChiave());
    pInizia(pItem, pos);
    return true;
}

bool TStrumentoSelezione::fMosso(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos)
{
    if (!pItem)
        return fBanda(pEvent, pos);
    if (!m_bDragEnabled)
        return true;
    m_bMosso = true;
    if (!m_bCursore) {
        QApplication::setOverrideCursor(Qt::SizeAllCursor);
        m_bCursore = true;
    }
    // barrier lines go while any end of a barrier moves
    if (m_bGlobMouseDown) {
        for (auto it = m_aInizio.cbegin(); it != m_aInizio.cend(); ++it) {
            const TSensore *p = m_ctx.doc.fOggetto(it.key().iId);
            if (p && p->Get_tiposensore() == 4 && it.key().eParte != TParte::Testo) {
                m_canvas.pWipeBlines();
                m_bGlobMouseDown = false;
            }
        }
        if (m_aInizio.size() > 1)
            m_bGlobMouseDown = false;
    }
    QList<QLine> aGuide;
    const QHash<TChiave, QPoint> aDove = fDestinazioni(pos, !(pEvent->modifiers() & Qt::AltModifier), &aGuide);
    for (auto it = aDove.cbegin(); it != aDove.cend(); ++it)
        m_canvas.pSposta(it.key(), it.value());
    m_canvas.pSetGuide(aGuide);
    return true;
}

bool TStrumentoSelezione::fRilasciato(TCanvasItem *pItem, QMouseEvent *pEvent, const QPoint &pos)
{
    if (!pItem)
        return fBanda(pEvent, pos);
    if (!m_bDragEnabled)
        return true;
    pFine();
    pItem->releaseMouse();
    const bool bAggancia = !(pEvent->modifiers() & Qt::AltModifier);
    m_ctx.cmd.pRunCommand([&] { pRilasciaItem(pItem, pos, bAggancia); });
    return true;
}

void TStrumentoSelezione::pRilasciaItem(TCanvasItem *pItem, const QPoint &pos, bool bAggancia)
{
    const bool bGruppo = m_aInizio.size() > 1;
    if (bGruppo && !m_bMosso) {
        m_ctx.sel.pSeleziona(pItem->fChiave()); // a click that moved nothing picks this item out of the selection
        return;
    }
    // the items show the positions that are stored, even when the release lands off the last move
    const QHash<TChiave, QPoint> aDove = fDestinazioni(pos, bAggancia && m_bMosso); // a click moves nothing
    for (auto it = aDove.cbegin(); it != aDove.cend(); ++it)
        m_canvas.pSposta(it.key(), it.value());
    if (bGruppo || !m_aSeguito.isEmpty()) {
        // one drag is one step, the labels that follow stored after their icons
        const QList<TChiave> aChiavi = bGruppo ? m_ctx.sel.fChiaviInOrdine() : QList<TChiave>{pItem->fChiave()};
        QList<TElemento> aElementi;
        for (const TChiave &chiave : aChiavi)
            if (aDove.contains(chiave))
                aElementi << TElemento{chiave.iId, int(chiave.eParte), aDove.value(chiave)};
        m_ctx.doc.pSpostaElementi(fConEtichette(m_ctx.doc, aElementi, aChiavi), tr("spostamento"), false);
    } else {
        const TChiave chiave = pItem->fChiave();
        const QPoint dove = aDove.value(chiave);
        if (chiave.eParte == TParte::Testo)
            m_ctx.doc.pSpostaTesto(chiave.iId, dove, pItem->text());
        else
            m_ctx.doc.pSpostaOggetto(chiave.iId, pItem->fMark(), dove);
    }
    m_canvas.pRepaintAll();
}

bool TStrumentoSelezione::fDoppioClic(TCanvasItem *pItem, QMouseEvent *, const QPoint &pos)
{
    if (!pItem)
        return false;
    // the second press of a double click: it starts a drag like any press
    pInizia(pItem, pos);
    const TSensore *p = m_ctx.doc.fOggetto(pItem->fId());
    if (!p || pItem->fParte() != TParte::Icona)
        return true;
    const qint64 iId = pItem->fId();
    const qint64 iDettaglio = p->Get_tiposensore() == 3 ? p->Get_area_zoom() : 0;
    const bool bZoom = p->Get_tiposensore() == 3;
    // after the double click's own handling: the navigation clears the canvas, the properties may rebuild the icon
    QMetaObject::invokeMethod(
        this,
        [this, iId, iDettaglio, bZoom] {
            pFine(); // the release that follows must do nothing
            m_ctx.cmd.pRunCommand([&] {
                if (bZoom) {
                    if (m_ctx.doc.fAperto() && m_ctx.doc.fArea(iDettaglio))
                        m_ctx.doc.pMostraArea(iDettaglio);
                } else if (m_ctx.doc.fOggetto(iId)) {
                    emit sigProprieta(iId);
                }
            });
        },
        Qt::QueuedConnection);
    return true;
}

bool TStrumentoSelezione::fMenu(TCanvasItem *pItem, const QPoint &globalPos)
{
    const TSensore *p = pItem ? m_ctx.doc.fOggetto(pItem->fId()) : nullptr;
    if (!p || pItem->fParte() == TParte::SecondoCapo || (pItem->fParte() == TParte::Icona && p->Get_tiposensore() == 3))
        return false;
    // the right press that opened the menu gets no release of its own
    pFine();
    m_ctx.sel.pSeleziona(pItem->fChiave());
    emit sigMenu(pItem->fChiave(), globalPos);
    return true;
}

bool TStrumentoSelezione::fTasto(QKeyEvent *pEvent)
{
    return fnTasto && fnTasto(pEvent);
}

bool TStrumentoSelezione::fBanda(QMouseEvent *pEvent, const QPoint &pos)
{
    const QPoint pannello = m_canvas.fVista().fPannello(pos);
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        if (pEvent->button() != Qt::LeftButton || !m_ctx.doc.fAperto() || m_ctx.doc.fAreaMostrata() == 0) {
            m_ctx.sel.pSvuota();
            return false;
        }
        if (!(pEvent->modifiers() & Qt::ControlModifier))
            m_ctx.sel.pSvuota();
        m_canvas.setFocus(Qt::MouseFocusReason);
        m_bBanda = true;
        m_ptBanda = pannello;
        return true;
    case QEvent::MouseMove:
        if (!m_bBanda)
            return false;
        m_canvas.pSetBanda(QRect(m_ptBanda, pannello).normalized());
        return true;
    case QEvent::MouseButtonRelease: {
        if (!m_bBanda || pEvent->button() != Qt::LeftButton)
            return false;
        m_bBanda = false;
        m_canvas.pSetBanda(QRect());
        const QRect banda = QRect(m_ptBanda, pannello).normalized();
        if (banda.width() <= 1 && banda.height() <= 1)
            return true; // a click: nothing more is selected
        // every item the band touches, added to what Ctrl kept, in the order they are stacked
        QList<TChiave> aChiavi;
        for (const TCanvasItem *pItem : m_canvas.fItems())
            if (m_ctx.sel.fContiene(pItem->fChiave()))
                aChiavi << pItem->fChiave();
        for (const TCanvasItem *pItem : m_canvas.fItems())
            if (pItem->isVisible() && pItem->fRettangolo().intersects(banda) && !aChiavi.contains(pItem->fChiave()))
                aChiavi << pItem->fChiave();
        m_ctx.sel.pImposta(aChiavi);
        return true;
    }
    default:
        return false;
    }
}
