// The edits of the objects on an area: placing, moving an icon or a
// barrier's second end, deleting.

#include "document/commands/modifica.h"
#include "document/projectdocument.h"
#include "model/catalogo.h"
#include "model/numeroio.h"
#include "workspace/errors.h"

#include <functional>

qint64 TProjectDocument::pAggiungiOggetto(int iTipo, int iIconSize, const QString &sNumero, const QPoint &pos)
{
    const qint64 iArea = fAreaMostrata();
    if (iArea == 0)
        return 0;
    qint64 iNuovo = 0;
    pEsegui(new TModificaFn(*this, tr("inserimento oggetto"), [&](TModificaFn &m) {
        iNuovo = fSensorStore().fAddSensorToDb(QString::number(iArea), QStringLiteral("0"), sNumero,
                                               QString::number(iIconSize), iTipo, pos);
        m.pToccaSensoreNuovo(iNuovo); // a new id: there was no such row before
    }));
    return iNuovo;
}

void TProjectDocument::pSpostaOggetto(qint64 iId, int iMark, const QPoint &pos)
{
    const TSensore *p = fOggetto(iId);
    if (!p)
        return;
    const QString sNome =
        fNomeSensore(p->Get_tiposensore(), p->Get_area_zoom(), iId, QString::number(p->Get_numsensore()));
    pEsegui(new TModificaFn(*this, tr("spostamento"), [&](TModificaFn &m) {
        m.pToccaSensore(iId);
        fSensorStore().pUpdateSensorInDb(sNome, pos.x(), pos.y(), iMark);
    }));
}

void TProjectDocument::pEliminaOggetto(qint64 iId)
{
    pEsegui(new TModificaFn(*this, tr("eliminazione oggetto"), [&](TModificaFn &m) {
        m.pToccaSensore(iId);
        fSensorStore().fDeleteSensorFromDb(QString::number(iId));
    }));
}

void TProjectDocument::pSpingiOggetto(qint64 iId, int iElemento, const QPoint &pos)
{
    pSpostaElementi({TElemento{iId, iElemento, pos}}, tr("spostamento"), true);
}

qint64 TProjectDocument::fNumeroLibero(int iTipo, qint64 iNumero)
{
    QList<qint64> aUsati;
    for (const TUsoNumero &uso : fSensorStore().fNumeriDeiTipi(fTipiDellaClasse(fClasseTipo(iTipo))))
        aUsati << uso.iNumero;
    qint64 iLibero = iNumero + 1;
    while (aUsati.contains(iLibero))
        ++iLibero;
    return iLibero;
}

QMap<int, QSet<qint64>> TProjectDocument::fNumeriRipetuti()
{
    QMap<int, QSet<qint64>> aRipetuti;
    for (TClasse eClasse : {TClasse::Ingresso, TClasse::Uscita}) {
        const QList<int> aTipi = fTipiDellaClasse(eClasse);
        QSet<qint64> aVisti, aDoppi;
        for (const TUsoNumero &uso : fSensorStore().fNumeriDeiTipi(aTipi))
            if (aVisti.contains(uso.iNumero))
                aDoppi.insert(uso.iNumero);
            else
                aVisti.insert(uso.iNumero);
        for (int iTipo : aTipi)
            aRipetuti.insert(iTipo, aDoppi);
    }
    return aRipetuti;
}

QList<TUsoNumero> TProjectDocument::fUsiNumero(int iTipo, qint64 iNumero, qint64 iId)
{
    QList<TUsoNumero> aUsi;
    for (const TUsoNumero &uso : fSensorStore().fNumeriDeiTipi(fTipiDellaClasse(fClasseTipo(iTipo))))
        if (uso.iNumero == iNumero && uso.iId != iId)
            aUsi << uso;
    return aUsi;
}

qint64 TProjectDocument::pDuplicaOggetto(qint64 iId, const QString &sNumero, const QPoint &pos, const QPoint &pos2,
                                         const QPoint &posTesto, const QString &sTesto)
{
    const qint64 iArea = fAreaMostrata();
    const TSensore *p = fOggetto(iId);
    if (iArea == 0 || !p)
        return 0;
    const TSensore s = *p;
    if (fClasseTipo(s.Get_tiposensore()) != TClasse::Nessuna && fClasseTipo(s.Get_tiposensore()) != TClasse::Zoom &&
        !fNumeroIoValido(sNumero.toLongLong())) // a copy's number lies in the panel's range
        throw TOmbrixError(fNumeroFuoriCampoPer(fNomeOggettoIo(s.Get_tiposensore(), s.Get_numsensore(), s.Get_testo()),
                                                sNumero.toLongLong()));
    qint64 iNuovo = 0;
    pEsegui(new TModificaFn(*this, tr("duplicazione"), [&](TModificaFn &m) {
        TSensorStore &store = fSensorStore();
        iNuovo = store.fAddSensorToDb(QString::number(iArea), QString::number(s.Get_area_zoom()), sNumero,
                                      QString::number(s.Get_iconsize()), s.Get_tiposensore());
        m.pToccaSensoreNuovo(iNuovo);
        const QString sNome = fNomeSensore(s.Get_tiposensore(), s.Get_area_zoom(), iNuovo, sNumero);
        store.pUpdateSensorInDb(sNome, pos.x(), pos.y(), 0);
        if (s.Get_tiposensore() == 4)
            store.pUpdateSensorInDb(sNome, pos2.x(), pos2.y(), 1);
        if (!sTesto.isEmpty()) {
            store.pAddTextToSensorInDb(iNuovo, posTesto.x(), posTesto.y(), s.Get_fonttxt(), s.Get_colortxt(), sTesto);
            if (posTesto.x() == 0 || posTesto.y() == 0 || sTesto == sKeepTesto)
                store.pStoreLabelPlace(iNuovo, posTesto.x(), posTesto.y(), sTesto);
        }
    }));
    return iNuovo;
}

void TProjectDocument::pCambiaProprieta(qint64 iId, int iTipo, const QString &sNumero, const QPoint &pos2,
                                        const QString &sTesto, const QPoint &posTesto, int iFont, int iColor)
{
    pCambiaProprieta({TProprietaOggetto{iId, iTipo, sNumero, pos2, sTesto, posTesto, iFont, iColor}});
}

void TProjectDocument::pCambiaProprieta(const QList<TProprietaOggetto> &aProprieta)
{
    QList<std::pair<TProprietaOggetto, TSensore>> aDaCambiare;
    for (const TProprietaOggetto &prop : aProprieta)
        if (const TSensore *p = fOggetto(prop.iId))
            aDaCambiare.append({prop, *p});
    if (aDaCambiare.isEmpty())
        return;
    pEsegui(new TModificaFn(*this, tr("proprietà"), [&](TModificaFn &m) {
        TSensorStore &store = fSensorStore();
        for (const auto &[prop, s] : aDaCambiare) {
            const qint64 iId = prop.iId;
            const QString &sTesto = prop.sTesto;
            m.pToccaSensore(iId);
            if (prop.iTipo != s.Get_tiposensore() || prop.sNumero != QString::number(s.Get_numsensore()))
                store.pStoreTipoNumero(iId, prop.iTipo, prop.sNumero.toLongLong());
            if (prop.iTipo == 4 && s.Get_tiposensore() != 4)
                store.pStoreSecondoCapo(iId, prop.pos2.x(), prop.pos2.y());
            else if (prop.iTipo != 4 && (s.Get_coordx2() != 0 || s.Get_coordy2() != 0))
                store.pStoreSecondoCapo(iId, 0, 0);
            if (sTesto.isEmpty()) {
                if (!s.Get_testo().isEmpty())
                    store.pAddTextToSensorInDb(iId, 0, 0, 0, 0, QString());
            } else if (s.Get_testo().isEmpty()) {
                store.pAddTextToSensorInDb(iId, prop.posTesto.x(), prop.posTesto.y(), prop.iFont, prop.iColor, sTesto);
                if (prop.posTesto.x() == 0 || prop.posTesto.y() == 0 || sTesto == sKeepTesto)
                    store.pStoreLabelPlace(iId, prop.posTesto.x(), prop.posTesto.y(), sTesto);
            } else if (sTesto != s.Get_testo() || prop.iFont != s.Get_fonttxt() || prop.iColor != s.Get_colortxt()) {
                store.pAddTextToSensorInDb(iId, 0, 0, prop.iFont, prop.iColor, sTesto);
                if (sTesto == sKeepTesto)
                    store.pStoreLabelText(iId, sTesto);
            }
        }
    }));
}
