#include "editor/iodock.h"

#include "check/riferimentiio.h"
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

namespace {

enum { iColClasse, iColNumero, iColTipo, iColArea, iColSensore, iColTesto, iColonne };
constexpr int iRuoloArea = Qt::UserRole + 1;
constexpr int iRuoloSensore = Qt::UserRole + 2;

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
    : QDockWidget(QCoreApplication::translate("Ombrix", "Ingressi/Uscite"), pParent), m_ctx(ctx)
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
         QCoreApplication::translate("Ombrix", "Sensore"), QCoreApplication::translate("Ombrix", "Testo")});
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
    m_pModello->removeRows(0, m_pModello->rowCount());
    m_pLiberi->clear();
    m_pEsporta->setEnabled(doc.fAperto());
    if (!doc.fAperto())
        return;
    const QList<TRigaIo> aRighe = fRiferimentiIo(doc.fConn());
    const QList<qint64> aInPiuAree[] = {fNumeriInPiuAree(aRighe, TClasseIo::Ingresso),
                                        fNumeriInPiuAree(aRighe, TClasseIo::Uscita)};
    for (const TRigaIo &r : aRighe) {
        const bool bInPiuAree = aInPiuAree[r.eClasse == TClasseIo::Uscita].contains(r.iNumero);
        auto *pClasse = new QStandardItem(fNomeClasseIo(r.eClasse));
        pClasse->setData(int(r.eClasse), Qt::UserRole);
        pClasse->setData(r.iAreaId, iRuoloArea);
        pClasse->setData(r.iSensoreId, iRuoloSensore);
        QStandardItem *pNumero = fCellaNumero(r.iNumero);
        if (bInPiuAree) {
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
        m_pModello->appendRow({pClasse, pNumero, pTipo, pArea, fCellaNumero(r.iSensoreId), pTesto});
    }
    m_pTabella->resizeColumnsToContents();
    m_pLiberi->setText(fElencoLiberi(QCoreApplication::translate("Ombrix", "Ingressi liberi"),
                                     fNumeriLiberi(aRighe, TClasseIo::Ingresso)) +
                       QLatin1Char('\n') +
                       fElencoLiberi(QCoreApplication::translate("Ombrix", "Uscite libere"),
                                     fNumeriLiberi(aRighe, TClasseIo::Uscita)));
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
