// The area canvas: barrier lines on the grabbed canvas, above the icons;
// clearing by name prefix; background pictures of any size; the background
// command with its copy and its failures.

#include "editorfixture.h"

#include "document/projectdocument.h"

#include "editor/frmbase.h"
#include "workspace/uty.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TstCanvas : public QObject
{
    Q_OBJECT

private slots:
    void barrierLinePixels_data();
    void barrierLinePixels();
    void onlyBarriersDrawLines();
    void clearingRemovesPlacedControlsOnly();
    void backgroundOfAnySize();
    void backgroundCommandCopiesTheFile();
    void backgroundCommandFailuresChangeNothing();
    void picturesThatAreNoPlainFileAreRefused_data();
    void picturesThatAreNoPlainFileAreRefused();
    void hugePicturesShowTheirTopLeftOrAreRefused();
};

namespace {

/** The CRC of a PNG chunk (before its final inversion). */
quint32 crc32_ieee(const QByteArray &ab)
{
    quint32 c = 0xffffffffu;
    for (char ch : ab) {
        c ^= uchar(ch);
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
    }
    return c;
}

bool fIsLineColour(QRgb rgb, int iTolerance)
{
    const QColor c(rgb);
    return qAbs(c.red() - 91) <= iTolerance && qAbs(c.green() - 110) <= iTolerance &&
           qAbs(c.blue() - 216) <= iTolerance;
}

/** Notices a reader blocked on any of the FIFOs at the paths: a writer can open one only while it is read. */
class TFifoWatch
{
public:
    explicit TFifoWatch(const QStringList &asPaths)
        : m_thread([this, asPaths] {
              while (!m_bStop) {
                  for (const QString &sPath : asPaths) {
                      struct stat st
                      {
                      };
                      if (::stat(QFile::encodeName(sPath).constData(), &st) != 0 || !S_ISFIFO(st.st_mode))
                          continue;
                      const int fd = ::open(QFile::encodeName(sPath).constData(), O_WRONLY | O_NONBLOCK);
                      if (fd >= 0) {
                          m_bBlocked = true;
                          ::close(fd); // the reader sees the end and goes on
                      }
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    ~TFifoWatch()
    {
        m_bStop = true;
        m_thread.join();
    }
    bool fBlocked() const { return m_bBlocked; }

private:
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bBlocked{false};
    std::thread m_thread;
};

} // namespace

void TstCanvas::barrierLinePixels_data()
{
    QTest::addColumn<int>("iSize");
    QTest::addColumn<int>("iTop2");
    QTest::addColumn<QLine>("line");
    QTest::newRow("16") << 16 << 123 << QLine(231, 127, 256, 126);
    QTest::newRow("32") << 32 << 131 << QLine(239, 135, 256, 134);
    QTest::newRow("48") << 48 << 139 << QLine(247, 143, 256, 142);
}

void TstCanvas::barrierLinePixels()
{
    QFETCH(int, iSize);
    QFETCH(int, iTop2);
    QFETCH(QLine, line);
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    TEditorFixture::pWriteJpeg(fProjectRoot() + "areas/img_1.jpg", 480, 272, Qt::black);
    fx.pExec(QStringLiteral("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, "
                            "CoordY, CoordX2, CoordY2, Orientamento) values (1, 0, 5, %1, 4, 223, 119, 253, %2, 0)")
                 .arg(iSize)
                 .arg(iTop2));
    frm.fDocument().pRileggi();
    fAlbero(frm).pSelectFirstNode();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines(), QList<QLine>{line});

    const QImage img = fW<QWidget>(frm, "PnlImgArea")->grab().toImage();
    // a point on the line over the icon, and one over the second end: the line lies above both
    const int xIcon = line.x1() + 2;
    const int xEnd = 255;
    QVERIFY2(fIsLineColour(img.pixel(xIcon, line.y1()), 40), qPrintable(QColor(img.pixel(xIcon, line.y1())).name()));
    QVERIFY2(fIsLineColour(img.pixel(xEnd, line.y2()), 60), qPrintable(QColor(img.pixel(xEnd, line.y2())).name()));
    if (iSize == 16) {
        // between the icon and the second end the line crosses the black background, anti-aliased
        // over the two rows it passes between, and nothing is drawn beside it
        const int xMid = 244; // y = 126.48
        const QColor cUpper(img.pixel(xMid, 126));
        const QColor cLower(img.pixel(xMid, 127));
        QVERIFY(cUpper.blue() > 40 && cLower.blue() > 40);
        QVERIFY(cUpper.blue() < 200 && cLower.blue() < 200);
        QVERIFY(QColor(img.pixel(xMid, 133)).blue() < 30);
        QVERIFY(QColor(img.pixel(xMid, 119)).blue() < 30);

        // wiped while a barrier moves, drawn again at the end of the drag
        fCanvas(frm).pWipeBlines();
        QVERIFY(QColor(fW<QWidget>(frm, "PnlImgArea")->grab().toImage().pixel(xMid, 127)).blue() < 30);
        fCanvas(frm).pDrawBline();
        QVERIFY(QColor(fW<QWidget>(frm, "PnlImgArea")->grab().toImage().pixel(xMid, 127)).blue() > 40);
    }

    // the lines follow the stored row, as the document reads it
    fx.pExec("update tbsensori set CoordX2 = 400, CoordY2 = 200");
    frm.fDocument().pRileggi();
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines(), QList<QLine>{QLine(line.p1(), QPoint(403, 203))});

    // no project open: no line, whatever was selected
    fA(frm, "MnuChiudiProgetto")->trigger();
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().isEmpty());
    QVERIFY(fx.fPlacedNames().isEmpty());
    fCanvas(frm).pRepaintAll();
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().isEmpty());
}

void TstCanvas::onlyBarriersDrawLines()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    for (int iTipo : {1, 2, 5, 6, 7, 8, 9, 10})
        fx.pExec(QStringLiteral("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, "
                                "CoordY, CoordX2, CoordY2, Orientamento) values (1, 0, 1, 16, %1, 10, 40, 300, 200, 0)")
                     .arg(iTipo));
    fx.pExec("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
             "CoordX2, CoordY2, Orientamento) values (2, 0, 1, 16, 4, 10, 40, 300, 200, 0)"); // another area
    fCanvas(frm).pRepaintAll();
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().isEmpty());
    const QImage img = fW<QWidget>(frm, "PnlImgArea")->grab().toImage();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (fIsLineColour(img.pixel(x, y), 4))
                QFAIL(qPrintable(QStringLiteral("line colour at %1,%2").arg(x).arg(y)));
}

void TstCanvas::clearingRemovesPlacedControlsOnly()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    // one object of every type, and of a type outside the catalogue; the barrier labelled
    for (int iTipo = 1; iTipo <= 11; ++iTipo)
        fx.pExec(QStringLiteral("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, "
                                "CoordY, CoordX2, CoordY2, Testo, Orientamento) values (1, %1, 1, 16, %2, 10, 40, 300, "
                                "200, %3, 0)")
                     .arg(iTipo == 3 ? 2 : 0)
                     .arg(iTipo)
                     .arg(iTipo == 4 ? QStringLiteral("'Porta'") : QStringLiteral("''")));
    frm.fDocument().pRileggi();
    QStringList asShown = fx.fPlacedNames();
    asShown.sort();
    QCOMPARE(asShown, (QStringList{"Allarme_9_uscita_1", "Barriera_4_ingresso_1", "Barriera_4_ingresso_1_",
                                   "Contatto_2_ingresso_1", "Irrigazione_10_uscita_1", "Lampada_6_uscita_1",
                                   "Radar_1_ingresso_1", "Sensore_11_ingresso_1", "Tapgiu_8_uscita_1",
                                   "Tapsu_7_uscita_1", "Telecamera_5_ingresso_1", "Testo_4", "Zoom_3_area_2"}));

    // a widget the canvas did not place stays, whatever its name
    auto *pAltro = new QLabel(fW<QWidget>(frm, "PnlImgArea"));
    pAltro->setObjectName(QStringLiteral("Radar_99_ingresso_1"));
    fCanvas(frm).pPulisciTutto();
    QStringList asLeft;
    for (QObject *pChild : fW<QWidget>(frm, "PnlImgArea")->children())
        if (pChild->isWidgetType())
            asLeft << pChild->objectName();
    asLeft.sort();
    QCOMPARE(asLeft, (QStringList{"Image_1", "ImgBanner", "ImgCanvas", "ImgGriglia", "Radar_99_ingresso_1"}));
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstCanvas::backgroundOfAnySize()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    const QString sPic = fProjectRoot() + "areas/img_1.jpg";

    TEditorFixture::pWriteJpeg(sPic, 800, 600, QColor(200, 30, 30));
    fCanvas(frm).pLoadImgArea(1);
    QImage img = fW<QWidget>(frm, "PnlImgArea")->grab().toImage();
    QCOMPARE(img.size(), QSize(480, 272));
    QVERIFY(QColor(img.pixel(479, 271)).red() > 170);
    QCOMPARE(fW<QLabel>(frm, "Image_1")->geometry(), QRect(0, 0, 480, 272));

    TEditorFixture::pWriteJpeg(sPic, 320, 240, QColor(30, 30, 200));
    fCanvas(frm).pLoadImgArea(1);
    img = fW<QWidget>(frm, "PnlImgArea")->grab().toImage();
    QVERIFY(QColor(img.pixel(319, 239)).blue() > 170);
    QVERIFY(QColor(img.pixel(330, 250)).blue() < 170 || QColor(img.pixel(330, 250)).red() > 100);

    QFile::remove(sPic);
    fCanvas(frm).pLoadImgArea(1);
    QVERIFY(fW<QLabel>(frm, "Image_1")->pixmap().isNull());
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstCanvas::backgroundCommandCopiesTheFile()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    const QString sChosen = fx.fRoot() + "foto grande.jpg";
    TEditorFixture::pWriteJpeg(sChosen, 800, 600, QColor(10, 200, 10));

    fx.dialogs.aiScelte << 1 << 1 << 1; // pictures of other sizes, used as they are
    fx.dialogs.asPictures << sChosen;
    fBtn(frm, "BtnSfondo")->click();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fx.dialogs.asPictureStartDirs.value(0), fProjectRoot());
    QCOMPARE(TEditorFixture::fReadAll(fProjectRoot() + "areas/img_1.jpg"),
             TEditorFixture::fReadAll(sChosen));                            // not re-encoded
    QCOMPARE(fW<QLabel>(frm, "Image_1")->pixmap().size(), QSize(480, 272)); // only the part that shows is decoded

    // the same picture twice, and then another: overwritten without a question
    fx.dialogs.asPictures << sChosen;
    fBtn(frm, "BtnSfondo")->click();
    const QString sOther = fx.fRoot() + "altra.jpg";
    TEditorFixture::pWriteJpeg(sOther, 320, 240, Qt::yellow);
    fx.dialogs.asPictures << sOther;
    fBtn(frm, "BtnSfondo")->click();
    QCOMPARE(TEditorFixture::fReadAll(fProjectRoot() + "areas/img_1.jpg"), TEditorFixture::fReadAll(sOther));
    QVERIFY(fx.dialogs.asErrors.isEmpty());

    fBtn(frm, "BtnSfondo")->click(); // cancelled
    QCOMPARE(TEditorFixture::fReadAll(fProjectRoot() + "areas/img_1.jpg"), TEditorFixture::fReadAll(sOther));
}

void TstCanvas::backgroundCommandFailuresChangeNothing()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    const QString sStored = fProjectRoot() + "areas/img_1.jpg";
    const QByteArray abBefore = TEditorFixture::fReadAll(sStored);
    const QImage imgBefore = fW<QLabel>(frm, "Image_1")->pixmap().toImage();

    fx.dialogs.asPictures << fx.fRoot() + "manca.jpg";
    fBtn(frm, "BtnSfondo")->click();
    QCOMPARE(fx.dialogs.asErrors, QStringList{"Il file non esiste."});

    const QString sBad = fx.fRoot() + "finta.jpg";
    {
        QFile f(sBad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture at all");
    }
    fx.dialogs.asPictures << sBad;
    fBtn(frm, "BtnSfondo")->click();
    QCOMPARE(fx.dialogs.asErrors.size(), 2);
    QVERIFY2(fx.dialogs.asErrors.last().contains("finta.jpg"), qPrintable(fx.dialogs.asErrors.last()));

    QCOMPARE(TEditorFixture::fReadAll(sStored), abBefore);
    QCOMPARE(fW<QLabel>(frm, "Image_1")->pixmap().toImage(), imgBefore);
    QVERIFY(fProjectOpen());
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
}

void TstCanvas::picturesThatAreNoPlainFileAreRefused_data()
{
    QTest::addColumn<bool>("bFifo");
    QTest::newRow("FIFO") << true;
    QTest::newRow("folder") << false;
}

void TstCanvas::picturesThatAreNoPlainFileAreRefused()
{
    QFETCH(bool, bFifo);
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    const QString sStored = fProjectRoot() + "areas/img_1.jpg";
    const QByteArray abBefore = TEditorFixture::fReadAll(sStored);
    const QString sOdd = fx.fRoot() + "strano.jpg";
    if (bFifo)
        QCOMPARE(::mkfifo(QFile::encodeName(sOdd).constData(), 0600), 0);
    else
        QVERIFY(QDir().mkdir(sOdd));
    TFifoWatch watch({sOdd, sStored});

    fx.dialogs.asPictures << sOdd;
    fBtn(frm, "BtnSfondo")->click();
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY2(fx.dialogs.asErrors.last().contains("strano.jpg"), qPrintable(fx.dialogs.asErrors.last()));
    QCOMPARE(TEditorFixture::fReadAll(sStored), abBefore);

    // the area's own picture: showing the area is refused, naming it
    QVERIFY(QFile::remove(sStored));
    QVERIFY(QDir().rename(sOdd, sStored));
    frm.pRunCommand([&] { frm.pOpenProjectFile(fProjectConn().fDatabase()); });
    QCOMPARE(fx.dialogs.asErrors.size(), 2);
    QVERIFY2(fx.dialogs.asErrors.last().contains("img_1.jpg"), qPrintable(fx.dialogs.asErrors.last()));
    QVERIFY(!watch.fBlocked());
}

void TstCanvas::hugePicturesShowTheirTopLeftOrAreRefused()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    const QString sStored = fProjectRoot() + "areas/img_1.jpg";
    {
        // 8000 x 6000 with a pattern in the part that shows
        QImage big(8000, 6000, QImage::Format_Grayscale8);
        big.fill(128);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 500; ++x)
                big.scanLine(y)[x] = uchar((x * 7 + y * 13) % 256);
        QImageWriter writer(sStored, "jpeg");
        writer.setQuality(20);
        QVERIFY(writer.write(big));
    }
    frm.pRunCommand([&] { fCanvas(frm).pLoadImgArea(1); });
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QImageReader full(sStored); // the whole picture decoded, for reference
    full.setAllocationLimit(0);
    const QImage expected = full.read().copy(0, 0, 480, 272).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!expected.isNull());
    QCOMPARE(fW<QLabel>(frm, "Image_1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32), expected);

    // a picture whose decoder cannot clip, beyond 1 GiB decoded: refused by its header, naming file and size
    const auto fBigEndian = [](quint32 v) {
        QByteArray ab;
        for (int i = 3; i >= 0; --i)
            ab.append(char((v >> (8 * i)) & 0xff));
        return ab;
    };
    const auto fChunk = [&](const QByteArray &abTypeAndData) {
        return fBigEndian(quint32(abTypeAndData.size() - 4)) + abTypeAndData + fBigEndian(~crc32_ieee(abTypeAndData));
    };
    const QByteArray abPng =
        QByteArray::fromHex("89504e470d0a1a0a") +
        fChunk("IHDR" + fBigEndian(20000) + fBigEndian(20000) + QByteArray::fromHex("0806000000")) + fChunk("IDAT");
    const QString sHuge = fx.fRoot() + "enorme.png";
    {
        QFile f(sHuge);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(abPng);
    }
    const QByteArray abStoredBefore = TEditorFixture::fReadAll(sStored);
    fx.dialogs.asPictures << sHuge;
    fBtn(frm, "BtnSfondo")->click();
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY2(fx.dialogs.asErrors.last().contains("enorme.png") && fx.dialogs.asErrors.last().contains("20000 x 20000"),
             qPrintable(fx.dialogs.asErrors.last()));
    QCOMPARE(TEditorFixture::fReadAll(sStored), abStoredBefore);
}

QTEST_MAIN(TstCanvas)
#include "tst_canvas.moc"
