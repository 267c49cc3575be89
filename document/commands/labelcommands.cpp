// The edits of an object's label: adding, moving, retyping, restyling and
// deleting it. The general label update reads 0 and "@+|+#" as "keep", so
// where those are the values to store, the exact label writes store them.

#include "document/commands/modifica.h"
#include "document/projectdocument.h"

void TProjectDocument::pAggiungiTesto(qint64 iId, const QPoint &pos, int iFont, int iColor, const QString &sTesto)
{
    pEsegui(new TModificaFn(*this, tr("aggiunta testo"), [&](TModificaFn &m) {
        m.pToccaSensore(iId);
        TSensorStore &store = fSensorStore();
        store.pAddTextToSensorInDb(iId, pos.x(), pos.y(), iFont, iColor, sTesto);
        if (pos.x() == 0 || pos.y() == 0 || sTesto == sKeepTesto)
            store.pStoreLabelPlace(iId, pos.x(), pos.y(), sTesto);
    }));
}

void TProjectDocument::pSpostaTesto(qint64 iId, const QPoint &pos, const QString &sTesto)
{
    pEsegui(new TModificaFn(*this, tr("spostamento"), [&](TModificaFn &m) {
        m.pToccaSensore(iId);
        // stored exactly, 0 included, so that a reload shows the label where it was left
        fSensorStore().pStoreLabelPlace(iId, pos.x(), pos.y(), sTesto);
    }));
}

void TProjectDocument::pModificaTesto(qint64 iId, const QString &sTesto)
{
    pEsegui(new TModificaFn(*this, tr("modifica testo"), [&](TModificaFn &m) {
        m.pToccaSensore(iId);
        if (sTesto == sKeepTesto)
            fSensorStore().pStoreLabelText(iId, sTesto); // the general update would keep the old text
        else
            fSensorStore().pAddTextToSensorInDb(iId, 0, 0, 0, 0, sTesto);
    }));
}

void TProjectDocument::pStileTesto(qint64 iId, int iFont, int iColor)
{
    pEsegui(new TModificaFn(*this, tr("dimensione e colore del testo"), [&](TModificaFn &m) {
        m.pToccaSensore(iId);
        fSensorStore().pAddTextToSensorInDb(iId, 0, 0, iFont, iColor, sKeepTesto);
    }));
}

void TProjectDocument::pEliminaTesto(qint64 iId)
{
    pEsegui(new TModificaFn(*this, tr("eliminazione testo"), [&](TModificaFn &m) {
        m.pToccaSensore(iId);
        fSensorStore().pAddTextToSensorInDb(iId, 0, 0, 0, 0, QString());
    }));
}
