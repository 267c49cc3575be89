// The commands of the "Progetto" menu: New, Open, Close and Export.

#include "editor/frmbase.h"

#include "document/projectdocument.h"
#include "export/exportrun.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QProgressDialog>

void TFrmBase::MnuNuovoProgettoClick()
{
    const std::optional<QString> sNome =
        fDialogs().fInputBox(QCoreApplication::translate("Ombrix", "Nome Progetto"),
                             QCoreApplication::translate("Ombrix", "Nome Progetto?"), QString());
    if (!sNome || sNome->isEmpty())
        return;
    QString sDir = fDialogs().fSelectFolder(QCoreApplication::translate("Ombrix", "Select a directory"), sGlobPrjPath);
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
    m_pDoc->pApriProgetto(sDb);
}

void TFrmBase::MnuChiudiProgettoClick()
{
    m_pDoc->pChiudiProgetto(); // the views empty the canvas, its background, the tree and the barrier lines
}

void TFrmBase::MnuEsportaProgettoClick()
{
    if (!m_pDoc->fAperto())
        return;
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
