#include "editor/canvas.h"

#include "document/projectdocument.h"
#include "editor/canvasitem.h"
#include "editor/canvaslayers.h"
#include "editor/canvastool.h"
#include "editor/editorcontext.h"
#include "editor/selectionmodel.h"
#include "model/catalogo.h"
#include "preview/disegno.h"
#include "workspace/lingua.h"
#include "workspace/pannello.h"
#include "workspace/uty.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>

namespace {

QString fIconPath(int iTipo, int iIconSize)
{
    return sGlobGrfcPath + fGetTipo(iTipo) + QString::number(iIconSize) + QStringLiteral(".png");
}

} // namespace

TAreaCanvas::TAreaCanvas(TProjectDocument &doc, TSelezione &sel, TCommandBoundary &cmd, QWidget *pParent)
    : QWidget(pParent), m_doc(doc), m_sel(sel), m_cmd(cmd)
{
    setObjectName(QStringLiteral("PnlImgArea"));
    setFocusPolicy(Qt::ClickFocus); // the keys of the selection
    setAccessibleName(tr("Area"));

    m_pSfondo = new TLivelloImmagine(this);
    m_pSfondo->setObjectName(QStringLiteral("Image_1"));
    m_pBanner = new TLivelloImmagine(this);
    m_pBanner->setObjectName(QStringLiteral("ImgBanner"));
    m_pGriglia = new TLivelloGriglia(this); // below every item, which is made later
    m_pGriglia->setObjectName(QStringLiteral("ImgGriglia"));
    m_pOverlay = new TCanvasOverlay(this);
    m_pOverlay->setObjectName(QStringLiteral("ImgCanvas"));
    pSetZoom(100);
    pSegui();
}

TAreaCanvas::~TAreaCanvas() = default;

void TAreaCanvas::pSegui()
{
    // every slot reports its failure to the command that made the document change
    auto fGuard = [this](auto fn) {
        return [this, fn](auto... args) {
            try {
                fn(args...);
            } catch (...) {
                m_cmd.pViewFailed(std::current_exception());
            }
        };
    };
    connect(&m_doc, &TProjectDocument::sigProgetto, this, fGuard([this](bool bAperto) {
        if (!bAperto)
            pSvuota();
    }));
    connect(&m_doc, &TProjectDocument::sigAreaMostrata, this, fGuard([this](qint64) { pMostraArea(); }));
    connect(&m_doc, &TProjectDocument::sigSfondoCambiato, this, fGuard([this](qint64 iId) { pLoadImgArea(iId); }));
    connect(&m_doc, &TProjectDocument::sigOggettoAggiunto, this, fGuard([this](qint64 iId) { pSincronizza(iId); }));
    connect(&m_doc, &TProjectDocument::sigOggettoCambiato, this, fGuard([this](qint64 iId) { pSincronizza(iId); }));
    connect(&m_doc, &TProjectDocument::sigOggettoRimosso, this, fGuard([this](qint64 iId) { pRimuovi(iId); }));
    connect(&m_sel, &TSelezione::changed, this, [this] { pAggiornaCornici(); });
    connect(&m_sel, &TSelezione::sigInVista, this, [this](qint64 iId) { pMostraOggetto(iId); });
}

// --- the view ------------------------------------------------------------------------

void TAreaCanvas::pSetZoom(int iPercento)
{
    m_vista = TVista(iPercento);
    setFixedSize(m_vista.fSchermo(QSize(iLarghezzaPannello, iAltezzaPannello)));
    m_pSfondo->setGeometry(rect());
    m_pSfondo->pSetVista(m_vista);
    m_pBanner->setGeometry(m_vista.fSchermo(QRect(0, 0, iLarghezzaPannello, iAltezzaBanner)));
    m_pBanner->pSetVista(m_vista);
    m_pGriglia->setGeometry(rect());
    m_pGriglia->pSetVista(m_vista);
    m_pOverlay->setGeometry(rect());
    m_pOverlay->pSetVista(m_vista);
    for (TCanvasItem *pItem : std::as_const(m_aItems))
        pItem->pSetVista(m_vista);
    emit sigZoom(m_vista.fPercento());
}

QPoint TAreaCanvas::fPosizioneNuovi() const
{
    return ptPosizioneNuovi;
}

// --- the items -------------------------------------------------------------------------

QList<TCanvasItem *> TAreaCanvas::fItems() const
{
    QList<TCanvasItem *> a;
    for (QObject *pChild : children())
        if (auto *pItem = qobject_cast<TCanvasItem *>(pChild); pItem && m_aItems.value(pItem->fChiave()) == pItem)
            a << pItem;
    return a;
}

void TAreaCanvas::pSposta(const TChiave &chiave, const QPoint &pos)
{
    TCanvasItem *pItem = fItem(chiave);
    if (!pItem || pItem->fPosizione() == pos)
        return;
    pItem->pSetPosizione(pos);
    pAggiornaCornici();
    if (m_bNumeri && chiave.eParte == TParte::Icona)
        pAggiornaNumeri(false);
    emit sigSpostato(chiave, pos);
}

void TAreaCanvas::pMostraOggetto(qint64 iId)
{
    QRect rc;
    for (TCanvasItem *pItem : fItems())
        if (pItem->fId() == iId) {
            pItem->raise();
            rc = rc.united(pItem->geometry());
        }
    m_pOverlay->raise();
    if (!rc.isEmpty())
        emit sigInVista(rc);
}

TCanvasItem *TAreaCanvas::fNuovoItem(const TSensore &s, const TChiave &chiave, const QPixmap &picture)
{
    auto *pItem = new TCanvasItem(*this, chiave);
    m_aItems.insert(chiave, pItem);
    pItem->pAggiorna(s, picture);
    pItem->show();
    return pItem;
}

void TAreaCanvas::pCostruisci(const TSensore &s)
{
    // the pictures first: one that cannot be read builds nothing
    const QPixmap icona = fReadIcon(fIconPath(s.Get_tiposensore(), s.Get_iconsize()));
    QPixmap marker;
    if (fHaParte(s, TParte::SecondoCapo))
        marker = fReadIcon(sGlobGrfcPath + QStringLiteral("b2.png"));
    // stacked as placed: the second end, the label, and the icon above both
    for (const TChiave &chiave : fChiaviDi(s))
        fNuovoItem(s, chiave, chiave.eParte == TParte::Icona ? icona : marker);
}

void TAreaCanvas::pScarta(TCanvasItem *pItem)
{
    // off the canvas at once; an item handling its own event is destroyed once that is over
    if (!pItem)
        return;
    if (!pItem->fInEvento()) {
        delete pItem;
        return;
    }
    pItem->hide();
    pItem->setParent(nullptr);
    pItem->deleteLater();
}

void TAreaCanvas::pPulisciTutto()
{
    const QList<TCanvasItem *> aItems = fItems();
    m_aItems.clear();
    for (qsizetype i = aItems.size() - 1; i >= 0; --i)
        pScarta(aItems.at(i));
}

void TAreaCanvas::pSvuota()
{
    pPulisciTutto();
    m_pSfondo->clear();
    pWipeBlines();
    pAggiornaCornici();
    pAggiornaNumeri(false);
}

void TAreaCanvas::pMostraArea()
{
    pWipeBlines();
    pPulisciTutto();
    const qint64 iId = m_doc.fAreaMostrata();
    if (iId == 0) {
        m_pBanner->clear();
        return pSvuota();
    }
    const TAreaRow *pArea = m_doc.fArea(iId);
    pLoadImgArea(iId);
    pLoadBanner(pArea ? pArea->iLivello : 0);
    // built in one go and painted once, at the end
    setUpdatesEnabled(false);
    try {
        for (const TSensore &s : m_doc.fOggetti())
            pCostruisci(s);
    } catch (...) {
        setUpdatesEnabled(true);
        throw;
    }
    setUpdatesEnabled(true);
    pRepaintAll();
}

void TAreaCanvas::pSincronizza(qint64 iId)
{
    const TSensore *p = m_doc.fOggetto(iId);
    if (!p)
        return pRimuovi(iId);
    const TSensore &s = *p;
    TCanvasItem *pIcona = fItem({iId, TParte::Icona});
    if (!pIcona) {
        // a new object lies on top when it is the newest; one brought back takes its place among the others
        if (m_doc.fOggetti().last().Get_id() != iId)
            return pMostraArea();
        pCostruisci(s);
        pRepaintAll();
        return;
    }
    // another type or number: its items are built anew in their place among the others
    if (!pIcona->fStessoTipoENumero(s) ||
        (fItem({iId, TParte::SecondoCapo}) != nullptr) != fHaParte(s, TParte::SecondoCapo))
        return pMostraArea();
    pIcona->pAggiorna(s, pIcona->pixmap());
    if (TCanvasItem *pCapo = fItem({iId, TParte::SecondoCapo}))
        pCapo->pAggiorna(s, pCapo->pixmap());
    const TChiave testo{iId, TParte::Testo};
    TCanvasItem *pTesto = fItem(testo);
    if (!fHaParte(s, TParte::Testo)) {
        m_aItems.remove(testo);
        pScarta(pTesto);
    } else if (pTesto) {
        pTesto->pAggiorna(s, QPixmap());
    } else {
        fNuovoItem(s, testo, QPixmap()); // a new label lies on top
    }
    pRepaintAll();
}

void TAreaCanvas::pRimuovi(qint64 iId)
{
    for (TParte eParte : {TParte::Icona, TParte::SecondoCapo, TParte::Testo})
        pScarta(m_aItems.take({iId, eParte}));
    pRepaintAll();
}

// --- the layers ---------------------------------------------------------------------------

void TAreaCanvas::pLoadImgArea(qint64 iId)
{
    const QString sPath = m_doc.fAreaPicturePath(iId);
    if (QFileInfo::exists(sPath))
        m_pSfondo->setPixmap(fReadPicture(sPath)); // from the top-left corner, clipped at 480 x 272
    else
        m_pSfondo->clear();
}

void TAreaCanvas::pLoadBanner(int iLevel)
{
    // the banners carry the level's words, drawn once per language: ban1.png, ban1_en.png
    const QString sLingua = fLinguaScelta() == QLatin1String("it") ? QString() : QLatin1Char('_') + fLinguaScelta();
    m_pBanner->setPixmap(fReadPicture(sGlobGrfcPath + (iLevel == 0 ? QStringLiteral("ban1") : QStringLiteral("ban2")) +
                                      sLingua + QStringLiteral(".png")));
}

void TAreaCanvas::pDrawBline()
{
    QList<QLine> aLines;
    for (const TSensore &s : m_doc.fOggetti()) {
        if (s.Get_tiposensore() != 4)
            continue;
        aLines.append(fLineaBarriera(QPoint(s.Get_coordx(), s.Get_coordy()), s.Get_iconsize(),
                                     QPoint(s.Get_coordx2(), s.Get_coordy2())));
    }
    m_pOverlay->raise(); // above every item
    m_pOverlay->pSetLines(aLines);
}

void TAreaCanvas::pWipeBlines()
{
    m_pOverlay->pSetLines({});
}

const QList<QLine> &TAreaCanvas::fLines() const
{
    return m_pOverlay->fLines();
}

void TAreaCanvas::pSetBanda(const QRect &rc)
{
    m_pOverlay->raise();
    m_pOverlay->pSetBanda(rc);
}

void TAreaCanvas::pRepaintAll()
{
    if (m_doc.fAperto() && m_doc.fAreaMostrata() != 0)
        pDrawBline();
    else
        pWipeBlines();
    pAggiornaCornici();
    pAggiornaNumeri(true);
    m_pOverlay->raise();
    update();
}

void TAreaCanvas::pSetGriglia(int iPasso)
{
    m_pGriglia->pSetPasso(iPasso);
}

int TAreaCanvas::fGriglia() const
{
    return m_pGriglia->fPasso();
}

void TAreaCanvas::pSetGuide(const QList<QLine> &aGuide)
{
    m_pOverlay->pSetGuide(aGuide);
}

const QList<QLine> &TAreaCanvas::fGuide() const
{
    return m_pOverlay->fGuide();
}

void TAreaCanvas::pSetMostraNumeri(bool bMostra)
{
    m_bNumeri = bMostra;
    pAggiornaNumeri(true);
}

const QList<TNumeroMostrato> &TAreaCanvas::fNumeri() const
{
    return m_pOverlay->fNumeri();
}

void TAreaCanvas::pAggiornaNumeri(bool bRileggi)
{
    if (!m_bNumeri || !m_doc.fAperto() || m_doc.fAreaMostrata() == 0) {
        m_aRipetuti.clear();
        m_pOverlay->pSetNumeri({});
        return;
    }
    if (bRileggi)
        m_aRipetuti = m_doc.fNumeriRipetuti();
    QList<TNumeroMostrato> aNumeri;
    for (const TCanvasItem *pItem : fItems()) {
        const TSensore *p = m_doc.fOggetto(pItem->fId());
        if (!p || pItem->fParte() != TParte::Icona || p->Get_tiposensore() == 3)
            continue; // a zoom marker has no number
        const qint64 iNumero = p->Get_numsensore();
        aNumeri << TNumeroMostrato{pItem->fRettangolo(), iNumero,
                                   m_aRipetuti.value(p->Get_tiposensore()).contains(iNumero)};
    }
    m_pOverlay->pSetNumeri(aNumeri);
}

void TAreaCanvas::pAggiornaCornici()
{
    const std::optional<TChiave> corrente = m_sel.fCorrente();
    const TCanvasItem *pCorrente = corrente ? fItem(*corrente) : nullptr;
    QList<QRect> aAltre;
    for (const TChiave &chiave : m_sel.fChiavi())
        if (const TCanvasItem *pItem = fItem(chiave); pItem && pItem != pCorrente)
            aAltre << pItem->fRettangolo();
    m_pOverlay->pSetCornice(pCorrente ? pCorrente->fRettangolo() : QRect());
    m_pOverlay->pSetAltreCornici(pCorrente ? aAltre : QList<QRect>());
    if (pCorrente)
        m_pOverlay->raise();
}

QImage TAreaCanvas::fSopraSfondo() const
{
    QImage img(iLarghezzaPannello, iAltezzaPannello, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    // bottom to top, as the canvas stacks them, at the page's own size
    if (!m_pBanner->pixmap().isNull())
        p.drawPixmap(0, 0, m_pBanner->pixmap());
    for (const TCanvasItem *pItem : fItems()) {
        const QRect rc = pItem->fRettangolo();
        if (pItem->fParte() == TParte::Testo)
            pDisegnaEtichetta(p, rc, pItem->text(), pItem->font(), pItem->palette().color(pItem->foregroundRole()));
        else
            pDisegnaIcona(p, rc, pItem->pixmap().toImage());
    }
    pDisegnaLineeBarriera(p, m_pOverlay->fLines());
    return img;
}

// --- the pointer and the keys ---------------------------------------------------------------

bool TAreaCanvas::event(QEvent *pEvent)
{
    // before the focus chain takes Tab
    if (pEvent->type() == QEvent::KeyPress && m_pStrumento) {
        bool bPreso = false;
        m_cmd.pRunCommand([&] { bPreso = m_pStrumento->fTasto(static_cast<QKeyEvent *>(pEvent)); });
        if (bPreso)
            return true;
    }
    return QWidget::event(pEvent);
}

void TAreaCanvas::mousePressEvent(QMouseEvent *pEvent)
{
    if (!m_pStrumento || !m_pStrumento->fPremuto(nullptr, pEvent, pEvent->position().toPoint()))
        QWidget::mousePressEvent(pEvent);
}

void TAreaCanvas::mouseMoveEvent(QMouseEvent *pEvent)
{
    if (!m_pStrumento || !m_pStrumento->fMosso(nullptr, pEvent, pEvent->position().toPoint()))
        QWidget::mouseMoveEvent(pEvent);
}

void TAreaCanvas::mouseReleaseEvent(QMouseEvent *pEvent)
{
    if (!m_pStrumento || !m_pStrumento->fRilasciato(nullptr, pEvent, pEvent->position().toPoint()))
        QWidget::mouseReleaseEvent(pEvent);
}
