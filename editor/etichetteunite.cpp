#include "editor/etichetteunite.h"

#include "document/projectdocument.h"
#include "editor/selectiontool.h"
#include "workspace/uty.h"

bool fEtichetteUnite()
{
    return bGlobEtichetteUnite;
}

void pImpostaEtichetteUnite(bool bUnite)
{
    bGlobEtichetteUnite = bUnite;
}

QList<TChiave> fEtichetteAlSeguito(const TProjectDocument &doc, const QList<TChiave> &aChiavi)
{
    QList<TChiave> aSeguito;
    if (!fEtichetteUnite())
        return aSeguito;
    for (const TChiave &chiave : aChiavi) {
        const TChiave testo{chiave.iId, TParte::Testo};
        const TSensore *p = doc.fOggetto(chiave.iId);
        if (chiave.eParte == TParte::Icona && p && fHaParte(*p, TParte::Testo) && !aChiavi.contains(testo) &&
            !aSeguito.contains(testo))
            aSeguito << testo;
    }
    return aSeguito;
}

QList<TElemento> fConEtichette(const TProjectDocument &doc, const QList<TElemento> &aElementi,
                               const QList<TChiave> &aScelti)
{
    QList<TChiave> aChiavi = aScelti;
    for (const TElemento &e : aElementi)
        aChiavi << TChiave{e.iId, TParte(e.iElemento)};
    const QList<TChiave> aSeguito = fEtichetteAlSeguito(doc, aChiavi);
    QList<TElemento> aConEtichette;
    for (const TElemento &e : aElementi) {
        const TChiave testo{e.iId, TParte::Testo};
        const TSensore *p = doc.fOggetto(e.iId);
        if (e.iElemento != int(TParte::Icona) || !p || !aSeguito.contains(testo)) {
            aConEtichette << e;
            continue;
        }
        // the icon's statement first, then its label's, both by the offset the pair can take
        const QRect icona = fRettangoloPannello(*p, TParte::Icona);
        const QRect rcTesto = fRettangoloPannello(*p, TParte::Testo);
        const QPoint d = fSpostamentoDiGruppo({icona, rcTesto}, e.pos - icona.topLeft());
        aConEtichette << TElemento{e.iId, e.iElemento, icona.topLeft() + d};
        aConEtichette << TElemento{e.iId, int(TParte::Testo), rcTesto.topLeft() + d};
    }
    return aConEtichette;
}
