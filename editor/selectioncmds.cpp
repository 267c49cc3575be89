#include "editor/selectioncmds.h"

#include "document/allineamento.h"
#include "document/appunti.h"
#include "document/projectdocument.h"
#include "editor/dialogs.h"
#include "editor/etichetteunite.h"
#include "editor/selectionmodel.h"
#include "editor/selectiontool.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace {

bool fAreaAperta(const TContesto &ctx)
{
    return ctx.doc.fAperto() && ctx.doc.fAreaMostrata() != 0;
}

/** Every item of these objects of the shown area, in the order the canvas stacks them. */
QList<TChiave> fChiaviDegli(const TProjectDocument &doc, const QList<qint64> &aIds)
{
    QList<TChiave> a;
    for (const TSensore &s : doc.fOggetti())
        if (aIds.contains(s.Get_id()))
            a << fChiaviDi(s);
    return a;
}

void pZoomRimasti(const TContesto &ctx, const char *szMessaggio, int iZoom)
{
    if (iZoom > 0)
        ctx.cmd.pMessaggio(QCoreApplication::translate("Ombrix", szMessaggio).arg(iZoom));
}

} // namespace

void pSelezionaTutto(const TContesto &ctx)
{
    if (!fAreaAperta(ctx))
        return;
    QList<qint64> aIds;
    for (const TSensore &s : ctx.doc.fOggetti())
        aIds << s.Get_id();
    ctx.sel.pImposta(fChiaviDegli(ctx.doc, aIds));
}

void pEliminaSelezione(const TContesto &ctx)
{
    pZoomRimasti(ctx, QT_TRANSLATE_NOOP("Ombrix", "Indicatori di zoom non eliminati: %1"),
                 ctx.doc.pEliminaElementi(ctx.sel.fElementi()));
}

void pCopia(const TContesto &ctx)
{
    if (!fAreaAperta(ctx))
        return;
    QList<qint64> aIds;
    for (const TElemento &e : ctx.sel.fElementi())
        if (!aIds.contains(e.iId))
            aIds << e.iId;
    if (aIds.isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(fMimeDaAppunti(ctx.doc.fAppunti(aIds)));
}

void pTaglia(const TContesto &ctx)
{
    if (!fAreaAperta(ctx))
        return;
    pCopia(ctx);
    QList<TElemento> aOggetti; // every copied object whole, as its own "Elimina" would
    for (const TElemento &e : ctx.sel.fElementi())
        if (std::none_of(aOggetti.cbegin(), aOggetti.cend(), [&e](const TElemento &o) { return o.iId == e.iId; }))
            aOggetti << TElemento{e.iId, 0, e.pos};
    pZoomRimasti(ctx, QT_TRANSLATE_NOOP("Ombrix", "Indicatori di zoom non eliminati: %1"),
                 ctx.doc.pEliminaElementi(aOggetti));
}

void pIncolla(const TContesto &ctx, bool bSpeciale, int iGriglia)
{
    if (!fAreaAperta(ctx))
        return;
    std::optional<TAppunti> appunti = fAppuntiDaMime(QGuiApplication::clipboard()->mimeData());
    if (!appunti)
        return;
    if (iGriglia > 0)
        for (TSensore &s : appunti->aOggetti) {
            // the paste's own shift (16 pixels) is a whole number of steps: the centre stays on the grid
            const int iMeta = s.Get_iconsize() / 2;
            const int iDx = fSullaGriglia(s.Get_coordx() + iMeta, iGriglia) - (s.Get_coordx() + iMeta);
            const int iDy = fSullaGriglia(s.Get_coordy() + iMeta, iGriglia) - (s.Get_coordy() + iMeta);
            s.Set_coordx(s.Get_coordx() + iDx);
            s.Set_coordy(s.Get_coordy() + iDy);
            if (s.Get_tiposensore() == 4) {
                s.Set_coordx2(s.Get_coordx2() + iDx);
                s.Set_coordy2(s.Get_coordy2() + iDy);
            }
            if (!s.Get_testo().isEmpty() && fEtichetteUnite()) {
                s.Set_coordxt(s.Get_coordxt() + iDx);
                s.Set_coordyt(s.Get_coordyt() + iDy);
            }
        }
    TOpzioniIncolla opzioni;
    opzioni.bEtichetteUnite = fEtichetteUnite();
    if (bSpeciale) {
        TProjectDocument *pDoc = &ctx.doc;
        const QList<TSensore> aOggetti = appunti->aOggetti;
        const TFnAvvisoIncolla fnAvviso = [pDoc, aOggetti](const TOpzioniIncolla &o) {
            return pDoc->fAvvisoNumeri(aOggetti, o);
        };
        const TFnRifiutoIncolla fnRifiuto = [aOggetti](const TOpzioniIncolla &o) {
            return fRifiutoNumeriIncollati(aOggetti, o);
        };
        if (!ctx.cmd.fDialogs().fIncollaSpeciale(QCoreApplication::translate("Ombrix", "Incolla speciale"), opzioni,
                                                 fnAvviso, fnRifiuto))
            return;
    }
    int iZoom = 0;
    const QList<qint64> aNuovi = ctx.doc.pIncolla(*appunti, opzioni, &iZoom);
    // what was pasted is selected, ready to be moved into place
    ctx.sel.pImposta(fChiaviDegli(ctx.doc, aNuovi));
    pZoomRimasti(ctx, QT_TRANSLATE_NOOP("Ombrix", "Indicatori di zoom non incollati: %1"), iZoom);
}

void pAllinea(const TContesto &ctx, TAllineamento eModo)
{
    if (!fAreaAperta(ctx))
        return;
    const QList<TChiave> aChiavi = ctx.sel.fChiaviInOrdine();
    if (aChiavi.size() < fMinimoAllineamento(eModo))
        return;
    QList<QRect> aRect;
    for (const TChiave &chiave : aChiavi)
        aRect << fRettangoloPannello(*ctx.doc.fOggetto(chiave.iId), chiave.eParte);
    const QList<QPoint> aPos = fAllinea(aRect, eModo);
    QList<TElemento> aElementi;
    for (qsizetype i = 0; i < aChiavi.size(); ++i)
        if (aPos.at(i) != aRect.at(i).topLeft())
            aElementi << TElemento{aChiavi.at(i).iId, int(aChiavi.at(i).eParte), aPos.at(i)};
    ctx.doc.pSpostaElementi(fConEtichette(ctx.doc, aElementi, aChiavi),
                            QCoreApplication::translate("Ombrix", "allineamento"), false);
}
