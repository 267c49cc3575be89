#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/settings.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_sBin;

    QString fIni() const { return m_sBin + QStringLiteral("ombrix.ini"); }
    void pWriteIni(const QByteArray &data)
    {
        QFile f(fIni());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QByteArray fReadIni()
    {
        QFile f(fIni());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        m_sBin = m_dir.path() + QStringLiteral("/inst/bin/");
        QVERIFY(QDir().mkpath(m_sBin));
        pSetApplicationFolders(m_sBin + QStringLiteral("ombrix"));
    }

    void foldersHangOffTheParentOfTheProgramFolder()
    {
        pSetApplicationFolders(QStringLiteral("/opt/inst/bin/ombrix"));
        QCOMPARE(sGlobBinPath, QStringLiteral("/opt/inst/bin/"));
        QCOMPARE(sGlobPath, QStringLiteral("/opt/inst/"));
        QCOMPARE(sGlobGrfcPath, QStringLiteral("/opt/inst/grfc/"));
        QCOMPARE(sGlobResPath, QStringLiteral("/opt/inst/res/"));
        QCOMPARE(sGlobPrjPath, QStringLiteral("/opt/inst/progetti/"));

        // a program at the root of the file system: the root is the application root too
        pSetApplicationFolders(QStringLiteral("/ombrix"));
        QCOMPARE(sGlobBinPath, QStringLiteral("/"));
        QCOMPARE(sGlobPath, QStringLiteral("/"));
        QCOMPARE(sGlobGrfcPath, QStringLiteral("/grfc/"));
    }

    void startupMakesProgettiAndSetsTheWorkspace()
    {
        iGlobXcenter = iGlobYCenter = 0;
        pWorkspaceStartup(m_sBin + QStringLiteral("ombrix"));
        const QString sRoot = m_dir.path() + QStringLiteral("/inst/");
        QCOMPARE(sGlobPath, sRoot);
        QVERIFY(QFileInfo(sRoot + QStringLiteral("progetti")).isDir());
        QCOMPARE(iGlobIconSize, 32);
        QCOMPARE(iGlobXcenter, 223);
        QCOMPARE(iGlobYCenter, 119);
        const TSqlConn conn; // the connection settings come with every connection
        QCOMPARE(conn.sConnectionName, QStringLiteral("ombrx"));
        QCOMPARE(conn.sDriverName, QStringLiteral("Sqlite"));
        QCOMPARE(conn.sHostName, QStringLiteral("localhost"));
        QVERIFY(!QFile::exists(fIni())); // reading never creates the file

        // an existing projects folder and its content stay as they were
        QFile f(sRoot + QStringLiteral("progetti/keep.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        pWorkspaceStartup(m_sBin + QStringLiteral("ombrix"));
        QVERIFY(QFile::exists(sRoot + QStringLiteral("progetti/keep.txt")));
    }

    void iconSizeFromTheFile_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("size");
        QTest::newRow("48") << QByteArray("[Options]\nIconSize=48\n") << 48;
        QTest::newRow("16, spaces, CRLF") << QByteArray("[Options]\r\n  IconSize = 16 \r\n") << 16;
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Options]\nIconSize=16\n") << 16;
        QTest::newRow("names ignore case") << QByteArray("[options]\niconsize=48\n") << 48;
        QTest::newRow("letters") << QByteArray("[Options]\nIconSize=abc\n") << 32;
        QTest::newRow("not a menu size") << QByteArray("[Options]\nIconSize=64\n") << 32;
        QTest::newRow("hex") << QByteArray("[Options]\nIconSize=0x30\n") << 32;
        QTest::newRow("empty value") << QByteArray("[Options]\nIconSize=\n") << 32;
        QTest::newRow("key in another section") << QByteArray("[Other]\nIconSize=48\n[Options]\nX=1\n") << 32;
        QTest::newRow("commented out") << QByteArray("[Options]\n;IconSize=48\n") << 32;
        QTest::newRow("no section") << QByteArray("IconSize=48\n") << 32;
        QTest::newRow("empty file") << QByteArray() << 32;
    }
    void iconSizeFromTheFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, size);
        pWriteIni(ini);
        iGlobIconSize = 0;
        pLoadFromIni();
        QCOMPARE(iGlobIconSize, size);
    }

    void writeCreatesTheFileAndReadsBack()
    {
        iGlobIconSize = 32;
        pWriteToIni();
        QCOMPARE(fReadIni(), QByteArray("[Options]\nIconSize=32\n"));
        iGlobIconSize = 16;
        pWriteToIni();
        iGlobIconSize = 0;
        pLoadFromIni();
        QCOMPARE(iGlobIconSize, 16);
    }

    void snapshotCountBesideIconSize()
    {
        // read beside IconSize; 20 when missing or not a positive number; written back once it is not 20
        const std::pair<QByteArray, int> aCasi[] = {{"[Options]\nIconSize=48\n", 20},
                                                    {"[Options]\nSnapshot=5\nIconSize=48\n", 5},
                                                    {"[Options]\nIconSize=48\nSnapshot=0\n", 20},
                                                    {"[Options]\nSnapshot=tanti\n", 20}};
        for (const auto &[ini, n] : aCasi) {
            pWriteIni(ini);
            iGlobSnapshot = 0;
            pLoadFromIni();
            QCOMPARE(iGlobSnapshot, n);
        }
        pWriteIni("[Options]\nIconSize=48\n");
        pLoadFromIni();
        iGlobSnapshot = 7;
        pWriteToIni();
        QCOMPARE(fReadIni(), QByteArray("[Options]\nIconSize=48\nSnapshot=7\n"));
        iGlobSnapshot = 20;
        pWriteToIni();
        QCOMPARE(fReadIni(), QByteArray("[Options]\nIconSize=48\nSnapshot=20\n"));
    }

    void writeKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("key replaced in place")
            << QByteArray("; settings\r\n[First]\r\nA=1\r\n\r\n[Options]\r\nOther=x\r\nIconSize=32\r\n[Last]\r\nB=2")
            << QByteArray("; settings\r\n[First]\r\nA=1\r\n\r\n[Options]\r\nOther=x\r\nIconSize=48\r\n[Last]\r\nB=2");
        QTest::newRow("key added at the end of its section")
            << QByteArray("[Options]\nOther=x\n\n[Last]\nB=2\n")
            << QByteArray("[Options]\nOther=x\nIconSize=48\n\n[Last]\nB=2\n");
        QTest::newRow("section appended, last line without its end")
            << QByteArray("# comment\n[Last]\nB=2") << QByteArray("# comment\n[Last]\nB=2\n[Options]\nIconSize=48\n");
        QTest::newRow("only the first key of the first section")
            << QByteArray("[Options]\nIconSize=16\nIconSize=16\n[Options]\nIconSize=16\n")
            << QByteArray("[Options]\nIconSize=48\nIconSize=16\n[Options]\nIconSize=16\n");
        QTest::newRow("commented key stays")
            << QByteArray("[Options]\n;IconSize=16\n") << QByteArray("[Options]\n;IconSize=16\nIconSize=48\n");
    }
    void writeKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        pWriteIni(before);
        iGlobIconSize = 48;
        pWriteToIni();
        QCOMPARE(fReadIni(), after);
        iGlobIconSize = 0;
        pLoadFromIni();
        QCOMPARE(iGlobIconSize, 48);
    }

    void shutdownWritesTheSize()
    {
        // closing the project is the document's now
        iGlobIconSize = 16;
        pWorkspaceShutdown();
        QCOMPARE(fReadIni(), QByteArray("[Options]\nIconSize=16\n"));
    }

    void shutdownEndsWhenTheFileCannotBeWritten()
    {
        // the program folder is gone, so nothing can be written there
        QVERIFY(QDir(m_sBin).removeRecursively());
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, pWriteToIni());
        pWorkspaceShutdown();
        QVERIFY(!QFile::exists(fIni()));
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
