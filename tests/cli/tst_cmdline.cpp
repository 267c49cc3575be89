// The command line as a user meets it: what each use prints, and where, and
// its exit code (0 done, 1 failed, 2 a usage error with the usage on stderr).

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstCmdLine : public QObject
{
    Q_OBJECT

private slots:
    void exitCodesAndUsage_data();
    void exitCodesAndUsage();
};

void TstCmdLine::exitCodesAndUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out"); // contained in stdout; empty: stdout must be empty
    QTest::addColumn<QByteArray>("err"); // contained in stderr; empty: stderr must be empty

    const QByteArray usage("Usage: ombrix [options] [PROJECT.omb]");
    QTest::newRow("help") << QStringList{"--help"} << 0 << usage << QByteArray();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QByteArray();
    QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("Ombrix 160131-A\n") << QByteArray();
    QTest::newRow("version in English") << QStringList{"--lang", "en", "--version"} << 0
                                        << QByteArray("Ombrix 160131-A\n") << QByteArray();
    QTest::newRow("export of a missing project")
        << QStringList{"--export", "@/nessuno.omb"} << 1 << QByteArray() << QByteArray("nessuno.omb");
    QTest::newRow("check of a missing project")
        << QStringList{"--check", "@/nessuno.omb"} << 2 << QByteArray() << QByteArray("nessuno.omb");
    QTest::newRow("unknown option") << QStringList{"--nonsense"} << 2 << QByteArray() << usage;
    QTest::newRow("export without a project") << QStringList{"--export"} << 2 << QByteArray() << usage;
    QTest::newRow("lang without a language") << QStringList{"--lang"} << 2 << QByteArray() << usage;
    QTest::newRow("unknown language") << QStringList{"--lang", "fr", "--version"} << 2 << QByteArray()
                                      << QByteArray("unknown language: fr");
    QTest::newRow("two commands") << QStringList{"--export", "a.omb", "--io", "a.omb"} << 2 << QByteArray() << usage;
    QTest::newRow("two projects") << QStringList{"a.omb", "b.omb"} << 2 << QByteArray() << usage;
    QTest::newRow("command and a project") << QStringList{"--io", "a.omb", "b.omb"} << 2 << QByteArray() << usage;
}

void TstCmdLine::exitCodesAndUsage()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    QTemporaryDir dir; // "@" stands for an empty folder
    for (QString &s : args)
        s.replace(QLatin1Char('@'), dir.path());
    QProcess p;
    QProcessEnvironment env; // no display of any kind
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    env.insert(QStringLiteral("HOME"), dir.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(OMBRIX_BIN), args);
    QVERIFY(p.waitForFinished(60000));
    const QByteArray sOut = p.readAllStandardOutput();
    const QByteArray sErr = p.readAllStandardError();
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(out.isEmpty() ? sOut.isEmpty() : sOut.contains(out), sOut.constData());
    QVERIFY2(err.isEmpty() ? sErr.isEmpty() : sErr.contains(err), sErr.constData());
    QCOMPARE(p.exitCode(), exitCode);
    // the usage lists every option, and is printed whole
    if (sOut.contains("Usage:") || sErr.contains("Usage:"))
        for (const char *sz : {"--export", "--check", "--io", "--lang", "--help", "--version"})
            QVERIFY2((sOut + sErr).contains(sz), sz);
}

QTEST_GUILESS_MAIN(TstCmdLine)
#include "tst_cmdline.moc"
