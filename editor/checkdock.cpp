#include "editor/checkdock.h"

#include "check/tratti.h"
#include "check/verifica.h"
#include "check/verificaincrementale.h"
#include "document/projectdocument.h"
#include "editor/canvascontrols.h"
#include "editor/frmbase.h"
#include "model/catalogo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <exception>
#include <utility>

namespace {

enum { iColGravita, iColArea, iColOggetto, iColMessaggio, iColonne };
constexpr int iRuoloArea = Qt::UserRole;
constexpr int iRuoloOggetto = Qt::UserRole + 1;
constexpr int iRuoloCodice = Qt::UserRole + 2;
/** A change of up to this many rows is made in place; a longer one puts its rows in anew, which the view lays
 *  out once. */
constexpr qsizetype iPocheRighe = 64;
/** Past this many new rows, the columns are fitted to the rows as a whole rather than widened for each. */
constexpr qsizetype iMolteRighe = 1000;

/** "id name" of an area; the id alone when the area does not exist. */
QString fTestoArea(TProjectDocument &doc, qint64 iAreaId)
{
    const TAreaRow *pArea = doc.fArea(iAreaId);
    return pArea ? QStringLiteral("%1 %2").arg(iAreaId).arg(pArea->sNome) : QString::number(iAreaId);
}

} // namespace

void pSeguiDocumento(TFrmBase &frm, QObject *pContext, const std::function<void()> &pFn)
{
    // one refresh once the step is done, however many signals it sends; a failure is reported as a view's
    auto *pTimer = new QTimer(pContext);
    pTimer->setSingleShot(true);
    pTimer->setInterval(0);
    QObject::connect(pTimer, &QTimer::timeout, pContext, [&frm, pFn] {
        try {
            pFn();
        } catch (...) {
            frm.pViewFailed(std::current_exception());
        }
    });
    auto fRinvia = [pTimer] { pTimer->start(); };
    TProjectDocument &doc = frm.fDocument();
    QObject::connect(doc.fUndoStack(), &QUndoStack::indexChanged, pTimer, fRinvia);
    QObject::connect(&doc, &TProjectDocument::sigAreeCambiate, pTimer, fRinvia);
    QObject::connect(&doc, &TProjectDocument::sigAreaRinominata, pTimer, fRinvia);
    QObject::connect(&doc, &TProjectDocument::sigProgetto, pTimer, fRinvia);
}

void pMostraAreaEOggetto(TFrmBase &frm, qint64 iAreaId, std::optional<qint64> iOggettoId)
{
    TProjectDocument &doc = frm.fDocument();
    if (!doc.fAperto() || !doc.fArea(iAreaId))
        return;
    if (doc.fAreaMostrata() != iAreaId)
        doc.pMostraArea(iAreaId);
    if (!iOggettoId)
        return;
    const QString sId = QString::number(*iOggettoId);
    const QObjectList aChildren = frm.PnlImgArea->children();
    for (QObject *pChild : aChildren)
        if (pChild->isWidgetType() && fName2Id(pChild->objectName()) == sId)
            static_cast<QWidget *>(pChild)->raise();
    // the object's icon becomes the selection
    if (const TSensore *p = doc.fOggetto(*iOggettoId)) {
        const QString sName =
            fNomeSensore(p->Get_tiposensore(), p->Get_area_zoom(), *iOggettoId, QString::number(p->Get_numsensore()));
        if (QWidget *pIcon = fFindPlaced(frm.PnlImgArea, sName))
            frm.pSeleziona(pIcon);
    }
}

void pApriDock(TFrmBase &frm, QDockWidget *pDock)
{
    QWidget *pClient = frm.centralWidget();
    const QSize prima = pClient->size();
    pDock->show();
    pDock->raise();
    frm.layout()->activate();
    // the canvas and its bezel keep their room: the window grows instead
    const QSize dopo = pClient->size();
    if (dopo.width() < prima.width() || dopo.height() < prima.height())
        frm.resize(frm.width() + qMax(0, prima.width() - dopo.width()),
                   frm.height() + qMax(0, prima.height() - dopo.height()));
}

TCheckDock::TCheckDock(TFrmBase &frm)
    : QDockWidget(QCoreApplication::translate("Ombrix", "Verifica"), &frm), m_frm(frm),
      m_verifica(TVerificaIncrementale::fDi(frm.fDocument()))
{
    setObjectName(QStringLiteral("DockVerifica"));
    setAccessibleName(QCoreApplication::translate("Ombrix", "Verifica"));
    TbVerifica = new QTableWidget(0, iColonne, this);
    TbVerifica->setObjectName(QStringLiteral("TbVerifica"));
    TbVerifica->setAccessibleName(QCoreApplication::translate("Ombrix", "Verifica del progetto"));
    TbVerifica->setHorizontalHeaderLabels({QString(), QCoreApplication::translate("Ombrix", "Area"),
                                           QCoreApplication::translate("Ombrix", "Oggetto"),
                                           QCoreApplication::translate("Ombrix", "Messaggio")});
    TbVerifica->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TbVerifica->setSelectionBehavior(QAbstractItemView::SelectRows);
    TbVerifica->setSelectionMode(QAbstractItemView::SingleSelection);
    TbVerifica->verticalHeader()->hide();
    TbVerifica->horizontalHeader()->setStretchLastSection(true);
    // the icon's column is sized once, to its icon: a column sized to its contents at every change of a row
    // would measure every row each time
    TbVerifica->horizontalHeader()->setSectionResizeMode(iColGravita, QHeaderView::Fixed);
    setWidget(TbVerifica);

    LblConteggio = new QLabel(frm.SbarAree);
    LblConteggio->setObjectName(QStringLiteral("LblVerifica"));
    frm.SbarAree->addPermanentWidget(LblConteggio);
    LblConteggio->hide();

    connect(TbVerifica, &QTableWidget::cellDoubleClicked, this, [this](int iRow, int) {
        const QTableWidgetItem *pItem = TbVerifica->item(iRow, iColGravita);
        const qint64 iArea = pItem->data(iRuoloArea).toLongLong();
        const QVariant vOggetto = pItem->data(iRuoloOggetto);
        const std::optional<qint64> iOggetto =
            vOggetto.isValid() ? std::optional<qint64>(vOggetto.toLongLong()) : std::nullopt;
        m_frm.pRunCommand([&] { pMostraAreaEOggetto(m_frm, iArea, iOggetto); });
    });
    pSeguiDocumento(frm, this, [this] { pAggiorna(); });

    // a background finding offers its remedy
    PopVerifica = new QMenu(this);
    PopAdattaSfondo = PopVerifica->addAction(tr("Adatta immagine di sfondo…"));
    PopAdattaSfondo->setObjectName(QStringLiteral("PopVerificaAdattaSfondo"));
    PopAdattaSfondo->setToolTip(tr("Adatta un'immagine o una pagina PDF alla pagina dell'area"));
    TbVerifica->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TbVerifica, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (fPopupRiga(TbVerifica->rowAt(pos.y())))
            PopVerifica->popup(TbVerifica->viewport()->mapToGlobal(pos));
    });
    connect(PopAdattaSfondo, &QAction::triggered, this, [this] {
        const QTableWidgetItem *pItem = TbVerifica->item(m_iRigaMenu, iColGravita);
        if (!pItem)
            return;
        const qint64 iArea = pItem->data(iRuoloArea).toLongLong();
        m_frm.pRunCommand([&] {
            pMostraAreaEOggetto(m_frm, iArea, std::nullopt);
            if (m_frm.fDocument().fAreaMostrata() == iArea)
                m_frm.MnuAdattaSfondoClick();
        });
    });
}

bool TCheckDock::fPopupRiga(int iRow)
{
    const QTableWidgetItem *pItem = TbVerifica->item(iRow, iColGravita);
    if (!pItem)
        return false;
    m_iRigaMenu = iRow;
    TbVerifica->selectRow(iRow);
    const QString sCodice = pItem->data(iRuoloCodice).toString();
    PopAdattaSfondo->setEnabled(sCodice == QLatin1String("sfondo-dimensioni") ||
                                sCodice == QLatin1String("sfondo-mancante"));
    return true;
}

void TCheckDock::pAggiorna()
{
    if (!isVisible())
        return;
    QList<TFinding> aFindings;
    try {
        aFindings = m_verifica.fFindings();
    } catch (...) {
        // a check that fails leaves no stale rows
        TbVerifica->setRowCount(0);
        m_aMostrati.clear();
        LblConteggio->clear();
        throw;
    }
    const QList<TTratto> aTratti = fTratti(
        m_aMostrati, aFindings, [](const TFinding &f) { return std::pair(f.iAreaId, f.iOggettoId.value_or(-1)); });
    const QIcon aIcone[] = {style()->standardIcon(QStyle::SP_MessageBoxCritical),
                            style()->standardIcon(QStyle::SP_MessageBoxWarning)};
    // a short change is made in place, a long one puts its rows in anew; the columns widen for each new row,
    // or fit them all when there are many
    qsizetype nNuove = 0;
    for (const TTratto &t : aTratti)
        nNuove += t.nNuove;
    const bool bMolte = TbVerifica->rowCount() == 0 || nNuove > iMolteRighe;
    int aLarghe[iColonne] = {};
    for (const TTratto &t : aTratti) {
        const int iRiga = int(t.iRiga);
        const qsizetype nComuni = qMin(t.nTolte, t.nNuove);
        const int nStanno = nComuni <= iPocheRighe ? int(nComuni) : 0;
        TbVerifica->model()->removeRows(iRiga + nStanno, int(t.nTolte) - nStanno);
        TbVerifica->model()->insertRows(iRiga + nStanno, int(t.nNuove) - nStanno);
        for (int i = iRiga; i < iRiga + t.nNuove; ++i) {
            pRiga(i, aFindings.at(i), aIcone[aFindings.at(i).eGravita == TGravita::Avviso]);
            for (int iCol : {iColGravita, iColArea, iColOggetto})
                if (!bMolte)
                    aLarghe[iCol] = qMax(aLarghe[iCol],
                                         TbVerifica->sizeHintForIndex(TbVerifica->model()->index(i, iCol)).width() + 1);
        }
    }
    m_aMostrati = aFindings;
    for (int iCol : {iColGravita, iColArea, iColOggetto}) {
        if (bMolte && !aTratti.isEmpty())
            TbVerifica->resizeColumnToContents(iCol);
        else if (aLarghe[iCol] > TbVerifica->columnWidth(iCol))
            TbVerifica->setColumnWidth(iCol, aLarghe[iCol]);
    }
    const auto iErrori = std::count_if(aFindings.cbegin(), aFindings.cend(),
                                       [](const TFinding &f) { return f.eGravita == TGravita::Errore; });
    if (m_frm.fDocument().fAperto())
        LblConteggio->setText(
            QCoreApplication::translate("Ombrix", "%1 errori, %2 avvisi").arg(iErrori).arg(aFindings.size() - iErrori));
    else
        LblConteggio->clear();
}

void TCheckDock::pRiga(int iRiga, const TFinding &f, const QIcon &icona)
{
    auto *pGravita = new QTableWidgetItem(icona, QString());
    pGravita->setToolTip(fNomeGravita(f.eGravita));
    pGravita->setData(Qt::AccessibleTextRole, fNomeGravita(f.eGravita));
    pGravita->setData(iRuoloArea, f.iAreaId);
    pGravita->setData(iRuoloCodice, f.sCodice);
    if (f.iOggettoId)
        pGravita->setData(iRuoloOggetto, *f.iOggettoId);
    TbVerifica->setItem(iRiga, iColGravita, pGravita);
    TbVerifica->setItem(iRiga, iColArea, new QTableWidgetItem(fTestoArea(m_frm.fDocument(), f.iAreaId)));
    TbVerifica->setItem(iRiga, iColOggetto,
                        new QTableWidgetItem(f.iOggettoId ? QString::number(*f.iOggettoId) : QString()));
    auto *pMessaggio = new QTableWidgetItem(f.sMessaggio);
    pMessaggio->setToolTip(f.sCodice);
    TbVerifica->setItem(iRiga, iColMessaggio, pMessaggio);
}

void TCheckDock::showEvent(QShowEvent *pEvent)
{
    QDockWidget::showEvent(pEvent);
    LblConteggio->show();
    try {
        m_verifica.pRivediSfondi(); // opened: every picture is looked at, whoever changed it
        pAggiorna();
    } catch (...) {
        m_frm.pViewFailed(std::current_exception());
    }
}

void TCheckDock::hideEvent(QHideEvent *pEvent)
{
    QDockWidget::hideEvent(pEvent);
    LblConteggio->hide();
}
