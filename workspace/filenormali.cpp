#include "workspace/filenormali.h"

#include "workspace/errors.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString fErrno(int iErrno)
{
    return fErroreDiSistema(iErrno);
}

[[noreturn]] void pFallisci(const QString &sPath, const QString &sMotivo)
{
    throw TOmbrixError(sPath + QStringLiteral(": ") + sMotivo);
}

QString fMotivo(mode_t iModo)
{
    if (S_ISREG(iModo))
        return QString();
    if (S_ISDIR(iModo))
        return QCoreApplication::translate("Ombrix", "è una cartella");
    if (S_ISLNK(iModo))
        return QCoreApplication::translate("Ombrix", "è un collegamento simbolico");
    return QCoreApplication::translate("Ombrix", "non è un file normale");
}

/** Closes a descriptor when it goes out of scope. */
struct TDescrittore
{
    int iFd = -1;
    ~TDescrittore()
    {
        if (iFd >= 0)
            ::close(iFd);
    }
};

} // namespace

QString fMiB(qint64 iByte)
{
    return QString::number((iByte + (1 << 20) - 1) >> 20);
}

QString fNonNormale(const QString &sPath, bool bSegui)
{
    const QByteArray abPath = QFile::encodeName(sPath);
    struct stat st;
    if ((bSegui ? ::stat(abPath.constData(), &st) : ::lstat(abPath.constData(), &st)) != 0)
        return QString();
    return fMotivo(st.st_mode);
}

void pRichiediFileNormale(const QString &sPath)
{
    struct stat st;
    if (::stat(QFile::encodeName(sPath).constData(), &st) != 0)
        pFallisci(sPath, fErrno(errno));
    if (!S_ISREG(st.st_mode))
        pFallisci(sPath, fMotivo(st.st_mode));
}

QByteArray fLeggiFileNormale(const QString &sPath, qint64 iLimite)
{
    // what is there is looked at first, so that a device is never opened at all
    pRichiediFileNormale(sPath);
    TDescrittore fd;
    // without waiting: a FIFO put there meanwhile opens at once, and is refused below
    fd.iFd = ::open(QFile::encodeName(sPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd.iFd < 0)
        pFallisci(sPath, fErrno(errno));
    struct stat st;
    if (::fstat(fd.iFd, &st) != 0)
        pFallisci(sPath, fErrno(errno));
    if (!S_ISREG(st.st_mode))
        pFallisci(sPath, fMotivo(st.st_mode));
    const auto pTroppo = [&] {
        pFallisci(sPath,
                  QCoreApplication::translate("Ombrix", "file più grande del limite di %1 MiB").arg(fMiB(iLimite)));
    };
    if (st.st_size > iLimite)
        pTroppo();
    // the size may change while it is read: the bound holds whatever it becomes
    QByteArray ab;
    ab.resize(qsizetype(std::max<qint64>(st.st_size, 0)) + 1);
    qsizetype n = 0;
    for (;;) {
        if (n == ab.size()) {
            if (n > iLimite)
                pTroppo();
            ab.resize(qsizetype(std::min<qint64>(iLimite + 1, qint64(n) * 2)));
        }
        const ssize_t k = ::read(fd.iFd, ab.data() + n, std::size_t(ab.size() - n));
        if (k < 0) {
            if (errno == EINTR)
                continue;
            pFallisci(sPath, fErrno(errno));
        }
        if (k == 0)
            break;
        n += k;
    }
    if (n > iLimite)
        pTroppo();
    ab.resize(n);
    return ab;
}

TFileNuovo::TFileNuovo(const QString &sPath) : m_sPath(sPath)
{
    const QString sMotivo = fNonNormale(sPath, false);
    if (!sMotivo.isEmpty())
        pFallisci(sPath, sMotivo);
    // a fresh hidden name beside it, created exclusively: never a file that is already there
    const QFileInfo fi(sPath);
    QByteArray modello = QFile::encodeName(fi.path() + QStringLiteral("/.") + fi.fileName()) + ".XXXXXX.part";
    const int iFd = ::mkostemps(modello.data(), 5, O_CLOEXEC);
    if (iFd < 0)
        pFallisci(sPath, fErrno(errno));
    ::fchmod(iFd, 0644);
    m_sTmp = QFile::decodeName(modello);
    if (!m_file.open(iFd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(iFd);
        ::unlink(modello.constData());
        pFallisci(sPath, m_file.errorString());
    }
}

TFileNuovo::~TFileNuovo()
{
    if (m_bConfermato)
        return;
    m_file.close();
    ::unlink(QFile::encodeName(m_sTmp).constData());
}

void TFileNuovo::pConferma()
{
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError)
        pFallisci(m_sPath, m_file.errorString());
    const int iFd = m_file.handle();
    if (::fsync(iFd) != 0)
        pFallisci(m_sPath, fErrno(errno));
    m_file.close();
    // the name may have been taken meanwhile: still only a plain file is replaced
    const QString sMotivo = fNonNormale(m_sPath, false);
    if (!sMotivo.isEmpty())
        pFallisci(m_sPath, sMotivo);
    if (std::rename(QFile::encodeName(m_sTmp).constData(), QFile::encodeName(m_sPath).constData()) != 0)
        pFallisci(m_sPath, fErrno(errno));
    m_bConfermato = true;
}

void pScriviFileNuovo(const QString &sPath, const QByteArray &abDati)
{
    TFileNuovo file(sPath);
    if (file.fFile().write(abDati) != abDati.size())
        pFallisci(sPath, file.fFile().errorString());
    file.pConferma();
}
