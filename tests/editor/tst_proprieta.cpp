// The "Proprietà" dock, the grid with its guides and the I/O numbers on the
// canvas, on the real window: fields typed and chosen as a user does, drags
// with the mouse, the database read after every step.

#include "tst_placement_helpers.h"

#include "document/projectdocument.h"
#include "editor/canvas.h"
#include "editor/propertiesdock.h"
#include "model/appfonts.h"
#include "model/labelfont.h"
#include "preview/disegno.h"

#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QUndoStack>
#include <QtTest>

namespace {

/** A new object of the button's type with that number, its icon's corner at pos; returns its id. */
int fOggetto(TEditorFixture &fx, const char *szBottone, const QString &sNumero, const QPoint &pos)
{
    pAddWithButton(fx, fBtn(fx.frm(), szBottone), sNumero);
    const int iId = fLastSensorId(fx);
    fx.frm().fDocument().pSpostaOggetto(iId, 0, pos);
    return iId;
}

/** The dock, opened from its entry of "Vista". */
TDockProprieta *fDock(TFrmBase &frm)
{
    fA(frm, "MnuPannelloProprieta")->trigger();
    auto *pDock = fW<TDockProprieta>(frm, "DockProprieta");
    return pDock && pDock->isVisible() ? pDock : nullptr;
}

/** Types sValore into a field and presses Return, or chooses the entry that starts with it in a list. */
void pScrivi(TDockProprieta &dock, const QString &sCampo, const QString &sValore)
{
    if (auto *pCampo = dock.findChild<QLineEdit *>(sCampo)) {
        pCampo->selectAll();
        QTest::keyClicks(pCampo, sValore);
        QTest::keyClick(pCampo, Qt::Key_Return);
    } else {
        QTest::keyClicks(dock.findChild<QComboBox *>(sCampo), sValore.left(1)); // each entry's first letter is its own
    }
}

/** What a field shows: a field's text, a list's chosen entry (empty for none). */
QString fMostrato(TDockProprieta &dock, const QString &sCampo)
{
    if (auto *pCampo = dock.findChild<QLineEdit *>(sCampo))
        return pCampo->text();
    return dock.findChild<QComboBox *>(sCampo)->currentText();
}

QList<int> fColonna(TEditorFixture &fx, const QList<int> &aIds, const QString &sColonna)
{
    QList<int> a;
    for (int iId : aIds)
        a << fColumn(fx, iId, sColonna);
    return a;
}

QList<TChiave> fIcone(const QList<int> &aIds)
{
    QList<TChiave> a;
    for (int iId : aIds)
        a << TChiave{iId, TParte::Icona};
    return a;
}

} // namespace

class TstProprieta : public QObject
{
    Q_OBJECT

private slots:
    void dockOnOneObject_data();
    void dockOnOneObject();
    void dockOnSixObjects_data();
    void dockOnSixObjects();
    void dragSnaps_data();
    void dragSnaps();
    void badgesShowNumbersAndRepeats_data();
    void badgesShowNumbersAndRepeats();
};

void TstProprieta::dockOnOneObject_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("valore");
    QTest::addColumn<QString>("colonna");
    QTest::addColumn<int>("atteso");
    QTest::addColumn<QString>("mostrato");
    QTest::addColumn<QString>("messaggio");
    // a contact with input 7, its 32-pixel icon at (200, 100): centre (216, 116); its label "Porta"
    QTest::newRow("centre X") << "EdtCentroX"
                              << "100"
                              << "CoordX" << 84 << "100"
                              << "";
    QTest::newRow("centre Y") << "EdtCentroY"
                              << "150"
                              << "CoordY" << 134 << "150"
                              << "";
    // the label, 40 pixels right of the icon, meets the right edge first and holds its icon back
    pLoadTahoma();
    const int iFermo = 480 - fDimensioneEtichetta(QStringLiteral("Porta"), fLabelFont(7)).width() - 40;
    QTest::newRow("centre X beyond the right edge") << "EdtCentroX"
                                                    << "479"
                                                    << "CoordX" << iFermo << QString::number(iFermo + 16) << "";
    QTest::newRow("centre Y at the top edge") << "EdtCentroY"
                                              << "16"
                                              << "CoordY" << 0 << "16"
                                              << "";
    QTest::newRow("centre Y above the top edge") << "EdtCentroY"
                                                 << "15"
                                                 << "CoordY" << 0 << "16"
                                                 << "";
    QTest::newRow("centre not a number") << "EdtCentroX"
                                         << "1a"
                                         << "CoordX" << 200 << "1a"
                                         << "E' necessario un valore NUMERICO";
    QTest::newRow("number") << "EdtNumero"
                            << "12"
                            << "NumSensore" << 12 << "12"
                            << "";
    QTest::newRow("number 999") << "EdtNumero"
                                << "999"
                                << "NumSensore" << 999 << "999"
                                << "";
    QTest::newRow("number 1000") << "EdtNumero"
                                 << "1000"
                                 << "NumSensore" << 7 << "1000"
                                 << "Il numero deve essere tra 1 e 999";
    QTest::newRow("number 0") << "EdtNumero"
                              << "0"
                              << "NumSensore" << 7 << "0"
                              << "Il numero deve essere tra 1 e 999";
    QTest::newRow("number not a number") << "EdtNumero"
                                         << "x"
                                         << "NumSensore" << 7 << "x"
                                         << "E' necessario un valore NUMERICO";
    QTest::newRow("colour") << "CmbColore"
                            << "giallo"
                            << "ColorTxt" << 2 << "giallo"
                            << "";
    QTest::newRow("size") << "CmbDimensione"
                          << "9"
                          << "FontTxt" << 2 << "9"
                          << "";
    QTest::newRow("text of 19") << "EdtTesto" << QString(19, QLatin1Char('a')) << "length(Testo)" << 19
                                << QString(19, QLatin1Char('a')) << "";
    QTest::newRow("text of 20") << "EdtTesto" << QString(20, QLatin1Char('a')) << "length(Testo)" << 5
                                << QString(20, QLatin1Char('a')) << "Massimo 19 caratteri!";
}

void TstProprieta::dockOnOneObject()
{
    QFETCH(QString, campo);
    QFETCH(QString, valore);
    QFETCH(QString, colonna);
    QFETCH(int, atteso);
    QFETCH(QString, mostrato);
    QFETCH(QString, messaggio);

    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fOggetto(fx, "BtnContact", QStringLiteral("7"), QPoint(200, 100));
    frm.fDocument().pAggiungiTesto(iId, QPoint(240, 108), 7, 16, QStringLiteral("Porta"));
    TDockProprieta *pDock = fDock(frm);
    QVERIFY(pDock);
    QCOMPARE(pDock->windowTitle(), QStringLiteral("Proprietà"));
    frm.fSelezione().pSeleziona({iId, TParte::Testo}); // a label stands for its object
    // the centre as maps.txt writes it
    QCOMPARE(fMostrato(*pDock, QStringLiteral("EdtCentroX")), QStringLiteral("216"));
    QCOMPARE(fMostrato(*pDock, QStringLiteral("EdtCentroY")), QStringLiteral("116"));
    QCOMPARE(fMostrato(*pDock, QStringLiteral("EdtNumero")), QStringLiteral("7"));
    QCOMPARE(fMostrato(*pDock, QStringLiteral("CmbColore")), QStringLiteral("nero"));
    QVERIFY(!pDock->findChild<QLineEdit *>(QStringLiteral("EdtSecondoX"))->isEnabled());

    const int iPrima = fColumn(fx, iId, colonna);
    QUndoStack *pUndo = frm.fDocument().fUndoStack();
    const int iPassi = pUndo->count();
    pScrivi(*pDock, campo, valore);
    QCOMPARE(fColumn(fx, iId, colonna), atteso);
    QCOMPARE(fMostrato(*pDock, campo), mostrato); // a refused value stays as typed, to be mended
    QCOMPARE(fx.dialogs.asMessages, messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
    QCOMPARE(pUndo->count(), iPassi + (atteso != iPrima ? 1 : 0));
    if (atteso != iPrima) {
        fCanvas(frm).setFocus(); // a field's own Ctrl+Z is its text's
        pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fColumn(fx, iId, colonna), iPrima);
    }
}

void TstProprieta::dockOnSixObjects_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("valore");
    QTest::addColumn<QString>("colonna");
    QTest::addColumn<int>("atteso");
    QTest::newRow("one colour for six labels") << "CmbColore"
                                               << "celeste"
                                               << "ColorTxt" << 8;
    QTest::newRow("one Y for a row of six") << "EdtCentroY"
                                            << "150"
                                            << "CoordY" << 134;
    QTest::newRow("one number for six") << "EdtNumero"
                                        << "40"
                                        << "NumSensore" << 40;
}

void TstProprieta::dockOnSixObjects()
{
    QFETCH(QString, campo);
    QFETCH(QString, valore);
    QFETCH(QString, colonna);
    QFETCH(int, atteso);

    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    // six lamps in a ragged row, each labelled in a colour of its own
    QList<int> aIds;
    for (int i = 0; i < 6; ++i) {
        const int iId = fOggetto(fx, "BtnLampada", QString::number(i + 1), QPoint(20 + 70 * i, 90 + 5 * i));
        frm.fDocument().pAggiungiTesto(iId, QPoint(20 + 70 * i, 130 + 5 * i), 3, i + 1, QStringLiteral("L%1").arg(i));
        aIds << iId;
    }
    TDockProprieta *pDock = fDock(frm);
    QVERIFY(pDock);
    frm.fSelezione().pImposta(fIcone(aIds));
    QCOMPARE(fMostrato(*pDock, campo), QString());                                      // they differ: blank
    QCOMPARE(fMostrato(*pDock, QStringLiteral("CmbDimensione")), QStringLiteral("10")); // they share it

    const QList<int> aPrima = fColonna(fx, aIds, colonna);
    QUndoStack *pUndo = frm.fDocument().fUndoStack();
    const int iPassi = pUndo->count();
    pScrivi(*pDock, campo, valore);
    QCOMPARE(fColonna(fx, aIds, colonna), QList<int>(6, atteso));
    QCOMPARE(pUndo->count(), iPassi + 1);
    QVERIFY(!fMostrato(*pDock, campo).isEmpty()); // now they share it
    fCanvas(frm).setFocus();                      // a field's own Ctrl+Z is its text's
    pTasto(frm, &frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fColonna(fx, aIds, colonna), aPrima);
}

void TstProprieta::dragSnaps_data()
{
    QTest::addColumn<int>("passo"); // the grid's step, 0 for none
    QTest::addColumn<bool>("altro");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPoint>("atteso");
    QTest::addColumn<bool>("guida");
    // the 32-pixel icon at (100, 100) is dragged by offset; the other lies at (203, 40), centre (219, 56)
    QTest::newRow("grid 8") << 8 << false << false << QPoint(13, 21) << QPoint(112, 120) << false;
    QTest::newRow("grid 16") << 16 << false << false << QPoint(13, 21) << QPoint(112, 128) << false;
    QTest::newRow("grid 4") << 4 << false << false << QPoint(13, 21) << QPoint(112, 120) << false;
    QTest::newRow("grid, Alt") << 8 << false << true << QPoint(13, 21) << QPoint(113, 121) << false;
    QTest::newRow("no grid") << 0 << false << false << QPoint(13, 21) << QPoint(113, 121) << false;
    QTest::newRow("guide 2 off") << 0 << true << false << QPoint(101, 5) << QPoint(203, 105) << true;
    QTest::newRow("guide 3 off") << 0 << true << false << QPoint(100, 5) << QPoint(203, 105) << true;
    QTest::newRow("guide 4 off: none") << 0 << true << false << QPoint(99, 5) << QPoint(199, 105) << false;
    QTest::newRow("guide 2 off, Alt") << 0 << true << true << QPoint(101, 5) << QPoint(201, 105) << true;
    QTest::newRow("guide before grid") << 8 << true << false << QPoint(101, 5) << QPoint(203, 104) << true;
    QTest::newRow("grid at the right edge") << 16 << false << false << QPoint(400, 0) << QPoint(448, 96) << false;
}

void TstProprieta::dragSnaps()
{
    QFETCH(int, passo);
    QFETCH(bool, altro);
    QFETCH(bool, alt);
    QFETCH(QPoint, offset);
    QFETCH(QPoint, atteso);
    QFETCH(bool, guida);

    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    if (altro)
        fOggetto(fx, "BtnLampada", QStringLiteral("1"), QPoint(203, 40));
    const int iId = fOggetto(fx, "BtnContact", QStringLiteral("7"), QPoint(100, 100));
    if (passo > 0) {
        fA(frm, QStringLiteral("MnuPassoGriglia%1").arg(passo).toLatin1().constData())->trigger();
        fA(frm, "MnuGriglia")->trigger();
    }
    QCOMPARE(fCanvas(frm).fGriglia(), passo);

    TCanvasItem *pIcona = fCanvas(frm).fItem({iId, TParte::Icona});
    const QPoint start = pIcona->mapTo(&frm, QPoint(5, 5));
    QTest::mousePress(pIcona, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&frm, start + offset / 2);
    QTest::mouseMove(&frm, start + offset);
    QCOMPARE(!fCanvas(frm).fGuide().isEmpty(), guida);
    QTest::mouseRelease(&frm, Qt::LeftButton, alt ? Qt::KeyboardModifiers(Qt::AltModifier) : Qt::KeyboardModifiers(),
                        start + offset);
    QCOMPARE(QPoint(fColumn(fx, iId, QStringLiteral("CoordX")), fColumn(fx, iId, QStringLiteral("CoordY"))), atteso);
    QVERIFY(fCanvas(frm).fGuide().isEmpty()); // the guides go with the drag

    // the arrows move by one grid step
    if (passo > 0 && !alt) {
        frm.fSelezione().pSeleziona({iId, TParte::Icona});
        pTasto(frm, &fCanvas(frm), Qt::Key_Left);
        QCOMPARE(fColumn(fx, iId, QStringLiteral("CoordX")), atteso.x() - passo);
    }
}

void TstProprieta::badgesShowNumbersAndRepeats_data()
{
    QTest::addColumn<QString>("bottone");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<bool>("rosso");
    // besides a contact with input 7 at (40, 100) and a lamp with output 3 at (40, 200)
    QTest::newRow("volumetric 7: input 7 twice") << "BtnVolumetrico"
                                                 << "7" << true;
    QTest::newRow("contact 8: once") << "BtnContact"
                                     << "8" << false;
    QTest::newRow("lamp 7: an output, once") << "BtnLampada"
                                             << "7" << false;
    QTest::newRow("shutter up 3: output 3 twice") << "BtnTapsu"
                                                  << "3" << true;
}

void TstProprieta::badgesShowNumbersAndRepeats()
{
    QFETCH(QString, bottone);
    QFETCH(QString, numero);
    QFETCH(bool, rosso);

    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iContatto = fOggetto(fx, "BtnContact", QStringLiteral("7"), QPoint(40, 100));
    const int iLampada = fOggetto(fx, "BtnLampada", QStringLiteral("3"), QPoint(40, 200));
    const int iId = fOggetto(fx, bottone.toLatin1().constData(), numero, QPoint(300, 150));
    TAreaCanvas &canvas = fCanvas(frm);
    const QImage sopraSenza = canvas.fSopraSfondo();
    QVERIFY(canvas.fNumeri().isEmpty());

    pTasto(frm, &canvas, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(fA(frm, "MnuMostraNumeri")->isChecked());
    const QList<TNumeroMostrato> aNumeri = canvas.fNumeri();
    QCOMPARE(aNumeri.size(), 3);
    auto fBadge = [&](int iOggetto) {
        for (const TNumeroMostrato &n : aNumeri)
            if (n.rcIcona == canvas.fItem({iOggetto, TParte::Icona})->fRettangolo())
                return n;
        return TNumeroMostrato();
    };
    QCOMPARE(fBadge(iId).iNumero, numero.toLongLong());
    QCOMPARE(fBadge(iId).bDoppio, rosso);
    QCOMPARE(fBadge(iContatto).bDoppio, rosso && bottone == QLatin1String("BtnVolumetrico"));
    QCOMPARE(fBadge(iLampada).bDoppio, rosso && bottone == QLatin1String("BtnTapsu"));
    // drawn at the icon's top-right corner, red only for a repeat
    const QImage schermo = fW<QWidget>(frm, "PnlImgArea")->grab().toImage();
    const QColor colore = schermo.pixelColor(QPoint(300 + 32, 150 + 2));
    QCOMPARE(colore.red() > 180 && colore.green() < 60, rosso);
    // the screen only: nothing of them in what is exported or fitted
    QCOMPARE(canvas.fSopraSfondo(), sopraSenza);

    // a change of number follows
    frm.fDocument().pCambiaProprieta(iId, frm.fDocument().fOggetto(iId)->Get_tiposensore(), QStringLiteral("99"),
                                     QPoint(), QString(), QPoint(), 0, 0);
    QCOMPARE(canvas.fNumeri().size(), 3);
    for (const TNumeroMostrato &n : canvas.fNumeri())
        QVERIFY(!n.bDoppio);
}

QTEST_MAIN(TstProprieta)
#include "tst_proprieta.moc"
