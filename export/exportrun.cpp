#include "export/exportrun.h"

#include "export/bmppipeline.h"
#include "export/exportcodes.h"
#include "export/jpegbmp.h"
#include "export/mapfile.h"
#include "export/maplines.h"
#include "model/areastore.h"
#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/uty.h"

#include <QFileInfo>
#include <QStringList>
#include <QVariant>


#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace {

constexpr qsizetype iBufferMassimo = qsizetype(4) << 20; // maps.txt bytes held before a write

/** A database failure names the database file. */
[[noreturn]] void pErroreDb(const QString &sMessaggio)
{
    throw TOmbrixError(SQLConn.fDatabase() + QStringLiteral(": ") + sMessaggio);
}

/**
 * One read on the project connection (TSqlQuery) whose failures name the
 * database file. Columns are looked up once per read and then read by index.
 */
class TLettura
{
public:
    explicit TLettura(const QString &sSql) : m_q(fPrepara(sSql)) {}

    bool fNext()
    {
        try {
            return m_q.fNext();
        } catch (const TOmbrixError &e) {
            pErroreDb(e.fMessage());
        }
    }
    /** Index of a column, its name matched without regard to case. */
    int fColonna(const char *szNome) const
    {
        const int i = m_q.fColumnIndex(QLatin1String(szNome));
        if (i < 0)
            pErroreDb(QStringLiteral("no such column: ") + QLatin1String(szNome));
        return i;
    }
    bool fIsNull(int c) const { return m_q.fIsNull(c); }
    int fInt(int c) const { return m_q.fInt(c); }
    qint64 fInt64(int c) const { return m_q.fInt64(c); }
    QString fText(int c) const { return m_q.fText(c); }

private:
    static TSqlQuery fPrepara(const QString &sSql)
    {
        try {
            return SQLConn.fQuery(sSql);
        } catch (const TOmbrixError &e) {
            pErroreDb(e.fMessage());
        }
    }

    TSqlQuery m_q;
};

struct TArea
{
    int iId = 0;
    int iLivello = 0;
    int iFather_id = 0;
    QString sNome;
    QList<QVariant> aChiave; // livello, father_id, Ordinamento as the database sorts them
};

/** The areas in export order: by level, parent and Ordinamento as the query
 *  sorts them, and by id among areas equal in all three. */
std::vector<TArea> fLeggiAree()
{
    TLettura q(QStringLiteral("select * from tbarea order by livello, father_id, ordinamento;"));
    const int cId = q.fColonna("_id");
    const int cLiv = q.fColonna("livello");
    const int cFather = q.fColonna("father_id");
    const int cNome = q.fColonna("NomeArea");
    const int cOrd = q.fColonna("Ordinamento");
    std::vector<TArea> aAree;
    while (q.fNext()) {
        TArea a;
        a.iId = q.fInt(cId);
        a.iLivello = q.fInt(cLiv);
        a.iFather_id = q.fInt(cFather);
        a.sNome = q.fText(cNome);
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

/** The key record of a key leading to iTarget, drawn at x iX. */
QString fTasto(const QString &sTipo, int iTarget, int iX)
{
    return fCreaTxtIO(sTipo, iTarget, 0, 32, iX, 18, 0, 0, 0, 0, 0, 0, QString());
}

int fSomma(int a, int b)
{
    return static_cast<int>(qint64(a) + qint64(b)); // wraps instead of overflowing on absurd values
}

/** Reads _id of the first row of sSql into iId; false when there is no row. */
bool fPrimoId(const QString &sSql, int &iId)
{
    TLettura q(sSql);
    if (!q.fNext())
        return false;
    iId = q.fInt(q.fColonna("_id"));
    return true;
}

/** Lines of one area's block, from the star line to the end-of-block line. */
void pBlocco(TMapsWriter &w, const TArea &a)
{
    w.pRiga(fCreacommento(2));
    w.pRiga(fCreacommento(2, QStringLiteral("Livello ") + QString::number(a.iLivello)
                                 + QStringLiteral(" *********** ") + a.sNome));
    w.pRiga(fCreacommento(2));
    w.pRiga(fCreaNomeCampi());
    w.pRiga(fCreaTxtImg(a.iId));
    w.pRiga(fCreacommento(3, QStringLiteral("TASTI")));
    const TPrevNext rPrevNext = fPrevNext(a.iId, a.iFather_id);
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
    const QString sOggetti = fSensoriTxt(a.iId);
    if (!sOggetti.isEmpty())
        w.pRiga(sOggetti);
    w.pRiga(fCreaEndBlock());
}

} // namespace

QString fMessaggioEsportazione()
{
    return QStringLiteral("Esportazione effettuata correttamente!");
}

QString fBmpPath(int iId)
{
    return sGlobOutPath + QStringLiteral("file") + AddLeadingZeroes(iId, 4) + QStringLiteral(".bmp");
}

namespace {

/**
 * The run behind pOutTxt. pPulizia, when given, is the emptying of the "out"
 * folder still under way on another thread: meanwhile the areas are read,
 * the first pictures decoded into hidden files (which the emptying leaves
 * alone) and the first blocks built in memory; maps.txt and the bitmaps are
 * touched only after it has ended.
 */
void pEsegui(std::thread *pPulizia, const TExportProgress &progress, const std::exception_ptr *pErrPulizia,
             const TExportPreparazione &preparazione)
{
    std::vector<TArea> aAree;
    std::exception_ptr errAree;
    try {
        aAree = fLeggiAree();
    } catch (...) {
        errAree = std::current_exception();
    }
    QList<TBmpPipeline::TLavoro> aLavori;
    for (const TArea &a : aAree)
        aLavori.append({fAreaPicturePath(a.iId), fBmpPath(a.iId)});
    TBmpPipeline bitmap(aLavori);
    if (preparazione)
        preparazione();

    // maps.txt is emptied and given its head when the first thing is to be
    // written, and in any case before a failure is reported: the file always
    // starts as the run's first steps say, and a failure of those steps
    // comes before any later one
    const QString sFile = sGlobOutPath + QStringLiteral("maps.txt");
    TMapsWriter w(sFile);
    bool bAperto = false;
    auto apri = [&] {
        if (bAperto)
            return;
        bAperto = true;
        if (pPulizia && pPulizia->joinable())
            pPulizia->join();
        if (pErrPulizia && *pErrPulizia)
            std::rethrow_exception(*pErrPulizia);
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
                pBlocco(righe, aAree[std::size_t(iCostruiti)]);
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

} // namespace

void pEsportaProgetto(const TExportProgress &progress, const TExportPreparazione &preparazione)
{
    if (!SQLConn.fIsOpen())
        return;
    const QString sOut = sGlobOutPath;
    std::exception_ptr errPulizia;
    std::thread pulizia([sOut, &errPulizia] {
        try {
            pDelFileFromDir(sOut);
        } catch (...) {
            errPulizia = std::current_exception();
        }
    });
    try {
        pEsegui(&pulizia, progress, &errPulizia, preparazione);
    } catch (...) {
        if (pulizia.joinable())
            pulizia.join();
        throw;
    }
}

void pOutTxt(const TExportProgress &progress)
{
    pEsegui(nullptr, progress, nullptr, {});
}

TPrevNext fPrevNext(int iId, int iFather_id)
{
    const QString sFather = QString::number(iFather_id);
    const QString sId = QString::number(iId);
    {
        TLettura q(QStringLiteral("select * from tbarea where father_id = ") + sFather);
        int iFratelli = 0;
        while (iFratelli < 2 && q.fNext())
            ++iFratelli;
        if (iFratelli == 1)
            return {iId, iId};
    }
    TPrevNext r;
    auto vicino = [&](const QString &sSegno, const QString &sVerso) {
        int iTrovato = 0;
        if (!fPrimoId(QStringLiteral("SELECT _id FROM tbarea WHERE _id ") + sSegno + QStringLiteral(" ") + sId
                          + QStringLiteral(" AND father_id = ") + sFather
                          + QStringLiteral(" ORDER BY ordinamento, _id ") + sVerso + QStringLiteral(" LIMIT 1;"),
                      iTrovato)) {
            // past the end: wrap to the other end
            fPrimoId(QStringLiteral("select _id from tbarea where father_id = ") + sFather
                         + QStringLiteral(" order by ordinamento, _id ") + sVerso + QStringLiteral(" LIMIT 1"),
                     iTrovato);
        }
        return iTrovato;
    };
    r.iPrev = vicino(QStringLiteral("<"), QStringLiteral("DESC"));
    r.iNext = vicino(QStringLiteral(">"), QStringLiteral("ASC"));
    return r;
}

QString fSensoriTxt(int iArea_id)
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
        TLettura q(sBase + sez.sCondizione);
        const int cId = q.fColonna("_id");
        const int cZoom = q.fColonna("area_zoom");
        const int cNum = q.fColonna("NumSensore");
        const int cIcon = q.fColonna("IconSize");
        const int cTipo = q.fColonna("TipoSensore");
        const int cX = q.fColonna("CoordX");
        const int cY = q.fColonna("CoordY");
        const int cX2 = q.fColonna("CoordX2");
        const int cY2 = q.fColonna("CoordY2");
        const int cXt = q.fColonna("CoordXt");
        const int cYt = q.fColonna("CoordYt");
        const int cFont = q.fColonna("FontTxt");
        const int cColor = q.fColonna("ColorTxt");
        const int cTesto = q.fColonna("Testo");
        bool bPrima = true;
        while (q.fNext()) {
            if (bPrima && !sez.sTitolo.isEmpty())
                asRighe.append(fCreacommento(3, sez.sTitolo));
            bPrima = false;
            const int iIconSize = q.fInt(cIcon);
            const int ioffset = iIconSize / 2;
            const int iX2 = q.fInt(cX2);
            const int iOffset2 = iX2 > 0 ? iGlobB2Size / 2 : 0;
            const int iX = fSomma(q.fInt(cX), ioffset);
            const int iY = fSomma(q.fInt(cY), ioffset);
            const int iX2c = fSomma(iX2, iOffset2);
            const int iY2c = fSomma(q.fInt(cY2), iOffset2);
            const QString sTipo = fGetTipoTxt(q.fInt(cTipo));
            if (sez.bZoom) {
                asRighe.append(fCreaTxtIO(sTipo, q.fInt(cZoom), 0, iIconSize, iX, iY, iX2c, iY2c, 0, 0, 0, 0,
                                          QString()));
            } else {
                asRighe.append(fCreaTxtIO(sTipo, q.fInt(cId), q.fInt(cNum), iIconSize, iX, iY, iX2c, iY2c,
                                          q.fInt(cXt), q.fInt(cYt), q.fInt(cFont), q.fInt(cColor), q.fText(cTesto)));
            }
        }
    }
    return asRighe.join(QStringLiteral("\r\n"));
}

void pExportBmp(int iId)
{
    const QString sJpeg = fAreaPicturePath(iId);
    if (!QFileInfo::exists(sJpeg))
        return;
    pJpegToBmp(sJpeg, fBmpPath(iId));
}
