#include "workspace/projectlock.h"

#include "workspace/errors.h"
#include "workspace/filenormali.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

QString TBloccoProgetto::fFileBlocco(const QString &sRootPrj)
{
    QString s = sRootPrj;
    if (!s.endsWith(QLatin1Char('/')))
        s += QLatin1Char('/');
    return s + QStringLiteral(".ombrix.lock");
}

TBloccoProgetto::TBloccoProgetto(const QString &sRootPrj)
    : m_sPercorso(fFileBlocco(sRootPrj)), m_pLock(std::make_unique<QLockFile>(m_sPercorso))
{
    // a folder or a link in its place is never followed nor read: the project is refused, saying why
    const QString sMotivo = fNonNormale(m_sPercorso, false);
    if (!sMotivo.isEmpty())
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Il progetto non può essere bloccato: %1: %2")
                               .arg(m_sPercorso, sMotivo));
    // held for as long as the project is open: never stale by age, only when its process is gone
    m_pLock->setStaleLockTime(0);
    if (m_pLock->tryLock(0))
        return;
    if (m_pLock->error() == QLockFile::LockFailedError) {
        qint64 iPid = 0;
        QString sHost;
        QString sApp;
        m_pLock->getLockInfo(&iPid, &sHost, &sApp);
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Il progetto è già aperto") +
                           QCoreApplication::translate("Ombrix", " (computer %1, processo %2): %3")
                               .arg(sHost.isEmpty() ? QStringLiteral("?") : sHost)
                               .arg(iPid)
                               .arg(sRootPrj));
    }
    const int iErrno = m_pLock->error() == QLockFile::PermissionError ? EACCES : EIO;
    throw TOmbrixError(m_sPercorso + QStringLiteral(": ") + fErroreDiSistema(iErrno));
}

TBloccoProgetto::~TBloccoProgetto() = default;
