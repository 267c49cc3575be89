// The project check on real projects: each code planted at its boundary in a
// clean project, the key squares against the export's key records, and the
// I/O cross-reference with its helpers.

#include "check/riferimentiio.h"
#include "check/verifica.h"
#include "export/exportfixture.h"
#include "export/exportrun.h"
#include "helpers/lingueprova.h"
#include "model/appfonts.h"
#include "model/labelfont.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include <sys/stat.h>

namespace {

/** One object planted on the clean project. */
struct TPianta
{
    int iArea = 1;
    int iTipo = 2;
    int iNum = 5;
    int iIcon = 32;
    int x = 200, y = 100, x2 = 0, y2 = 0, xt = 0, yt = 0;
    int iFont = 1;
    QString sTesto = {};
    int iZoom = 0;
    int iColor = 16;
};

enum class TSfondo { Buono, Nessuno, Rotto, Png, Cartella, Fifo, Grande };

struct TCaso
{
    QList<TPianta> aOggetti = {};
    QString sNomeArea1 = QStringLiteral("Piano terra");
    TSfondo eSfondo1 = TSfondo::Buono;
    int iAreaExtra = 0; // one more area of this id, with a good picture
    int iLivelloExtra = 0;
};

/** The size a label takes on the canvas. */
QSize fTesto(int iFont, const QString &s)
{
    pLoadTahoma();
    return QFontMetrics(fLabelFont(iFont)).boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft, s).size();
}

} // namespace

Q_DECLARE_METATYPE(TCaso)

class TstVerifica : public QObject
{
    Q_OBJECT

private slots:
    void plantedCodeAtItsBoundary_data();
    void plantedCodeAtItsBoundary();
    void keySquaresAreWhereTheExportPutsTheKeys();
    void crossReferenceSortsAndFindsSharedAndFreeNumbers_data();
    void crossReferenceSortsAndFindsSharedAndFreeNumbers();
};

void TstVerifica::plantedCodeAtItsBoundary_data()
{
    QTest::addColumn<TCaso>("caso");
    QTest::addColumn<QStringList>("asCodici");
    using L = QStringList;
    const auto o = [](TPianta p) { return TCaso{{p}}; };
    const QString s23 = QStringLiteral("Ventitre caratteri qui!");
    QCOMPARE(s23.size(), 23);
    const QString sNord = QStringLiteral("Finestra nord");
    const QSize t = fTesto(9, sNord);

    QTest::newRow("clean") << TCaso{} << L{};
    // numero-fuori-campo: inputs and outputs only
    QTest::newRow("number 0") << o({.iNum = 0}) << L{"numero-fuori-campo"};
    QTest::newRow("number 1") << o({.iTipo = 6, .iNum = 1}) << L{};
    QTest::newRow("number 999") << o({.iNum = 999}) << L{};
    QTest::newRow("number 1000") << o({.iNum = 1000}) << L{"numero-fuori-campo"};
    QTest::newRow("output -3") << o({.iTipo = 6, .iNum = -3}) << L{"numero-fuori-campo"};
    QTest::newRow("zoom marker has no number") << o({.iTipo = 3, .iNum = 0, .iZoom = 2}) << L{};
    // testo-lungo
    QTest::newRow("label 23") << o({.xt = 10, .yt = 200, .sTesto = s23}) << L{};
    QTest::newRow("label 24") << o({.xt = 10, .yt = 200, .sTesto = s23 + QLatin1Char('x')}) << L{"testo-lungo"};
    // carattere-vietato
    QTest::newRow("comma") << o({.xt = 10, .yt = 200, .sTesto = "Porta, nord"}) << L{"carattere-vietato"};
    QTest::newRow("bar") << o({.xt = 10, .yt = 200, .sTesto = "Porta|nord"}) << L{"carattere-vietato"};
    QTest::newRow("tab in label") << o({.xt = 10, .yt = 200, .sTesto = "Porta\tnord"}) << L{"carattere-vietato"};
    QTest::newRow("control in area name")
        << TCaso{.sNomeArea1 = QStringLiteral("Piano\x01terra")} << L{"carattere-vietato"};
    QTest::newRow("comma in area name") << TCaso{.sNomeArea1 = QStringLiteral("Piano, terra")} << L{};
    // fuori-pannello: icon centre, second end, label position
    QTest::newRow("centre x 479") << o({.x = 463}) << L{};
    QTest::newRow("centre x 480") << o({.x = 464}) << L{"fuori-pannello"};
    QTest::newRow("centre y 271") << o({.y = 255}) << L{};
    QTest::newRow("centre y 272") << o({.y = 256}) << L{"fuori-pannello"};
    QTest::newRow("centre x -1") << o({.x = -17}) << L{"fuori-pannello"};
    QTest::newRow("second end 479") << o({.iTipo = 4, .x2 = 476, .y2 = 100}) << L{};
    QTest::newRow("second end 480") << o({.iTipo = 4, .x2 = 477, .y2 = 100}) << L{"fuori-pannello"};
    QTest::newRow("second end of no barrier") << o({.x2 = 900, .y2 = 900}) << L{};
    QTest::newRow("label x 479") << o({.xt = 479, .yt = 100, .sTesto = "P"}) << L{"testo-tagliato"};
    QTest::newRow("label x 480") << o({.xt = 480, .yt = 100, .sTesto = "P"}) << L{"fuori-pannello"};
    QTest::newRow("label y 272") << o({.xt = 10, .yt = 272, .sTesto = "P"}) << L{"fuori-pannello"};
    // testo-tagliato: measured in the canvas's label font
    QTest::newRow("text to the right edge")
        << o({.xt = 480 - t.width(), .yt = 100, .iFont = 9, .sTesto = sNord}) << L{};
    QTest::newRow("text past the right edge")
        << o({.xt = 481 - t.width(), .yt = 100, .iFont = 9, .sTesto = sNord}) << L{"testo-tagliato"};
    QTest::newRow("text to the bottom edge")
        << o({.xt = 10, .yt = 272 - t.height(), .iFont = 9, .sTesto = sNord}) << L{};
    QTest::newRow("text past the bottom edge")
        << o({.xt = 10, .yt = 273 - t.height(), .iFont = 9, .sTesto = sNord}) << L{"testo-tagliato"};
    QTest::newRow("position of no label") << o({.xt = 900, .yt = 900}) << L{};
    // testo-sovrapposto: a lamp's label over the contact's icon, x 200-231, y 100-131
    const QSize l = fTesto(1, QStringLiteral("Luce"));
    const auto sopra = [](int xt, int yt) {
        return TCaso{{{}, {.iTipo = 6, .x = 300, .y = 200, .xt = xt, .yt = yt, .sTesto = "Luce"}}};
    };
    QTest::newRow("label touching an icon's left") << sopra(200 - l.width(), 110) << L{};
    QTest::newRow("label one pixel over its left") << sopra(201 - l.width(), 110) << L{"testo-sovrapposto"};
    QTest::newRow("label touching its bottom") << sopra(205, 132) << L{};
    QTest::newRow("label one pixel over its bottom") << sopra(205, 131) << L{"testo-sovrapposto"};
    QTest::newRow("label over a zoom marker") << sopra(110, 160) << L{"testo-sovrapposto"};
    QTest::newRow("label over its own icon") << o({.xt = 205, .yt = 105, .sTesto = "Luce"}) << L{};
    // sfondo-mancante, sfondo-dimensioni
    QTest::newRow("no picture") << TCaso{.eSfondo1 = TSfondo::Nessuno} << L{"sfondo-mancante"};
    QTest::newRow("broken picture") << TCaso{.eSfondo1 = TSfondo::Rotto} << L{"sfondo-mancante"};
    QTest::newRow("PNG named .jpg") << TCaso{.eSfondo1 = TSfondo::Png} << L{"sfondo-mancante"};
    QTest::newRow("folder") << TCaso{.eSfondo1 = TSfondo::Cartella} << L{"sfondo-mancante"};
    QTest::newRow("pipe, not opened") << TCaso{.eSfondo1 = TSfondo::Fifo} << L{"sfondo-mancante"};
    QTest::newRow("800 x 480") << TCaso{.eSfondo1 = TSfondo::Grande} << L{"sfondo-dimensioni"};
    // marcatore-orfano, area-irraggiungibile
    QTest::newRow("marker to no area") << o({.iTipo = 3, .iNum = 0, .iZoom = 9}) << L{"marcatore-orfano"};
    QTest::newRow("detail area without marker")
        << TCaso{.iAreaExtra = 3, .iLivelloExtra = 1} << L{"area-irraggiungibile"};
    QTest::newRow("base area without marker") << TCaso{.iAreaExtra = 3} << L{};
    // id-fuori-campo: areas only
    QTest::newRow("area id 99") << TCaso{.iAreaExtra = 99} << L{};
    QTest::newRow("area id 100") << TCaso{.iAreaExtra = 100} << L{"id-fuori-campo"};
    // numero-duplicato: same class in one area
    QTest::newRow("input twice") << TCaso{{{}, {.iTipo = 1}}} << L{"numero-duplicato"};
    QTest::newRow("input and output") << TCaso{{{}, {.iTipo = 6}}} << L{};
    QTest::newRow("other area") << TCaso{{{}, {.iArea = 2}}} << L{};
    // su-tasti: Tpre of a base area covers x 164-195, y 2-33; Tsup of a detail area x 254-285
    QTest::newRow("left of Tpre") << o({.x = 132, .y = 2}) << L{};
    QTest::newRow("on Tpre") << o({.x = 133, .y = 2}) << L{"su-tasti"};
    QTest::newRow("below the keys") << o({.x = 170, .y = 34}) << L{};
    QTest::newRow("on the keys' last row") << o({.x = 170, .y = 33}) << L{"su-tasti"};
    QTest::newRow("between base keys") << o({.iIcon = 16, .x = 256, .y = 10}) << L{};
    QTest::newRow("on Tsup") << o({.iArea = 2, .iIcon = 16, .x = 256, .y = 10}) << L{"su-tasti"};
    // carattere-non-cp1252
    QTest::newRow("in code page") << o({.xt = 10, .yt = 200, .sTesto = "Caffè 5€"}) << L{};
    QTest::newRow("base letter only") << o({.xt = 10, .yt = 200, .sTesto = "Luce ś"}) << L{"carattere-non-cp1252"};
    QTest::newRow("area name") << TCaso{.sNomeArea1 = QStringLiteral("Sala ő")} << L{"carattere-non-cp1252"};
    // stile-fuori-catalogo: size 0-9, colour 0-10 and 16, written by the export with or without a text
    QTest::newRow("size 9, colour 10") << o({.iFont = 9, .iColor = 10}) << L{};
    QTest::newRow("size 0, colour 0") << o({.iFont = 0, .iColor = 0}) << L{};
    QTest::newRow("size 10") << o({.iFont = 10}) << L{"stile-fuori-catalogo"};
    QTest::newRow("size -1") << o({.iFont = -1}) << L{"stile-fuori-catalogo"};
    QTest::newRow("colour 11") << o({.iColor = 11}) << L{"stile-fuori-catalogo"};
    QTest::newRow("colour 15") << o({.iColor = 15}) << L{"stile-fuori-catalogo"};
    QTest::newRow("both 99999, labelled") << o({.xt = 10, .yt = 200, .iFont = 99999, .sTesto = "P", .iColor = 99999})
                                          << L{"stile-fuori-catalogo", "stile-fuori-catalogo"};
    QTest::newRow("zoom marker's style is never written") << o({.iTipo = 3, .iNum = 0, .iFont = 99, .iZoom = 2}) << L{};
    // tipo-sconosciuto
    QTest::newRow("type 0") << o({.iTipo = 0}) << L{"tipo-sconosciuto"};
    QTest::newRow("type 10") << o({.iTipo = 10}) << L{};
    QTest::newRow("type 11") << o({.iTipo = 11, .iNum = 0}) << L{"tipo-sconosciuto"};
}

void TstVerifica::plantedCodeAtItsBoundary()
{
    QFETCH(TCaso, caso);
    QFETCH(QStringList, asCodici);
    TProgettoProva p;
    // the clean project: a base area with a marker to its detail area, a labelled contact
    p.pArea(1, 0, 0, caso.sNomeArea1);
    p.pArea(2, 1, 1, QStringLiteral("Cucina"));
    p.pSensore(1, 3, 0, 32, 100, 150, 0, 0, 0, 0, 0, 0, QString(), 2);
    p.pSensore(1, 2, 1, 32, 100, 100, 0, 0, 142, 104, 7, 16, QStringLiteral("Porta"));
    pScriviJpeg(p.fImmagine(2), 480, 272, JCS_RGB);
    if (caso.iAreaExtra) {
        p.pArea(caso.iAreaExtra, caso.iLivelloExtra, caso.iLivelloExtra ? 1 : 0, QStringLiteral("Extra"));
        pScriviJpeg(p.fImmagine(caso.iAreaExtra), 480, 272, JCS_GRAYSCALE);
    }
    const QString sSfondo = p.fImmagine(1);
    switch (caso.eSfondo1) {
    case TSfondo::Buono:
        pScriviJpeg(sSfondo, 480, 272, JCS_RGB);
        break;
    case TSfondo::Nessuno:
        break;
    case TSfondo::Rotto:
        pScriviFile(sSfondo, QByteArray("\xff\xd8\xff not really", 14));
        break;
    case TSfondo::Png:
        QVERIFY(QImage(480, 272, QImage::Format_RGB32).save(sSfondo, "PNG"));
        break;
    case TSfondo::Cartella:
        QVERIFY(QDir().mkpath(sSfondo));
        break;
    case TSfondo::Fifo:
        QCOMPARE(mkfifo(QFile::encodeName(sSfondo).constData(), 0600), 0);
        break;
    case TSfondo::Grande:
        pScriviJpeg(sSfondo, 800, 480, JCS_RGB);
        break;
    }
    int iUltimo = 0;
    for (const TPianta &o : caso.aOggetti)
        iUltimo = p.pSensore(o.iArea, o.iTipo, o.iNum, o.iIcon, o.x, o.y, o.x2, o.y2, o.xt, o.yt, o.iFont, o.iColor,
                             o.sTesto, o.iZoom);

    const QList<TFinding> aFindings = fVerificaProgetto(p.conn, p.fRoot());
    static const QStringList asErrori = {"numero-fuori-campo",  "testo-lungo",     "carattere-vietato",
                                         "fuori-pannello",      "sfondo-mancante", "marcatore-orfano",
                                         "stile-fuori-catalogo"};
    QStringList asTrovati;
    for (const TFinding &f : aFindings) {
        asTrovati << f.sCodice;
        QCOMPARE(f.eGravita == TGravita::Errore, asErrori.contains(f.sCodice));
        // a finding about an object names the planted one; one about an area has no object
        if (f.iOggettoId)
            QCOMPARE(*f.iOggettoId, qint64(iUltimo));
        QVERIFY2(!f.sMessaggio.isEmpty() && !f.sMessaggio.contains(QLatin1Char('\t')) &&
                     !f.sMessaggio.contains(QChar(1)),
                 qPrintable(f.sMessaggio));
    }
    QCOMPARE(asTrovati, asCodici);
}

void TstVerifica::keySquaresAreWhereTheExportPutsTheKeys()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("base"));
    p.pArea(2, 1, 1, QStringLiteral("dettaglio"));
    pEsportaProgetto(p.fP());
    QStringList asTasti;
    for (const QString &sRiga : fRighe(fLeggiFile(p.fMaps()))) {
        const QStringList as = sRiga.split(QLatin1Char(','));
        if (as.at(0).startsWith(QLatin1Char('T')) && as.at(0) != QStringLiteral("Tinf"))
            asTasti << QStringList{as.at(0), as.at(4), as.at(5), as.at(8)}.join(QLatin1Char(' '));
    }
    QStringList asAttesi;
    for (int iLivello : {0, 1}) {
        for (const TTasto &t : fTastiDelLivello(iLivello))
            asAttesi << QStringLiteral("%1 %2 %3 %4")
                            .arg(t.sCodice)
                            .arg(t.rect.x() + t.rect.width() / 2, 3, 10, QLatin1Char('0'))
                            .arg(t.rect.y() + t.rect.height() / 2, 3, 10, QLatin1Char('0'))
                            .arg(t.rect.width());
    }
    QCOMPARE(asTasti, asAttesi);
    QVERIFY(fTastiDelLivello(2).isEmpty());
}

void TstVerifica::crossReferenceSortsAndFindsSharedAndFreeNumbers_data()
{
    pColonnaLingua();
    QTest::addColumn<QStringList>("asParole"); // input, output, barrier, contact, volumetric, lamp, irrigation
    for (const QString &l : fLingue())
        fRiga("two areas", l) << (l == QLatin1String("en") ? QStringList{"input", "output", "barrier", "contact",
                                                                         "volumetric detector", "lamp", "irrigation"}
                                                           : QStringList{"ingresso", "uscita", "barriera", "contatto",
                                                                         "volumetrico", "lampada", "irrigazione"});
}

void TstVerifica::crossReferenceSortsAndFindsSharedAndFreeNumbers()
{
    QFETCH(QString, lingua);
    QFETCH(QStringList, asParole);
    const TLinguaDiProva parla(lingua);
    const QString &sIn = asParole.at(0);
    const QString &sOut = asParole.at(1);
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    p.pArea(2, 0, 0, QStringLiteral("due"));
    const int a = p.pSensore(2, 6, 2, 32, 0, 0); // output 2
    const int b = p.pSensore(2, 1, 7, 32, 0, 0); // input 7, area 2
    const int c = p.pSensore(1, 2, 7, 32, 0, 0); // input 7, area 1
    const int d = p.pSensore(1, 4, 3, 32, 0, 0); // input 3
    const int e = p.pSensore(2, 2, 3, 32, 0, 0); // input 3 again, other area
    const int f = p.pSensore(1, 2, 1000, 32, 0, 0, 0, 0, 0, 0, 0, 0, QStringLiteral("x"));
    p.pSensore(1, 3, 0, 32, 0, 0, 0, 0, 0, 0, 0, 0, QString(), 2); // zoom marker: no number
    p.pSensore(1, 11, 4, 32, 0, 0);                                // unknown type: no class
    const int g = p.pSensore(9, 10, 4, 32, 0, 0);                  // an area that does not exist

    const QList<TRigaIo> aRighe = fRiferimentiIo(p.conn);
    QStringList as;
    for (const TRigaIo &r : aRighe)
        as << QStringLiteral("%1 %2 %3 %4 %5 %6")
                  .arg(fNomeClasseIo(r.eClasse))
                  .arg(r.iNumero)
                  .arg(r.sTipo)
                  .arg(r.iAreaId)
                  .arg(r.sArea)
                  .arg(r.iSensoreId);
    QCOMPARE(as, QStringList({QStringLiteral("%1 3 %2 1 uno %3").arg(sIn, asParole.at(2)).arg(d),
                              QStringLiteral("%1 3 %2 2 due %3").arg(sIn, asParole.at(3)).arg(e),
                              QStringLiteral("%1 7 %2 1 uno %3").arg(sIn, asParole.at(3)).arg(c),
                              QStringLiteral("%1 7 %2 2 due %3").arg(sIn, asParole.at(4)).arg(b),
                              QStringLiteral("%1 1000 %2 1 uno %3").arg(sIn, asParole.at(3)).arg(f),
                              QStringLiteral("%1 2 %2 2 due %3").arg(sOut, asParole.at(5)).arg(a),
                              QStringLiteral("%1 4 %2 9  %3").arg(sOut, asParole.at(6)).arg(g)}));
    QCOMPARE(fNumeriInPiuAree(aRighe, TClasseIo::Ingresso), QList<qint64>({3, 7}));
    QCOMPARE(fNumeriInPiuAree(aRighe, TClasseIo::Uscita), QList<qint64>());
    // 1000 is no panel number: the free ones stop below the highest valid one
    QCOMPARE(fNumeriLiberi(aRighe, TClasseIo::Ingresso), QList<qint64>({1, 2, 4, 5, 6}));
    QCOMPARE(fNumeriLiberi(aRighe, TClasseIo::Uscita), QList<qint64>({1, 3}));
}

QTEST_MAIN(TstVerifica)
#include "tst_verifica.moc"
