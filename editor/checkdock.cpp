#include "editor/checkdock.h"

#include "check/verifica.h"
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

#include <exception>

namespace {

enum { iColGravita, iColArea, iColOggetto, iColMessaggio, iColonne };
constexpr int iRuoloArea = Qt::UserRole;
constexpr int iRuoloOggetto = Qt::UserRole + 1;
constexpr int iRuoloCodice = Qt::UserRole + 2;

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
    : QDockWidget(QCoreApplication::translate("Ombrix", "Verifica"), pParent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("DockVerifica"));
    setAccessibleName(QCoreApplication::translate("Ombrix", "Verifica"));
    m_pTabella = new QTableWidget(0, iColonne, this);
    m_pTabella->setObjectName(QStringLiteral("TbVerifica"));
    m_pTabella->setAccessibleName(QCoreApplication::translate("Ombrix", "Verifica del progetto"));
    m_pTabella->setHorizontalHeaderLabels({QString(), QCoreApplication::translate("Ombrix", "Area"),
                                           QCoreApplication::translate("Ombrix", "Oggetto"),
                                           QCoreApplication::translate("Ombrix", "Messaggio")});
    m_pTabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTabella->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTabella->verticalHeader()->hide();
    m_pTabella->horizontalHeader()->setStretchLastSection(true);
    m_pTabella->horizontalHeader()->setSectionResizeMode(iColGravita, QHeaderView::ResizeToContents);
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
    TProjectDocument &doc = m_ctx.doc;
    QList<TFinding> aFindings;
    // emptied first: a check that fails leaves no stale rows
    m_pTabella->setRowCount(0);
    m_sConteggio.clear();
    emit sigConteggio(m_sConteggio, true);
    if (doc.fAperto())
        aFindings = fVerificaProgetto(doc.fConn(), doc.fRootPrj());

    const QIcon icoErrore = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon icoAvviso = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    int iErrori = 0;
    m_pTabella->setRowCount(int(aFindings.size()));
    for (int i = 0; i < aFindings.size(); ++i) {
        const TFinding &f = aFindings[i];
        const bool bErrore = f.eGravita == TGravita::Errore;
        iErrori += bErrore ? 1 : 0;
        auto *pGravita = new QTableWidgetItem(bErrore ? icoErrore : icoAvviso, QString());
        pGravita->setToolTip(fNomeGravita(f.eGravita));
        pGravita->setData(Qt::AccessibleTextRole, fNomeGravita(f.eGravita));
        pGravita->setData(iRuoloArea, f.iAreaId);
        pGravita->setData(iRuoloCodice, f.sCodice);
        if (f.iOggettoId)
            pGravita->setData(iRuoloOggetto, *f.iOggettoId);
        m_pTabella->setItem(i, iColGravita, pGravita);
        m_pTabella->setItem(i, iColArea, new QTableWidgetItem(fTestoArea(doc, f.iAreaId)));
        m_pTabella->setItem(i, iColOggetto,
                            new QTableWidgetItem(f.iOggettoId ? QString::number(*f.iOggettoId) : QString()));
        auto *pMessaggio = new QTableWidgetItem(f.sMessaggio);
        pMessaggio->setToolTip(f.sCodice);
        m_pTabella->setItem(i, iColMessaggio, pMessaggio);
    }
    m_pTabella->resizeColumnToContents(iColArea);
    m_pTabella->resizeColumnToContents(iColOggetto);
    if (doc.fAperto())
        m_sConteggio =
            QCoreApplication::translate("Ombrix", "%1 errori, %2 avvisi").arg(iErrori).arg(aFindings.size() - iErrori);
    emit sigConteggio(m_sConteggio, true);
}

void TCheckDock::showEvent(QShowEvent *pEvent)
{
    QDockWidget::showEvent(pEvent);
    emit sigConteggio(m_sConteggio, true);
    try {
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
