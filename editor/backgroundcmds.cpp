#include "editor/backgroundcmds.h"

#include "document/projectdocument.h"
#include "editor/canvaslayers.h"
#include "editor/dialogs.h"
#include "editor/fitdialog.h"
#include "fit/sorgente.h"
#include "workspace/errors.h"
#include "workspace/pannello.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <memory>

void pSfondo(const TContesto &ctx, const QImage &imgSopra, QWidget *pParent)
{
    TProjectDocument &doc = ctx.doc;
    const qint64 iId = doc.fAreaMostrata();
    if (!doc.fAperto() || iId == 0) // no area, nowhere to store the picture
        return;
    TDialogs &dialogs = ctx.cmd.fDialogs();
    const QString sFile = dialogs.fOpenPicture(doc.fRootPrj());
    if (sFile.isEmpty())
        return;
    if (!QFileInfo::exists(sFile))
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Il file non esiste."));
    fReadPicture(sFile); // a picture that cannot be decoded, or no plain file, changes nothing
    // a picture the panel would not show whole is offered to the fitting dialog first
    QImageReader reader(sFile);
    const QSize size = reader.size();
    if (reader.format() != "jpeg" || size != QSize(iLarghezzaPannello, iAltezzaPannello)) {
        const QString sDomanda = QCoreApplication::translate("Ombrix", "L'immagine è di %1 x %2 pixel; il pannello "
                                                                       "mostra %3 x %4. Adattarla alla pagina?")
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(iLarghezzaPannello)
                                     .arg(iAltezzaPannello);
        const int iScelta = dialogs.fScelta(QCoreApplication::translate("Ombrix", "Immagine di sfondo"), sDomanda,
                                            {QCoreApplication::translate("Ombrix", "Adatta…"),
                                             QCoreApplication::translate("Ombrix", "Usa così com'è"),
                                             QCoreApplication::translate("Ombrix", "Annulla")});
        if (iScelta == 0)
            pAdattaFile(ctx, sFile, imgSopra, pParent);
        if (iScelta != 1)
            return;
    }
    doc.pCambiaSfondo(iId, sFile);
}

void pAdattaSfondo(const TContesto &ctx, const QImage &imgSopra, QWidget *pParent)
{
    TProjectDocument &doc = ctx.doc;
    if (!doc.fAperto() || doc.fAreaMostrata() == 0)
        return;
    const QString sFile = ctx.cmd.fDialogs().fOpenFitSource(doc.fRootPrj());
    if (sFile.isEmpty())
        return;
    pAdattaFile(ctx, sFile, imgSopra, pParent);
}

void pAdattaFile(const TContesto &ctx, const QString &sFile, const QImage &imgSopra, QWidget *pParent)
{
    TProjectDocument &doc = ctx.doc;
    TDialogs &dialogs = ctx.cmd.fDialogs();
    const qint64 iId = doc.fAreaMostrata();
    if (!doc.fAperto() || iId == 0)
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
