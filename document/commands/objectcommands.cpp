// The edits of the objects on an area: placing, moving an icon or a
// barrier's second end, deleting.

#include "document/commands/modifica.h"
#include "document/projectdocument.h"
#include "model/catalogo.h"

qint64 TProjectDocument::pAggiungiOggetto(int iTipo, int iIconSize, const QString &sNumero)
{
    const qint64 iArea = fAreaMostrata();
    if (iArea == 0)
        return 0;
    qint64 iNuovo = 0;
    pEsegui(new TModificaFn(*this, tr("inserimento oggetto"), [&](TModificaFn &m) {
        iNuovo = fSensorStore().fAddSensorToDb(QString::number(iArea), QStringLiteral("0"), sNumero,
                                               QString::number(iIconSize), iTipo);
        m.pToccaSensoreNuovo(iNuovo); // a new id: there was no such row before
    }));
    return iNuovo;
}

void TProjectDocument::pSpostaOggetto(qint64 iId, int iMark, const QPoint &pos)
{
    const TSensore *p = fOggetto(iId);
    if (!p)
        return;
    const QString sNome = fNomeSensore(p->Get_tiposensore(), p->Get_area_zoom(), iId,
                                       QString::number(p->Get_numsensore()));
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
