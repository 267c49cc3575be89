// "Adatta immagine di sfondo…" on the real window: a PDF plan fitted in the
// real dialog replaces the shown area's picture, the canvas shows it, and one
// Ctrl+Z gives the old bytes back; Cancel writes nothing; a protected PDF asks
// for its password; a background finding of "Verifica" offers the dialog. The
// dialog starts with the choices of the last fitting, kept in ombrix.ini, and
// zooms in steps of one ratio.

#include "tst_placement_helpers.h"

#include "document/projectdocument.h"
#include "editor/checkdock.h"
#include "editor/fitdialog.h"
#include "workspace/settings.h"
#include "workspace/uty.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

namespace {

/** A one-page A3 plan: blue, with a white frame. */
void pScriviPianta(const QString &sPath)
{
    QPdfWriter pdf(sPath);
    pdf.setPageSize(QPageSize(QPageSize::A3));
    pdf.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&pdf);
    painter.fillRect(QRect(0, 0, pdf.width(), pdf.height()), QColor(0, 0, 200));
    painter.setPen(QPen(Qt::white, 40));
    painter.drawRect(QRect(200, 200, pdf.width() - 400, pdf.height() - 400));
}

bool fBlu(QRgb c)
{
    return qBlue(c) > 150 && qRed(c) < 60 && qGreen(c) < 60;
}

} // namespace

class TstFitDialog : public QObject
{
    Q_OBJECT

private slots:
    void planReplacesThePictureAndCtrlZGivesItBack();
    void startsWithTheLastChoicesAndZoomsInEqualSteps();
};

void TstFitDialog::planReplacesThePictureAndCtrlZGivesItBack()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const qint64 iArea = frm.fDocument().fAreaMostrata();
    const QString sImg = frm.fDocument().fAreaPicturePath(iArea);
    const QByteArray abPrima = TEditorFixture::fReadAll(sImg);
    QVERIFY(!abPrima.isEmpty());
    QTemporaryDir dir;
    const QString sPdf = dir.filePath(QStringLiteral("pianta.pdf"));
    pScriviPianta(sPdf);
    QVERIFY(fA(frm, "MnuAdattaSfondo")->isEnabled());
    QVERIFY(fW<QMenu>(frm, "PopTv")->actions().contains(fA(frm, "PopAdattaSfondo")));

    // Cancel writes nothing
    fx.dialogs.asFitSources << sPdf;
    fA(frm, "MnuAdattaSfondo")->trigger();
    QCOMPARE(fx.dialogs.iAdattaMostrati, 1);
    QCOMPARE(fx.dialogs.asFitStartDirs.constLast(), frm.fDocument().fRootPrj());
    QCOMPARE(TEditorFixture::fReadAll(sImg), abPrima);

    // the real dialog: its preview carries the banner over the plan; fill, under the banner, dragged
    fx.dialogs.asFitSources << sPdf;
    QImage anteprima;
    QPointF posDopo;
    fx.dialogs.pOnAdatta = [&](TFrmAdatta &dlg) {
        dlg.show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(&dlg)); }();
        dlg.findChild<QComboBox *>("CmbModo")->setCurrentIndex(1);
        dlg.findChild<QCheckBox *>("ChkSottoBanner")->setChecked(true);
        dlg.findChild<QSlider *>("SldZoom")->setValue(TFrmAdatta::iPassiZoom / 3); // about 2 x
        QTest::mousePress(dlg.findChild<QWidget *>("PnlAnteprima"), Qt::LeftButton, {}, QPoint(300, 150));
        QTest::mouseMove(dlg.findChild<QWidget *>("PnlAnteprima"), QPoint(250, 120));
        QTest::mouseRelease(dlg.findChild<QWidget *>("PnlAnteprima"), Qt::LeftButton, {}, QPoint(250, 120));
        posDopo = dlg.fOpzioni().posFinestra.value_or(QPointF(-1, -1));
        anteprima = dlg.findChild<QWidget *>("PnlAnteprima")->grab().toImage();
        return true;
    };
    fA(frm, "PopAdattaSfondo")->trigger();
    QCOMPARE(fx.dialogs.asErrors, QStringList());
    QVERIFY2(posDopo.x() > 0.5 && posDopo.y() > 0.5,
             qPrintable(QStringLiteral("%1,%2").arg(posDopo.x()).arg(posDopo.y())));
    const QImage banner = fW<QLabel>(frm, "ImgBanner")->pixmap().toImage();
    QCOMPARE(anteprima.pixel(10, 10), banner.pixel(10, 10));
    QVERIFY(fBlu(anteprima.pixel(240, 200)));

    const QImage salvata(sImg);
    QCOMPARE(salvata.size(), QSize(480, 272));
    QVERIFY(fBlu(salvata.pixel(240, 200)));
    QVERIFY(!fBlu(salvata.pixel(240, 20))); // the banner strip in the fill colour
    QVERIFY(fBlu(fW<QLabel>(frm, "Image_1")->pixmap().toImage().pixel(240, 200)));
    QCOMPARE(fA(frm, "MnuAnnulla")->text(), QStringLiteral("Annulla sfondo"));

    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    QTest::keyClick(&frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(TEditorFixture::fReadAll(sImg), abPrima);
    QVERIFY(!fBlu(fW<QLabel>(frm, "Image_1")->pixmap().toImage().pixel(240, 200)));

    // a protected PDF: the password is asked for, a wrong one is reported
    const QString sProtetto = QStringLiteral(OMBRIX_SOURCE_DIR "tests/fit/data/protetto.pdf");
    fx.dialogs.pOnAdatta = [](TFrmAdatta &) { return true; };
    fx.dialogs.asFitSources << sProtetto << sProtetto;
    fx.dialogs.aPasswords << QStringLiteral("sbagliata") << QStringLiteral("segreta");
    fA(frm, "MnuAdattaSfondo")->trigger();
    QCOMPARE(fx.dialogs.asErrors, QStringList{sProtetto + QStringLiteral(": password del PDF errata")});
    QCOMPARE(TEditorFixture::fReadAll(sImg), abPrima);
    fA(frm, "MnuAdattaSfondo")->trigger();
    QCOMPARE(fx.dialogs.asPasswordFiles.size(), 2);
    QVERIFY(fBlu(QImage(sImg).pixel(240, 136)));

    // a picture of the wrong size, found by "Verifica", fitted from the finding's pop-up
    TEditorFixture::pWriteJpeg(sImg, 320, 240, Qt::red);
    fA(frm, "MnuVerificaProgetto")->trigger();
    fW<TCheckDock>(frm, "DockVerifica")->pAggiorna();
    const QTableWidget *pTb = fW<QTableWidget>(frm, "TbVerifica");
    int iRiga = -1;
    for (int i = 0; i < pTb->rowCount(); ++i)
        if (pTb->item(i, 3)->toolTip() == QLatin1String("sfondo-dimensioni"))
            iRiga = i;
    QVERIFY(iRiga >= 0);
    QVERIFY(fW<TCheckDock>(frm, "DockVerifica")->fPopupRiga(iRiga));
    QVERIFY(fA(frm, "PopVerificaAdattaSfondo")->isEnabled());
    fx.dialogs.asFitSources << sPdf;
    fA(frm, "PopVerificaAdattaSfondo")->trigger();
    QCOMPARE(QImage(sImg).size(), QSize(480, 272));
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
}

void TstFitDialog::startsWithTheLastChoicesAndZoomsInEqualSteps()
{
    iGlobAdattaModo = 0;
    bGlobAdattaSottoBanner = bGlobAdattaLineeMarcate = false;
    sGlobAdattaColore = QStringLiteral("#ffffff");
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    QTemporaryDir dir;
    const QString sPng = dir.filePath(QStringLiteral("pianta.png"));
    QImage img(960, 700, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(img.save(sPng));

    // the first time: the defaults; the zoom from 100 % to 800 % in steps of one ratio
    QList<double> adZoom;
    fx.dialogs.asFitSources << sPng;
    fx.dialogs.aColori << QColor(0x33, 0x66, 0x99);
    fx.dialogs.pOnAdatta = [&](TFrmAdatta &dlg) {
        [&] {
            QCOMPARE(dlg.findChild<QComboBox *>("CmbModo")->currentIndex(), 0);
            QVERIFY(!dlg.findChild<QCheckBox *>("ChkSottoBanner")->isChecked() &&
                    !dlg.findChild<QCheckBox *>("ChkLineeMarcate")->isChecked());
            QCOMPARE(dlg.fOpzioni().colFondo, QColor(Qt::white));
            dlg.findChild<QComboBox *>("CmbModo")->setCurrentIndex(1);
            dlg.findChild<QCheckBox *>("ChkSottoBanner")->setChecked(true);
            dlg.findChild<QCheckBox *>("ChkLineeMarcate")->setChecked(true);
            dlg.findChild<QPushButton *>("BtnColore")->click();
            for (int i = dlg.findChild<QSlider *>("SldZoom")->minimum();
                 i <= dlg.findChild<QSlider *>("SldZoom")->maximum(); ++i) {
                dlg.findChild<QSlider *>("SldZoom")->setValue(i);
                adZoom << dlg.fOpzioni().dZoom;
            }
            dlg.findChild<QSlider *>("SldZoom")->setValue(3);
            QWheelEvent rotella(QPointF(240, 136),
                                dlg.findChild<QWidget *>("PnlAnteprima")->mapToGlobal(QPointF(240, 136)), QPoint(),
                                QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(dlg.findChild<QWidget *>("PnlAnteprima"), &rotella);
            QCOMPARE(dlg.findChild<QSlider *>("SldZoom")->value(), 5); // one notch, two steps
        }();
        dlg.findChild<QDialogButtonBox *>("BoxBottoni")->button(QDialogButtonBox::Ok)->click();
        return dlg.result() == QDialog::Accepted;
    };
    fA(frm, "MnuAdattaSfondo")->trigger();
    QCOMPARE(fx.dialogs.asErrors, QStringList());
    QCOMPARE(adZoom.size(), TFrmAdatta::iPassiZoom + 1);
    QCOMPARE(adZoom.first(), 1.0);
    QVERIFY(qFuzzyCompare(adZoom.last(), 8.0));
    for (qsizetype i = 1; i < adZoom.size(); ++i)
        QVERIFY(qFuzzyCompare(adZoom.at(i) / adZoom.at(i - 1), adZoom.at(1)));
    QVERIFY(adZoom.at(1) > 1.09 && adZoom.at(1) < 1.11);

    // the next time it starts with those choices; "Originale" zooms out to about 10 %
    fx.dialogs.asFitSources << sPng;
    TOpzioniAdatta opzDopo;
    double dMinimo = 0;
    fx.dialogs.pOnAdatta = [&](TFrmAdatta &dlg) {
        opzDopo = dlg.fOpzioni();
        [&] {
            QCOMPARE(dlg.findChild<QComboBox *>("CmbModo")->currentIndex(), 1);
            QVERIFY(dlg.findChild<QCheckBox *>("ChkSottoBanner")->isChecked() &&
                    dlg.findChild<QCheckBox *>("ChkLineeMarcate")->isChecked());
            QCOMPARE(dlg.findChild<QSlider *>("SldZoom")->value(), 0); // the zoom is not kept
        }();
        dlg.findChild<QComboBox *>("CmbModo")->setCurrentIndex(2);
        dlg.findChild<QSlider *>("SldZoom")->setValue(dlg.findChild<QSlider *>("SldZoom")->minimum());
        dMinimo = dlg.fOpzioni().dZoom;
        return false;
    };
    fA(frm, "MnuAdattaSfondo")->trigger();
    QCOMPARE(opzDopo.eModo, TModoAdatta::Riempi);
    QVERIFY(opzDopo.bSottoBanner && opzDopo.bLineeMarcate);
    QCOMPARE(opzDopo.colFondo, QColor(0x33, 0x66, 0x99));
    QCOMPARE(opzDopo.dZoom, 1.0);
    QVERIFY2(dMinimo >= 0.1 && dMinimo < 0.11, qPrintable(QString::number(dMinimo)));
    QCOMPARE(iGlobAdattaModo, 1); // Cancel keeps the last choices

    // kept in ombrix.ini across runs
    fx.pStop();
    const QByteArray ini = TEditorFixture::fReadAll(fx.fBin() + "ombrix.ini");
    QVERIFY2(ini.contains("[Adatta]\nModo=1\nSottoBanner=1\nLineeMarcate=1\nColore=#336699\n"), ini.constData());
    iGlobAdattaModo = 0;
    bGlobAdattaSottoBanner = bGlobAdattaLineeMarcate = false;
    sGlobAdattaColore.clear();
    pLoadFromIni();
    QCOMPARE(iGlobAdattaModo, 1);
    QVERIFY(bGlobAdattaSottoBanner && bGlobAdattaLineeMarcate);
    QCOMPARE(sGlobAdattaColore, QStringLiteral("#336699"));
}

QTEST_MAIN(TstFitDialog)
#include "tst_fitdialog.moc"
