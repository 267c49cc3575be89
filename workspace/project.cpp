#include "workspace/project.h"

#include "workspace/errors.h"
#include "workspace/mapview.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// --- TAreaList -------------------------------------------------------------------

void TAreaList::pLoad()
{
    pClose();
    TSqlQuery q = SQLConn.fQuery(QStringLiteral("select * from tbarea order by Ordinamento"));
    QList<TAreaRow> rows;
    while (q.fNext()) {
        TAreaRow row;
        row.iId = q.fInt(QStringLiteral("_id"));
        row.iLivello = q.fInt(QStringLiteral("livello"));
        row.iFatherId = q.fInt(QStringLiteral("father_id"));
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
        // "file is not a database" and its kind say nothing of which file
        if (e.fMessage().contains(sDb))
            throw;
        throw TOmbrixError(sDb + QStringLiteral(": ") + e.fMessage());
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

bool fTemporaneoEsportazione(const QString &sNome)
{
    static const QRegularExpression re(QStringLiteral("^\\.file-?[0-9]+\\.bmp(\\.[A-Za-z0-9]{6})?\\.part$"));
    return re.match(sNome).hasMatch();
}

void pDelFileFromDir(const QString &sDir)
{
    // The folder is opened once, without following a link, and every name is
    // removed relative to it: a link is removed itself, never its target, and
    // nothing below a sub-folder is touched. Hidden files stay, except the
    // export's own leftovers; special files and sub-folders stay.
    const int iDir = ::open(QFile::encodeName(sDir).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (iDir < 0)
        return;
    DIR *pDir = ::fdopendir(iDir);
    if (!pDir) {
        ::close(iDir);
        return;
    }
    while (const dirent *e = ::readdir(pDir)) {
        const QString sNome = QFile::decodeName(e->d_name);
        if (sNome.startsWith(QLatin1Char('.')) && !fTemporaneoEsportazione(sNome))
            continue;
        struct stat st;
        if (::fstatat(iDir, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))
            ::unlinkat(iDir, e->d_name, 0); // a file that cannot be deleted is skipped
    }
    ::closedir(pDir);
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
