#include "backup/copie.h"

#include "workspace/errors.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString sAree = QStringLiteral("areas");
const QString sMotivoFile = QStringLiteral("motivo.txt");
const QString sInCorso = QStringLiteral(".in-corso-");

// the translation context of the program's own messages
struct Ombrix
{
    Q_DECLARE_TR_FUNCTIONS(Ombrix)
};

QString fErrno(const QString &sPath)
{
    return sPath + QStringLiteral(": ") + fErroreDiSistema(errno);
}

/** A snapshot folder's name: "AAAAMMGG-hhmmss" with an optional "-n". */
const QRegularExpression &fReNome()
{
    static const QRegularExpression re(QStringLiteral("^([0-9]{8}-[0-9]{6})(?:-([0-9]+))?$"));
    return re;
}

/** The snapshot folders of sCartella (names only), the most recent first. */
QStringList fNomiCopie(const QString &sCartella)
{
    QStringList asNomi;
    for (const QString &s : QDir(sCartella).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (fReNome().match(s).hasMatch())
            asNomi << s;
    auto chiave = [](const QString &s) {
        const QRegularExpressionMatch m = fReNome().match(s);
        return std::make_pair(m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt());
    };
    std::sort(asNomi.begin(), asNomi.end(), [&](const QString &a, const QString &b) { return chiave(a) > chiave(b); });
    return asNomi;
}

/** The pictures of an "areas" folder: its plain, non-hidden files, by name. */
QStringList fImmagini(const QString &sCartella)
{
    QStringList asNomi;
    const QFileInfoList aInfo = QDir(sCartella).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &fi : aInfo)
        if (!fi.isSymLink() || fi.isFile())
            asNomi << fi.fileName();
    return asNomi;
}

void pAggiungiFile(QCryptographicHash &h, const QString &sPath, bool bDatabase)
{
    QFile f(sPath);
    if (!f.open(QIODevice::ReadOnly))
        throw TOmbrixError(sPath + QStringLiteral(": ") + f.errorString());
    QByteArray ab = f.readAll();
    if (bDatabase && ab.size() >= 100) {
        // the header's change counter and library version say how the copy was written, not what it holds
        std::fill(ab.begin() + 24, ab.begin() + 28, '\0');
        std::fill(ab.begin() + 92, ab.begin() + 100, '\0');
    }
    h.addData(QByteArray::number(ab.size()) + ':');
    h.addData(ab);
}

/** What a snapshot folder holds: its database (the header's bookkeeping left out) and its pictures. */
QByteArray fImpronta(const QString &sCartella, const QString &sNomeDb)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    pAggiungiFile(h, sCartella + QLatin1Char('/') + sNomeDb, true);
    const QString sImg = sCartella + QLatin1Char('/') + sAree;
    for (const QString &s : fImmagini(sImg)) {
        h.addData(s.toUtf8() + '\0');
        pAggiungiFile(h, sImg + QLatin1Char('/') + s, false);
    }
    return h.result();
}

/** The database file of a snapshot folder: its one ".omb" file. */
QString fDbDellaCopia(const QString &sCartella)
{
    const QStringList as = QDir(sCartella).entryList({QStringLiteral("*.omb")}, QDir::Files);
    return as.isEmpty() ? QString() : sCartella + QLatin1Char('/') + as.first();
}

/** A hard link of sDa at sA, or a copy where links cannot be made. */
void pCollegaOCopia(const QString &sDa, const QString &sA)
{
    const QByteArray da = QFile::encodeName(sDa);
    const QByteArray a = QFile::encodeName(sA);
    if (::link(da.constData(), a.constData()) == 0)
        return;
    if (!QFile::copy(sDa, sA))
        throw TOmbrixError(sA + QStringLiteral(": ") + Ombrix::tr("impossibile copiare ") + sDa);
}

void pFsync(const QString &sPath)
{
    const int fd = ::open(QFile::encodeName(sPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

/** Removes the working folders of snapshot runs whose process has gone. */
void pTogliAvanzi(const QString &sCartella)
{
    for (const QString &s :
         QDir(sCartella).entryList({sInCorso + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const qint64 iPid = s.mid(sInCorso.size()).section(QLatin1Char('-'), 0, 0).toLongLong();
        if (iPid > 0 && iPid != ::getpid() && ::kill(pid_t(iPid), 0) != 0 && errno == ESRCH)
            QDir(sCartella + QLatin1Char('/') + s).removeRecursively();
    }
}

/** The database pDb copied into the file sDest with the online backup API, and checked. */
void pCopiaDatabase(sqlite3 *pDb, const QString &sDest)
{
    sqlite3 *pDest = nullptr;
    int iRc = sqlite3_open_v2(sDest.toUtf8().constData(), &pDest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    auto fallisci = [&](const QString &sMsg) {
        sqlite3_close_v2(pDest);
        throw TOmbrixError(sDest + QStringLiteral(": ") + sMsg);
    };
    if (iRc != SQLITE_OK)
        fallisci(QString::fromUtf8(pDest ? sqlite3_errmsg(pDest) : sqlite3_errstr(iRc)));
    sqlite3_backup *pBackup = sqlite3_backup_init(pDest, "main", pDb, "main");
    if (!pBackup)
        fallisci(QString::fromUtf8(sqlite3_errmsg(pDest)));
    // another program writing the project holds it for a moment: wait for it, as a statement would
    for (int i = 0; i < 100; ++i) {
        iRc = sqlite3_backup_step(pBackup, -1);
        if (iRc != SQLITE_BUSY && iRc != SQLITE_LOCKED)
            break;
        QThread::msleep(50);
    }
    sqlite3_backup_finish(pBackup);
    if (iRc != SQLITE_DONE)
        fallisci(QString::fromUtf8(iRc == SQLITE_BUSY || iRc == SQLITE_LOCKED ? sqlite3_errstr(iRc)
                                                                              : sqlite3_errmsg(pDest)));
    sqlite3_stmt *pStmt = nullptr;
    QString sEsito;
    if (sqlite3_prepare_v2(pDest, "PRAGMA quick_check", -1, &pStmt, nullptr) == SQLITE_OK &&
        sqlite3_step(pStmt) == SQLITE_ROW)
        sEsito = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(pStmt, 0)));
    sqlite3_finalize(pStmt);
    if (sEsito != QStringLiteral("ok"))
        fallisci(Ombrix::tr("il database del progetto è danneggiato, copia non fatta") +
                 (sEsito.isEmpty() ? QString() : QStringLiteral(" (") + sEsito + QLatin1Char(')')));
    sqlite3_close_v2(pDest);
}

/** Checks the snapshot in sCartella: its database passes the integrity check and every area has its picture.
 *  Fills the counts; returns the fault, empty when it is sound. */
QString fControlla(const QString &sCartella, int &nAree, int &nOggetti)
{
    const QString sDb = fDbDellaCopia(sCartella);
    if (sDb.isEmpty())
        return Ombrix::tr("manca il database");
    sqlite3 *pDb = nullptr;
    if (sqlite3_open_v2(sDb.toUtf8().constData(), &pDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const QString s = pDb ? QString::fromUtf8(sqlite3_errmsg(pDb)) : Ombrix::tr("impossibile aprire il database");
        sqlite3_close_v2(pDb);
        return s;
    }
    QString sDifetto;
    auto fRighe = [&](const char *szSql) {
        QStringList as;
        sqlite3_stmt *pStmt = nullptr;
        if (sqlite3_prepare_v2(pDb, szSql, -1, &pStmt, nullptr) != SQLITE_OK) {
            sDifetto = QString::fromUtf8(sqlite3_errmsg(pDb));
            return as;
        }
        int iRc = SQLITE_ROW;
        while ((iRc = sqlite3_step(pStmt)) == SQLITE_ROW)
            as << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(pStmt, 0)));
        if (iRc != SQLITE_DONE)
            sDifetto = QString::fromUtf8(sqlite3_errmsg(pDb));
        sqlite3_finalize(pStmt);
        return as;
    };
    const QStringList asCheck = fRighe("PRAGMA integrity_check");
    if (sDifetto.isEmpty() && asCheck != QStringList{QStringLiteral("ok")})
        sDifetto = asCheck.isEmpty() ? Ombrix::tr("controllo di integrità fallito") : asCheck.first();
    QStringList asAree;
    if (sDifetto.isEmpty())
        asAree = fRighe("SELECT _id FROM tbarea");
    QStringList asOggetti;
    if (sDifetto.isEmpty())
        asOggetti = fRighe("SELECT count(*) FROM tbsensori");
    sqlite3_close_v2(pDb);
    if (!sDifetto.isEmpty())
        return sDifetto;
    nAree = int(asAree.size());
    nOggetti = asOggetti.value(0).toInt();
    for (const QString &sId : asAree) {
        const QString sImg =
            sCartella + QLatin1Char('/') + sAree + QStringLiteral("/img_") + sId + QStringLiteral(".jpg");
        if (!QFileInfo(sImg).isFile())
            return Ombrix::tr("manca l'immagine ") + sImg;
    }
    return QString();
}

/** Renames sDa to sA, replacing sA. */
void pRinomina(const QString &sDa, const QString &sA)
{
    if (::rename(QFile::encodeName(sDa).constData(), QFile::encodeName(sA).constData()) != 0)
        throw TOmbrixError(fErrno(sA));
}

} // namespace

QString fCartellaCopie(const QString &sRootPrj)
{
    QString s = sRootPrj;
    if (!s.endsWith(QLatin1Char('/')))
        s += QLatin1Char('/');
    return s + QStringLiteral("backup");
}

QString fFaiCopia(sqlite3 *pDb, const QString &sRootPrj, const QString &sNomeDb, const QString &sMotivo, int iTenere,
                  const QString &sTieni)
{
    const QString sCopie = fCartellaCopie(sRootPrj);
    if (!QDir().mkpath(sCopie))
        throw TOmbrixError(sCopie + QStringLiteral(": ") + Ombrix::tr("impossibile creare la cartella"));
    pTogliAvanzi(sCopie);
    const QString sTmp = sCopie + QLatin1Char('/') + sInCorso + QString::number(::getpid()) + QLatin1Char('-') +
                         QString::number(QRandomGenerator::global()->generate(), 36);
    QDir tmp(sTmp);
    try {
        if (!QDir().mkpath(sTmp + QLatin1Char('/') + sAree))
            throw TOmbrixError(sTmp + QStringLiteral(": ") + Ombrix::tr("impossibile creare la cartella"));
        pCopiaDatabase(pDb, sTmp + QLatin1Char('/') + sNomeDb);
        const QString sImg = QDir(sRootPrj).filePath(sAree);
        for (const QString &s : fImmagini(sImg))
            pCollegaOCopia(sImg + QLatin1Char('/') + s, sTmp + QLatin1Char('/') + sAree + QLatin1Char('/') + s);

        const QStringList asNomi = fNomiCopie(sCopie);
        if (!asNomi.isEmpty()) {
            const QString sUltima = sCopie + QLatin1Char('/') + asNomi.first();
            const QString sDbUltima = fDbDellaCopia(sUltima);
            if (!sDbUltima.isEmpty() && QFileInfo(sDbUltima).fileName() == sNomeDb &&
                fImpronta(sUltima, sNomeDb) == fImpronta(sTmp, sNomeDb)) {
                tmp.removeRecursively();
                return QString();
            }
        }

        QSaveFile motivo(sTmp + QLatin1Char('/') + sMotivoFile);
        const QByteArray ab = sMotivo.toUtf8() + '\n';
        if (!motivo.open(QIODevice::WriteOnly) || motivo.write(ab) != ab.size() || !motivo.commit())
            throw TOmbrixError(motivo.fileName() + QStringLiteral(": ") + motivo.errorString());
        pFsync(sTmp + QLatin1Char('/') + sAree);
        pFsync(sTmp);

        // named after the local time; a name taken (in the same second, by another program) gets "-2", "-3"...
        const QString sBase = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        // after every one of the same second, also after older ones of that second were let go
        int nPrimo = 1;
        for (const QString &s : fNomiCopie(sCopie)) {
            const QRegularExpressionMatch m = fReNome().match(s);
            if (m.captured(1) == sBase)
                nPrimo = qMax(nPrimo, (m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()) + 1);
        }
        QString sFatta;
        for (int n = nPrimo; sFatta.isEmpty(); ++n) {
            const QString sNome = n == 1 ? sBase : sBase + QLatin1Char('-') + QString::number(n);
            const QString sDest = sCopie + QLatin1Char('/') + sNome;
            if (QFileInfo::exists(sDest))
                continue;
            if (::rename(QFile::encodeName(sTmp).constData(), QFile::encodeName(sDest).constData()) == 0)
                sFatta = sDest;
            else if (errno != EEXIST && errno != ENOTEMPTY)
                throw TOmbrixError(fErrno(sDest));
        }
        pFsync(sCopie);

        QStringList asTutte = fNomiCopie(sCopie);
        asTutte.removeAll(sTieni);
        for (qsizetype i = qMax(1, sTieni.isEmpty() ? iTenere : iTenere - 1); i < asTutte.size(); ++i)
            QDir(sCopie + QLatin1Char('/') + asTutte.at(i)).removeRecursively();
        return sFatta;
    } catch (...) {
        tmp.removeRecursively();
        throw;
    }
}

QList<TCopia> fElencaCopie(const QString &sRootPrj)
{
    const QString sCopie = fCartellaCopie(sRootPrj);
    QList<TCopia> aCopie;
    for (const QString &sNome : fNomiCopie(sCopie)) {
        TCopia c;
        c.sNome = sNome;
        c.sCartella = sCopie + QLatin1Char('/') + sNome;
        c.quando = QDateTime::fromString(sNome.left(15), QStringLiteral("yyyyMMdd-hhmmss"));
        QFile motivo(c.sCartella + QLatin1Char('/') + sMotivoFile);
        if (motivo.open(QIODevice::ReadOnly))
            c.sMotivo = QString::fromUtf8(motivo.readLine()).trimmed();
        c.sDifetto = fControlla(c.sCartella, c.nAree, c.nOggetti);
        c.bDanneggiata = !c.sDifetto.isEmpty();
        aCopie << c;
    }
    return aCopie;
}

std::optional<TCopia> fUltimaCopiaSana(const QString &sRootPrj)
{
    for (const TCopia &c : fElencaCopie(sRootPrj))
        if (!c.bDanneggiata)
            return c;
    return std::nullopt;
}

void pRipristinaCopia(const TCopia &copia, const QString &sDb)
{
    int nAree = 0;
    int nOggetti = 0;
    const QString sDifetto = fControlla(copia.sCartella, nAree, nOggetti);
    if (!sDifetto.isEmpty())
        throw TOmbrixError(copia.sCartella + QStringLiteral(": ") +
                           Ombrix::tr("copia danneggiata, non ripristinabile") + QStringLiteral(" (") + sDifetto +
                           QLatin1Char(')'));
    const QFileInfo fiDb(sDb);
    const QString sRoot = fiDb.absolutePath();

    // the database: a complete copy beside it, then renamed over it; a journal left by the replaced file
    // must not be played back into the restored one
    const QString sTmpDb = sRoot + QStringLiteral("/.") + fiDb.fileName() + QStringLiteral(".ripristino");
    QFile::remove(sTmpDb);
    if (!QFile::copy(fDbDellaCopia(copia.sCartella), sTmpDb))
        throw TOmbrixError(sTmpDb + QStringLiteral(": ") + Ombrix::tr("impossibile copiare ") +
                           fDbDellaCopia(copia.sCartella));
    QFile(sTmpDb).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                 QFileDevice::ReadOther);
    pFsync(sTmpDb);
    for (const char *sz : {"-journal", "-wal", "-shm"})
        QFile::remove(sDb + QLatin1String(sz));
    pRinomina(sTmpDb, sDb);

    // the pictures: exactly the snapshot's
    const QString sImg = sRoot + QLatin1Char('/') + sAree;
    const QString sImgCopia = copia.sCartella + QLatin1Char('/') + sAree;
    QDir().mkpath(sImg);
    const QStringList asCopia = fImmagini(sImgCopia);
    for (const QString &s : asCopia) {
        const QString sTmp = sImg + QStringLiteral("/.") + s + QStringLiteral(".ripristino");
        QFile::remove(sTmp);
        pCollegaOCopia(sImgCopia + QLatin1Char('/') + s, sTmp);
        pRinomina(sTmp, sImg + QLatin1Char('/') + s);
    }
    for (const QString &s : fImmagini(sImg))
        if (!asCopia.contains(s) && !QFile::remove(sImg + QLatin1Char('/') + s))
            throw TOmbrixError(sImg + QLatin1Char('/') + s + QStringLiteral(": ") +
                               Ombrix::tr("impossibile eliminare il file"));
    pFsync(sImg);
    pFsync(sRoot);
}

QString fMettiDaParteDanneggiato(const QString &sDb)
{
    const QString sBase = sDb + QStringLiteral(".danneggiato-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (int n = 1;; ++n) {
        const QString sNuovo = n == 1 ? sBase : sBase + QLatin1Char('-') + QString::number(n);
        if (QFileInfo::exists(sNuovo) || QFileInfo(sNuovo).isSymLink())
            continue;
        // link, then unlink: a name that appeared meanwhile is never overwritten
        if (::link(QFile::encodeName(sDb).constData(), QFile::encodeName(sNuovo).constData()) != 0) {
            if (errno == EEXIST)
                continue;
            throw TOmbrixError(fErrno(sNuovo));
        }
        if (::unlink(QFile::encodeName(sDb).constData()) != 0)
            throw TOmbrixError(fErrno(sDb));
        const QString sJournal = sDb + QStringLiteral("-journal");
        if (QFileInfo::exists(sJournal))
            ::rename(QFile::encodeName(sJournal).constData(),
                     QFile::encodeName(sNuovo + QStringLiteral("-journal")).constData());
        return sNuovo;
    }
}
