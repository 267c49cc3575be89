#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QString>

#include <optional>

#include <sys/stat.h>

/**
 * The fingerprint of a project as a snapshot took it, kept in the
 * snapshot's folder as "impronta.txt": what the file system says of the
 * database (and of its WAL file, when there is one) with SQLite's file
 * change counter, and of each picture of "areas" with the hash of its
 * contents, which is also the name of its stored copy.
 *
 * It is a text file of one record per line, fields separated by a space,
 * times in nanoseconds since 1970, names percent-encoded:
 *
 *     ombrix-impronta 1
 *     database casa.omb <size> <mtime> <ctime> <inode> <change counter>
 *     wal <size> <mtime> <ctime> <inode>
 *     immagine img_1.jpg <size> <mtime> <ctime> <inode> <BLAKE2b-256 of the contents, hex>
 *
 * with the "wal" line only when there is a WAL file and one "immagine"
 * line per picture, by name. A file that does not follow this exactly is
 * no fingerprint: the snapshot is then compared by its contents.
 */

/** What the file system says of a file. */
struct TStatFile
{
    qint64 iDimensione = 0;
    qint64 iModifica = 0;    // mtime, ns
    qint64 iCambiamento = 0; // ctime, ns
    quint64 iInode = 0;

    static TStatFile fDa(const struct stat &st);
    bool operator==(const TStatFile &) const = default;
};

struct TImprontaImmagine
{
    QString sNome;
    TStatFile st;
    QByteArray abHash; // hex

    bool operator==(const TImprontaImmagine &) const = default;
};

struct TImpronta
{
    QString sDatabase;
    TStatFile stDatabase;
    quint32 iContatore = 0;
    std::optional<TStatFile> stWal;
    QList<TImprontaImmagine> aImmagini; // by name
    // when it was written (the file's own ctime, by the file system's clock); not part of the text
    qint64 iPresa = 0;
};

/** The name of the fingerprint file in a snapshot's folder. */
inline const QString sFileImpronta = QStringLiteral("impronta.txt");

QByteArray fTestoImpronta(const TImpronta &impronta);
/** The fingerprint in ab, or nothing when ab is not one. */
std::optional<TImpronta> fLeggiImpronta(const QByteArray &ab);

/** The hash that names a stored picture, as the fingerprint writes it. */
inline constexpr auto iAlgoritmoHash = QCryptographicHash::Blake2b_256;
/** A name that a stored picture can have: the hex hash. */
bool fNomeHash(const QString &s);

/**
 * Whether a file of state st, seen when the fingerprint was taken at iPresa,
 * may have changed again within the same tick of the file system's clock, so
 * that its times would not show it: then only its contents tell.
 */
bool fIncerto(const TStatFile &st, qint64 iPresa);
