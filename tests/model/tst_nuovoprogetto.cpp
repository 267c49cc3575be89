#include "projectfixture.h"

#include "model/sensorstore.h"

#include <QTest>

class TstNuovoProgetto : public QObject
{
    Q_OBJECT

    static void pVerifyNoProject(const TFakeView &view)
    {
        QVERIFY(!bGlobProgettoAperto);
        QVERIFY(!SQLConn.fIsOpen());
        QVERIFY(!CDArea.fIsOpen());
        QCOMPARE(view.asCalls.last(), QStringLiteral("cleartree"));
    }

private slots:
    void aNewProjectHasItsFoldersTablesAndFirstArea()
    {
        TProjectFixture fx;
        pNuovoProgetto(fx.dir.path() + QStringLiteral("/progetti"), QStringLiteral("casa"));

        const QString sRoot = sGlobPrjPath + QStringLiteral("casa/");
        QCOMPARE(sGlobRootPrj, sRoot);
        QCOMPARE(sGlobOutPath, sRoot + QStringLiteral("out/"));
        QVERIFY(bGlobProgettoAperto);
        QCOMPARE(SQLConn.fDatabase(), sRoot + QStringLiteral("casa.omb"));
        QVERIFY(QFileInfo(sRoot + QStringLiteral("out")).isDir());
        QCOMPARE(QDir(sRoot + QStringLiteral("areas")).entryList(QDir::Files), QStringList({QStringLiteral("img_1.jpg")}));
        QCOMPARE(fFileBytes(sRoot + QStringLiteral("areas/img_1.jpg")), TProjectFixture::fBlankBytes());
        QCOMPARE(fx.fRows(QStringLiteral("select name from sqlite_master where type = 'table' and name like 'tb%' "
                                         "order by name")),
                 QStringList({QStringLiteral("tbarea"), QStringLiteral("tbsensori")}));
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea")), QStringList({QStringLiteral("1|0|0|casa|0")}));
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("clearcanvas"), QStringLiteral("background:") + fx.fBlankPath(),
                                               QStringLiteral("tree"), QStringLiteral("selectname:casa")}));
    }

    void theSameNameTwiceKeepsTheProjectAndAddsAnArea()
    {
        TProjectFixture fx;
        // the chosen folder may come with its trailing separator
        pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa"));
        QCOMPARE(fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("32"), 1), 1);
        pAddTextToSensorInDb(1, 5, 6, 1, 2, QStringLiteral("Porta"));
        const QStringList asSensors = fx.fRows(QStringLiteral("select * from tbsensori"));
        fx.view.asCalls.clear();

        pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa"));
        QCOMPARE(fx.view.asCalls.mid(0, 2), QStringList({QStringLiteral("clearcanvas"), QStringLiteral("clearbackground")}));
        QCOMPARE(sGlobRootPrj, sGlobPrjPath + QStringLiteral("casa/"));
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea")),
                 QStringList({QStringLiteral("1|0|0|casa|0"), QStringLiteral("2|0|0|casa|0")}));
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbsensori")), asSensors);
        QCOMPARE(fAddSensorToDb(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("32"), 1), 2);
    }

    void aNewProjectThatCannotBeMadeLeavesNoProject()
    {
        TProjectFixture fx;
        pNuovoProgetto(sGlobPrjPath, QStringLiteral("primo"));
        fx.view.asCalls.clear();

        // the chosen folder is gone, so the project folder and its database cannot be made
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, pNuovoProgetto(fx.dir.path() + QStringLiteral("/gone"), QStringLiteral("x")));
        pVerifyNoProject(fx.view);
        QVERIFY(!QFile::exists(fx.dir.path() + QStringLiteral("/gone")));
    }

    void aProjectFileThatIsNotADatabaseIsLeftAlone()
    {
        TProjectFixture fx;
        QVERIFY(QDir().mkpath(sGlobPrjPath + QStringLiteral("casa")));
        const QString sDb = sGlobPrjPath + QStringLiteral("casa/casa.omb");
        QFile f(sDb);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("notes, not a database");
        f.close();

        QVERIFY_THROWS_EXCEPTION(TOmbrixError, pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa")));
        pVerifyNoProject(fx.view);
        QCOMPARE(fFileBytes(sDb), QByteArray("notes, not a database"));
    }

    void aFirstAreaThatCannotBeShownLeavesNoProject()
    {
        TProjectFixture fx;
        fx.view.bFailBackground = true;
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa")));
        pVerifyNoProject(fx.view);

        // what was stored stays stored: the project opens
        fx.view.bFailBackground = false;
        fx.view.asCalls.clear();
        pApriProgetto(sGlobPrjPath + QStringLiteral("casa/casa.omb"));
        QVERIFY(bGlobProgettoAperto);
        QCOMPARE(CDArea.fCount(), 1);
    }

    void anEmptyNameDoesNothing()
    {
        TProjectFixture fx;
        pNuovoProgetto(sGlobPrjPath, QString());
        QVERIFY(!bGlobProgettoAperto);
        QVERIFY(QDir(sGlobPrjPath).isEmpty());
        QVERIFY(fx.view.asCalls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstNuovoProgetto)
#include "tst_nuovoprogetto.moc"
