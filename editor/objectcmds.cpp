#include "editor/objectcmds.h"

#include "document/appunti.h"
#include "document/projectdocument.h"
#include "editor/dialogs.h"
#include "editor/etichetteunite.h"
#include "editor/labels.h"
#include "editor/placement.h"
#include "editor/selectionmodel.h"
#include "editor/selectiontool.h"
#include "model/catalogo.h"
#include "model/numeroio.h"
#include "model/sensore.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QCoreApplication>

void pEliminaSensore(const TContesto &ctx, qint64 iId)
{
    ctx.doc.pEliminaOggetto(iId);
}

void pDuplica(const TContesto &ctx, qint64 iId)
{
    TProjectDocument &doc = ctx.doc;
    if (!doc.fAperto() || doc.fAreaMostrata() == 0)
        return;
    const TSensore *p = doc.fOggetto(iId);
    if (!p || p->Get_tiposensore() == 3) // a zoom marker belongs to its detail area
        return;
    const TSensore s = *p;
    const qint64 iNumero = doc.fNumeroLibero(s.Get_tiposensore(), s.Get_numsensore());
    if (!fNumeroIoValido(iNumero)) { // no free number above it in the panel's range
        ctx.cmd.fDialogs().pMessage(
            fNumeroFuoriCampoPer(fNomeOggettoIo(s.Get_tiposensore(), s.Get_numsensore(), s.Get_testo()), iNumero));
        return;
    }
    const QPoint pos2 = fLimitedPos(QPoint(s.Get_coordx2(), s.Get_coordy2()), QSize(iGlobB2Size, iGlobB2Size), 16, 16);
    QPoint pos = fLimitedPos(QPoint(s.Get_coordx(), s.Get_coordy()), QSize(s.Get_iconsize(), s.Get_iconsize()), 16, 16);
    QPoint posTesto(s.Get_coordxt() + 16, s.Get_coordyt() + 16);
    if (fHaParte(s, TParte::Testo)) {
        const QRect rcTesto = fRettangoloPannello(s, TParte::Testo);
        posTesto = fLimitedPos(rcTesto.topLeft(), rcTesto.size(), 16, 16);
        if (fEtichetteUnite()) {
            // the copy's label lies where the original's does beside its icon
            const QRect icona = fRettangoloPannello(s, TParte::Icona);
            const QPoint d = fSpostamentoCoppia(icona, rcTesto, QPoint(16, 16));
            pos = icona.topLeft() + d;
            posTesto = rcTesto.topLeft() + d;
        }
    }
    const QString sTesto = fTestoRinumerato(s.Get_testo(), s.Get_numsensore(), iNumero);
    const qint64 iNuovo = doc.pDuplicaOggetto(s.Get_id(), QString::number(iNumero), pos, pos2, posTesto, sTesto);
    if (iNuovo != 0)
        ctx.sel.pSeleziona({iNuovo, TParte::Icona});
}

TProprieta fProprietaDi(const TSensore &s)
{
    TProprieta prop;
    prop.sNumero = QString::number(s.Get_numsensore());
    prop.iTipo = s.Get_tiposensore();
    prop.aTipi = fTipiDellaClasse(fClasseTipo(s.Get_tiposensore()));
    prop.sTesto = s.Get_testo();
    prop.iFont = s.Get_fonttxt();
    prop.iColore = s.Get_colortxt();
    return prop;
}

std::optional<TRifiutoProprieta> fRifiutoProprieta(const TSensore &s, const TProprieta &prop)
{
    // the number in the panel's range, unless it is the stored one left as it was
    const QString sNumero = fTrimTyped(prop.sNumero);
    if (sNumero != QString::number(s.Get_numsensore()))
        if (const std::optional<QString> sRifiuto = fRifiutoNumeroIo(sNumero))
            return TRifiutoProprieta{*sRifiuto, QStringLiteral("EdtNumero")};
    // the label as "Aggiungi testo" takes it
    const QString sTesto = fTrimTyped(prop.sTesto);
    if (fHasControlChars(sTesto))
        return TRifiutoProprieta{fTestoConControllo(), QStringLiteral("EdtTesto")};
    if (sTesto.size() > iMaxLabelText)
        return TRifiutoProprieta{QCoreApplication::translate("Ombrix", "Massimo 19 caratteri!"),
                                 QStringLiteral("EdtTesto")};
    return std::nullopt;
}

std::optional<TProprietaOggetto> fProprietaAccettate(const TContesto &ctx, const TSensore &s, const TProprieta &prop)
{
    if (const std::optional<TRifiutoProprieta> rifiuto = fRifiutoProprieta(s, prop)) {
        ctx.cmd.fDialogs().pMessage(rifiuto->sMessaggio);
        return std::nullopt;
    }
    if (!prop.aTipi.contains(prop.iTipo))
        return std::nullopt;
    const QString sNumero = fTrimTyped(prop.sNumero);
    const QString sTesto = fTrimTyped(prop.sTesto);
    // a barrier's new second end lies where a placed barrier's does, beside its icon
    const int iIconSize = s.Get_iconsize();
    const QPoint pos2 = fLimitedPos(QPoint(s.Get_coordx() + 30, s.Get_coordy() + (iIconSize - iGlobB2Size) / 2),
                                    QSize(iGlobB2Size, iGlobB2Size), 0, 0);
    // a new label lies where "Aggiungi testo" puts it
    const QPoint posTesto = fPosizioneNuovaEtichetta(ctx.doc, s, prop.iFont, sTesto);
    return TProprietaOggetto{s.Get_id(), prop.iTipo, sNumero, pos2, sTesto, posTesto, prop.iFont, prop.iColore};
}

void pProprieta(const TContesto &ctx, qint64 iId)
{
    TProjectDocument &doc = ctx.doc;
    if (!doc.fAperto() || doc.fAreaMostrata() == 0)
        return;
    const TSensore *p = doc.fOggetto(iId);
    if (!p || p->Get_tiposensore() == 3)
        return;
    const TSensore s = *p;
    ctx.sel.pSeleziona({iId, TParte::Icona});

    TProprieta prop = fProprietaDi(s);
    // a number another object of the same class uses is allowed, and the dialog names the areas it is used on
    TProjectDocument *pDoc = &doc;
    const TFnAvvisoNumero fnAvviso = [pDoc, iId](const QString &sNumero, int iTipo) {
        const QString sTrim = fTrimTyped(sNumero);
        if (!fIsNumero(sTrim))
            return QString();
        QStringList asAree;
        for (const TUsoNumero &uso : pDoc->fUsiNumero(iTipo, sTrim.toLongLong(), iId)) {
            const TAreaRow *pArea = pDoc->fArea(uso.iArea);
            const QString sArea = pArea ? pArea->sNome : QString::number(uso.iArea);
            if (!asAree.contains(sArea))
                asAree << sArea;
        }
        if (asAree.isEmpty())
            return QString();
        return QCoreApplication::translate("Ombrix", "Numero già usato in: ") + asAree.join(QStringLiteral(", "));
    };
    const TFnVerificaProprieta fnVerifica = [s](const TProprieta &p) { return fRifiutoProprieta(s, p); };
    if (!ctx.cmd.fDialogs().fProprieta(prop, fnAvviso, fnVerifica))
        return;
    if (const std::optional<TProprietaOggetto> accettate = fProprietaAccettate(ctx, s, prop))
        doc.pCambiaProprieta({*accettate});
}
