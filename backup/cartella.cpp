#include "backup/cartella.h"

#include "workspace/errors.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// the translation context of the program's own messages
struct Ombrix
{
    Q_DECLARE_TR_FUNCTIONS(Ombrix)
};

// deeper than any snapshot: a tree past it is not one of ours
constexpr int iProfonditaMassima = 16;

QByteArray fNomeC(const QString &sNome)
{
    return QFile::encodeName(sNome);
}

/** The reason an entry that is there is refused as a file or a folder. */
QString fNonFile(const struct stat &st)
{
    if (S_ISLNK(st.st_mode))
        return Ombrix::tr("è un collegamento simbolico");
    if (S_ISDIR(st.st_mode))
        return Ombrix::tr("è una cartella");
    return Ombrix::tr("non è un file normale");
}

/** Removes everything in the open folder iDir, depth levels below where the removal started. */
bool fSvuota(int iDir, int iProfondita)
{
    const int iCopia = ::dup(iDir);
    if (iCopia < 0)
        return false;
    DIR *pDir = ::fdopendir(iCopia);
    if (!pDir) {
        ::close(iCopia);
        return false;
    }
    QList<QByteArray> aNomi;
    while (const dirent *p = ::readdir(pDir))
        if (std::strcmp(p->d_name, ".") != 0 && std::strcmp(p->d_name, "..") != 0)
            aNomi << QByteArray(p->d_name);
    ::closedir(pDir);
    bool bTutto = true;
    for (const QByteArray &ab : aNomi) {
        const char *sz = ab.constData();
        if (::unlinkat(iDir, sz, 0) == 0 || errno == ENOENT)
            continue;
        if (errno != EISDIR && errno != EPERM) {
            bTutto = false;
            continue;
        }
        // a folder: its contents, without following a link that took its place meanwhile
        const int iSotto =
            iProfondita < iProfonditaMassima ? ::openat(iDir, sz, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1;
        if (iSotto < 0) {
            bTutto = false;
            continue;
        }
        bTutto = fSvuota(iSotto, iProfondita + 1) && bTutto;
        ::close(iSotto);
        if (::unlinkat(iDir, sz, AT_REMOVEDIR) != 0 && errno != ENOENT)
            bTutto = false;
    }
    return bTutto;
}

} // namespace

TFd &TFd::operator=(TFd &&altro) noexcept
{
    if (this != &altro) {
        if (m_iFd >= 0)
            ::close(m_iFd);
        m_iFd = std::exchange(altro.m_iFd, -1);
    }
    return *this;
}

TFd::~TFd()
{
    if (m_iFd >= 0)
        ::close(m_iFd);
}

QString fNonFileNormale(const QString &sPath, const struct stat &st)
{
    return sPath + QStringLiteral(": ") + fNonFile(st);
}

QString fMessaggioErrno(const QString &sPath, int iErrno)
{
    return sPath + QStringLiteral(": ") + fErroreDiSistema(iErrno);
}

void TCartella::pErrore(const QString &sNome, int iErrno) const
{
    throw TOmbrixError(fMessaggioErrno(fPercorso(sNome), iErrno));
}

TCartella TCartella::fApri(const QString &sPath, bool bSeguiLink)
{
    QString s = sPath;
    while (s.size() > 1 && s.endsWith(QLatin1Char('/')))
        s.chop(1);
    TFd fd(::open(fNomeC(s).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (bSeguiLink ? 0 : O_NOFOLLOW)));
    if (fd.fFd() < 0) {
        const int iErrno = errno;
        struct stat st;
        if (::lstat(fNomeC(s).constData(), &st) == 0 && !S_ISDIR(st.st_mode) && (!bSeguiLink || !S_ISLNK(st.st_mode)))
            throw TOmbrixError(s + QStringLiteral(": ") +
                               (S_ISLNK(st.st_mode) ? fNonFile(st) : Ombrix::tr("non è una cartella")));
        throw TOmbrixError(fMessaggioErrno(s, iErrno));
    }
    return TCartella(std::move(fd), s);
}

TCartella TCartella::fSotto(const QString &sNome) const
{
    TFd fd(::openat(m_fd.fFd(), fNomeC(sNome).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.fFd() < 0) {
        const int iErrno = errno;
        const std::optional<struct stat> st = fStat(sNome);
        if (st && !S_ISDIR(st->st_mode))
            throw TOmbrixError(fPercorso(sNome) + QStringLiteral(": ") +
                               (S_ISLNK(st->st_mode) ? fNonFile(*st) : Ombrix::tr("non è una cartella")));
        pErrore(sNome, iErrno);
    }
    return TCartella(std::move(fd), fPercorso(sNome));
}

QList<TCartella::TVoce> TCartella::fVoci() const
{
    const int iCopia = ::dup(m_fd.fFd());
    DIR *pDir = iCopia < 0 ? nullptr : ::fdopendir(iCopia);
    if (!pDir) {
        const int iErrno = errno;
        if (iCopia >= 0)
            ::close(iCopia);
        throw TOmbrixError(fMessaggioErrno(m_sPercorso, iErrno));
    }
    ::rewinddir(pDir);
    QList<TVoce> aVoci;
    while (const dirent *p = ::readdir(pDir)) {
        if (std::strcmp(p->d_name, ".") == 0 || std::strcmp(p->d_name, "..") == 0)
            continue;
        TVoce v;
        if (::fstatat(m_fd.fFd(), p->d_name, &v.st, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone meanwhile
        v.sNome = QFile::decodeName(p->d_name);
        aVoci << v;
    }
    ::closedir(pDir);
    std::sort(aVoci.begin(), aVoci.end(), [](const TVoce &a, const TVoce &b) { return a.sNome < b.sNome; });
    return aVoci;
}

std::optional<struct stat> TCartella::fStat(const QString &sNome) const
{
    struct stat st;
    if (::fstatat(m_fd.fFd(), fNomeC(sNome).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        pErrore(sNome, errno);
    }
    return st;
}

TFd TCartella::fApriFile(const QString &sNome, struct stat *pSt) const
{
    // what it is, before it is opened: a device or a FIFO is never opened at all
    const std::optional<struct stat> stVoce = fStat(sNome);
    if (!stVoce)
        pErrore(sNome, ENOENT);
    if (!S_ISREG(stVoce->st_mode))
        throw TOmbrixError(fNonFileNormale(fPercorso(sNome), *stVoce));
    // and what was opened: O_NONBLOCK keeps a FIFO put in its place meanwhile from waiting for a writer
    TFd fd(::openat(m_fd.fFd(), fNomeC(sNome).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat st;
    if (fd.fFd() < 0)
        pErrore(sNome, errno);
    if (::fstat(fd.fFd(), &st) != 0)
        pErrore(sNome, errno);
    if (!S_ISREG(st.st_mode))
        throw TOmbrixError(fNonFileNormale(fPercorso(sNome), st));
    ::fcntl(fd.fFd(), F_SETFL, ::fcntl(fd.fFd(), F_GETFL) & ~O_NONBLOCK);
    if (pSt)
        *pSt = st;
    return fd;
}

TFd TCartella::fCreaFile(const QString &sNome) const
{
    TFd fd(::openat(m_fd.fFd(), fNomeC(sNome).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (fd.fFd() < 0)
        pErrore(sNome, errno);
    return fd;
}

void TCartella::pCreaCartella(const QString &sNome) const
{
    if (::mkdirat(m_fd.fFd(), fNomeC(sNome).constData(), 0755) != 0)
        pErrore(sNome, errno);
}

int TCartella::fCollega(const QString &sDa, const TCartella &dest, const QString &sA) const
{
    // without AT_SYMLINK_FOLLOW: a link would be linked as itself, so the callers check for a plain file first
    if (::linkat(m_fd.fFd(), fNomeC(sDa).constData(), dest.m_fd.fFd(), fNomeC(sA).constData(), 0) == 0)
        return 0;
    return errno;
}

void TCartella::pRinomina(const QString &sDa, const TCartella &dest, const QString &sA) const
{
    if (::renameat(m_fd.fFd(), fNomeC(sDa).constData(), dest.m_fd.fFd(), fNomeC(sA).constData()) != 0)
        dest.pErrore(sA, errno);
}

bool TCartella::fRinominaNuovo(const QString &sDa, const QString &sA) const
{
    const QByteArray abDa = fNomeC(sDa);
    const QByteArray abA = fNomeC(sA);
    if (::renameat2(m_fd.fFd(), abDa.constData(), m_fd.fFd(), abA.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST || errno == ENOTEMPTY)
        return false;
    if (errno != EINVAL)
        pErrore(sA, errno);
    // a file system that cannot refuse by itself: looked at first
    if (fStat(sA))
        return false;
    if (::renameat(m_fd.fFd(), abDa.constData(), m_fd.fFd(), abA.constData()) != 0)
        pErrore(sA, errno);
    return true;
}

bool TCartella::fRimuovi(const QString &sNome) const
{
    const QByteArray ab = fNomeC(sNome);
    if (::unlinkat(m_fd.fFd(), ab.constData(), 0) == 0 || errno == ENOENT)
        return true;
    if (errno != EISDIR && errno != EPERM)
        return false;
    const int iSotto = ::openat(m_fd.fFd(), ab.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (iSotto < 0)
        return false;
    const bool bTutto = fSvuota(iSotto, 1);
    ::close(iSotto);
    return ::unlinkat(m_fd.fFd(), ab.constData(), AT_REMOVEDIR) == 0 && bTutto;
}

void TCartella::pSync() const
{
    ::fsync(m_fd.fFd());
}

void TCartella::pSyncFile(const QString &sNome) const
{
    const TFd fd(::openat(m_fd.fFd(), fNomeC(sNome).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.fFd() < 0 || ::fsync(fd.fFd()) != 0)
        pErrore(sNome, errno);
}

QByteArray fLeggiTutto(const TFd &fd, qint64 iMassimo, const QString &sPath)
{
    QByteArray ab;
    char buf[65536];
    while (ab.size() < iMassimo) {
        const ssize_t n = ::read(fd.fFd(), buf, size_t(std::min<qint64>(qint64(sizeof buf), iMassimo - ab.size())));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw TOmbrixError(fMessaggioErrno(sPath, errno));
        if (n == 0)
            break;
        ab.append(buf, qsizetype(n));
    }
    return ab;
}

void pCopiaFile(const TFd &da, const QString &sDa, const TFd &a, const QString &sA, QCryptographicHash *pHash)
{
    static constexpr size_t iBlocco = 256 * 1024;
    QByteArray buf(qsizetype(iBlocco), Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(da.fFd(), buf.data(), iBlocco);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw TOmbrixError(fMessaggioErrno(sDa, errno));
        if (n == 0)
            break;
        if (pHash)
            pHash->addData(QByteArrayView(buf.constData(), qsizetype(n)));
        for (ssize_t iFatti = 0; iFatti < n;) {
            const ssize_t m = ::write(a.fFd(), buf.constData() + iFatti, size_t(n - iFatti));
            if (m < 0 && errno == EINTR)
                continue;
            if (m < 0)
                throw TOmbrixError(fMessaggioErrno(sA, errno));
            iFatti += m;
        }
    }
    // written out from now on; pSyncFile waits for it
    ::sync_file_range(a.fFd(), 0, 0, SYNC_FILE_RANGE_WRITE);
}
