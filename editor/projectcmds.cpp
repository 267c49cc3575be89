// The commands of the "Progetto" menu: New, Open, Close, Export and restoring a snapshot.

#include "editor/frmbase.h"

#include "document/projectdocument.h"
#include "export/exportrun.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

void TFrmBase::MnuNuovoProgettoClick()
{
    const std::optional<QString> sNome =
        fDialogs().fInputBox(QCoreApplication::translate("Ombrix", "Nome Progetto"),
                             QCoreApplication::translate("Ombrix", "Nome Progetto?"), QString());
    if (!sNome || sNome->isEmpty())
        return;
    QString sDir =
        fDialogs().fSelectFolder(QCoreApplication::translate("Ombrix", "Seleziona una cartella"), sGlobPrjPath);
    if (sDir.isEmpty())
        return;
    while (sDir.size() > 1 && (sDir.endsWith(QLatin1Char('/')) || sDir.endsWith(QDir::separator())))
        sDir.chop(1);
    m_pDoc->pNuovoProgetto(sDir, *sNome);
}

void TFrmBase::MnuApriProgettoClick()
{
    const QString sFile = fDialogs().fOpenProjectFile(sGlobPrjPath);
    if (sFile.isEmpty())
        return; // the open project, if any, stays open
    pOpenProjectFile(sFile);
}

void TFrmBase::pOpenProjectFile(const QString &sDb)
{
    try {
        m_pDoc->pApriProgetto(sDb);
    } catch (const TProgettoDanneggiato &e) {
        const std::optional<TCopia> copia = fUltimaCopiaSana(QFileInfo(sDb).absolutePath());
        if (!copia)
            throw;
        const QString sDomanda =
            e.fMessage() + QStringLiteral("\n\n") +
            tr("Ripristinare la copia più recente (%1, %2)? Il file danneggiato resta accanto, rinominato.")
                .arg(copia->quando.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")), copia->sMotivo);
        if (!fDialogs().fDomanda(tr("Progetto danneggiato"), sDomanda))
            return;
        m_pDoc->pApriDaCopia(sDb, *copia);
    }
}

void TFrmBase::MnuChiudiProgettoClick()
{
    m_pDoc->pChiudiProgetto(); // the views empty the canvas, its background, the tree and the barrier lines
}

void TFrmBase::MnuEsportaProgettoClick()
{
    if (!m_pDoc->fAperto())
        return;
    m_pDoc->pCopiaAutomatica(tr("prima dell'esportazione"));
    // the dialog appears only when the run lasts longer than half a second;
    // the window keeps repainting meanwhile, but takes no input
    QProgressDialog dlgProgress(QCoreApplication::translate("Ombrix", "Esportazione in corso..."), QString(), 0, 1,
                                this);
    dlgProgress.setWindowModality(Qt::WindowModal);
    dlgProgress.setMinimumDuration(500);
    dlgProgress.setAutoClose(false);
    dlgProgress.setValue(0);
    pBusyCursor(true);
    try {
        pEsportaProgetto({m_pDoc->fConn(), m_pDoc->fRootPrj()}, [&](int iFatte, int iTotale) {
            dlgProgress.setMaximum(iTotale > 0 ? iTotale : 1);
            dlgProgress.setValue(iFatte);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    } catch (...) {
        pBusyCursor(false);
        throw;
    }
    pBusyCursor(false);
    dlgProgress.reset();
    fDialogs().pMessage(fMessaggioEsportazione());
}

void TFrmBase::MnuRipristinaCopiaClick()
{
    if (!m_pDoc->fAperto())
        return;
    const QList<TCopia> aCopie = m_pDoc->fCopie();
    if (aCopie.isEmpty()) {
        fDialogs().pMessage(tr("Il progetto non ha ancora copie."));
        return;
    }
    QStringList asRighe;
    QList<bool> abScegli;
    for (const TCopia &c : aCopie) {
        const QString sQuando = c.quando.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
        asRighe << (c.bDanneggiata
                        ? tr("%1 — %2 — danneggiata: %3").arg(sQuando, c.sMotivo, c.sDifetto)
                        : tr("%1 — %2 — %3 aree, %4 oggetti").arg(sQuando, c.sMotivo).arg(c.nAree).arg(c.nOggetti));
        abScegli << !c.bDanneggiata;
    }
    const int i = fDialogs().fScegliCopia(asRighe, abScegli);
    if (i < 0 || i >= aCopie.size())
        return;
    m_pDoc->pRipristina(aCopie.at(i));
}
