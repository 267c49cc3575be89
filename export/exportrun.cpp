#include "export/exportrun.h"

#include "export/bmppipeline.h"
#include "export/exportcodes.h"
#include "export/jpegbmp.h"
#include "export/mapfile.h"
#include "export/maplines.h"
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
[[noreturn]] void pErroreDb(const TOmbrixError &e)
{
    throw TOmbrixError(SQLConn.fDatabase() + QStringLiteral(": ") + e.fMessage());
}

TSqlQuery fApri(const QString &sSql)
{
    try {
        return SQLConn.fQuery(sSql);
    } catch (const TOmbrixError &e) {
        pErroreDb(e);
    }
}

bool fPasso(TSqlQuery &q)
{
    try {
        return q.fNext();
    } catch (const TOmbrixError &e) {
        pErroreDb(e);
    }
}

int fColonna(const TSqlQuery &q, const QString &sNome)
{
    const int i = q.fColumnIndex(sNome);
    if (i < 0)
        pErroreDb(TOmbrixError(QStringLiteral("no such column: ") + sNome));
    return i;
}

/** Picture of area iId in the project's "areas" folder. */
QString fImmagineArea(int iId)
{
    return sGlobRootPrj + QStringLiteral("areas/img_") + QString::number(iId) + QStringLiteral(".jpg");
}

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
    TSqlQuery q = fApri(QStringLiteral("select * from tbarea order by livello, father_id, ordinamento;"));
    const int cId = fColonna(q, QStringLiteral("_id"));
    const int cLiv = fColonna(q, QStringLiteral("livello"));
    const int cFather = fColonna(q, QStringLiteral("father_id"));
    const int cNome = fColonna(q, QStringLiteral("NomeArea"));
    const int cOrd = fColonna(q, QStringLiteral("Ordinamento"));
    std::vector<TArea> aAree;
    while (fPasso(q)) {
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
    TSqlQuery q = fApri(sSql);
    if (!fPasso(q))
        return false;
    iId = q.fInt(fColonna(q, QStringLiteral("_id")));
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
 * folder still under way on another thread: meanwhile the areas are read and
 * the first pictures decoded into hidden files, which the emptying leaves
 * alone; maps.txt and the first bitmap are touched only after it has ended.
 */
void pEsegui(std::thread *pPulizia, const TExportProgress &progress, const std::exception_ptr *pErrPulizia)
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
        aLavori.append({fImmagineArea(a.iId), fBmpPath(a.iId)});
    TBmpPipeline bitmap(aLavori);
    if (pPulizia && pPulizia->joinable())
        pPulizia->join();
    if (pErrPulizia && *pErrPulizia)
        std::rethrow_exception(*pErrPulizia);

    const QString sFile = sGlobOutPath + QStringLiteral("maps.txt");
    const QString sTesta = fCreaTestata() + fCreaNomeCampi();
    EmptyFile(sFile);
    TMapsWriter w(sFile);
    w.pRiga(sTesta);
    w.pRiga(fCreacommento(3));
    w.pRiga(fCreacommento(3));
    try {
        if (errAree)
            std::rethrow_exception(errAree);
        const int iTotale = int(aAree.size());
        for (int i = 0; i < iTotale; ++i) {
            bitmap.pConsegna(i);
            pBlocco(w, aAree[std::size_t(i)]);
            if (w.fSegno() >= iBufferMassimo)
                w.pFlush();
            if (progress)
                progress(i + 1, iTotale);
        }
        w.pRiga(fCreaEnd());
        w.pFlush();
    } catch (...) {
        // what came before the failing step goes to disk; the first error is the one reported
        try {
            w.pFlush();
        } catch (...) {
        }
        throw;
    }
}

} // namespace

void pEsportaProgetto(const TExportProgress &progress)
{
    if (!bGlobProgettoAperto)
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
        pEsegui(&pulizia, progress, &errPulizia);
    } catch (...) {
        if (pulizia.joinable())
            pulizia.join();
        throw;
    }
}

void pOutTxt(const TExportProgress &progress)
{
    pEsegui(nullptr, progress, nullptr);
}

TPrevNext fPrevNext(int iId, int iFather_id)
{
    const QString sFather = QString::number(iFather_id);
    const QString sId = QString::number(iId);
    {
        TSqlQuery q = fApri(QStringLiteral("select * from tbarea where father_id = ") + sFather);
        int iFratelli = 0;
        while (iFratelli < 2 && fPasso(q))
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
        TSqlQuery q = fApri(sBase + sez.sCondizione);
        const int cId = fColonna(q, QStringLiteral("_id"));
        const int cZoom = fColonna(q, QStringLiteral("area_zoom"));
        const int cNum = fColonna(q, QStringLiteral("NumSensore"));
        const int cIcon = fColonna(q, QStringLiteral("IconSize"));
        const int cTipo = fColonna(q, QStringLiteral("TipoSensore"));
        const int cX = fColonna(q, QStringLiteral("CoordX"));
        const int cY = fColonna(q, QStringLiteral("CoordY"));
        const int cX2 = fColonna(q, QStringLiteral("CoordX2"));
        const int cY2 = fColonna(q, QStringLiteral("CoordY2"));
        const int cXt = fColonna(q, QStringLiteral("CoordXt"));
        const int cYt = fColonna(q, QStringLiteral("CoordYt"));
        const int cFont = fColonna(q, QStringLiteral("FontTxt"));
        const int cColor = fColonna(q, QStringLiteral("ColorTxt"));
        const int cTesto = fColonna(q, QStringLiteral("Testo"));
        bool bPrima = true;
        while (fPasso(q)) {
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
    const QString sJpeg = fImmagineArea(iId);
    if (!QFileInfo::exists(sJpeg))
        return;
    pJpegToBmp(sJpeg, fBmpPath(iId));
}
