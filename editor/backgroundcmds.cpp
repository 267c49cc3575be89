#include "editor/backgroundcmds.h"

#include "document/projectdocument.h"
#include "editor/canvaslayers.h"
#include "editor/dialogs.h"
#include "editor/fitdialog.h"
#include "fit/sorgente.h"
#include "workspace/errors.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>

void pSfondo(const TContesto &ctx)
{
    TProjectDocument &doc = ctx.doc;
    const qint64 iId = doc.fAreaMostrata();
    if (!doc.fAperto() || iId == 0) // no area, nowhere to store the picture
        return;
    const QString sFile = ctx.cmd.fDialogs().fOpenPicture(doc.fRootPrj());
    if (sFile.isEmpty())
        return;
    if (!QFileInfo::exists(sFile))
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Il file non esiste."));
    fReadPicture(sFile); // a picture that cannot be decoded, or no plain file, changes nothing
    doc.pCambiaSfondo(iId, sFile);
}

void pAdattaSfondo(const TContesto &ctx, const QImage &imgSopra, QWidget *pParent)
{
    TProjectDocument &doc = ctx.doc;
    TDialogs &dialogs = ctx.cmd.fDialogs();
    const qint64 iId = doc.fAreaMostrata();
    if (!doc.fAperto() || iId == 0)
        return;
    const QString sFile = dialogs.fOpenFitSource(doc.fRootPrj());
    if (sFile.isEmpty())
        return;
    // a protected PDF asks for its password; a wrong one fails with its message
    std::unique_ptr<TSorgente> pSorgente;
    QString sPassword;
    while (!pSorgente) {
        try {
            pSorgente = std::make_unique<TSorgente>(sFile, 1, sPassword);
        } catch (const TPdfProtetto &e) {
            if (e.fPasswordErrata())
                throw;
            const std::optional<QString> sRisposta = dialogs.fPassword(sFile);
            if (!sRisposta)
                return;
            sPassword = *sRisposta;
            if (sPassword.isEmpty())
                throw;
        }
    }
    TFrmAdatta frm(std::move(pSorgente), sPassword, imgSopra, dialogs, pParent);
    if (!dialogs.fAdattaSfondo(frm))
        return;
    doc.pScriviSfondo(iId, fJpegSfondo(frm.fRisultato()));
}
