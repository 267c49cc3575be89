// Placing sensors from the tool bar on the real window: the number prompt and
// its check, icons, barrier ends, names, hints, stacking, the zoom command,
// the commands with no area selected, and missing pictures.

#include "tst_placement_helpers.h"

#include "editor/canvas.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

#include <sqlite3.h>

class TstPlacement : public QObject
{
    Q_OBJECT

private slots:
    void newContactAnsweredWithSpacesAroundSeven();
    void refusedNumbersStoreNothing_data();
    void refusedNumbersStoreNothing();
    void aTypedNumberIsShownAsStored();
    void everyTypeGetsItsPictureNameAndHint();
    void barrierAndMarkerAtTheirDefaults_data();
    void barrierAndMarkerAtTheirDefaults();
    void storedSensorsComeBackWithIconAboveMarkerAndLabel();
    void showingAnAreaReadsItsObjectsAndLinesOnce();
    void twoNewSensorsLieOnTopOfEachOther();
    void zoomCommandAddsDetailAreaAndMarker();
    void zoomCommandWithEmptyNameCreatesNothing();
    void noAreaSelectedMeansNothingHappens();
    void missingIconOfNewSensorStoresNothing();
    void missingMarkerPictureOfNewBarrierStoresNothing();
    void missingIconWhileLoadingKeepsTheStoredObjects();
};

void TstPlacement::newContactAnsweredWithSpacesAroundSeven()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iArea = fAlbero(frm).fSelectedAreaId();
    QVERIFY(iArea > 0);

    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral(" 7 \t"));

    QCOMPARE(fx.dialogs.asInputCaptions.last(), QStringLiteral("Ingresso/Uscita"));
    QCOMPARE(fx.dialogs.asInputPrompts.last(), QStringLiteral("Numero Ingresso/Uscita?"));
    QCOMPARE(fx.dialogs.asInputDefaults.last(), QString());
    const int iId = fLastSensorId(fx);
    const QString sName = QStringLiteral("Contatto_%1_ingresso_7").arg(iId);
    TCanvasItem *pIcon = fPlaced(frm, sName);
    QVERIFY2(pIcon, qPrintable(fx.fPlacedNames().join(',')));
    QCOMPARE(pIcon->geometry(), QRect(223, 119, 32, 32));
    QCOMPARE(pIcon->toolTip(), QStringLiteral("Contatto ingresso: 7"));
    QCOMPARE(pIcon->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(pIcon->property("mark").toInt(), 0);
    QCOMPARE(fPictureOf(pIcon), fPictureOf(QStringLiteral("c32.png")));
    QVERIFY(pIcon->isVisible());

    QCOMPARE(fColumn(fx, iId, "NumSensore"), 7);
    QCOMPARE(fColumn(fx, iId, "IconSize"), 32);
    QCOMPARE(fColumn(fx, iId, "TipoSensore"), 2);
    QCOMPARE(fColumn(fx, iId, "area_id"), iArea);
    QCOMPARE(fColumn(fx, iId, "CoordX"), 223);
    QCOMPARE(fColumn(fx, iId, "CoordY"), 119);
    QVERIFY(fx.dialogs.asErrors.isEmpty());

    // the icon's pop-up menu opens on a right click and knows its control
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(5, 5), pIcon->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(pIcon, &ev);
    QVERIFY(fW<QMenu>(frm, "popImg")->isVisible());
    QCOMPARE(fSelezionato(frm), pIcon); // the menu's entries act on the icon it was opened on
    fW<QMenu>(frm, "popImg")->hide();
}

void TstPlacement::refusedNumbersStoreNothing_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("letters") << std::optional<QString>(QStringLiteral("abc"));
    QTest::newRow("nothing") << std::optional<QString>(QString());
    QTest::newRow("only spaces") << std::optional<QString>(QStringLiteral("   "));
    QTest::newRow("cancelled") << std::optional<QString>();
    QTest::newRow("decimal") << std::optional<QString>(QStringLiteral("1.5"));
    QTest::newRow("beyond 32 bits") << std::optional<QString>(QStringLiteral("2147483648"));
    QTest::newRow("inner space") << std::optional<QString>(QStringLiteral("1 2"));
}

void TstPlacement::refusedNumbersStoreNothing()
{
    QFETCH(std::optional<QString>, answer);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    fx.dialogs.aInputAnswers << answer;
    QTest::mouseClick(fBtn(frm, "BtnVolumetrico"), Qt::LeftButton);

    QCOMPARE(fx.dialogs.asMessages, QStringList{QStringLiteral("E' necessario un valore NUMERICO")});
    QCOMPARE(fSensorCount(fx), 0);
    QVERIFY(fx.fPlacedNames().isEmpty());
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstPlacement::aTypedNumberIsShownAsStored()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnVolumetrico"), QStringLiteral("007"));
    const int iId = fLastSensorId(fx);
    QVERIFY(fPlaced(frm, QStringLiteral("Radar_%1_ingresso_7").arg(iId)));
    QCOMPARE(fColumn(fx, iId, "NumSensore"), 7);

    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("+3"));
    QVERIFY(fPlaced(frm, QStringLiteral("Lampada_%1_uscita_3").arg(iId + 1)));

    pReopen(frm);
    QCOMPARE(fx.fPlacedNames(), (QStringList{QStringLiteral("Radar_%1_ingresso_7").arg(iId),
                                             QStringLiteral("Lampada_%1_uscita_3").arg(iId + 1)}));
    QCOMPARE(fPlaced(frm, QStringLiteral("Radar_%1_ingresso_7").arg(iId))->toolTip(),
             QStringLiteral("Radar ingresso: 7"));
}

void TstPlacement::everyTypeGetsItsPictureNameAndHint()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx, 48);
    const struct
    {
        QToolButton *pButton;
        const char *szPrefix;
        const char *szMiddle;
        const char *szLetter;
        int iTipo;
    } aTypes[] = {{fBtn(frm, "BtnVolumetrico"), "Radar", "ingresso", "v", 1},
                  {fBtn(frm, "BtnContact"), "Contatto", "ingresso", "c", 2},
                  {fBtn(frm, "BtnBarriera"), "Barriera", "ingresso", "b", 4},
                  {fBtn(frm, "BtnTelecamera"), "Telecamera", "ingresso", "t", 5},
                  {fBtn(frm, "BtnLampada"), "Lampada", "uscita", "l", 6},
                  {fBtn(frm, "BtnTapsu"), "Tapsu", "uscita", "s", 7},
                  {fBtn(frm, "BtnTapgiu"), "Tapgiu", "uscita", "g", 8},
                  {fBtn(frm, "BtnAlarm"), "Allarme", "uscita", "a", 9},
                  {fBtn(frm, "btnIrrig"), "Irrigazione", "uscita", "i", 10}};
    int iNumber = 1;
    for (const auto &t : aTypes) {
        fx.dialogs.aInputAnswers << QString::number(iNumber);
        if (t.pButton->isVisible())
            QTest::mouseClick(t.pButton, Qt::LeftButton);
        else
            t.pButton->click(); // the camera's button is never shown; its command still works
        const int iId = fLastSensorId(fx);
        const QString sName = QStringLiteral("%1_%2_%3_%4").arg(t.szPrefix).arg(iId).arg(t.szMiddle).arg(iNumber);
        TCanvasItem *pIcon = fPlaced(frm, sName);
        QVERIFY2(pIcon, qPrintable(sName));
        QCOMPARE(pIcon->size(), QSize(48, 48));
        QCOMPARE(pIcon->toolTip(), QStringLiteral("%1 %2: %3").arg(t.szPrefix, t.szMiddle).arg(iNumber));
        QCOMPARE(fPictureOf(pIcon), fPictureOf(QString::fromLatin1(t.szLetter) + QStringLiteral("48.png")));
        QCOMPARE(fColumn(fx, iId, "TipoSensore"), t.iTipo);
        QCOMPARE(fColumn(fx, iId, "IconSize"), 48);
        ++iNumber;
    }
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstPlacement::barrierAndMarkerAtTheirDefaults_data()
{
    QTest::addColumn<int>("iSize");
    QTest::addColumn<int>("iMarkerTop");
    QTest::newRow("16") << 16 << 123;
    QTest::newRow("32") << 32 << 131;
    QTest::newRow("48") << 48 << 139;
}

void TstPlacement::barrierAndMarkerAtTheirDefaults()
{
    QFETCH(int, iSize);
    QFETCH(int, iMarkerTop);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx, iSize);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("3"));

    const int iId = fLastSensorId(fx);
    const QString sName = QStringLiteral("Barriera_%1_ingresso_3").arg(iId);
    TCanvasItem *pIcon = fPlaced(frm, sName);
    TCanvasItem *pMarker = fPlaced(frm, sName + QStringLiteral("_"));
    QVERIFY(pIcon && pMarker);
    QCOMPARE(pIcon->geometry(), QRect(223, 119, iSize, iSize));
    QCOMPARE(pMarker->geometry(), QRect(253, iMarkerTop, 7, 7));
    QCOMPARE(pMarker->property("mark").toInt(), 1);
    QCOMPARE(pMarker->toolTip(), sName + QStringLiteral("_"));
    QCOMPARE(pMarker->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(fPictureOf(pMarker), fPictureOf(QStringLiteral("b2.png")));
    QContextMenuEvent evMarker(QContextMenuEvent::Mouse, QPoint(2, 2), pMarker->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(pMarker, &evMarker);
    QVERIFY(!fW<QMenu>(frm, "popImg")->isVisible() && !fW<QMenu>(frm, "PopLabel")->isVisible()); // no menu
    // the stored row and the marker agree
    QCOMPARE(fColumn(fx, iId, "CoordX2"), 253);
    QCOMPARE(fColumn(fx, iId, "CoordY2"), iMarkerTop);
    // the line joins the centres of the icon and the marker
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines(),
             QList<QLine>{QLine(223 + iSize / 2, 119 + iSize / 2, 253 + 3, iMarkerTop + 3)});
    // the icon lies above its marker
    const QObjectList aChildren = fW<QWidget>(frm, "PnlImgArea")->children();
    QVERIFY(aChildren.indexOf(pIcon) > aChildren.indexOf(pMarker));
}

void TstPlacement::storedSensorsComeBackWithIconAboveMarkerAndLabel()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iArea = fAlbero(frm).fSelectedAreaId();
    fx.pExec(QStringLiteral("insert into tbsensori(area_id, area_zoom, NumSensore, IconSize, CoordX, CoordY, CoordX2, "
                            "CoordY2, TipoSensore, ZonaSensore, Orientamento, CoordXt, CoordYt, FontTxt, ColorTxt, "
                            "Testo) values(%1,0,4,16,10,20,300,200,4,1,0,40,22,3,5,\"Giardino\")")
                 .arg(iArea));
    const int iId = fLastSensorId(fx);
    pReopen(frm);

    const QString sName = QStringLiteral("Barriera_%1_ingresso_4").arg(iId);
    TCanvasItem *pIcon = fPlaced(frm, sName);
    TCanvasItem *pMarker = fPlaced(frm, sName + QStringLiteral("_"));
    auto *pLabel = fPlaced(frm, QStringLiteral("Testo_%1").arg(iId));
    QVERIFY(pIcon && pMarker && pLabel);
    QCOMPARE(pIcon->geometry(), QRect(10, 20, 16, 16));
    QCOMPARE(pMarker->pos(), QPoint(300, 200));
    QCOMPARE(pLabel->pos(), QPoint(40, 22));
    QCOMPARE(pLabel->text(), QStringLiteral("Giardino"));
    const QObjectList aChildren = fW<QWidget>(frm, "PnlImgArea")->children();
    QVERIFY(aChildren.indexOf(pMarker) < aChildren.indexOf(pLabel));
    QVERIFY(aChildren.indexOf(pLabel) < aChildren.indexOf(pIcon));
    // loading writes nothing
    QCOMPARE(fColumn(fx, iId, "CoordX"), 10);
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines(), QList<QLine>{QLine(18, 28, 303, 203)});
    // and the lines lie above every control
    QVERIFY(fW<QWidget>(frm, "PnlImgArea")->children().indexOf(fW<TCanvasOverlay>(frm, "ImgCanvas")) >
            fW<QWidget>(frm, "PnlImgArea")->children().indexOf(pIcon));
}

namespace {

int fOnStatement(unsigned, void *pCtx, void *, void *pText)
{
    *static_cast<QStringList *>(pCtx) << QString::fromUtf8(static_cast<const char *>(pText));
    return 0;
}

} // namespace

void TstPlacement::showingAnAreaReadsItsObjectsAndLinesOnce()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iArea = fAlbero(frm).fSelectedAreaId();
    const QString sInsert =
        QStringLiteral("insert into tbsensori(area_id, area_zoom, NumSensore, IconSize, CoordX, CoordY, CoordX2, "
                       "CoordY2, TipoSensore, Orientamento, CoordXt, CoordYt, FontTxt, ColorTxt, Testo) "
                       "values(%1,0,%2,16,10,20,300,200,%3,0,40,22,3,5,%4)");
    fx.pExec(sInsert.arg(iArea).arg(1).arg(4).arg(QStringLiteral("\"Giardino\"")));
    fx.pExec(sInsert.arg(iArea).arg(2).arg(2).arg(QStringLiteral("\"Porta\"")));
    fx.pExec(sInsert.arg(iArea).arg(3).arg(6).arg(QStringLiteral("NULL")));
    frm.fDocument().pRileggi();
    frm.fDocument().pMostraArea(0); // no area shown

    QStringList asSql;
    sqlite3_trace_v2(fProjectConn().fHandle(), SQLITE_TRACE_STMT, &fOnStatement, &asSql);
    fAlbero(frm).pSelectNodeById(QString::number(iArea));
    sqlite3_trace_v2(fProjectConn().fHandle(), 0, nullptr, nullptr);

    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fx.fPlacedNames().size(), 6); // three icons, the barrier's second end and two labels
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines(), QList<QLine>{QLine(18, 28, 303, 203)});
    // one read of the area's rows places its objects and gives its barrier lines
    QCOMPARE(asSql.filter(QStringLiteral("from tbsensori where area_id")).size(), 1);
}

void TstPlacement::twoNewSensorsLieOnTopOfEachOther()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnAlarm"), QStringLiteral("1"));
    pAddWithButton(fx, fBtn(frm, "btnIrrig"), QStringLiteral("2"));
    const int iId = fLastSensorId(fx);
    QCOMPARE(fPlaced(frm, QStringLiteral("Allarme_%1_uscita_1").arg(iId - 1))->pos(), QPoint(223, 119));
    TCanvasItem *pTop = fPlaced(frm, QStringLiteral("Irrigazione_%1_uscita_2").arg(iId));
    QCOMPARE(pTop->pos(), QPoint(223, 119));
    QCOMPARE(fW<QWidget>(frm, "PnlImgArea")->childAt(230, 125), pTop);
}

void TstPlacement::zoomCommandAddsDetailAreaAndMarker()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iBase = fAlbero(frm).fSelectedAreaId();
    QVERIFY(fBtn(frm, "BtnZoomIn")->isEnabled());
    const int iPrompts = fx.dialogs.asInputCaptions.size();
    fx.dialogs.aInputAnswers << QStringLiteral(" Cucina");
    QTest::mouseClick(fBtn(frm, "BtnZoomIn"), Qt::LeftButton);

    QCOMPARE(fx.dialogs.asInputCaptions.mid(iPrompts), QStringList{QStringLiteral("Nome Area?")}); // no number
    QCOMPARE(fx.dialogs.asInputPrompts.mid(iPrompts), QStringList{QStringLiteral("Nome Area?")});
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), iBase);
    const int iDetail = fx.fQueryInt(QStringLiteral("select _id from tbarea where NomeArea = \" Cucina\""));
    QVERIFY(iDetail > 0);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select father_id from tbarea where _id = %1").arg(iDetail)), iBase);
    QCOMPARE(fx.fTreeTexts().size(), 2);
    QCOMPARE(fx.fTreeTexts().at(1), QStringLiteral("   Cucina"));

    const int iId = fLastSensorId(fx);
    const QString sName = QStringLiteral("Zoom_%1_area_%2").arg(iId).arg(iDetail);
    TCanvasItem *pMarker = fPlaced(frm, sName);
    QVERIFY2(pMarker, qPrintable(fx.fPlacedNames().join(',')));
    QCOMPARE(pMarker->geometry(), QRect(223, 119, 32, 32));
    QCOMPARE(pMarker->toolTip(), QStringLiteral("Zoom area: %1").arg(iDetail));
    QCOMPARE(fPictureOf(pMarker), fPictureOf(QStringLiteral("z32.png")));
    QCOMPARE(fColumn(fx, iId, "TipoSensore"), 3);
    QCOMPARE(fColumn(fx, iId, "area_id"), iBase);
    QCOMPARE(fColumn(fx, iId, "area_zoom"), iDetail);
    QCOMPARE(fColumn(fx, iId, "NumSensore"), 0);

    // a zoom marker has no pop-up menu
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(5, 5), pMarker->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(pMarker, &ev);
    QVERIFY(!fW<QMenu>(frm, "popImg")->isVisible());

    // the zoom button is off while the detail area is selected
    frm.pRunCommand([&] { fAlbero(frm).pSelectNodeById(QString::number(iDetail)); });
    QVERIFY(!fBtn(frm, "BtnZoomIn")->isEnabled());
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstPlacement::zoomCommandWithEmptyNameCreatesNothing()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    fx.dialogs.aInputAnswers << QString() << std::nullopt;
    QTest::mouseClick(fBtn(frm, "BtnZoomIn"), Qt::LeftButton);
    QTest::mouseClick(fBtn(frm, "BtnZoomIn"), Qt::LeftButton);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbarea")), 1);
    QCOMPARE(fSensorCount(fx), 0);
    QVERIFY(fx.fPlacedNames().isEmpty());
}

void TstPlacement::noAreaSelectedMeansNothingHappens()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    fW<QTreeWidget>(frm, "TvAree")->setCurrentItem(nullptr);
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 0);
    const int iPrompts = fx.dialogs.asInputCaptions.size();

    for (QToolButton *pButton :
         {fBtn(frm, "BtnVolumetrico"), fBtn(frm, "BtnContact"), fBtn(frm, "BtnBarriera"), fBtn(frm, "BtnLampada"),
          fBtn(frm, "BtnTapsu"), fBtn(frm, "BtnTapgiu"), fBtn(frm, "BtnAlarm"), fBtn(frm, "btnIrrig"),
          fBtn(frm, "BtnZoomIn"), fBtn(frm, "BtnSfondo")}) {
        fx.dialogs.aInputAnswers << QStringLiteral("5");
        pButton->click(); // the zoom button may be disabled by now; its command must still refuse
    }
    QCOMPARE(fx.dialogs.asInputCaptions.size(), iPrompts);
    QVERIFY(fx.dialogs.asPictureStartDirs.isEmpty());
    QCOMPARE(fSensorCount(fx), 0);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbarea")), 1);
    QVERIFY(fx.fPlacedNames().isEmpty());
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstPlacement::missingIconOfNewSensorStoresNothing()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    QVERIFY(QFile::remove(sGlobGrfcPath + QStringLiteral("c32.png")));
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));

    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY2(fx.dialogs.asErrors.first().contains(QStringLiteral("c32.png")), qPrintable(fx.dialogs.asErrors.first()));
    QCOMPARE(fSensorCount(fx), 0);
    QVERIFY(fx.fPlacedNames().isEmpty());

    // the editor goes on working
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("2"));
    QCOMPARE(fSensorCount(fx), 1);
    QCOMPARE(fx.fPlacedNames().size(), 1);
}

void TstPlacement::missingMarkerPictureOfNewBarrierStoresNothing()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    QVERIFY(QFile::remove(sGlobGrfcPath + QStringLiteral("b2.png")));
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("1"));
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY(fx.dialogs.asErrors.first().contains(QStringLiteral("b2.png")));
    QCOMPARE(fSensorCount(fx), 0);
    QVERIFY(fx.fPlacedNames().isEmpty());
}

void TstPlacement::missingIconWhileLoadingKeepsTheStoredObjects()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("1"));
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("2"));
    pAddWithButton(fx, fBtn(frm, "BtnVolumetrico"), QStringLiteral("3"));
    QCOMPARE(fSensorCount(fx), 3);
    QVERIFY(QFile::remove(sGlobGrfcPath + QStringLiteral("l32.png")));

    pReopen(frm);
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY(fx.dialogs.asErrors.first().contains(QStringLiteral("l32.png")));
    QCOMPARE(fSensorCount(fx), 3);
    // the sensor before the failing one is shown, nothing half-built is left
    const QStringList asPlaced = fx.fPlacedNames();
    QCOMPARE(asPlaced.size(), 1);
    QVERIFY(asPlaced.first().startsWith(QStringLiteral("Contatto_")));
    for (QObject *pChild : fW<QWidget>(frm, "PnlImgArea")->children())
        QVERIFY(!qobject_cast<TCanvasItem *>(pChild) || !pChild->objectName().isEmpty());

    // still usable: a new sensor is added and stored
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("4"));
    QCOMPARE(fSensorCount(fx), 4);
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
}

QTEST_MAIN(TstPlacement)
#include "tst_placement.moc"
