#include "export/exportcli.h"

#include "backup/copie.h"
#include "export/exportrun.h"
#include "workspace/errors.h"
#include "workspace/settings.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <memory>
#include <system_error>

#include <sqlite3.h>

namespace {

/** Opens the project of the database file sDb on conn as Open project does, but
 *  without creating anything: the export only reads it. The file is opened
 *  for writing all the same where allowed, as SQLite must be able to recover
 *  a hot journal and to use the shared memory of a database in WAL mode.
 *  Returns the project folder. */
QString pApriPerEsportare(TSqlConn &conn, const QString &sDb)
{
    const QFileInfo fi(sDb);
    if (!fi.exists())
        throw TOmbrixError(sDb + QStringLiteral(": ") + fErroreDiSistema(ENOENT));
    if (fi.isDir())
        throw TOmbrixError(sDb + QStringLiteral(": ") + fErroreDiSistema(EISDIR));
    conn.pOpen(fi.absoluteFilePath(), false);
    // read the file through a memory map rather than copying its pages
    conn.pExec(QStringLiteral("PRAGMA mmap_size = 268435456"));
    conn.pExec(QStringLiteral("PRAGMA temp_store = MEMORY"));
    return fi.absolutePath() + QLatin1Char('/');
}

void pStampaErrore(const QString &sMessaggio)
{
    std::fprintf(stderr, "%s\n", sMessaggio.toLocal8Bit().constData());
}

void pCopiaNonFatta(const QString &sErrore)
{
    pStampaErrore(QCoreApplication::translate("Ombrix", "Copia automatica non fatta: %1").arg(sErrore));
}

/** A snapshot of the project of sDb as it is exported, kept as many as the settings beside the program say, made
 *  meanwhile on a connection of its own. One that cannot be made is told on stderr and the export goes on. */
std::unique_ptr<TCopiaParallela> fAvviaCopia(const QString &sDb)
{
    try {
        if (sGlobBinPath.isEmpty()) {
            pSetApplicationFolders(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
            pLoadFromIni();
        }
        return std::make_unique<TCopiaParallela>(sDb, QCoreApplication::translate("Ombrix", "prima dell'esportazione"),
                                                 iGlobSnapshot);
    } catch (const TOmbrixError &e) {
        pCopiaNonFatta(e.fMessage());
    } catch (const std::system_error &e) {
        pCopiaNonFatta(QString::fromLocal8Bit(e.what()));
    }
    return nullptr;
}

void pAttendiCopia(const std::unique_ptr<TCopiaParallela> &pCopia)
{
    try {
        if (pCopia)
            pCopia->fAttendi();
    } catch (const TOmbrixError &e) {
        pCopiaNonFatta(e.fMessage());
    } catch (const std::exception &e) {
        pCopiaNonFatta(QString::fromLocal8Bit(e.what()));
    }
}

} // namespace

int fRunExportCommandLine(const char *szProject, const std::function<void()> &pPrimaDelMessaggio)
{
    // This process uses its one connection from one thread at a time: the
    // library's per-call locking is not needed (a no-op if already set up).
    sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
    int iEsito = 0;
    TSqlConn conn;
    try {
        const QString sRootPrj = pApriPerEsportare(conn, QFile::decodeName(szProject));
        const std::unique_ptr<TCopiaParallela> pCopia = fAvviaCopia(conn.fDatabase());
        // The whole run reads one state of the project: an editor that has it
        // open waits with its next edit until the export has read it all.
        conn.pExec(QStringLiteral("BEGIN"));
        pEsportaProgetto({conn, sRootPrj});
        conn.pExec(QStringLiteral("COMMIT"));
        pAttendiCopia(pCopia);
        if (pPrimaDelMessaggio)
            pPrimaDelMessaggio();
        std::printf("%s\n", fMessaggioEsportazione().toLocal8Bit().constData());
    } catch (const TOmbrixError &e) {
        if (pPrimaDelMessaggio)
            pPrimaDelMessaggio();
        pStampaErrore(e.fMessage());
        iEsito = 1;
    } catch (const std::exception &e) {
        if (pPrimaDelMessaggio)
            pPrimaDelMessaggio();
        pStampaErrore(QString::fromLocal8Bit(e.what()));
        iEsito = 1;
    }
    conn.pClose();
    return iEsito;
}
