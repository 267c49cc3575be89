#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/settings.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QDir>
#include <QDirIterator>
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
        QVERIFY(!bGlobInstallato);       // a writable program folder keeps everything beside it

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

    void languageAndRecentProjectsShareTheFile()
    {
        pWriteIni("[Options]\nLingua=EN\n\n[Other]\nA=1\n");
        QCOMPARE(fLinguaDaIni(), QStringLiteral("en"));
        asGlobRecenti.clear();
        for (int i = 1; i <= 9; ++i)
            pAggiungiRecente(QStringLiteral("/p/%1.omb").arg(i));
        pAggiungiRecente(QStringLiteral("/p/5.omb")); // opened again: back at the head, not twice
        iGlobIconSize = 16;
        pWriteToIni();
        QCOMPARE(fReadIni(), QByteArray("[Options]\nLingua=EN\nIconSize=16\n\n[Other]\nA=1\n[Recenti]\n"
                                        "Progetto1=/p/5.omb\nProgetto2=/p/9.omb\nProgetto3=/p/8.omb\n"
                                        "Progetto4=/p/7.omb\nProgetto5=/p/6.omb\nProgetto6=/p/4.omb\n"
                                        "Progetto7=/p/3.omb\nProgetto8=/p/2.omb\n"));
        asGlobRecenti = {QStringLiteral("/à/x.omb")};
        pWriteToIni(); // the section is rewritten whole
        asGlobRecenti.clear();
        pLoadFromIni();
        QCOMPARE(asGlobRecenti, QStringList{QStringLiteral("/à/x.omb")});
        QVERIFY(fReadIni().endsWith("[Recenti]\nProgetto1=/\xC3\xA0/x.omb\n"));
        asGlobRecenti.clear();
    }

    void installedProgramWritesOnlyInTheUsersFolders()
    {
        // an installation the user may not write: prefix/bin and prefix/share/ombrix
        const QString sPrefix = m_dir.path() + QStringLiteral("/usr/");
        const QString sHome = m_dir.path() + QStringLiteral("/home");
        for (const char *sz : {"bin", "share/ombrix/grfc", "share/ombrix/res"})
            QVERIFY(QDir().mkpath(sPrefix + QLatin1String(sz)));
        QVERIFY(QFile::setPermissions(sPrefix + QStringLiteral("bin"),
                                      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        const QByteArray sOldHome = qgetenv("HOME"), sOldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", sHome.toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        auto fInstallazione = [&] {
            QStringList as;
            for (QDirIterator it(sPrefix, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                as << it.next();
            return as;
        };
        const QStringList asPrima = fInstallazione();

        pWorkspaceStartup(sPrefix + QStringLiteral("bin/ombrix"));
        QVERIFY(bGlobInstallato);
        QCOMPARE(sGlobGrfcPath, sPrefix + QStringLiteral("share/ombrix/grfc/"));
        QCOMPARE(sGlobResPath, sPrefix + QStringLiteral("share/ombrix/res/"));
        QCOMPARE(sGlobIniPath, sHome + QStringLiteral("/.config/ombrix/ombrix.ini"));
        QCOMPARE(sGlobPrjPath, sHome + QStringLiteral("/Documents/progetti/"));
        QVERIFY(QFileInfo(sGlobPrjPath).isDir());
        iGlobIconSize = 48;
        pWorkspaceShutdown();
        iGlobIconSize = 0;
        pLoadFromIni();
        QCOMPARE(iGlobIconSize, 48);
        QCOMPARE(fInstallazione(), asPrima);

        QFile::setPermissions(sPrefix + QStringLiteral("bin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", sOldHome);
        if (!sOldConfig.isEmpty())
            qputenv("XDG_CONFIG_HOME", sOldConfig);
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
