// "Anteprima Pannello" and "Documentazione PDF…" in the real window: the
// preview of the last export, its keys leading where the panel's lead, and
// "Esporta e aggiorna" when the export is missing or stale.

#include "editorfixture.h"

#include "editor/anteprima.h"
#include "editor/frmbase.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class TstAnteprima : public QObject
{
    Q_OBJECT

private slots:
    void previewFollowsKeysAndExport();
    void pdfFromTheMenu();
};

void TstAnteprima::previewFollowsKeysAndExport()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    QVERIFY(!fA(frm, "MnuAnteprimaPannello")->isEnabled());
    QVERIFY(!fA(frm, "MnuDocumentazionePdf")->isEnabled());
    QMenu *pProgetto = frm.menuBar()->actions().first()->menu();
    QStringList asVoci;
    for (QAction *p : pProgetto->actions())
        if (!p->isSeparator())
            asVoci << p->text();
    QCOMPARE(asVoci.mid(asVoci.indexOf("&Ingressi/Uscite") + 1, 2),
             (QStringList{"Anteprima Pannello", "Documentazione PDF…"}));

    fx.pNewProject("casa");
    fx.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (2, 0, 0, \"Garage\", 0)");
    QVERIFY(fA(frm, "MnuAnteprimaPannello")->isEnabled());
    fA(frm, "MnuAnteprimaPannello")->trigger();
    TFrmAnteprima *pAnteprima = fW<TFrmAnteprima>(frm, "FrmAnteprima");
    QVERIFY(pAnteprima && pAnteprima->isVisible());
    QVERIFY2(pAnteprima->findChild<QLabel *>("LblStato")->text().contains("non contiene un'esportazione"),
             qPrintable(pAnteprima->findChild<QLabel *>("LblStato")->text()));
    QCOMPARE(pAnteprima->fAreaMostrata(), 0);

    fx.dialogs.aiScelte << 0; // "Garage" has no picture, which the check counts: exported all the same
    QTest::mouseClick(pAnteprima->findChild<QPushButton *>("BtnEsportaAggiorna"), Qt::LeftButton);
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fx.dialogs.asScelte.size(), 1);
    QVERIFY(fx.dialogs.asMessages.value(0).startsWith(QStringLiteral("Esportazione effettuata correttamente!\n")));
    QVERIFY(pAnteprima->findChild<QLabel *>("LblStato")->isHidden());
    QCOMPARE(pAnteprima->fAreaMostrata(), 1);
    QCOMPARE(pAnteprima->findChild<QWidget *>("PnlPagina")->size(), QSize(480, 272));
    QCOMPARE(pAnteprima->findChild<QLabel *>("LblArea")->text(), QStringLiteral("Area 1: casa"));

    // "Tnex" at (300, 18) leads to the next base area and back round; "Tesc" to the home
    QTest::mouseClick(pAnteprima->findChild<QWidget *>("PnlPagina"), Qt::LeftButton, {}, QPoint(300, 18));
    QCOMPARE(pAnteprima->fAreaMostrata(), 2);
    QCOMPARE(pAnteprima->findChild<QLabel *>("LblArea")->text(), QStringLiteral("Area 2: Garage"));
    QTest::mouseClick(pAnteprima->findChild<QToolButton *>("BtnScala2"), Qt::LeftButton);
    QCOMPARE(pAnteprima->findChild<QWidget *>("PnlPagina")->size(), QSize(960, 544));
    QTest::mouseClick(pAnteprima->findChild<QWidget *>("PnlPagina"), Qt::LeftButton, {}, QPoint(600, 36));
    QCOMPARE(pAnteprima->fAreaMostrata(), 1);
    QTest::mouseClick(pAnteprima->findChild<QWidget *>("PnlPagina"), Qt::LeftButton, {}, QPoint(360, 36)); // "Tpre"
    QCOMPARE(pAnteprima->fAreaMostrata(), 2);
    QTest::mouseClick(pAnteprima->findChild<QWidget *>("PnlPagina"), Qt::LeftButton, {}, QPoint(480, 36)); // "Tesc"
    QCOMPARE(pAnteprima->fAreaMostrata(), 1);
    QTest::mouseClick(pAnteprima->findChild<QWidget *>("PnlPagina"), Qt::LeftButton, {},
                      QPoint(600, 300)); // nothing there
    QCOMPARE(pAnteprima->fAreaMostrata(), 1);

    // a change after the export: the preview says so
    QTest::qWait(20);
    fx.pExec("update tbarea set NomeArea = \"Box\" where _id = 2");
    fA(frm, "MnuAnteprimaPannello")->trigger();
    QVERIFY2(pAnteprima->findChild<QLabel *>("LblStato")->text().contains("più vecchia del progetto"),
             qPrintable(pAnteprima->findChild<QLabel *>("LblStato")->text()));
    QVERIFY(pAnteprima->findChild<QPushButton *>("BtnEsportaAggiorna")->isEnabled());
    // an export from the main menu: the open preview reads it at once, on the area it showed
    QTest::mouseClick(pAnteprima->findChild<QWidget *>("PnlPagina"), Qt::LeftButton, {}, QPoint(600, 36)); // "Tnex"
    fx.dialogs.aiScelte << 0; // still without its picture
    fA(frm, "MnuEsportaProgetto")->trigger();
    QVERIFY(pAnteprima->findChild<QLabel *>("LblStato")->isHidden());
    QCOMPARE(pAnteprima->findChild<QLabel *>("LblArea")->text(), QStringLiteral("Area 2: Box"));
    // Esc closes it, as a dialog
    QTest::keyClick(pAnteprima->findChild<QWidget *>("PnlPagina"), Qt::Key_Escape);
    QVERIFY(!pAnteprima->isVisible());
    fA(frm, "MnuAnteprimaPannello")->trigger();
    QVERIFY(pAnteprima->isVisible());

    fA(frm, "MnuChiudiProgetto")->trigger();
    QVERIFY(!pAnteprima->isVisible());
    QVERIFY(!fA(frm, "MnuAnteprimaPannello")->isEnabled());
}

void TstAnteprima::pdfFromTheMenu()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    const QString sPdf = fx.fProgetti() + "casa/documento.pdf";
    fx.dialogs.asSaveFiles << sPdf;
    fA(frm, "MnuDocumentazionePdf")->trigger();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fx.dialogs.asSaveCaptions.value(0), QStringLiteral("Documentazione PDF…"));
    QCOMPARE(fx.dialogs.asSaveStartPaths.value(0), fx.fProgetti() + "casa/casa.pdf");
    QVERIFY(fx.fReadAll(sPdf).startsWith("%PDF"));
    QVERIFY(!QFileInfo::exists(fx.fProgetti() + "casa/out/maps.txt")); // "out" untouched
}

QTEST_MAIN(TstAnteprima)
#include "tst_anteprima.moc"
