#include "workspace/project.h"

#include "workspace/errors.h"
#include "workspace/sqlconn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

void pDelFileFromDir(const QString &sDir)
{
    // Plain files only: hidden files, special files and sub-folders stay.
    const QDir dir(sDir);
    const QStringList asFiles = dir.entryList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QString &sName : asFiles)
        QFile::remove(dir.filePath(sName)); // a file that cannot be deleted is skipped
}

