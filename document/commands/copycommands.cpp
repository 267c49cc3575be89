// The edits that copy objects: pasting from the clipboard, and duplicating a
// base area with its detail areas. Every copy is a new row made by the
// placement's insert, with a new id.

#include "document/appunti.h"
#include "document/commands/modifica.h"
#include "document/projectdocument.h"
#include "model/catalogo.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace {

/** A copy of s on area iArea, moved by shift and kept inside the canvas, its zoom marker leading to iAreaZoom. */
qint64 fInserisciCopia(TProjectDocument &doc, TModificaFn &m, qint64 iArea, const TSensore &s, const QPoint &shift,
                       const TOpzioniIncolla &opzioni, qint64 iAreaZoom)
{
    TSensorStore &store = doc.fSensorStore();
    const int iTipo = s.Get_tiposensore();
    const qint64 iNumero = fNumeroIncollato(s, opzioni);
    const QString sNumero = QString::number(iNumero);
    const qint64 iNuovo = store.fAddSensorToDb(QString::number(iArea), QString::number(iAreaZoom), sNumero,
                                               QString::number(s.Get_iconsize()), iTipo);
    m.pToccaSensoreNuovo(iNuovo);
    const QString sNome = fNomeSensore(iTipo, iAreaZoom, iNuovo, sNumero);
    const QRect icona(s.Get_coordx(), s.Get_coordy(), s.Get_iconsize(), s.Get_iconsize());
    QPoint pos = fDentroCanvas(icona.topLeft() + shift, icona.size());
    std::optional<QPoint> posUnita; // the label's place when it goes with its icon
    if (!s.Get_testo().isEmpty() && opzioni.bEtichetteUnite) {
        const QRect testo(QPoint(s.Get_coordxt(), s.Get_coordyt()), fDimensioneTesto(s.Get_fonttxt(), s.Get_testo()));
        const QPoint d = fSpostamentoCoppia(icona, testo, shift);
        pos = icona.topLeft() + d;
        posUnita = testo.topLeft() + d;
    }
    store.pUpdateSensorInDb(sNome, pos.x(), pos.y(), 0);
    if (iTipo == 4) {
        const QPoint pos2 =
            fDentroCanvas(QPoint(s.Get_coordx2(), s.Get_coordy2()) + shift, QSize(iGlobB2Size, iGlobB2Size));
        store.pUpdateSensorInDb(sNome, pos2.x(), pos2.y(), 1);
    }
    if (!s.Get_testo().isEmpty()) {
        const QString sTesto =
            opzioni.bAggiornaTesti ? fTestoRinumerato(s.Get_testo(), s.Get_numsensore(), iNumero) : s.Get_testo();
        const QPoint posTesto = posUnita ? *posUnita
                                         : fDentroCanvas(QPoint(s.Get_coordxt(), s.Get_coordyt()) + shift,
                                                         fDimensioneTesto(s.Get_fonttxt(), sTesto));
        store.pAddTextToSensorInDb(iNuovo, posTesto.x(), posTesto.y(), s.Get_fonttxt(), s.Get_colortxt(), sTesto);
        if (posTesto.x() == 0 || posTesto.y() == 0 || sTesto == sKeepTesto)
            store.pStoreLabelPlace(iNuovo, posTesto.x(), posTesto.y(), sTesto);
    }
    return iNuovo;
}

/** A byte-for-byte copy of one area's picture for another; no picture, no copy. */
void pCopiaImmagine(const QString &sDa, const QString &sA)
{
    if (!QFileInfo::exists(sDa))
        return;
    if (!QFileInfo(sDa).isFile())
        throw TOmbrixError(sDa + QCoreApplication::translate("Ombrix", ": non è un file normale"));
    QFile src(sDa);
    if (!src.open(QIODevice::ReadOnly))
        throw TOmbrixError(sDa + QStringLiteral(": ") + src.errorString());
    const QByteArray abDati = src.readAll();
    if (src.error() != QFileDevice::NoError)
        throw TOmbrixError(sDa + QStringLiteral(": ") + src.errorString());
    QSaveFile dest(sA);
    if (!dest.open(QIODevice::WriteOnly) || dest.write(abDati) != abDati.size() || !dest.commit())
        throw TOmbrixError(sA + QStringLiteral(": ") + dest.errorString());
}

} // namespace

TAppunti TProjectDocument::fAppunti(const QList<qint64> &aIds) const
{
    TAppunti appunti;
    appunti.sDatabase = fDatabase();
    appunti.iArea = m_iMostrata;
    for (const TSensore &s : m_aOggetti)
        if (aIds.contains(s.Get_id()))
            appunti.aOggetti << s;
    return appunti;
}

QList<qint64> TProjectDocument::pIncolla(const TAppunti &appunti, const TOpzioniIncolla &opzioni, int *piZoom)
{
    const qint64 iArea = fAreaMostrata();
    QList<qint64> aNuovi;
    int iZoom = 0;
    for (const TSensore &s : appunti.aOggetti)
        iZoom += s.Get_tiposensore() == 3 ? 1 : 0;
    if (piZoom)
        *piZoom = iZoom;
    if (iArea == 0)
        return aNuovi;
    // checked whole before anything is stored, against the rules of typed input
    const QString sDifetto = fDifettoIncolla(appunti, opzioni);
    if (!sDifetto.isEmpty())
        throw TOmbrixError(tr("Incolla rifiutato, nessun oggetto incollato: %1").arg(sDifetto));
    if (iZoom == appunti.aOggetti.size())
        return aNuovi;
    // a paste onto the originals' own area lies beside them
    const bool bStessaArea = appunti.sDatabase == fDatabase() && appunti.iArea == iArea;
    const QPoint shift = bStessaArea ? QPoint(16, 16) : QPoint(0, 0);
    pEsegui(new TModificaFn(*this, tr("incolla"), [&](TModificaFn &m) {
        // one transaction: the whole paste or nothing, written at once
        TTransaction tx(m_conn);
        for (const TSensore &s : appunti.aOggetti)
            if (s.Get_tiposensore() != 3)
                aNuovi << fInserisciCopia(*this, m, iArea, s, shift, opzioni, 0);
        tx.pCommit();
    }));
    return aNuovi;
}

QString TProjectDocument::fAvvisoNumeri(const QList<TSensore> &aOggetti, const TOpzioniIncolla &opzioni)
{
    QMap<TClasse, QList<qint64>> aUsati;
    for (TClasse eClasse : {TClasse::Ingresso, TClasse::Uscita}) {
        for (const TUsoNumero &uso : fSensorStore().fNumeriDeiTipi(fTipiDellaClasse(eClasse)))
            aUsati[eClasse] << uso.iNumero;
    }
    QMap<TClasse, QStringList> aDoppi;
    for (const TSensore &s : aOggetti) {
        const TClasse eClasse = fClasseTipo(s.Get_tiposensore());
        const qint64 iNumero = fNumeroIncollato(s, opzioni);
        const QString sNumero = QString::number(iNumero);
        if (aUsati.value(eClasse).contains(iNumero) && !aDoppi[eClasse].contains(sNumero))
            aDoppi[eClasse] << sNumero;
    }
    QStringList asParti;
    if (!aDoppi.value(TClasse::Ingresso).isEmpty())
        asParti << tr("ingressi %1").arg(aDoppi.value(TClasse::Ingresso).join(QStringLiteral(", ")));
    if (!aDoppi.value(TClasse::Uscita).isEmpty())
        asParti << tr("uscite %1").arg(aDoppi.value(TClasse::Uscita).join(QStringLiteral(", ")));
    if (asParti.isEmpty())
        return QString();
    return tr("Numeri già usati nel progetto: %1").arg(asParti.join(QStringLiteral("; ")));
}

QList<TSensore> TProjectDocument::fOggettiConDettagli(qint64 iId)
{
    QList<TSensore> aOggetti = fSensorStore().pLoadSensori(QString::number(iId));
    for (const TAreaRow &row : CDArea.fRows())
        if (row.iFatherId == iId)
            aOggetti << fSensorStore().pLoadSensori(QString::number(row.iId));
    return aOggetti;
}

qint64 TProjectDocument::pDuplicaArea(qint64 iId, const TOpzioniIncolla &opzioni)
{
    const TAreaRow *pArea = fArea(iId);
    if (!pArea || pArea->iLivello != 0)
        return 0;
    // every number the copy gets lies in the panel's range, or nothing is made
    const QString sRifiuto = fRifiutoNumeriIncollati(fOggettiConDettagli(iId), opzioni);
    if (!sRifiuto.isEmpty())
        throw TOmbrixError(sRifiuto);
    const QString sNome = tr("%1 (copia)").arg(pArea->sNome);
    QList<TAreaRow> aDettagli; // the area list is read again as new ids are chosen: its rows are copied first
    for (const TAreaRow &row : CDArea.fRows())
        if (row.iFatherId == iId)
            aDettagli << row;
    qint64 iNuova = 0;
    pEsegui(new TModificaFn(*this, tr("duplicazione area"), [&](TModificaFn &m) {
        TAreaStore &store = fAreaStore();
        iNuova = store.fNuovoId();
        m.pToccaArea(iNuova);
        m.pToccaImmagine(iNuova);
        store.pInsertAreaBase(iNuova, sNome, 0);
        pCopiaImmagine(fAreaPicturePath(iId), fAreaPicturePath(iNuova));
        QHash<qint64, qint64> aNuoveAree{{iId, iNuova}};
        QList<qint64> aVecchie{iId};
        for (const TAreaRow &row : aDettagli) {
            const qint64 iDettaglio = store.fNuovoId();
            m.pToccaArea(iDettaglio);
            m.pToccaImmagine(iDettaglio);
            store.pInsertAreaSon(iDettaglio, row.sNome, 0, iNuova);
            pCopiaImmagine(fAreaPicturePath(row.iId), fAreaPicturePath(iDettaglio));
            aNuoveAree.insert(row.iId, iDettaglio);
            aVecchie << row.iId;
        }
        for (qint64 iVecchia : aVecchie)
            for (const TSensore &s : fSensorStore().pLoadSensori(QString::number(iVecchia))) {
                if (s.Get_tiposensore() == 3 && !aNuoveAree.contains(s.Get_area_zoom()))
                    continue; // a marker leads to one detail area: only to a copied one
                const qint64 iZoom = s.Get_tiposensore() == 3 ? aNuoveAree.value(s.Get_area_zoom()) : 0;
                fInserisciCopia(*this, m, aNuoveAree.value(iVecchia), s, QPoint(0, 0), opzioni, iZoom);
            }
        m.iMostrataDopo = iNuova;
    }));
    return iNuova;
}
