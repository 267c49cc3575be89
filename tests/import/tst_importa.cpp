// A project rebuilt from its export: exported, imported, exported again,
// the same maps.txt byte for byte and the same pictures up to the JPEG step;
// malformed exports and existing folders refused with nothing written.

#include "export/exportfixture.h"
#include "export/exportrun.h"
#include "import/importa.h"
#include "model/sensorstore.h"
#include "preview/mapsreader.h"
#include "workspace/sqlconn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

/** A JPEG of quality 85 with the detail of a photograph: waves of a few pixels, soft shading and sharp-edged
 *  patches of colour, so that a picture moved by one pixel differs by about 5 per channel on average. */
void pScriviFoto(const QString &sPath, int w, int h, bool bGrigio)
{
    const int iCanali = bGrigio ? 1 : 3;
    QImage img(w, h, bGrigio ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        uchar *p = img.scanLine(y);
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < iCanali; ++c) {
                double v =
                    128 + 60 * std::sin(x / 5.0 + c) * std::cos(y / 7.0 + c / 2.0) + 30 * std::sin((x + y) / 23.0);
                if ((x / 40 + y / 30) % 4 == 0 && x % 40 > 3)
                    v += c == 1 ? -45 : 45;
                p[x * iCanali + c] = uchar(std::clamp(v, 0.0, 255.0));
            }
        }
    }
    std::FILE *f = std::fopen(QFile::encodeName(sPath).constData(), "wb");
    QVERIFY2(f, qPrintable(sPath));
    jpeg_compress_struct ci;
    jpeg_error_mgr err;
    ci.err = jpeg_std_error(&err);
    jpeg_create_compress(&ci);
    jpeg_stdio_dest(&ci, f);
    ci.image_width = JDIMENSION(w);
    ci.image_height = JDIMENSION(h);
    ci.input_components = iCanali;
    ci.in_color_space = bGrigio ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&ci);
    jpeg_set_quality(&ci, 85, TRUE);
    jpeg_start_compress(&ci, TRUE);
    for (int y = 0; y < h; ++y) {
        auto riga = const_cast<JSAMPROW>(img.constScanLine(y));
        jpeg_write_scanlines(&ci, &riga, 1);
    }
    jpeg_finish_compress(&ci);
    jpeg_destroy_compress(&ci);
    std::fclose(f);
}

/** Base and detail areas (one of level 2, one with an id past 99), areas without objects, every type, barriers,
 *  labels of every size and colour with accented letters, a comma and a "|", object ids past 99, and pictures
 *  with detail: one grey, one that is not 480 x 272. */
void pProgettoRicco(TProgettoProva &prj)
{
    prj.pArea(1, 0, 0, QStringLiteral("Piano terra"));
    prj.pArea(2, 0, 0, QStringLiteral("Primo piano, è"));
    prj.pArea(5, 0, 0, QStringLiteral("Cantina"));
    prj.pArea(3, 1, 1, QStringLiteral("Cucina"));
    prj.pArea(105, 1, 1, QStringLiteral("Soggiorno"));
    prj.pArea(4, 1, 2, QStringLiteral("Città"));
    prj.pArea(6, 2, 3, QStringLiteral("Dispensa"));
    prj.pSensore(1, 3, 0, 32, 100, 50, 0, 0, 0, 0, 0, 0, QString(), 105);
    prj.pSensore(1, 3, 0, 16, 140, 60, 0, 0, 0, 0, 0, 0, QString(), 3);
    prj.pSensore(2, 3, 0, 48, 10, 200, 0, 0, 0, 0, 0, 0, QString(), 4);
    prj.pSensore(3, 3, 0, 32, 300, 100, 0, 0, 0, 0, 0, 0, QString(), 6);
    const QStringList asTesti = {QStringLiteral("Porta è"), QStringLiteral("Perché, sì"),
                                 QStringLiteral("a|b"),     QStringLiteral("Luce sogg."),
                                 QStringLiteral("Ü€"),      QStringLiteral("Tapp. su")};
    const int aColori[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16};
    int k = 0;
    for (const int iArea : {1, 3, 105, 6}) {
        for (int iTipo = 1; iTipo <= 10; ++iTipo, ++k) {
            if (iTipo == 3)
                continue;
            const int iIcon = 16 * (1 + k % 3);
            const bool bBarriera = iTipo == 4;
            prj.pSensore(iArea, iTipo, 1 + k * 7, iIcon, 20 + 11 * k, 40 + 5 * k, bBarriera ? 100 + k : 0,
                         bBarriera ? 200 - k : 0, 30 + 11 * k, 60 + 5 * k, 1 + k % 9, aColori[k % 11],
                         k % 4 == 3 ? QString() : asTesti.at(k % asTesti.size()));
        }
        if (iArea == 1)
            prj.pSql(QStringLiteral("UPDATE sqlite_sequence SET seq = 120 WHERE name = 'tbsensori'"));
    }
    for (const int iId : {1, 2, 3, 4, 6})
        pScriviFoto(prj.fImmagine(iId), 480, 272, false);
    pScriviFoto(prj.fImmagine(5), 300, 200, true);
    pScriviFoto(prj.fImmagine(105), 531, 317, false);
}

/** Every row of a table, its columns joined, in the order of sOrdine. */
QStringList fRighe(TSqlConn &conn, const QString &sSelect)
{
    QStringList as;
    TSqlQuery q = conn.fQuery(sSelect);
    while (q.fNext()) {
        QStringList asCampi;
        for (int c = 0; c < q.fColumnCount(); ++c)
            asCampi << (q.fIsNull(c) ? QStringLiteral("NULL") : q.fText(c));
        as << asCampi.join(QLatin1Char('|'));
    }
    return as;
}

/** The largest mean absolute difference of one colour channel between two pictures of the same size. */
double fErroreMedio(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    double aSomma[3] = {0, 0, 0};
    for (int r = 0; r < x.height(); ++r) {
        const uchar *p = x.constScanLine(r);
        const uchar *q = y.constScanLine(r);
        for (int i = 0; i < x.width() * 3; ++i)
            aSomma[i % 3] += std::abs(int(p[i]) - int(q[i]));
    }
    return std::max({aSomma[0], aSomma[1], aSomma[2]}) / (double(x.width()) * x.height());
}

/** A baseline JPEG of quality 95 with every component at full resolution, w x h. */
void pVerificaJpeg(const QString &sJpeg, int w, int h)
{
    std::FILE *f = std::fopen(QFile::encodeName(sJpeg).constData(), "rb");
    QVERIFY2(f, qPrintable(sJpeg));
    jpeg_decompress_struct d;
    jpeg_error_mgr err;
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    jpeg_stdio_src(&d, f);
    jpeg_read_header(&d, TRUE);
    jpeg_compress_struct c;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    const bool bBaseline = !d.progressive_mode && !d.arith_code;
    const bool bDimensioni = int(d.image_width) == w && int(d.image_height) == h;
    bool bCampioni = true;
    for (int i = 0; i < d.num_components; ++i)
        bCampioni = bCampioni && d.comp_info[i].h_samp_factor == 1 && d.comp_info[i].v_samp_factor == 1;
    const bool bQualita = std::equal(d.quant_tbl_ptrs[0]->quantval, d.quant_tbl_ptrs[0]->quantval + DCTSIZE2,
                                     c.quant_tbl_ptrs[0]->quantval);
    jpeg_destroy_compress(&c);
    jpeg_destroy_decompress(&d);
    std::fclose(f);
    QVERIFY2(bBaseline && bDimensioni && bCampioni && bQualita, qPrintable(sJpeg));
}

/** The line of maps.txt, from 1, that first holds s; 0 for none. */
int fRigaCon(const QStringList &asRighe, const QString &s)
{
    for (qsizetype i = 0; i < asRighe.size(); ++i)
        if (asRighe.at(i).contains(s))
            return int(i) + 1;
    return 0;
}

/** Every entry of a folder, hidden ones too. */
QStringList fVoci(const QString &sDir)
{
    return QDir(sDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

/** The message of the import's failure; empty when it succeeds. */
QString fRifiuto(const QString &sExport, const QString &sDb)
{
    return fErroreDi([&] { fImportaDalPannello(sExport, sDb); });
}

/** A small export: base area 1 "Casa" with contact 1 (input 7, label "Porta") and lamp 2, base area 2
 *  "Garage" with lamp 3 (output 2, label "Luce"), both with pictures. */
void pEsportazionePiccola(TProgettoProva &prj)
{
    prj.pArea(1, 0, 0, QStringLiteral("Casa"));
    prj.pArea(2, 0, 0, QStringLiteral("Garage"));
    prj.pSensore(1, 2, 7, 32, 223, 119, 0, 0, 265, 128, 9, 16, QStringLiteral("Porta"));
    prj.pSensore(1, 6, 1, 32, 300, 150);
    prj.pSensore(2, 6, 2, 16, 100, 100, 0, 0, 120, 100, 2, 3, QStringLiteral("Luce"));
    pScriviJpeg(prj.fImmagine(1), 480, 272, JCS_RGB);
    pScriviJpeg(prj.fImmagine(2), 480, 272, JCS_RGB);
    pEsportaProgetto(prj.fP());
}

} // namespace

class TstImporta : public QObject
{
    Q_OBJECT

private slots:
    void exportImportExportGivesTheSameFiles();
    void whatCannotComeBackIsSaid();
    void malformedExportIsRefusedWithNothingWritten_data();
    void malformedExportIsRefusedWithNothingWritten();
    void existingFolder_data();
    void existingFolder();
    void commandLine_data();
    void commandLine();
};

void TstImporta::exportImportExportGivesTheSameFiles()
{
    TProgettoProva prj;
    pProgettoRicco(prj);
    pEsportaProgetto(prj.fP());
    QTemporaryDir dest;
    const QString sRoot = dest.path() + QStringLiteral("/casa/");

    const TEsitoImportazione esito = fImportaDalPannello(prj.fOut(), sRoot + QStringLiteral("casa.omb"));
    QCOMPARE(esito.sDatabase, sRoot + QStringLiteral("casa.omb"));
    QCOMPARE(esito.iAree, 7);
    QCOMPARE(esito.iOggetti, 4 + 4 * 9);
    QCOMPARE(esito.iImmagini, 7);
    QCOMPARE(esito.iEtichette, 26);
    QVERIFY(esito.aSaltati.isEmpty());
    QCOMPARE(esito.asAvvisi, QStringList());
    QCOMPARE(esito.iRigaDiversa, 0);
    QVERIFY(esito.fMessaggio().contains(QStringLiteral("Aree: 7, oggetti: 40, etichette: 26, immagini: 7.")));

    // the folder of a new project, and nothing beside it
    QCOMPARE(fVoci(dest.path()), QStringList{QStringLiteral("casa")});
    QCOMPARE(fVoci(sRoot), (QStringList{"areas", "casa.omb", "out"}));
    QCOMPARE(fVoci(sRoot + QStringLiteral("out")), QStringList());
    QCOMPARE(fVoci(sRoot + QStringLiteral("areas")).size(), 7);
    pVerificaJpeg(sRoot + QStringLiteral("areas/img_105.jpg"), 531, 317);
    pVerificaJpeg(sRoot + QStringLiteral("areas/img_5.jpg"), 300, 200);

    // the rows: areas whole, objects whole but for the zoom markers' ids, which the file does not carry
    TSqlConn conn;
    conn.pOpen(esito.sDatabase, false);
    const QString sAree = QStringLiteral("select * from tbarea order by _id");
    QCOMPARE(fRighe(conn, sAree), fRighe(prj.conn, sAree));
    const QString sOggetti = QStringLiteral("select * from tbsensori where TipoSensore <> 3 order by _id");
    QCOMPARE(fRighe(conn, sOggetti), fRighe(prj.conn, sOggetti));
    const QString sZoom =
        QStringLiteral("select area_id, area_zoom, NumSensore, IconSize, CoordX, CoordY, CoordX2, CoordY2, CoordXt, "
                       "CoordYt, FontTxt, ColorTxt, Testo from tbsensori where TipoSensore = 3 order by _id");
    QCOMPARE(fRighe(conn, sZoom), fRighe(prj.conn, sZoom));
    QCOMPARE(fRighe(conn, QStringLiteral("select min(_id) from tbsensori where TipoSensore = 3")),
             QStringList{QStringLiteral("148")});
    // an object placed later is numbered above every imported one
    QCOMPARE(TSensorStore(conn).fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("9"),
                                               QStringLiteral("32"), 1),
             152);
    conn.pExec(QStringLiteral("delete from tbsensori where _id = 152"));

    // exported again: the same maps.txt, and the same bitmaps but for the JPEG step
    pEsportaProgetto({conn, sRoot});
    QCOMPARE(fLeggiFile(sRoot + QStringLiteral("out/maps.txt")), fLeggiFile(prj.fMaps()));
    const QStringList asBmp = QDir(prj.fOut()).entryList({QStringLiteral("*.bmp")});
    QCOMPARE(QDir(sRoot + QStringLiteral("out")).entryList({QStringLiteral("*.bmp")}), asBmp);
    QCOMPARE(asBmp.size(), 7);
    for (const QString &sBmp : asBmp) {
        const QByteArray prima = fLeggiFile(prj.fOut() + sBmp);
        const QByteArray dopo = fLeggiFile(sRoot + QStringLiteral("out/") + sBmp);
        // the same headers: size, bits per pixel (grey stays grey), resolution
        QCOMPARE(dopo.left(54), prima.left(54));
        const double dErrore = fErroreMedio(QImage::fromData(prima, "BMP"), QImage::fromData(dopo, "BMP"));
        QVERIFY2(dErrore <= 1.5, qPrintable(sBmp + QStringLiteral(": ") + QString::number(dErrore)));
    }
}

void TstImporta::whatCannotComeBackIsSaid()
{
    TProgettoProva prj;
    prj.pArea(1, 0, 0, QStringLiteral("Casa"));
    prj.pSensore(1, 4, 5, 16, 60, 200, 0, 50);                                         // id 1: second end at x 0
    prj.pSensore(1, 2, 7, 32, 223, 119, 0, 0, 0, 90, 3, 2, QStringLiteral("Porta"));   // id 2: label at x 0
    prj.pSensore(1, 6, 1, 32, 300, 150, 0, 0, 250, 100, 0, 0, QStringLiteral("Luce")); // id 3: no size, no colour
    prj.pSensore(1, 9, 4, 32, 10, 150);                                                // id 4: its code changes
    pScriviJpeg(prj.fImmagine(1), 480, 272, JCS_RGB);
    pEsportaProgetto(prj.fP());
    QByteArray dati = fLeggiFile(prj.fMaps());
    const QStringList asRighe = fRighe(dati);
    const int iAllarme = fRigaCon(asRighe, QStringLiteral("Oall,"));
    const int iTpre = fRigaCon(asRighe, QStringLiteral("Tpre,"));
    QVERIFY(iAllarme > 0 && iTpre > 0);
    dati.replace("Oall,004,", "Sfum,004,"); // a type the catalogue does not know
    dati.replace("Tpre,---,----------------,01,180,", "Tpre,---,----------------,01,181,"); // a key elsewhere
    QVERIFY_THROWS_EXCEPTION(TOmbrixError, fLeggiMappa(dati, QStringLiteral("maps.txt")));
    pScriviFile(prj.fMaps(), dati);

    QTemporaryDir dest;
    const TEsitoImportazione esito = fImportaDalPannello(prj.fOut(), dest.path() + QStringLiteral("/c/c.omb"));
    QCOMPARE(esito.iOggetti, 3);
    QCOMPARE(esito.aSaltati.size(), 1);
    QCOMPARE(esito.aSaltati.first().iRiga, iAllarme);
    QCOMPARE(esito.aSaltati.first().sCodice, QStringLiteral("Sfum"));
    QCOMPARE(esito.aSaltati.first().iId, 4);
    QCOMPARE(esito.iRigaDiversa, iTpre);
    const QString sMessaggio = esito.fMessaggio();
    for (const QString &s :
         {QStringLiteral("riga %1, \"Sfum\" id 4").arg(iAllarme),
          QStringLiteral("Sbar id 1: torna a 0 ciò che il file non scrive: seconda estremità"),
          QStringLiteral("Sper id 2: torna a 0 ciò che il file non scrive: posizione dell'etichetta"),
          QStringLiteral("Olmp id 3: torna a 0 ciò che il file non scrive: dimensione e colore dell'etichetta"),
          QStringLiteral("diverso da quello importato dalla riga %1.").arg(iTpre)})
        QVERIFY2(sMessaggio.contains(s), qPrintable(sMessaggio));

    TSqlConn conn;
    conn.pOpen(esito.sDatabase, false);
    QCOMPARE(fRighe(conn, QStringLiteral("select _id, CoordX2, CoordY2, CoordXt, CoordYt, FontTxt, ColorTxt from "
                                         "tbsensori order by _id")),
             (QStringList{"1|0|0|0|0|0|0", "2|0|0|0|0|3|2", "3|0|0|250|100|0|0"}));
}

void TstImporta::malformedExportIsRefusedWithNothingWritten_data()
{
    // sFile is changed: in maps.txt the line holding da gets a instead, and the message names that line; a
    // bitmap is removed ("-"), cut by the number of bytes a says ("-10"), replaced by a, or given a at the
    // offset da, and the message names the line of its image record
    QTest::addColumn<QString>("sFile");
    QTest::addColumn<QByteArray>("da");
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QString>("sAtteso");
    const QByteArray lampada("Olmp,002,----------------,03,");
    QTest::newRow("no maps.txt") << "maps.txt" << QByteArray() << QByteArray("-") << "maps.txt: No such file";
    QTest::newRow("a line the reader refuses")
        << "maps.txt" << QByteArray("Sper,007,") << QByteArray("Sper007,") << "24 campi invece di 25";
    QTest::newRow("control character in a label")
        << "maps.txt" << QByteArray("Porta|") << QByteArray("Po\tta|") << "carattere di controllo";
    QTest::newRow("control character in an area name")
        << "maps.txt" << QByteArray("Garage") << QByteArray("Gar\x01ge") << "carattere di controllo";
    QTest::newRow("an object id twice") << "maps.txt" << lampada << QByteArray("Olmp,002,----------------,01,")
                                        << "id 1 già usato alla riga 17";
    QTest::newRow("an area id twice") << "maps.txt" << QByteArray("file0002.bmp----,02,")
                                      << QByteArray("file0001.bmp----,01,") << "id 1 già usato alla riga 11";
    QTest::newRow("object id 0") << "maps.txt" << lampada << QByteArray("Olmp,002,----------------,00,")
                                 << "id 0 non valido";
    QTest::newRow("a centre the store cannot hold")
        << "maps.txt" << QByteArray(",239,135,") << QByteArray(",99999999999,135,") << "fuori campo";
    QTest::newRow("bitmap missing") << "file0002.bmp" << QByteArray() << QByteArray("-") << "No such file";
    QTest::newRow("not a bitmap") << "file0002.bmp" << QByteArray() << QByteArray("GIF89a, non una bitmap")
                                  << "non è una bitmap";
    QTest::newRow("bitmap shorter than its header")
        << "file0002.bmp" << QByteArray() << QByteArray("-10") << "più corta della sua intestazione";
    QTest::newRow("bitmap the decoder refuses") // 7 bits per pixel, found only when the pictures are encoded
        << "file0002.bmp" << QByteArray("28") << QByteArray("\x07", 1) << "file0002.bmp: ";
}

void TstImporta::malformedExportIsRefusedWithNothingWritten()
{
    QFETCH(QString, sFile);
    QFETCH(QByteArray, da);
    QFETCH(QByteArray, a);
    QFETCH(QString, sAtteso);
    TProgettoProva prj;
    pEsportazionePiccola(prj);
    const QStringList asRighe = fRighe(fLeggiFile(prj.fMaps()));
    const bool bMappa = sFile == QStringLiteral("maps.txt");
    const QString sCerca = bMappa ? QString::fromLatin1(da) : QStringLiteral("file0002.bmp");
    const int iRiga = da.isEmpty() && bMappa ? 0 : fRigaCon(asRighe, sCerca);
    QVERIFY(iRiga > 0 || a == "-");

    const QString sPath = prj.fOut() + sFile;
    QByteArray dati = fLeggiFile(sPath);
    if (a == "-")
        QVERIFY(QFile::remove(sPath));
    else if (a.startsWith('-'))
        QVERIFY(QFile::resize(sPath, dati.size() + a.toInt()));
    else if (bMappa)
        pScriviFile(sPath, dati.replace(da, a));
    else
        pScriviFile(sPath, da.isEmpty() ? a : dati.replace(da.toInt(), a.size(), a));

    QTemporaryDir dest;
    const QString sMessaggio = fRifiuto(prj.fOut(), dest.path() + QStringLiteral("/casa/casa.omb"));
    QVERIFY2(sMessaggio.contains(sAtteso), qPrintable(sMessaggio));
    QVERIFY2(sMessaggio.startsWith(prj.fMaps()), qPrintable(sMessaggio));
    if (iRiga > 0)
        QVERIFY2(sMessaggio.contains(QStringLiteral("riga %1: ").arg(iRiga)), qPrintable(sMessaggio));
    if (!bMappa)
        QVERIFY2(sMessaggio.contains(sPath), qPrintable(sMessaggio));
    QCOMPARE(fVoci(dest.path()), QStringList());
}

void TstImporta::existingFolder_data()
{
    QTest::addColumn<QString>("sCosa");
    QTest::addColumn<QString>("sAtteso"); // empty: imported
    QTest::newRow("empty folder") << "vuota" << QString();
    QTest::newRow("folder with a hidden file") << ".nascosto"
                                               << "la cartella esiste e non è vuota";
    QTest::newRow("existing project") << "progetto"
                                      << "la cartella esiste e non è vuota";
    QTest::newRow("a file") << "file"
                            << "esiste e non è una cartella";
}

void TstImporta::existingFolder()
{
    QFETCH(QString, sCosa);
    QFETCH(QString, sAtteso);
    TProgettoProva prj;
    pEsportazionePiccola(prj);
    QTemporaryDir dest;
    const QString sCartella = dest.path() + QStringLiteral("/casa");
    const QString sDb = sCartella + QStringLiteral("/casa.omb");
    if (sCosa == QStringLiteral("file"))
        pScriviFile(sCartella, "file");
    else
        QVERIFY(QDir().mkdir(sCartella));
    if (sCosa == QStringLiteral(".nascosto"))
        pScriviFile(sCartella + QStringLiteral("/.nascosto"), "x");
    if (sCosa == QStringLiteral("progetto")) {
        QVERIFY(QDir().rmdir(sCartella));
        fImportaDalPannello(prj.fOut(), sDb);
    }
    const QByteArray prima = fLeggiFile(sDb);
    const QStringList asPrima = fVoci(dest.path());

    const QString sMessaggio = fRifiuto(prj.fOut(), sDb);
    if (sAtteso.isEmpty()) {
        QCOMPARE(sMessaggio, QString());
        QCOMPARE(fVoci(sCartella), (QStringList{"areas", "casa.omb", "out"}));
        return;
    }
    QCOMPARE(sMessaggio, sCartella + QStringLiteral(": ") + sAtteso);
    QCOMPARE(fVoci(dest.path()), asPrima);
    QCOMPARE(fLeggiFile(sDb), prima);
}

void TstImporta::commandLine_data()
{
    // in the English interface, whose texts these are; "@" stands for the export, "#" for an empty folder
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("iCodice");
    QTest::addColumn<QString>("sOut"); // in stdout
    QTest::addColumn<QString>("sErr"); // in stderr
    QTest::newRow("imported") << QStringList{"--import", "@", "--out", "#/casa/casa.omb"} << 0
                              << "Areas: 2, objects: 3, labels: 2, pictures: 2." << QString();
    QTest::newRow("no --out") << QStringList{"--import", "@"} << 2 << QString() << "--import needs --out";
    QTest::newRow("--out not a project") << QStringList{"--import", "@", "--out", "#/casa"} << 2 << QString()
                                         << "--import needs --out FOLDER/NAME.omb";
    QTest::newRow("an argument too many")
        << QStringList{"--import", "@", "--out", "#/c/c.omb", "x.omb"} << 2 << QString() << "unexpected argument";
    QTest::newRow("an option of another command")
        << QStringList{"--import", "@", "--out", "#/c/c.omb", "--mode", "fill"} << 2 << QString()
        << "--mode goes with --fit";
    QTest::newRow("refused") << QStringList{"--import", "#", "--out", "#/casa/casa.omb"} << 1 << QString()
                             << "maps.txt: No such file";
}

void TstImporta::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(int, iCodice);
    QFETCH(QString, sOut);
    QFETCH(QString, sErr);
    TProgettoProva prj;
    pEsportazionePiccola(prj);
    QTemporaryDir dir;
    for (QString &s : args)
        s.replace(QLatin1Char('@'), prj.fOut()).replace(QLatin1Char('#'), dir.path());
    args << QStringLiteral("--lang") << QStringLiteral("en");
    QByteArray out, err;
    QCOMPARE(fEsegui(QStringLiteral(OMBRIX_BIN), args, &out, &err), iCodice);
    QVERIFY2(QString::fromLocal8Bit(out).contains(sOut), out.constData());
    QVERIFY2(QString::fromLocal8Bit(err).contains(sErr), err.constData());
    QCOMPARE(fVoci(dir.path()), iCodice == 0 ? QStringList{QStringLiteral("casa")} : QStringList());
}

QTEST_GUILESS_MAIN(TstImporta)
#include "tst_importa.moc"
