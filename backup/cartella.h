#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

#include <sys/stat.h>

/** A file descriptor, closed with its holder. */
class TFd
{
public:
    TFd() = default;
    explicit TFd(int iFd) : m_iFd(iFd) {}
    TFd(TFd &&altro) noexcept : m_iFd(std::exchange(altro.m_iFd, -1)) {}
    TFd &operator=(TFd &&altro) noexcept;
    TFd(const TFd &) = delete;
    TFd &operator=(const TFd &) = delete;
    ~TFd();

    int fFd() const { return m_iFd; }

private:
    int m_iFd = -1;
};

/**
 * A folder held open by its descriptor. Every operation names one entry of
 * the folder, never a path, and works on that entry itself: a symbolic link
 * is never followed, so it is removed, replaced or refused as a link, and a
 * folder tree is removed without ever leaving this folder. A file is opened
 * for reading only when it is a plain file, and opening never waits (a
 * FIFO is refused, not opened).
 *
 * Failures throw TOmbrixError naming the entry's path and the reason.
 */
class TCartella
{
public:
    /** The folder sPath. Its last component must not be a symbolic link, unless bSeguiLink. */
    static TCartella fApri(const QString &sPath, bool bSeguiLink = false);
    /** The subfolder sNome, refused when it is a link or anything but a folder. */
    TCartella fSotto(const QString &sNome) const;

    const QString &fPercorso() const { return m_sPercorso; }
    QString fPercorso(const QString &sNome) const { return m_sPercorso + QLatin1Char('/') + sNome; }

    struct TVoce
    {
        QString sNome;
        struct stat st; // the entry itself, a link not followed
    };
    /** The entries of the folder, without "." and "..", by name. */
    QList<TVoce> fVoci() const;
    /** What the entry sNome is, a link not followed; nothing when there is no such entry. */
    std::optional<struct stat> fStat(const QString &sNome) const;

    /** The plain file sNome opened for reading; its state in *pSt. */
    TFd fApriFile(const QString &sNome, struct stat *pSt = nullptr) const;
    /** A new file sNome, opened for writing; a name already taken by anything, a link too, fails. */
    TFd fCreaFile(const QString &sNome) const;
    void pCreaCartella(const QString &sNome) const;
    /** A hard link sA in the folder dest to the entry sDa of this folder; errno when it fails, 0 when made. */
    int fCollega(const QString &sDa, const TCartella &dest, const QString &sA) const;
    /** Renames the entry sDa of this folder to sA of dest, replacing what sA was. */
    void pRinomina(const QString &sDa, const TCartella &dest, const QString &sA) const;
    /** Renames the entry sDa to sA, both of this folder, only when sA is not taken (not even by an empty folder);
     *  false when it is. */
    bool fRinominaNuovo(const QString &sDa, const QString &sA) const;
    /** Removes the entry sNome: a file or a link itself, a folder with everything in it. False when some of it
     *  could not be removed; nothing outside the entry is ever touched. */
    bool fRimuovi(const QString &sNome) const;
    /** The folder's entries made durable. */
    void pSync() const;
    /** The file sNome's contents made durable. */
    void pSyncFile(const QString &sNome) const;

private:
    TCartella(TFd fd, QString sPercorso) : m_fd(std::move(fd)), m_sPercorso(std::move(sPercorso)) {}
    [[noreturn]] void pErrore(const QString &sNome, int iErrno) const;

    TFd m_fd;
    QString m_sPercorso;
};

/** Everything left of the open file fd, at most iMassimo bytes; sPath names it in messages. */
QByteArray fLeggiTutto(const TFd &fd, qint64 iMassimo, const QString &sPath);
/** Copies the open file da to the new file a, hashing what it copies into *pHash when given; the paths name them
 *  in messages. The copy is on its way to the disk: TCartella::pSyncFile waits for it. */
void pCopiaFile(const TFd &da, const QString &sDa, const TFd &a, const QString &sA, QCryptographicHash *pHash);
/** sPath: why an entry of state st is not a plain file (a link, a folder, a FIFO...). */
QString fNonFileNormale(const QString &sPath, const struct stat &st);
/** sPath: the system's words for iErrno. */
QString fMessaggioErrno(const QString &sPath, int iErrno);
