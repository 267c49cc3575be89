// Fitting pictures and PDF pages to a panel page, headless: the geometry of
// each mode and option, the reduction's averaging, the corrections a source
// gets by default, and every bad input refused with nothing written.

#include "fit/adatta.h"
#include "fit/sorgente.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

namespace {

const QString sFixtures = QStringLiteral(OMBRIX_SOURCE_DIR "tests/fit/data/");

/** A picture split in vertical bands of the given colours. */
QImage fBande(int iW, int iH, const QList<QColor> &aColori)
{
    QImage img(iW, iH, QImage::Format_RGB32);
    QPainter painter(&img);
    for (int i = 0; i < aColori.size(); ++i)
        painter.fillRect(QRect(i * iW / int(aColori.size()), 0, iW / int(aColori.size()) + 1, iH), aColori[i]);
    return img;
}

/** A JPEG with an EXIF orientation tag: the APP1 segment put straight after the start marker. */
QByteArray fJpegConOrientamento(const QImage &img, quint16 iOrientamento)
{
    QByteArray abJpeg;
    QBuffer buf(&abJpeg);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPEG", 95);
    QByteArray abTiff("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 18);
    abTiff += char(iOrientamento >> 8);
    abTiff += char(iOrientamento & 0xFF);
    abTiff += QByteArray(6, '\0'); // the rest of the value, and no next directory
    const QByteArray abExif = QByteArray("Exif\0\0", 6) + abTiff;
    QByteArray abApp1("\xFF\xE1", 2);
    abApp1 += char((abExif.size() + 2) >> 8);
    abApp1 += char((abExif.size() + 2) & 0xFF);
    return abJpeg.left(2) + abApp1 + abExif + abJpeg.mid(2);
}

/** The PNG signature and header of a picture of the given size, and the start of its first data chunk. */
QByteArray fSoloIntestazionePng(quint32 iW, quint32 iH)
{
    QByteArray abChunk("IHDR");
    for (quint32 v : {iW, iH})
        for (int s = 24; s >= 0; s -= 8)
            abChunk += char((v >> s) & 0xFF);
    abChunk += QByteArray("\x08\x02\x00\x00\x00", 5);
    quint32 crc = 0xFFFFFFFF;
    for (char c : abChunk) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    crc ^= 0xFFFFFFFF;
    QByteArray ab("\x89PNG\r\n\x1a\n\0\0\0\x0d", 12);
    ab += abChunk;
    for (int s = 24; s >= 0; s -= 8)
        ab += char((crc >> s) & 0xFF);
    return ab + QByteArray("\0\0\x10\0IDAT", 8);
}

void pScrivi(const QString &sPath, const QByteArray &ab)
{
    QFile f(sPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ab);
}

/** Every channel of a within iTolleranza of b. */
bool fVicino(QRgb a, QColor b, int iTolleranza = 6)
{
    return std::abs(qRed(a) - b.red()) <= iTolleranza && std::abs(qGreen(a) - b.green()) <= iTolleranza &&
           std::abs(qBlue(a) - b.blue()) <= iTolleranza;
}

using TPunti = QList<QPair<QPoint, QColor>>;

} // namespace

class TstAdatta : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesLandWhereTheOptionsSay_data();
    void pagesLandWhereTheOptionsSay();
    void halvingAveragesEachBlock();
    void boldLinesStayVisibleAfterAStrongReduction();
    void pdfPageRenderedIsTheOneAsked();
    void storedJpegIsBaselineRgbOfThePanelSize();
    void badInputRefusedAndNothingWritten_data();
    void badInputRefusedAndNothingWritten();
    void bigPictureBelowTheLimitFits();
    void commandLine();

private:
    QTemporaryDir m_dir;
    QString fPath(const QString &s) const { return m_dir.filePath(s); }
};

void TstAdatta::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QColor rosso(220, 0, 0), verde(0, 180, 0), blu(0, 0, 220);
    QVERIFY(fBande(640, 480, {rosso}).save(fPath("43.png")));
    QVERIFY(fBande(960, 272, {rosso, verde, blu}).save(fPath("larga.png")));
    QVERIFY(fBande(200, 100, {rosso, blu}).save(fPath("rb.png")));
    pScrivi(fPath("exif6.jpg"), fJpegConOrientamento(fBande(200, 100, {rosso, blu}), 6));
    QImage trasparente(100, 100, QImage::Format_ARGB32);
    trasparente.fill(Qt::transparent);
    QPainter(&trasparente).fillRect(40, 40, 20, 20, Qt::black);
    QVERIFY(trasparente.save(fPath("trasparente.png")));
    QImage grigia(480, 272, QImage::Format_Grayscale8);
    grigia.fill(128);
    QVERIFY(grigia.save(fPath("grigia.png")));
}

void TstAdatta::pagesLandWhereTheOptionsSay_data()
{
    QTest::addColumn<QString>("sFile");
    QTest::addColumn<int>("iModo");
    QTest::addColumn<bool>("bSottoBanner");
    QTest::addColumn<int>("iRotazione");
    QTest::addColumn<QPointF>("posFinestra"); // negative: the mode's own
    QTest::addColumn<TPunti>("aPunti");
    const QColor bianco(Qt::white), rosso(220, 0, 0), verde(0, 180, 0), blu(0, 0, 220), fondo(0x12, 0x34, 0x56);
    const QPointF propria(-1, -1);
    // 640 x 480 in 480 x 272: 362.67 wide, bars of 58.67 on each side
    const int iBarra = qRound((480 - 640.0 * 272 / 480) / 2);
    QTest::newRow("Adatta: a 4:3 picture leaves bars in the fill colour")
        << "43.png" << 0 << false << 0 << propria
        << TPunti{{{iBarra - 2, 136}, bianco},       {{iBarra + 1, 136}, rosso}, {{479 - iBarra - 1, 136}, rosso},
                  {{479 - iBarra + 2, 136}, bianco}, {{240, 0}, rosso},          {{240, 271}, rosso}};
    // 960 x 272 bands of 320: the centred window shows 240 to 720
    QTest::newRow("Riempi crops, centred")
        << "larga.png" << 1 << false << 0 << propria
        << TPunti{{{70, 136}, rosso}, {{90, 136}, verde}, {{390, 136}, verde}, {{410, 136}, blu}};
    QTest::newRow("Riempi with the window at the left")
        << "larga.png" << 1 << false << 0 << QPointF(0, 0) << TPunti{{{310, 136}, rosso}, {{330, 136}, verde}};
    QTest::newRow("Originale starts at the top-left")
        << "rb.png" << 2 << false << 0 << propria
        << TPunti{{{50, 50}, rosso}, {{150, 50}, blu}, {{250, 50}, bianco}, {{50, 150}, bianco}};
    QTest::newRow("Sotto il banner: rows 0 to 33 in the fill colour")
        << "43.png" << 1 << true << 0 << propria
        << TPunti{{{0, 0}, fondo}, {{479, 33}, fondo}, {{240, 33}, fondo}, {{240, 34}, rosso}, {{0, 271}, rosso}};
    // left red, right blue, turned clockwise: red on top
    QTest::newRow("rotation by 90 clockwise") << "rb.png" << 0 << false << 90 << propria
                                              << TPunti{{{240, 60}, rosso}, {{240, 210}, blu}, {{20, 136}, bianco}};
    QTest::newRow("rotation by 270") << "rb.png" << 0 << false << 270 << propria
                                     << TPunti{{{240, 60}, blu}, {{240, 210}, rosso}};
    QTest::newRow("EXIF orientation 6 stands the photo upright")
        << "exif6.jpg" << 0 << false << 0 << propria
        << TPunti{{{240, 60}, rosso}, {{240, 210}, blu}, {{20, 136}, bianco}, {{460, 136}, bianco}};
    QTest::newRow("transparent pixels over the fill colour")
        << "trasparente.png" << 1 << false << 0 << propria << TPunti{{{5, 5}, bianco}, {{240, 136}, Qt::black}};
    QTest::newRow("a grey source ends as RGB")
        << "grigia.png" << 0 << false << 0 << propria << TPunti{{{240, 136}, QColor(128, 128, 128)}};
}

void TstAdatta::pagesLandWhereTheOptionsSay()
{
    QFETCH(QString, sFile);
    QFETCH(int, iModo);
    QFETCH(bool, bSottoBanner);
    QFETCH(int, iRotazione);
    QFETCH(QPointF, posFinestra);
    QFETCH(TPunti, aPunti);
    TOpzioniAdatta opz;
    opz.eModo = TModoAdatta(iModo);
    opz.bSottoBanner = bSottoBanner;
    opz.iRotazione = iRotazione;
    if (posFinestra.x() >= 0)
        opz.posFinestra = posFinestra;
    if (bSottoBanner)
        opz.colFondo = QColor(0x12, 0x34, 0x56);
    TSorgente sorgente(fPath(sFile));
    const QImage pagina = fAdatta(sorgente, opz);
    QCOMPARE(pagina.size(), QSize(480, 272));
    for (const auto &[pt, col] : aPunti)
        QVERIFY2(fVicino(pagina.pixel(pt), col), qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                                                .arg(pt.x())
                                                                .arg(pt.y())
                                                                .arg(QColor(pagina.pixel(pt)).name(), col.name())));
    if (bSottoBanner)
        for (int y = 0; y < 34; ++y)
            for (int x = 0; x < 480; ++x)
                QCOMPARE(pagina.pixel(x, y), opz.colFondo.rgb());
}

void TstAdatta::halvingAveragesEachBlock()
{
    // smooth colours under a pixel checkerboard: the 2 x 2 mean cancels the checkerboard, any other
    // weighting shows it
    QImage src(960, 544, QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const int d = (x + y) % 2 ? 40 : -40;
            src.setPixel(x, y, qRgb(48 + x / 6 + d, 48 + y / 4 + d, 48 + (x + y) / 10 + d));
        }
    QVERIFY(src.save(fPath("960.png")));
    pAdattaFile(fPath("960.png"), fPath("960.jpg"), TOpzioniAdatta());
    TSorgente sorgente(fPath("960.png"));
    const QImage pagina = fAdatta(sorgente, TOpzioniAdatta());
    const QImage salvata = QImage(fPath("960.jpg")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(salvata.size(), QSize(480, 272));
    int iMaxPagina = 0;
    double dErroreJpeg = 0;
    for (int y = 0; y < 272; ++y)
        for (int x = 0; x < 480; ++x) {
            const QRgb a = src.pixel(2 * x, 2 * y), b = src.pixel(2 * x + 1, 2 * y), c = src.pixel(2 * x, 2 * y + 1),
                       d = src.pixel(2 * x + 1, 2 * y + 1);
            const int aiMedia[] = {(qRed(a) + qRed(b) + qRed(c) + qRed(d) + 2) / 4,
                                   (qGreen(a) + qGreen(b) + qGreen(c) + qGreen(d) + 2) / 4,
                                   (qBlue(a) + qBlue(b) + qBlue(c) + qBlue(d) + 2) / 4};
            const QRgb p = pagina.pixel(x, y), s = salvata.pixel(x, y);
            const int aiPagina[] = {qRed(p), qGreen(p), qBlue(p)}, aiSalvata[] = {qRed(s), qGreen(s), qBlue(s)};
            for (int k = 0; k < 3; ++k) {
                iMaxPagina = std::max(iMaxPagina, std::abs(aiPagina[k] - aiMedia[k]));
                dErroreJpeg += std::abs(aiSalvata[k] - aiMedia[k]);
            }
        }
    QVERIFY2(iMaxPagina <= 1, qPrintable(QString::number(iMaxPagina))); // the exact mean, rounded
    dErroreJpeg /= 480.0 * 272 * 3;
    QVERIFY2(dErroreJpeg < 2, qPrintable(QString::number(dErroreJpeg))); // what quality 95 loses
}

void TstAdatta::boldLinesStayVisibleAfterAStrongReduction()
{
    // hairlines a hundred pixels apart, reduced ten times
    QImage src(4800, 2720, QImage::Format_RGB32);
    src.fill(Qt::white);
    QPainter painter(&src);
    painter.setPen(QPen(Qt::black, 1));
    for (int x = 55; x < src.width(); x += 100)
        painter.drawLine(x, 0, x, src.height());
    painter.end();
    QVERIFY(src.save(fPath("linee.png")));
    TSorgente sorgente(fPath("linee.png"));
    auto fPiuScuro = [&](bool bMarcate) {
        TOpzioniAdatta opz;
        opz.bLineeMarcate = bMarcate;
        const QImage pagina = fAdatta(sorgente, opz);
        int iMin = 255;
        for (int x = 0; x < 20; ++x)
            iMin = std::min(iMin, qGray(pagina.pixel(x, 136)));
        return iMin;
    };
    const int iSottile = fPiuScuro(false), iMarcata = fPiuScuro(true);
    QVERIFY2(iSottile > 200 && iMarcata < 100, qPrintable(QStringLiteral("%1 %2").arg(iSottile).arg(iMarcata)));
}

void TstAdatta::pdfPageRenderedIsTheOneAsked()
{
    {
        QPdfWriter pdf(fPath("due.pdf"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&pdf);
        const QRect rc(0, 0, pdf.width(), pdf.height());
        painter.fillRect(rc, QColor(220, 0, 0));
        pdf.newPage();
        painter.fillRect(rc, QColor(0, 0, 220));
        painter.setPen(QPen(Qt::white, 0)); // a hairline, drawn as thin as the device allows
        painter.drawLine(0, rc.height() / 2, rc.width(), rc.height() / 2);
    }
    TSorgente prima(fPath("due.pdf"), 1), seconda(fPath("due.pdf"), 2);
    QCOMPARE(seconda.fPagine(), 2);
    QVERIFY(fVicino(fAdatta(prima, TOpzioniAdatta()).pixel(240, 60), QColor(220, 0, 0)));
    TOpzioniAdatta riempi;
    riempi.eModo = TModoAdatta::Riempi;
    const QImage pagina = fAdatta(seconda, riempi);
    QVERIFY(fVicino(pagina.pixel(240, 60), QColor(0, 0, 220)));
    // A4 covering the page: its middle at row 136, where the hairline stays visible
    int iPiuChiaro = 0;
    for (int y = 130; y < 143; ++y)
        iPiuChiaro = std::max(iPiuChiaro, qRed(pagina.pixel(240, y)));
    QVERIFY2(iPiuChiaro > 60, qPrintable(QString::number(iPiuChiaro)));
}

void TstAdatta::storedJpegIsBaselineRgbOfThePanelSize()
{
    pAdattaFile(fPath("grigia.png"), fPath("grigia.jpg"), TOpzioniAdatta());
    QFile f(fPath("grigia.jpg"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray ab = f.readAll();
    const qsizetype iSof = ab.indexOf(QByteArray("\xFF\xC0", 2)); // baseline
    QVERIFY(iSof > 0);
    QVERIFY(!ab.contains(QByteArray("\xFF\xC2", 2))); // not progressive
    QCOMPARE(quint8(ab[iSof + 5]) << 8 | quint8(ab[iSof + 6]), 272);
    QCOMPARE(quint8(ab[iSof + 7]) << 8 | quint8(ab[iSof + 8]), 480);
    QCOMPARE(int(ab[iSof + 9]), 3); // three channels, from a grey source
}

void TstAdatta::badInputRefusedAndNothingWritten_data()
{
    QTest::addColumn<QString>("sFile");
    QTest::addColumn<int>("iPagina");
    QTest::addColumn<QString>("sPassword");
    QTest::addColumn<QString>("sMessaggio");
    QTest::newRow("missing") << "manca.png" << 1 << QString() << "File o cartella inesistente";
    QTest::newRow("text named .png") << "testo.png" << 1 << QString() << "formato dell'immagine non riconosciuto";
    QTest::newRow("truncated JPEG") << "tronco.jpg" << 1 << QString() << "JPEG troncato";
    QTest::newRow("truncated PNG") << "tronco.png" << 1 << QString() << "";
    QTest::newRow("page outside the PDF") << "due.pdf" << 3 << QString() << "pagina 3 fuori dal PDF, che ha 2 pagine";
    QTest::newRow("PDF with a password") << sFixtures + "protetto.pdf" << 1 << QString() << "PDF protetto da password";
    QTest::newRow("PDF, wrong password") << sFixtures + "protetto.pdf" << 1 << "sbagliata"
                                         << "password del PDF errata";
    QTest::newRow("40000 x 40000 PNG") << "enorme.png" << 1 << QString()
                                       << "immagine di 40000 x 40000 pixel: per decodificarla servirebbero 6104 MiB, "
                                          "oltre il limite di 256 MiB";
}

void TstAdatta::badInputRefusedAndNothingWritten()
{
    QFETCH(QString, sFile);
    QFETCH(int, iPagina);
    QFETCH(QString, sPassword);
    QFETCH(QString, sMessaggio);
    pScrivi(fPath("testo.png"), "not a picture at all\n");
    QByteArray abJpeg;
    QBuffer buf(&abJpeg);
    buf.open(QIODevice::WriteOnly);
    fBande(600, 400, {Qt::red, Qt::blue}).save(&buf, "JPEG", 90);
    pScrivi(fPath("tronco.jpg"), abJpeg.left(abJpeg.size() / 2));
    QByteArray abPng;
    QBuffer bufPng(&abPng);
    bufPng.open(QIODevice::WriteOnly);
    fBande(600, 400, {Qt::red, Qt::blue}).save(&bufPng, "PNG");
    pScrivi(fPath("tronco.png"), abPng.left(abPng.size() / 2));
    pScrivi(fPath("enorme.png"), fSoloIntestazionePng(40000, 40000));
    if (sFile == QLatin1String("due.pdf"))
        QVERIFY(QFile::exists(fPath("due.pdf")));

    const QString sPath = QFileInfo(sFile).isAbsolute() ? sFile : fPath(sFile);
    const QString sDest = fPath("risultato.jpg");
    QString sErrore;
    try {
        TSorgente sorgente(sPath, iPagina, sPassword);
        pAdattaFile(sPath, sDest, TOpzioniAdatta(), iPagina);
    } catch (const TOmbrixError &e) {
        sErrore = e.fMessage();
    }
    QVERIFY2(sErrore.startsWith(sPath + QStringLiteral(": ")), qPrintable(sErrore));
    QVERIFY2(sErrore.contains(sMessaggio), qPrintable(sErrore));
    QVERIFY(!QFile::exists(sDest));
}

void TstAdatta::bigPictureBelowTheLimitFits()
{
    // 160 MiB decoded: above Qt's own default limit, below ours
    QImage img(7000, 6000, QImage::Format_RGB32);
    img.fill(QColor(30, 60, 90));
    QVERIFY(img.save(fPath("grande.png"), "PNG", 100));
    img = QImage();
    pAdattaFile(fPath("grande.png"), fPath("grande.jpg"), TOpzioniAdatta());
    QVERIFY(fVicino(QImage(fPath("grande.jpg")).pixel(240, 136), QColor(30, 60, 90), 3));
}

void TstAdatta::commandLine()
{
    QProcess p;
    p.start(QStringLiteral(OMBRIX_BIN), {"--fit", fPath("43.png"), "--out", fPath("cli.jpg"), "--mode", "fill",
                                         "--below-banner", "--fill", "#00FF00", "--rotate", "90", "--bold-lines"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QImage out(fPath("cli.jpg"));
    QCOMPARE(out.size(), QSize(480, 272));
    QVERIFY(fVicino(out.pixel(240, 10), QColor(0, 255, 0)));
    QVERIFY(fVicino(out.pixel(240, 150), QColor(220, 0, 0)));

    p.start(QStringLiteral(OMBRIX_BIN), {"--fit", sFixtures + "protetto.pdf", "--out", fPath("cli2.jpg")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()).trimmed(),
             QStringLiteral("ombrix: ") + sFixtures + QStringLiteral("protetto.pdf: PDF protetto da password"));
    QVERIFY(!QFile::exists(fPath("cli2.jpg")));
}

QTEST_MAIN(TstAdatta)
#include "tst_adatta.moc"
