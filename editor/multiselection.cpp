// Many items at once: Ctrl+click and the rubber band, "Seleziona tutto",
// moving and deleting the selection, the clipboard ("Copia", "Taglia",
// "Incolla", "Incolla speciale…"), the submenu "Allinea", and "Duplica area…"
// on the area tree. The canvas gathers the items and shows the results; the
// document copies, pastes, lines up and duplicates.

#include "document/allineamento.h"
#include "document/appunti.h"
#include "document/projectdocument.h"
#include "editor/canvascontrols.h"
#include "editor/dragging.h"
#include "editor/frmbase.h"
#include "model/catalogo.h"
#include "model/sensore.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTreeWidget>

#include <algorithm>

namespace {

/** The item of a placed control: 0 icon, 1 barrier's second end, 2 label. */
int fElementoDi(const QWidget *pControl)
{
    if (pControl->objectName().startsWith(QStringLiteral("Testo_")))
        return 2;
    return pControl->property("mark").toInt() == 1 ? 1 : 0;
}

qint64 fIdDi(const QWidget *pControl)
{
    return fName2Id(pControl->objectName()).toLongLong();
}

QList<QWidget *> fPiazzati(QWidget *pPanel)
{
    QList<QWidget *> a;
    for (QObject *pChild : pPanel->children())
        if (pChild->isWidgetType() && fIsPlacedControlName(pChild->objectName()))
            a << static_cast<QWidget *>(pChild);
    return a;
}

constexpr int iCanvasWidth = 480;
constexpr int iCanvasHeight = 272;

} // namespace

// --- the selection ---------------------------------------------------------------

bool TFrmBase::fInSelezione(const QWidget *pControl) const
{
    return pControl && m_iSelArea == m_pDoc->fAreaMostrata() &&
           m_aSel.contains(TSel{fIdDi(pControl), fElementoDi(pControl)});
}

QList<QWidget *> TFrmBase::fControlliSelezionati() const
{
    QList<QWidget *> a;
    if (m_aSel.isEmpty() || m_iSelArea != m_pDoc->fAreaMostrata())
        return a;
    for (QWidget *p : fPiazzati(PnlImgArea))
        if (m_aSel.contains(TSel{fIdDi(p), fElementoDi(p)}))
            a << p;
    return a;
}

QList<TElemento> TFrmBase::fElementiSelezionati() const
{
    QList<TElemento> a;
    for (const QWidget *p : fControlliSelezionati())
        a << TElemento{fIdDi(p), fElementoDi(p), p->pos()};
    return a;
}

void TFrmBase::pCambiaInSelezione(QWidget *pControl)
{
    if (!pControl || !fIsPlacedControlName(pControl->objectName()))
        return;
    if (m_iSelArea != m_pDoc->fAreaMostrata())
        m_aSel.clear();
    const TSel sel{fIdDi(pControl), fElementoDi(pControl)};
    if (m_aSel.contains(sel)) {
        m_aSel.removeAll(sel);
        if (m_aSel.isEmpty()) {
            m_iSelId = 0;
        } else if (m_iSelId == sel.iId && m_iSelElemento == sel.iElemento) {
            m_iSelId = m_aSel.last().iId;
            m_iSelElemento = m_aSel.last().iElemento;
        }
    } else {
        m_aSel << sel;
        m_iSelId = sel.iId;
        m_iSelElemento = sel.iElemento;
        m_iSelArea = m_pDoc->fAreaMostrata();
    }
    pAggiornaSelezione();
}

void TFrmBase::pSelezionaControlli(const QList<QWidget *> &aControlli)
{
    m_aSel.clear();
    m_iSelId = 0;
    m_iSelArea = m_pDoc->fAreaMostrata();
    for (const QWidget *p : aControlli) {
        const TSel sel{fIdDi(p), fElementoDi(p)};
        if (!m_aSel.contains(sel))
            m_aSel << sel;
    }
    if (!m_aSel.isEmpty()) {
        m_iSelId = m_aSel.last().iId;
        m_iSelElemento = m_aSel.last().iElemento;
    }
    pAggiornaSelezione();
}

bool TFrmBase::fBandaMouse(QMouseEvent *pEvent)
{
    const QPoint pos = pEvent->position().toPoint();
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        if (pEvent->button() != Qt::LeftButton || !m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0) {
            pSeleziona(nullptr);
            return false;
        }
        if (!(pEvent->modifiers() & Qt::ControlModifier))
            pSeleziona(nullptr);
        PnlImgArea->setFocus(Qt::MouseFocusReason);
        m_bBanda = true;
        m_ptBanda = pos;
        return true;
    case QEvent::MouseMove:
        if (!m_bBanda)
            return false;
        ImgCanvas->raise();
        ImgCanvas->pSetBanda(QRect(m_ptBanda, pos).normalized());
        return true;
    case QEvent::MouseButtonRelease: {
        if (!m_bBanda || pEvent->button() != Qt::LeftButton)
            return false;
        m_bBanda = false;
        ImgCanvas->pSetBanda(QRect());
        const QRect banda = QRect(m_ptBanda, pos).normalized();
        if (banda.width() <= 1 && banda.height() <= 1)
            return true; // a click: nothing more is selected
        // every item the band touches, added to what Ctrl kept
        QList<QWidget *> aControlli = fControlliSelezionati();
        for (QWidget *p : fPiazzati(PnlImgArea))
            if (p->isVisible() && p->geometry().intersects(banda) && !aControlli.contains(p))
                aControlli << p;
        pSelezionaControlli(aControlli);
        return true;
    }
    default:
        return false;
    }
}

QPoint TFrmBase::pSpostaControlliSelezionati(int iDx, int iDy)
{
    const QList<QWidget *> aControlli = fControlliSelezionati();
    // the whole selection goes as far as its first item can; an item already beyond a border holds nothing back
    int iMinX = -iCanvasWidth, iMaxX = iCanvasWidth, iMinY = -iCanvasHeight, iMaxY = iCanvasHeight;
    for (const QWidget *p : aControlli) {
        const QRect rc = p->geometry();
        iMinX = std::max(iMinX, std::min(0, -rc.x()));
        iMaxX = std::min(iMaxX, std::max(0, iCanvasWidth - rc.width() - rc.x()));
        iMinY = std::max(iMinY, std::min(0, -rc.y()));
        iMaxY = std::min(iMaxY, std::max(0, iCanvasHeight - rc.height() - rc.y()));
    }
    const QPoint delta(std::clamp(iDx, iMinX, iMaxX), std::clamp(iDy, iMinY, iMaxY));
    if (!delta.isNull())
        for (QWidget *p : aControlli)
            p->move(p->pos() + delta);
    return delta;
}

void TFrmBase::MnuSelezionaTuttoClick()
{
    if (!m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0)
        return;
    pSelezionaControlli(fPiazzati(PnlImgArea));
    PnlImgArea->setFocus(Qt::OtherFocusReason);
}

void TFrmBase::pEliminaSelezione()
{
    const int iZoom = m_pDoc->pEliminaElementi(fElementiSelezionati());
    if (iZoom > 0)
        SbarMessaggio->setText(tr("Indicatori di zoom non eliminati: %1").arg(iZoom));
}

// --- the clipboard -------------------------------------------------------------------

void TFrmBase::MnuCopiaClick()
{
    if (!m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0)
        return;
    QList<qint64> aIds;
    for (const TElemento &e : fElementiSelezionati())
        if (!aIds.contains(e.iId))
            aIds << e.iId;
    if (aIds.isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(fMimeDaAppunti(m_pDoc->fAppunti(aIds)));
}

void TFrmBase::MnuTagliaClick()
{
    if (!m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0)
        return;
    MnuCopiaClick();
    QList<TElemento> aOggetti; // every copied object whole, as its own "Elimina" would
    for (const TElemento &e : fElementiSelezionati())
        if (std::none_of(aOggetti.cbegin(), aOggetti.cend(), [&e](const TElemento &o) { return o.iId == e.iId; }))
            aOggetti << TElemento{e.iId, 0, e.pos};
    const int iZoom = m_pDoc->pEliminaElementi(aOggetti);
    if (iZoom > 0)
        SbarMessaggio->setText(tr("Indicatori di zoom non eliminati: %1").arg(iZoom));
}

void TFrmBase::MnuIncollaClick(bool bSpeciale)
{
    if (!m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0)
        return;
    const std::optional<TAppunti> appunti = fAppuntiDaMime(QGuiApplication::clipboard()->mimeData());
    if (!appunti)
        return;
    TOpzioniIncolla opzioni;
    if (bSpeciale) {
        TProjectDocument *pDoc = m_pDoc;
        const QList<TSensore> aOggetti = appunti->aOggetti;
        const TFnAvvisoIncolla fnAvviso = [pDoc, aOggetti](const TOpzioniIncolla &o) {
            return pDoc->fAvvisoNumeri(aOggetti, o);
        };
        if (!fDialogs().fIncollaSpeciale(tr("Incolla speciale"), opzioni, fnAvviso))
            return;
    }
    int iZoom = 0;
    const QList<qint64> aNuovi = m_pDoc->pIncolla(*appunti, opzioni, &iZoom);
    // what was pasted is selected, ready to be moved into place
    QList<QWidget *> aControlli;
    for (QWidget *p : fPiazzati(PnlImgArea))
        if (aNuovi.contains(fIdDi(p)))
            aControlli << p;
    pSelezionaControlli(aControlli);
    PnlImgArea->setFocus(Qt::OtherFocusReason);
    if (iZoom > 0)
        SbarMessaggio->setText(tr("Indicatori di zoom non incollati: %1").arg(iZoom));
}

// --- alignment -------------------------------------------------------------------------

void TFrmBase::pAllinea(TAllineamento eModo)
{
    if (!m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0)
        return;
    const QList<QWidget *> aControlli = fControlliSelezionati();
    if (aControlli.size() < fMinimoAllineamento(eModo))
        return;
    QList<QRect> aRect;
    for (const QWidget *p : aControlli)
        aRect << p->geometry();
    const QList<QPoint> aPos = fAllinea(aRect, eModo);
    QList<TElemento> aElementi;
    for (qsizetype i = 0; i < aControlli.size(); ++i)
        if (aPos.at(i) != aRect.at(i).topLeft())
            aElementi << TElemento{fIdDi(aControlli.at(i)), fElementoDi(aControlli.at(i)), aPos.at(i)};
    m_pDoc->pSpostaElementi(aElementi, tr("allineamento"), false);
}

// --- duplicating an area ------------------------------------------------------------------

void TFrmBase::PopDuplicaAreaClick()
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    if (!pNode || pNode->parent() || !m_pDoc->fAperto())
        return;
    const qint64 iId = pNode->data(0, Qt::UserRole).toLongLong();
    TProjectDocument *pDoc = m_pDoc;
    const QList<TSensore> aOggetti = m_pDoc->fOggettiConDettagli(iId);
    const TFnAvvisoIncolla fnAvviso = [pDoc, aOggetti](const TOpzioniIncolla &o) {
        return pDoc->fAvvisoNumeri(aOggetti, o);
    };
    TOpzioniIncolla opzioni;
    if (!fDialogs().fIncollaSpeciale(tr("Duplica area"), opzioni, fnAvviso))
        return;
    m_pDoc->pDuplicaArea(iId, opzioni);
}

// --- menus ----------------------------------------------------------------------------------

void TFrmBase::pBuildMenuSelezione(QMenu *pMnuModifica)
{
    auto fVoce = [pMnuModifica](const QString &sTesto, const char *szNome, const QKeySequence &tasti,
                                const QString &sSuggerimento) {
        QAction *pEntry = pMnuModifica->addAction(sTesto);
        pEntry->setObjectName(QLatin1String(szNome));
        pEntry->setShortcut(tasti);
        pEntry->setToolTip(sSuggerimento);
        pEntry->setEnabled(false);
        return pEntry;
    };
    MnuSelezionaTutto = fVoce(tr("Seleziona tutto"), "MnuSelezionaTutto", QKeySequence(Qt::CTRL | Qt::Key_A),
                              tr("Seleziona ogni oggetto dell'area"));
    MnuCopia = fVoce(tr("Copia"), "MnuCopia", QKeySequence(Qt::CTRL | Qt::Key_C), tr("Copia gli oggetti selezionati"));
    MnuTaglia =
        fVoce(tr("Taglia"), "MnuTaglia", QKeySequence(Qt::CTRL | Qt::Key_X), tr("Taglia gli oggetti selezionati"));
    MnuIncolla = fVoce(tr("Incolla"), "MnuIncolla", QKeySequence(Qt::CTRL | Qt::Key_V),
                       tr("Incolla gli oggetti copiati nell'area mostrata"));
    MnuIncollaSpeciale =
        fVoce(tr("Incolla speciale…"), "MnuIncollaSpeciale", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
              tr("Incolla spostando i numeri di ingressi e uscite"));

    MnuAllinea = pMnuModifica->addMenu(tr("Allinea"));
    MnuAllinea->setObjectName(QStringLiteral("MnuAllinea"));
    MnuAllinea->setToolTip(tr("Allinea gli oggetti selezionati"));
    MnuAllinea->setEnabled(false);
    const std::pair<const char *, TAllineamento> aVoci[] = {
        {QT_TR_NOOP("A sinistra"), TAllineamento::Sinistra},
        {QT_TR_NOOP("Al centro orizzontale"), TAllineamento::CentroOrizzontale},
        {QT_TR_NOOP("A destra"), TAllineamento::Destra},
        {QT_TR_NOOP("In alto"), TAllineamento::Alto},
        {QT_TR_NOOP("Al centro verticale"), TAllineamento::CentroVerticale},
        {QT_TR_NOOP("In basso"), TAllineamento::Basso},
        {QT_TR_NOOP("Distribuisci in orizzontale"), TAllineamento::DistribuisciOrizzontale},
        {QT_TR_NOOP("Distribuisci in verticale"), TAllineamento::DistribuisciVerticale}};
    for (const auto &[szTesto, eModo] : aVoci) {
        if (eModo == TAllineamento::Alto || eModo == TAllineamento::DistribuisciOrizzontale)
            MnuAllinea->addSeparator();
        QAction *pEntry = MnuAllinea->addAction(tr(szTesto));
        pEntry->setToolTip(tr(szTesto));
        pEntry->setData(int(eModo));
    }
}

void TFrmBase::pConnectSelezione()
{
    connect(MnuSelezionaTutto, &QAction::triggered, this,
            [this] { pRunCommand([this] { MnuSelezionaTuttoClick(); }); });
    connect(MnuCopia, &QAction::triggered, this, [this] { pRunCommand([this] { MnuCopiaClick(); }); });
    connect(MnuTaglia, &QAction::triggered, this, [this] { pRunCommand([this] { MnuTagliaClick(); }); });
    connect(MnuIncolla, &QAction::triggered, this, [this] { pRunCommand([this] { MnuIncollaClick(false); }); });
    connect(MnuIncollaSpeciale, &QAction::triggered, this, [this] { pRunCommand([this] { MnuIncollaClick(true); }); });
    connect(MnuAllinea, &QMenu::triggered, this, [this](QAction *pEntry) {
        pRunCommand([this, pEntry] { pAllinea(TAllineamento(pEntry->data().toInt())); });
    });
    connect(PopDuplicaArea, &QAction::triggered, this, [this] { pRunCommand([this] { PopDuplicaAreaClick(); }); });
}
