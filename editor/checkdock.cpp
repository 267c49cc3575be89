#include "editor/checkdock.h"

#include "check/tratti.h"
#include "check/verifica.h"
#include "check/verificaincrementale.h"
#include "document/projectdocument.h"
#include "editor/selectionmodel.h"
#include "model/catalogo.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
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

void pSeguiDocumento(const TContesto &ctx, QObject *pContext, const std::function<void()> &pFn)
{
    // one refresh once the step is done, however many signals it sends; a failure is reported as a view's
    auto *pTimer = new QTimer(pContext);
    pTimer->setSingleShot(true);
    pTimer->setInterval(0);
    TCommandBoundary *pCmd = &ctx.cmd;
    QObject::connect(pTimer, &QTimer::timeout, pContext, [pCmd, pFn] {
        try {
            pFn();
        } catch (...) {
            pCmd->pViewFailed(std::current_exception());
        }
    });
    auto fRinvia = [pTimer] { pTimer->start(); };
    TProjectDocument &doc = ctx.doc;
    QObject::connect(doc.fUndoStack(), &QUndoStack::indexChanged, pTimer, fRinvia);
    QObject::connect(&doc, &TProjectDocument::sigAreeCambiate, pTimer, fRinvia);
    QObject::connect(&doc, &TProjectDocument::sigAreaRinominata, pTimer, fRinvia);
    QObject::connect(&doc, &TProjectDocument::sigProgetto, pTimer, fRinvia);
}

void pMostraAreaEOggetto(const TContesto &ctx, qint64 iAreaId, std::optional<qint64> iOggettoId)
{
    TProjectDocument &doc = ctx.doc;
    if (!doc.fAperto() || !doc.fArea(iAreaId))
        return;
    if (doc.fAreaMostrata() != iAreaId)
        doc.pMostraArea(iAreaId);
    // the object's icon becomes the selection, its items above the others and in sight
    if (iOggettoId && doc.fOggetto(*iOggettoId))
        ctx.sel.pMostraOggetto(*iOggettoId);
}

TCheckDock::TCheckDock(const TContesto &ctx, QWidget *pParent)
    : QDockWidget(QCoreApplication::translate("Ombrix", "Verifica"), pParent), m_ctx(ctx),
      m_verifica(TVerificaIncrementale::fDi(ctx.doc))
{
    setObjectName(QStringLiteral("DockVerifica"));
    setAccessibleName(QCoreApplication::translate("Ombrix", "Verifica"));
    m_pTabella = new QTableWidget(0, iColonne, this);
    m_pTabella->setObjectName(QStringLiteral("TbVerifica"));
    m_pTabella->setAccessibleName(QCoreApplication::translate("Ombrix", "Verifica del progetto"));
    m_pTabella->setHorizontalHeaderLabels({QString(), QCoreApplication::translate("Ombrix", "Area"),
                                           QCoreApplication::translate("Ombrix", "Id"),
                                           QCoreApplication::translate("Ombrix", "Messaggio")});
    m_pTabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTabella->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTabella->verticalHeader()->hide();
    m_pTabella->horizontalHeader()->setStretchLastSection(true);
    // the icon's column is sized once, to its icon: a column sized to its contents at every change of a row
    // would measure every row each time
    m_pTabella->horizontalHeader()->setSectionResizeMode(iColGravita, QHeaderView::Fixed);
    setWidget(m_pTabella);

    connect(m_pTabella, &QTableWidget::cellDoubleClicked, this, [this](int iRow, int) {
        const QTableWidgetItem *pItem = m_pTabella->item(iRow, iColGravita);
        const qint64 iArea = pItem->data(iRuoloArea).toLongLong();
        const QVariant vOggetto = pItem->data(iRuoloOggetto);
        const std::optional<qint64> iOggetto =
            vOggetto.isValid() ? std::optional<qint64>(vOggetto.toLongLong()) : std::nullopt;
        m_ctx.cmd.pRunCommand([&] { pMostraAreaEOggetto(m_ctx, iArea, iOggetto); });
    });
    pSeguiDocumento(m_ctx, this, [this] { pAggiorna(); });

    // a background finding offers its remedy
    m_pPopup = new QMenu(this);
    m_pAdatta = m_pPopup->addAction(tr("Adatta immagine di sfondo…"));
    m_pAdatta->setObjectName(QStringLiteral("PopVerificaAdattaSfondo"));
    m_pAdatta->setToolTip(tr("Adatta un'immagine o una pagina PDF alla pagina dell'area"));
    m_pTabella->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pTabella, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (fPopupRiga(m_pTabella->rowAt(pos.y())))
            m_pPopup->popup(m_pTabella->viewport()->mapToGlobal(pos));
    });
    connect(m_pAdatta, &QAction::triggered, this, [this] {
        const QTableWidgetItem *pItem = m_pTabella->item(m_iRigaMenu, iColGravita);
        if (!pItem)
            return;
        const qint64 iArea = pItem->data(iRuoloArea).toLongLong();
        m_ctx.cmd.pRunCommand([&] {
            pMostraAreaEOggetto(m_ctx, iArea, std::nullopt);
            if (m_ctx.doc.fAreaMostrata() == iArea)
                emit sigAdattaSfondo();
        });
    });
}

bool TCheckDock::fPopupRiga(int iRow)
{
    const QTableWidgetItem *pItem = m_pTabella->item(iRow, iColGravita);
    if (!pItem)
        return false;
    m_iRigaMenu = iRow;
    m_pTabella->selectRow(iRow);
    const QString sCodice = pItem->data(iRuoloCodice).toString();
    m_pAdatta->setEnabled(sCodice == QLatin1String("sfondo-dimensioni") || sCodice == QLatin1String("sfondo-mancante"));
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
        m_pTabella->setRowCount(0);
        m_aMostrati.clear();
        m_sConteggio.clear();
        emit sigConteggio(m_sConteggio, true);
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
    const bool bMolte = m_pTabella->rowCount() == 0 || nNuove > iMolteRighe;
    int aLarghe[iColonne] = {};
    for (const TTratto &t : aTratti) {
        const int iRiga = int(t.iRiga);
        const qsizetype nComuni = qMin(t.nTolte, t.nNuove);
        const int nStanno = nComuni <= iPocheRighe ? int(nComuni) : 0;
        m_pTabella->model()->removeRows(iRiga + nStanno, int(t.nTolte) - nStanno);
        m_pTabella->model()->insertRows(iRiga + nStanno, int(t.nNuove) - nStanno);
        for (int i = iRiga; i < iRiga + t.nNuove; ++i) {
            pRiga(i, aFindings.at(i), aIcone[aFindings.at(i).eGravita == TGravita::Avviso]);
            for (int iCol : {iColGravita, iColArea, iColOggetto})
                if (!bMolte)
                    aLarghe[iCol] = qMax(aLarghe[iCol],
                                         m_pTabella->sizeHintForIndex(m_pTabella->model()->index(i, iCol)).width() + 1);
        }
    }
    m_aMostrati = aFindings;
    for (int iCol : {iColGravita, iColArea, iColOggetto}) {
        if (bMolte && !aTratti.isEmpty())
            m_pTabella->resizeColumnToContents(iCol);
        else if (aLarghe[iCol] > m_pTabella->columnWidth(iCol))
            m_pTabella->setColumnWidth(iCol, aLarghe[iCol]);
    }
    const auto iErrori = std::count_if(aFindings.cbegin(), aFindings.cend(),
                                       [](const TFinding &f) { return f.eGravita == TGravita::Errore; });
    m_sConteggio =
        m_ctx.doc.fAperto()
            ? QCoreApplication::translate("Ombrix", "%1 errori, %2 avvisi").arg(iErrori).arg(aFindings.size() - iErrori)
            : QString();
    emit sigConteggio(m_sConteggio, true);
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
    m_pTabella->setItem(iRiga, iColGravita, pGravita);
    m_pTabella->setItem(iRiga, iColArea, new QTableWidgetItem(fTestoArea(m_ctx.doc, f.iAreaId)));
    m_pTabella->setItem(iRiga, iColOggetto,
                        new QTableWidgetItem(f.iOggettoId ? QString::number(*f.iOggettoId) : QString()));
    auto *pMessaggio = new QTableWidgetItem(f.sMessaggio);
    pMessaggio->setToolTip(f.sCodice);
    m_pTabella->setItem(iRiga, iColMessaggio, pMessaggio);
}

void TCheckDock::showEvent(QShowEvent *pEvent)
{
    QDockWidget::showEvent(pEvent);
    emit sigConteggio(m_sConteggio, true);
    try {
        m_verifica.pRivediSfondi(); // opened: every picture is looked at, whoever changed it
        pAggiorna();
    } catch (...) {
        m_ctx.cmd.pViewFailed(std::current_exception());
    }
}

void TCheckDock::hideEvent(QHideEvent *pEvent)
{
    QDockWidget::hideEvent(pEvent);
    emit sigConteggio(m_sConteggio, false);
}
