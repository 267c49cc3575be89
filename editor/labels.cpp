#include "editor/labels.h"

#include "document/projectdocument.h"
#include "editor/dialogs.h"
#include "editor/fontdialog.h"
#include "editor/itemkeys.h"
#include "editor/placement.h"
#include "model/catalogo.h"
#include "model/labelfont.h"
#include "model/sensore.h"
#include "preview/disegno.h"
#include "workspace/errors.h"
#include "workspace/pannello.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

/** Object iId of the shown area; throws when it is gone. */
const TSensore &fOggetto(TProjectDocument &doc, qint64 iId)
{
    const TSensore *p = doc.fOggetto(iId);
    if (!p)
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Sensore ") + QString::number(iId) +
                           QCoreApplication::translate("Ombrix", " non trovato"));
    return *p;
}

} // namespace

QPoint fPosizioneNuovaEtichetta(const TProjectDocument &doc, const TSensore &s, int iFont, const QString &sTesto)
{
    const QSize size = fDimensioneEtichetta(sTesto, fLabelFont(iFont));
    const int x = s.Get_coordx();
    const int y = s.Get_coordy();
    const int iIconSize = s.Get_iconsize();
    const int iTop = y + iIconSize / 2 - (fIntToDimensione(iFont) + iFont) / 2 - 2;
    const int iCentro = x + (iIconSize - size.width()) / 2;
    const QPoint aPosti[] = {{x + iIconSize + 10, iTop},        // right
                             {x - 10 - size.width(), iTop},     // left
                             {iCentro, y + iIconSize + 2},      // below
                             {iCentro, y - 2 - size.height()}}; // above
    const QRect pagina(0, 0, iLarghezzaPannello, iAltezzaPannello);
    for (const QPoint &pos : aPosti) {
        const QRect rc(pos, size);
        const bool bCopre = std::any_of(doc.fOggetti().cbegin(), doc.fOggetti().cend(), [&](const TSensore &altro) {
            return altro.Get_id() != s.Get_id() && fRettangoloPannello(altro, TParte::Icona).intersects(rc);
        });
        if (pagina.contains(rc) && !bCopre)
            return pos;
    }
    return aPosti[0];
}

std::optional<QString> fChiediTesto(TDialogs &dialogs, const QString &sDefault)
{
    // a refused text asks again, holding what was typed; an empty answer or Cancel ends the command
    QString sDigitato = sDefault;
    for (;;) {
        const std::optional<QString> sRisposto =
            dialogs.fInputBox(QCoreApplication::translate("Ombrix", "Testo"),
                              QCoreApplication::translate("Ombrix", "Inserire il testo"), sDigitato);
        if (!sRisposto)
            return std::nullopt;
        sDigitato = *sRisposto;
        const QString sTesto = fTrimTyped(sDigitato);
        if (sTesto.isEmpty())
            return std::nullopt;
        if (fHasControlChars(sTesto))
            dialogs.pMessage(fTestoConControllo());
        else if (sTesto.size() > iMaxLabelText)
            dialogs.pMessage(QCoreApplication::translate("Ombrix", "Massimo 19 caratteri!"));
        else
            return sTesto;
    }
}

TFrmFont &TComandiTesti::fFontDialog()
{
    if (!m_pFrmFont)
        m_pFrmFont = new TFrmFont(m_pParent);
    return *m_pFrmFont;
}

void TComandiTesti::pAggiungi(qint64 iId)
{
    const TSensore oggetto = fOggetto(m_ctx.doc, iId);
    TDialogs &dialogs = m_ctx.cmd.fDialogs();
    const std::optional<QString> sTesto = fChiediTesto(dialogs, QString());
    if (!sTesto)
        return;
    TFrmFont &frmFont = fFontDialog();
    dialogs.pShowFontDialog(frmFont);
    const int iFont = frmFont.Dimensione();
    const int iColor = frmFont.Colore();

    m_ctx.doc.pAggiungiTesto(iId, fPosizioneNuovaEtichetta(m_ctx.doc, oggetto, iFont, *sTesto), iFont, iColor, *sTesto);
}

void TComandiTesti::pElimina(qint64 iId)
{
    m_ctx.doc.pEliminaTesto(fOggetto(m_ctx.doc, iId).Get_id());
}

void TComandiTesti::pModifica(qint64 iId)
{
    const QString sVecchio = fOggetto(m_ctx.doc, iId).Get_testo();
    const std::optional<QString> sTesto = fChiediTesto(m_ctx.cmd.fDialogs(), sVecchio);
    if (!sTesto)
        return;
    m_ctx.doc.pModificaTesto(iId, *sTesto);
}

void TComandiTesti::pDimensioneColore(qint64 iId)
{
    const TSensore &oggetto = fOggetto(m_ctx.doc, iId);
    TFrmFont &frmFont = fFontDialog();
    frmFont.SetColore(oggetto.Get_colortxt());
    frmFont.SetDimensione(oggetto.Get_fonttxt());
    m_ctx.cmd.fDialogs().pShowFontDialog(frmFont);
    m_ctx.doc.pStileTesto(iId, frmFont.Dimensione(), frmFont.Colore());
}
