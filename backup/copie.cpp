#include "backup/copie.h"

#include "backup/cartellacopie.h"
#include "workspace/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace {

// the translation context of the program's own messages
struct Ombrix
{
    Q_DECLARE_TR_FUNCTIONS(Ombrix)
};

// the reason of a snapshot is one short line: no more than this is read of it
constexpr qint64 iMassimoMotivo = 1024;

/** A snapshot folder's name: "AAAAMMGG-hhmmss" with an optional "-n". */
const QRegularExpression &fReNome()
{
    static const QRegularExpression re(QStringLiteral("^([0-9]{8}-[0-9]{6})(?:-([0-9]+))?$"));
    return re;
}

/** The first line of the snapshot's motivo.txt; empty when it cannot be read as a plain file. */
QString fMotivo(const TCartella &copie, const QString &sNome)
{
    try {
        const TCartella copia = copie.fSotto(sNome);
        const TFd fd = copia.fApriFile(sFileMotivo);
        const QByteArray ab = fLeggiTutto(fd, iMassimoMotivo, copia.fPercorso(sFileMotivo));
        const qsizetype i = ab.indexOf('\n');
        return QString::fromUtf8(i < 0 ? ab : ab.left(i)).trimmed();
    } catch (const TOmbrixError &) {
        return QString();
    }
}

/** The first fault of the snapshot sNome of the folder copie, or nothing: it is a folder holding only plain files
 *  and the folder "areas" of plain files, its database passes the integrity check and every area has its picture.
 *  Fills the counts. */
QString fControlla(const TCartella &copie, const QString &sNome, int &nAree, int &nOggetti)
{
    std::optional<TCartella> copia;
    std::optional<TCartella> aree;
    try {
        copia = copie.fSotto(sNome);
        for (const TCartella::TVoce &v : copia->fVoci()) {
            if (v.sNome == sCartellaAree)
                aree = copia->fSotto(v.sNome);
            else if (!S_ISREG(v.st.st_mode))
                return fNonFileNormale(copia->fPercorso(v.sNome), v.st);
        }
        if (aree)
            for (const TCartella::TVoce &v : aree->fVoci())
                if (!S_ISREG(v.st.st_mode))
                    return fNonFileNormale(aree->fPercorso(v.sNome), v.st);
    } catch (const TOmbrixError &e) {
        return e.fMessage();
    }
    const QString sNomeDb = fDbDellaCopia(*copia);
    if (sNomeDb.isEmpty())
        return Ombrix::tr("manca il database");
    const QString sDb = copia->fPercorso(sNomeDb);
    sqlite3 *pDb = nullptr;
    if (sqlite3_open_v2(sDb.toUtf8().constData(), &pDb, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, nullptr) !=
        SQLITE_OK) {
        const QString s = pDb ? QString::fromUtf8(sqlite3_errmsg(pDb)) : Ombrix::tr("impossibile aprire il database");
        sqlite3_close_v2(pDb);
        return sDb + QStringLiteral(": ") + s;
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
        const QString sImg = QStringLiteral("img_") + sId + QStringLiteral(".jpg");
        if (!aree || !aree->fStat(sImg))
            return Ombrix::tr("manca l'immagine ") + copia->fPercorso(sCartellaAree + QLatin1Char('/') + sImg);
    }
    return QString();
}

/** The folder holding the snapshot copia (never followed through a link) and the snapshot's name in it. */
std::pair<TCartella, QString> fCartellaDi(const TCopia &copia)
{
    const QFileInfo fi(copia.sCartella);
    return {TCartella::fApri(fi.absolutePath()), fi.fileName()};
}

} // namespace

std::optional<TCartella> fApriCartellaCopie(const QString &sRootPrj, bool bCrea)
{
    const QString sCopie = fCartellaCopie(sRootPrj);
    struct stat st;
    if (::lstat(QFile::encodeName(sCopie).constData(), &st) != 0) {
        if (errno != ENOENT)
            throw TOmbrixError(fMessaggioErrno(sCopie, errno));
        if (!bCrea)
            return std::nullopt;
        if (::mkdir(QFile::encodeName(sCopie).constData(), 0755) != 0 && errno != EEXIST)
            throw TOmbrixError(fMessaggioErrno(sCopie, errno));
    } else if (S_ISLNK(st.st_mode)) {
        // the snapshots are written, pruned and restored only inside the project's own folder
        throw TOmbrixError(sCopie + QStringLiteral(": ") +
                           Ombrix::tr("è un collegamento simbolico, non la cartella delle copie"));
    }
    return TCartella::fApri(sCopie);
}

QStringList fNomiCopie(const TCartella &copie)
{
    QStringList asNomi;
    for (const TCartella::TVoce &v : copie.fVoci())
        if (fReNome().match(v.sNome).hasMatch())
            asNomi << v.sNome;
    auto chiave = [](const QString &s) {
        const QRegularExpressionMatch m = fReNome().match(s);
        return std::make_pair(m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt());
    };
    std::sort(asNomi.begin(), asNomi.end(), [&](const QString &a, const QString &b) { return chiave(a) > chiave(b); });
    return asNomi;
}

QString fDbDellaCopia(const TCartella &copia)
{
    for (const TCartella::TVoce &v : copia.fVoci())
        if (S_ISREG(v.st.st_mode) && v.sNome.endsWith(QStringLiteral(".omb")))
            return v.sNome;
    return QString();
}

QStringList fImmaginiDi(const TCartella &aree)
{
    QStringList asNomi;
    for (const TCartella::TVoce &v : aree.fVoci())
        if (S_ISREG(v.st.st_mode) && !v.sNome.startsWith(QLatin1Char('.')))
            asNomi << v.sNome;
    return asNomi;
}

QString fCartellaCopie(const QString &sRootPrj)
{
    QString s = sRootPrj;
    if (!s.endsWith(QLatin1Char('/')))
        s += QLatin1Char('/');
    return s + QStringLiteral("backup");
}

QList<TCopia> fElencaCopie(const QString &sRootPrj)
{
    const std::optional<TCartella> copie = fApriCartellaCopie(sRootPrj, false);
    if (!copie)
        return {};
    QList<TCopia> aCopie;
    for (const QString &sNome : fNomiCopie(*copie)) {
        TCopia c;
        c.sNome = sNome;
        c.sCartella = copie->fPercorso(sNome);
        c.quando = QDateTime::fromString(sNome.left(15), QStringLiteral("yyyyMMdd-hhmmss"));
        c.sMotivo = fMotivo(*copie, sNome);
        c.sDifetto = fControlla(*copie, sNome, c.nAree, c.nOggetti);
        c.bDanneggiata = !c.sDifetto.isEmpty();
        aCopie << c;
    }
    return aCopie;
}

std::optional<TCopia> fUltimaCopiaSana(const QString &sRootPrj)
{
    try {
        for (const TCopia &c : fElencaCopie(sRootPrj))
            if (!c.bDanneggiata)
                return c;
    } catch (const TOmbrixError &) {
        // a folder of snapshots that cannot be trusted offers none
    }
    return std::nullopt;
}

void pRipristinaCopia(const TCopia &copia, const QString &sDb)
{
    const auto [cartella, sNome] = fCartellaDi(copia);
    int nAree = 0;
    int nOggetti = 0;
    const QString sDifetto = fControlla(cartella, sNome, nAree, nOggetti);
    if (!sDifetto.isEmpty())
        throw TOmbrixError(copia.sCartella + QStringLiteral(": ") +
                           Ombrix::tr("copia danneggiata, non ripristinabile") + QStringLiteral(" (") + sDifetto +
                           QLatin1Char(')'));
    const TCartella sorgente = cartella.fSotto(sNome);
    const TCartella sorgenteAree = sorgente.fSotto(sCartellaAree);
    const QString sNomeDbCopia = fDbDellaCopia(sorgente);

    const QFileInfo fiDb(sDb);
    const TCartella progetto = TCartella::fApri(fiDb.absolutePath(), true);
    if (!progetto.fStat(sCartellaAree))
        progetto.pCreaCartella(sCartellaAree);
    // everything in it but the snapshot's pictures is removed: never through a link
    const TCartella aree = progetto.fSotto(sCartellaAree);

    // Everything is first copied beside its place under a hidden name, then renamed into place: a failure while
    // copying changes nothing. The copies are the project's own files, never links to the snapshot's.
    auto fTemporaneo = [](const QString &s) { return QLatin1Char('.') + s + QStringLiteral(".ripristino"); };
    const QStringList asImmagini = fImmaginiDi(sorgenteAree);
    QList<std::pair<const TCartella *, QString>> aFatti;
    auto pCopia = [&](const TCartella &da, const QString &sDa, const TCartella &a, const QString &sA) {
        if (!a.fRimuovi(sA))
            throw TOmbrixError(a.fPercorso(sA) + QStringLiteral(": ") + Ombrix::tr("impossibile eliminare il file"));
        const TFd fdDa = da.fApriFile(sDa);
        const TFd fdA = a.fCreaFile(sA);
        aFatti << std::make_pair(&a, sA);
        pCopiaFile(fdDa, da.fPercorso(sDa), fdA, a.fPercorso(sA), nullptr);
    };
    const QString sTmpDb = fTemporaneo(fiDb.fileName());
    try {
        for (const QString &s : asImmagini)
            pCopia(sorgenteAree, s, aree, fTemporaneo(s));
        pCopia(sorgente, sNomeDbCopia, progetto, sTmpDb);
        for (const auto &[pCartella, s] : aFatti)
            pCartella->pSyncFile(s);
    } catch (...) {
        for (const auto &[pCartella, s] : aFatti)
            pCartella->fRimuovi(s);
        throw;
    }

    // the database: a journal left by the replaced file must not be played back into the restored one
    for (const char *sz : {"-journal", "-wal", "-shm"})
        progetto.fRimuovi(fiDb.fileName() + QLatin1String(sz));
    progetto.pRinomina(sTmpDb, progetto, fiDb.fileName());

    // the pictures: exactly the snapshot's, and nothing else beside them
    for (const QString &s : asImmagini)
        aree.pRinomina(fTemporaneo(s), aree, s);
    for (const TCartella::TVoce &v : aree.fVoci())
        if (!S_ISDIR(v.st.st_mode) && !asImmagini.contains(v.sNome) && !aree.fRimuovi(v.sNome))
            throw TOmbrixError(aree.fPercorso(v.sNome) + QStringLiteral(": ") +
                               Ombrix::tr("impossibile eliminare il file"));
    aree.pSync();
    progetto.pSync();
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
            throw TOmbrixError(fMessaggioErrno(sNuovo, errno));
        }
        if (::unlink(QFile::encodeName(sDb).constData()) != 0)
            throw TOmbrixError(fMessaggioErrno(sDb, errno));
        const QString sJournal = sDb + QStringLiteral("-journal");
        if (QFileInfo::exists(sJournal))
            ::rename(QFile::encodeName(sJournal).constData(),
                     QFile::encodeName(sNuovo + QStringLiteral("-journal")).constData());
        return sNuovo;
    }
}
