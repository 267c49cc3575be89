#include "export/exportcli.h"

#include "export/exportrun.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <exception>

#include <sqlite3.h>

namespace {

/**
 * The export reads tbsensori three times per area, and the table has no
 * index on area_id: each read would scan every object of the project. For
 * this one read-only run the connection gets a private in-memory copy of the
 * table, indexed on area_id, under the same name: the temporary schema comes
 * first when names are resolved, so the export's statements, unchanged, read
 * the copy, with the same rows in the same (ascending id) order. The project
 * file is not touched. If the copy cannot be made (a database without the
 * table, for one), nothing is set up and the export meets the failure at its
 * own step.
 */
void pIndicizzaSensori()
{
    try {
        SQLConn.pExec(QStringLiteral("PRAGMA temp_store = MEMORY"));
        SQLConn.pExec(QStringLiteral("CREATE TEMP TABLE tbsensori AS SELECT * FROM main.tbsensori"));
        SQLConn.pExec(QStringLiteral("CREATE INDEX temp.tbsensori_area_id ON tbsensori (area_id)"));
    } catch (const TOmbrixError &) {
        try {
            SQLConn.pExec(QStringLiteral("DROP TABLE IF EXISTS temp.tbsensori"));
        } catch (const TOmbrixError &) {
        }
    }
}

/** Opens the project of the database file sDb as Open project does, but
 *  read-only and without creating anything: the export only reads it. */
void pApriPerEsportare(const QString &sDb)
{
    const QFileInfo fi(sDb);
    if (!fi.exists())
        throw TOmbrixError(sDb + QStringLiteral(": No such file or directory"));
    if (fi.isDir())
        throw TOmbrixError(sDb + QStringLiteral(": Is a directory"));
    sGlobRootPrj = fi.absolutePath() + QLatin1Char('/');
    sGlobOutPath = sGlobRootPrj + QStringLiteral("out/");
    SQLConn.pOpen(fi.absoluteFilePath(), false, true);
    // read the file through a memory map rather than copying its pages
    SQLConn.pExec(QStringLiteral("PRAGMA mmap_size = 268435456"));
    // keep the read lock from the first statement to the end instead of
    // taking and dropping it around each of the run's statements
    SQLConn.pExec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
}

void pStampaErrore(const QString &sMessaggio)
{
    std::fprintf(stderr, "%s\n", sMessaggio.toLocal8Bit().constData());
}

} // namespace

int fRunExportCommandLine(const char *szProject)
{
    // This process uses its one connection from one thread at a time: the
    // library's per-call locking is not needed (a no-op if already set up).
    sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
    int iEsito = 0;
    try {
        pApriPerEsportare(QFile::decodeName(szProject));
        pEsportaProgetto({}, pIndicizzaSensori);
        std::printf("%s\n", fMessaggioEsportazione().toLocal8Bit().constData());
    } catch (const TOmbrixError &e) {
        pStampaErrore(e.fMessage());
        iEsito = 1;
    } catch (const std::exception &e) {
        pStampaErrore(QString::fromLocal8Bit(e.what()));
        iEsito = 1;
    }
    SQLConn.pClose();
    return iEsito;
}
