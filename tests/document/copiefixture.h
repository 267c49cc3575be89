#pragma once

// A throw-away project for the snapshot tests, and what they look at: files
// byte for byte, whole folder trees without following links, the rows of a
// database, and the files the kernel saw opened.

#include "backup/copie.h"
#include "document/projectdocument.h"

#include <QColor>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

void pScriviJpeg(const QString &sPath, const QColor &colore);
QByteArray fLeggi(const QString &sPath);
ino_t fInode(const QString &sPath);
/** Replaces a file by rename, as the editor replaces a picture. */
void pSostituisci(const QString &sPath, const QByteArray &ab);
/** Every row of both tables, as text; "illeggibile" when the file cannot be read. */
QStringList fTabelle(const QString &sDb);
QString fIntegrita(const QString &sDb);
/** The files of an "areas" folder, hidden ones too, with their bytes. */
QMap<QString, QByteArray> fImmagini(const QString &sDir);
/** Everything under sDir, no link followed: each entry's path with its bytes, or what it is ("cartella",
 *  "-> target" for a link, "fifo"). */
QMap<QString, QByteArray> fAlbero(const QString &sDir);

/** Ends the test process when a step takes longer than a few seconds: a hang fails, it does not wait. */
class TLimiteTempo
{
public:
    explicit TLimiteTempo(unsigned iSecondi = 20);
    ~TLimiteTempo();
};

/** The entries opened or made in the watched folders, as the kernel reports them. */
class TOsservaAperture
{
public:
    TOsservaAperture();
    ~TOsservaAperture();
    void pOsserva(const QString &sDir);
    /** The paths opened or made since the last call, each once, sorted. */
    QStringList fAperti();

private:
    int m_iFd = -1;
    QMap<int, QString> m_cartelle;
};

/** A throw-away application root with a project "casa" of two areas, each with its own picture, and one lamp. */
class TCopieFixture
{
public:
    QTemporaryDir dir;
    TProjectDocument doc;
    QStringList asAvvisi;

    TCopieFixture();
    QString fRoot() const;
    QString fDb() const { return fRoot() + QStringLiteral("casa.omb"); }
    QString fImg(int i) const { return fRoot() + QStringLiteral("areas/img_%1.jpg").arg(i); }
    /** The snapshots' names, the most recent first. */
    QStringList fNomiCopie() const;
    QString fCopia(int i) const { return fCartellaCopie(fRoot()) + QLatin1Char('/') + fNomiCopie().value(i); }
    void pRiapri() { doc.pApriProgetto(fDb()); }
};

/** A moment for the clock: files changed before it are older, by more than one tick of the file system's clock,
 *  than a snapshot taken after it (a file changed within the same tick is read again, as its times cannot tell). */
void pAttendiOrologio();
