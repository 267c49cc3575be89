// The edits of the area list: a base area, a detail area with its zoom
// marker, deleting, renaming, and replacing an area's picture.

#include "document/commands/modifica.h"
#include "document/projectdocument.h"
#include "model/righe.h"
#include "workspace/errors.h"
#include "workspace/sqlconn.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

qint64 TProjectDocument::pAggiungiAreaBase(const QString &sNome)
{
    qint64 iNuova = 0;
    pEsegui(new TModificaFn(*this, tr("nuova area"), [&](TModificaFn &m) {
        TAreaStore &store = fAreaStore();
        iNuova = store.fNuovoId();
        m.pToccaArea(iNuova);
        m.pToccaImmagine(iNuova);
        store.pInsertAreaBase(iNuova, sNome, 0);
        store.pCopyBlankPicture(iNuova);
        m.iMostrataDopo = iNuova;
    }));
    return iNuova;
}

qint64 TProjectDocument::pAggiungiAreaDettaglio(qint64 iPadre, const QString &sNome, int iIconSize, const QPoint &pos)
{
    const TAreaRow *pPadre = fArea(iPadre);
    if (!pPadre)
        return 0;
    const int iLivello = pPadre->iLivello;
    qint64 iNuova = 0;
    pEsegui(new TModificaFn(*this, tr("nuova area di dettaglio"), [&](TModificaFn &m) {
        TAreaStore &store = fAreaStore();
        iNuova = store.fNuovoId();
        m.pToccaArea(iNuova);
        m.pToccaImmagine(iNuova);
        store.pInsertAreaSon(iNuova, sNome, iLivello, iPadre);
        store.pCopyBlankPicture(iNuova);
        // the marker that leads to it, on its parent
        const qint64 iMarker = fSensorStore().fAddSensorToDb(QString::number(iPadre), QString::number(iNuova),
                                                             QStringLiteral("0"), QString::number(iIconSize), 3, pos);
        m.pToccaSensoreNuovo(iMarker);
        m.iMostrataDopo = iPadre;
    }));
    return iNuova;
}

void TProjectDocument::pEliminaArea(qint64 iId)
{
    if (const TAreaRow *pArea = fArea(iId))
        pCopiaAutomatica(tr("prima dell'eliminazione dell'area %1 (%2)").arg(iId).arg(pArea->sNome));
    pEsegui(new TModificaFn(*this, tr("eliminazione area"), [&](TModificaFn &m) {
        m.pToccaArea(iId);
        m.pToccaImmagine(iId);
        const QList<TRiga> aLegati =
            fLeggiRighe(fConn(), QStringLiteral("SELECT _id FROM tbsensori WHERE area_id = ? OR area_zoom = ?"),
                        {QVariant(iId), QVariant(iId)});
        for (const TRiga &r : aLegati)
            m.pToccaSensore(r.aValori.value(0).toLongLong());
        fAreaStore().pDelArea(iId);
        m.iMostrataDopo = 0; // no area is shown after a delete
    }));
}

void TProjectDocument::pRinominaArea(qint64 iId, const QString &sNome)
{
    pEsegui(new TModificaFn(*this, tr("rinomina area"), [&](TModificaFn &m) {
        m.pToccaArea(iId);
        fAreaStore().pRinominaAreaInDb(QString::number(iId), sNome);
    }));
}

void TProjectDocument::pCambiaSfondo(qint64 iId, const QString &sFile)
{
    if (!fArea(iId))
        return;
    pEsegui(new TModificaFn(*this, tr("cambio sfondo"), [&](TModificaFn &m) {
        m.pToccaImmagine(iId);
        // byte for byte, in pieces, replacing the stored picture only once the copy is complete
        if (!QFileInfo(sFile).isFile())
            throw TOmbrixError(sFile + QCoreApplication::translate("Ombrix", ": non è un file normale"));
        QFile src(sFile);
        const QString sDest = fAreaPicturePath(iId);
        QSaveFile dest(sDest);
        if (!src.open(QIODevice::ReadOnly))
            throw TOmbrixError(sFile + QStringLiteral(": ") + src.errorString());
        if (!dest.open(QIODevice::WriteOnly))
            throw TOmbrixError(sDest + QStringLiteral(": ") + dest.errorString());
        QByteArray abChunk;
        while (!(abChunk = src.read(1 << 20)).isEmpty())
            if (dest.write(abChunk) != abChunk.size())
                throw TOmbrixError(sDest + QStringLiteral(": ") + dest.errorString());
        if (src.error() != QFileDevice::NoError)
            throw TOmbrixError(sFile + QStringLiteral(": ") + src.errorString());
        if (!dest.commit())
            throw TOmbrixError(sDest + QStringLiteral(": ") + dest.errorString());
        m.iMostrataDopo = iId;
    }));
}

void TProjectDocument::pScriviSfondo(qint64 iId, const QByteArray &abJpeg)
{
    if (!fArea(iId))
        return;
    pEsegui(new TModificaFn(*this, tr("sfondo"), [&](TModificaFn &m) {
        m.pToccaImmagine(iId);
        const QString sDest = fAreaPicturePath(iId);
        QSaveFile dest(sDest);
        if (!dest.open(QIODevice::WriteOnly) || dest.write(abJpeg) != abJpeg.size() || !dest.commit())
            throw TOmbrixError(sDest + QStringLiteral(": ") + dest.errorString());
        m.iMostrataDopo = iId;
    }));
}
