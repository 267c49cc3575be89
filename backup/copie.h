#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <future>
#include <optional>

struct sqlite3;

/**
 * The snapshots of a project, in its folder "backup": one folder each,
 * named by the local date and time ("20261210-093015", then "-2", "-3"...
 * within the same second), holding a copy of the database made with
 * SQLite's online backup API, the area pictures under "areas", "motivo.txt"
 * with the reason it was made and "impronta.txt" with the project's
 * fingerprint (impronta.h). Each distinct picture is stored once, as a copy
 * of its own in "backup/immagini" named by the hash of its contents, and
 * each snapshot's picture is a hard link to it (a copy where the file system
 * has no links): a snapshot never shares a file with the project, so a
 * picture rewritten in place by any program leaves every snapshot as it was,
 * and a stored picture goes when the last snapshot linking it is pruned.
 *
 * A snapshot that would hold the same database and pictures as the most
 * recent one is not made. Whether anything changed is first told from the
 * state of the files alone (the fingerprint); only the pictures whose state
 * changed are read. A snapshot is made whole or not at all: it is built in
 * a hidden folder and renamed into place.
 *
 * Everything is done inside the folder "backup" and never through a link:
 * a "backup" that is a link is refused, and clean-up and pruning remove a
 * link as a link. A restore takes only plain files from the snapshot's own
 * folder. Failures throw TOmbrixError naming the file at fault and why.
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

/**
 * A snapshot made as fFaiCopia makes it, of the project whose database file
 * is sDb, on a thread and a database connection of its own while the caller
 * goes on (an export reading the same state): most of a snapshot is waiting
 * for the disk. fAttendi() waits for it and returns what fFaiCopia returned,
 * or throws what it threw; destroying it waits for it too.
 */
class TCopiaParallela
{
public:
    TCopiaParallela(const QString &sDb, const QString &sMotivo, int iTenere);
    ~TCopiaParallela();
    TCopiaParallela(const TCopiaParallela &) = delete;
    TCopiaParallela &operator=(const TCopiaParallela &) = delete;

    QString fAttendi();

private:
    std::future<QString> m_esito;
};

/** The snapshots of the project in sRootPrj, the most recent first, each checked: a folder holding only plain files
 *  and "areas" of plain files, its database passing the integrity check, every area's picture present. Only the
 *  first line of each motivo.txt is read. A "backup" that is a link is refused. */
QList<TCopia> fElencaCopie(const QString &sRootPrj);

/** The most recent sound snapshot of the project, if any. */
std::optional<TCopia> fUltimaCopiaSana(const QString &sRootPrj);

/**
 * Puts snapshot copia back into the project whose database file is sDb:
 * the database is replaced by the snapshot's (by rename, its journal
 * dropped) and the folder "areas" gets exactly the snapshot's pictures, as
 * files of its own. Everything is copied first, then renamed into place.
 * The database must not be open. A damaged snapshot is refused.
 */
void pRipristinaCopia(const TCopia &copia, const QString &sDb);

/** Renames the damaged database file sDb to sDb + ".danneggiato-AAAAMMGG-hhmmss" (with "-2", "-3"... when that
 *  name is taken: nothing is overwritten); returns the new name. Its journal goes with it. */
QString fMettiDaParteDanneggiato(const QString &sDb);
