// Working without the mouse, on the real window with real key and mouse
// events: selecting, moving with the arrows (one step per run), deleting with
// the Delete key, duplicating with Ctrl+D, the properties of a sensor, and
// Tab through the objects. The database is read after every key.

#include "tst_placement_helpers.h"

#include "document/projectdocument.h"
#include "editor/canvas.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QtTest>

namespace {

QPoint fPos(TEditorFixture &fx, int iId, const char *szX = "CoordX", const char *szY = "CoordY")
{
    return {fColumn(fx, iId, QLatin1String(szX)), fColumn(fx, iId, QLatin1String(szY))};
}

QString fRiga(TEditorFixture &fx, int iId)
{
    QStringList as;
    TSqlQuery q = fProjectConn().fQuery(QStringLiteral("select * from tbsensori where _id = ?"), {iId});
    while (q.fNext())
        for (int i = 0; i < q.fColumnCount(); ++i)
            as << q.fValue(i).toString();
    Q_UNUSED(fx);
    return as.join(QLatin1Char('|'));
}

/** The controls on the canvas, bottom of the stack first. */
QStringList fInPila(TFrmBase &frm)
{
    QStringList as;
    for (const TCanvasItem *p : fCanvas(frm).fItems())
        as << p->objectName();
    return as;
}

} // namespace

class TstKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void clickSelectsAndArrowsMoveAsOneStep();
    void deleteKeyAndUndoBringBackABarrier();
    void duplicateTakesTheNextFreeNumberOfItsClass();
    void propertiesChangeTypeAndNumber();
    void tabFollowsTheStackingOrder();
};

void TstKeyboard::clickSelectsAndArrowsMoveAsOneStep()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    QUndoStack *pUndo = frm.fDocument().fUndoStack();
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    const int iId = fLastSensorId(fx);
    TCanvasItem *pIcon = fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_7").arg(iId));
    QVERIFY(pIcon);

    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    const int iPassi = pUndo->count();
    QTest::mouseClick(pIcon, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(pUndo->count(), iPassi); // a click moves nothing
    QCOMPARE(QApplication::focusWidget(), fW<QWidget>(frm, "PnlImgArea"));
    QCOMPARE(fSelezionato(frm), pIcon);
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fCornice(), pIcon->geometry());
    QCOMPARE(fW<QLabel>(frm, "SbarTipo")->text(), QStringLiteral("Contatto"));
    QCOMPARE(fW<QLabel>(frm, "SbarNumero")->text(), QStringLiteral("N. 7"));
    QCOMPARE(fW<QLabel>(frm, "SbarPosizione")->text(), QStringLiteral("X 239  Y 135")); // the centre, as maps.txt

    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Right, {}, 5);
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Down, Qt::ShiftModifier, 2);
    QCOMPARE(fPos(fx, iId), QPoint(228, 139));
    QCOMPARE(pIcon->pos(), QPoint(228, 139));
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fCornice(), pIcon->geometry());
    QCOMPARE(pUndo->count(), iPassi + 1);
    QCOMPARE(fA(frm, "MnuAnnulla")->text(), QStringLiteral("Annulla spostamento"));

    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fPos(fx, iId), QPoint(223, 119));
    QCOMPARE(fSelezionato(frm)->pos(), QPoint(223, 119)); // still selected after the undo
    pTasto(frm, &frm, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(fPos(fx, iId), QPoint(228, 139));

    // after the redo a new run starts; at the right border the icon stops at the drag limit
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Right, Qt::ShiftModifier, 30);
    QCOMPARE(fPos(fx, iId), QPoint(480 - 32, 139));
    QCOMPARE(pUndo->count(), iPassi + 2);
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Right);
    QCOMPARE(fPos(fx, iId), QPoint(448, 139));
    QCOMPARE(pUndo->count(), iPassi + 2); // a move that moves nothing is no step

    // a drag is its own step, showing its live position; the arrows after it start a new one
    pIcon = qobject_cast<TCanvasItem *>(fSelezionato(frm));
    const QPoint start = pIcon->mapTo(&frm, QPoint(5, 5));
    QTest::mousePress(pIcon, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&frm, start + QPoint(-40, 0));
    QCOMPARE(fW<QLabel>(frm, "SbarPosizione")->text(), QStringLiteral("X 424  Y 155"));
    QTest::mouseRelease(&frm, Qt::LeftButton, {}, start + QPoint(-40, 0));
    QCOMPARE(pUndo->count(), iPassi + 3);
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Up);
    QCOMPARE(fPos(fx, iId), QPoint(408, 138));
    QCOMPARE(pUndo->count(), iPassi + 4);

    // a label moves as its drag would store it; Escape and a click on the background deselect
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Escape);
    QVERIFY(!fSelezionato(frm));
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fCornice().isEmpty());
    QVERIFY(fW<QLabel>(frm, "SbarTipo")->text().isEmpty());
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Left);
    QCOMPARE(fPos(fx, iId), QPoint(408, 138)); // nothing selected, nothing moves
    QTest::mouseClick(pIcon, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(fW<QLabel>(frm, "Image_1"), Qt::LeftButton, {}, QPoint(20, 200));
    QVERIFY(!fSelezionato(frm));
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstKeyboard::deleteKeyAndUndoBringBackABarrier()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("3"));
    const int iId = fLastSensorId(fx);
    const QString sIcon = QStringLiteral("Barriera_%1_ingresso_3").arg(iId);
    fx.dialogs.aInputAnswers << QStringLiteral("Cancello");
    pPopupEntry(fPlaced(frm, sIcon), fW<QMenu>(frm, "popImg"), fA(frm, "MnuAggiungitesto"));
    pDrag(frm, fPlaced(frm, sIcon + QStringLiteral("_")), QPoint(3, 3), {QPoint(40, 30)});
    const QString sRiga = fRiga(fx, iId);
    QStringList asCanvas = fInPila(frm);
    asCanvas.sort();
    QCOMPARE(asCanvas.size(), 3);

    // the second end selected: Delete removes the whole barrier, as its icon's "Elimina"
    QTest::mouseClick(fPlaced(frm, sIcon + QStringLiteral("_")), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(fW<QLabel>(frm, "SbarElemento")->text(), QStringLiteral("seconda estremità"));
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Delete);
    QCOMPARE(fSensorCount(fx), 0);
    QVERIFY(fInPila(frm).isEmpty());
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().isEmpty());

    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fRiga(fx, iId), sRiga); // its id, second end and label
    QStringList asDopo = fInPila(frm);
    asDopo.sort();
    QCOMPARE(asDopo, asCanvas);
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().size(), 1);

    // a selected label: Delete removes the label only
    QTest::mouseClick(fPlaced(frm, QStringLiteral("Testo_%1").arg(iId)), Qt::LeftButton, {}, QPoint(2, 2));
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Delete);
    QCOMPARE(fSensorCount(fx), 1);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where Testo = ''")), 1);
    QCOMPARE(fInPila(frm).size(), 2);
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstKeyboard::duplicateTakesTheNextFreeNumberOfItsClass()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const qint64 iPrima = frm.fDocument().fAreaMostrata();
    const int iPorta = fContactWithLabel(fx, QStringLiteral("Porta 7"));
    fx.dialogs.aInputAnswers << QStringLiteral("Garage");
    QTest::mouseClick(fBtn(frm, "BtnNewArea"), Qt::LeftButton);
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("9"));     // an output: another class
    pAddWithButton(fx, fBtn(frm, "BtnVolumetrico"), QStringLiteral("8")); // an input elsewhere in the project
    frm.pRunCommand([&] { fAlbero(frm).pSelectNodeById(QString::number(iPrima)); });
    QCOMPARE(frm.fDocument().fAreaMostrata(), iPrima);

    QTest::mouseClick(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_7").arg(iPorta)), Qt::LeftButton, {},
                      QPoint(5, 5));
    const int iPassi = frm.fDocument().fUndoStack()->count();
    pTasto(frm, &frm, Qt::Key_D, Qt::ControlModifier);
    const int iCopia = fLastSensorId(fx);
    QVERIFY(iCopia > iPorta);
    QCOMPARE(frm.fDocument().fUndoStack()->count(), iPassi + 1);
    const QStringList asColonne{QStringLiteral("TipoSensore"), QStringLiteral("IconSize"), QStringLiteral("FontTxt"),
                                QStringLiteral("ColorTxt"), QStringLiteral("area_id")};
    for (const QString &sColonna : asColonne)
        QCOMPARE(fColumn(fx, iCopia, sColonna), fColumn(fx, iPorta, sColonna));
    QCOMPARE(fColumn(fx, iCopia, QStringLiteral("NumSensore")), 9);
    QCOMPARE(fPos(fx, iCopia), fPos(fx, iPorta) + QPoint(16, 16));
    QCOMPARE(fPos(fx, iCopia, "CoordXt", "CoordYt"), fPos(fx, iPorta, "CoordXt", "CoordYt") + QPoint(16, 16));
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where Testo = 'Porta 9'")), 1);
    const QString sCopia = QStringLiteral("Contatto_%1_ingresso_9").arg(iCopia);
    QVERIFY(fPlaced(frm, sCopia));
    QCOMPARE(fSelezionato(frm), fPlaced(frm, sCopia));

    // from the icon's pop-up, near the corner: kept inside the canvas, its label beside it where the copy's is
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Right, Qt::ShiftModifier, 30);
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Down, Qt::ShiftModifier, 30);
    pPopupEntry(fPlaced(frm, sCopia), fW<QMenu>(frm, "popImg"), fA(frm, "PopDuplica"));
    const int iTerza = fLastSensorId(fx);
    QCOMPARE(fPos(fx, iTerza).y(), 240);
    QCOMPARE(fPos(fx, iTerza), fPos(fx, iCopia));
    QCOMPARE(fPos(fx, iTerza, "CoordXt", "CoordYt"), fPos(fx, iCopia, "CoordXt", "CoordYt"));
    QCOMPARE(fColumn(fx, iTerza, QStringLiteral("NumSensore")), 10);

    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where _id = %1").arg(iTerza)), 0);
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstKeyboard::propertiesChangeTypeAndNumber()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnVolumetrico"), QStringLiteral("5"));
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    const int iId = fLastSensorId(fx);
    const QString sArea = frm.fDocument().fArea(frm.fDocument().fAreaMostrata())->sNome;

    // the pop-up: a contact becomes barrier 12, with a second end beside its icon
    fx.dialogs.pOnProprieta = [](TProprieta &p) {
        p.iTipo = 4;
        p.sNumero = QStringLiteral(" 12 ");
        return true;
    };
    pPopupEntry(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_7").arg(iId)), fW<QMenu>(frm, "popImg"),
                fA(frm, "PopProprieta"));
    QCOMPARE(fx.dialogs.aProprietaMostrate.last().aTipi, (QList<int>{1, 2, 4, 5}));
    QCOMPARE(fx.dialogs.aProprietaMostrate.last().sNumero, QStringLiteral("7"));
    QCOMPARE(fColumn(fx, iId, QStringLiteral("TipoSensore")), 4);
    QCOMPARE(fColumn(fx, iId, QStringLiteral("NumSensore")), 12);
    QCOMPARE(fPos(fx, iId, "CoordX2", "CoordY2"), QPoint(253, 131));
    const QString sBarriera = QStringLiteral("Barriera_%1_ingresso_12").arg(iId);
    QVERIFY(fPlaced(frm, sBarriera) && fPlaced(frm, sBarriera + QStringLiteral("_")));
    QVERIFY(!fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_7").arg(iId)));

    // a double click: back to a contact, number 5 (used by the detector: warned, allowed), a label
    fx.dialogs.pOnProprieta = [](TProprieta &p) {
        p.iTipo = 2;
        p.sNumero = QStringLiteral("5");
        p.sTesto = QStringLiteral("Finestra");
        return true;
    };
    QTest::mouseDClick(fPlaced(frm, sBarriera), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(fx.dialogs.aProprietaMostrate.size(), 2);
    QCOMPARE(fx.dialogs.asAvvisi.last(), QStringLiteral("Numero già usato in: ") + sArea);
    QCOMPARE(fColumn(fx, iId, QStringLiteral("TipoSensore")), 2);
    QCOMPARE(fColumn(fx, iId, QStringLiteral("NumSensore")), 5);
    QCOMPARE(fPos(fx, iId, "CoordX2", "CoordY2"), QPoint(0, 0));
    QCOMPARE(fInPila(frm).filter(QStringLiteral("_%1_").arg(iId)),
             QStringList{QStringLiteral("Contatto_%1_ingresso_5").arg(iId)});
    QVERIFY(fPlaced(frm, QStringLiteral("Testo_%1").arg(iId)));
    QCOMPARE(frm.fDocument().fUndoStack()->count(), 4);

    // a wrong number changes nothing (the dialog, still open, is then cancelled); undo brings the barrier back
    // with its second end
    fx.dialogs.pOnProprieta = [iVolte = 0](TProprieta &p) mutable {
        p.sNumero = QStringLiteral("x1");
        return iVolte++ == 0;
    };
    pPopupEntry(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_5").arg(iId)), fW<QMenu>(frm, "popImg"),
                fA(frm, "PopProprieta"));
    QCOMPARE(fx.dialogs.asMessages, QStringList{QStringLiteral("E' necessario un valore NUMERICO")});
    QCOMPARE(frm.fDocument().fUndoStack()->count(), 4);
    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fColumn(fx, iId, QStringLiteral("TipoSensore")), 4);
    QCOMPARE(fPos(fx, iId, "CoordX2", "CoordY2"), QPoint(253, 131));
    QVERIFY(fPlaced(frm, sBarriera + QStringLiteral("_")));
    QVERIFY(!fPlaced(frm, QStringLiteral("Testo_%1").arg(iId)));
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstKeyboard::tabFollowsTheStackingOrder()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    fContactWithLabel(fx, QStringLiteral("Porta"));
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("3"));
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("1"));
    const QStringList asPila = fInPila(frm);
    QCOMPARE(asPila.size(), 5);

    QTest::mouseClick(fW<QLabel>(frm, "Image_1"), Qt::LeftButton, {}, QPoint(20, 200));
    QStringList asTab;
    for (int i = 0; i < asPila.size(); ++i) {
        pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Tab);
        asTab << fSelezionato(frm)->objectName();
    }
    QCOMPARE(asTab, asPila);
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Tab); // round again
    QCOMPARE(fSelezionato(frm)->objectName(), asPila.first());
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(fSelezionato(frm)->objectName(), asPila.last());
}

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
