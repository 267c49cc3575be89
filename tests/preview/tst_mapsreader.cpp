// The reader of maps.txt: an exported project read back field by field
// against its database, and malformed files refused at the right line.

#include "export/exportfixture.h"
#include "export/exportrun.h"
#include "preview/mapsreader.h"
#include "workspace/errors.h"

#include <QTest>

#include <algorithm>
#include <map>

namespace {

/** A project with two base areas, a detail area, every kind of object, a
 *  label with a comma and an accented letter, and an area name with one. */
void pProgettoCompleto(TProgettoProva &prj)
{
    prj.pArea(1, 0, 0, QStringLiteral("Piano terra"));
    prj.pArea(4, 0, 0, QStringLiteral("Primo piano, è"));
    prj.pArea(7, 1, 1, QStringLiteral("Cucina"));
    prj.pSensore(1, 3, 0, 32, 100, 50, 0, 0, 0, 0, 0, 0, QString(), 7);
    prj.pSensore(1, 1, 4, 32, 200, 120, 0, 0, 242, 128, 3, 2, QStringLiteral("Ingresso"));
    prj.pSensore(1, 4, 5, 16, 60, 200, 150, 204);
    prj.pSensore(1, 6, 1, 48, 300, 150);
    prj.pSensore(4, 2, 7, 32, 223, 119, 0, 0, 265, 128, 9, 16, QStringLiteral("Porta, è"));
    prj.pSensore(4, 9, 12, 16, 10, 40);
    prj.pSensore(7, 10, 3, 32, 400, 200, 0, 0, 0, 0, 0, 0, QStringLiteral("Orto"));
    pScriviJpeg(prj.fImmagine(1), 480, 272, JCS_RGB);
}

/** The line a record or area stands on, for messages. */
QByteArray fDove(int iRiga)
{
    return "riga " + QByteArray::number(iRiga);
}

} // namespace

class TstMapsReader : public QObject
{
    Q_OBJECT

private slots:
    void exportReadBackEqualsTheDatabase();
    void malformedFileStopsAtItsLine_data();
    void malformedFileStopsAtItsLine();
};

void TstMapsReader::exportReadBackEqualsTheDatabase()
{
    TProgettoProva prj;
    pProgettoCompleto(prj);
    pEsportaProgetto(prj.fP());
    const TMappa m = fLeggiMappaFile(prj.fMaps());

    // the areas, in export order, with their keys
    QList<qint64> aOrdine;
    for (const TAreaMappa &a : m.aAree)
        aOrdine << a.iId;
    QCOMPARE(aOrdine, (QList<qint64>{1, 4, 7}));
    TSqlQuery qa = prj.conn.fQuery(QStringLiteral("select _id, livello, father_id, NomeArea from tbarea"));
    std::map<qint64, QList<qint64>> fratelli; // siblings by parent, ascending id
    struct TRiga
    {
        qint64 iLivello, iFather;
        QString sNome;
    };
    std::map<qint64, TRiga> aree;
    while (qa.fNext()) {
        aree[qa.fInt64(0)] = {qa.fInt64(1), qa.fInt64(2), qa.fText(3)};
        fratelli[qa.fInt64(2)] << qa.fInt64(0);
    }
    QCOMPARE(m.aAree.size(), qsizetype(aree.size()));
    for (const TAreaMappa &a : m.aAree) {
        const TRiga &r = aree.at(a.iId);
        QCOMPARE(a.iLivello, r.iLivello);
        QCOMPARE(a.sNome, r.sNome);
        QCOMPARE(a.sBitmap, QStringLiteral("file%1.bmp").arg(a.iId, 4, 10, QLatin1Char('0')));
        QList<qint64> f = fratelli.at(r.iFather);
        std::sort(f.begin(), f.end());
        const qsizetype i = f.indexOf(a.iId);
        const qint64 iPrev = f.at((i + f.size() - 1) % f.size());
        const qint64 iNext = f.at((i + 1) % f.size());
        QStringList asTipi;
        QList<qint64> aDest, aX;
        for (const TRecordMappa &t : a.aTasti) {
            asTipi << t.sTipo;
            aDest << t.iId;
            aX << t.iX;
            QCOMPARE(t.iY, 18);
            QCOMPARE(t.iIconSize, 32);
            QCOMPARE(t.iLink, 0);
            QVERIFY(t.sTesto.isEmpty());
        }
        if (r.iLivello == 0) {
            QCOMPARE(asTipi, (QStringList{"Tpre", "Tesc", "Tnex"}));
            QCOMPARE(aDest, (QList<qint64>{iPrev, 0, iNext}));
            QCOMPARE(aX, (QList<qint64>{180, 240, 300}));
        } else {
            QCOMPARE(asTipi, (QStringList{"Tpre", "Tesc", "Tsup", "Tnex"}));
            QCOMPARE(aDest, (QList<qint64>{iPrev, 0, r.iFather, iNext}));
            QCOMPARE(aX, (QList<qint64>{150, 210, 270, 330}));
        }
    }
    QCOMPARE(m.fHome(), 1);

    // every object, every field
    TSqlQuery qs = prj.conn.fQuery(
        QStringLiteral("select _id, area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, CoordX2, "
                       "CoordY2, CoordXt, CoordYt, FontTxt, ColorTxt, Testo from tbsensori order by _id"));
    int iOggetti = 0;
    while (qs.fNext()) {
        ++iOggetti;
        const qint64 iId = qs.fInt64(0);
        const TAreaMappa *pArea = m.fArea(qs.fInt64(1));
        QVERIFY(pArea);
        const int iTipo = int(qs.fInt64(5));
        const qint64 iMezzo = qs.fInt64(4) / 2;
        const QList<TRecordMappa> &aSezione =
            iTipo == 3 ? pArea->aZoom : (iTipo >= 6 ? pArea->aUscite : pArea->aIngressi);
        const auto it = std::find_if(aSezione.cbegin(), aSezione.cend(), [&](const TRecordMappa &r) {
            return iTipo == 3 ? r.iId == qs.fInt64(2) : r.iId == iId;
        });
        QVERIFY2(it != aSezione.cend(), qPrintable(QString::number(iId)));
        const TRecordMappa &r = *it;
        QCOMPARE(fTipoDaCodice(r.sTipo), iTipo);
        QCOMPARE(r.iIconSize, qs.fInt64(4));
        QCOMPARE(r.iX, qs.fInt64(6) + iMezzo);
        QCOMPARE(r.iY, qs.fInt64(7) + iMezzo);
        const bool bCapo = qs.fInt64(8) > 0;
        QCOMPARE(r.iX2, bCapo ? qs.fInt64(8) + 3 : 0);
        QCOMPARE(r.iY2, bCapo ? qs.fInt64(9) + 3 : 0);
        if (iTipo == 3) {
            QCOMPARE(r.iLink, 0);
            QVERIFY(r.sTesto.isEmpty());
            continue;
        }
        QCOMPARE(r.iLink, qs.fInt64(3));
        const bool bEtichetta = qs.fInt64(10) > 0 && qs.fInt64(11) > 0;
        QCOMPARE(r.iXt, bEtichetta ? qs.fInt64(10) : 0);
        QCOMPARE(r.iYt, bEtichetta ? qs.fInt64(11) : 0);
        const bool bStile = qs.fInt64(12) > 0 && qs.fInt64(13) > 0;
        QCOMPARE(r.iFont, bStile ? qs.fInt64(12) : 0);
        QCOMPARE(r.iColor, bStile ? qs.fInt64(13) : 0);
        QCOMPARE(r.sTesto, qs.fText(14));
    }
    int iLetti = 0;
    for (const TAreaMappa &a : m.aAree)
        iLetti += int(a.aZoom.size() + a.aIngressi.size() + a.aUscite.size());
    QCOMPARE(iLetti, iOggetti);
}

void TstMapsReader::malformedFileStopsAtItsLine_data()
{
    // One base area with a contact and a lamp: lines 1-6 head, 7-12 the block's head up to "TASTI",
    // 13-15 the keys, 16 "SENSORI", 17 the contact, 18 "USCITE", 19 the lamp, 20 end of block, 21 END OF FILE.
    QTest::addColumn<int>("iRiga");
    QTest::addColumn<QByteArray>("da");
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QString>("sAtteso");
    QTest::newRow("a comma less") << 17 << QByteArray(",239,135,") << QByteArray(",239135,")
                                  << QStringLiteral("riga 17: 24 campi invece di 25");
    QTest::newRow("line end without CR") << 3 << QByteArray("\r\n") << QByteArray("\n")
                                         << QStringLiteral("riga 3: la riga non finisce con CR LF");
    QTest::newRow("CR inside a line") << 19 << QByteArray("Olmp,") << QByteArray("Olmp\r,")
                                      << QStringLiteral("riga 19: CR senza LF");
    QTest::newRow("letter in a number") << 14 << QByteArray(",240,") << QByteArray(",2x0,")
                                        << QStringLiteral("riga 14: campo 5 \"2x0\" non valido");
    QTest::newRow("half a pair") << 17 << QByteArray(",---,---,32,") << QByteArray(",---,015,32,")
                                 << QStringLiteral("riga 17: campo 7 \"---\" non valido");
    QTest::newRow("output among inputs") << 17 << QByteArray("Sper,") << QByteArray("Olmp,")
                                         << QStringLiteral("riga 17: tipo \"Olmp\" inatteso");
    QTest::newRow("label field cut") << 17 << QByteArray("Porta|   ") << QByteArray("Porta|")
                                     << QStringLiteral("riga 17: campo 25");
    QTest::newRow("title without level") << 8 << QByteArray("Livello 0") << QByteArray("Livello x")
                                         << QStringLiteral("riga 8: atteso il titolo");
    QTest::newRow("no end of file") << 21 << QByteArray("END OF FILE") << QByteArray("END OF FILM")
                                    << QStringLiteral("riga 21: attesa la riga di asterischi");
    QTest::newRow("file cut before its end")
        << 21 << QByteArray() << QByteArray() << QStringLiteral("il file finisce prima di \"END OF FILE\"");
}

void TstMapsReader::malformedFileStopsAtItsLine()
{
    QFETCH(int, iRiga);
    QFETCH(QByteArray, da);
    QFETCH(QByteArray, a);
    QFETCH(QString, sAtteso);
    TProgettoProva prj;
    prj.pArea(1, 0, 0, QStringLiteral("Casa"));
    prj.pSensore(1, 2, 7, 32, 223, 119, 0, 0, 265, 128, 9, 16, QStringLiteral("Porta"));
    prj.pSensore(1, 6, 1, 32, 300, 150);
    pEsportaProgetto(prj.fP());
    const QByteArray dati = fLeggiFile(prj.fMaps());
    QCOMPARE(fLeggiMappa(dati, QStringLiteral("maps.txt")).aAree.size(), 1);

    QList<QByteArray> aRighe = dati.split('\n');
    aRighe.removeLast();
    QCOMPARE(aRighe.size(), 21);
    for (QByteArray &r : aRighe)
        r += '\n';
    QByteArray &riga = aRighe[iRiga - 1];
    if (da.isEmpty())
        riga.clear();
    else
        QVERIFY2(riga.contains(da), fDove(iRiga) + ": " + riga);
    riga.replace(riga.indexOf(da), da.size(), a);
    const QString sErrore = fErroreDi([&] { fLeggiMappa(aRighe.join(QByteArray()), QStringLiteral("out/maps.txt")); });
    QVERIFY2(sErrore.startsWith(QStringLiteral("out/maps.txt: ")), qPrintable(sErrore));
    QVERIFY2(sErrore.contains(sAtteso), qPrintable(sErrore));
}

QTEST_GUILESS_MAIN(TstMapsReader)
#include "tst_mapsreader.moc"
