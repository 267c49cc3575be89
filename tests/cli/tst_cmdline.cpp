// The command line as a user meets it: what each use prints, and where, and
// its exit code (0 done, 1 failed, 2 a usage error with the usage on stderr),
// in the language --lang or Lingua in ombrix.ini asks for.

#include "helpers/lingueprova.h"
#include "workspace/project.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace {

struct TEsito
{
    int iCodice = -1;
    QByteArray out;
    QByteArray err;
};

/** Runs sProgramma with no display of any kind, HOME in sHome. */
TEsito fEsegui(const QString &sProgramma, const QStringList &asArgs, const QString &sHome)
{
    QProcess p;
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    env.insert(QStringLiteral("HOME"), sHome);
    p.setProcessEnvironment(env);
    p.start(sProgramma, asArgs);
    TEsito r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.iCodice = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

/** A project sDir/casa.omb with one area and one labelled contact whose label holds a line feed. */
QString fProgettoConControllo(const QString &sDir)
{
    QDir().mkpath(sDir + QStringLiteral("/areas"));
    QDir().mkpath(sDir + QStringLiteral("/out"));
    const QString sDb = sDir + QStringLiteral("/casa.omb");
    sqlite3 *pDb = nullptr;
    sqlite3_open(QFile::encodeName(sDb).constData(), &pDb);
    const QString sSql =
        sArea + sSensori +
        QStringLiteral("insert into tbarea (_id, livello, father_id, NomeArea) values (1, 0, 0, 'uno');"
                       "insert into tbsensori (area_id, NumSensore, IconSize, TipoSensore, "
                       "Orientamento, Testo) values (1, 7, 32, 2, 0, 'Por' || char(10) || 'ta');");
    const int iEsito = sqlite3_exec(pDb, sSql.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(pDb);
    return iEsito == SQLITE_OK ? sDb : QString();
}

} // namespace

class TstCmdLine : public QObject
{
    Q_OBJECT

private slots:
    void exitCodesAndUsage_data();
    void exitCodesAndUsage();
    void exportRowErrorInTheLanguageAskedFor_data();
    void exportRowErrorInTheLanguageAskedFor();
};

void TstCmdLine::exitCodesAndUsage_data()
{
    pColonnaLingua();
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out"); // contained in stdout; empty: stdout must be empty
    QTest::addColumn<QByteArray>("err"); // contained in stderr; empty: stderr must be empty

    for (const QString &l : fLingue()) {
        // Italian is the default; English is asked for first on the line
        const auto A = [&](const QStringList &as) {
            return l == QLatin1String("en") ? QStringList{"--lang", "en"} + as : as;
        };
        const QByteArray usage =
            fIn(l, "Utilizzo: ombrix [opzioni] [PROGETTO.omb]", "Usage: ombrix [options] [PROJECT.omb]").toUtf8();
        fRiga("help", l) << A({"--help"}) << 0 << usage << QByteArray();
        fRiga("-h", l) << A({"-h"}) << 0 << usage << QByteArray();
        fRiga("version", l) << A({"--version"}) << 0 << QByteArray("Ombrix 160131-A\n") << QByteArray();
        fRiga("export of a missing project", l)
            << A({"--export", "@/nessuno.omb"}) << 1 << QByteArray()
            << fIn(l, "nessuno.omb: File o cartella inesistente", "nessuno.omb: No such file or directory").toUtf8();
        fRiga("check of a missing project", l)
            << A({"--check", "@/nessuno.omb"}) << 2 << QByteArray() << QByteArray("nessuno.omb");
        fRiga("unknown option", l) << A({"--nonsense"}) << 2 << QByteArray()
                                   << fIn(l, "Opzione sconosciuta 'nonsense'", "Unknown option 'nonsense'").toUtf8();
        fRiga("export without a project", l) << A({"--export"}) << 2 << QByteArray() << usage;
        fRiga("lang without a language", l) << A({"--lang"}) << 2 << QByteArray() << usage;
        fRiga("two commands", l) << A({"--export", "a.omb", "--io", "a.omb"}) << 2 << QByteArray()
                                 << fIn(l, "un comando alla volta", "one command at a time").toUtf8();
        fRiga("two projects", l) << A({"a.omb", "b.omb"}) << 2 << QByteArray() << usage;
        fRiga("command and a project", l) << A({"--io", "a.omb", "b.omb"}) << 2 << QByteArray() << usage;
        fRiga("fit option alone", l) << A({"--mode", "fill", "--io", "a.omb"}) << 2 << QByteArray()
                                     << fIn(l, "--mode va con --fit", "--mode goes with --fit").toUtf8();
    }
    // a language the program does not speak is told in Italian, the default
    fRiga("unknown language", "it") << QStringList{"--lang", "fr", "--version"} << 2 << QByteArray()
                                    << QByteArray("lingua sconosciuta: fr");
}

void TstCmdLine::exitCodesAndUsage()
{
    QFETCH(QString, lingua);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    QTemporaryDir dir; // "@" stands for an empty folder
    for (QString &s : args)
        s.replace(QLatin1Char('@'), dir.path());
    const TEsito r = fEsegui(QStringLiteral(OMBRIX_BIN), args, dir.path());
    QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.contains(out), r.out.constData());
    QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), r.err.constData());
    QCOMPARE(r.iCodice, exitCode);
    // the usage lists every option, and is printed whole
    const QByteArray usage = fIn(lingua, "Utilizzo:", "Usage:").toUtf8();
    if (r.out.contains(usage) || r.err.contains(usage))
        for (const char *sz : {"--export", "--check", "--io", "--lang", "--help", "--version"})
            QVERIFY2((r.out + r.err).contains(sz), sz);
}

void TstCmdLine::exportRowErrorInTheLanguageAskedFor_data()
{
    pColonnaLingua();
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("ini"); // Lingua in the settings file beside the program; empty: no file
    for (const QString &l : fLingue()) {
        fRiga("--lang", l) << QStringList{"--lang", l} << QByteArray();
        fRiga("Lingua", l) << QStringList() << "[Options]\nLingua=" + l.toUtf8() + "\n";
    }
    // the command line wins over the settings file
    fRiga("--lang over Lingua", "en") << QStringList{"--lang", "en"} << QByteArray("[Options]\nLingua=it\n");
}

void TstCmdLine::exportRowErrorInTheLanguageAskedFor()
{
    QFETCH(QString, lingua);
    QFETCH(QStringList, args);
    QFETCH(QByteArray, ini);
    QTemporaryDir dir;
    const QString sDb = fProgettoConControllo(dir.filePath(QStringLiteral("casa")));
    QVERIFY(!sDb.isEmpty());
    // a copy of the program in a folder of its own, its settings file beside it
    QString sProgramma = QStringLiteral(OMBRIX_BIN);
    if (!ini.isEmpty()) {
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("inst/bin"))));
        sProgramma = dir.filePath(QStringLiteral("inst/bin/ombrix"));
        QVERIFY(QFile::copy(QStringLiteral(OMBRIX_BIN), sProgramma));
        QFile f(dir.filePath(QStringLiteral("inst/bin/ombrix.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ini);
    }
    const TEsito r = fEsegui(sProgramma, args + QStringList{"--export", sDb}, dir.path());
    QCOMPARE(r.iCodice, 1);
    QCOMPARE(r.out, QByteArray());
    // the check's line first (the control character and the label it widens are its errors), then the export's own
    QCOMPARE(QString::fromUtf8(r.err),
             fIn(lingua, "ombrix: la verifica ha trovato 2 errori (ombrix --check %1)\n",
                 "ombrix: the check found 2 errors (ombrix --check %1)\n")
                     .arg(sDb) +
                 sDb + QStringLiteral(": ") +
                 fIn(lingua, "tbsensori, oggetto 1, colonna Testo: carattere di controllo nell'etichetta",
                     "tbsensori, object 1, column Testo: control character in the label") +
                 QLatin1Char('\n'));
}

QTEST_GUILESS_MAIN(TstCmdLine)
#include "tst_cmdline.moc"
