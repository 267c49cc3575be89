// "ombrix --export PROJECT.omb": the headless export, its message, its exit
// code, and the failures it reports without touching the database.

#include "export/exportrun.h"
#include "exportfixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

struct TEsito
{
    int iCodice = -1;
    QByteArray out;
    QByteArray err;
};

/** Runs the program with a bare environment: no display of any kind. */
TEsito fEsporta(const QStringList &asArgs)
{
    QProcess p;
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(OMBRIX_BIN), asArgs);
    TEsito r;
    if (!p.waitForFinished(120000))
        return r;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    r.iCodice = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

QByteArray fImpronta(const QString &sPath)
{
    return QCryptographicHash::hash(fLeggiFile(sPath), QCryptographicHash::Sha256);
}

} // namespace

class TstExportCli : public QObject
{
    Q_OBJECT

private slots:
    void exportsWithoutDisplayAndLeavesDatabaseAlone();
    void commandLineWritesWhatTheMenuWrites();
    void missingProjectIsNotCreated();
    void fileThatIsNotADatabase();
    void databaseWithoutSensorTable();
    void brokenPictureNamesThePicture();
    void missingOutFolderNamesTheFile();
    void usageErrorsAndVersion();
};

void TstExportCli::exportsWithoutDisplayAndLeavesDatabaseAlone()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("casa"));
    p.pArea(2, 1, 1, QStringLiteral("cucina"));
    p.pSensore(1, 3, 0, 32, 10, 10, 0, 0, 0, 0, 0, 0, QString(), 2);
    p.pSensore(2, 6, 4, 32, 100, 100, 0, 0, 90, 90, 1, 1, QStringLiteral("Luce"));
    pScriviJpeg(p.fImmagine(1), 80, 48, JCS_RGB);
    pScriviJpeg(p.fImmagine(2), 80, 48, JCS_GRAYSCALE);
    pScriviFile(p.fOut() + QStringLiteral("old.bmp"), "x");
    p.pChiudi();
    const QByteArray db = fImpronta(p.fDb());
    const QDateTime tDb = QFileInfo(p.fDb()).lastModified();

    const TEsito r = fEsporta({QStringLiteral("--export"), p.fDb()});
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out, QByteArray("Esportazione effettuata correttamente!\n"));
    QCOMPARE(r.iCodice, 0);
    QCOMPARE(QDir(p.fOut()).entryList(QDir::Files, QDir::Name),
             QStringList({"file0001.bmp", "file0002.bmp", "maps.txt"}));
    const QStringList asRighe = fRighe(fLeggiFile(p.fMaps()));
    QCOMPARE(asRighe.size(), 6 + 11 + 13 + 1);
    QVERIFY(asRighe.last().startsWith(QStringLiteral("END OF FILE")));
    QCOMPARE(fImpronta(p.fDb()), db);
    QCOMPARE(QFileInfo(p.fDb()).lastModified(), tDb);
    QCOMPARE(QDir(p.fRoot()).entryList(QDir::Files | QDir::Hidden), QStringList{"casa.omb"});

    // a relative path works the same: the project folder is the file's folder
    QProcess rel;
    rel.setWorkingDirectory(p.fRoot());
    rel.start(QStringLiteral(OMBRIX_BIN), {QStringLiteral("--export"), QStringLiteral("casa.omb")});
    QVERIFY(rel.waitForFinished(120000));
    QCOMPARE(rel.exitCode(), 0);
    QCOMPARE(fRighe(fLeggiFile(p.fMaps())), asRighe);
}

void TstExportCli::commandLineWritesWhatTheMenuWrites()
{
    // objects of every class spread over the areas with interleaved ids, and
    // NULLs: the command line must list them exactly as the in-process run
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    p.pArea(2, 0, 0, QStringLiteral("due"));
    p.pArea(3, 1, 1, QStringLiteral("tre"));
    for (int i = 0; i < 60; ++i) {
        const int iTipo = 1 + (i * 7) % 11; // 1..11, 11 has no class
        p.pSensore(1 + i % 3, iTipo, i, 16 * (1 + i % 3), i * 7 % 400, i * 3 % 200, i % 4 ? 0 : i, i % 5, i, i + 1,
                   i % 9, i % 10, i % 2 ? QStringLiteral("L%1").arg(i) : QString(), iTipo == 3 ? 3 : 0);
    }
    p.pSql(QStringLiteral("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, Testo, "
                          "Orientamento) values (2, NULL, NULL, 32, 6, NULL, 0)"));
    pScriviJpeg(p.fImmagine(2), 30, 20, JCS_RGB);
    pEsportaProgetto(p.fP());
    const QByteArray maps = fLeggiFile(p.fMaps());
    const QByteArray bmp = fLeggiFile(p.fOut() + QStringLiteral("file0002.bmp"));
    QVERIFY(maps.contains("SENSORI") && maps.contains("USCITE") && maps.contains("Tinf"));
    p.pChiudi();
    const TEsito r = fEsporta({QStringLiteral("--export"), p.fDb()});
    QCOMPARE(r.iCodice, 0);
    QCOMPARE(fLeggiFile(p.fMaps()), maps);
    QCOMPARE(fLeggiFile(p.fOut() + QStringLiteral("file0002.bmp")), bmp);
}

void TstExportCli::missingProjectIsNotCreated()
{
    QTemporaryDir dir;
    const QString sDb = dir.filePath(QStringLiteral("nessuno.omb"));
    const TEsito r = fEsporta({QStringLiteral("--export"), sDb});
    QCOMPARE(r.iCodice, 1);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(r.err.contains(sDb.toUtf8()), r.err.constData());
    QVERIFY(!QFileInfo::exists(sDb));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TstExportCli::fileThatIsNotADatabase()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("out"));
    const QString sDb = dir.filePath(QStringLiteral("finto.omb"));
    pScriviFile(sDb, QByteArray("this is plain text, long enough to fill a database header page....").repeated(20));
    const QByteArray prima = fLeggiFile(sDb);
    const TEsito r = fEsporta({QStringLiteral("--export"), sDb});
    QCOMPARE(r.iCodice, 1);
    QVERIFY2(r.err.contains(sDb.toUtf8() + ": file is not a database"), r.err.constData());
    QCOMPARE(fLeggiFile(sDb), prima);
}

void TstExportCli::databaseWithoutSensorTable()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("casa"));
    p.pSql(QStringLiteral("drop table tbsensori"));
    p.pChiudi();
    const QByteArray db = fImpronta(p.fDb());
    const TEsito r = fEsporta({QStringLiteral("--export"), p.fDb()});
    QCOMPARE(r.iCodice, 1);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, p.fDb().toUtf8() + ": no such table: tbsensori\n");
    // no schema statement was run
    QCOMPARE(fImpronta(p.fDb()), db);
    QVERIFY(!fLeggiFile(p.fMaps()).contains("END OF FILE"));
}

void TstExportCli::brokenPictureNamesThePicture()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    p.pArea(2, 0, 0, QStringLiteral("due"));
    pScriviJpeg(p.fImmagine(1), 40, 40, JCS_RGB);
    pScriviJpeg(p.fImmagine(2), 40, 40, JCS_RGB);
    QByteArray data = fLeggiFile(p.fImmagine(2));
    data.insert(data.size() - 2, QByteArray("\0\0\0\0", 4));
    pScriviFile(p.fImmagine(2), data);
    p.pChiudi();
    const TEsito r = fEsporta({QStringLiteral("--export"), p.fDb()});
    QCOMPARE(r.iCodice, 1);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(r.err.startsWith(p.fImmagine(2).toUtf8() + ": Corrupt JPEG data"), r.err.constData());
    QCOMPARE(QDir(p.fOut()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({"file0001.bmp", "maps.txt"}));
}

void TstExportCli::missingOutFolderNamesTheFile()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    p.pChiudi();
    QVERIFY(QDir(p.fOut()).removeRecursively());
    const TEsito r = fEsporta({QStringLiteral("--export"), p.fDb()});
    QCOMPARE(r.iCodice, 1);
    // the check's line (the area has no picture) comes before the export's own message
    QVERIFY2(r.err.startsWith("ombrix: la verifica ha trovato 1 errore (ombrix --check " + p.fDb().toUtf8() + ")\n" +
                              p.fMaps().toUtf8() + ": "),
             r.err.constData());
    QVERIFY(!QFileInfo::exists(p.fOut()));
}

void TstExportCli::usageErrorsAndVersion()
{
    // a usage error gives the usage (in Italian, the default) on stderr and exit code 2
    for (const QStringList &as :
         {QStringList{"--export"}, QStringList{"--nonsense"}, QStringList{"--export", "a.omb", "--check", "a.omb"}}) {
        const TEsito e = fEsporta(as);
        QCOMPARE(e.iCodice, 2);
        QVERIFY2(e.err.contains("Utilizzo:") && e.out.isEmpty(), e.err.constData());
    }
    const TEsito v = fEsporta({QStringLiteral("--version")});
    QCOMPARE(v.iCodice, 0);
    QCOMPARE(v.out, QByteArray("Ombrix 160131-A\n"));
    const TEsito h = fEsporta({QStringLiteral("--help")});
    QCOMPARE(h.iCodice, 0);
    QVERIFY(h.out.contains("--export"));
    QTemporaryDir dir;
    const TEsito d = fEsporta({QStringLiteral("--export"), dir.path()});
    QCOMPARE(d.iCodice, 1);
    QVERIFY(d.err.contains(dir.path().toUtf8()));
}

QTEST_GUILESS_MAIN(TstExportCli)
#include "tst_exportcli.moc"
