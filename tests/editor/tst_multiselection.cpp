// Many objects at once, on the real window with real mouse and key events:
// the rubber band and dragging the selection, the canvas limits on the whole
// selection, copy and paste across areas and projects, "Incolla speciale",
// "Allinea", and "Duplica area" with its undo. The database is read after
// every step.

#include "tst_placement_helpers.h"

#include "document/projectdocument.h"
#include "editor/canvas.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

namespace {

QPoint fPos(TEditorFixture &fx, int iId)
{
    return {fColumn(fx, iId, QStringLiteral("CoordX")), fColumn(fx, iId, QStringLiteral("CoordY"))};
}

/** A rubber band on the canvas from one point to another (canvas coordinates). */
void pBanda(TFrmBase &frm, const QPoint &da, const QPoint &a)
{
    const QPoint start = fW<QWidget>(frm, "PnlImgArea")->mapTo(&frm, da);
    const QPoint end = fW<QWidget>(frm, "PnlImgArea")->mapTo(&frm, a);
    QTest::mousePress(&frm, Qt::LeftButton, {}, start);
    QTest::mouseMove(&frm, (start + end) / 2);
    QTest::mouseMove(&frm, end);
    QTest::mouseRelease(&frm, Qt::LeftButton, {}, end);
}

/** The rows of an area as a paste must give them back: everything but the ids and the area. */
QStringList fRighe(int iArea)
{
    QStringList as;
    TSqlQuery q = fProjectConn().fQuery(
        QStringLiteral("select TipoSensore, NumSensore, IconSize, CoordX, CoordY, CoordX2, CoordY2, CoordXt, CoordYt, "
                       "FontTxt, ColorTxt, Testo from tbsensori where area_id = ? and TipoSensore <> 3 order by _id"),
        {iArea});
    while (q.fNext()) {
        QStringList asCampi;
        for (int i = 0; i < q.fColumnCount(); ++i)
            asCampi << q.fValue(i).toString();
        as << asCampi.join(QLatin1Char('|'));
    }
    return as;
}

} // namespace

class TstMultiSelection : public QObject
{
    Q_OBJECT

private slots:
    void bandDragLimitsAndDelete();
    void copyPasteAndPasteSpecial();
    void alignAndDistribute();
    void duplicateAreaWithItsDetailArea();
};

void TstMultiSelection::bandDragLimitsAndDelete()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    QUndoStack *pUndo = frm.fDocument().fUndoStack();
    const QList<QPoint> aPos = {{20, 60}, {80, 60}, {140, 100}, {300, 200}, {400, 60}};
    QList<int> aIds;
    for (int i = 0; i < aPos.size(); ++i)
        aIds << fOggetto(fx, fBtn(frm, "BtnContact"), QString::number(i + 1), aPos.at(i));
    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));

    // a band from the background touching the first three
    pBanda(frm, QPoint(10, 50), QPoint(150, 110));
    QCOMPARE(fControlliSelezionati(frm).size(), 3);
    QCOMPARE(fW<QLabel>(frm, "SbarMessaggio")->text(), QStringLiteral("3 oggetti selezionati"));
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fAltreCornici().size(), 2);
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fBanda().isEmpty());
    // Ctrl+click adds an item and takes it out again
    QTest::mouseClick(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_4").arg(aIds.at(3))), Qt::LeftButton,
                      Qt::ControlModifier, QPoint(3, 3));
    QCOMPARE(fControlliSelezionati(frm).size(), 4);
    QTest::mouseClick(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_4").arg(aIds.at(3))), Qt::LeftButton,
                      Qt::ControlModifier, QPoint(3, 3));
    QCOMPARE(fControlliSelezionati(frm).size(), 3);

    // dragging one of them moves all three by the same offset, as one step
    const int iPassi = pUndo->count();
    pDrag(frm, fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_2").arg(aIds.at(1))), QPoint(5, 5),
          {QPoint(10, 5), QPoint(30, 20)});
    for (int i = 0; i < 5; ++i)
        QCOMPARE(fPos(fx, aIds.at(i)), aPos.at(i) + (i < 3 ? QPoint(30, 20) : QPoint()));
    QCOMPARE(pUndo->count(), iPassi + 1);
    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(fPos(fx, aIds.at(i)), aPos.at(i));
    QCOMPARE(fControlliSelezionati(frm).size(), 3); // still selected after the undo

    // far to the right the selection stops when its rightmost icon meets the border, keeping its shape
    pDrag(frm, fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_1").arg(aIds.at(0))), QPoint(5, 5),
          {QPoint(200, 0), QPoint(500, 0)});
    const QPoint spinta(480 - 32 - 140, 0);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(fPos(fx, aIds.at(i)), aPos.at(i) + spinta);
    const int iDopoDrag = pUndo->count();
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Right, Qt::ShiftModifier, 3);
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Up, {}, 4); // a run of arrows on the selection is one step
    for (int i = 0; i < 3; ++i)
        QCOMPARE(fPos(fx, aIds.at(i)), aPos.at(i) + spinta + QPoint(0, -4));
    QCOMPARE(pUndo->count(), iDopoDrag + 1);

    // Ctrl+A and Delete: every sensor goes as one step; the zoom marker stays, and the status bar says so
    fx.dialogs.aInputAnswers << QStringLiteral("Dettaglio");
    fBtn(frm, "BtnZoomIn")->click();
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(fControlliSelezionati(frm).size(), 6);
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Delete);
    QCOMPARE(fSensorCount(fx), 1);
    QCOMPARE(fW<QLabel>(frm, "SbarMessaggio")->text(), QStringLiteral("Indicatori di zoom non eliminati: 1"));
    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fSensorCount(fx), 6);

    // another area clears the selection
    fx.dialogs.aInputAnswers << QStringLiteral("Piano 2");
    fBtn(frm, "BtnNewArea")->click();
    QVERIFY(fControlliSelezionati(frm).isEmpty());
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstMultiSelection::copyPasteAndPasteSpecial()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iPorta = fContactWithLabel(fx, QStringLiteral("Porta 7"));
    frm.fDocument().pSpostaOggetto(iPorta, 0, QPoint(40, 50));
    const int iBarriera = fOggetto(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("3"), QPoint(100, 150));
    frm.fDocument().pSpostaOggetto(iBarriera, 1, QPoint(300, 180));
    fOggetto(fx, fBtn(frm, "BtnLampada"), QStringLiteral("2"), QPoint(440, 230)); // a paste beside it meets the corner
    fx.dialogs.aInputAnswers << QStringLiteral("Dettaglio");
    fBtn(frm, "BtnZoomIn")->click();
    const QStringList asOriginali = fRighe(1);

    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_A, Qt::ControlModifier);
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_C, Qt::ControlModifier);
    const QStringList asTesto = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(asTesto.size(), 4);
    QVERIFY(asTesto.contains(QStringLiteral("Contatto\t7\tPorta 7")));

    // onto another area: the same rows with new ids; the zoom marker is left out
    fx.dialogs.aInputAnswers << QStringLiteral("Piano 2");
    fBtn(frm, "BtnNewArea")->click();
    const qint64 iPiano2 = frm.fDocument().fAreaMostrata();
    const int iUltimo = fLastSensorId(fx);
    QUndoStack *pUndo = frm.fDocument().fUndoStack();
    const int iPassi = pUndo->count();
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(fRighe(int(iPiano2)), asOriginali);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select min(_id) from tbsensori where area_id = %1").arg(iPiano2)),
             iUltimo + 1);
    QCOMPARE(pUndo->count(), iPassi + 1);
    QCOMPARE(fW<QLabel>(frm, "SbarMessaggio")->text(), QStringLiteral("Indicatori di zoom non incollati: 1"));
    QCOMPARE(fControlliSelezionati(frm).size(), 3 + 1 + 1); // icons, the second end and the label

    // onto the originals' own area: 16 pixels right and down, inside the canvas
    fAlbero(frm).pSelectNodeById(QStringLiteral("1"));
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_V, Qt::ControlModifier);
    const int iLampada = fLastSensorId(fx);
    QCOMPARE(fPos(fx, iLampada), QPoint(448, 240));
    QCOMPARE(fPos(fx, iLampada - 2), QPoint(56, 66));

    // Incolla speciale: input offset 100, labels renumbered; the second time warns of the numbers now used
    fAlbero(frm).pSelectNodeById(QString::number(iPiano2));
    fx.dialogs.pOnIncolla = [](TOpzioniIncolla &o) {
        o.iOffsetIngressi = 100;
        o.bAggiornaTesti = true;
        return true;
    };
    fA(frm, "MnuIncollaSpeciale")->trigger();
    QCOMPARE(fx.dialogs.asIncollaTitoli.value(0), QStringLiteral("Incolla speciale"));
    QCOMPARE(fx.dialogs.asIncollaAvvisi.value(0), QStringLiteral("Numeri già usati nel progetto: uscite 2"));
    const int iNuovo = fx.fQueryInt(
        QStringLiteral("select _id from tbsensori where TipoSensore = 2 and NumSensore = 107 and area_id = %1")
            .arg(iPiano2));
    QVERIFY(iNuovo > 0);
    TSqlQuery q = fProjectConn().fQuery(QStringLiteral("select Testo from tbsensori where _id = ?"), {iNuovo});
    QVERIFY(q.fNext());
    QCOMPARE(q.fText(0), QStringLiteral("Porta 107"));
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where TipoSensore = 4 and NumSensore = 103")),
             1);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where TipoSensore = 6 and NumSensore = 2 and "
                                         "area_id = %1")
                              .arg(iPiano2)),
             2); // outputs keep their numbers
    fA(frm, "MnuIncollaSpeciale")->trigger();
    QCOMPARE(fx.dialogs.asIncollaAvvisi.value(1),
             QStringLiteral("Numeri già usati nel progetto: ingressi 107, 103; uscite 2"));

    // into another project opened later
    fx.pNewProject(QStringLiteral("Villa"));
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(fRighe(1), asOriginali);
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
}

void TstMultiSelection::alignAndDistribute()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    QUndoStack *pUndo = frm.fDocument().fUndoStack();
    const int iA = fOggetto(fx, fBtn(frm, "BtnContact"), QStringLiteral("1"), QPoint(20, 60));
    fA(frm, "N16")->trigger();
    const int iB = fOggetto(fx, fBtn(frm, "BtnContact"), QStringLiteral("2"), QPoint(100, 130));
    const int iC = fOggetto(fx, fBtn(frm, "BtnLampada"), QStringLiteral("3"), QPoint(300, 90));
    pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_A, Qt::ControlModifier);

    // the new entries of "Modifica" come after its own
    QStringList asVoci;
    for (const QAction *p : qobject_cast<QMenu *>(fW<QMenu>(frm, "MnuAllinea")->parentWidget())->actions())
        if (!p->isSeparator())
            asVoci << p->text();
    QCOMPARE(asVoci.mid(2), (QStringList{"Duplica", "Adatta immagine di sfondo…", "Seleziona tutto", "Copia", "Taglia",
                                         "Incolla", "Incolla speciale…", "Allinea", "Etichette unite agli oggetti"}));

    int iPassi = pUndo->count();
    fVoceAllinea(frm, QStringLiteral("A sinistra"))->trigger();
    for (int iId : {iA, iB, iC})
        QCOMPARE(fColumn(fx, iId, QStringLiteral("CoordX")), 20);
    QCOMPARE(pUndo->count(), iPassi + 1);
    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fPos(fx, iB), QPoint(100, 130));

    // equal gaps between neighbours, the first and the last in place
    fVoceAllinea(frm, QStringLiteral("Distribuisci in orizzontale"))->trigger();
    const int iGap1 = fColumn(fx, iB, QStringLiteral("CoordX")) - (20 + 32);
    const int iGap2 = 300 - (fColumn(fx, iB, QStringLiteral("CoordX")) + 16);
    QVERIFY2(qAbs(iGap1 - iGap2) <= 1, qPrintable(QStringLiteral("%1 %2").arg(iGap1).arg(iGap2)));
    QCOMPARE(fPos(fx, iA), QPoint(20, 60));
    QCOMPARE(fPos(fx, iC), QPoint(300, 90));

    // "In basso" keeps everything inside the canvas; fewer items than needed change nothing
    fVoceAllinea(frm, QStringLiteral("In basso"))->trigger();
    QCOMPARE(fColumn(fx, iA, QStringLiteral("CoordY")) + 32, 130 + 16);
    iPassi = pUndo->count();
    QTest::mouseClick(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_1").arg(iA)), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(fControlliSelezionati(frm).size(), 1); // a click on one of them picks it out
    fVoceAllinea(frm, QStringLiteral("A destra"))->trigger();
    QCOMPARE(pUndo->count(), iPassi);
}

void TstMultiSelection::duplicateAreaWithItsDetailArea()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const QString sFoto = fx.fRoot() + "piano.jpg";
    TEditorFixture::pWriteJpeg(sFoto, 480, 272, QColor(200, 30, 30));
    fx.dialogs.asPictures << sFoto;
    fBtn(frm, "BtnSfondo")->click();
    const int iPorta = fContactWithLabel(fx, QStringLiteral("Porta 7"));
    fx.dialogs.aInputAnswers << QStringLiteral("Cucina");
    fBtn(frm, "BtnZoomIn")->click();
    fAlbero(frm).pSelectNodeById(QStringLiteral("2"));
    const QString sFotoCucina = fx.fRoot() + "cucina.jpg";
    TEditorFixture::pWriteJpeg(sFotoCucina, 320, 200, QColor(30, 30, 200));
    fx.dialogs.asPictures << sFotoCucina;
    fx.dialogs.aiScelte << 1; // used as it is
    fBtn(frm, "BtnSfondo")->click();
    fOggetto(fx, fBtn(frm, "BtnLampada"), QStringLiteral("3"), QPoint(50, 60));
    const int iSensori = fSensorCount(fx);

    QTreeWidget *pTv = fW<QTreeWidget>(frm, "TvAree");
    const QTreeWidgetItem *pCasa = pTv->topLevelItem(0);
    QVERIFY(fAlbero(frm).fTvAreeContextPopup(pTv->visualItemRect(pCasa->child(0)).center()));
    QVERIFY(!fA(frm, "PopDuplicaArea")->isEnabled()); // not for a detail area
    QVERIFY(fAlbero(frm).fTvAreeContextPopup(pTv->visualItemRect(pCasa).center()));
    QVERIFY(fA(frm, "PopDuplicaArea")->isEnabled());
    fx.dialogs.pOnIncolla = [](TOpzioniIncolla &) { return true; };
    const int iPassi = frm.fDocument().fUndoStack()->count();
    fA(frm, "PopDuplicaArea")->trigger();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fx.dialogs.asIncollaTitoli, QStringList{QStringLiteral("Duplica area")});
    QCOMPARE(fx.dialogs.asIncollaAvvisi.value(0),
             QStringLiteral("Numeri già usati nel progetto: ingressi 7; uscite 3"));
    QCOMPARE(frm.fDocument().fUndoStack()->count(), iPassi + 1);

    QCOMPARE(fx.fTreeTexts(), (QStringList{"Casa", "  Cucina", "Casa (copia)", "  Cucina"}));
    QCOMPARE(frm.fDocument().fAreaMostrata(), 3);
    QCOMPARE(fx.fQueryInt("select father_id from tbarea where _id = 4"), 3);
    QCOMPARE(fx.fQueryInt("select livello from tbarea where _id = 4"), 1);
    const QString sAree = fProjectRoot() + "areas/img_";
    QCOMPARE(TEditorFixture::fReadAll(sAree + "3.jpg"), TEditorFixture::fReadAll(sFoto));
    QCOMPARE(TEditorFixture::fReadAll(sAree + "4.jpg"), TEditorFixture::fReadAll(sFotoCucina));
    QCOMPARE(fRighe(3), fRighe(1));
    QCOMPARE(fRighe(4), fRighe(2));
    QCOMPARE(fx.fQueryInt("select count(*) from tbsensori where area_id = 3 and TipoSensore = 3 and area_zoom = 4"), 1);
    QCOMPARE(fSensorCount(fx), 2 * iSensori);
    QVERIFY(fx.fQueryInt("select min(_id) from tbsensori where area_id in (3, 4)") > iPorta);

    // one undo takes back every row and picture it added
    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fx.fQueryInt("select count(*) from tbarea"), 2);
    QCOMPARE(fSensorCount(fx), iSensori);
    QVERIFY(!QFile::exists(sAree + "3.jpg"));
    QVERIFY(!QFile::exists(sAree + "4.jpg"));
    QCOMPARE(fx.fTreeTexts(), (QStringList{"Casa", "  Cucina"}));
}

QTEST_MAIN(TstMultiSelection)
#include "tst_multiselection.moc"
