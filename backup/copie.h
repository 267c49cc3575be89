#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct sqlite3;

/**
 * The snapshots of a project, in its folder "backup": one folder each,
 * named by the local date and time ("20261210-093015", then "-2", "-3"...
 * within the same second), holding a copy of the database made with
 * SQLite's online backup API, the area pictures under "areas" (hard links
 * where the file system allows, copies elsewhere: a picture is only ever
 * replaced by a rename, so a link keeps the old bytes) and "motivo.txt"
 * with the reason it was made.
 *
 * A snapshot that would hold the same database and pictures as the most
 * recent one is not made. A snapshot is made whole or not at all: it is
 * built in a hidden folder and renamed into place. Failures throw
 * TOmbrixError naming the file at fault.
 */

/** One snapshot as listed for a restore. */
struct TCopia
{
    QString sCartella; // its folder, without a trailing separator
    QString sNome;     // the folder's name
    QDateTime quando;  // from the name
    QString sMotivo;   // first line of motivo.txt
    int nAree = 0;
    int nOggetti = 0;
    bool bDanneggiata = false;
    QString sDifetto; // why it is damaged
};

/** The folder "backup" of the project folder sRootPrj. */
QString fCartellaCopie(const QString &sRootPrj);

/**
 * Makes a snapshot of the project in sRootPrj whose database is open on
 * pDb (file name sNomeDb, e.g. "casa.omb"), giving sMotivo as its reason,
 * then keeps only the iTenere most recent ones. Returns the new folder, or
 * an empty string when it would have been the same as the most recent one.
 * A copy that fails SQLite's quick check is not kept: it is reported.
 * The snapshot named sTieni is kept whatever the count.
 */
QString fFaiCopia(sqlite3 *pDb, const QString &sRootPrj, const QString &sNomeDb, const QString &sMotivo, int iTenere,
                  const QString &sTieni = QString());

/** The snapshots of the project in sRootPrj, the most recent first, each checked (integrity check of its
 *  database, every area's picture present). */
QList<TCopia> fElencaCopie(const QString &sRootPrj);

/** The most recent sound snapshot of the project, if any (bDanneggiata set when there is none). */
std::optional<TCopia> fUltimaCopiaSana(const QString &sRootPrj);

/**
 * Puts snapshot copia back into the project whose database file is sDb:
 * the database is replaced by the snapshot's (by rename, its journal
 * dropped) and the folder "areas" gets exactly the snapshot's pictures.
 * The database must not be open. A damaged snapshot is refused.
 */
void pRipristinaCopia(const TCopia &copia, const QString &sDb);

/** Renames the damaged database file sDb to sDb + ".danneggiato-AAAAMMGG-hhmmss" (with "-2", "-3"... when that
 *  name is taken: nothing is overwritten); returns the new name. Its journal goes with it. */
QString fMettiDaParteDanneggiato(const QString &sDb);
