// The installation pictures drawn by the build: every file the editor loads
// exists with its size and format, icons are transparent around their badge
// and tell the types apart, tool-bar bitmaps are 24-bit with the key colour in
// the bottom-left pixel, and drawing them again gives the same bytes.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString sRoot = QStringLiteral(OMBRIX_APP_ROOT);
const QString sLetters = QStringLiteral("vczbtlsgai");

QImage fLoad(const QString &sRelative)
{
    QImageReader reader(sRoot + sRelative);
    const QImage img = reader.read();
    if (img.isNull())
        qWarning("%s: %s", qPrintable(sRelative), qPrintable(reader.errorString()));
    return img.convertToFormat(QImage::Format_ARGB32);
}

int fOpaquePixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 200;
    return n;
}

/** Pixels that differ clearly between two pictures of one size. */
int fDifferentPixels(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y);
            const QRgb pb = b.pixel(x, y);
            n += qAbs(qRed(pa) - qRed(pb)) + qAbs(qGreen(pa) - qGreen(pb)) + qAbs(qBlue(pa) - qBlue(pb)) > 90;
        }
    return n;
}

QByteArray fDigestOfFolder(const QString &sFolder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QStringList asFiles = QDir(sFolder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    asFiles.removeAll(QStringLiteral(".stamp"));
    for (const QString &sFile : asFiles) {
        QFile f(sFolder + QLatin1Char('/') + sFile);
        if (f.open(QIODevice::ReadOnly)) {
            hash.addData(sFile.toUtf8());
            hash.addData(f.readAll());
        }
    }
    return hash.result();
}

} // namespace

class TstAssets : public QObject
{
    Q_OBJECT

private slots:
    void sensorIconsHaveTheirSizesAndTransparentCorners();
    void iconsTellTheTypesApartEvenAtSixteenPixels();
    void markerBannersAndBlankBackground();
    void toolbarBitmapsAre24BitWithTheKeyColourBottomLeft();
    void drawingAgainGivesTheSameBytesAndLeavesFilesUntouched();
};

void TstAssets::sensorIconsHaveTheirSizesAndTransparentCorners()
{
    for (QChar c : sLetters) {
        for (int iSize : {16, 32, 48}) {
            const QString sFile = QStringLiteral("grfc/") + c + QString::number(iSize) + QStringLiteral(".png");
            const QImage img = fLoad(sFile);
            QVERIFY2(!img.isNull(), qPrintable(sFile));
            QCOMPARE(img.size(), QSize(iSize, iSize));
            QVERIFY2(img.hasAlphaChannel(), qPrintable(sFile));
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(img.pixel(iSize - 1, iSize - 1)), 0);
            // most of the square is the badge
            QVERIFY2(fOpaquePixels(img) > iSize * iSize * 3 / 4, qPrintable(sFile));
        }
    }
}

void TstAssets::iconsTellTheTypesApartEvenAtSixteenPixels()
{
    for (int iSize : {16, 32, 48})
        for (int i = 0; i < sLetters.size(); ++i)
            for (int j = i + 1; j < sLetters.size(); ++j) {
                const QImage a = fLoad(QStringLiteral("grfc/%1%2.png").arg(sLetters.at(i)).arg(iSize));
                const QImage b = fLoad(QStringLiteral("grfc/%1%2.png").arg(sLetters.at(j)).arg(iSize));
                QVERIFY2(
                    fDifferentPixels(a, b) > iSize * iSize / 5,
                    qPrintable(QStringLiteral("%1 and %2 at %3").arg(sLetters.at(i)).arg(sLetters.at(j)).arg(iSize)));
            }
}

void TstAssets::markerBannersAndBlankBackground()
{
    const QImage marker = fLoad(QStringLiteral("grfc/b2.png"));
    QCOMPARE(marker.size(), QSize(7, 7));
    QCOMPARE(fOpaquePixels(marker), 49);

    const QImage ban1 = fLoad(QStringLiteral("grfc/ban1.png"));
    const QImage ban2 = fLoad(QStringLiteral("grfc/ban2.png"));
    QCOMPARE(ban1.size(), QSize(480, 34));
    QCOMPARE(ban2.size(), QSize(480, 34));
    QCOMPARE(fOpaquePixels(ban1), 480 * 34);
    QVERIFY(fDifferentPixels(ban1, ban2) > 480 * 34 / 2); // the two levels look different

    QImageReader reader(sRoot + QStringLiteral("grfc/blank.jpg"));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage blank = reader.read();
    QCOMPARE(blank.size(), QSize(480, 272));
    QCOMPARE(blank.pixelColor(0, 0), blank.pixelColor(479, 271)); // plain
}

void TstAssets::toolbarBitmapsAre24BitWithTheKeyColourBottomLeft()
{
    const QStringList asFiles = {"new.bmp", "sfondo.bmp", "zoomin.bmp", "vol.bmp",    "cont.bmp",  "bar.bmp",
                                 "tel.bmp", "lamp.bmp",   "tapsu.bmp",  "tapgiu.bmp", "alarm.bmp", "irrig.bmp"};
    QSet<QByteArray> aDistinct;
    for (const QString &sFile : asFiles) {
        QFile f(sRoot + QStringLiteral("res/") + sFile);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(sFile));
        const QByteArray abData = f.readAll();
        QVERIFY(abData.startsWith("BM"));
        QCOMPARE(int(quint8(abData.at(28))), 24); // bits per pixel
        aDistinct.insert(abData);

        const QImage img = QImage::fromData(abData, "BMP");
        QVERIFY(img.width() <= 50 && img.height() <= 50 && img.width() >= 24);
        const QRgb key = img.pixel(0, img.height() - 1);
        QCOMPARE(img.pixel(0, 0), key);
        QCOMPARE(img.pixel(img.width() - 1, 0), key);
        int iKey = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                iKey += img.pixel(x, y) == key;
        const int iAll = img.width() * img.height();
        QVERIFY2(iKey > iAll / 20 && iKey < iAll * 3 / 4, qPrintable(sFile)); // a picture on a keyed background
    }
    QCOMPARE(aDistinct.size(), asFiles.size());
}

void TstAssets::drawingAgainGivesTheSameBytesAndLeavesFilesUntouched()
{
    const QString sTool = sRoot + QStringLiteral("tools/mkassets");
    QVERIFY(QFile::exists(sTool));
    QTemporaryDir dir;
    for (int i = 0; i < 2; ++i) {
        QProcess p;
        p.start(sTool, {dir.path(), sRoot + QStringLiteral("translations/ombrix_en.qm")}); // as the build runs it
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
    }
    QCOMPARE(fDigestOfFolder(dir.path() + QStringLiteral("/grfc")), fDigestOfFolder(sRoot + QStringLiteral("grfc")));
    QCOMPARE(fDigestOfFolder(dir.path() + QStringLiteral("/res")), fDigestOfFolder(sRoot + QStringLiteral("res")));

    const QString sIcon = dir.path() + QStringLiteral("/grfc/v16.png");
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    {
        QFile f(sIcon);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    QProcess p;
    p.start(sTool, {dir.path()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(QFileInfo(sIcon).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
}

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
