#include "projectfixture.h"

#include "document/projectdocument.h"
#include "model/sensorstore.h"

#include <QTest>

class TstNuovoProgetto : public QObject
{
    Q_OBJECT

    /** No project: the document, its connection and its area list closed, and the views last told so. */
    static void pVerifyNoProject(TProjectDocument &doc, const TProjectFixture &fx)
    {
        QVERIFY(!doc.fAperto());
        QVERIFY(!doc.fConn().fIsOpen());
        QVERIFY(!doc.fAree().fIsOpen());
        QVERIFY(!fx.asSignals.isEmpty());
        QCOMPARE(fx.asSignals.last(), QStringLiteral("progetto:0"));
    }

private slots:
    void aNewProjectHasItsFoldersTablesAndFirstArea()
    {
        TProjectFixture fx;
        TProjectDocument doc;
        fx.pListen(doc);
        doc.pNuovoProgetto(fx.dir.path() + QStringLiteral("/progetti"), QStringLiteral("casa"));

        const QString sRoot = sGlobPrjPath + QStringLiteral("casa/");
        QCOMPARE(doc.fRootPrj(), sRoot);
        QCOMPARE(doc.fOutPath(), sRoot + QStringLiteral("out/"));
        QVERIFY(doc.fAperto());
        QCOMPARE(doc.fDatabase(), sRoot + QStringLiteral("casa.omb"));
        QVERIFY(QFileInfo(sRoot + QStringLiteral("out")).isDir());
        QCOMPARE(QDir(sRoot + QStringLiteral("areas")).entryList(QDir::Files),
                 QStringList({QStringLiteral("img_1.jpg")}));
        QCOMPARE(fFileBytes(sRoot + QStringLiteral("areas/img_1.jpg")), TProjectFixture::fBlankBytes());
        QCOMPARE(fx.fRows(doc.fDatabase(), QStringLiteral("select name from sqlite_master where type = 'table' and "
                                                          "name like 'tb%' order by name")),
                 QStringList({QStringLiteral("tbarea"), QStringLiteral("tbsensori")}));
        QCOMPARE(fx.fRows(doc.fDatabase(), QStringLiteral("select * from tbarea")),
                 QStringList({QStringLiteral("1|0|0|casa|0")}));
        // the first area is in the tree and shown
        QCOMPARE(fx.asSignals.first(), QStringLiteral("progetto:1"));
        QCOMPARE(fx.asSignals.mid(fx.asSignals.size() - 2),
                 QStringList({QStringLiteral("aree"), QStringLiteral("mostrata:1")}));
        QCOMPARE(doc.fAreaMostrata(), 1);
        QCOMPARE(doc.fUndoStack()->count(), 0); // the first area cannot be taken back
    }

    void theSameNameTwiceKeepsTheProjectAndAddsAnArea()
    {
        TProjectFixture fx;
        TProjectDocument doc;
        // the chosen folder may come with its trailing separator
        doc.pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa"));
        TSensorStore &sensori = doc.fSensorStore();
        QCOMPARE(sensori.fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("5"),
                                        QStringLiteral("32"), 1),
                 1);
        sensori.pAddTextToSensorInDb(1, 5, 6, 1, 2, QStringLiteral("Porta"));
        const QStringList asSensors = fx.fRows(doc.fDatabase(), QStringLiteral("select * from tbsensori"));
        fx.pListen(doc);

        doc.pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa"));
        QCOMPARE(fx.asSignals.first(), QStringLiteral("progetto:0")); // the open one is closed first
        QCOMPARE(doc.fRootPrj(), sGlobPrjPath + QStringLiteral("casa/"));
        QCOMPARE(fx.fRows(doc.fDatabase(), QStringLiteral("select * from tbarea")),
                 QStringList({QStringLiteral("1|0|0|casa|0"), QStringLiteral("2|0|0|casa|0")}));
        QCOMPARE(fx.fRows(doc.fDatabase(), QStringLiteral("select * from tbsensori")), asSensors);
        QCOMPARE(doc.fAreaMostrata(), 2); // the new area, not the first one of that name
        QCOMPARE(doc.fSensorStore().fAddSensorToDb(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("5"),
                                                   QStringLiteral("32"), 1),
                 2);
    }

    void aNewProjectThatCannotBeMadeLeavesNoProject()
    {
        TProjectFixture fx;
        TProjectDocument doc;
        doc.pNuovoProgetto(sGlobPrjPath, QStringLiteral("primo"));
        fx.pListen(doc);

        // the chosen folder is gone, so the project folder and its database cannot be made
        QVERIFY_THROWS_EXCEPTION(TOmbrixError,
                                 doc.pNuovoProgetto(fx.dir.path() + QStringLiteral("/gone"), QStringLiteral("x")));
        pVerifyNoProject(doc, fx);
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
        TProjectDocument doc;
        fx.pListen(doc);

        QVERIFY_THROWS_EXCEPTION(TOmbrixError, doc.pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa")));
        pVerifyNoProject(doc, fx);
        QCOMPARE(fFileBytes(sDb), QByteArray("notes, not a database"));
    }

    void aFirstAreaThatCannotBeMadeLeavesNoProject()
    {
        // a project file whose tbarea refuses new rows: the first area fails after the tables are made
        TProjectFixture fx;
        QVERIFY(QDir().mkpath(sGlobPrjPath + QStringLiteral("casa")));
        const QString sDb = sGlobPrjPath + QStringLiteral("casa/casa.omb");
        {
            TSqlConn conn;
            conn.pOpen(sDb, true);
            conn.pExec(sArea);
            conn.pExec(QStringLiteral("create trigger nuove before insert on tbarea begin select raise(abort, "
                                      "'no new areas'); end"));
        }
        TProjectDocument doc;
        fx.pListen(doc);
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, doc.pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa")));
        pVerifyNoProject(doc, fx);

        // what was stored stays stored: the project opens
        doc.pApriProgetto(sDb);
        QVERIFY(doc.fAperto());
        QCOMPARE(doc.fAree().fCount(), 0);
        QCOMPARE(fx.fRows(sDb, QStringLiteral("select count(*) from sqlite_master where name = 'tbsensori'")),
                 QStringList({QStringLiteral("1")}));
    }

    void anEmptyNameDoesNothing()
    {
        TProjectFixture fx;
        TProjectDocument doc;
        fx.pListen(doc);
        doc.pNuovoProgetto(sGlobPrjPath, QString());
        QVERIFY(!doc.fAperto());
        QVERIFY(QDir(sGlobPrjPath).isEmpty());
        QVERIFY(fx.asSignals.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstNuovoProgetto)
#include "tst_nuovoprogetto.moc"
