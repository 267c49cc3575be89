#include "workspace/project.h"

#include "workspace/errors.h"
#include "workspace/mapview.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// --- TAreaList -------------------------------------------------------------------

void TAreaList::pLoad()
{
    pClose();
    TSqlQuery q = SQLConn.fQuery(QStringLiteral("select * from tbarea order by Ordinamento"));
    QList<TAreaRow> rows;
    while (q.fNext()) {
        TAreaRow row;
        row.iId = q.fInt64(QStringLiteral("_id"));
        row.iLivello = q.fInt(QStringLiteral("livello"));
        row.iFatherId = q.fInt64(QStringLiteral("father_id"));
        row.sNome = q.fText(QStringLiteral("NomeArea"));
        row.iOrdinamento = q.fInt(QStringLiteral("Ordinamento"));
        rows.append(row);
    }
    m_rows = rows;
    m_bOpen = true;
}

void TAreaList::pClose()
{
    m_rows.clear();
    m_bOpen = false;
}

// --- project life ----------------------------------------------------------------

void pCreaTabelle()
{
    SQLConn.pExec(sArea);
    SQLConn.pExec(sSensori);
}

void pLeaveToNoProject() noexcept
{
    try {
        pChiudiProgetto();
    } catch (...) {
        // the failure being reported is the one that brought us here
    }
}

void pOpenProject(const QString &sDb, bool bNew)
{
    bGlobProgettoAperto = true;
    try {
        // A file that is already there is written only once it has proved to
        // be a project: its area list must load before any schema statement.
        const QFileInfo info(sDb);
        const bool bExisting = info.exists() && info.size() > 0;
        SQLConn.pOpen(sDb, bNew);
        if (bNew && bExisting)
            CDArea.pLoad();
        if (bNew)
            pCreaTabelle();
        CDArea.pLoad();
    } catch (const TOmbrixError &e) {
        pLeaveToNoProject();
        // SQLite's messages ("file is not a database") do not say which file
        if (!e.fMessage().contains(sDb))
            throw TOmbrixError(sDb + QStringLiteral(": ") + e.fMessage());
        throw;
    } catch (...) {
        pLeaveToNoProject();
        throw;
    }
    if (CDArea.fCount() > 0) {
        fMapView().pPopolaTreeViewNew();
        fMapView().pSelectFirstNode();
    }
}

void pCloseProject()
{
    bGlobProgettoAperto = false;
    if (CDArea.fIsOpen())
        CDArea.pClose();
    if (SQLConn.fIsOpen())
        SQLConn.pClose();
    fMapView().pPulisciTutto();
    fMapView().pClearBackground();
}

void pDelFileFromDir(const QString &sDir)
{
    // Plain files only: hidden files, special files and sub-folders stay.
    const QDir dir(sDir);
    const QStringList asFiles = dir.entryList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QString &sName : asFiles)
        QFile::remove(dir.filePath(sName)); // a file that cannot be deleted is skipped
}

void pApriProgetto(const QString &sDb)
{
    pCloseProject();
    // the tree is refilled only when the new project has areas: the closed
    // project's nodes must not stay on screen meanwhile
    fMapView().pClearTree();
    sGlobRootPrj = QFileInfo(sDb).absolutePath();
    if (!sGlobRootPrj.endsWith(QLatin1Char('/')))
        sGlobRootPrj += QLatin1Char('/');
    sGlobOutPath = sGlobRootPrj + QStringLiteral("out/");
    pOpenProject(sDb, false);
}

void pChiudiProgetto()
{
    pCloseProject();
    fMapView().pClearTree();
}
