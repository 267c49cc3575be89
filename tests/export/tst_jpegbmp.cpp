// Area pictures turned into bitmaps: pixels equal to the reference decoder's,
// headers with every size field right, and every decoder complaint a failure.

#include "export/jpegbmp.h"
#include "exportfixture.h"
#include "helpers/lingueprova.h"
#include "workspace/errors.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint32 fU32(const QByteArray &b, int i)
{
    return quint32(quint8(b[i])) | quint32(quint8(b[i + 1])) << 8 | quint32(quint8(b[i + 2])) << 16 |
           quint32(quint8(b[i + 3])) << 24;
}

quint16 fU16(const QByteArray &b, int i)
{
    return quint16(quint8(b[i]) | quint8(b[i + 1]) << 8);
}

/** A bitmap read back: its headers and its rows without their padding. */
struct TBmp
{
    int w = 0, h = 0, iBpp = 0;
    quint32 iOffBits = 0;
    QList<QByteArray> aRighe; // bottom-up, as stored
};

TBmp fLeggiBmp(const QByteArray &b)
{
    TBmp r;
    if (b.size() < 54 || !b.startsWith("BM"))
        return r;
    r.iOffBits = fU32(b, 10);
    r.w = int(fU32(b, 18));
    r.h = int(fU32(b, 22));
    r.iBpp = fU16(b, 28);
    const int iStride = (r.w * r.iBpp / 8 + 3) & ~3;
    for (int y = 0; y < r.h; ++y)
        r.aRighe.append(b.mid(qsizetype(r.iOffBits) + qsizetype(y) * iStride, r.w * r.iBpp / 8));
    return r;
}

/** What the reference decoder makes of sJpeg. */
TBmp fRiferimento(const QString &sJpeg)
{
    QByteArray out;
    if (fEsegui(QStringLiteral("djpeg"), {QStringLiteral("-bmp"), sJpeg}, &out) != 0)
        return TBmp();
    return fLeggiBmp(out);
}

/** Checks the headers of bitmap b of w x h pixels at iBpp bits. */
void pVerificaTestate(const QByteArray &b, int w, int h, int iBpp)
{
    const int iStride = (w * iBpp / 8 + 3) & ~3;
    const quint32 iOff = 54 + (iBpp == 8 ? 1024 : 0);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(fU32(b, 2), quint32(b.size()));
    QCOMPARE(fU32(b, 6), 0u);
    QCOMPARE(fU32(b, 10), iOff);
    QCOMPARE(fU32(b, 14), 40u);
    QCOMPARE(int(fU32(b, 18)), w);
    QCOMPARE(int(fU32(b, 22)), h);
    QCOMPARE(fU16(b, 26), quint16(1));
    QCOMPARE(int(fU16(b, 28)), iBpp);
    QCOMPARE(fU32(b, 30), 0u);
    QCOMPARE(fU32(b, 34), quint32(iStride * h));
    QCOMPARE(fU32(b, 46), iBpp == 8 ? 256u : 0u);
    QCOMPARE(qsizetype(b.size()), qsizetype(iOff) + qsizetype(iStride) * h);
    // padding bytes at the end of every row are zero
    for (int y = 0; y < h; ++y) {
        for (int x = w * iBpp / 8; x < iStride; ++x)
            QCOMPARE(int(b[qsizetype(iOff) + qsizetype(y) * iStride + x]), 0);
    }
}

} // namespace

class TstJpegBmp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void colourPictureMatchesReferenceDecoder();
    void greyPictureGivesEightBitsWithGreyPalette();
    void pictureLargerThanOneChunkOfRows();
    void adobeCmykBecomesRgbInThirtyTwoBits();
    void plainCmykIsNotInverted();
    void brokenPicturesFailNamingThePicture_data();
    void brokenPicturesFailNamingThePicture();
    void existingBitmapIsReplaced();

private:
    QTemporaryDir m_dir;
    QString fPath(const QString &sNome) const { return m_dir.filePath(sNome); }
};

void TstJpegBmp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(fEsegui(QStringLiteral("djpeg"), {QStringLiteral("-version")}) == 0, "djpeg is needed");
}

void TstJpegBmp::colourPictureMatchesReferenceDecoder()
{
    // odd sizes: rows need padding, and the last MCU row is partial
    const QString sJpeg = fPath(QStringLiteral("c.jpg"));
    pScriviJpeg(sJpeg, 101, 37, JCS_RGB);
    pJpegToBmp(sJpeg, fPath(QStringLiteral("c.bmp")));
    const QByteArray b = fLeggiFile(fPath(QStringLiteral("c.bmp")));
    pVerificaTestate(b, 101, 37, 24);
    const TBmp mio = fLeggiBmp(b);
    const TBmp rif = fRiferimento(sJpeg);
    QCOMPARE(rif.iBpp, 24);
    QCOMPARE(mio.aRighe, rif.aRighe);
}

void TstJpegBmp::greyPictureGivesEightBitsWithGreyPalette()
{
    const QString sJpeg = fPath(QStringLiteral("g.jpg"));
    pScriviJpeg(sJpeg, 45, 20, JCS_GRAYSCALE);
    pJpegToBmp(sJpeg, fPath(QStringLiteral("g.bmp")));
    const QByteArray b = fLeggiFile(fPath(QStringLiteral("g.bmp")));
    pVerificaTestate(b, 45, 20, 8);
    for (int i = 0; i < 256; ++i) {
        QByteArray atteso(3, char(i));
        atteso.append(char(0));
        QCOMPARE(b.mid(54 + 4 * i, 4), atteso);
    }
    const TBmp rif = fRiferimento(sJpeg);
    QCOMPARE(rif.iBpp, 8);
    QCOMPARE(fLeggiBmp(b).aRighe, rif.aRighe);
}

void TstJpegBmp::pictureLargerThanOneChunkOfRows()
{
    // about 9 MB of rows: decoded and written in two pieces
    const QString sJpeg = fPath(QStringLiteral("big.jpg"));
    pScriviJpeg(sJpeg, 2101, 1403, JCS_RGB);
    pJpegToBmp(sJpeg, fPath(QStringLiteral("big.bmp")));
    const QByteArray b = fLeggiFile(fPath(QStringLiteral("big.bmp")));
    pVerificaTestate(b, 2101, 1403, 24);
    QVERIFY(fLeggiBmp(b).aRighe == fRiferimento(sJpeg).aRighe);
}

void TstJpegBmp::adobeCmykBecomesRgbInThirtyTwoBits()
{
    const QString sJpeg = fPath(QStringLiteral("k.jpg"));
    pScriviJpeg(sJpeg, 70, 30, JCS_CMYK, true);
    pJpegToBmp(sJpeg, fPath(QStringLiteral("k.bmp")));
    const QByteArray b = fLeggiFile(fPath(QStringLiteral("k.bmp")));
    pVerificaTestate(b, 70, 30, 32);
    const TBmp mio = fLeggiBmp(b);
    // the reference decoder converts inverted CMYK to 24-bit RGB
    const TBmp rif = fRiferimento(sJpeg);
    QCOMPARE(rif.iBpp, 24);
    QCOMPARE(rif.h, mio.h);
    for (int y = 0; y < mio.h; ++y) {
        QByteArray bgr;
        for (int x = 0; x < mio.w; ++x) {
            bgr += mio.aRighe[y].mid(4 * x, 3);
            QCOMPARE(int(mio.aRighe[y][4 * x + 3]), 0);
        }
        QCOMPARE(bgr, rif.aRighe[y]);
    }
}

void TstJpegBmp::plainCmykIsNotInverted()
{
    // a flat picture of full magenta and yellow ink, no black: red without the
    // Adobe marker; the same stored values with the marker read as black
    auto scrivi = [](const QString &sPath, bool bAdobe) {
        jpeg_compress_struct ci;
        jpeg_error_mgr err;
        ci.err = jpeg_std_error(&err);
        jpeg_create_compress(&ci);
        std::FILE *f = std::fopen(QFile::encodeName(sPath).constData(), "wb");
        jpeg_stdio_dest(&ci, f);
        ci.image_width = 16;
        ci.image_height = 16;
        ci.input_components = 4;
        ci.in_color_space = JCS_CMYK;
        jpeg_set_defaults(&ci);
        ci.write_Adobe_marker = bAdobe;
        jpeg_set_quality(&ci, 100, TRUE);
        jpeg_start_compress(&ci, TRUE);
        unsigned char riga[64];
        for (int x = 0; x < 16; ++x) {
            riga[4 * x] = 0;
            riga[4 * x + 1] = 255;
            riga[4 * x + 2] = 255;
            riga[4 * x + 3] = 0;
        }
        for (int y = 0; y < 16; ++y) {
            JSAMPROW p = riga;
            jpeg_write_scanlines(&ci, &p, 1);
        }
        jpeg_finish_compress(&ci);
        jpeg_destroy_compress(&ci);
        std::fclose(f);
    };
    scrivi(fPath(QStringLiteral("plain.jpg")), false);
    scrivi(fPath(QStringLiteral("adobe.jpg")), true);
    pJpegToBmp(fPath(QStringLiteral("plain.jpg")), fPath(QStringLiteral("plain.bmp")));
    pJpegToBmp(fPath(QStringLiteral("adobe.jpg")), fPath(QStringLiteral("adobe.bmp")));
    const TBmp plain = fLeggiBmp(fLeggiFile(fPath(QStringLiteral("plain.bmp"))));
    const TBmp adobe = fLeggiBmp(fLeggiFile(fPath(QStringLiteral("adobe.bmp"))));
    QCOMPARE(plain.iBpp, 32);
    QCOMPARE(plain.aRighe.value(5).mid(20, 4), QByteArray("\x00\x00\xFF\x00", 4));
    QCOMPARE(adobe.aRighe.value(5).mid(20, 4), QByteArray("\x00\x00\x00\x00", 4));
}

void TstJpegBmp::brokenPicturesFailNamingThePicture_data()
{
    pColonnaLingua();
    QTest::addColumn<QString>("sGuasto");
    QTest::addColumn<QString>("sMessaggio");
    for (const QString &l : fLingue()) {
        // the decoder's own words, whatever the language
        fRiga("truncated", l) << "truncated"
                              << "Premature end of JPEG file";
        fRiga("bytes before a marker", l) << "extraneous"
                                          << "Corrupt JPEG data";
        fRiga("not a JPEG", l) << "text"
                               << "Not a JPEG file";
        fRiga("empty file", l) << "empty"
                               << "Empty input file";
        fRiga("missing", l) << "missing" << fIn(l, "File o cartella inesistente", "No such file or directory");
        // a few hundred bytes announcing a progressive 65500 x 65500 picture would
        // have libjpeg set aside gigabytes for its coefficients before reading on
        fRiga("huge progressive", l) << "huge progressive"
                                     << fIn(l,
                                            "immagine progressiva troppo grande da decodificare (65500 x 65500 pixel)",
                                            "progressive picture too large to decode (65500 x 65500 pixels)");
    }
}

void TstJpegBmp::brokenPicturesFailNamingThePicture()
{
    QFETCH(QString, lingua);
    QFETCH(QString, sGuasto);
    const TLinguaDiProva parla(lingua);
    QFETCH(QString, sMessaggio);
    QTemporaryDir dir;
    const QString sJpeg = dir.filePath(QStringLiteral("img_2.jpg"));
    const QString sBmp = dir.filePath(QStringLiteral("file0002.bmp"));
    pScriviJpeg(sJpeg, 64, 48, JCS_RGB);
    QByteArray data = fLeggiFile(sJpeg);
    if (sGuasto == QLatin1String("truncated"))
        data.truncate(data.size() / 2);
    else if (sGuasto == QLatin1String("extraneous"))
        data.insert(data.size() - 2, QByteArray("\x12\x34\x56"));
    else if (sGuasto == QLatin1String("text"))
        data = QByteArray("not a picture at all\n");
    else if (sGuasto == QLatin1String("empty"))
        data.clear();
    else if (sGuasto == QLatin1String("huge progressive")) {
        QBuffer buf(&data);
        QImageWriter w(&buf, "jpeg");
        w.setProgressiveScanWrite(true);
        data.clear();
        QVERIFY(w.write(QImage(64, 48, QImage::Format_RGB32)));
        const qsizetype iSof = data.indexOf("\xFF\xC2");
        QVERIFY(iSof > 0);
        data.replace(iSof + 5, 4, QByteArray("\xFF\xDC\xFF\xDC", 4));
    }
    if (sGuasto == QLatin1String("missing"))
        QFile::remove(sJpeg);
    else
        pScriviFile(sJpeg, data);

    QString sErrore;
    try {
        pJpegToBmp(sJpeg, sBmp);
    } catch (const TOmbrixError &e) {
        sErrore = e.fMessage();
    }
    QVERIFY2(sErrore.startsWith(sJpeg + QStringLiteral(": ")), qPrintable(sErrore));
    QVERIFY2(sErrore.contains(sMessaggio), qPrintable(sErrore));
    // neither a half bitmap nor its hidden working file is left
    const QStringList asAttesi =
        sGuasto == QLatin1String("missing") ? QStringList() : QStringList{QStringLiteral("img_2.jpg")};
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), asAttesi);
}

void TstJpegBmp::existingBitmapIsReplaced()
{
    const QString sJpeg = fPath(QStringLiteral("r.jpg"));
    const QString sBmp = fPath(QStringLiteral("r.bmp"));
    pScriviJpeg(sJpeg, 8, 8, JCS_RGB);
    pScriviFile(sBmp, QByteArray(100000, 'x'));
    pJpegToBmp(sJpeg, sBmp);
    pVerificaTestate(fLeggiFile(sBmp), 8, 8, 24);
}

QTEST_GUILESS_MAIN(TstJpegBmp)
#include "tst_jpegbmp.moc"
