#include "editor/canvaskeys.h"

#include "document/projectdocument.h"
#include "editor/canvas.h"
#include "editor/canvasitem.h"
#include "editor/etichetteunite.h"
#include "editor/objectcmds.h"
#include "editor/selectioncmds.h"
#include "editor/selectionmodel.h"
#include "editor/selectiontool.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

/** Tab and Shift+Tab: the next or the previous item in the stack, round again past the ends. */
void pCammina(const TContesto &ctx, TAreaCanvas &canvas, bool bIndietro)
{
    const QList<TCanvasItem *> aItems = canvas.fItems();
    if (aItems.isEmpty())
        return;
    const std::optional<TChiave> corrente = ctx.sel.fCorrente();
    const qsizetype i = corrente ? aItems.indexOf(canvas.fItem(*corrente)) : -1;
    qsizetype iNuovo = 0;
    if (i < 0)
        iNuovo = bIndietro ? aItems.size() - 1 : 0;
    else
        iNuovo = (i + (bIndietro ? aItems.size() - 1 : 1)) % aItems.size();
    ctx.sel.pSeleziona(aItems.at(iNuovo)->fChiave());
}

void pElimina(const TContesto &ctx)
{
    if (ctx.sel.fMultipla())
        return pEliminaSelezione(ctx);
    const std::optional<TChiave> corrente = ctx.sel.fCorrente();
    const TSensore *p = corrente ? ctx.doc.fOggetto(corrente->iId) : nullptr;
    if (!p)
        return;
    if (corrente->eParte == TParte::Testo)
        ctx.doc.pEliminaTesto(corrente->iId);
    else if (p->Get_tiposensore() != 3) // a marker goes with its area
        pEliminaSensore(ctx, corrente->iId);
}

void pSposta(const TContesto &ctx, TAreaCanvas &canvas, const QPoint &delta)
{
    const std::optional<TChiave> corrente = ctx.sel.fCorrente();
    const TCanvasItem *pItem = corrente ? canvas.fItem(*corrente) : nullptr;
    if (!pItem)
        return;
    const QList<TChiave> aSeguito = fEtichetteAlSeguito(ctx.doc, ctx.sel.fChiavi());
    if (ctx.sel.fMultipla() || !aSeguito.isEmpty()) {
        // the selection, with the labels that follow it, moves as a whole, as far as its first item can
        const QList<TElemento> aPrima = ctx.sel.fElementi();
        QList<QRect> aRect;
        for (const TElemento &e : aPrima)
            if (const TCanvasItem *p = canvas.fItem({e.iId, TParte(e.iElemento)}))
                aRect << p->fRettangolo();
        for (const TChiave &chiave : aSeguito)
            if (const TCanvasItem *p = canvas.fItem(chiave))
                aRect << p->fRettangolo();
        const QPoint d = fSpostamentoDiGruppo(aRect, delta);
        if (d.isNull())
            return;
        QList<TElemento> aDopo;
        for (const TElemento &e : aPrima)
            aDopo << TElemento{e.iId, e.iElemento, e.pos + d};
        ctx.doc.pSpostaElementi(fConEtichette(ctx.doc, aDopo, ctx.sel.fChiavi()),
                                QCoreApplication::translate("Ombrix", "spostamento"), true);
        canvas.pRepaintAll();
        return;
    }
    const QRect rc = pItem->fRettangolo();
    const QPoint nuova = fLimitedPos(rc.topLeft(), rc.size(), delta.x(), delta.y());
    if (nuova == rc.topLeft())
        return; // at the limit: nothing moves, nothing is stored
    canvas.pSposta(*corrente, nuova);
    ctx.doc.pSpingiOggetto(corrente->iId, int(corrente->eParte), nuova);
    canvas.pRepaintAll();
}

} // namespace

bool fTastoCanvas(const TContesto &ctx, TAreaCanvas &canvas, QKeyEvent *pEvent)
{
    const int iTasto = pEvent->key();
    const bool bMaiuscolo = pEvent->modifiers() & Qt::ShiftModifier;
    if (pEvent->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false; // Ctrl and Alt combinations are the menus' shortcuts
    if (!ctx.doc.fAperto() || ctx.doc.fAreaMostrata() == 0)
        return false;
    // one grid step while the grid is shown
    const int iPasso = canvas.fGriglia() > 0 ? canvas.fGriglia() : bMaiuscolo ? 10 : 1;
    switch (iTasto) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        pCammina(ctx, canvas, iTasto == Qt::Key_Backtab || bMaiuscolo);
        return true;
    case Qt::Key_Escape:
        ctx.sel.pSvuota();
        return true;
    case Qt::Key_Delete:
        pElimina(ctx);
        return true;
    case Qt::Key_Left:
        pSposta(ctx, canvas, QPoint(-iPasso, 0));
        return true;
    case Qt::Key_Right:
        pSposta(ctx, canvas, QPoint(iPasso, 0));
        return true;
    case Qt::Key_Up:
        pSposta(ctx, canvas, QPoint(0, -iPasso));
        return true;
    case Qt::Key_Down:
        pSposta(ctx, canvas, QPoint(0, iPasso));
        return true;
    default:
        return false;
    }
}
