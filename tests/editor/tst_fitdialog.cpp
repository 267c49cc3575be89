// "Adatta immagine di sfondo…" on the real window: a PDF plan fitted in the
// real dialog replaces the shown area's picture, the canvas shows it, and one
// Ctrl+Z gives the old bytes back; Cancel writes nothing; a protected PDF asks
// for its password; a background finding of "Verifica" offers the dialog.

#include "tst_placement_helpers.h"

#include "document/projectdocument.h"
#include "editor/checkdock.h"
#include "editor/fitdialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
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
        dlg.findChild<QSlider *>("SldZoom")->setValue(200);
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

QTEST_MAIN(TstFitDialog)
#include "tst_fitdialog.moc"
