// Making a snapshot: the fingerprint compared first, the pictures stored
// once by their contents, the count kept. See copie.h and cartellacopie.h.

#include "backup/cartellacopie.h"
#include "backup/copie.h"
#include "backup/impronta.h"
#include "backup/nuovacopia.h"
#include "workspace/errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

// the translation context of the program's own messages
struct Ombrix
{
    Q_DECLARE_TR_FUNCTIONS(Ombrix)
};

// a fingerprint is a line per picture, some 150 bytes: a larger file is not one
constexpr qint64 iMassimoImpronta = 16 * 1024 * 1024;

/** What the header of the open database says of its changes: SQLite's file change counter, and whether it is in
 *  WAL mode, where a commit does not move the counter. Read through the connection's own file: opening the file
 *  again and closing it would drop the locks the connection holds. Nothing known when it cannot be read. */
struct TIntestazione
{
    quint32 iContatore = 0;
    bool bWal = false;
};

TIntestazione fIntestazione(sqlite3 *pDb)
{
    sqlite3_file *pFile = nullptr;
    if (sqlite3_file_control(pDb, "main", SQLITE_FCNTL_FILE_POINTER, &pFile) != SQLITE_OK || !pFile || !pFile->pMethods)
        return {};
    unsigned char ab[10] = {}; // bytes 18 to 27: read and write versions, ..., the counter at 24
    if (pFile->pMethods->xRead(pFile, ab, sizeof ab, 18) != SQLITE_OK)
        return {};
    return {quint32(ab[6]) << 24 | quint32(ab[7]) << 16 | quint32(ab[8]) << 8 | quint32(ab[9]), ab[0] == 2};
}

/** The project as the file system shows it now, from the state of its files alone: no file is read. Hashes are
 *  left empty. Anything in "areas" that is neither a plain file nor a folder stops the snapshot. */
TImpronta fProgettoOra(sqlite3 *pDb, const TCartella &progetto, const QString &sNomeDb, const TCartella &aree,
                       bool &bWal)
{
    TImpronta ora;
    ora.sDatabase = sNomeDb;
    const std::optional<struct stat> stDb = progetto.fStat(sNomeDb);
    if (!stDb)
        throw TOmbrixError(fMessaggioErrno(progetto.fPercorso(sNomeDb), ENOENT));
    ora.stDatabase = TStatFile::fDa(*stDb);
    const TIntestazione intestazione = fIntestazione(pDb);
    ora.iContatore = intestazione.iContatore;
    bWal = intestazione.bWal;
    // an empty WAL file holds nothing: SQLite makes and removes one as connections open and close
    const std::optional<struct stat> stWal = progetto.fStat(sNomeDb + QStringLiteral("-wal"));
    if (stWal && stWal->st_size > 0)
        ora.stWal = TStatFile::fDa(*stWal);
    for (const TCartella::TVoce &v : aree.fVoci()) {
        if (v.sNome.startsWith(QLatin1Char('.')) || S_ISDIR(v.st.st_mode))
            continue;
        if (!S_ISREG(v.st.st_mode))
            throw TOmbrixError(fNonFileNormale(aree.fPercorso(v.sNome), v.st));
        ora.aImmagini << TImprontaImmagine{v.sNome, TStatFile::fDa(v.st), QByteArray()};
    }
    return ora;
}

/** Whether the project is as the fingerprint prima found it, by the state of its files: every one the same, and
 *  none so recent that a change within the same tick of the clock could hide behind it. */
bool fComePrima(const TImpronta &ora, bool bWal, const TImpronta &prima)
{
    // SQLite, run by root, gives a WAL file the database's owner at each opening: its change time moves, it
    // holds the same; its writes move the modification time
    auto fWal = [](std::optional<TStatFile> st) {
        if (st)
            st->iCambiamento = st->iModifica;
        return st;
    };
    if (ora.sDatabase != prima.sDatabase || ora.stDatabase != prima.stDatabase || ora.iContatore != prima.iContatore ||
        fWal(ora.stWal) != fWal(prima.stWal) || ora.aImmagini.size() != prima.aImmagini.size())
        return false;
    // out of WAL mode, every change of the database moves its counter; in it, only the times tell
    if ((bWal || ora.stWal) &&
        ((ora.stWal && fIncerto(*fWal(ora.stWal), prima.iPresa)) || fIncerto(ora.stDatabase, prima.iPresa)))
        return false;
    for (qsizetype i = 0; i < ora.aImmagini.size(); ++i) {
        const TImprontaImmagine &a = ora.aImmagini.at(i);
        const TImprontaImmagine &b = prima.aImmagini.at(i);
        if (a.sNome != b.sNome || a.st != b.st || fIncerto(a.st, prima.iPresa))
            return false;
    }
    return true;
}

/** Whether the snapshot folder still holds what its fingerprint says: its database and every picture, plain
 *  files of the recorded size. Only the state of the files is looked at. */
bool fIntatta(const TCartella &copia, const TImpronta &impronta)
{
    try {
        const std::optional<struct stat> stDb = copia.fStat(impronta.sDatabase);
        if (!stDb || !S_ISREG(stDb->st_mode) || stDb->st_size == 0)
            return false;
        const TCartella aree = copia.fSotto(sCartellaAree);
        for (const TImprontaImmagine &img : impronta.aImmagini) {
            const std::optional<struct stat> st = aree.fStat(img.sNome);
            if (!st || !S_ISREG(st->st_mode) || qint64(st->st_size) != img.st.iDimensione)
                return false;
        }
        return true;
    } catch (const TOmbrixError &) {
        return false;
    }
}

/** The fingerprint kept in the snapshot folder copia, if it has a sound one. */
std::optional<TImpronta> fImprontaDi(const TCartella &copia)
{
    try {
        struct stat st;
        const TFd fd = copia.fApriFile(sFileImpronta, &st);
        std::optional<TImpronta> impronta =
            fLeggiImpronta(fLeggiTutto(fd, iMassimoImpronta, copia.fPercorso(sFileImpronta)));
        if (impronta)
            impronta->iPresa = TStatFile::fDa(st).iCambiamento;
        return impronta;
    } catch (const TOmbrixError &) {
        return std::nullopt;
    }
}

/** The fingerprint of a snapshot replaced by impronta: a new file, renamed over the old one. Not waited for on
 *  the disk: a fingerprint lost is only a slower comparison the next time. */
void pAggiornaImpronta(const TCartella &cartella, const TImpronta &impronta)
{
    const QString sTmp = QLatin1Char('.') + sFileImpronta + QStringLiteral(".nuova");
    cartella.fRimuovi(sTmp);
    pScriviFile(cartella, sTmp, fTestoImpronta(impronta));
    cartella.pRinomina(sTmp, cartella, sFileImpronta);
}

/** The database pDb copied into the new file sDest with the online backup API, and checked. */
void pCopiaDatabase(sqlite3 *pDb, const QString &sDest)
{
    sqlite3 *pDest = nullptr;
    int iRc = sqlite3_open_v2(sDest.toUtf8().constData(), &pDest,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW, nullptr);
    auto fallisci = [&](const QString &sMsg) {
        sqlite3_close_v2(pDest);
        throw TOmbrixError(sDest + QStringLiteral(": ") + sMsg);
    };
    if (iRc != SQLITE_OK)
        fallisci(QString::fromUtf8(pDest ? sqlite3_errmsg(pDest) : sqlite3_errstr(iRc)));
    // a new file in a folder of its own: a copy cut short is thrown away whole, it needs no journal
    sqlite3_exec(pDest, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
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

/** Whether two database files hold the same: byte for byte, but for the header's change counter, schema cookie
 *  and library version, which say how a copy was written (the backup API sets the copy's own), not what it
 *  holds. */
bool fStessoDatabase(const TCartella &a, const QString &sA, const TCartella &b, const QString &sB)
{
    struct stat stA;
    struct stat stB;
    const TFd fdA = a.fApriFile(sA, &stA);
    const TFd fdB = b.fApriFile(sB, &stB);
    if (stA.st_size != stB.st_size)
        return false;
    bool bIntestazione = true;
    for (;;) {
        QByteArray abA = fLeggiTutto(fdA, 1024 * 1024, a.fPercorso(sA));
        QByteArray abB = fLeggiTutto(fdB, 1024 * 1024, b.fPercorso(sB));
        if (bIntestazione && abA.size() >= 100 && abB.size() >= 100) {
            for (QByteArray *p : {&abA, &abB}) {
                std::fill(p->begin() + 24, p->begin() + 28, '\0');
                std::fill(p->begin() + 40, p->begin() + 44, '\0');
                std::fill(p->begin() + 92, p->begin() + 100, '\0');
            }
        }
        bIntestazione = false;
        if (abA != abB)
            return false;
        if (abA.isEmpty())
            return true;
    }
}

/** The hash of a plain file's contents, hex. */
QByteArray fHashDi(const TCartella &cartella, const QString &sNome)
{
    const TFd fd = cartella.fApriFile(sNome);
    QCryptographicHash h(iAlgoritmoHash);
    for (;;) {
        const QByteArray ab = fLeggiTutto(fd, 1024 * 1024, cartella.fPercorso(sNome));
        if (ab.isEmpty())
            return h.result().toHex();
        h.addData(ab);
    }
}

/** The folder of stored pictures, made when missing; anything else in its place (a link) is removed first. */
TCartella fApriArchivio(const TCartella &copie)
{
    const std::optional<struct stat> st = copie.fStat(sCartellaArchivio);
    if (st && !S_ISDIR(st->st_mode))
        copie.fRimuovi(sCartellaArchivio);
    if (!st || !S_ISDIR(st->st_mode)) {
        try {
            copie.pCreaCartella(sCartellaArchivio);
        } catch (const TOmbrixError &) {
            if (!copie.fStat(sCartellaArchivio))
                throw;
        }
    }
    return copie.fSotto(sCartellaArchivio);
}

/** Removes the stored pictures that no snapshot links any more (and anything else that is no stored picture). */
void pPotaArchivio(const TCartella &archivio)
{
    for (const TCartella::TVoce &v : archivio.fVoci())
        if (!S_ISREG(v.st.st_mode) || v.st.st_nlink <= 1 || !fNomeHash(v.sNome))
            archivio.fRimuovi(v.sNome);
}

/** Removes the working folders of snapshot runs whose process has gone; a link of that name goes as a link. */
void pTogliAvanzi(const TCartella &copie)
{
    for (const TCartella::TVoce &v : copie.fVoci()) {
        if (!v.sNome.startsWith(sPrefissoInCorso))
            continue;
        const qint64 iPid = v.sNome.mid(sPrefissoInCorso.size()).section(QLatin1Char('-'), 0, 0).toLongLong();
        if (iPid > 0 && iPid != ::getpid() && ::kill(pid_t(iPid), 0) != 0 && errno == ESRCH)
            copie.fRimuovi(v.sNome);
    }
}

/** Whether the snapshot in the making holds what the snapshot ultima holds: the same database, and the same
 *  pictures by name and contents (by ultima's fingerprint when it has one, else by reading its pictures). */
bool fStessaCopia(const TCartella &nuova, const TImpronta &ora, const TCartella &ultima,
                  const std::optional<TImpronta> &prima)
{
    try {
        const QString sDbUltima = fDbDellaCopia(ultima);
        if (sDbUltima != ora.sDatabase || !fStessoDatabase(nuova, ora.sDatabase, ultima, sDbUltima))
            return false;
        if (prima) {
            if (prima->aImmagini.size() != ora.aImmagini.size())
                return false;
            for (qsizetype i = 0; i < ora.aImmagini.size(); ++i)
                if (prima->aImmagini.at(i).sNome != ora.aImmagini.at(i).sNome ||
                    prima->aImmagini.at(i).abHash != ora.aImmagini.at(i).abHash)
                    return false;
            return true;
        }
        const TCartella aree = ultima.fSotto(sCartellaAree);
        const QStringList asNomi = fImmaginiDi(aree);
        if (asNomi.size() != ora.aImmagini.size())
            return false;
        for (qsizetype i = 0; i < asNomi.size(); ++i)
            if (asNomi.at(i) != ora.aImmagini.at(i).sNome || fHashDi(aree, asNomi.at(i)) != ora.aImmagini.at(i).abHash)
                return false;
        return true;
    } catch (const TOmbrixError &) {
        return false; // a snapshot that cannot be read holds nothing to compare with
    }
}

/** The name of a new snapshot made now: the local time, with "-2", "-3"... after every one of the same second. */
QString fNomeNuovo(const QString &sBase, const QStringList &asNomi, int iScarto)
{
    int nPrimo = 1;
    for (const QString &s : asNomi) {
        if (s == sBase)
            nPrimo = qMax(nPrimo, 2);
        else if (s.startsWith(sBase + QLatin1Char('-')))
            nPrimo = qMax(nPrimo, s.mid(sBase.size() + 1).toInt() + 1);
    }
    const int n = nPrimo + iScarto;
    return n == 1 ? sBase : sBase + QLatin1Char('-') + QString::number(n);
}

} // namespace

QString fFaiCopia(sqlite3 *pDb, const QString &sRootPrj, const QString &sNomeDb, const QString &sMotivo, int iTenere,
                  const QString &sTieni)
{
    const TCartella copie = *fApriCartellaCopie(sRootPrj, true);
    pTogliAvanzi(copie);
    const TCartella progetto = TCartella::fApri(sRootPrj, true);
    const TCartella aree = TCartella::fApri(progetto.fPercorso(sCartellaAree), true);
    bool bWal = false;
    TImpronta ora = fProgettoOra(pDb, progetto, sNomeDb, aree, bWal);

    // the most recent snapshot that is a folder, and its fingerprint
    const QStringList asNomi = fNomiCopie(copie);
    std::optional<TCartella> ultima;
    for (const QString &s : asNomi) {
        const std::optional<struct stat> st = copie.fStat(s);
        if (st && S_ISDIR(st->st_mode)) {
            ultima.emplace(copie.fSotto(s));
            break;
        }
    }
    // a fingerprint tells what its snapshot holds only while the snapshot holds all it had
    std::optional<TImpronta> prima = ultima ? fImprontaDi(*ultima) : std::nullopt;
    if (prima && !fIntatta(*ultima, *prima))
        prima.reset();
    if (prima && fComePrima(ora, bWal, *prima))
        return QString(); // nothing changed, and nothing was read

    const TCartella archivio = fApriArchivio(copie);
    TNuovaCopia nuova(copie, aree, archivio);
    pCopiaDatabase(pDb, nuova.fCartella().fPercorso(sNomeDb));
    nuova.pDaSincronizzare(sNomeDb);
    QHash<QString, const TImprontaImmagine *> prime;
    if (prima)
        for (const TImprontaImmagine &p : prima->aImmagini)
            prime.insert(p.sNome, &p);
    for (TImprontaImmagine &img : ora.aImmagini) {
        // its contents are known only when its state is the same, and old enough to tell
        const TImprontaImmagine *pPrima = prime.value(img.sNome);
        if (pPrima && (pPrima->st != img.st || fIncerto(img.st, prima->iPresa)))
            pPrima = nullptr;
        nuova.pImmagine(img, pPrima);
    }

    if (ultima && fStessaCopia(nuova.fCartella(), ora, *ultima, prima)) {
        // the same contents: no snapshot, but the most recent one learns the files' new state, so that the next
        // time it is known without reading them
        try {
            pAggiornaImpronta(*ultima, ora);
        } catch (const TOmbrixError &) {
            // the next time compares by contents again
        }
        return QString();
    }

    nuova.pScrivi(sFileMotivo, sMotivo.toUtf8() + '\n');
    nuova.pScrivi(sFileImpronta, fTestoImpronta(ora));

    // named after the local time; a name taken (in the same second, by another program) gets "-2", "-3"...
    const QString sBase = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString sFatta;
    for (int iScarto = 0; sFatta.isEmpty(); ++iScarto) {
        const QString sNome = fNomeNuovo(sBase, asNomi, iScarto);
        if (nuova.fConsegna(sNome))
            sFatta = copie.fPercorso(sNome);
    }

    // the count kept: the most recent stay, and the stored pictures that only the others linked go with them
    QStringList asTutte = fNomiCopie(copie);
    asTutte.removeAll(sTieni);
    bool bTolte = false;
    for (qsizetype i = qMax(1, sTieni.isEmpty() ? iTenere : iTenere - 1); i < asTutte.size(); ++i) {
        copie.fRimuovi(asTutte.at(i));
        bTolte = true;
    }
    if (bTolte)
        pPotaArchivio(archivio);
    return sFatta;
}

TCopiaParallela::TCopiaParallela(const QString &sDb, const QString &sMotivo, int iTenere)
{
    const QFileInfo fi(sDb);
    m_esito = std::async(std::launch::async, [sDb = fi.absoluteFilePath(), sRoot = fi.absolutePath(),
                                              sNome = fi.fileName(), sMotivo, iTenere] {
        sqlite3 *pDb = nullptr;
        if (sqlite3_open_v2(sDb.toUtf8().constData(), &pDb, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const QString sErrore = QString::fromUtf8(pDb ? sqlite3_errmsg(pDb) : "cannot open");
            sqlite3_close_v2(pDb);
            throw TOmbrixError(sDb + QStringLiteral(": ") + sErrore);
        }
        sqlite3_busy_timeout(pDb, 5000);
        try {
            const QString s = fFaiCopia(pDb, sRoot, sNome, sMotivo, iTenere);
            sqlite3_close_v2(pDb);
            return s;
        } catch (...) {
            sqlite3_close_v2(pDb);
            throw;
        }
    });
}

TCopiaParallela::~TCopiaParallela()
{
    if (m_esito.valid())
        m_esito.wait();
}

QString TCopiaParallela::fAttendi()
{
    return m_esito.get();
}
