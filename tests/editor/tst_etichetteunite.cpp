// Labels that go with their icons, on the real window with real mouse and key
// events: a drag, the arrows, "Allinea" and group moves take the label along
// in the same step (or leave it, with "Etichette unite agli oggetti" off), the
// pair stops where its label meets the page's edge, copies keep the label
// beside their icon, and a new label goes to the first free side of its icon.

#include "tst_placement_helpers.h"

#include "editor/canvas.h"
#include "model/labelfont.h"
#include "preview/disegno.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QtTest>

namespace {

const QString sPorta = QStringLiteral("Porta");

/** A contact 7 at pos labelled "Porta" through its pop-up menu, in the font dialog's first choice (14 points). */
int fContattoConPorta(TEditorFixture &fx, const QPoint &pos)
{
    const int iId = fOggetto(fx, fBtn(fx.frm(), "BtnContact"), QStringLiteral("7"), pos);
    fx.dialogs.aInputAnswers << sPorta;
    pPopupEntry(fPlaced(fx.frm(), QStringLiteral("Contatto_%1_ingresso_7").arg(iId)), fW<QMenu>(fx.frm(), "popImg"),
                fA(fx.frm(), "MnuAggiungitesto"));
    return iId;
}

/** The stored icon and label of object iId, checked against the canvas. */
QPair<QPoint, QPoint> fCoppia(TEditorFixture &fx, int iId)
{
    const QPoint icona(fColumn(fx, iId, QStringLiteral("CoordX")), fColumn(fx, iId, QStringLiteral("CoordY")));
    const QPoint testo(fColumn(fx, iId, QStringLiteral("CoordXt")), fColumn(fx, iId, QStringLiteral("CoordYt")));
    const TCanvasItem *pIcona = fCanvas(fx.frm()).fItem({iId, TParte::Icona});
    const TCanvasItem *pTesto = fCanvas(fx.frm()).fItem({iId, TParte::Testo});
    if (!pIcona || !pTesto || pIcona->fPosizione() != icona || pTesto->fPosizione() != testo)
        return {};
    return {icona, testo};
}

QSize fTesto(const QString &s)
{
    return fDimensioneEtichetta(s, fLabelFont(7));
}

void pClic(TFrmBase &frm, int iId, TParte eParte, Qt::KeyboardModifiers mod = {})
{
    QTest::mouseClick(fCanvas(frm).fItem({qint64(iId), eParte}), Qt::LeftButton, mod, QPoint(3, 3));
}

} // namespace

class TstEtichetteUnite : public QObject
{
    Q_OBJECT

private slots:
    void labelGoesWithItsIconInOneStep_data();
    void labelGoesWithItsIconInOneStep();
    void pairStopsWhereItsLabelMeetsTheRightEdge_data();
    void pairStopsWhereItsLabelMeetsTheRightEdge();
    void copyKeepsItsLabelBesideItsIcon_data();
    void copyKeepsItsLabelBesideItsIcon();
    void newLabelGoesToTheFirstFreeSide_data();
    void newLabelGoesToTheFirstFreeSide();
    void entryIsKeptInTheIni();
};

void TstEtichetteUnite::labelGoesWithItsIconInOneStep_data()
{
    QTest::addColumn<QString>("sModo");
    QTest::addColumn<bool>("bUnite");
    QTest::addColumn<QPoint>("spostamento"); // of the icon
    QTest::addColumn<bool>("bTestoSegue");
    for (const bool bUnite : {true, false}) {
        const char *szUnite = bUnite ? "joined" : "apart";
        QTest::addRow("drag, %s", szUnite) << "drag" << bUnite << QPoint(-40, 30) << bUnite;
        QTest::addRow("arrows, %s", szUnite) << "arrows" << bUnite << QPoint(3, 20) << bUnite;
        QTest::addRow("Allinea In alto, %s", szUnite) << "allinea" << bUnite << QPoint(0, -70) << bUnite;
        QTest::addRow("group drag, %s", szUnite) << "group" << bUnite << QPoint(-40, 30) << bUnite;
        // a group holding the label too moves it once, joined or not
        QTest::addRow("group with its label, %s", szUnite) << "group+label" << bUnite << QPoint(-40, 30) << true;
    }
}

void TstEtichetteUnite::labelGoesWithItsIconInOneStep()
{
    QFETCH(QString, sModo);
    QFETCH(bool, bUnite);
    QFETCH(QPoint, spostamento);
    QFETCH(bool, bTestoSegue);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    QUndoStack *pUndo = frm.fDocument().fUndoStack();
    QVERIFY(fA(frm, "MnuEtichetteUnite")->isChecked());
    if (!bUnite)
        fA(frm, "MnuEtichetteUnite")->trigger();
    const int iLampada = fOggetto(fx, fBtn(frm, "BtnLampada"), QStringLiteral("3"), QPoint(60, 80));
    const int iId = fContattoConPorta(fx, QPoint(200, 150));
    const QPair<QPoint, QPoint> prima = fCoppia(fx, iId);
    QCOMPARE(prima.first, QPoint(200, 150));
    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    TCanvasItem *pIcona = fCanvas(frm).fItem({iId, TParte::Icona});
    const int iPassi = pUndo->count();

    if (sModo == "drag") {
        const QPoint start = pIcona->mapTo(&frm, QPoint(5, 5));
        QTest::mousePress(pIcona, Qt::LeftButton, {}, QPoint(5, 5));
        for (const QPoint &d : {QPoint(-20, 10), spostamento + QPoint(0, 1), spostamento})
            QTest::mouseMove(&frm, start + d);
        if (bUnite)
            QVERIFY(fCanvas(frm).fGuide().isEmpty()); // the label moving along is no guide for its icon
        QTest::mouseRelease(&frm, Qt::LeftButton, {}, start + spostamento);
    } else if (sModo == "arrows") {
        pClic(frm, iId, TParte::Icona);
        pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Right, {}, 3);
        pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Down, Qt::ShiftModifier, 2);
    } else if (sModo == "allinea") {
        pClic(frm, iId, TParte::Icona);
        pClic(frm, iLampada, TParte::Icona, Qt::ControlModifier);
        fVoceAllinea(frm, QStringLiteral("In alto"))->trigger();
    } else {
        pClic(frm, iId, TParte::Icona);
        pClic(frm, sModo == "group" ? iLampada : iId, sModo == "group" ? TParte::Icona : TParte::Testo,
              Qt::ControlModifier);
        pDrag(frm, pIcona, QPoint(5, 5), {QPoint(-20, 10), spostamento});
    }
    const QPair<QPoint, QPoint> dopo = fCoppia(fx, iId);
    QCOMPARE(dopo.first, prima.first + spostamento);
    QCOMPARE(dopo.second, prima.second + (bTestoSegue ? spostamento : QPoint()));
    QCOMPARE(pUndo->count(), iPassi + 1);

    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fCoppia(fx, iId), prima);
    QCOMPARE(fColumn(fx, iLampada, QStringLiteral("CoordY")), 80);
}

void TstEtichetteUnite::pairStopsWhereItsLabelMeetsTheRightEdge_data()
{
    QTest::addColumn<QString>("sModo");
    QTest::newRow("drag") << "drag";
    QTest::newRow("arrows") << "arrows";
    QTest::newRow("Allinea A destra") << "allinea";
    QTest::newRow("group drag") << "group";
}

void TstEtichetteUnite::pairStopsWhereItsLabelMeetsTheRightEdge()
{
    QFETCH(QString, sModo);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    // a lamp at the right edge to align with; in the group, one at the left that holds nothing back
    const int iLampada =
        fOggetto(fx, fBtn(frm, "BtnLampada"), QStringLiteral("3"), sModo == "group" ? QPoint(20, 60) : QPoint(448, 60));
    const int iId = fContattoConPorta(fx, QPoint(300, 150));
    const QPair<QPoint, QPoint> prima = fCoppia(fx, iId);
    const int iScarto = prima.second.x() - prima.first.x();
    const int iLargo = fTesto(sPorta).width();
    QCOMPARE(iScarto, 42);
    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    TCanvasItem *pIcona = fCanvas(frm).fItem({iId, TParte::Icona});

    if (sModo == "drag") {
        pDrag(frm, pIcona, QPoint(5, 5), {QPoint(100, 0), QPoint(300, 0)});
    } else if (sModo == "arrows") {
        pClic(frm, iId, TParte::Icona);
        pTasto(frm, fW<QWidget>(frm, "PnlImgArea"), Qt::Key_Right, Qt::ShiftModifier, 20);
    } else if (sModo == "allinea") {
        pClic(frm, iId, TParte::Icona);
        pClic(frm, iLampada, TParte::Icona, Qt::ControlModifier);
        fVoceAllinea(frm, QStringLiteral("A destra"))->trigger();
    } else {
        pClic(frm, iId, TParte::Icona);
        pClic(frm, iLampada, TParte::Icona, Qt::ControlModifier);
        pDrag(frm, pIcona, QPoint(5, 5), {QPoint(100, 0), QPoint(300, 0)});
    }
    // the label meets the edge first: the icon stops short of it, the offset kept
    const QPair<QPoint, QPoint> dopo = fCoppia(fx, iId);
    QCOMPARE(dopo.second.x(), 480 - iLargo);
    QCOMPARE(dopo.first.x(), 480 - iLargo - iScarto);
    QCOMPARE(dopo.second - dopo.first, prima.second - prima.first);
    QVERIFY(dopo.first.x() < 448);
}

void TstEtichetteUnite::copyKeepsItsLabelBesideItsIcon_data()
{
    QTest::addColumn<bool>("bDuplica");
    QTest::addColumn<bool>("bUnite");
    QTest::newRow("Ctrl+D, joined") << true << true;
    QTest::newRow("Ctrl+D, apart") << true << false;
    QTest::newRow("Ctrl+C Ctrl+V, joined") << false << true;
    QTest::newRow("Ctrl+C Ctrl+V, apart") << false << false;
}

void TstEtichetteUnite::copyKeepsItsLabelBesideItsIcon()
{
    QFETCH(bool, bDuplica);
    QFETCH(bool, bUnite);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    if (!bUnite)
        fA(frm, "MnuEtichetteUnite")->trigger();
    // the label ends 13 pixels short of the edge: a copy 16 pixels to the right would cross it
    const int iX = 480 - 13 - 42 - fTesto(sPorta).width();
    const int iId = fContattoConPorta(fx, QPoint(iX, 150));
    const QPair<QPoint, QPoint> originale = fCoppia(fx, iId);
    QCOMPARE(originale.second.x(), iX + 42);
    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    pClic(frm, iId, TParte::Icona);
    if (bDuplica) {
        pTasto(frm, &frm, Qt::Key_D, Qt::ControlModifier);
    } else {
        pTasto(frm, &frm, Qt::Key_C, Qt::ControlModifier);
        pTasto(frm, &frm, Qt::Key_V, Qt::ControlModifier);
    }
    const int iCopia = fLastSensorId(fx);
    QVERIFY(iCopia != iId);
    const QPair<QPoint, QPoint> copia = fCoppia(fx, iCopia);
    QCOMPARE(copia.second.x(), 480 - fTesto(sPorta).width()); // kept inside either way
    QCOMPARE(copia.second - copia.first == originale.second - originale.first, bUnite);
    if (bUnite)
        QCOMPARE(copia.first, originale.first + QPoint(13, 16));
}

void TstEtichetteUnite::newLabelGoesToTheFirstFreeSide_data()
{
    QTest::addColumn<QPoint>("icona");
    QTest::addColumn<QList<QPoint>>("aAltre"); // other 32-pixel icons
    QTest::addColumn<QString>("sLato");
    const QSize t = fTesto(sPorta);
    const QPoint a(200, 120);
    const QPoint destra(250, 120), sinistra(150, 120), sotto(200, 160), sopra(200, 80);
    QTest::newRow("free") << a << QList<QPoint>{} << "right";
    QTest::newRow("icon touching the right label") << a << QList<QPoint>{{242 + t.width(), 120}} << "right";
    QTest::newRow("icon one pixel under it") << a << QList<QPoint>{{241 + t.width(), 120}} << "left";
    QTest::newRow("right and left taken") << a << QList<QPoint>{destra, sinistra} << "below";
    QTest::newRow("right, left, below taken") << a << QList<QPoint>{destra, sinistra, sotto} << "above";
    QTest::newRow("all taken") << a << QList<QPoint>{destra, sinistra, sotto, sopra} << "right";
    QTest::newRow("page ends on the right") << QPoint(440, 120) << QList<QPoint>{} << "left";
    QTest::newRow("page ends on the right and below") << QPoint(430, 240) << QList<QPoint>{{430 - 42, 240}} << "above";
}

void TstEtichetteUnite::newLabelGoesToTheFirstFreeSide()
{
    QFETCH(QPoint, icona);
    QFETCH(QList<QPoint>, aAltre);
    QFETCH(QString, sLato);
    TEditorFixture fx;
    fStartWithProject(fx);
    for (int i = 0; i < aAltre.size(); ++i)
        fOggetto(fx, fBtn(fx.frm(), "BtnLampada"), QString::number(i + 1), aAltre.at(i));
    const int iId = fContattoConPorta(fx, icona);
    const QSize t = fTesto(sPorta);
    const int iCentro = icona.x() + (32 - t.width()) / 2;
    const QHash<QString, QPoint> aLati = {{"right", icona + QPoint(42, 4)},
                                          {"left", QPoint(icona.x() - 10 - t.width(), icona.y() + 4)},
                                          {"below", QPoint(iCentro, icona.y() + 34)},
                                          {"above", QPoint(iCentro, icona.y() - 2 - t.height())}};
    QCOMPARE(fCoppia(fx, iId).second, aLati.value(sLato));
}

void TstEtichetteUnite::entryIsKeptInTheIni()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    QAction *pVoce = fA(frm, "MnuEtichetteUnite");
    QVERIFY(pVoce->isCheckable() && pVoce->isChecked());
    QCOMPARE(pVoce->text(), QStringLiteral("Etichette unite agli oggetti"));
    QCOMPARE(pVoce->parent(), fW<QMenu>(frm, "MnuAllinea")->parent());
    pVoce->trigger();
    fx.pStop();
    QCOMPARE(QSettings(fx.fBin() + "ombrix.ini", QSettings::IniFormat).value("Options/EtichetteUnite").toInt(), 0);

    TEditorFixture fx2;
    QFile::copy(fx.fBin() + "ombrix.ini", fx2.fBin() + "ombrix.ini");
    QVERIFY(!fA(fx2.pStart(), "MnuEtichetteUnite")->isChecked());
}

QTEST_MAIN(TstEtichetteUnite)
#include "tst_etichetteunite.moc"
