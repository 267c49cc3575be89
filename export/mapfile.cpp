#include "export/mapfile.h"

#include "export/cp1252.h"
#include "workspace/errors.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void pThrowFile(const QString &sFile, int iErrno)
{
    throw TOmbrixError(sFile + QStringLiteral(": ") + fErroreDiSistema(iErrno));
}

/** Opens sFile for writing, never through a link; iFlags adds O_APPEND, O_TRUNC... */
int fApri(const QString &sFile, int iFlags)
{
    const int iFd =
        ::open(QFile::encodeName(sFile).constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | iFlags, 0666);
    if (iFd < 0)
        pThrowFile(sFile, errno);
    return iFd;
}

/** Appends data whole or not at all: when a write fails (disk full, quota),
 *  the file is cut back to where it was, so it never ends mid-record. */
void pAppend(const QString &sFile, const QByteArray &data)
{
    const int iFd = fApri(sFile, O_APPEND);
    const off_t iPrima = ::lseek(iFd, 0, SEEK_END);
    const char *p = data.constData();
    std::size_t n = std::size_t(data.size());
    while (n > 0) {
        const ssize_t k = ::write(iFd, p, n);
        if (k < 0 && errno == EINTR)
            continue;
        if (k <= 0) {
            const int iErr = k < 0 ? errno : ENOSPC;
            if (iPrima >= 0)
                (void)::ftruncate(iFd, iPrima);
            ::close(iFd);
            pThrowFile(sFile, iErr);
        }
        p += k;
        n -= std::size_t(k);
    }
    if (::close(iFd) != 0)
        pThrowFile(sFile, errno);
}

} // namespace

void EmptyFile(const QString &FileToClear)
{
    const int iFd = fApri(FileToClear, O_TRUNC);
    if (::close(iFd) != 0)
        pThrowFile(FileToClear, errno);
}

void pToFileout(const QString &s, const QString &sFileout)
{
    pAppend(sFileout, fToCp1252(s) + QByteArrayLiteral("\r\n"));
}

void TMapsWriter::pRiga(const QString &s)
{
    m_buffer += fToCp1252(s);
    m_buffer += "\r\n";
}

void TMapsWriter::pFlush()
{
    if (m_buffer.isEmpty())
        return;
    const QByteArray data = m_buffer;
    m_buffer.clear();
    pAppend(m_sFile, data);
}
