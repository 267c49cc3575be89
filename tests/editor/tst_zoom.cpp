// The canvas at every zoom, on the real window with real mouse, wheel and key
// events: drags store the panel positions they store at 100 %, within the
// page's limits; Ctrl+wheel keeps the panel pixel under the pointer; the
// menu's steps, "Adatta alla finestra" and the zoom kept in ombrix.ini with
// the window's geometry; pictures and text drawn at the zoomed size; and what
// assistive technologies read of the canvas and of the status bar.

#include "tst_placement_helpers.h"

#include "editor/areaview.h"

#include <QAccessible>
#include <QDockWidget>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>
#include <QtTest>

namespace {

void pZoom(TFrmBase &frm, int iPercento)
{
    fA(frm, QStringLiteral("MnuZoom%1").arg(iPercento).toLatin1().constData())->trigger();
    QCOMPARE(fCanvas(frm).fVista().fPercento(), iPercento);
}

/** Scrolls the view so that the whole item is in sight, as the user would before taking it. */
void pInVista(TFrmBase &frm, QWidget *pItem)
{
    fW<QScrollArea>(frm, "ScrArea")->ensureWidgetVisible(pItem, 60, 60);
    QCoreApplication::processEvents();
}

QString fNomeAccessibile(QObject *p, QAccessible::Text eTesto = QAccessible::Name)
{
    QAccessibleInterface *pIface = QAccessible::queryAccessibleInterface(p);
    return pIface ? pIface->text(eTesto) : QStringLiteral("<none>");
}

} // namespace

class TstZoom : public QObject
{
    Q_OBJECT

private slots:
    void eachScreenPixelMapsToThePanelPixelDrawnThere();
    void dragsStoreThePanelPositionsOfTheParts_data();
    void dragsStoreThePanelPositionsOfTheParts();
    void limitsAtFourHundredPercent();
    void arrowsMovePanelPixelsAndTheStatusBarShowsThem();
    void ctrlWheelKeepsThePixelUnderThePointer();
    void stepsAndFitToTheWindow();
    void zoomAndWindowRememberedAcrossARestart();
    void everythingScalesTogetherAndStaysSharp();
    void canvasItemsAreAccessibleAtEveryZoom();
    void statusBarCellsReadTheirText();
};

void TstZoom::eachScreenPixelMapsToThePanelPixelDrawnThere()
{
    // at every step, also where a panel pixel takes one or two screen pixels (150 %), and left of the page
    for (int iZoom : TVista::aiPassi) {
        const TVista vista(iZoom);
        for (int s = -20; s < 1500; ++s) {
            const int p = vista.fPannello(QPoint(s, s)).x();
            QVERIFY2(vista.fSchermo(p) <= s && s < vista.fSchermo(p + 1),
                     qPrintable(QStringLiteral("%1 %: screen %2 gives panel %3").arg(iZoom).arg(s).arg(p)));
        }
        for (int p = -5; p < 500; ++p)
            QCOMPARE(vista.fPannello(vista.fSchermo(QPoint(p, p))), QPoint(p, p));
    }
}

void TstZoom::dragsStoreThePanelPositionsOfTheParts_data()
{
    // the drags of the icon's limits at 100 %, their offsets in panel pixels
    QTest::addColumn<int>("iZoom");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPoint>("expected");
    for (int iZoom : {100, 200, 400}) {
        const QByteArray ab = QByteArray::number(iZoom) + " % ";
        QTest::newRow(ab + "far right") << iZoom << QPoint(700, 0) << QPoint(448, 119);
        QTest::newRow(ab + "far down") << iZoom << QPoint(0, 400) << QPoint(223, 240);
        QTest::newRow(ab + "far left and up") << iZoom << QPoint(-600, -300) << QPoint(0, 0);
        QTest::newRow(ab + "inside") << iZoom << QPoint(-100, 37) << QPoint(123, 156);
    }
    QTest::newRow("150 % inside") << 150 << QPoint(-100, 38) << QPoint(123, 157);
}

void TstZoom::dragsStoreThePanelPositionsOfTheParts()
{
    QFETCH(int, iZoom);
    QFETCH(QPoint, offset);
    QFETCH(QPoint, expected);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("1"));
    const int iId = fLastSensorId(fx);
    pZoom(frm, iZoom);
    TCanvasItem *pIcon = fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_1").arg(iId));
    QCOMPARE(pIcon->size(), QSize(32, 32) * iZoom / 100);
    pInVista(frm, pIcon);

    // the pointer goes the panel offset times the zoom, in screen pixels
    const QPoint presa = QPoint(10, 12) * iZoom / 100;
    pDrag(frm, pIcon, presa, {offset * iZoom / 200, offset * iZoom / 100});
    QCOMPARE(pIcon->fPosizione(), expected);
    QCOMPARE(pIcon->pos(), TVista(iZoom).fSchermo(expected));
    QCOMPARE(fColumn(fx, iId, "CoordX"), expected.x());
    QCOMPARE(fColumn(fx, iId, "CoordY"), expected.y());
    QVERIFY(!fStrumento(frm).fTrascinamento());
}

void TstZoom::limitsAtFourHundredPercent()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("1"));
    const int iId = fLastSensorId(fx);
    pZoom(frm, 400);
    // a 7 x 7 second end stops at left 473 and top 265, and at 0, 0
    TCanvasItem *pMarker = fPlaced(frm, QStringLiteral("Barriera_%1_ingresso_1_").arg(iId));
    pInVista(frm, pMarker);
    pDrag(frm, pMarker, QPoint(12, 12), {QPoint(400, 200), QPoint(3200, 2400)});
    QCOMPARE(pMarker->fPosizione(), QPoint(473, 265));
    QCOMPARE(QPoint(fColumn(fx, iId, "CoordX2"), fColumn(fx, iId, "CoordY2")), QPoint(473, 265));
    pInVista(frm, pMarker);
    pDrag(frm, pMarker, QPoint(12, 12), {QPoint(-3600, -2800)});
    QCOMPARE(QPoint(fColumn(fx, iId, "CoordX2"), fColumn(fx, iId, "CoordY2")), QPoint(0, 0));

    // a 20-pixel drag of the pointer moves the label 5 panel pixels; it stops where its edges meet the page's
    fx.dialogs.aInputAnswers << QStringLiteral("Cancello");
    pPopupEntry(fPlaced(frm, QStringLiteral("Barriera_%1_ingresso_1").arg(iId)), fW<QMenu>(frm, "popImg"),
                fA(frm, "MnuAggiungitesto"));
    TCanvasItem *pLabel = fPlaced(frm, QStringLiteral("Testo_%1").arg(iId));
    const QPoint prima = pLabel->fPosizione();
    pInVista(frm, pLabel);
    pDrag(frm, pLabel, QPoint(8, 8), {QPoint(20, -20)});
    QCOMPARE(QPoint(fColumn(fx, iId, "CoordXt"), fColumn(fx, iId, "CoordYt")), prima + QPoint(5, -5));
    pInVista(frm, pLabel);
    pDrag(frm, pLabel, QPoint(8, 8), {QPoint(4000, 4000)});
    QCOMPARE(pLabel->fPosizione() + QPoint(pLabel->fRettangolo().width(), pLabel->fRettangolo().height()),
             QPoint(480, 272));
    QCOMPARE(fColumn(fx, iId, "CoordXt"), 480 - pLabel->fRettangolo().width());
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstZoom::arrowsMovePanelPixelsAndTheStatusBarShowsThem()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    const int iId = fLastSensorId(fx);
    pZoom(frm, 300);
    TCanvasItem *pIcon = fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_7").arg(iId));
    pInVista(frm, pIcon);
    QTest::mouseClick(pIcon, Qt::LeftButton, {}, QPoint(20, 20));
    pTasto(frm, &fCanvas(frm), Qt::Key_Right, {}, 3);
    pTasto(frm, &fCanvas(frm), Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(QPoint(fColumn(fx, iId, "CoordX"), fColumn(fx, iId, "CoordY")), QPoint(226, 109));
    QCOMPARE(pIcon->pos(), QPoint(226, 109) * 3);
    QCOMPARE(fW<QLabel>(frm, "SbarPosizione")->text(), QStringLiteral("X 242  Y 125")); // the centre, as maps.txt

    // while dragging, the status bar follows in panel pixels
    const QPoint start = pIcon->mapTo(&frm, QPoint(20, 20));
    QTest::mousePress(pIcon, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(&frm, start + QPoint(30, 60));
    QCOMPARE(fW<QLabel>(frm, "SbarPosizione")->text(), QStringLiteral("X 252  Y 145"));
    QTest::mouseRelease(&frm, Qt::LeftButton, {}, start + QPoint(30, 60));
    QCOMPARE(QPoint(fColumn(fx, iId, "CoordX"), fColumn(fx, iId, "CoordY")), QPoint(236, 129));
}

void TstZoom::ctrlWheelKeepsThePixelUnderThePointer()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("1"));
    auto *pScroll = fW<QScrollArea>(frm, "ScrArea");
    QWidget *pViewport = pScroll->viewport();
    TAreaCanvas &canvas = fCanvas(frm);
    pZoom(frm, 200);
    pScroll->horizontalScrollBar()->setValue(pScroll->horizontalScrollBar()->maximum() / 2);
    pScroll->verticalScrollBar()->setValue(pScroll->verticalScrollBar()->maximum() / 2);
    // the view takes the wheel (a real one, spontaneous, comes up to it from the item under the pointer)
    auto fRotella = [&](const QPoint &punto, int iDelta, Qt::KeyboardModifiers eTasti = Qt::ControlModifier) {
        QWheelEvent ev(punto, pViewport->mapToGlobal(punto), QPoint(), QPoint(0, iDelta), Qt::NoButton, eTasti,
                       Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(pViewport, &ev);
    };

    // at several points of the view, one of them on the icon, in and out: the same panel pixel stays under the
    // pointer
    const QPoint sullIcona =
        fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_1").arg(fLastSensorId(fx)))->mapTo(pViewport, QPoint(9, 9));
    QVERIFY(pViewport->rect().contains(sullIcona));
    QVERIFY(qobject_cast<TCanvasItem *>(pViewport->childAt(sullIcona)));
    for (const QPoint &punto : {sullIcona, QPoint(300, 200), QPoint(150, 120), QPoint(480, 300)})
        for (int iScatto : {120, 120, -120, -120}) {
            const int iPrima = canvas.fVista().fPercento();
            const QPoint pannello = canvas.fVista().fPannello(canvas.mapFrom(pViewport, punto));
            fRotella(punto, iScatto);
            const int iDopo = canvas.fVista().fPercento();
            QCOMPARE(iDopo, iScatto > 0 ? TVista::fPassoSuccessivo(iPrima) : TVista::fPassoPrecedente(iPrima));
            QCOMPARE(canvas.fVista().fPannello(canvas.mapFrom(pViewport, punto)), pannello);
        }
    // a touchpad's small turns make one step once they add up to a notch
    for (int i = 0; i < 3; ++i)
        fRotella(QPoint(300, 200), 40);
    QCOMPARE(canvas.fVista().fPercento(), 300);

    // without Ctrl the wheel scrolls, the zoom stays
    const int iValore = pScroll->verticalScrollBar()->value();
    fRotella(QPoint(200, 200), -120, Qt::NoModifier);
    QCOMPARE(canvas.fVista().fPercento(), 300);
    QVERIFY(pScroll->verticalScrollBar()->value() > iValore);
}

void TstZoom::stepsAndFitToTheWindow()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    TAreaCanvas &canvas = fCanvas(frm);
    // the shortcuts: in, in, out, back to 100 %
    QCOMPARE(fA(frm, "MnuIngrandisci")->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
    pTasto(frm, &frm, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(canvas.fVista().fPercento(), 150);
    pTasto(frm, &frm, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(canvas.fVista().fPercento(), 200);
    pTasto(frm, &frm, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(canvas.fVista().fPercento(), 150);
    QVERIFY(fA(frm, "MnuZoom150")->isChecked());
    QCOMPARE(fW<QLabel>(frm, "SbarZoom")->text(), QStringLiteral("150 %"));
    pTasto(frm, &frm, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(canvas.fVista().fPercento(), 100);
    fA(frm, "MnuRiduci")->trigger(); // the first step stays
    QCOMPARE(canvas.fVista().fPercento(), 100);

    // a large window takes 300 %: the page with its bezel fits, 400 % would not
    frm.resize(1900, 1040);
    QTRY_COMPARE(frm.size(), QSize(1900, 1040));
    fA(frm, "MnuAdattaFinestra")->trigger();
    QCOMPARE(canvas.fVista().fPercento(), 300);
    auto *pScroll = fW<QScrollArea>(frm, "ScrArea");
    QVERIFY(!pScroll->horizontalScrollBar()->isVisible() && !pScroll->verticalScrollBar()->isVisible());
    QVERIFY(
        pScroll->viewport()->rect().contains(QRect(canvas.mapTo(pScroll->viewport(), QPoint(0, 0)), canvas.size())));
    // and the window at its start size, 100 %
    frm.resize(909, 470 + frm.menuBar()->height());
    QTRY_COMPARE(frm.centralWidget()->size(), QSize(909, 470));
    fA(frm, "MnuAdattaFinestra")->trigger();
    QCOMPARE(canvas.fVista().fPercento(), 100);
    QCOMPARE(canvas.pos(), QPoint(88, 74)); // centred as ever
}

void TstZoom::zoomAndWindowRememberedAcrossARestart()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pStop();
    QVERIFY(!TEditorFixture::fReadAll(fx.fBin() + "ombrix.ini").contains("Zoom=")); // 100 % is not written

    TFrmBase &frm2 = fx.pStart();
    Q_UNUSED(frm);
    pZoom(frm2, 200);
    frm2.resize(1200, 700);
    QTRY_COMPARE(frm2.size(), QSize(1200, 700));
    QVERIFY(frm2.fSplitterMoved(300));
    fx.pNewProject(QStringLiteral("casa"));
    fA(frm2, "MnuVerificaProgetto")->trigger();
    const QSize size = frm2.size();
    fx.pStop();
    const QByteArray abIni = TEditorFixture::fReadAll(fx.fBin() + "ombrix.ini");
    QVERIFY2(abIni.contains("[Options]\nIconSize=32\nZoom=200\n"), abIni.constData());
    QVERIFY2(abIni.contains("[Finestra]\nGeometria="), abIni.constData());

    TFrmBase &frm3 = fx.pStart();
    QCOMPARE(fCanvas(frm3).fVista().fPercento(), 200);
    QVERIFY(fA(frm3, "MnuZoom200")->isChecked());
    QCOMPARE(fW<QLabel>(frm3, "SbarZoom")->text(), QStringLiteral("200 %"));
    QCOMPARE(frm3.size(), size);
    QCOMPARE(fW<QWidget>(frm3, "PanelSx")->width(), 300);
    QVERIFY(fW<QDockWidget>(frm3, "DockVerifica")->isVisible());

    // back to 100 %: written, so that the next start is not at 200 %
    fA(frm3, "MnuZoom100")->trigger();
    fx.pStop();
    QVERIFY(TEditorFixture::fReadAll(fx.fBin() + "ombrix.ini").contains("Zoom=100\n"));
    QCOMPARE(fCanvas(fx.pStart()).fVista().fPercento(), 100);
}

void TstZoom::everythingScalesTogetherAndStaysSharp()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    TEditorFixture::pWriteJpeg(fProjectRoot() + "areas/img_1.jpg", 480, 272, Qt::black);
    fx.pExec(
        "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, CoordX2, "
        "CoordY2, CoordXt, CoordYt, FontTxt, ColorTxt, Testo, Orientamento) values (1, 0, 5, 16, 4, 100, 100, 300, "
        "200, 150, 60, 7, 1, 'Porta', 0)");
    frm.fDocument().pRileggi();
    TAreaCanvas &canvas = fCanvas(frm);
    const QImage img100 = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect rcTesto100 = fPlaced(frm, "Testo_1")->geometry();

    for (int iZoom : {200, 300, 400}) {
        frm.fSelezione().pSvuota();
        pZoom(frm, iZoom);
        const int z = iZoom / 100;
        QCOMPARE(canvas.size(), QSize(480, 272) * z);
        const QImage img = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // the icon (above its line) and the banner: each pixel a square of z x z pixels of the same colour
        for (const QRect &rc : {QRect(100, 100, 16, 7), QRect(0, 0, 480, 34)})
            for (int y = rc.top(); y <= rc.bottom(); y += 3)
                for (int x = rc.left(); x <= rc.right(); x += 3)
                    for (int d = 0; d < z * z; ++d)
                        QCOMPARE(img.pixel(x * z + d % z, y * z + d / z), img100.pixel(x, y));
        // the label takes z times its room, its text drawn at that size: ink spread over the whole height
        QCOMPARE(fPlaced(frm, "Testo_1")->geometry(), QRect(rcTesto100.topLeft() * z, rcTesto100.size() * z));
        int iRigheConInchiostro = 0;
        for (int y = rcTesto100.top() * z; y < (rcTesto100.top() + rcTesto100.height()) * z; ++y) {
            bool bInchiostro = false;
            for (int x = rcTesto100.left() * z; x < (rcTesto100.left() + rcTesto100.width()) * z; ++x)
                bInchiostro = bInchiostro || QColor(img.pixel(x, y)).lightness() > 200;
            iRigheConInchiostro += bInchiostro;
        }
        QVERIFY2(iRigheConInchiostro > 8 * z, qPrintable(QString::number(iRigheConInchiostro)));
        // the barrier's line at the zoom, between the centres: (108, 108) to (303, 203)
        const QPoint meta = QPoint(108 + 303, 108 + 203) * z / 2;
        QVERIFY(QColor(img.pixel(meta)).blue() > 120);
        // the selection frame goes round the zoomed item
        pInVista(frm, fPlaced(frm, "Barriera_1_ingresso_5"));
        QTest::mouseClick(fPlaced(frm, "Barriera_1_ingresso_5"), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fCornice(), QRect(100, 100, 16, 16));
        const QImage imgSel = canvas.grab().toImage();
        QCOMPARE(QColor(imgSel.pixel(99 * z, 108 * z)), QColor(255, 160, 0));
    }
}

void TstZoom::canvasItemsAreAccessibleAtEveryZoom()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("3"));
    const int iId = fLastSensorId(fx);
    fx.dialogs.aInputAnswers << QStringLiteral("Porta");
    pPopupEntry(fPlaced(frm, QStringLiteral("Barriera_%1_ingresso_3").arg(iId)), fW<QMenu>(frm, "popImg"),
                fA(frm, "MnuAggiungitesto"));
    fx.dialogs.aInputAnswers << QStringLiteral("Sala");
    fBtn(frm, "BtnZoomIn")->click();
    const int iZoomId = fLastSensorId(fx);

    struct TAtteso
    {
        QString sNome, sDescrizione, sParlato;
    };
    const QList<TAtteso> aAttesi = {
        {QStringLiteral("Barriera_%1_ingresso_3").arg(iId), QStringLiteral("Barriera ingresso: 3"),
         QStringLiteral("Barriera 3")},
        {QStringLiteral("Barriera_%1_ingresso_3_").arg(iId), QStringLiteral("Barriera_%1_ingresso_3_").arg(iId),
         QStringLiteral("Barriera 3, seconda estremità")},
        {QStringLiteral("Testo_%1").arg(iId), QStringLiteral("Testo_%1").arg(iId), QStringLiteral("Porta")},
        {QStringLiteral("Zoom_%1_area_2").arg(iZoomId), QStringLiteral("Zoom area: 2"),
         QStringLiteral("Zoom, area 2")}};
    for (int iZoom : {100, 150, 400}) {
        pZoom(frm, iZoom);
        for (const TAtteso &a : aAttesi) {
            TCanvasItem *pItem = fPlaced(frm, a.sNome);
            QVERIFY2(pItem, qPrintable(a.sNome));
            QAccessibleInterface *pIface = QAccessible::queryAccessibleInterface(pItem);
            QVERIFY(pIface);
            QCOMPARE(pIface->text(QAccessible::Description), a.sDescrizione);
            QCOMPARE(pIface->text(QAccessible::Name), a.sParlato);
            // its rectangle on the screen is the zoomed one
            const QRect rcSchermo(pItem->mapToGlobal(QPoint(0, 0)), pItem->size());
            QCOMPARE(pIface->rect(), rcSchermo);
            QCOMPARE(pItem->size(), TVista(iZoom).fSchermo(pItem->fRettangolo()).size());
        }
    }
}

void TstZoom::statusBarCellsReadTheirText()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    for (const char *sz : {"1", "2", "3"})
        pAddWithButton(fx, fBtn(frm, "BtnContact"), QString::fromLatin1(sz));
    fA(frm, "MnuSelezionaTutto")->trigger();
    QLabel *pMessaggio = fW<QLabel>(frm, "SbarMessaggio");
    QCOMPARE(pMessaggio->text(), QStringLiteral("3 oggetti selezionati"));
    QCOMPARE(fNomeAccessibile(pMessaggio), QStringLiteral("3 oggetti selezionati"));
    QCOMPARE(fNomeAccessibile(fW<QLabel>(frm, "SbarZoom")), QStringLiteral("100 %"));
    QCOMPARE(fNomeAccessibile(fW<QLabel>(frm, "SbarArea")), QStringLiteral("Casa"));

    // one object: its cells read what they show, never their object names
    QTest::mouseClick(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_3").arg(fLastSensorId(fx))), Qt::LeftButton, {},
                      QPoint(3, 3));
    const std::pair<const char *, QString> aCelle[] = {{"SbarTipo", QStringLiteral("Contatto")},
                                                       {"SbarNumero", QStringLiteral("N. 3")},
                                                       {"SbarPosizione", QStringLiteral("X 239  Y 135")},
                                                       {"SbarElemento", QStringLiteral("icona")},
                                                       {"SbarMessaggio", QString()}};
    for (const auto &[szCella, sTesto] : aCelle) {
        QLabel *pCella = fW<QLabel>(frm, szCella);
        QCOMPARE(pCella->text(), sTesto);
        QCOMPARE(fNomeAccessibile(pCella), sTesto);
    }
    for (QLabel *pCella : fW<QStatusBar>(frm, "SbarAree")->findChildren<QLabel *>())
        QVERIFY2(!fNomeAccessibile(pCella).startsWith(QStringLiteral("Sbar")), qPrintable(pCella->objectName()));
}

QTEST_MAIN(TstZoom)
#include "tst_zoom.moc"
