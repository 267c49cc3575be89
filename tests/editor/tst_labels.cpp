// Text labels on the real window: adding one beside its icon with the font
// dialog's choice, the 19-character limit, retyping, resizing and recolouring,
// deleting, texts stored exactly as typed, and everything surviving a reload.

#include "tst_placement_helpers.h"

#include "editor/fontdialog.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QtTest>

#include <functional>

namespace {

QString fTesto(int iId)
{
    TSqlQuery q =
        fProjectConn().fQuery(QStringLiteral("select Testo from tbsensori where _id = ") + QString::number(iId));
    return q.fNext() ? q.fText(0) : QStringLiteral("<no row>");
}

/** A new contact with input 7 at (223, 119); returns its id. */
int fNewContact(TEditorFixture &fx)
{
    pAddWithButton(fx, fBtn(fx.frm(), "BtnContact"), QStringLiteral("7"));
    return fLastSensorId(fx);
}

QWidget *fIcon(TEditorFixture &fx, int iId)
{
    return fPlaced(fx.frm(), QStringLiteral("Contatto_%1_ingresso_7").arg(iId));
}

QLabel *fLabel(TEditorFixture &fx, int iId)
{
    return fPlaced(fx.frm(), QStringLiteral("Testo_%1").arg(iId));
}

void pAddText(TEditorFixture &fx, int iId, const QString &sAnswer)
{
    fx.dialogs.aInputAnswers << sAnswer;
    pPopupEntry(fIcon(fx, iId), fW<QMenu>(fx.frm(), "popImg"), fA(fx.frm(), "MnuAggiungitesto"));
}

QColor fTextColour(const QLabel *pLabel)
{
    return pLabel->palette().color(QPalette::WindowText);
}

} // namespace

class TstLabels : public QObject
{
    Q_OBJECT

private slots:
    void newLabelInTahomaFourteenBlackBesideTheIcon();
    void sizeMovesTheNewLabelsTop_data();
    void sizeMovesTheNewLabelsTop();
    void fontDialogRemembersItsChoiceAndOpensAtTheStoredLabel();
    void nineteenCharactersAcceptedTwentyRefused();
    void sizeAndColourSurviveAReload();
    void addingTextAgainReplacesTheLabel();
    void changingTheTextKeepsPlaceSizeAndColour();
    void changingSizeAndColourKeepsPlaceAndText();
    void deletedLabelStaysGoneAfterReload();
    void textsAreStoredExactlyAsTyped_data();
    void textsAreStoredExactlyAsTyped();
    void labelNearTheTopEdgeIsStoredAsShown();
    void controlCharactersAreRefused_data();
    void controlCharactersAreRefused();
};

void TstLabels::newLabelInTahomaFourteenBlackBesideTheIcon()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fNewContact(fx);
    int iShownSize = 0;
    int iShownColour = 0;
    fx.dialogs.pOnFontDialog = [&](TFrmFont &f) {
        iShownSize = f.Dimensione();
        iShownColour = f.Colore();
    };
    pAddText(fx, iId, QStringLiteral("  Ingresso "));

    QCOMPARE(fx.dialogs.asInputCaptions.last(), QStringLiteral("Testo"));
    QCOMPARE(fx.dialogs.asInputPrompts.last(), QStringLiteral("Inserire il testo"));
    QCOMPARE(fx.dialogs.asInputDefaults.last(), QString());
    QCOMPARE(fx.dialogs.iFontDialogs, 1);
    QCOMPARE(iShownSize, 7);    // "14"
    QCOMPARE(iShownColour, 16); // "nero"

    QLabel *pLabel = fLabel(fx, iId);
    QVERIFY(pLabel);
    QCOMPARE(pLabel->text(), QStringLiteral("Ingresso"));
    QCOMPARE(pLabel->pos(), QPoint(265, 123));
    QCOMPARE(pLabel->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(pLabel->font().pointSize(), 14);
    QCOMPARE(fTextColour(pLabel), QColor(Qt::black));
    QCOMPARE(pLabel->toolTip(), QStringLiteral("Testo_%1").arg(iId));
    QCOMPARE(pLabel->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(pLabel->size(), pLabel->sizeHint()); // the control takes the size of its text
    QVERIFY(!pLabel->autoFillBackground());

    QCOMPARE(fColumn(fx, iId, "CoordXt"), 265);
    QCOMPARE(fColumn(fx, iId, "CoordYt"), 123);
    QCOMPARE(fColumn(fx, iId, "FontTxt"), 7);
    QCOMPARE(fColumn(fx, iId, "ColorTxt"), 16);
    QCOMPARE(fTesto(iId), QStringLiteral("Ingresso"));

    // transparent: the background shows at the label's corner, black letters inside it
    const QImage canvas = fW<QWidget>(frm, "PnlImgArea")->grab().toImage();
    const QColor corner = canvas.pixelColor(pLabel->pos());
    QVERIFY2(corner.lightness() > 200, qPrintable(corner.name()));
    bool bInk = false;
    for (int x = pLabel->x(); x < pLabel->geometry().right(); ++x)
        for (int y = pLabel->y(); y < pLabel->geometry().bottom(); ++y)
            bInk = bInk || canvas.pixelColor(x, y).lightness() < 60;
    QVERIFY(bInk);

    // the label's own pop-up menu
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(2, 2), pLabel->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(pLabel, &ev);
    QVERIFY(fW<QMenu>(frm, "PopLabel")->isVisible());
    QCOMPARE(fSelezionato(frm), pLabel); // the menu's entries act on the label it was opened on
    fW<QMenu>(frm, "PopLabel")->hide();
}

void TstLabels::sizeMovesTheNewLabelsTop_data()
{
    QTest::addColumn<int>("iSize");
    QTest::addColumn<int>("iTop");
    QTest::addColumn<int>("iPoints");
    QTest::newRow("8") << 1 << 129 << 8;
    QTest::newRow("12") << 5 << 125 << 12;
    QTest::newRow("16") << 9 << 121 << 16;
}

void TstLabels::sizeMovesTheNewLabelsTop()
{
    QFETCH(int, iSize);
    QFETCH(int, iTop);
    QFETCH(int, iPoints);
    TEditorFixture fx;
    fStartWithProject(fx);
    const int iId = fNewContact(fx);
    fx.dialogs.pOnFontDialog = [iSize](TFrmFont &f) { f.SetDimensione(iSize); };
    pAddText(fx, iId, QStringLiteral("Porta"));
    QCOMPARE(fLabel(fx, iId)->pos(), QPoint(265, iTop));
    QCOMPARE(fLabel(fx, iId)->font().pointSize(), iPoints);
    QCOMPARE(fColumn(fx, iId, "CoordYt"), iTop);
    QCOMPARE(fColumn(fx, iId, "FontTxt"), iSize);
}

void TstLabels::fontDialogRemembersItsChoiceAndOpensAtTheStoredLabel()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iFirst = fNewContact(fx);
    const int iSecond = fNewContact(fx);
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) {
        f.SetDimensione(2);
        f.SetColore(8);
    };
    pAddText(fx, iFirst, QStringLiteral("Uno"));

    QList<int> aShown;
    fx.dialogs.pOnFontDialog = [&](TFrmFont &f) { aShown << f.Dimensione() << f.Colore(); };
    pAddText(fx, iSecond, QStringLiteral("Due"));
    QCOMPARE(aShown, (QList<int>{2, 8})); // as last left
    QCOMPARE(fColumn(fx, iSecond, "FontTxt"), 2);
    QCOMPARE(fColumn(fx, iSecond, "ColorTxt"), 8);

    // "Dimensione/Colore" opens at the label's stored indexes
    fx.pExec(QStringLiteral("update tbsensori set FontTxt = 4, ColorTxt = 10 where _id = %1").arg(iFirst));
    frm.fDocument().pRileggi();
    aShown.clear();
    pPopupEntry(fLabel(fx, iFirst), fW<QMenu>(frm, "PopLabel"), fA(frm, "popDimensioneColore"));
    QCOMPARE(aShown, (QList<int>{4, 10}));
    // and a row never given a size or colour opens at "16" and "nero"
    fx.pExec(QStringLiteral("update tbsensori set FontTxt = 0, ColorTxt = 0 where _id = %1").arg(iFirst));
    frm.fDocument().pRileggi();
    aShown.clear();
    pPopupEntry(fLabel(fx, iFirst), fW<QMenu>(frm, "PopLabel"), fA(frm, "popDimensioneColore"));
    QCOMPARE(aShown, (QList<int>{9, 16}));
}

void TstLabels::nineteenCharactersAcceptedTwentyRefused()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fNewContact(fx);
    const QString s19 = QStringLiteral("Finestra soggiorno1");
    QCOMPARE(s19.size(), 19);
    pAddText(fx, iId, QStringLiteral("  ") + s19 + QStringLiteral(" \t"));
    QCOMPARE(fTesto(iId), s19);
    QCOMPARE(fLabel(fx, iId)->text(), s19);
    QVERIFY(fx.dialogs.asMessages.isEmpty());

    const int iOther = fNewContact(fx);
    pAddText(fx, iOther, s19 + QStringLiteral("2"));
    QCOMPARE(fx.dialogs.asMessages, QStringList{QStringLiteral("Massimo 19 caratteri!")});
    QVERIFY(!fLabel(fx, iOther));
    QCOMPARE(fTesto(iOther), QString());
    QCOMPARE(fx.dialogs.iFontDialogs, 1); // refused before the dialog

    // retyping is held to the same limit
    fx.dialogs.aInputAnswers << s19 + QStringLiteral("xy");
    pPopupEntry(fLabel(fx, iId), fW<QMenu>(frm, "PopLabel"), fA(frm, "popModTesto"));
    QCOMPARE(fx.dialogs.asMessages.size(), 2);
    QCOMPARE(fTesto(iId), s19);
    QCOMPARE(fLabel(fx, iId)->text(), s19);

    // an empty answer ends silently
    const int iBefore = fx.dialogs.iFontDialogs;
    pAddText(fx, iOther, QStringLiteral("   "));
    QCOMPARE(fx.dialogs.asMessages.size(), 2);
    QCOMPARE(fx.dialogs.iFontDialogs, iBefore);
    QVERIFY(!fLabel(fx, iOther));
}

void TstLabels::sizeAndColourSurviveAReload()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iRed = fNewContact(fx);
    const int iBlue = fNewContact(fx);
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) {
        f.SetDimensione(3);
        f.SetColore(5);
    };
    pAddText(fx, iRed, QStringLiteral("Rosso"));
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) {
        f.SetDimensione(9);
        f.SetColore(9);
    };
    pAddText(fx, iBlue, QStringLiteral("Blu"));
    const QPoint redPos = fLabel(fx, iRed)->pos();

    pReopen(frm);
    QLabel *pRed = fLabel(fx, iRed);
    QLabel *pBlue = fLabel(fx, iBlue);
    QVERIFY(pRed && pBlue);
    QCOMPARE(pRed->font().pointSize(), 10);
    QCOMPARE(fTextColour(pRed), QColor(0xFF, 0, 0));
    QCOMPARE(pRed->pos(), redPos);
    QCOMPARE(pBlue->font().pointSize(), 16);
    QCOMPARE(fTextColour(pBlue), QColor(0, 0, 0xFF));
    QCOMPARE(pBlue->font().family(), QStringLiteral("Tahoma"));
}

void TstLabels::addingTextAgainReplacesTheLabel()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fNewContact(fx);
    pAddText(fx, iId, QStringLiteral("Prima"));
    pDrag(frm, fLabel(fx, iId), QPoint(2, 2), {QPoint(-100, 60)});
    pDrag(frm, fIcon(fx, iId), QPoint(2, 2), {QPoint(-50, -50)}); // icon now at (173, 69)
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) { f.SetDimensione(1); };
    pAddText(fx, iId, QStringLiteral("Dopo"));

    int iLabels = 0;
    for (QObject *pChild : fW<QWidget>(frm, "PnlImgArea")->children())
        iLabels += pChild->objectName() == QStringLiteral("Testo_%1").arg(iId);
    QCOMPARE(iLabels, 1);
    QCOMPARE(fLabel(fx, iId)->text(), QStringLiteral("Dopo"));
    QCOMPARE(fLabel(fx, iId)->pos(), QPoint(173 + 32 + 10, 69 + 16 - 4 - 2));
    QCOMPARE(fColumn(fx, iId, "CoordXt"), 215);
    QCOMPARE(fColumn(fx, iId, "CoordYt"), 79);
    QCOMPARE(fTesto(iId), QStringLiteral("Dopo"));
}

void TstLabels::changingTheTextKeepsPlaceSizeAndColour()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fNewContact(fx);
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) {
        f.SetDimensione(2);
        f.SetColore(3);
    };
    pAddText(fx, iId, QStringLiteral("Vecchio"));
    const QPoint pos = fLabel(fx, iId)->pos();

    fx.dialogs.aInputAnswers << QStringLiteral(" Nuovo testo ");
    pPopupEntry(fLabel(fx, iId), fW<QMenu>(frm, "PopLabel"), fA(frm, "popModTesto"));
    QCOMPARE(fx.dialogs.asInputDefaults.last(), QStringLiteral("Vecchio"));
    QLabel *pLabel = fLabel(fx, iId);
    QCOMPARE(pLabel->text(), QStringLiteral("Nuovo testo"));
    QCOMPARE(pLabel->pos(), pos);
    QCOMPARE(pLabel->size(), pLabel->sizeHint());
    QCOMPARE(pLabel->font().pointSize(), 9);
    QCOMPARE(fTextColour(pLabel), QColor(0xFF, 0x80, 0));
    QCOMPARE(fTesto(iId), QStringLiteral("Nuovo testo"));
    QCOMPARE(fColumn(fx, iId, "CoordXt"), pos.x());
    QCOMPARE(fColumn(fx, iId, "CoordYt"), pos.y());
    QCOMPARE(fColumn(fx, iId, "FontTxt"), 2);
    QCOMPARE(fColumn(fx, iId, "ColorTxt"), 3);

    // an empty answer neither deletes nor changes it
    fx.dialogs.aInputAnswers << QString();
    pPopupEntry(fLabel(fx, iId), fW<QMenu>(frm, "PopLabel"), fA(frm, "popModTesto"));
    QCOMPARE(fTesto(iId), QStringLiteral("Nuovo testo"));
    QCOMPARE(fLabel(fx, iId)->text(), QStringLiteral("Nuovo testo"));
}

void TstLabels::changingSizeAndColourKeepsPlaceAndText()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fNewContact(fx);
    pAddText(fx, iId, QStringLiteral("Garage"));
    const QPoint pos = fLabel(fx, iId)->pos();
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) {
        f.SetDimensione(9);
        f.SetColore(6);
    };
    pPopupEntry(fLabel(fx, iId), fW<QMenu>(frm, "PopLabel"), fA(frm, "popDimensioneColore"));

    QLabel *pLabel = fLabel(fx, iId);
    QCOMPARE(pLabel->font().pointSize(), 16);
    QCOMPARE(fTextColour(pLabel), QColor(0, 0x80, 0));
    QCOMPARE(pLabel->pos(), pos);
    QCOMPARE(pLabel->size(), pLabel->sizeHint());
    QCOMPARE(fColumn(fx, iId, "FontTxt"), 9);
    QCOMPARE(fColumn(fx, iId, "ColorTxt"), 6);
    QCOMPARE(fColumn(fx, iId, "CoordXt"), pos.x());
    QCOMPARE(fTesto(iId), QStringLiteral("Garage"));
}

void TstLabels::deletedLabelStaysGoneAfterReload()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fNewContact(fx);
    pAddText(fx, iId, QStringLiteral("Cantina"));
    pPopupEntry(fLabel(fx, iId), fW<QMenu>(frm, "PopLabel"), fA(frm, "PopEliminaLabel"));
    QVERIFY(!fLabel(fx, iId));
    QCOMPARE(fTesto(iId), QString());
    QCOMPARE(fColumn(fx, iId, "CoordXt"), 265); // the rest of the label columns stay
    QCOMPARE(fColumn(fx, iId, "FontTxt"), 7);
    QCOMPARE(fColumn(fx, iId, "ColorTxt"), 16);
    pReopen(frm);
    QVERIFY(!fLabel(fx, iId));
    QVERIFY(fIcon(fx, iId));
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstLabels::textsAreStoredExactlyAsTyped_data()
{
    QTest::addColumn<QString>("sText");
    QTest::newRow("double quote") << QStringLiteral("Porta \"A\"");
    QTest::newRow("column name") << QStringLiteral("CoordX");
    QTest::newRow("column name in other case") << QStringLiteral("testo");
    QTest::newRow("single quote") << QStringLiteral("L'ingresso");
    QTest::newRow("keep marker") << QStringLiteral("@+|+#");
}

void TstLabels::textsAreStoredExactlyAsTyped()
{
    QFETCH(QString, sText);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fNewContact(fx);
    pAddText(fx, iId, sText);
    QCOMPARE(fTesto(iId), sText);
    QCOMPARE(fLabel(fx, iId)->text(), sText);

    const int iOther = fNewContact(fx);
    pAddText(fx, iOther, QStringLiteral("Prima"));
    fx.dialogs.aInputAnswers << sText;
    pPopupEntry(fLabel(fx, iOther), fW<QMenu>(frm, "PopLabel"), fA(frm, "popModTesto"));
    QCOMPARE(fTesto(iOther), sText);

    pDrag(frm, fLabel(fx, iId), QPoint(2, 2), {QPoint(10, 10)});
    QCOMPARE(fTesto(iId), sText);
    pReopen(frm);
    QCOMPARE(fLabel(fx, iId)->text(), sText);
    QCOMPARE(fLabel(fx, iOther)->text(), sText);
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
}

void TstLabels::labelNearTheTopEdgeIsStoredAsShown()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx, 16);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    const int iId = fLastSensorId(fx);
    TCanvasItem *pIcon = fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_7").arg(iId));
    pDrag(frm, pIcon, QPoint(2, 2), {QPoint(0, -200)}); // icon at the top edge
    QCOMPARE(pIcon->y(), 0);
    // a lamp just below: no side is free, so the label goes to the right all the same
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("1"));
    frm.fDocument().pSpostaOggetto(fLastSensorId(fx), 0, QPoint(223, 20));
    // size 13 (index 6): top = 0 + 8 - (13 + 6) / 2 - 2 = -3, above the canvas
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) { f.SetDimensione(6); };
    pAddText(fx, iId, QStringLiteral("Alto"));
    QCOMPARE(fLabel(fx, iId)->pos(), QPoint(223 + 16 + 10, -3));
    QCOMPARE(fColumn(fx, iId, "CoordYt"), -3);
    // size 10 (index 3): top = 8 - 6 - 2 = 0, stored as 0 all the same
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) { f.SetDimensione(3); };
    pAddText(fx, iId, QStringLiteral("Alto"));
    QCOMPARE(fLabel(fx, iId)->pos(), QPoint(249, 0));
    QCOMPARE(fColumn(fx, iId, "CoordYt"), 0);
    pReopen(frm);
    QCOMPARE(fLabel(fx, iId)->pos(), QPoint(249, 0));
}

void TstLabels::controlCharactersAreRefused_data()
{
    QTest::addColumn<QChar>("ch");
    QTest::newRow("CR") << QChar(0x0d);
    QTest::newRow("LF") << QChar(0x0a);
    QTest::newRow("NUL") << QChar(0x00);
    QTest::newRow("TAB") << QChar(0x09);
    QTest::newRow("DEL") << QChar(0x7f);
}

void TstLabels::controlCharactersAreRefused()
{
    // in the middle of the text, where trimming leaves it: area names and label texts alike
    QFETCH(QChar, ch);
    const QString sTyped = QStringLiteral("Ab") + ch + QStringLiteral("cd");
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const int iId = fNewContact(fx);
    pAddText(fx, iId, QStringLiteral("Porta"));
    const auto fTable = [&](const char *szTable) {
        QStringList asRows;
        TSqlQuery q = fProjectConn().fQuery(QStringLiteral("select * from ") + QLatin1String(szTable));
        while (q.fNext())
            for (int i = 0; i < q.fColumnCount(); ++i)
                asRows << q.fText(i);
        return asRows;
    };
    const QStringList asAree = fTable("tbarea");
    const QStringList asSensori = fTable("tbsensori");
    const auto fShown = [&] { return fx.dialogs.asMessages + fx.dialogs.asErrors; };

    const std::function<void()> aSteps[] = {
        [&] { fBtn(frm, "BtnNewArea")->click(); },
        [&] { fBtn(frm, "BtnZoomIn")->click(); },
        [&] { fA(frm, "PopRinomina")->trigger(); },
        [&] { pPopupEntry(fLabel(fx, iId), fW<QMenu>(frm, "PopLabel"), fA(frm, "popModTesto")); },
        [&] { pPopupEntry(fIcon(fx, iId), fW<QMenu>(frm, "popImg"), fA(frm, "MnuAggiungitesto")); },
    };
    for (const auto &pStep : aSteps) {
        const qsizetype iShown = fShown().size();
        fx.dialogs.aInputAnswers.clear();
        fx.dialogs.aInputAnswers << sTyped;
        pStep();
        QCOMPARE(fShown().size(), iShown + 1);
        QCOMPARE(fShown().last(), QStringLiteral("Il testo non può contenere caratteri di controllo"));
        QCOMPARE(fTable("tbarea"), asAree);
        QCOMPARE(fTable("tbsensori"), asSensori);
    }
    QCOMPARE(fLabel(fx, iId)->text(), QStringLiteral("Porta"));
    QCOMPARE(fx.fTreeTexts(), QStringList{QStringLiteral("Casa")});

    // a new project named so: refused before its folder is made
    fx.dialogs.aInputAnswers.clear();
    fx.pNewProject(sTyped);
    QCOMPARE(fShown().last(), QStringLiteral("Il testo non può contenere caratteri di controllo"));
    QVERIFY(!QFileInfo::exists(fx.fProgetti() + sTyped));
}

QTEST_MAIN(TstLabels)
#include "tst_labels.moc"
