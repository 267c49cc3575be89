// New, Open, Close and Export from the menu, with their dialogs answered by
// the script: folders, database, tree, enabling, failures that leave no
// half-open project, and an export identical to the headless one.

#include "editorfixture.h"

#include "document/projectdocument.h"
#include "editor/frmbase.h"
#include "workspace/uty.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

class TstProject : public QObject
{
    Q_OBJECT

private slots:
    void newProjectEndToEnd();
    void newProjectCancelled_data();
    void newProjectCancelled();
    void closeThenOpen();
    void openReplacesOpenProject();
    void openCancelledKeepsProject();
    void failedOpenLeavesNoProject();
    void exportMatchesHeadlessExport();
    void importFromPanelRebuildsTheProject();
    void restoreBringsBackADeletedArea();
    void damagedProjectOffersItsSnapshot();
};

namespace {

void pVerifyNoProjectState(TFrmBase &frm)
{
    QVERIFY(!fProjectOpen());
    QCOMPARE(fW<QTreeWidget>(frm, "TvAree")->topLevelItemCount(), 0);
    for (QToolButton *pBtn :
         {fBtn(frm, "BtnNewArea"), fBtn(frm, "BtnSfondo"), fBtn(frm, "BtnZoomIn"), fBtn(frm, "BtnVolumetrico"),
          fBtn(frm, "BtnContact"), fBtn(frm, "BtnBarriera"), fBtn(frm, "BtnLampada"), fBtn(frm, "BtnTapsu"),
          fBtn(frm, "BtnTapgiu"), fBtn(frm, "btnIrrig"), fBtn(frm, "BtnAlarm"), fBtn(frm, "BtnTelecamera")})
        QVERIFY2(!pBtn->isEnabled(), qPrintable(pBtn->objectName()));
    QVERIFY(!fA(frm, "MnuChiudiProgetto")->isEnabled());
    QVERIFY(!fA(frm, "MnuEsportaProgetto")->isEnabled());
    QVERIFY(fA(frm, "MnuNuovoProgetto")->isEnabled());
    QVERIFY(fA(frm, "MnuApriProgetto")->isEnabled());
    QVERIFY(fW<QLabel>(frm, "Image_1")->pixmap().isNull());
}

} // namespace

void TstProject::newProjectEndToEnd()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));

    QCOMPARE(fx.dialogs.asInputCaptions.value(0), QStringLiteral("Nome Progetto"));
    QCOMPARE(fx.dialogs.asInputPrompts.value(0), QStringLiteral("Nome Progetto?"));
    QCOMPARE(fx.dialogs.asInputDefaults.value(0), QString());
    QCOMPARE(fx.dialogs.asFolderTitles.value(0), QStringLiteral("Seleziona una cartella"));
    QCOMPARE(fx.dialogs.asFolderRoots.value(0), fx.fProgetti());

    const QString sPrj = fx.fProgetti() + "casa/";
    QVERIFY(QFileInfo(sPrj + "casa.omb").isFile());
    QVERIFY(QFileInfo(sPrj + "areas").isDir());
    QVERIFY(QFileInfo(sPrj + "out").isDir());
    QVERIFY(QFileInfo(sPrj + "areas/img_1.jpg").isFile());
    QCOMPARE(fProjectRoot(), sPrj);
    QCOMPARE(fProjectOut(), sPrj + "out/");

    QCOMPARE(fx.fQueryInt("select count(*) from tbarea"), 1);
    QCOMPARE(fx.fQueryInt("select count(*) from tbarea where _id = 1 and NomeArea = \"casa\" and livello = 0 and "
                          "father_id = 0 and Ordinamento = 0"),
             1);
    QCOMPARE(fx.fQueryInt("select count(*) from sqlite_master where name = 'tbsensori'"), 1);

    QCOMPARE(fx.fTreeTexts(), QStringList{"casa"});
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
    QCOMPARE(fAlbero(frm).fSelectedLevel(), 0);

    for (QToolButton *pBtn :
         {fBtn(frm, "BtnNewArea"), fBtn(frm, "BtnSfondo"), fBtn(frm, "BtnZoomIn"), fBtn(frm, "BtnVolumetrico"),
          fBtn(frm, "BtnContact"), fBtn(frm, "BtnBarriera"), fBtn(frm, "BtnLampada"), fBtn(frm, "BtnTapsu"),
          fBtn(frm, "BtnTapgiu"), fBtn(frm, "btnIrrig"), fBtn(frm, "BtnAlarm")})
        QVERIFY2(pBtn->isEnabled(), qPrintable(pBtn->objectName()));
    QVERIFY(fA(frm, "MnuChiudiProgetto")->isEnabled());
    QVERIFY(fA(frm, "MnuEsportaProgetto")->isEnabled());
    QVERIFY(!fW<QLabel>(frm, "Image_1")->pixmap().isNull()); // the blank picture
    QVERIFY(!fW<QLabel>(frm, "ImgBanner")->pixmap().isNull());

    // a project folder below the projects folder
    QDir().mkpath(fx.fProgetti() + "clienti");
    fx.pNewProject("villa", fx.fProgetti() + "clienti");
    QVERIFY(QFileInfo(fx.fProgetti() + "clienti/villa/villa.omb").isFile());
    QCOMPARE(fx.fTreeTexts(), QStringList{"villa"});
}

void TstProject::newProjectCancelled_data()
{
    QTest::addColumn<bool>("bNameGiven");
    QTest::addColumn<QString>("sName");
    QTest::newRow("name cancelled") << false << QString();
    QTest::newRow("empty name") << true << QString("");
    QTest::newRow("folder cancelled") << true << QString("casa");
}

void TstProject::newProjectCancelled()
{
    QFETCH(bool, bNameGiven);
    QFETCH(QString, sName);
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    if (bNameGiven)
        fx.dialogs.aInputAnswers << sName;
    fA(frm, "MnuNuovoProgetto")->trigger(); // no folder answer: the folder dialog is cancelled
    QVERIFY(fx.dialogs.asErrors.isEmpty());
    QCOMPARE(QDir(fx.fProgetti()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    pVerifyNoProjectState(frm);
    QCOMPARE(fx.dialogs.asFolderTitles.size(), sName.isEmpty() ? 0 : 1);
}

void TstProject::closeThenOpen()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    fx.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (2, 1, 1, \"Cucina\", 0)");
    QPixmap pixBanner = fW<QLabel>(frm, "ImgBanner")->pixmap();

    fA(frm, "MnuChiudiProgetto")->trigger();
    QVERIFY(fx.dialogs.asErrors.isEmpty());
    pVerifyNoProjectState(frm);
    QVERIFY(!fW<QLabel>(frm, "ImgBanner")->pixmap().isNull()); // the banner strip keeps its picture

    // moved elsewhere with its folders, the project still opens: its folder is the file's
    const QString sMoved = fx.fRoot() + "altrove";
    QVERIFY(QDir().rename(fx.fProgetti() + "casa", sMoved));
    fx.pOpenProject(sMoved + "/casa.omb");
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fx.dialogs.asProjectStartDirs.value(0), fx.fProgetti());
    QCOMPARE(fProjectRoot(), sMoved + "/");
    QCOMPARE(fProjectOut(), sMoved + "/out/");
    QCOMPARE(fx.fTreeTexts(), (QStringList{"casa", "  Cucina"}));
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
    QVERIFY(fBtn(frm, "BtnZoomIn")->isEnabled());
    QVERIFY(fBtn(frm, "BtnSfondo")->isEnabled());
    QVERIFY(fA(frm, "MnuChiudiProgetto")->isEnabled() && fA(frm, "MnuEsportaProgetto")->isEnabled());
    QVERIFY(!fW<QLabel>(frm, "Image_1")->pixmap().isNull());
}

void TstProject::openReplacesOpenProject()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("uno");
    fx.pNewProject("due");
    fx.pExec("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
             "Orientamento) values (1, 0, 3, 32, 6, 50, 60, 0)");
    fAlbero(frm).pSelectNodeById("1"); // already selected: shown again only through the tree
    fx.pOpenProject(fx.fProgetti() + "due/due.omb");
    QCOMPARE(fx.fPlacedNames(), QStringList{"Lampada_1_uscita_3"});
    QCOMPARE(fx.fTreeTexts(), QStringList{"due"});
    fx.pOpenProject(fx.fProgetti() + "uno/uno.omb");
    QCOMPARE(fx.fTreeTexts(), QStringList{"uno"});
    QCOMPARE(fProjectRoot(), fx.fProgetti() + "uno/");
    QCOMPARE(fx.fQueryInt("select count(*) from tbarea where NomeArea = \"uno\""), 1);
    QVERIFY(fx.dialogs.asErrors.isEmpty());
    QVERIFY(fx.fPlacedNames().isEmpty());
}

void TstProject::openCancelledKeepsProject()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    fA(frm, "MnuApriProgetto")->trigger(); // cancelled
    QVERIFY(fProjectOpen());
    QCOMPARE(fx.fTreeTexts(), QStringList{"casa"});
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
}

void TstProject::failedOpenLeavesNoProject()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    const QString sBad = fx.fProgetti() + "rotto.omb";
    {
        QFile f(sBad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x')); // not a database
    }
    fx.pOpenProject(sBad);
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY2(fx.dialogs.asErrors.last().contains(sBad + ": file is not a database"),
             qPrintable(fx.dialogs.asErrors.last()));
    pVerifyNoProjectState(frm);
    QVERIFY(fx.fPlacedNames().isEmpty());

    // an empty database has no tbarea: the failure names it
    const QString sEmpty = fx.fProgetti() + "vuoto.omb";
    QFile(sEmpty).open(QIODevice::WriteOnly);
    fx.pOpenProject(sEmpty);
    QCOMPARE(fx.dialogs.asErrors.size(), 2);
    QVERIFY2(fx.dialogs.asErrors.last().contains("tbarea"), qPrintable(fx.dialogs.asErrors.last()));
    pVerifyNoProjectState(frm);

    // the commands that need a project do nothing now
    fBtn(frm, "BtnNewArea")->click();
    fA(frm, "MnuEsportaProgetto")->trigger();
    QCOMPARE(fx.dialogs.asErrors.size(), 2);
    QVERIFY(fx.dialogs.asMessages.isEmpty());

    // and the editor is still usable
    fx.pOpenProject(fx.fProgetti() + "casa/casa.omb");
    QCOMPARE(fx.fTreeTexts(), QStringList{"casa"});
    QVERIFY(fBtn(frm, "BtnNewArea")->isEnabled());
}

void TstProject::exportMatchesHeadlessExport()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    fx.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (2, 1, 1, \"Cucina\", 0)");
    fx.pExec("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
             "CoordX2, CoordY2, Orientamento) values (1, 0, 5, 32, 4, 100, 80, 140, 92, 0)");
    fx.pExec("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
             "Orientamento) values (1, 2, 0, 32, 3, 10, 40, 0)");
    TEditorFixture::pWriteJpeg(fProjectRoot() + "areas/img_2.jpg", 480, 272, QColor(200, 180, 40));
    const QString sOut = fProjectOut();
    QFile stale(sOut + "vecchio.txt");
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();

    fA(frm, "MnuEsportaProgetto")->trigger();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fx.dialogs.asMessages, QStringList{"Esportazione effettuata correttamente!\n2 pagine in " + sOut});
    QVERIFY(!QFile::exists(sOut + "vecchio.txt"));
    const QStringList asMenu = QDir(sOut).entryList(QDir::Files, QDir::Name);
    QVERIFY(asMenu.contains("maps.txt"));
    QHash<QString, QByteArray> aMenuBytes;
    for (const QString &sFile : asMenu)
        aMenuBytes.insert(sFile, TEditorFixture::fReadAll(sOut + sFile));

    // the headless export of the same project writes the same bytes
    fA(frm, "MnuChiudiProgetto")->trigger();
    QProcess proc;
    proc.start(QStringLiteral(OMBRIX_BIN), {"--export", fx.fProgetti() + "casa/casa.omb"});
    QVERIFY(proc.waitForFinished(60000));
    QCOMPARE(proc.exitCode(), 0);
    QCOMPARE(QDir(sOut).entryList(QDir::Files, QDir::Name), asMenu);
    for (const QString &sFile : asMenu)
        QVERIFY2(TEditorFixture::fReadAll(sOut + sFile) == aMenuBytes.value(sFile), qPrintable(sFile));
}

void TstProject::importFromPanelRebuildsTheProject()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    fx.pExec(
        "insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (2, 0, 0, \"Primo piano\", 0)");
    fx.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (3, 1, 1, \"Cucina\", 0)");
    fx.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (4, 1, 2, \"Bagno\", 0)");
    for (const char *szSql :
         {"insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, CoordX2, "
          "CoordY2, Orientamento) values (1, 0, 5, 32, 4, 100, 80, 140, 92, 0)",
          "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
          "Orientamento) values (1, 3, 0, 32, 3, 10, 40, 0)",
          "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
          "Orientamento) values (2, 4, 0, 32, 3, 60, 40, 0)",
          "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
          "Orientamento, Testo, CoordXt, CoordYt, FontTxt, ColorTxt) values (4, 0, 12, 16, 1, 200, 100, 0, "
          "\"Luce sogg.\", 220, 104, 1, 2)"})
        fx.pExec(QString::fromLatin1(szSql));
    for (int iArea : {2, 3, 4})
        TEditorFixture::pWriteJpeg(fProjectRoot() + QStringLiteral("areas/img_%1.jpg").arg(iArea), 480, 272,
                                   QColor(60 * iArea, 180, 40));
    fx.pOpenProject(fx.fProgetti() + "casa/casa.omb");
    const QStringList asAlbero = fx.fTreeTexts();
    QCOMPARE(asAlbero.size(), 4);
    fA(frm, "MnuEsportaProgetto")->trigger();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    const QByteArray abMaps = TEditorFixture::fReadAll(fProjectOut() + "maps.txt");
    QVERIFY(!abMaps.isEmpty());

    // the panel's card: the export, copied away
    QTemporaryDir scheda;
    for (const QString &sFile : QDir(fProjectOut()).entryList(QDir::Files))
        QVERIFY(QFile::copy(fProjectOut() + sFile, scheda.filePath(sFile)));
    QVERIFY(fA(frm, "MnuImportaDalPannello")->isEnabled());
    fx.dialogs.asFolders = {scheda.path(), fx.fProgetti()};
    fx.dialogs.aInputAnswers = {QStringLiteral("rifatto")};
    fx.dialogs.asMessages.clear();
    fA(frm, "MnuImportaDalPannello")->trigger();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fProjectRoot(), fx.fProgetti() + "rifatto/");
    QCOMPARE(fx.fTreeTexts(), asAlbero);
    QCOMPARE(fx.fQueryInt("select count(*) from tbsensori"), 4);
    QCOMPARE(fx.fQueryInt("select count(*) from tbsensori where Testo = \"Luce sogg.\" and area_id = 4"), 1);
    QCOMPARE(fx.dialogs.asMessages.size(), 1);
    QVERIFY2(fx.dialogs.asMessages.at(0).contains("4"), qPrintable(fx.dialogs.asMessages.at(0)));
    fA(frm, "MnuEsportaProgetto")->trigger();
    QCOMPARE(TEditorFixture::fReadAll(fProjectOut() + "maps.txt"), abMaps);

    // the same name again: the project that exists is left alone, and stays open
    fx.dialogs.asFolders = {scheda.path(), fx.fProgetti()};
    fx.dialogs.aInputAnswers = {QStringLiteral("rifatto")};
    fA(frm, "MnuImportaDalPannello")->trigger();
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QCOMPARE(fProjectRoot(), fx.fProgetti() + "rifatto/");
    QCOMPARE(fx.fTreeTexts(), asAlbero);
}

void TstProject::restoreBringsBackADeletedArea()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    QVERIFY(!fA(frm, "MnuRipristinaCopia")->isEnabled());
    fx.pNewProject("casa");
    frm.fDocument().pAggiungiAreaBase(QStringLiteral("cucina"));
    const QString sDb = fx.fProgetti() + "casa/casa.omb";
    fx.pOpenProject(sDb); // opening makes the snapshot
    QCOMPARE(fx.fTreeTexts(), QStringList({"casa", "cucina"}));

    // the area is deleted from its pop-up menu
    fAlbero(frm).pSelectNodeByName(QStringLiteral("cucina"));
    fA(frm, "PopEliminaArea")->trigger();
    QCOMPARE(fx.fTreeTexts(), QStringList{"casa"});
    QVERIFY(fA(frm, "MnuAnnulla")->isEnabled());

    QVERIFY(fA(frm, "MnuRipristinaCopia")->isEnabled());
    QCOMPARE(fA(frm, "MnuRipristinaCopia")->text(), QStringLiteral("Ripristina copia…"));
    // asked first: declined, nothing changes; accepted, the snapshot is put back
    fx.dialogs.aiCopieScelte << 0 << 0;
    fA(frm, "MnuRipristinaCopia")->trigger();
    QCOMPARE(fx.fTreeTexts(), QStringList{"casa"});
    QCOMPARE(fx.dialogs.asDomande.size(), 1);
    const QString sDomanda = fx.dialogs.asDomande.first();
    QVERIFY2(sDomanda.startsWith("Ripristinare la copia del ") &&
                 sDomanda.contains("apertura del progetto, 2 aree, 0 oggetti") &&
                 sDomanda.contains("Sostituirà il progetto casa.omb così com'è ora.") &&
                 sDomanda.contains("viene fatta una copia dello stato attuale"),
             qPrintable(sDomanda));
    fx.dialogs.abRisposte << true;
    fA(frm, "MnuRipristinaCopia")->trigger();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QCOMPARE(fx.dialogs.aCopieMostrate.size(), 2);
    const QStringList asRighe = fx.dialogs.aCopieMostrate.first();
    QCOMPARE(asRighe.size(), 1); // nothing had changed when the area was deleted: no second one
    QVERIFY2(asRighe.first().contains("apertura del progetto") && asRighe.first().contains("2 aree, 0 oggetti"),
             qPrintable(asRighe.first()));
    QCOMPARE(fx.fTreeTexts(), QStringList({"casa", "cucina"}));
    QCOMPARE(fx.fQueryInt("select count(*) from tbarea"), 2);
    QVERIFY(!fA(frm, "MnuAnnulla")->isEnabled()); // the history went with the restore
    QVERIFY(fBtn(frm, "BtnNewArea")->isEnabled());

    // the restore itself can be taken back: the state before it is listed first
    fA(frm, "MnuRipristinaCopia")->trigger();
    QCOMPARE(fx.dialogs.aCopieMostrate.size(), 3);
    QVERIFY(fx.dialogs.aCopieMostrate.last().first().contains("prima del ripristino della copia"));
    QCOMPARE(fx.fTreeTexts(), QStringList({"casa", "cucina"})); // cancelled: nothing changes
}

void TstProject::damagedProjectOffersItsSnapshot()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject("casa");
    const QString sDb = fx.fProgetti() + "casa/casa.omb";
    fx.pOpenProject(sDb); // the snapshot
    fA(frm, "MnuChiudiProgetto")->trigger();
    {
        QFile f(sDb);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(QByteArray(100, 'x')); // not a database any more
    }
    // declined: nothing is opened, and the damaged file stays as it is
    fx.pOpenProject(sDb);
    QCOMPARE(fx.dialogs.asDomande.size(), 1);
    QVERIFY2(fx.dialogs.asDomande.first().contains(sDb + ": file is not a database") &&
                 fx.dialogs.asDomande.first().contains("apertura del progetto"),
             qPrintable(fx.dialogs.asDomande.first()));
    QVERIFY(fx.dialogs.asErrors.isEmpty());
    pVerifyNoProjectState(frm);
    QVERIFY(fx.fReadAll(sDb).startsWith(QByteArray(100, 'x')));
    // accepted: the snapshot is put back and opened; the damaged file is kept beside it
    fx.dialogs.abRisposte << true;
    fx.pOpenProject(sDb);
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    QVERIFY(fProjectOpen());
    QCOMPARE(fx.fTreeTexts(), QStringList{"casa"});
    const QStringList asKept = QDir(fx.fProgetti() + "casa").entryList({"casa.omb.danneggiato-*"}, QDir::Files);
    QCOMPARE(asKept.size(), 1);
    QVERIFY(fx.fReadAll(fx.fProgetti() + "casa/" + asKept.first()).startsWith(QByteArray(100, 'x')));
}

QTEST_MAIN(TstProject)
#include "tst_projectcmds.moc"
