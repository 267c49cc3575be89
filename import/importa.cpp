#include "import/importa.h"

#include "export/exportrun.h"
#include "import/bitmapjpeg.h"
#include "model/areastore.h"
#include "model/catalogo.h"
#include "model/sensore.h"
#include "model/sensorstore.h"
#include "preview/mapsreader.h"
#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>

#include <cerrno>
#include <cstring>
#include <limits>
#include <map>
#include <vector>

#include <sys/stat.h>

namespace {

[[noreturn]] void pErrore(const QString &sFile, const QString &sMotivo)
{
    throw TOmbrixError(sFile + QStringLiteral(": ") + sMotivo);
}

/** One area to rebuild. */
struct TAreaNuova
{
    qint64 iId = 0;
    int iLivello = 0;
    qint64 iPadre = 0;
    QString sNome;
};

/** One bitmap to turn into an area picture; sErrore is filled by a failure. */
struct TImmagine
{
    QString sBmp;
    int iRiga = 0; // of the image record that names it
    QString sJpeg;
    QString sErrore;
};

/**
 * The file read back into rows, every value checked before anything is
 * written: a failure names maps.txt and the line.
 */
class TLetturaExport
{
public:
    TLetturaExport(const QString &sMaps, const QByteArray &dati) : m_sMaps(sMaps)
    {
        const TMappa m = fLeggiMappa(dati, sMaps, true);
        pAree(m);
        QList<TSensore> aZoom;
        for (const TAreaMappa &a : m.aAree)
            pOggetti(a, aZoom);
        // The zoom markers come after the objects: the database numbers them above every imported id, in
        // file order, which is the order the export writes them in.
        aOggetti.append(aZoom);
        esito.iAree = int(aAree.size());
        esito.iOggetti = int(aOggetti.size());
    }

    std::vector<TAreaNuova> aAree;
    QList<TSensore> aOggetti; // with their own ids, then the zoom markers with none
    /** The bitmap each area's image record names, with that record's line, in the order of aAree. */
    std::vector<std::pair<QString, int>> aBitmap;
    TEsitoImportazione esito;

private:
    [[noreturn]] void pErroreRiga(int iRiga, const QString &sMotivo) const
    {
        pErrore(m_sMaps, QCoreApplication::translate("Ombrix", "riga %1: %2").arg(iRiga).arg(sMotivo));
    }
    /** v as a 32-bit column of the store. */
    int fIntero(int iRiga, qint64 v) const
    {
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            pErroreRiga(iRiga, QCoreApplication::translate("Ombrix", "valore %1 fuori campo").arg(v));
        return int(v);
    }
    void pTesto(int iRiga, const QString &s) const
    {
        if (fHasControlChars(s))
            pErroreRiga(iRiga, QCoreApplication::translate("Ombrix", "il testo contiene un carattere di controllo"));
    }
    /** An id must be above 0 and appear once among its kind. */
    void pId(std::map<qint64, int> &aVisti, qint64 iId, int iRiga) const
    {
        if (iId <= 0)
            pErroreRiga(iRiga, QCoreApplication::translate("Ombrix", "id %1 non valido: deve essere sopra 0").arg(iId));
        const auto [it, bNuovo] = aVisti.try_emplace(iId, iRiga);
        if (!bNuovo)
            pErroreRiga(iRiga,
                        QCoreApplication::translate("Ombrix", "id %1 già usato alla riga %2").arg(iId).arg(it->second));
    }

    void pAree(const TMappa &m)
    {
        // the base area whose zoom marker leads to an area, the first in the file
        std::map<qint64, qint64> aDaZoom;
        for (const TAreaMappa &a : m.aAree)
            for (const TRecordMappa &z : a.aZoom)
                aDaZoom.try_emplace(z.iId, a.iId);
        std::map<qint64, int> aVisti;
        for (const TAreaMappa &a : m.aAree) {
            const int iRigaImmagine = a.iRiga + 3; // title, stars, field names, image record
            pId(aVisti, a.iId, iRigaImmagine);
            pTesto(a.iRiga, a.sNome);
            if (a.iLivello < 0)
                pErroreRiga(a.iRiga, QCoreApplication::translate("Ombrix", "livello %1 non valido").arg(a.iLivello));
            TAreaNuova n{a.iId, fIntero(a.iRiga, a.iLivello), 0, a.sNome};
            if (n.iLivello != 0) {
                auto itSup = std::find_if(a.aTasti.cbegin(), a.aTasti.cend(),
                                          [](const TRecordMappa &r) { return r.sTipo == QStringLiteral("Tsup"); });
                const auto itZoom = aDaZoom.find(a.iId);
                if (itSup != a.aTasti.cend())
                    n.iPadre = itSup->iId;
                else if (itZoom != aDaZoom.end())
                    n.iPadre = itZoom->second;
                else
                    esito.asAvvisi << QCoreApplication::translate(
                                          "Ombrix",
                                          "riga %1, area %2 di livello %3: nessun tasto \"Tsup\" né marcatore di "
                                          "zoom vi porta, resta senza area superiore")
                                          .arg(a.iRiga)
                                          .arg(a.iId)
                                          .arg(a.iLivello);
            }
            aAree.push_back(n);
            aBitmap.emplace_back(a.sBitmap, iRigaImmagine);
        }
    }

    /** The stored corner of what the export writes centred at c, of side iLato: c - iLato / 2, as the export
     *  adds iLato / 2 to the corner. */
    static qint64 fAngolo(qint64 c, qint64 iLato) { return c - iLato / 2; }

    TSensore fSensore(const TRecordMappa &r, qint64 iArea, int iTipo) const
    {
        const int i = r.iRiga;
        const bool bZoom = iTipo == 3;
        // a second end is written with its centre only when its corner's x is above 0
        const qint64 iX2 = r.iX2 > 0 ? fAngolo(r.iX2, iGlobB2Size) : 0;
        const qint64 iY2 = r.iX2 > 0 ? fAngolo(r.iY2, iGlobB2Size) : 0;
        const int iIcon = fIntero(i, r.iIconSize);
        return TSensore(bZoom ? 0 : r.iId, iArea, bZoom ? r.iId : 0, bZoom ? 0 : r.iLink, iIcon, iTipo, 1,
                        fIntero(i, fAngolo(r.iX, iIcon)), fIntero(i, fAngolo(r.iY, iIcon)), fIntero(i, iX2),
                        fIntero(i, iY2), bZoom ? 0 : fIntero(i, r.iXt), bZoom ? 0 : fIntero(i, r.iYt),
                        bZoom ? 0 : fIntero(i, r.iFont), bZoom ? 0 : fIntero(i, r.iColor), 0,
                        bZoom ? QString() : r.sTesto);
    }

    /** The values of r that the file leaves out when they are not above 0, and so come back as 0. */
    void pAzzerati(const TRecordMappa &r, int iTipo)
    {
        QStringList asPersi;
        if (r.iLink == 0)
            asPersi << QCoreApplication::translate("Ombrix", "numero");
        if (iTipo == 4 && r.iX2 == 0)
            asPersi << QCoreApplication::translate("Ombrix", "seconda estremità");
        if (!r.sTesto.isEmpty() && r.iXt == 0)
            asPersi << QCoreApplication::translate("Ombrix", "posizione dell'etichetta");
        if (!r.sTesto.isEmpty() && r.iFont == 0)
            asPersi << QCoreApplication::translate("Ombrix", "dimensione e colore dell'etichetta");
        if (!asPersi.isEmpty())
            esito.asAvvisi << QCoreApplication::translate("Ombrix",
                                                          "riga %1, %2 id %3: torna a 0 ciò che il file non scrive: %4")
                                  .arg(r.iRiga)
                                  .arg(r.sTipo)
                                  .arg(r.iId)
                                  .arg(asPersi.join(QStringLiteral(", ")));
    }

    void pOggetti(const TAreaMappa &a, QList<TSensore> &aZoom)
    {
        for (const QList<TRecordMappa> *pSezione : {&a.aIngressi, &a.aUscite}) {
            for (const TRecordMappa &r : *pSezione) {
                pId(m_aIdVisti, r.iId, r.iRiga);
                pTesto(r.iRiga, r.sTesto);
                const int iTipo = fTipoDaCodice(r.sTipo);
                aOggetti.append(fSensore(r, a.iId, iTipo));
                pAzzerati(r, iTipo);
                esito.iEtichette += !r.sTesto.isEmpty();
            }
        }
        for (const TRecordMappa &r : a.aZoom)
            aZoom.append(fSensore(r, a.iId, 3));
        for (const TRecordMappa &r : a.aSconosciuti)
            esito.aSaltati.append({r.iRiga, r.sTipo, r.iId});
    }

    QString m_sMaps;
    std::map<qint64, int> m_aIdVisti;
};

/** The target must not exist, or be an empty folder: an existing project is never written over. */
void pControllaDestinazione(const QString &sCartella)
{
    struct stat st;
    if (::lstat(QFile::encodeName(sCartella).constData(), &st) != 0) {
        if (errno == ENOENT)
            return;
        pErrore(sCartella, fErroreDiSistema(errno));
    }
    if (!S_ISDIR(st.st_mode))
        pErrore(sCartella, QCoreApplication::translate("Ombrix", "esiste e non è una cartella"));
    if (!QDir(sCartella).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        pErrore(sCartella, QCoreApplication::translate("Ombrix", "la cartella esiste e non è vuota"));
}

/** The first line where a and b differ, from 1; 0 when they are equal. */
int fPrimaRigaDiversa(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return 0;
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a.at(i) == b.at(i))
        ++i;
    return int(a.left(i).count('\n')) + 1;
}

/** Exports the rebuilt project's maps.txt into sCartella (no pictures there, so no bitmaps) and says where it
 *  differs from the file imported. */
int fRigaDiversa(TSqlConn &conn, const QString &sCartella, const QByteArray &dati)
{
    if (!QDir().mkpath(sCartella + QStringLiteral("out")))
        pErrore(sCartella, QCoreApplication::translate("Ombrix", "impossibile creare la cartella"));
    pOutTxt({conn, sCartella});
    QFile f(sCartella + QStringLiteral("out/maps.txt"));
    if (!f.open(QIODevice::ReadOnly))
        pErrore(f.fileName(), f.errorString());
    const int iRiga = fPrimaRigaDiversa(f.readAll(), dati);
    f.close();
    QDir(sCartella).removeRecursively();
    return iRiga;
}

/** A hidden folder beside sCartella, where the project is built, with the permissions a new folder gets. */
void pPreparaCantiere(const QTemporaryDir &cantiere, const QString &sCartella)
{
    if (!cantiere.isValid())
        pErrore(QFileInfo(sCartella).absolutePath(), cantiere.errorString());
    const mode_t iMaschera = ::umask(0);
    ::umask(iMaschera);
    ::chmod(QFile::encodeName(cantiere.path()).constData(), 0777 & ~iMaschera);
    for (const char *sz : {"areas", "out"})
        if (!QDir(cantiere.path()).mkdir(QLatin1String(sz)))
            pErrore(cantiere.path() + QLatin1Char('/') + QLatin1String(sz),
                    QCoreApplication::translate("Ombrix", "impossibile creare la cartella"));
}

} // namespace

TEsitoImportazione fImportaDalPannello(const QString &sCartellaExport, const QString &sDatabase)
{
    const QFileInfo fiDb(sDatabase);
    if (!fiDb.fileName().endsWith(QStringLiteral(".omb")) || fiDb.completeBaseName().isEmpty())
        pErrore(sDatabase, QCoreApplication::translate("Ombrix", "il progetto deve essere un file .omb"));
    const QString sCartella = fiDb.absolutePath();
    pControllaDestinazione(sCartella);

    const QString sExport = QDir(sCartellaExport).absolutePath() + QLatin1Char('/');
    const QString sMaps = sExport + QStringLiteral("maps.txt");
    QFile fMaps(sMaps);
    if (!fMaps.open(QIODevice::ReadOnly))
        pErrore(sMaps, fMaps.errorString());
    const QByteArray dati = fMaps.readAll();
    fMaps.close();
    TLetturaExport lettura(sMaps, dati);
    TEsitoImportazione esito = lettura.esito;

    // a bitmap's failure names the line of the image record and the bitmap
    auto erroreBitmap = [&sMaps](int iRiga, const QString &sErrore) {
        return TOmbrixError(sMaps + QStringLiteral(": ") +
                            QCoreApplication::translate("Ombrix", "riga %1: %2").arg(iRiga).arg(sErrore));
    };
    std::vector<TImmagine> aImmagini;
    for (const auto &[sBitmap, iRiga] : lettura.aBitmap) {
        const QString sBmp = sExport + sBitmap;
        try {
            pControllaBitmap(sBmp);
        } catch (const TOmbrixError &e) {
            throw erroreBitmap(iRiga, e.fMessage());
        }
        aImmagini.push_back({sBmp, iRiga, QString(), QString()});
    }

    QTemporaryDir cantiere(QFileInfo(sCartella).absolutePath() + QStringLiteral("/.") +
                           QFileInfo(sCartella).fileName() + QStringLiteral(".importa-XXXXXX"));
    pPreparaCantiere(cantiere, sCartella);
    const QString sCantiere = cantiere.path() + QLatin1Char('/');
    for (std::size_t i = 0; i < aImmagini.size(); ++i)
        aImmagini[i].sJpeg =
            sCantiere + QStringLiteral("areas/img_") + QString::number(lettura.aAree[i].iId) + QStringLiteral(".jpg");

    // the pictures are encoded on the pool's threads while the database is written
    QFuture<void> immagini = QtConcurrent::map(aImmagini, [](TImmagine &im) {
        try {
            pBitmapInJpeg(im.sBmp, im.sJpeg);
        } catch (const std::exception &e) {
            const auto *pOmbrix = dynamic_cast<const TOmbrixError *>(&e);
            im.sErrore = pOmbrix ? pOmbrix->fMessage() : QString::fromLocal8Bit(e.what());
        }
    });
    struct TAttesa
    {
        QFuture<void> &f;
        ~TAttesa()
        {
            f.cancel();
            f.waitForFinished();
        }
    } attesa{immagini};

    TSqlConn conn;
    conn.pOpen(sCantiere + fiDb.fileName(), true);
    pCreaTabelle(conn);
    conn.pExec(QStringLiteral("BEGIN"));
    TAreaList CDArea;
    TAreaStore aree(conn, CDArea, sCantiere);
    for (const TAreaNuova &a : lettura.aAree) {
        if (a.iPadre == 0)
            aree.pInsertAreaBase(a.iId, a.sNome, a.iLivello);
        else
            aree.pInsertAreaSon(a.iId, a.sNome, a.iLivello - 1, a.iPadre);
    }
    TSensorStore(conn).pInserisciSensori(lettura.aOggetti);
    conn.pExec(QStringLiteral("COMMIT"));
    esito.iRigaDiversa = fRigaDiversa(conn, sCantiere + QStringLiteral(".verifica/"), dati);
    conn.pClose();

    immagini.waitForFinished();
    for (const TImmagine &im : aImmagini) {
        if (!im.sErrore.isEmpty())
            throw erroreBitmap(im.iRiga, im.sErrore);
        ++esito.iImmagini;
    }

    if (::rename(QFile::encodeName(cantiere.path()).constData(), QFile::encodeName(sCartella).constData()) != 0) {
        if (errno == ENOTEMPTY || errno == EEXIST)
            pErrore(sCartella, QCoreApplication::translate("Ombrix", "la cartella esiste e non è vuota"));
        pErrore(sCartella, fErroreDiSistema(errno));
    }
    cantiere.setAutoRemove(false);
    esito.sDatabase = sCartella + QLatin1Char('/') + fiDb.fileName();
    return esito;
}

QString TEsitoImportazione::fMessaggio() const
{
    QStringList as;
    as << QCoreApplication::translate("Ombrix", "Progetto ricostruito: %1").arg(sDatabase);
    as << QCoreApplication::translate("Ombrix", "Aree: %1, oggetti: %2, etichette: %3, immagini: %4.")
              .arg(iAree)
              .arg(iOggetti)
              .arg(iEtichette)
              .arg(iImmagini);
    if (!aSaltati.isEmpty()) {
        as << QCoreApplication::translate("Ombrix", "Oggetti saltati, di un tipo che il catalogo non conosce:");
        for (const TOggettoSaltato &o : aSaltati)
            as << QCoreApplication::translate("Ombrix", "riga %1, \"%2\" id %3").arg(o.iRiga).arg(o.sCodice).arg(o.iId);
    }
    as << asAvvisi;
    if (iRigaDiversa > 0)
        as << QCoreApplication::translate(
                  "Ombrix",
                  "Esportando il progetto ricostruito, maps.txt sarà diverso da quello importato dalla riga %1.")
                  .arg(iRigaDiversa);
    return as.join(QLatin1Char('\n'));
}
