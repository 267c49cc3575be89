#include "editor/placement.h"

#include "document/projectdocument.h"
#include "editor/canvaslayers.h"
#include "editor/dialogs.h"
#include "model/catalogo.h"
#include "model/numeroio.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QCoreApplication>

namespace {

QString fIconPath(int iTipo, int iIconSize)
{
    return sGlobGrfcPath + fGetTipo(iTipo) + QString::number(iIconSize) + QStringLiteral(".png");
}

} // namespace

QString fTrimTyped(const QString &sText)
{
    auto bTrimmed = [](QChar c) { return c.unicode() <= 0x20 || c.isSpace() || c.category() == QChar::Other_Control; };
    qsizetype iStart = 0;
    qsizetype iEnd = sText.size();
    while (iStart < iEnd && bTrimmed(sText.at(iStart)))
        ++iStart;
    while (iEnd > iStart && bTrimmed(sText.at(iEnd - 1)))
        --iEnd;
    return sText.mid(iStart, iEnd - iStart);
}

void pAggiungiSensore(const TContesto &ctx, int iTipo, const TPosizionamento &nuovo)
{
    TProjectDocument &doc = ctx.doc;
    if (!doc.fAperto() || doc.fAreaMostrata() == 0)
        return; // no area to store it in
    TDialogs &dialogs = ctx.cmd.fDialogs();
    // a refused number asks again, holding what was typed; Cancel ends the command
    QString sDigitato;
    QString sRisposta;
    for (bool bPrima = true;; bPrima = false) {
        const std::optional<QString> sRisposto =
            dialogs.fInputBox(QCoreApplication::translate("Ombrix", "Ingresso/Uscita"),
                              QCoreApplication::translate("Ombrix", "Numero Ingresso/Uscita?"), sDigitato);
        if (!sRisposto) {
            if (bPrima) // the first box cancelled is an empty answer, as always; a box asked again was answered
                dialogs.pMessage(QCoreApplication::translate("Ombrix", "E' necessario un valore NUMERICO"));
            return;
        }
        sDigitato = *sRisposto;
        sRisposta = fTrimTyped(sDigitato);
        const std::optional<QString> sRifiuto = fRifiutoNumeroIo(sRisposta);
        if (!sRifiuto)
            break;
        dialogs.pMessage(*sRifiuto);
    }
    // the pictures, decoded before anything is stored, so a missing one stores nothing
    fReadIcon(fIconPath(iTipo, nuovo.iIconSize));
    if (iTipo == 4)
        fReadIcon(sGlobGrfcPath + QStringLiteral("b2.png"));
    doc.pAggiungiOggetto(iTipo, nuovo.iIconSize, sRisposta, nuovo.pos); // the canvas follows the document
}

void pZoomIn(const TContesto &ctx, const TPosizionamento &nuovo)
{
    TProjectDocument &doc = ctx.doc;
    const qint64 iParent = doc.fAreaMostrata();
    const TAreaRow *pParent = doc.fArea(iParent);
    if (!doc.fAperto() || !pParent || pParent->iLivello != 0)
        return;
    const std::optional<QString> sNome =
        ctx.cmd.fDialogs().fInputBox(QCoreApplication::translate("Ombrix", "Nome Area?"),
                                     QCoreApplication::translate("Ombrix", "Nome Area?"), QString());
    if (!sNome || sNome->isEmpty())
        return;
    fReadPicture(fIconPath(3, nuovo.iIconSize)); // the marker's picture, before anything is stored
    doc.pAggiungiAreaDettaglio(iParent, *sNome, nuovo.iIconSize, nuovo.pos);
}
