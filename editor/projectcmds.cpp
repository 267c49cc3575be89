#include "editor/projectcmds.h"

#include "check/verificaincrementale.h"
#include "document/projectdocument.h"
#include "editor/dialogs.h"
#include "export/exportrun.h"
#include "import/importa.h"
#include "model/catalogo.h"
#include "preview/documentopdf.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

#include <algorithm>

TCursoreOccupato::TCursoreOccupato()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TCursoreOccupato::~TCursoreOccupato()
{
    QApplication::restoreOverrideCursor();
}

void pNuovoProgetto(const TContesto &ctx)
{
    TDialogs &dialogs = ctx.cmd.fDialogs();
    const std::optional<QString> sNome =
        dialogs.fInputBox(QCoreApplication::translate("Ombrix", "Nome Progetto"),
                          QCoreApplication::translate("Ombrix", "Nome Progetto?"), QString());
    if (!sNome || sNome->isEmpty())
        return;
    QString sDir = dialogs.fSelectFolder(QCoreApplication::translate("Ombrix", "Seleziona una cartella"), sGlobPrjPath);
    if (sDir.isEmpty())
        return;
    while (sDir.size() > 1 && (sDir.endsWith(QLatin1Char('/')) || sDir.endsWith(QDir::separator())))
        sDir.chop(1);
    ctx.doc.pNuovoProgetto(sDir, *sNome);
}

void pApriProgetto(const TContesto &ctx)
{
    const QString sFile = ctx.cmd.fDialogs().fOpenProjectFile(sGlobPrjPath);
    if (sFile.isEmpty())
        return; // the open project, if any, stays open
    pApriFileProgetto(ctx, sFile);
}

void pApriFileProgetto(const TContesto &ctx, const QString &sDb)
{
    try {
        ctx.doc.pApriProgetto(sDb);
    } catch (const TProgettoDanneggiato &e) {
        const std::optional<TCopia> copia = fUltimaCopiaSana(QFileInfo(sDb).absolutePath());
        if (!copia)
            throw;
        const QString sDomanda =
            e.fMessage() + QStringLiteral("\n\n") +
            QCoreApplication::translate(
                "Ombrix", "Ripristinare la copia più recente (%1, %2)? Il file danneggiato resta accanto, rinominato.")
                .arg(copia->quando.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")), copia->sMotivo);
        if (!ctx.cmd.fDialogs().fDomanda(QCoreApplication::translate("Ombrix", "Progetto danneggiato"), sDomanda))
            return;
        ctx.doc.pApriDaCopia(sDb, *copia);
    }
}

void pImportaDalPannello(const TContesto &ctx)
{
    TDialogs &dialogs = ctx.cmd.fDialogs();
    const QString sExport =
        dialogs.fSelectFolder(QCoreApplication::translate("Ombrix", "La cartella con maps.txt"), sGlobPrjPath);
    if (sExport.isEmpty())
        return;
    const std::optional<QString> sNome =
        dialogs.fInputBox(QCoreApplication::translate("Ombrix", "Nome Progetto"),
                          QCoreApplication::translate("Ombrix", "Nome Progetto?"), QString());
    if (!sNome || sNome->isEmpty())
        return;
    pRequireNoControlChars(*sNome);
    if (sNome->contains(QLatin1Char('/')) || sNome->contains(QDir::separator()) || *sNome == QLatin1String(".") ||
        *sNome == QLatin1String(".."))
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "%1: il nome di un progetto non può essere un "
                                                                 "percorso")
                               .arg(*sNome));
    QString sDir = dialogs.fSelectFolder(QCoreApplication::translate("Ombrix", "Seleziona una cartella"), sGlobPrjPath);
    if (sDir.isEmpty())
        return;
    while (sDir.size() > 1 && (sDir.endsWith(QLatin1Char('/')) || sDir.endsWith(QDir::separator())))
        sDir.chop(1);
    const QString sDb = sDir + QLatin1Char('/') + *sNome + QLatin1Char('/') + *sNome + QStringLiteral(".omb");
    TEsitoImportazione esito;
    {
        TCursoreOccupato occupato;
        esito = fImportaDalPannello(sExport, sDb);
    }
    pApriFileProgetto(ctx, esito.sDatabase);
    dialogs.pMessage(esito.fMessaggio());
}

void pChiudiProgetto(const TContesto &ctx)
{
    ctx.doc.pChiudiProgetto(); // the views empty the canvas, its background, the tree and the barrier lines
}

void pEsportaProgetto(const TContesto &ctx, QWidget *pParent, const std::function<void()> &pMostraErrori)
{
    TProjectDocument &doc = ctx.doc;
    if (!doc.fAperto())
        return;
    // what the panel would show wrong is said before the files are written; warnings alone do not stop it
    const QList<TFinding> &aFindings = TVerificaIncrementale::fDi(doc).fFindings();
    const auto nErrori = std::count_if(aFindings.cbegin(), aFindings.cend(),
                                       [](const TFinding &f) { return f.eGravita == TGravita::Errore; });
    if (nErrori > 0) {
        const QString sDomanda =
            nErrori == 1 ? QCoreApplication::translate("Ombrix", "La verifica ha trovato 1 errore: il pannello "
                                                                 "mostrerebbe queste pagine in modo sbagliato. "
                                                                 "Esportare comunque?")
                         : QCoreApplication::translate("Ombrix", "La verifica ha trovato %1 errori: il pannello "
                                                                 "mostrerebbe queste pagine in modo sbagliato. "
                                                                 "Esportare comunque?")
                               .arg(nErrori);
        const int iScelta = ctx.cmd.fDialogs().fScelta(
            QCoreApplication::translate("Ombrix", "Esporta Progetto"), sDomanda,
            {QCoreApplication::translate("Ombrix", "Esporta"), QCoreApplication::translate("Ombrix", "Mostra errori"),
             QCoreApplication::translate("Ombrix", "Annulla")});
        if (iScelta == 1 && pMostraErrori)
            pMostraErrori();
        if (iScelta != 0)
            return;
    }
    doc.pCopiaAutomatica(QCoreApplication::translate("Ombrix", "prima dell'esportazione"));
    // the dialog appears only when the run lasts longer than half a second;
    // the window keeps repainting meanwhile, but takes no input
    QProgressDialog dlgProgress(QCoreApplication::translate("Ombrix", "Esportazione in corso..."), QString(), 0, 1,
                                pParent);
    dlgProgress.setWindowModality(Qt::WindowModal);
    dlgProgress.setMinimumDuration(500);
    dlgProgress.setAutoClose(false);
    dlgProgress.setValue(0);
    int iPagine = 0;
    {
        const TCursoreOccupato occupato;
        pEsportaProgetto({doc.fConn(), doc.fRootPrj()}, [&](int iFatte, int iTotale) {
            iPagine = iTotale;
            dlgProgress.setMaximum(iTotale > 0 ? iTotale : 1);
            dlgProgress.setValue(iFatte);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    dlgProgress.reset();
    const QString sDove =
        iPagine == 1 ? QCoreApplication::translate("Ombrix", "1 pagina in %1").arg(doc.fOutPath())
                     : QCoreApplication::translate("Ombrix", "%1 pagine in %2").arg(iPagine).arg(doc.fOutPath());
    ctx.cmd.fDialogs().pMessage(fMessaggioEsportazione() + QLatin1Char('\n') + sDove);
}

void pDocumentazionePdf(const TContesto &ctx)
{
    TProjectDocument &doc = ctx.doc;
    if (!doc.fAperto())
        return;
    const QString sDb = doc.fDatabase();
    const QString sProposta =
        QFileInfo(sDb).absolutePath() + QLatin1Char('/') + QFileInfo(sDb).completeBaseName() + QStringLiteral(".pdf");
    const QString sPdf =
        ctx.cmd.fDialogs().fSaveFile(QCoreApplication::translate("Ombrix", "Documentazione PDF…"), sProposta,
                                     QCoreApplication::translate("Ombrix", "Documento PDF (*.pdf)"));
    if (sPdf.isEmpty())
        return;
    {
        const TCursoreOccupato occupato;
        pScriviDocumentoPdf(sDb, sPdf);
    }
    ctx.cmd.fDialogs().pMessage(QCoreApplication::translate("Ombrix", "Documentazione scritta in %1").arg(sPdf));
}

void pRipristinaCopia(const TContesto &ctx)
{
    TProjectDocument &doc = ctx.doc;
    if (!doc.fAperto())
        return;
    const QList<TCopia> aCopie = doc.fCopie();
    if (aCopie.isEmpty()) {
        ctx.cmd.fDialogs().pMessage(QCoreApplication::translate("Ombrix", "Il progetto non ha ancora copie."));
        return;
    }
    QStringList asRighe;
    QList<bool> abScegli;
    for (const TCopia &c : aCopie) {
        const QString sQuando = c.quando.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
        asRighe << (c.bDanneggiata ? QCoreApplication::translate("Ombrix", "%1 — %2 — danneggiata: %3")
                                         .arg(sQuando, c.sMotivo, c.sDifetto)
                                   : QCoreApplication::translate("Ombrix", "%1 — %2 — %3 aree, %4 oggetti")
                                         .arg(sQuando, c.sMotivo)
                                         .arg(c.nAree)
                                         .arg(c.nOggetti));
        abScegli << !c.bDanneggiata;
    }
    const int i = ctx.cmd.fDialogs().fScegliCopia(asRighe, abScegli);
    if (i < 0 || i >= aCopie.size())
        return;
    // the project as it is now is replaced whole: said first, with the snapshot that keeps it
    const TCopia &copia = aCopie.at(i);
    const QString sDomanda =
        QCoreApplication::translate("Ombrix", "Ripristinare la copia del %1 (%2, %3 aree, %4 oggetti)?\n"
                                              "Sostituirà il progetto %5 così com'è ora. Prima dello scambio "
                                              "viene fatta una copia dello stato attuale.")
            .arg(copia.quando.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")), copia.sMotivo)
            .arg(copia.nAree)
            .arg(copia.nOggetti)
            .arg(QFileInfo(doc.fDatabase()).fileName());
    if (!ctx.cmd.fDialogs().fDomanda(QCoreApplication::translate("Ombrix", "Ripristina copia"), sDomanda))
        return;
    doc.pRipristina(copia);
}
