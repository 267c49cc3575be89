#include "export/exportrun.h"

#include "export/bmppipeline.h"
#include "export/exportcodes.h"
#include "export/jpegbmp.h"
#include "export/mapfile.h"
#include "export/maplines.h"
#include "model/areastore.h"
#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <map>
#include <set>
#include <thread>
#include <vector>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

constexpr qsizetype iBufferMassimo = qsizetype(4) << 20; // maps.txt bytes held before a write

/** A failure of the database layer, with SQLite's result code: a missing
 *  table or column (SQLITE_ERROR) is met by the run at its own step, while
 *  a locked, unreadable or broken file stops the export before it starts. */
class TErroreDb : public TOmbrixError
{
public:
    TErroreDb(const QString &sMessaggio, int iCodice) : TOmbrixError(sMessaggio), m_iCodice(iCodice) {}
    int fCodice() const { return m_iCodice; }

private:
    int m_iCodice;
};

/** A database failure names the database file. */
[[noreturn]] void pErroreDb(const TSqlConn &conn, const QString &sMessaggio, int iCodice = SQLITE_ERROR)
{
    throw TErroreDb(conn.fDatabase() + QStringLiteral(": ") + sMessaggio, iCodice);
}

/** A value that no line may carry: names the row, the column and the reason. */
[[noreturn]] void pErroreValore(const TSqlConn &conn, const QString &sRiga, const char *szColonna,
                                const QString &sMotivo)
{
    throw TOmbrixError(
        conn.fDatabase() + QStringLiteral(": ") +
        QCoreApplication::translate("Ombrix", "%1, colonna %2: %3").arg(sRiga, QLatin1String(szColonna), sMotivo));
}

/** True when sTesto holds a control character (U+0000 to U+001F, U+007F):
 *  in maps.txt it would break the record or start a new one. */
bool fControllo(const QString &sTesto)
{
    return std::any_of(sTesto.cbegin(), sTesto.cend(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

/**
 * One read on the project connection (TSqlQuery) whose failures name the
 * database file. Columns are looked up once per read and then read by index.
 */
class TLettura
{
public:
    TLettura(TSqlConn &conn, const QString &sSql) : m_conn(conn), m_q(fPrepara(conn, sSql)) {}

    TSqlConn &fConn() const { return m_conn; }
    bool fNext()
    {
        try {
            return m_q.fNext();
        } catch (const TOmbrixError &e) {
            pErroreDb(m_conn, e.fMessage(), m_conn.fErrCode());
        }
    }
    /** Index of a column, its name matched without regard to case. */
    int fColonna(const char *szNome) const
    {
        const int i = m_q.fColumnIndex(QLatin1String(szNome));
        if (i < 0)
            pErroreDb(m_conn,
                      QCoreApplication::translate("Ombrix", "colonna inesistente: %1").arg(QLatin1String(szNome)));
        return i;
    }
    bool fIsNull(int c) const { return m_q.fIsNull(c); }
    int fType(int c) const { return m_q.fType(c); }
    int fInt(int c) const { return m_q.fInt(c); }
    qint64 fInt64(int c) const { return m_q.fInt64(c); }
    QString fText(int c) const { return m_q.fText(c); }
    /** True when column c holds a whole number (or NULL, read as 0). */
    bool fIntero(int c) const
    {
        const int t = m_q.fType(c);
        return t == SQLITE_INTEGER || t == SQLITE_NULL;
    }
    /** The 64-bit value of an integer column; any other value (a fraction,
     *  a text, a blob) cannot be written and fails naming sRiga and the column. */
    qint64 fNumero(int c, const QString &sRiga, const char *szColonna) const
    {
        if (!fIntero(c))
            pErroreValore(m_conn, sRiga, szColonna,
                          QCoreApplication::translate("Ombrix", "\"%1\" non è un numero intero").arg(fText(c)));
        return m_q.fInt64(c);
    }

private:
    static TSqlQuery fPrepara(TSqlConn &conn, const QString &sSql)
    {
        try {
            return conn.fQuery(sSql);
        } catch (const TOmbrixError &e) {
            pErroreDb(conn, e.fMessage(), conn.fErrCode());
        }
    }

    TSqlConn &m_conn;
    TSqlQuery m_q;
};

/** a + b, or a failure naming the row and the column when it does not fit in 64 bits. */
qint64 fSomma(const TSqlConn &conn, qint64 a, qint64 b, const QString &sRiga, const char *szColonna)
{
    qint64 r = 0;
    if (__builtin_add_overflow(a, b, &r))
        pErroreValore(conn, sRiga, szColonna, QCoreApplication::translate("Ombrix", "%1 è troppo grande").arg(a));
    return r;
}

struct TArea
{
    qint64 iId = 0;
    qint64 iLivello = 0;
    qint64 iFather_id = 0;
    bool bFatherNull = false; // a NULL father_id reads as 0 but matches no "father_id = " query
    QString sNome;
    QList<QVariant> aChiave; // livello, father_id, Ordinamento as the database sorts them
    TPrevNext rPrevNext;
};

QString fRigaArea(qint64 iId)
{
    return QCoreApplication::translate("Ombrix", "tbarea, area %1").arg(iId);
}

/** The areas in export order: by level, parent and Ordinamento as the query
 *  sorts them, and by id among areas equal in all three. Every value is
 *  checked here, before anything is written: ids and numbers must be whole
 *  numbers, names free of control characters. */
std::vector<TArea> fLeggiAree(TSqlConn &conn)
{
    TLettura q(conn, QStringLiteral("select * from tbarea order by livello, father_id, ordinamento;"));
    const int cId = q.fColonna("_id");
    const int cLiv = q.fColonna("livello");
    const int cFather = q.fColonna("father_id");
    const int cNome = q.fColonna("NomeArea");
    const int cOrd = q.fColonna("Ordinamento");
    std::vector<TArea> aAree;
    while (q.fNext()) {
        TArea a;
        a.iId = q.fNumero(cId, fRigaArea(q.fInt64(cId)), "_id");
        const QString sRiga = fRigaArea(a.iId);
        a.iLivello = q.fNumero(cLiv, sRiga, "livello");
        a.iFather_id = q.fNumero(cFather, sRiga, "father_id");
        a.bFatherNull = q.fIsNull(cFather);
        q.fNumero(cOrd, sRiga, "Ordinamento");
        a.sNome = q.fText(cNome);
        if (fControllo(a.sNome))
            pErroreValore(conn, sRiga, "NomeArea",
                          QCoreApplication::translate("Ombrix", "carattere di controllo nel nome"));
        for (int c : {cLiv, cFather, cOrd})
            a.aChiave.append(q.fIsNull(c) ? QVariant() : QVariant(q.fInt64(c)));
        aAree.push_back(std::move(a));
    }
    // ties of the sort come back in ascending id, whatever order the database used
    for (std::size_t i = 0; i < aAree.size();) {
        std::size_t j = i + 1;
        while (j < aAree.size() && aAree[j].aChiave == aAree[i].aChiave)
            ++j;
        std::sort(aAree.begin() + std::ptrdiff_t(i), aAree.begin() + std::ptrdiff_t(j),
                  [](const TArea &a, const TArea &b) { return a.iId < b.iId; });
        i = j;
    }
    return aAree;
}

/**
 * The neighbours of every area at once, with the very result of fPrevNext's
 * queries, in time linear in the number of areas (up to a sort) instead of
 * one scan of the table per area. Siblings are the areas whose father_id
 * equals the area's (read) parent. The previous one is, among the siblings
 * with a smaller id, the first by Ordinamento and then the greatest id, else
 * the same among all siblings; the next one is, among the siblings with a
 * greater id, the first by Ordinamento and then the smallest id, else the
 * same among all.
 */
void pVicini(std::vector<TArea> &aAree)
{
    using TOrd = std::pair<int, qint64>; // NULL first, as the database sorts
    struct TFratello
    {
        qint64 iId;
        TOrd ord;
    };
    std::map<qint64, std::vector<TFratello>> gruppi;
    for (const TArea &a : aAree) {
        if (a.bFatherNull)
            continue;
        const QVariant &v = a.aChiave.at(2);
        gruppi[a.iFather_id].push_back({a.iId, v.isNull() ? TOrd{0, 0} : TOrd{1, v.toLongLong()}});
    }
    struct TIndice
    {
        std::vector<qint64> aId;
        std::vector<qint64> aPrev; // best "previous" among the first i+1
        std::vector<qint64> aNext; // best "next" among those from i on
    };
    std::map<qint64, TIndice> indici;
    for (auto &[iFather, aF] : gruppi) {
        std::sort(aF.begin(), aF.end(), [](const TFratello &a, const TFratello &b) { return a.iId < b.iId; });
        TIndice &ix = indici[iFather];
        const std::size_t n = aF.size();
        ix.aId.resize(n);
        ix.aPrev.resize(n);
        ix.aNext.resize(n);
        TOrd best{};
        for (std::size_t i = 0; i < n; ++i) {
            ix.aId[i] = aF[i].iId;
            if (i == 0 || aF[i].ord <= best) { // equal Ordinamento: the greater id wins
                best = aF[i].ord;
                ix.aPrev[i] = aF[i].iId;
            } else {
                ix.aPrev[i] = ix.aPrev[i - 1];
            }
        }
        for (std::size_t i = n; i-- > 0;) {
            if (i == n - 1 || aF[i].ord <= best) { // equal Ordinamento: the smaller id wins
                best = aF[i].ord;
                ix.aNext[i] = aF[i].iId;
            } else {
                ix.aNext[i] = ix.aNext[i + 1];
            }
        }
    }
    for (TArea &a : aAree) {
        const auto it = indici.find(a.iFather_id);
        if (it == indici.end()) {
            a.rPrevNext = {0, 0};
            continue;
        }
        const TIndice &ix = it->second;
        const std::size_t n = ix.aId.size();
        if (n == 1) {
            a.rPrevNext = {a.iId, a.iId};
            continue;
        }
        const auto iSotto = std::size_t(std::lower_bound(ix.aId.begin(), ix.aId.end(), a.iId) - ix.aId.begin());
        const auto iSopra = std::size_t(std::upper_bound(ix.aId.begin(), ix.aId.end(), a.iId) - ix.aId.begin());
        a.rPrevNext.iPrev = iSotto > 0 ? ix.aPrev[iSotto - 1] : ix.aPrev[n - 1];
        a.rPrevNext.iNext = iSopra < n ? ix.aNext[iSopra] : ix.aNext[0];
    }
}

/** The key record of a key leading to iTarget, drawn at x iX. */
QString fTasto(const QString &sTipo, qint64 iTarget, int iX)
{
    return fCreaTxtIO(sTipo, iTarget, 0, 32, iX, 18, 0, 0, 0, 0, 0, 0, QString());
}

/** Reads _id of the first row of sSql into iId; false when there is no row. */
bool fPrimoId(TSqlConn &conn, const QString &sSql, qint64 &iId)
{
    TLettura q(conn, sSql);
    if (!q.fNext())
        return false;
    iId = q.fInt64(q.fColonna("_id"));
    return true;
}

/** Lines of one area's block, from the star line to the end-of-block line. */
void pBlocco(const TProgettoEsportato &p, TMapsWriter &w, const TArea &a)
{
    w.pRiga(fCreacommento(2));
    w.pRiga(fCreacommento(2, QStringLiteral("Livello ") + QString::number(a.iLivello) +
                                 QStringLiteral(" *********** ") + a.sNome));
    w.pRiga(fCreacommento(2));
    w.pRiga(fCreaNomeCampi());
    w.pRiga(fCreaTxtImg(a.iId));
    w.pRiga(fCreacommento(3, QStringLiteral("TASTI")));
    const TPrevNext &rPrevNext = a.rPrevNext;
    if (a.iLivello == 0) {
        w.pRiga(fTasto(QStringLiteral("Tpre"), rPrevNext.iPrev, 180));
        w.pRiga(fTasto(QStringLiteral("Tesc"), 0, 240));
        w.pRiga(fTasto(QStringLiteral("Tnex"), rPrevNext.iNext, 300));
    } else if (a.iLivello == 1) {
        w.pRiga(fTasto(QStringLiteral("Tpre"), rPrevNext.iPrev, 150));
        w.pRiga(fTasto(QStringLiteral("Tesc"), 0, 210));
        w.pRiga(fTasto(QStringLiteral("Tsup"), a.iFather_id, 270));
        w.pRiga(fTasto(QStringLiteral("Tnex"), rPrevNext.iNext, 330));
    }
    const QString sOggetti = fSensoriTxt(p, a.iId);
    if (!sOggetti.isEmpty())
        w.pRiga(sOggetti);
    w.pRiga(fCreaEndBlock());
}

/** The columns of tbsensori the export reads, looked up once per read. */
struct TColonne
{
    explicit TColonne(const TLettura &q)
        : cId(q.fColonna("_id")), cArea(q.fColonna("area_id")), cZoom(q.fColonna("area_zoom")),
          cNum(q.fColonna("NumSensore")), cIcon(q.fColonna("IconSize")), cTipo(q.fColonna("TipoSensore")),
          cX(q.fColonna("CoordX")), cY(q.fColonna("CoordY")), cX2(q.fColonna("CoordX2")), cY2(q.fColonna("CoordY2")),
          cXt(q.fColonna("CoordXt")), cYt(q.fColonna("CoordYt")), cFont(q.fColonna("FontTxt")),
          cColor(q.fColonna("ColorTxt")), cTesto(q.fColonna("Testo"))
    {
    }
    int cId, cArea, cZoom, cNum, cIcon, cTipo, cX, cY, cX2, cY2, cXt, cYt, cFont, cColor, cTesto;
};

/** One object record's arguments, read and checked from the current row. */
QString fRecordOggetto(const TLettura &q, const TColonne &c, bool bZoom)
{
    const QString sRiga = QCoreApplication::translate("Ombrix", "tbsensori, oggetto %1").arg(q.fInt64(c.cId));
    const qint64 iIconSize = q.fNumero(c.cIcon, sRiga, "IconSize");
    const qint64 ioffset = iIconSize / 2;
    const qint64 iX2 = q.fNumero(c.cX2, sRiga, "CoordX2");
    const qint64 iOffset2 = iX2 > 0 ? iGlobB2Size / 2 : 0;
    TSqlConn &conn = q.fConn();
    const qint64 iX = fSomma(conn, q.fNumero(c.cX, sRiga, "CoordX"), ioffset, sRiga, "CoordX");
    const qint64 iY = fSomma(conn, q.fNumero(c.cY, sRiga, "CoordY"), ioffset, sRiga, "CoordY");
    const qint64 iX2c = fSomma(conn, iX2, iOffset2, sRiga, "CoordX2");
    const qint64 iY2c = fSomma(conn, q.fNumero(c.cY2, sRiga, "CoordY2"), iOffset2, sRiga, "CoordY2");
    const QString sTipo = fGetTipoTxt(int(q.fInt64(c.cTipo)));
    if (bZoom)
        return fCreaTxtIO(sTipo, q.fNumero(c.cZoom, sRiga, "area_zoom"), 0, iIconSize, iX, iY, iX2c, iY2c, 0, 0, 0, 0,
                          QString());
    const QString sTesto = q.fText(c.cTesto);
    if (fControllo(sTesto))
        pErroreValore(conn, sRiga, "Testo",
                      QCoreApplication::translate("Ombrix", "carattere di controllo nell'etichetta"));
    return fCreaTxtIO(sTipo, q.fNumero(c.cId, sRiga, "_id"), q.fNumero(c.cNum, sRiga, "NumSensore"), iIconSize, iX, iY,
                      iX2c, iY2c, q.fNumero(c.cXt, sRiga, "CoordXt"), q.fNumero(c.cYt, sRiga, "CoordYt"),
                      q.fNumero(c.cFont, sRiga, "FontTxt"), q.fNumero(c.cColor, sRiga, "ColorTxt"), sTesto);
}

/**
 * Every object the run will write, read and checked once before anything is
 * touched: a value that no line can carry stops the export with "out" as it
 * was. A missing table or column is left for the run to meet at its step.
 */
void pControllaOggetti(TSqlConn &conn, const std::vector<TArea> &aAree)
{
    std::set<qint64> aId;
    for (const TArea &a : aAree)
        aId.insert(a.iId);
    TLettura q(conn, QStringLiteral("select * from tbsensori"));
    const TColonne c(q);
    while (q.fNext()) {
        // only rows that one of the run's queries returns
        if (q.fType(c.cArea) != SQLITE_INTEGER || q.fType(c.cTipo) != SQLITE_INTEGER || !aId.count(q.fInt64(c.cArea)))
            continue;
        const qint64 iTipo = q.fInt64(c.cTipo);
        if (iTipo < 1 || iTipo > 10)
            continue;
        fRecordOggetto(q, c, iTipo == 3);
    }
}

/**
 * For the length of an export, the connection reads a private in-memory copy
 * of tbsensori indexed on area_id, under the same name: the temporary schema
 * comes first when names are resolved, so the run's statements, unchanged,
 * read the copy with the same rows in the same (ascending id) order, instead
 * of scanning the whole table three times per area. The project file is not
 * touched. Making the copy is the run's first read of the database: a locked
 * or unreadable file fails here, before "out" is emptied. A missing table is
 * met by the run at its own step. The copy goes when the export ends.
 */
class TCopiaSensori
{
public:
    explicit TCopiaSensori(TSqlConn &conn) : m_conn(conn)
    {
        try {
            m_conn.pExec(QStringLiteral("CREATE TEMP TABLE tbsensori AS SELECT * FROM main.tbsensori"));
            m_bCopia = true;
            m_conn.pExec(QStringLiteral("CREATE INDEX temp.tbsensori_area_id ON tbsensori (area_id)"));
        } catch (const TOmbrixError &e) {
            const int iCodice = m_conn.fErrCode();
            pTogli();
            if (iCodice != SQLITE_ERROR)
                pErroreDb(m_conn, e.fMessage(), iCodice);
        }
    }
    ~TCopiaSensori() { pTogli(); }
    TCopiaSensori(const TCopiaSensori &) = delete;
    TCopiaSensori &operator=(const TCopiaSensori &) = delete;

private:
    void pTogli() noexcept
    {
        if (!m_bCopia)
            return;
        m_bCopia = false;
        try {
            m_conn.pExec(QStringLiteral("DROP TABLE IF EXISTS temp.tbsensori"));
        } catch (...) {
        }
    }
    TSqlConn &m_conn;
    bool m_bCopia = false;
};

/** The "out" folder must be a folder of the project itself: a link to
 *  another place, or a file, is refused before anything is changed. A
 *  missing folder is met by the first write, which names the file. */
void pControllaOut(const QString &sOut)
{
    QString sPath = sOut;
    while (sPath.size() > 1 && sPath.endsWith(QLatin1Char('/')))
        sPath.chop(1);
    struct stat st;
    if (::lstat(QFile::encodeName(sPath).constData(), &st) != 0)
        return;
    if (S_ISLNK(st.st_mode))
        throw TOmbrixError(sPath + QCoreApplication::translate(
                                       "Ombrix", ": è un collegamento simbolico, non una cartella del progetto"));
    if (!S_ISDIR(st.st_mode))
        throw TOmbrixError(sPath + QStringLiteral(": ") + fErroreDiSistema(ENOTDIR));
}

} // namespace

QString fMessaggioEsportazione()
{
    return QCoreApplication::translate("Ombrix", "Esportazione effettuata correttamente!");
}

QString fMessaggioEsportazioneInCorso()
{
    return QCoreApplication::translate("Ombrix", "Esportazione già in corso");
}

QString TProgettoEsportato::fOut() const
{
    return sRootPrj + QStringLiteral("out/");
}

QString TProgettoEsportato::fImmagineArea(qint64 iId) const
{
    return sRootPrj + QStringLiteral("areas/img_") + QString::number(iId) + QStringLiteral(".jpg");
}

QString fBmpPath(const TProgettoEsportato &p, qint64 iId)
{
    return p.fOut() + QStringLiteral("file") + AddLeadingZeroes(iId, 4) + QStringLiteral(".bmp");
}

namespace {

/**
 * The run behind pOutTxt, over the areas already read (or the failure of
 * reading them, met here after the file's first steps). The pictures decode
 * on worker threads into hidden files while the blocks are built; maps.txt
 * is written in large pieces, each block only after its area's bitmap is in
 * place.
 */
void pEsegui(const TProgettoEsportato &p, std::vector<TArea> aAree, std::exception_ptr errAree,
             const TExportProgress &progress, const TExportPreparazione &preparazione)
{
    QList<TBmpPipeline::TLavoro> aLavori;
    for (const TArea &a : aAree)
        aLavori.append({p.fImmagineArea(a.iId), fBmpPath(p, a.iId)});
    TBmpPipeline bitmap(aLavori);
    if (preparazione)
        preparazione();

    // maps.txt is emptied and given its head when the first thing is to be
    // written, and in any case before a failure is reported: the file always
    // starts as the run's first steps say, and a failure of those steps
    // comes before any later one
    const QString sFile = p.fOut() + QStringLiteral("maps.txt");
    TMapsWriter w(sFile);
    bool bAperto = false;
    auto apri = [&] {
        if (bAperto)
            return;
        bAperto = true;
        const QString sTesta = fCreaTestata() + fCreaNomeCampi();
        EmptyFile(sFile);
        w.pRiga(sTesta);
        w.pRiga(fCreacommento(3));
        w.pRiga(fCreacommento(3));
    };
    try {
        if (errAree)
            std::rethrow_exception(errAree);
        // The blocks are built from the database as early as possible, while
        // the pictures decode; each is written only after its area's bitmap
        // is in place, so a failure leaves exactly what came before it.
        struct TBloccoPronto
        {
            QByteArray righe;
            std::exception_ptr errore; // the database failed after righe
        };
        const int iTotale = int(aAree.size());
        std::vector<TBloccoPronto> aBlocchi(aAree.size());
        int iCostruiti = 0;
        bool bErroreDb = false;
        for (int i = 0; i < iTotale;) {
            const bool bPossoCostruire = iCostruiti < iTotale && !bErroreDb;
            if (i < iCostruiti && (!bPossoCostruire || bitmap.fFinita(i))) {
                apri();
                bitmap.pConsegna(i);
                TBloccoPronto &b = aBlocchi[std::size_t(i)];
                w.pAggiungi(b.righe);
                b.righe.clear();
                if (b.errore)
                    std::rethrow_exception(b.errore);
                if (w.fSegno() >= iBufferMassimo)
                    w.pFlush();
                ++i;
                if (progress)
                    progress(i, iTotale);
                continue;
            }
            TBloccoPronto &b = aBlocchi[std::size_t(iCostruiti)];
            TMapsWriter righe(sFile);
            try {
                pBlocco(p, righe, aAree[std::size_t(iCostruiti)]);
            } catch (...) {
                b.errore = std::current_exception();
                bErroreDb = true;
            }
            b.righe = righe.fDati();
            ++iCostruiti;
        }
        apri();
        w.pRiga(fCreaEnd());
        w.pFlush();
    } catch (...) {
        // the file's first steps come first: their failure is the one reported
        if (!bAperto)
            apri();
        // what came before the failing step goes to disk; the first error is the one reported
        try {
            w.pFlush();
        } catch (...) {
        }
        throw;
    }
}

/** Reads the areas and checks every value the run will write. A missing
 *  table or column is handed to the run (errAree); any other failure
 *  (locked, unreadable, a value no line can carry) is thrown now. */
std::vector<TArea> fPrepara(TSqlConn &conn, std::exception_ptr &errAree)
{
    std::vector<TArea> aAree;
    try {
        aAree = fLeggiAree(conn);
        pVicini(aAree);
    } catch (const TErroreDb &e) {
        if (e.fCodice() != SQLITE_ERROR)
            throw;
        errAree = std::current_exception();
        return {};
    }
    try {
        pControllaOggetti(conn, aAree);
    } catch (const TErroreDb &e) {
        if (e.fCodice() != SQLITE_ERROR)
            throw;
    }
    return aAree;
}

} // namespace

void pEsportaProgetto(const TProgettoEsportato &p, const TExportProgress &progress,
                      const TExportPreparazione &preparazione)
{
    if (!p.conn.fIsOpen())
        return;
    pControllaOut(p.fOut());
    // one export of a project at a time, whichever program runs it; the lock
    // of a process that died is taken over
    QLockFile blocco(p.sRootPrj + QStringLiteral(".ombrix-export.lock"));
    blocco.setStaleLockTime(0);
    if (!blocco.tryLock(0)) {
        if (blocco.error() == QLockFile::LockFailedError)
            throw TOmbrixError(fMessaggioEsportazioneInCorso() + QStringLiteral(": ") + p.sRootPrj);
        throw TOmbrixError(p.sRootPrj + QStringLiteral(".ombrix-export.lock: ") +
                           fErroreDiSistema(blocco.error() == QLockFile::PermissionError ? EACCES : EIO));
    }
    const TCopiaSensori copia(p.conn);
    std::exception_ptr errAree;
    std::vector<TArea> aAree = fPrepara(p.conn, errAree);
    pDelFileFromDir(p.fOut());
    pEsegui(p, std::move(aAree), errAree, progress, preparazione);
}

void pOutTxt(const TProgettoEsportato &p, const TExportProgress &progress)
{
    std::exception_ptr errAree;
    std::vector<TArea> aAree = fPrepara(p.conn, errAree);
    pEsegui(p, std::move(aAree), errAree, progress, {});
}

TPrevNext fPrevNext(const TProgettoEsportato &p, qint64 iId, qint64 iFather_id)
{
    TSqlConn &conn = p.conn;
    const QString sFather = QString::number(iFather_id);
    const QString sId = QString::number(iId);
    {
        TLettura q(conn, QStringLiteral("select * from tbarea where father_id = ") + sFather);
        int iFratelli = 0;
        while (iFratelli < 2 && q.fNext())
            ++iFratelli;
        if (iFratelli == 1)
            return {iId, iId};
    }
    TPrevNext r;
    auto vicino = [&](const QString &sSegno, const QString &sVerso) {
        qint64 iTrovato = 0;
        if (!fPrimoId(conn,
                      QStringLiteral("SELECT _id FROM tbarea WHERE _id ") + sSegno + QStringLiteral(" ") + sId +
                          QStringLiteral(" AND father_id = ") + sFather +
                          QStringLiteral(" ORDER BY ordinamento, _id ") + sVerso + QStringLiteral(" LIMIT 1;"),
                      iTrovato)) {
            // past the end: wrap to the other end
            fPrimoId(conn,
                     QStringLiteral("select _id from tbarea where father_id = ") + sFather +
                         QStringLiteral(" order by ordinamento, _id ") + sVerso + QStringLiteral(" LIMIT 1"),
                     iTrovato);
        }
        return iTrovato;
    };
    r.iPrev = vicino(QStringLiteral("<"), QStringLiteral("DESC"));
    r.iNext = vicino(QStringLiteral(">"), QStringLiteral("ASC"));
    return r;
}

QString fSensoriTxt(const TProgettoEsportato &p, qint64 iArea_id)
{
    struct TSezione
    {
        QString sCondizione;
        QString sTitolo;
        bool bZoom;
    };
    const TSezione aSezioni[] = {
        {QStringLiteral(" AND TipoSensore = 3"), QString(), true},
        {QStringLiteral(" AND (TipoSensore  IN (1,2,4,5))"), QStringLiteral("SENSORI"), false},
        {QStringLiteral(" AND (TipoSensore  IN (6,7,8,9,10))"), QStringLiteral("USCITE"), false},
    };
    const QString sBase = QStringLiteral("select * from tbsensori where area_id = ") + QString::number(iArea_id);
    QStringList asRighe;
    for (const TSezione &sez : aSezioni) {
        TLettura q(p.conn, sBase + sez.sCondizione);
        const TColonne c(q);
        bool bPrima = true;
        while (q.fNext()) {
            if (bPrima && !sez.sTitolo.isEmpty())
                asRighe.append(fCreacommento(3, sez.sTitolo));
            bPrima = false;
            asRighe.append(fRecordOggetto(q, c, sez.bZoom));
        }
    }
    return asRighe.join(QStringLiteral("\r\n"));
}

void pExportBmp(const TProgettoEsportato &p, qint64 iId)
{
    const QString sJpeg = p.fImmagineArea(iId);
    if (!QFileInfo::exists(sJpeg))
        return;
    pJpegToBmp(sJpeg, fBmpPath(p, iId));
}
