// The check that follows each step: a seeded random sequence of edits, undos
// and redos on a real project, the incremental result compared with a full
// check after each step; and the picture facts, decoded again only when a
// picture's bytes changed.

#include "check/riferimentiio.h"
#include "check/sfondi.h"
#include "check/tratti.h"
#include "check/verifica.h"
#include "check/verificaincrementale.h"
#include "document/projectdocument.h"
#include "export/exportfixture.h"
#include "workspace/uty.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

QStringList fTesti(const QList<TFinding> &a)
{
    QStringList as;
    for (const TFinding &f : a)
        as << QStringLiteral("%1 %2 %3 %4 %5")
                  .arg(fNomeGravita(f.eGravita))
                  .arg(f.iAreaId)
                  .arg(f.iOggettoId ? QString::number(*f.iOggettoId) : QStringLiteral("-"), f.sCodice, f.sMessaggio);
    return as;
}

QByteArray fCsv(const QList<TRigaIo> &a)
{
    return fCsvIo(a);
}

struct stat fStat(const QString &sPath)
{
    struct stat st
    {
    };
    ::stat(QFile::encodeName(sPath).constData(), &st);
    return st;
}

/** Writes ab over the file sPath in place (the same inode), and puts its times back as they were. */
void pRiscriviSulPosto(const QString &sPath, const QByteArray &ab)
{
    const struct stat prima = fStat(sPath);
    QFile f(sPath);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(ab), ab.size());
    f.close();
    const timespec aTempi[] = {prima.st_atim, prima.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(sPath).constData(), aTempi, 0), 0);
    QCOMPARE(fStat(sPath).st_ino, prima.st_ino);
}

void pSostituisci(const QString &sPath, const QByteArray &ab)
{
    QSaveFile f(sPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ab);
    QVERIFY(f.commit());
}

/** A JPEG of w x h pixels whose content depends on iSeme. */
QByteArray fJpeg(int w, int h, int iSeme)
{
    QTemporaryDir dir;
    const QString sPath = dir.filePath(QStringLiteral("x.jpg"));
    pScriviJpeg(sPath, w, h, iSeme % 2 ? JCS_RGB : JCS_GRAYSCALE, true, 60 + iSeme % 30);
    return fLeggiFile(sPath);
}

/** The same JPEG, the same length, saying it is one row shorter. */
QByteArray fUnaRigaInMeno(QByteArray ab)
{
    const qsizetype iSof = ab.indexOf(QByteArray("\xff\xc0", 2));
    const int iAltezza = (quint8(ab.at(iSof + 5)) << 8) | quint8(ab.at(iSof + 6));
    ab[iSof + 5] = char((iAltezza - 1) >> 8);
    ab[iSof + 6] = char((iAltezza - 1) & 0xff);
    return ab;
}

/** A throw-away application root with a project "casa" made through a document, and the pictures a step
 *  may put on an area. */
class TStoria
{
public:
    QTemporaryDir dir;
    TProjectDocument doc;
    QList<QByteArray> aSfondi;

    TStoria()
    {
        sGlobPath = dir.path() + QStringLiteral("/");
        sGlobBinPath = sGlobPath + QStringLiteral("bin/");
        sGlobGrfcPath = sGlobPath + QStringLiteral("grfc/");
        sGlobResPath = sGlobPath + QStringLiteral("res/");
        sGlobPrjPath = sGlobPath + QStringLiteral("progetti/");
        for (const QString &s : {sGlobBinPath, sGlobGrfcPath, sGlobPrjPath})
            QDir().mkpath(s);
        pScriviFile(sGlobGrfcPath + QStringLiteral("blank.jpg"), fJpeg(480, 272, 0));
        QByteArray abPng;
        {
            QBuffer buffer(&abPng);
            buffer.open(QIODevice::WriteOnly);
            QImage png(480, 272, QImage::Format_RGB32);
            png.fill(Qt::darkCyan);
            png.save(&buffer, "PNG");
        }
        aSfondi = {fJpeg(480, 272, 1),
                   fJpeg(480, 272, 2),
                   fJpeg(800, 480, 3),
                   fJpeg(100, 60, 4),
                   QByteArray("\xff\xd8\xff not really", 14),
                   abPng};
        for (int i = 0; i < aSfondi.size(); ++i)
            pScriviFile(fSfondo(i), aSfondi.at(i));
        doc.pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa"));
    }
    QString fSfondo(int i) const { return sGlobPath + QStringLiteral("sfondo%1.jpg").arg(i); }
};

} // namespace

class TstVerificaIncrementale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false")); }
    void randomStepsMatchFullCheck_data();
    void randomStepsMatchFullCheck();
    void pictureDecodedAgainOnlyWhenItsBytesChange_data();
    void pictureDecodedAgainOnlyWhenItsBytesChange();
    void oldPictureIsNotReadAgain();
    void changesTurnShownRowsIntoNewOnes();
};

void TstVerificaIncrementale::randomStepsMatchFullCheck_data()
{
    QTest::addColumn<quint32>("iSeme");
    for (quint32 iSeme : {1u, 2u, 3u})
        QTest::addRow("seed %u", iSeme) << iSeme;
}

void TstVerificaIncrementale::randomStepsMatchFullCheck()
{
    QFETCH(quint32, iSeme);
    TStoria s;
    TProjectDocument &doc = s.doc;
    TVerificaIncrementale &inc = TVerificaIncrementale::fDi(doc);
    QCOMPARE(&TVerificaIncrementale::fDi(doc), &inc); // one per document
    QRandomGenerator rng(iSeme);
    const auto fUno = [&](const auto &a) { return a.at(rng.bounded(int(a.size()))); };
    const QStringList asNomi = {"Cucina", "Sala ő", "Piano, terra", "Garage"};
    const QStringList asTesti = {"Porta", "Porta, nord", "Ventitre caratteri qui!!", "Luce ś", "Finestra nord est"};
    const auto fPunto = [&] { return QPoint(rng.bounded(-40, 500), rng.bounded(-40, 300)); };
    const auto fAree = [&] {
        QList<qint64> a;
        for (const TAreaRow &r : doc.fAree().fRows())
            a << r.iId;
        return a;
    };
    const auto fOggetti = [&] {
        QList<qint64> a;
        for (const TSensore &o : doc.fOggetti())
            a << o.Get_id();
        return a;
    };

    // the project as opened is checked whole
    QCOMPARE(fTesti(inc.fFindings()), fTesti(fVerificaProgetto(doc.fConn(), doc.fRootPrj())));
    bool bConfrontato = true; // the previous step was compared: this one's work is its own
    QSet<QString> aCodici;
    for (int iPasso = 0; iPasso < 160; ++iPasso) {
        const int iMossa = rng.bounded(22);
        const QList<qint64> aAree = fAree();
        const QList<qint64> aOggetti = fOggetti();
        const qint64 iOggetto = aOggetti.isEmpty() ? 0 : fUno(aOggetti);
        bool bSoloRighe = false; // a step that touches one row of one object
        QString sMossa;
        try {
            switch (iMossa) {
            case 0:
                sMossa = "area base";
                doc.pAggiungiAreaBase(fUno(asNomi));
                break;
            case 1: {
                sMossa = "area di dettaglio";
                QList<qint64> aBasi;
                for (const TAreaRow &r : doc.fAree().fRows())
                    if (r.iLivello == 0)
                        aBasi << r.iId;
                if (!aBasi.isEmpty())
                    doc.pAggiungiAreaDettaglio(fUno(aBasi), fUno(asNomi), 32);
                break;
            }
            case 2:
                sMossa = "elimina area";
                if (aAree.size() > 2)
                    doc.pEliminaArea(fUno(aAree));
                break;
            case 3:
                sMossa = "rinomina area";
                doc.pRinominaArea(fUno(aAree), fUno(asNomi) + QString::number(iPasso));
                break;
            case 4:
                sMossa = "sfondo";
                doc.pCambiaSfondo(fUno(aAree), s.fSfondo(rng.bounded(int(s.aSfondi.size()))));
                break;
            case 5:
                sMossa = "mostra";
                doc.pMostraArea(fUno(aAree));
                break;
            case 6:
            case 7:
                sMossa = "oggetto";
                doc.pAggiungiOggetto(1 + rng.bounded(10), 16 * (1 + rng.bounded(3)),
                                     QString::number(fUno(QList<int>{0, 1, 2, 3, 3, 999, 1000})));
                break;
            case 8:
            case 9:
                sMossa = "sposta";
                bSoloRighe = true;
                if (iOggetto)
                    doc.pSpostaOggetto(iOggetto, rng.bounded(2), fPunto());
                break;
            case 10:
                sMossa = "spingi";
                bSoloRighe = true;
                if (iOggetto)
                    doc.pSpingiOggetto(iOggetto, rng.bounded(3), fPunto());
                break;
            case 11:
                sMossa = "elimina oggetto";
                if (iOggetto)
                    doc.pEliminaOggetto(iOggetto);
                break;
            case 12:
                sMossa = "testo";
                bSoloRighe = true;
                if (iOggetto)
                    doc.pAggiungiTesto(iOggetto, fPunto(), 1 + rng.bounded(9), 1, fUno(asTesti));
                break;
            case 13:
                sMossa = "modifica testo";
                bSoloRighe = true;
                if (iOggetto) {
                    doc.pModificaTesto(iOggetto, fUno(asTesti));
                    doc.pSpostaTesto(iOggetto, fPunto(), fUno(asTesti));
                }
                break;
            case 14:
                sMossa = "elimina testo";
                if (iOggetto)
                    doc.pEliminaTesto(iOggetto);
                break;
            case 15:
                sMossa = "proprietà";
                if (iOggetto)
                    doc.pCambiaProprieta(iOggetto, 1 + rng.bounded(10), QString::number(rng.bounded(5)), fPunto(),
                                         fUno(asTesti), fPunto(), 3, 1);
                break;
            case 16: {
                sMossa = "sposta tutti";
                QList<TElemento> a;
                for (qint64 iId : aOggetti)
                    a.append({iId, 0, fPunto()});
                doc.pSpostaElementi(a, QStringLiteral("spostamento"), false);
                break;
            }
            case 17:
            case 18:
                sMossa = "annulla";
                doc.fUndoStack()->undo();
                break;
            case 19:
                sMossa = "ripeti";
                doc.fUndoStack()->redo();
                break;
            case 20: {
                // another program rewrites a picture in place, its size and times as they were; the window
                // becomes active again
                sMossa = "sfondo riscritto da fuori";
                const QString sPath = doc.fAreaPicturePath(fUno(aAree));
                const QByteArray ab = fLeggiFile(sPath);
                if (ab.startsWith("\xff\xd8\xff\xe0"))
                    pRiscriviSulPosto(sPath, fUnaRigaInMeno(ab));
                inc.pRivediSfondi();
                break;
            }
            case 21: {
                // a row changed from outside, then read again: a marker to no area, a number out of range
                sMossa = "righe da fuori";
                TSqlConn &conn = doc.fConn();
                conn.pExec(QStringLiteral("update tbsensori set area_zoom = 77 where TipoSensore = 3 and _id = "
                                          "(select min(_id) from tbsensori where TipoSensore = 3)"));
                conn.pExec(QStringLiteral("update tbsensori set NumSensore = 1000 where _id = %1").arg(iOggetto));
                doc.pRileggi();
                break;
            }
            }
        } catch (const TOmbrixError &) {
            // a refused step changes nothing the check does not see
        }
        if (rng.bounded(4) == 0) { // now and then, steps pile up before the refresh
            bConfrontato = false;
            continue;
        }
        const qint64 iVerificate = inc.fAreeVerificate();
        const qint64 iDecodifiche = inc.fSfondi().fDecodifiche();
        const QStringList asInc = fTesti(inc.fFindings());
        for (const TFinding &f : inc.fFindings())
            aCodici.insert(f.sCodice);
        const QString sPasso = QStringLiteral("step %1 (%2)").arg(iPasso).arg(sMossa);
        const QStringList asPiena = fTesti(fVerificaProgetto(doc.fConn(), doc.fRootPrj()));
        if (asInc != asPiena)
            qWarning("after %s", qPrintable(sPasso));
        QCOMPARE(asInc, asPiena);
        QVERIFY2(fCsv(inc.fRigheIo()) == fCsv(fRiferimentiIo(doc.fConn())), qPrintable(sPasso));
        if (bConfrontato && bSoloRighe) {
            // one object's rows: at most its area is checked again, and no picture is decoded
            QVERIFY2(inc.fAreeVerificate() - iVerificate <= 1, qPrintable(sPasso));
            QVERIFY2(inc.fSfondi().fDecodifiche() == iDecodifiche, qPrintable(sPasso));
        }
        bConfrontato = true;
    }
    // the sequence met every finding that spans areas or pictures
    for (const char *sz : {"marcatore-orfano", "area-irraggiungibile", "sfondo-mancante", "sfondo-dimensioni",
                           "fuori-pannello", "numero-fuori-campo"})
        QVERIFY2(aCodici.contains(QLatin1String(sz)), sz);
    // a project opened again is read whole; a closed one has nothing
    const QString sDb = doc.fDatabase();
    doc.pChiudiProgetto();
    QVERIFY(inc.fFindings().isEmpty());
    QVERIFY(inc.fRigheIo().isEmpty());
    doc.pApriProgetto(sDb);
    QCOMPARE(fTesti(inc.fFindings()), fTesti(fVerificaProgetto(doc.fConn(), doc.fRootPrj())));
}

void TstVerificaIncrementale::pictureDecodedAgainOnlyWhenItsBytesChange_data()
{
    QTest::addColumn<int>("iCaso");
    QTest::addColumn<int>("iDecodifiche");
    QTest::addColumn<QString>("sFatti");
    QTest::newRow("unchanged") << 0 << 0 << "Letto 480x272";
    QTest::newRow("same bytes written again in place") << 1 << 0 << "Letto 480x272";
    QTest::newRow("other bytes, same size, in place, times put back") << 2 << 1 << "Letto 480x271";
    QTest::newRow("same bytes by rename") << 3 << 0 << "Letto 480x272";
    QTest::newRow("other picture by rename") << 4 << 1 << "Letto 800x480";
    QTest::newRow("bytes that are no JPEG, same size") << 5 << 1 << "NonLeggibile";
    QTest::newRow("removed") << 6 << 0 << "Mancante";
    QTest::newRow("a folder in its place") << 7 << 0 << "NonFile";
}

void TstVerificaIncrementale::pictureDecodedAgainOnlyWhenItsBytesChange()
{
    QFETCH(int, iCaso);
    QFETCH(int, iDecodifiche);
    QFETCH(QString, sFatti);
    QTemporaryDir dir;
    const QString sPath = dir.filePath(QStringLiteral("img_1.jpg"));
    const QByteArray ab = fJpeg(480, 272, 1);
    pScriviFile(sPath, ab);
    TCacheSfondi cache;
    QCOMPARE(cache.fFatti(sPath).dim, QSize(480, 272));
    QCOMPARE(cache.fDecodifiche(), qint64(1));
    switch (iCaso) {
    case 1:
        pRiscriviSulPosto(sPath, ab);
        break;
    case 2:
        pRiscriviSulPosto(sPath, fUnaRigaInMeno(ab));
        break;
    case 3:
        pSostituisci(sPath, ab);
        break;
    case 4:
        pSostituisci(sPath, fJpeg(800, 480, 2));
        break;
    case 5:
        pRiscriviSulPosto(sPath, QByteArray(ab.size(), 'x'));
        break;
    case 6:
        QVERIFY(QFile::remove(sPath));
        break;
    case 7:
        QVERIFY(QFile::remove(sPath));
        QVERIFY(QDir().mkdir(sPath));
        break;
    }
    for (int i = 0; i < 2; ++i) { // asked twice, decoded at most once
        const TFattiSfondo f = cache.fFatti(sPath);
        static const char *const aszStati[] = {"Mancante", "NonFile", "NonLeggibile", "Letto"};
        QString sVisto = QString::fromLatin1(aszStati[int(f.eStato)]);
        if (f.eStato == TFattiSfondo::EStato::Letto)
            sVisto += QStringLiteral(" %1x%2").arg(f.dim.width()).arg(f.dim.height());
        QCOMPARE(sVisto, sFatti);
        QCOMPARE(cache.fDecodifiche(), qint64(1 + iDecodifiche));
    }
}

void TstVerificaIncrementale::oldPictureIsNotReadAgain()
{
    QTemporaryDir dir;
    const QString sPath = dir.filePath(QStringLiteral("img_1.jpg"));
    pScriviFile(sPath, fJpeg(480, 272, 1));
    TCacheSfondi cache;
    cache.fFatti(sPath);
    cache.fFatti(sPath); // just written: its bytes are compared
    QCOMPARE(cache.fLetture(), qint64(2));
    QTest::qWait(2100); // past the coarsest timestamps a file system has
    cache.fFatti(sPath);
    const qint64 iLetture = cache.fLetture();
    cache.fFatti(sPath);
    QCOMPARE(cache.fLetture(), iLetture);
    QCOMPARE(cache.fDecodifiche(), qint64(1));
    // its identity still tells a change
    pRiscriviSulPosto(sPath, fUnaRigaInMeno(fLeggiFile(sPath)));
    QCOMPARE(cache.fFatti(sPath).dim, QSize(480, 271));
}

void TstVerificaIncrementale::changesTurnShownRowsIntoNewOnes()
{
    // random sorted lists with repeated keys: the changes, applied in order, give the new list
    QRandomGenerator rng(7);
    const auto fLista = [&] {
        QList<std::pair<int, int>> a; // key, content
        for (int i = rng.bounded(12); i > 0; --i)
            a.append({rng.bounded(6), rng.bounded(3)});
        std::sort(a.begin(), a.end(), [](const auto &x, const auto &y) { return x.first < y.first; });
        return a;
    };
    for (int iProva = 0; iProva < 500; ++iProva) {
        const auto aPrima = fLista();
        const auto aDopo = fLista();
        auto aVista = aPrima;
        qsizetype iFine = 0;
        for (const TTratto &t : fTratti(aPrima, aDopo, [](const auto &x) { return x.first; })) {
            QVERIFY(t.iRiga >= iFine && (t.nTolte > 0 || t.nNuove > 0));
            aVista.remove(t.iRiga, t.nTolte);
            for (qsizetype i = 0; i < t.nNuove; ++i)
                aVista.insert(t.iRiga + i, aDopo.at(t.iRiga + i));
            iFine = t.iRiga + t.nNuove;
        }
        QCOMPARE(aVista, aDopo);
    }
    // one row changed in a long list is one change of one row
    QList<std::pair<int, int>> aLunga;
    for (int i = 0; i < 100; ++i)
        aLunga.append({i, 0});
    auto aCambiata = aLunga;
    aCambiata[40].second = 1;
    QCOMPARE(fTratti(aLunga, aCambiata, [](const auto &x) { return x.first; }), QList<TTratto>({{40, 1, 1}}));
}

QTEST_MAIN(TstVerificaIncrementale)
#include "tst_verificaincrementale.moc"
