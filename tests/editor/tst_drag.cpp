// Editing on the real window with real mouse events: dragging icons, barrier
// ends and labels inside the canvas limits, what each release stores, the
// barrier lines during and after a drag, deleting, and the zoom navigation.

#include "tst_placement_helpers.h"

#include "editor/canvas.h"
#include "editor/selectiontool.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

#include <limits>

namespace {

const QString sRowColumns = QStringLiteral(
    "area_id || ',' || area_zoom || ',' || NumSensore || ',' || IconSize || ',' || TipoSensore || ',' || "
    "CoordX || ',' || CoordY || ',' || CoordX2 || ',' || CoordY2 || ',' || CoordXt || ',' || CoordYt || ',' || "
    "FontTxt || ',' || ColorTxt || ',' || ifnull(Testo, '<null>')");

QString fRow(int iId)
{
    TSqlQuery q = fProjectConn().fQuery(QStringLiteral("select ") + sRowColumns +
                                        QStringLiteral(" from tbsensori where _id = ") + QString::number(iId));
    return q.fNext() ? q.fText(0) : QString();
}

bool fIsLineColour(const QColor &c)
{
    // (91, 110, 216) drawn anti-aliased over a light background: clearly blue
    return c.blue() > 150 && c.red() < 200 && c.blue() - c.red() > 40;
}

/** A line crosses the column x within a pixel of y. */
bool fLineNear(TFrmBase &frm, int x, int y)
{
    const QImage img = fW<QWidget>(frm, "PnlImgArea")->grab().toImage();
    for (int dy = -1; dy <= 1; ++dy)
        if (fIsLineColour(img.pixelColor(x, y + dy)))
            return true;
    return false;
}

} // namespace

class TstDrag : public QObject
{
    Q_OBJECT

private slots:
    void iconStopsAtTheCanvasEdges_data();
    void iconStopsAtTheCanvasEdges();
    void markerStopsAtTheCanvasEdges();
    void draggingTheSecondEndWritesOnlyItsColumns();
    void draggingTheIconWritesOnlyItsColumnsAndLeavesTheLabel();
    void barrierLinesWipedAtFirstMoveAndBackAtRelease();
    void otherDragsKeepTheLinesUntilRelease();
    void pressAndReleaseStoresTheShownPosition();
    void draggingALabelWritesOnlyPositionAndText();
    void labelDraggedToTheEdgeKeepsZeroAfterReopen();
    void labelStopsWhereItsEdgesMeetTheCanvas();
    void deletingABarrierRemovesIconMarkerLineAndLabel();
    void deletingASensorWhoseRowIsGoneChangesNothing();
    void doubleClickOnZoomMarkerShowsTheDetailArea();
    void zoomMarkerCanBeDragged();
    void failedStoreLeavesTheControlWhereItWasDragged();
    void largeIdsRoundTripExactly_data();
    void largeIdsRoundTripExactly();
    void newIdsAfterTheLargestAreRefused();
};

void TstDrag::iconStopsAtTheCanvasEdges_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("far right") << QPoint(700, 0) << QPoint(448, 119);
    QTest::newRow("far down") << QPoint(0, 400) << QPoint(223, 240);
    QTest::newRow("far left and up") << QPoint(-600, -300) << QPoint(0, 0);
    QTest::newRow("inside") << QPoint(-100, 37) << QPoint(123, 156);
}

void TstDrag::iconStopsAtTheCanvasEdges()
{
    QFETCH(QPoint, offset);
    QFETCH(QPoint, expected);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("1"));
    const int iId = fLastSensorId(fx);
    TCanvasItem *pIcon = fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_1").arg(iId));

    const QPoint start = pIcon->mapTo(&frm, QPoint(10, 12));
    QTest::mousePress(pIcon, Qt::LeftButton, {}, QPoint(10, 12));
    QTest::mouseMove(&frm, start + offset / 2);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
    QTest::mouseMove(&frm, start + offset);
    QCOMPARE(pIcon->pos(), expected);
    QCOMPARE(fColumn(fx, iId, "CoordX"), 223); // nothing is stored before the release
    QTest::mouseRelease(&frm, Qt::LeftButton, {}, start + offset);

    QCOMPARE(pIcon->pos(), expected);
    QCOMPARE(fColumn(fx, iId, "CoordX"), expected.x());
    QCOMPARE(fColumn(fx, iId, "CoordY"), expected.y());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!fStrumento(fx.frm()).fTrascinamento());
}

void TstDrag::markerStopsAtTheCanvasEdges()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("1"));
    const int iId = fLastSensorId(fx);
    TCanvasItem *pMarker = fPlaced(frm, QStringLiteral("Barriera_%1_ingresso_1_").arg(iId));
    pDrag(frm, pMarker, QPoint(3, 3), {QPoint(100, 50), QPoint(800, 600)});
    QCOMPARE(pMarker->pos(), QPoint(473, 265));
    QCOMPARE(fColumn(fx, iId, "CoordX2"), 473);
    QCOMPARE(fColumn(fx, iId, "CoordY2"), 265);
    pDrag(frm, pMarker, QPoint(3, 3), {QPoint(-900, -700)});
    QCOMPARE(pMarker->pos(), QPoint(0, 0));
    QCOMPARE(fColumn(fx, iId, "CoordX2"), 0);
    QCOMPARE(fColumn(fx, iId, "CoordY2"), 0);
}

void TstDrag::draggingTheSecondEndWritesOnlyItsColumns()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("9"));
    const int iId = fLastSensorId(fx);
    const QString sBefore = fRow(iId);
    const QString sName = QStringLiteral("Barriera_%1_ingresso_9").arg(iId);
    pDrag(frm, fPlaced(frm, sName + QStringLiteral("_")), QPoint(3, 3), {QPoint(20, 0), QPoint(40, -30)});

    QString sExpected = sBefore;
    sExpected.replace(QStringLiteral(",253,131,"), QStringLiteral(",293,101,"));
    QCOMPARE(fRow(iId), sExpected);
    QCOMPARE(fPlaced(frm, sName)->pos(), QPoint(223, 119)); // the other end stays
}

void TstDrag::draggingTheIconWritesOnlyItsColumnsAndLeavesTheLabel()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    fA(frm, "MnuEtichetteUnite")->trigger(); // labels apart from their icons
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("9"));
    const int iId = fLastSensorId(fx);
    const QString sName = QStringLiteral("Barriera_%1_ingresso_9").arg(iId);
    fx.dialogs.aInputAnswers << QStringLiteral("Cancello");
    pPopupEntry(fPlaced(frm, sName), fW<QMenu>(frm, "popImg"), fA(frm, "MnuAggiungitesto"));
    QWidget *pLabel = fPlaced(frm, QStringLiteral("Testo_%1").arg(iId));
    QVERIFY(pLabel);
    const QPoint labelPos = pLabel->pos();
    const QString sBefore = fRow(iId);

    // Alt: the icon lands where the pointer leaves it, not lined up with its second end
    pDrag(frm, fPlaced(frm, sName), QPoint(16, 16), {QPoint(-50, 5), QPoint(-100, 10)}, Qt::AltModifier);
    QString sExpected = sBefore;
    sExpected.replace(QStringLiteral(",223,119,"), QStringLiteral(",123,129,"));
    QCOMPARE(fRow(iId), sExpected);
    QCOMPARE(fPlaced(frm, sName + QStringLiteral("_"))->pos(), QPoint(253, 131));
    QCOMPARE(pLabel->pos(), labelPos);
}

void TstDrag::barrierLinesWipedAtFirstMoveAndBackAtRelease()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("1"));
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("2"));
    const int iId = fLastSensorId(fx);
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().size(), 2);
    // the line is on screen: halfway between icon centre (239,135) and marker centre (256,134)
    TCanvasItem *pIcon = fPlaced(frm, QStringLiteral("Barriera_%1_ingresso_2").arg(iId));
    pDrag(frm, pIcon, QPoint(16, 16), {QPoint(-200, 80)}); // icon now at (23, 199), centre (39, 215)
    QVERIFY(fLineNear(frm, 147, 175));

    // dragging the second end: the lines vanish at the first movement
    TCanvasItem *pMarker = fPlaced(frm, QStringLiteral("Barriera_%1_ingresso_2_").arg(iId));
    const QPoint start = pMarker->mapTo(&frm, QPoint(3, 3));
    QTest::mousePress(pMarker, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().size(), 2);
    QTest::mouseMove(&frm, start + QPoint(1, 1));
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().isEmpty());
    QVERIFY(!fLineNear(frm, 147, 175));
    QTest::mouseMove(&frm, start + QPoint(100, -50));
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().isEmpty());
    QTest::mouseRelease(&frm, Qt::LeftButton, {}, start + QPoint(100, -50));

    // both lines are back, the dragged one joining the new positions
    const QList<QLine> aLines = fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines();
    QCOMPARE(aLines.size(), 2);
    QCOMPARE(aLines.at(1), QLine(39, 215, 353 + 3, 81 + 3));
    QVERIFY(fLineNear(frm, 197, 150));
    QVERIFY(!fLineNear(frm, 147, 175)); // the old line is gone
}

void TstDrag::otherDragsKeepTheLinesUntilRelease()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("1"));
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("2"));
    TCanvasItem *pLamp = fPlaced(frm, QStringLiteral("Lampada_%1_uscita_2").arg(fLastSensorId(fx)));
    const QPoint start = pLamp->mapTo(&frm, QPoint(5, 5));
    QTest::mousePress(pLamp, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&frm, start + QPoint(30, 30));
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().size(), 1);
    QTest::mouseRelease(&frm, Qt::LeftButton, {}, start + QPoint(30, 30));
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().size(), 1);
    // the lines lie above the dragged control
    const QObjectList aChildren = fW<QWidget>(frm, "PnlImgArea")->children();
    QVERIFY(aChildren.indexOf(fW<TCanvasOverlay>(frm, "ImgCanvas")) > aChildren.indexOf(pLamp));
}

void TstDrag::pressAndReleaseStoresTheShownPosition()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnTapsu"), QStringLiteral("4"));
    const int iId = fLastSensorId(fx);
    fx.pExec(QStringLiteral("update tbsensori set CoordX = 5, CoordY = 6 where _id = %1").arg(iId));
    TCanvasItem *pIcon = fPlaced(frm, QStringLiteral("Tapsu_%1_uscita_4").arg(iId));
    QTest::mousePress(pIcon, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(pIcon, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(fColumn(fx, iId, "CoordX"), 223);
    QCOMPARE(fColumn(fx, iId, "CoordY"), 119);
    // a release with no drag in progress does nothing
    fx.pExec(QStringLiteral("update tbsensori set CoordX = 5 where _id = %1").arg(iId));
    QTest::mouseRelease(pIcon, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(fColumn(fx, iId, "CoordX"), 5);
}

void TstDrag::draggingALabelWritesOnlyPositionAndText()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    const int iId = fLastSensorId(fx);
    fx.pExec(QStringLiteral("update tbsensori set CoordXt = 300, CoordYt = 50, FontTxt = 2, ColorTxt = 5, "
                            "Testo = \"Porta\" where _id = %1")
                 .arg(iId));
    pReopen(frm);
    QWidget *pLabel = fPlaced(frm, QStringLiteral("Testo_%1").arg(iId));
    QVERIFY(pLabel);
    const QString sBefore = fRow(iId);
    pDrag(frm, pLabel, QPoint(3, 3), {QPoint(-10, 10), QPoint(-20, 25)});

    QCOMPARE(pLabel->pos(), QPoint(280, 75));
    QString sExpected = sBefore;
    sExpected.replace(QStringLiteral(",300,50,2,5,Porta"), QStringLiteral(",280,75,2,5,Porta"));
    QCOMPARE(fRow(iId), sExpected);
    QCOMPARE(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_7").arg(iId))->pos(), QPoint(223, 119));
}

void TstDrag::labelDraggedToTheEdgeKeepsZeroAfterReopen()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fContactWithLabel(fx, QStringLiteral("Porta"));
    QWidget *pLabel = fPlaced(frm, QStringLiteral("Testo_%1").arg(iId));
    pDrag(frm, pLabel, QPoint(2, 2), {QPoint(-500, -500)});
    QCOMPARE(pLabel->pos(), QPoint(0, 0));
    QCOMPARE(fColumn(fx, iId, "CoordXt"), 0);
    QCOMPARE(fColumn(fx, iId, "CoordYt"), 0);

    pReopen(frm);
    QCOMPARE(fPlaced(frm, QStringLiteral("Testo_%1").arg(iId))->pos(), QPoint(0, 0));
}

void TstDrag::labelStopsWhereItsEdgesMeetTheCanvas()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fContactWithLabel(fx, QStringLiteral("Finestra cucina"));
    QWidget *pLabel = fPlaced(frm, QStringLiteral("Testo_%1").arg(iId));
    pDrag(frm, pLabel, QPoint(2, 2), {QPoint(900, 900)});
    QCOMPARE(pLabel->geometry().right() + 1, 480);
    QCOMPARE(pLabel->geometry().bottom() + 1, 272);
    QCOMPARE(fColumn(fx, iId, "CoordXt"), 480 - pLabel->width());
    QCOMPARE(fColumn(fx, iId, "CoordYt"), 272 - pLabel->height());
}

void TstDrag::deletingABarrierRemovesIconMarkerLineAndLabel()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("1"));
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("2"));
    const int iId = fLastSensorId(fx);
    const QString sName = QStringLiteral("Barriera_%1_ingresso_2").arg(iId);
    fPlaced(frm, QStringLiteral("Barriera_%1_ingresso_1").arg(iId - 1))->move(10, 10);
    pDrag(frm, fPlaced(frm, QStringLiteral("Barriera_%1_ingresso_1").arg(iId - 1)), QPoint(1, 1), {QPoint(1, 1)});
    fx.dialogs.aInputAnswers << QStringLiteral("Varco");
    pPopupEntry(fPlaced(frm, sName), fW<QMenu>(frm, "popImg"), fA(frm, "MnuAggiungitesto"));
    QVERIFY(fPlaced(frm, QStringLiteral("Testo_%1").arg(iId)));
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().size(), 2);

    pPopupEntry(fPlaced(frm, sName), fW<QMenu>(frm, "popImg"), fA(frm, "MnuEliminaSensore"));
    QVERIFY(!fPlaced(frm, sName));
    QVERIFY(!fPlaced(frm, sName + QStringLiteral("_")));
    QVERIFY(!fPlaced(frm, QStringLiteral("Testo_%1").arg(iId)));
    QCOMPARE(fColumn(fx, iId, "count(*)"), 0);
    QCOMPARE(fSensorCount(fx), 1);
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().size(), 1); // only the other barrier's line is left
    QCOMPARE(fx.fPlacedNames().size(), 2);
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstDrag::deletingASensorWhoseRowIsGoneChangesNothing()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnAlarm"), QStringLiteral("1"));
    const int iId = fLastSensorId(fx);
    fx.pExec(QStringLiteral("delete from tbsensori where _id = %1").arg(iId));
    const QString sName = QStringLiteral("Allarme_%1_uscita_1").arg(iId);
    const int iSteps = frm.fDocument().fUndoStack()->count();
    pPopupEntry(fPlaced(frm, sName), fW<QMenu>(frm, "popImg"), fA(frm, "MnuEliminaSensore"));
    // nothing was deleted, so there is no step to undo; the canvas shows what the database holds
    QCOMPARE(frm.fDocument().fUndoStack()->count(), iSteps);
    QVERIFY(!fPlaced(frm, sName));
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstDrag::doubleClickOnZoomMarkerShowsTheDetailArea()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iBase = fAlbero(frm).fSelectedAreaId();
    fx.dialogs.aInputAnswers << QStringLiteral("Cucina");
    QTest::mouseClick(fBtn(frm, "BtnZoomIn"), Qt::LeftButton);
    const int iMarker = fLastSensorId(fx);
    const int iDetail = fColumn(fx, iMarker, "area_zoom");
    // something to see in the detail area
    fx.pExec(QStringLiteral("insert into tbsensori(area_id, area_zoom, NumSensore, IconSize, CoordX, CoordY, CoordX2, "
                            "CoordY2, TipoSensore, ZonaSensore, Orientamento) values(%1,0,8,32,40,50,0,0,6,1,0)")
                 .arg(iDetail));
    const int iLamp = fLastSensorId(fx);
    TCanvasItem *pMarker = fPlaced(frm, QStringLiteral("Zoom_%1_area_%2").arg(iMarker).arg(iDetail));
    QVERIFY(pMarker);
    fx.pExec(QStringLiteral("update tbsensori set CoordX = 1 where _id = %1").arg(iMarker));

    QTest::mouseDClick(pMarker, Qt::LeftButton, {}, QPoint(8, 8));
    QTRY_COMPARE(fAlbero(frm).fSelectedAreaId(), iDetail);
    QCOMPARE(fx.fPlacedNames(), QStringList{QStringLiteral("Lampada_%1_uscita_8").arg(iLamp)});
    QVERIFY(!fStrumento(fx.frm()).fTrascinamento());
    // the clicks stored the marker's position unchanged
    QCOMPARE(fColumn(fx, iMarker, "CoordX"), 223);
    QCOMPARE(fColumn(fx, iMarker, "area_id"), iBase);
    QVERIFY(fx.dialogs.asErrors.isEmpty());
    // a stray release after the navigation does nothing
    QTest::mouseRelease(&frm, Qt::LeftButton, {}, QPoint(300, 200));
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstDrag::zoomMarkerCanBeDragged()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    fx.dialogs.aInputAnswers << QStringLiteral("Bagno");
    QTest::mouseClick(fBtn(frm, "BtnZoomIn"), Qt::LeftButton);
    const int iMarker = fLastSensorId(fx);
    TCanvasItem *pMarker =
        fPlaced(frm, QStringLiteral("Zoom_%1_area_%2").arg(iMarker).arg(fColumn(fx, iMarker, "area_zoom")));
    pDrag(frm, pMarker, QPoint(8, 8), {QPoint(50, 60)});
    QCOMPARE(pMarker->pos(), QPoint(273, 179));
    QCOMPARE(fColumn(fx, iMarker, "CoordX"), 273);
    QCOMPARE(fColumn(fx, iMarker, "CoordY"), 179);
}

void TstDrag::failedStoreLeavesTheControlWhereItWasDragged()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("1"));
    TCanvasItem *pIcon = fPlaced(frm, QStringLiteral("Lampada_%1_uscita_1").arg(fLastSensorId(fx)));
    fx.pExec(QStringLiteral("alter table tbsensori rename to tbvecchia"));
    pDrag(frm, pIcon, QPoint(5, 5), {QPoint(30, 40)});
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY2(fx.dialogs.asErrors.first().contains(QStringLiteral("tbsensori")),
             qPrintable(fx.dialogs.asErrors.first()));
    QCOMPARE(pIcon->pos(), QPoint(253, 159));
    QVERIFY(!fStrumento(fx.frm()).fTrascinamento());
    QVERIFY(!QApplication::overrideCursor());
}

void TstDrag::largeIdsRoundTripExactly_data()
{
    QTest::addColumn<qint64>("iId");
    QTest::newRow("2^31+5") << (qint64(1) << 31) + 5;
    QTest::newRow("2^40") << (qint64(1) << 40);
    QTest::newRow("2^63-1") << std::numeric_limits<qint64>::max();
}

void TstDrag::largeIdsRoundTripExactly()
{
    // a base area, its detail area, a lamp and a zoom marker, each with an id past 32 bits
    QFETCH(qint64, iId);
    const qint64 iDetail = iId - 1;
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    fx.pExec(QStringLiteral("insert into tbarea values(%1, 0, 0, \"Grande\", 0)").arg(iId));
    fx.pExec(QStringLiteral("insert into tbarea values(%1, 1, %2, \"Dettaglio\", 0)").arg(iDetail).arg(iId));
    const QString sInsert = QStringLiteral("insert into tbsensori(_id, area_id, area_zoom, NumSensore, IconSize, "
                                           "CoordX, CoordY, TipoSensore, Orientamento) values(%1, %2, %3, %4, 32, "
                                           "40, 50, %5, 0)");
    fx.pExec(sInsert.arg(iId).arg(iId).arg(0).arg(8).arg(6));
    fx.pExec(sInsert.arg(iDetail).arg(iId).arg(iDetail).arg(0).arg(3));
    pReopen(frm);
    frm.pRunCommand([&] { fAlbero(frm).pSelectNodeByName(QStringLiteral("Grande")); });
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), iId);
    const QString sLamp = QStringLiteral("Lampada_%1_uscita_8").arg(iId);
    const QString sMarker = QStringLiteral("Zoom_%1_area_%1").arg(iDetail);
    QCOMPARE(fx.fPlacedNames(), (QStringList{sMarker, sLamp})); // in ascending id

    pDrag(frm, fPlaced(frm, sLamp), QPoint(5, 5), {QPoint(30, 40)}, Qt::AltModifier); // not lined up with the marker
    fx.dialogs.aInputAnswers << QStringLiteral("Luce");
    pPopupEntry(fPlaced(frm, sLamp), fW<QMenu>(frm, "popImg"), fA(frm, "MnuAggiungitesto"));
    TSqlQuery q = fProjectConn().fQuery(
        QStringLiteral("select CoordX, CoordY, Testo, area_id from tbsensori where _id = ") + QString::number(iId));
    QVERIFY(q.fNext());
    QCOMPARE(q.fInt(0), 70);
    QCOMPARE(q.fInt(1), 90);
    QCOMPARE(q.fText(2), QStringLiteral("Luce"));
    QCOMPARE(q.fInt64(3), iId);
    QVERIFY(fPlaced(frm, QStringLiteral("Testo_%1").arg(iId)));

    QTest::mouseDClick(fPlaced(frm, sMarker), Qt::LeftButton, {}, QPoint(8, 8));
    QTRY_COMPARE(fAlbero(frm).fSelectedAreaId(), iDetail);
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join(QLatin1Char('\n'))));
}

void TstDrag::newIdsAfterTheLargestAreRefused()
{
    const qint64 iMax = std::numeric_limits<qint64>::max();
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const QString sDb = QFileInfo(fProjectConn().fDatabase()).fileName();
    fx.pExec(QStringLiteral("insert into tbsensori(_id, area_id, area_zoom, NumSensore, IconSize, TipoSensore, "
                            "Orientamento) values(%1, 1, 0, 1, 32, 6, 0)")
                 .arg(iMax));
    fx.pExec(QStringLiteral("update tbarea set _id = %1").arg(iMax)); // the one area: its successor overflows
    pReopen(frm);
    const QStringList asBefore = fx.fPlacedNames();

    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY2(fx.dialogs.asErrors.last().contains(QStringLiteral("Nessun id libero per un nuovo oggetto")) &&
                 fx.dialogs.asErrors.last().contains(sDb),
             qPrintable(fx.dialogs.asErrors.last()));
    QCOMPARE(fSensorCount(fx), 1);
    QCOMPARE(fx.fPlacedNames(), asBefore);

    fx.dialogs.aInputAnswers << QStringLiteral("Nuova");
    QTest::mouseClick(fBtn(frm, "BtnNewArea"), Qt::LeftButton);
    QCOMPARE(fx.dialogs.asErrors.size(), 2);
    QVERIFY2(fx.dialogs.asErrors.last().contains(QStringLiteral("Nessun id libero per una nuova area")) &&
                 fx.dialogs.asErrors.last().contains(sDb),
             qPrintable(fx.dialogs.asErrors.last()));
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbarea")), 1);
}

QTEST_MAIN(TstDrag)
#include "tst_drag.moc"
