#include "model/projectfixture.h"

#include "document/projectdocument.h"
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

    /** No project: the document, its connection and its area list closed, and the views told so. */
    static void pVerifyNoProject(TProjectDocument &doc, const TProjectFixture &fx)
    {
        QVERIFY(!doc.fAperto());
        QVERIFY(!doc.fConn().fIsOpen());
        QVERIFY(!doc.fAree().fIsOpen());
        QVERIFY(fx.asSignals.contains(QStringLiteral("progetto:0")));
    }

private slots:
    void createTablesRunsTheTwoStatementsAndIsHarmlessTwice()
    {
        TProjectFixture fx;
        fx.conn.pOpen(fx.dir.filePath(QStringLiteral("a.omb")), true);
        fx.pTrace();
        pCreaTabelle(fx.conn);
        QCOMPARE(fx.fTakeSql(), QStringList({sArea, sSensori}));
        fx.conn.pExec(QStringLiteral("insert into tbarea(_id, NomeArea) values(1, 'x')"));
        pCreaTabelle(fx.conn);
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea")), QStringList({QStringLiteral("1|0|0|x|0")}));
    }

    void openShowsTheFirstAreaOnlyWhenThereIsOne()
    {
        TProjectFixture fx;
        const QString sEmpty = fx.dir.filePath(QStringLiteral("empty.omb"));
        const QString sOne = fx.dir.filePath(QStringLiteral("one.omb"));
        pMakeProject(sEmpty, QString());
        pMakeProject(sOne, QStringLiteral("casa"));

        TProjectDocument doc;
        fx.pListen(doc);
        doc.pApriProgetto(sEmpty);
        QVERIFY(doc.fAperto());
        QVERIFY(doc.fAree().fIsOpen());
        QCOMPARE(doc.fAree().fCount(), 0);
        QCOMPARE(doc.fAreaMostrata(), 0);
        QCOMPARE(fx.asSignals, QStringList({QStringLiteral("progetto:1"), QStringLiteral("aree")}));

        fx.asSignals.clear();
        doc.pApriProgetto(sOne);
        QCOMPARE(doc.fAree().fCount(), 1);
        QCOMPARE(doc.fAree().fRows().first().sNome, QStringLiteral("casa"));
        QCOMPARE(fx.asSignals, QStringList({QStringLiteral("progetto:0"), QStringLiteral("progetto:1"),
                                            QStringLiteral("aree"), QStringLiteral("mostrata:1")}));
        QCOMPARE(doc.fAreaMostrata(), 1);
    }

    void openOfAMissingFileCreatesNothing()
    {
        TProjectFixture fx;
        const QString sDb = fx.dir.filePath(QStringLiteral("missing.omb"));
        TProjectDocument doc;
        doc.pNuovoProgetto(fx.dir.path(), QStringLiteral("aperto"));
        fx.pListen(doc);
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, doc.pApriProgetto(sDb));
        QVERIFY(!QFile::exists(sDb));
        pVerifyNoProject(doc, fx);
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
        QVERIFY(QDir().mkpath(fx.dir.filePath(QStringLiteral("other"))));
        const QString sDb = fx.dir.filePath(QStringLiteral("other/other.omb"));
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
        TProjectDocument doc;
        fx.pListen(doc);
        for (const bool bNew : {false, true}) {
            fx.asSignals.clear();
            // the message names the file ("<file>: file is not a database")
            QString sErrore;
            try {
                if (bNew)
                    doc.pNuovoProgetto(fx.dir.path(), QStringLiteral("other"));
                else
                    doc.pApriProgetto(sDb);
            } catch (const TOmbrixError &e) {
                sErrore = e.fMessage();
            }
            QVERIFY2(sErrore.contains(QStringLiteral(".omb: ")), qPrintable(sErrore));
            if (!bNew)
                QVERIFY2(sErrore.startsWith(sDb + QStringLiteral(": ")), qPrintable(sErrore));
            pVerifyNoProject(doc, fx);
            QCOMPARE(fFileBytes(sDb), before);
        }
        QCOMPARE(QDir(fx.dir.filePath(QStringLiteral("other"))).entryList(QDir::Files),
                 QStringList({QStringLiteral("other.omb")}));
    }

    void openProjectClosesTheOpenOneFirst()
    {
        TProjectFixture fx;
        QVERIFY(QDir().mkpath(fx.dir.filePath(QStringLiteral("moved/away"))));
        const QString sFirst = fx.dir.filePath(QStringLiteral("first.omb"));
        const QString sMoved = fx.dir.filePath(QStringLiteral("moved/away/casa.omb"));
        pMakeProject(sFirst, QStringLiteral("uno"));
        pMakeProject(sMoved, QStringLiteral("due"));

        TProjectDocument doc;
        doc.pApriProgetto(sFirst);
        fx.pListen(doc);
        doc.pApriProgetto(sMoved);
        QCOMPARE(fx.asSignals, QStringList({QStringLiteral("progetto:0"), QStringLiteral("progetto:1"),
                                            QStringLiteral("aree"), QStringLiteral("mostrata:1")}));
        QCOMPARE(doc.fRootPrj(), fx.dir.filePath(QStringLiteral("moved/away/")));
        QCOMPARE(doc.fOutPath(), fx.dir.filePath(QStringLiteral("moved/away/out/")));
        QCOMPARE(doc.fDatabase(), sMoved);
        QCOMPARE(doc.fAree().fRows().first().sNome, QStringLiteral("due"));
    }

    void openingAProjectWithoutAreasLeavesNoNodeOfTheClosedOne()
    {
        TProjectFixture fx;
        const QString sFirst = fx.dir.filePath(QStringLiteral("first.omb"));
        const QString sEmpty = fx.dir.filePath(QStringLiteral("empty.omb"));
        pMakeProject(sFirst, QStringLiteral("uno"));
        pMakeProject(sEmpty, QString());

        TProjectDocument doc;
        doc.pApriProgetto(sFirst);
        fx.pListen(doc);
        doc.pApriProgetto(sEmpty);
        QVERIFY(doc.fAperto());
        // the views start from nothing and the tree refills with no node
        QCOMPARE(fx.asSignals,
                 QStringList({QStringLiteral("progetto:0"), QStringLiteral("progetto:1"), QStringLiteral("aree")}));
        QCOMPARE(doc.fAree().fCount(), 0);
        QCOMPARE(doc.fAreaMostrata(), 0);
    }

    void closeLeavesNoProject()
    {
        TProjectFixture fx;
        const QString sDb = fx.dir.filePath(QStringLiteral("p.omb"));
        pMakeProject(sDb, QStringLiteral("casa"));
        {
            TProjectDocument doc;
            doc.pApriProgetto(sDb);
            fx.pListen(doc);
            doc.pChiudiProgetto();
            QVERIFY(!doc.fAperto());
            QVERIFY(!doc.fConn().fIsOpen());
            QVERIFY(!doc.fAree().fIsOpen());
            QCOMPARE(doc.fAreaMostrata(), 0);
            QCOMPARE(fx.asSignals, QStringList({QStringLiteral("progetto:0")}));

            // a document that goes away (the window closing) closes its project too
            doc.pApriProgetto(sDb);
            QVERIFY(doc.fConn().fIsOpen());
        }
        // its connection went with it: the file can be replaced at once
        QVERIFY(QFile::remove(sDb));
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
