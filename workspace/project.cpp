#include "workspace/project.h"

#include "workspace/errors.h"
#include "workspace/sqlconn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// --- TAreaList -------------------------------------------------------------------

void TAreaList::pLoad(TSqlConn &conn)
{
    pClose();
    TSqlQuery q = conn.fQuery(QStringLiteral("select * from tbarea order by Ordinamento"));
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

// --- project files ----------------------------------------------------------------

void pCreaTabelle(TSqlConn &conn)
{
    conn.pExec(sArea);
    conn.pExec(sSensori);
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
