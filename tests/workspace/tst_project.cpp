#include "model/projectfixture.h"

#include "workspace/project.h"
#include "workspace/uty.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

class TstProject : public QObject
{
    Q_OBJECT

    /** A project database with one area, written through a connection of its own. */
    static void pMakeProject(const QString &sDb, const QString &sNome)
    {
        TSqlConn conn;
        conn.pOpen(sDb, true);
        conn.pExec(sArea);
        conn.pExec(sSensori);
        if (!sNome.isEmpty())
            conn.pExec(QStringLiteral("insert into tbarea(_id, livello, nomearea, ordinamento) values(1,0, \"%1\", 0);")
                           .arg(sNome));
    }

    static void pVerifyNoProject(const TFakeView &view)
    {
        QVERIFY(!bGlobProgettoAperto);
        QVERIFY(!SQLConn.fIsOpen());
        QVERIFY(!CDArea.fIsOpen());
        QVERIFY(view.asCalls.contains(QStringLiteral("cleartree")));
    }

private slots:
    void createTablesRunsTheTwoStatementsAndIsHarmlessTwice()
    {
        TProjectFixture fx;
        SQLConn.pOpen(fx.dir.filePath(QStringLiteral("a.omb")), true);
        fx.pTrace();
        pCreaTabelle();
        QCOMPARE(fx.fTakeSql(), QStringList({sArea, sSensori}));
        SQLConn.pExec(QStringLiteral("insert into tbarea(_id, NomeArea) values(1, 'x')"));
        pCreaTabelle();
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea")), QStringList({QStringLiteral("1|0|0|x|0")}));
    }

    void openShowsTheFirstAreaOnlyWhenThereIsOne()
    {
        TProjectFixture fx;
        const QString sEmpty = fx.dir.filePath(QStringLiteral("empty.omb"));
        const QString sOne = fx.dir.filePath(QStringLiteral("one.omb"));
        pMakeProject(sEmpty, QString());
        pMakeProject(sOne, QStringLiteral("casa"));

        pOpenProject(sEmpty, false);
        QVERIFY(bGlobProgettoAperto);
        QVERIFY(CDArea.fIsOpen());
        QCOMPARE(CDArea.fCount(), 0);
        QCOMPARE(fx.view.asCalls, QStringList());

        pOpenProject(sOne, false);
        QCOMPARE(CDArea.fCount(), 1);
        QCOMPARE(CDArea.fRows().first().sNome, QStringLiteral("casa"));
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("tree"), QStringLiteral("selectfirst")}));
    }

    void openOfAMissingFileCreatesNothing()
    {
        TProjectFixture fx;
        const QString sDb = fx.dir.filePath(QStringLiteral("missing.omb"));
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, pOpenProject(sDb, false));
        QVERIFY(!QFile::exists(sDb));
        pVerifyNoProject(fx.view);
    }

    void openNeverChangesAFileThatIsNotAProject_data()
    {
        QTest::addColumn<bool>("bSqlite");
        QTest::newRow("text file") << false;
        QTest::newRow("database of other tables") << true;
    }
    void openNeverChangesAFileThatIsNotAProject()
    {
        QFETCH(bool, bSqlite);
        TProjectFixture fx;
        const QString sDb = fx.dir.filePath(QStringLiteral("other.omb"));
        if (bSqlite) {
            TSqlConn conn;
            conn.pOpen(sDb, true);
            conn.pExec(QStringLiteral("create table t (a); insert into t values (1);"));
        } else {
            QFile f(sDb);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        }
        const QByteArray before = fFileBytes(sDb);

        // both as an opened project and as the database of a new one
        for (const bool bNew : {false, true}) {
            fx.view.asCalls.clear();
            // the message names the file ("<file>: file is not a database")
            QString sErrore;
            try {
                pOpenProject(sDb, bNew);
            } catch (const TOmbrixError &e) {
                sErrore = e.fMessage();
            }
            QVERIFY2(sErrore.startsWith(sDb + QStringLiteral(": ")), qPrintable(sErrore));
            pVerifyNoProject(fx.view);
            QCOMPARE(fFileBytes(sDb), before);
        }
        QCOMPARE(QDir(fx.dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("other.omb")}));
    }

    void openProjectClosesTheOpenOneFirst()
    {
        TProjectFixture fx;
        QVERIFY(QDir().mkpath(fx.dir.filePath(QStringLiteral("moved/away"))));
        const QString sFirst = fx.dir.filePath(QStringLiteral("first.omb"));
        const QString sMoved = fx.dir.filePath(QStringLiteral("moved/away/casa.omb"));
        pMakeProject(sFirst, QStringLiteral("uno"));
        pMakeProject(sMoved, QStringLiteral("due"));

        pApriProgetto(sFirst);
        fx.view.asCalls.clear();
        pApriProgetto(sMoved);
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("clearcanvas"), QStringLiteral("clearbackground"),
                                               QStringLiteral("cleartree"), QStringLiteral("tree"),
                                               QStringLiteral("selectfirst")}));
        QCOMPARE(sGlobRootPrj, fx.dir.filePath(QStringLiteral("moved/away/")));
        QCOMPARE(sGlobOutPath, fx.dir.filePath(QStringLiteral("moved/away/out/")));
        QCOMPARE(SQLConn.fDatabase(), sMoved);
        QCOMPARE(CDArea.fRows().first().sNome, QStringLiteral("due"));
    }

    void openingAProjectWithoutAreasLeavesNoNodeOfTheClosedOne()
    {
        TProjectFixture fx;
        const QString sFirst = fx.dir.filePath(QStringLiteral("first.omb"));
        const QString sEmpty = fx.dir.filePath(QStringLiteral("empty.omb"));
        pMakeProject(sFirst, QStringLiteral("uno"));
        pMakeProject(sEmpty, QString());

        pApriProgetto(sFirst);
        fx.view.asCalls.clear();
        pApriProgetto(sEmpty);
        QVERIFY(bGlobProgettoAperto);
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("clearcanvas"), QStringLiteral("clearbackground"),
                                               QStringLiteral("cleartree")}));
    }

    void closeLeavesNoProject()
    {
        TProjectFixture fx;
        const QString sDb = fx.dir.filePath(QStringLiteral("p.omb"));
        pMakeProject(sDb, QStringLiteral("casa"));
        pApriProgetto(sDb);
        fx.view.asCalls.clear();
        pCloseProject();
        QVERIFY(!bGlobProgettoAperto);
        QVERIFY(!SQLConn.fIsOpen());
        QVERIFY(!CDArea.fIsOpen());
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("clearcanvas"), QStringLiteral("clearbackground")}));

        pApriProgetto(sDb);
        fx.view.asCalls.clear();
        pChiudiProgetto();
        QVERIFY(!bGlobProgettoAperto);
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("clearcanvas"), QStringLiteral("clearbackground"),
                                               QStringLiteral("cleartree")}));
    }

    void emptyingAFolderKeepsHiddenFilesSubfoldersAndSpecialFiles()
    {
        QTemporaryDir dir;
        const QString sOut = dir.path() + QStringLiteral("/out/");
        QVERIFY(QDir().mkpath(sOut + QStringLiteral("sub")));
        for (const QString &s : {QStringLiteral("maps.txt"), QStringLiteral("file0001.bmp"), QStringLiteral("extra"),
                                 QStringLiteral(".hidden"), QStringLiteral("sub/inner.txt")}) {
            QFile f(sOut + s);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        QCOMPARE(::mkfifo(QFile::encodeName(sOut + QStringLiteral("pipe")).constData(), 0600), 0);

        pDelFileFromDir(sOut);
        QCOMPARE(QDir(sOut).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral(".hidden"), QStringLiteral("pipe"), QStringLiteral("sub")}));
        QVERIFY(QFile::exists(sOut + QStringLiteral("sub/inner.txt")));

        // the folder given without its trailing separator, and a folder that does not exist
        QFile f(sOut + QStringLiteral("again"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        pDelFileFromDir(dir.path() + QStringLiteral("/out"));
        QVERIFY(!QFile::exists(sOut + QStringLiteral("again")));
        pDelFileFromDir(dir.path() + QStringLiteral("/nowhere/"));
    }
};

QTEST_GUILESS_MAIN(TstProject)
#include "tst_project.moc"
