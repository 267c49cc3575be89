#include "editor/iodock.h"

#include "check/riferimentiio.h"
#include "check/tratti.h"
#include "check/verificaincrementale.h"
#include "document/projectdocument.h"
#include "editor/checkdock.h"
#include "editor/dialogs.h"
#include "workspace/errors.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>
#include <tuple>

namespace {

enum { iColClasse, iColNumero, iColTipo, iColArea, iColSensore, iColTesto, iColonne };
constexpr int iRuoloArea = Qt::UserRole + 1;
constexpr int iRuoloSensore = Qt::UserRole + 2;
/** A change of up to this many rows is made in place; a longer one puts its rows in anew, which the view lays
 *  out once. */
constexpr qsizetype iPocheRighe = 64;
/** Past this many new rows, the columns are fitted to the rows as a whole rather than widened for each. */
constexpr qsizetype iMolteRighe = 1000;

/** A cell that sorts by iValore, shown as its number. */
QStandardItem *fCellaNumero(qint64 iValore)
{
    auto *pItem = new QStandardItem(QString::number(iValore));
    pItem->setData(iValore, Qt::UserRole);
    return pItem;
}

/** "Ingressi liberi: 2, 5-7" */
QString fElencoLiberi(const QString &sTitolo, const QList<qint64> &aLiberi)
{
    QStringList asTratti;
    for (int i = 0; i < aLiberi.size();) {
        int j = i;
        while (j + 1 < aLiberi.size() && aLiberi[j + 1] == aLiberi[j] + 1)
            ++j;
        asTratti << (i == j ? QString::number(aLiberi[i]) : QStringLiteral("%1-%2").arg(aLiberi[i]).arg(aLiberi[j]));
        i = j + 1;
    }
    return sTitolo + QStringLiteral(": ") +
           (asTratti.isEmpty() ? QCoreApplication::translate("Ombrix", "nessuno")
                               : asTratti.join(QStringLiteral(", ")));
}

} // namespace

TIoDock::TIoDock(const TContesto &ctx, QWidget *pParent)
    : QDockWidget(QCoreApplication::translate("Ombrix", "Ingressi/Uscite"), pParent), m_ctx(ctx),
      m_verifica(TVerificaIncrementale::fDi(ctx.doc))
{
    setObjectName(QStringLiteral("DockIngressiUscite"));
    setAccessibleName(QCoreApplication::translate("Ombrix", "Ingressi/Uscite"));
    auto *pCorpo = new QWidget(this);
    auto *pColonna = new QVBoxLayout(pCorpo);
    pColonna->setContentsMargins(2, 2, 2, 2);

    auto *pRiga = new QHBoxLayout;
    m_pFiltroTesto = new QLineEdit(pCorpo);
    m_pFiltroTesto->setObjectName(QStringLiteral("EdtFiltro"));
    m_pFiltroTesto->setPlaceholderText(QCoreApplication::translate("Ombrix", "Filtra"));
    m_pFiltroTesto->setAccessibleName(QCoreApplication::translate("Ombrix", "Filtra ingressi e uscite"));
    m_pFiltroTesto->setClearButtonEnabled(true);
    m_pEsporta = new QPushButton(QCoreApplication::translate("Ombrix", "Esporta CSV…"), pCorpo);
    m_pEsporta->setObjectName(QStringLiteral("BtnEsportaCsv"));
    pRiga->addWidget(m_pFiltroTesto, 1);
    pRiga->addWidget(m_pEsporta);
    pColonna->addLayout(pRiga);

    m_pModello = new QStandardItemModel(0, iColonne, this);
    m_pModello->setHorizontalHeaderLabels(
        {QCoreApplication::translate("Ombrix", "Classe"), QCoreApplication::translate("Ombrix", "Numero"),
         QCoreApplication::translate("Ombrix", "Tipo"), QCoreApplication::translate("Ombrix", "Area"),
         QCoreApplication::translate("Ombrix", "Id"), QCoreApplication::translate("Ombrix", "Testo")});
    m_pFiltro = new QSortFilterProxyModel(this);
    m_pFiltro->setSourceModel(m_pModello);
    m_pFiltro->setSortRole(Qt::UserRole);
    m_pFiltro->setFilterKeyColumn(-1); // any column
    m_pFiltro->setFilterCaseSensitivity(Qt::CaseInsensitive);

    m_pTabella = new QTableView(pCorpo);
    m_pTabella->setObjectName(QStringLiteral("TbIo"));
    m_pTabella->setAccessibleName(QCoreApplication::translate("Ombrix", "Ingressi e uscite"));
    m_pTabella->setModel(m_pFiltro);
    m_pTabella->setSortingEnabled(true);
    m_pTabella->sortByColumn(-1, Qt::AscendingOrder); // the cross-reference's own order until a header is clicked
    m_pTabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTabella->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTabella->verticalHeader()->hide();
    m_pTabella->horizontalHeader()->setStretchLastSection(true);
    pColonna->addWidget(m_pTabella, 1);

    m_pLiberi = new QLabel(pCorpo);
    m_pLiberi->setObjectName(QStringLiteral("LblLiberi"));
    m_pLiberi->setWordWrap(true);
    m_pLiberi->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pColonna->addWidget(m_pLiberi);
    setWidget(pCorpo);

    connect(m_pFiltroTesto, &QLineEdit::textChanged, m_pFiltro, &QSortFilterProxyModel::setFilterFixedString);
    connect(m_pTabella, &QTableView::clicked, this, [this](const QModelIndex &index) {
        const QModelIndex prima = m_pFiltro->index(index.row(), iColClasse);
        const qint64 iArea = prima.data(iRuoloArea).toLongLong();
        const qint64 iSensore = prima.data(iRuoloSensore).toLongLong();
        m_ctx.cmd.pRunCommand([&] { pMostraAreaEOggetto(m_ctx, iArea, iSensore); });
    });
    connect(m_pEsporta, &QPushButton::clicked, this,
            [this] { m_ctx.cmd.pRunCommand([this] { BtnEsportaCsvClick(); }); });
    pSeguiDocumento(m_ctx, this, [this] { pAggiorna(); });
}

void TIoDock::pAggiorna()
{
    if (!isVisible())
        return;
    TProjectDocument &doc = m_ctx.doc;
    m_pEsporta->setEnabled(doc.fAperto());
    QList<TRigaIo> aRighe;
    try {
        aRighe = m_verifica.fRigheIo();
    } catch (...) {
        m_pModello->removeRows(0, m_pModello->rowCount());
        m_aMostrate.clear();
        m_aUltime.clear();
        m_pLiberi->clear();
        throw;
    }
    if (!aRighe.isEmpty() && aRighe.constData() == m_aUltime.constData())
        return; // the cross-reference has not changed since it was shown
    m_aUltime = aRighe;
    const QList<qint64> aInPiuAree[] = {fNumeriInPiuAree(aRighe, TClasseIo::Ingresso),
                                        fNumeriInPiuAree(aRighe, TClasseIo::Uscita)};
    QList<TMostrata> aNuove;
    aNuove.reserve(aRighe.size());
    for (const TRigaIo &r : aRighe)
        aNuove.append({r, aInPiuAree[r.eClasse == TClasseIo::Uscita].contains(r.iNumero)});
    const QList<TTratto> aTratti = fTratti(m_aMostrate, aNuove, [](const TMostrata &m) {
        return std::tuple(m.first.eClasse, m.first.iNumero, m.first.iAreaId, m.first.iSensoreId);
    });
    // a short change is made in place, a long one puts its rows in anew; the columns widen for each new row,
    // or fit them all when there are many
    qsizetype nNuove = 0;
    for (const TTratto &t : aTratti)
        nNuove += t.nNuove;
    const bool bMolte = m_aMostrate.isEmpty() || nNuove > iMolteRighe;
    int aLarghe[iColonne] = {};
    for (const TTratto &t : aTratti) {
        const qsizetype nComuni = qMin(t.nTolte, t.nNuove);
        const int nStanno = nComuni <= iPocheRighe ? int(nComuni) : 0;
        m_pModello->removeRows(int(t.iRiga) + nStanno, int(t.nTolte) - nStanno);
        for (qsizetype i = t.iRiga; i < t.iRiga + t.nNuove; ++i) {
            const QList<QStandardItem *> aCelle = fCelle(aNuove.at(i));
            if (i >= t.iRiga + nStanno) {
                m_pModello->insertRow(int(i), aCelle);
            } else {
                for (int iCol = 0; iCol < iColonne; ++iCol) {
                    const QStandardItem *pPrima = m_pModello->item(int(i), iCol);
                    if (pPrima->text() == aCelle.at(iCol)->text() && pPrima->font() == aCelle.at(iCol)->font() &&
                        pPrima->data(Qt::UserRole) == aCelle.at(iCol)->data(Qt::UserRole))
                        delete aCelle.at(iCol); // the cell shows the same
                    else
                        m_pModello->setItem(int(i), iCol, aCelle.at(iCol));
                }
            }
            for (int iCol = 0; !bMolte && iCol < iColonne; ++iCol) {
                const QModelIndex index = m_pFiltro->mapFromSource(m_pModello->index(int(i), iCol));
                if (index.isValid())
                    aLarghe[iCol] = qMax(aLarghe[iCol], m_pTabella->sizeHintForIndex(index).width() + 1);
            }
        }
    }
    m_aMostrate = std::move(aNuove);
    if (bMolte && !aTratti.isEmpty())
        m_pTabella->resizeColumnsToContents();
    for (int iCol = 0; !bMolte && iCol < iColonne; ++iCol)
        if (aLarghe[iCol] > m_pTabella->columnWidth(iCol))
            m_pTabella->setColumnWidth(iCol, aLarghe[iCol]);
    if (!doc.fAperto()) {
        m_pLiberi->clear();
        return;
    }
    m_pLiberi->setText(fElencoLiberi(QCoreApplication::translate("Ombrix", "Ingressi liberi"),
                                     fNumeriLiberi(aRighe, TClasseIo::Ingresso)) +
                       QLatin1Char('\n') +
                       fElencoLiberi(QCoreApplication::translate("Ombrix", "Uscite libere"),
                                     fNumeriLiberi(aRighe, TClasseIo::Uscita)));
}

QList<QStandardItem *> TIoDock::fCelle(const TMostrata &riga) const
{
    const TRigaIo &r = riga.first;
    auto *pClasse = new QStandardItem(fNomeClasseIo(r.eClasse));
    pClasse->setData(int(r.eClasse), Qt::UserRole);
    pClasse->setData(r.iAreaId, iRuoloArea);
    pClasse->setData(r.iSensoreId, iRuoloSensore);
    QStandardItem *pNumero = fCellaNumero(r.iNumero);
    if (riga.second) {
        QFont font = pNumero->font();
        font.setBold(true);
        pNumero->setFont(font);
        pNumero->setToolTip(QCoreApplication::translate("Ombrix", "numero usato in più aree"));
    }
    auto *pTipo = new QStandardItem(r.sTipo);
    pTipo->setData(r.sTipo, Qt::UserRole);
    auto *pArea = new QStandardItem(QStringLiteral("%1 %2").arg(r.iAreaId).arg(r.sArea));
    pArea->setData(r.iAreaId, Qt::UserRole);
    auto *pTesto = new QStandardItem(r.sTesto);
    pTesto->setData(r.sTesto, Qt::UserRole);
    return {pClasse, pNumero, pTipo, pArea, fCellaNumero(r.iSensoreId), pTesto};
}

void TIoDock::BtnEsportaCsvClick()
{
    TProjectDocument &doc = m_ctx.doc;
    if (!doc.fAperto())
        return;
    const QString sFile = m_ctx.cmd.fDialogs().fSaveFile(QCoreApplication::translate("Ombrix", "Esporta CSV"),
                                                         doc.fOutPath() + QStringLiteral("ingressi_uscite.csv"),
                                                         QStringLiteral("CSV (*.csv)"));
    if (sFile.isEmpty())
        return;
    const QByteArray abCsv = fCsvIo(fRiferimentiIo(doc.fConn()));
    QSaveFile file(sFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(abCsv) != abCsv.size() || !file.commit())
        throw TOmbrixError(sFile + QStringLiteral(": ") + file.errorString());
}

void TIoDock::showEvent(QShowEvent *pEvent)
{
    QDockWidget::showEvent(pEvent);
    try {
        pAggiorna();
    } catch (...) {
        m_ctx.cmd.pViewFailed(std::current_exception());
    }
}
