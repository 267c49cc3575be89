// The export under hostile files, faults and a second user: it writes only
// inside the project, never two at once, fails before touching "out" when the
// database or its values cannot be exported, never blocks on a picture, and
// reports a full disk without leaving half a record.

#include "export/exportrun.h"
#include "export/maplines.h"
#include "exportfixture.h"
#include "helpers/lingueprova.h"
#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/uty.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <functional>

#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList fFileIn(const QString &sDir)
{
    return QDir(sDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

/** A project with two areas, pictures and a labelled object, exported once. */
void pProgettoEsportato(TProgettoProva &p)
{
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    p.pArea(2, 0, 0, QStringLiteral("due"));
    pScriviJpeg(p.fImmagine(1), 24, 16, JCS_RGB);
    pScriviJpeg(p.fImmagine(2), 24, 16, JCS_RGB);
    p.pSensore(1, 2, 7, 32, 100, 50, 0, 0, 110, 60, 1, 2, QStringLiteral("Porta"));
    pEsportaProgetto(p.fP());
}

/** Every file of a folder with its bytes. */
QMap<QString, QByteArray> fContenuto(const QString &sDir)
{
    QMap<QString, QByteArray> m;
    for (const QString &s : QDir(sDir).entryList(QDir::Files | QDir::Hidden))
        m[s] = fLeggiFile(sDir + QLatin1Char('/') + s);
    return m;
}

} // namespace

class TstExportSafety : public QObject
{
    Q_OBJECT

private slots:
    void writesStayInsideTheProject_data();
    void writesStayInsideTheProject();
    void oneExportAtATime();
    void lockOfADeadProcessIsTakenOver();
    void walDatabaseExports();
    void lockedDatabaseFailsBeforeOutIsEmptied();
    void fullIdsAndNumbers_data();
    void fullIdsAndNumbers();
    void valuesNoLineCanCarry_data();
    void valuesNoLineCanCarry();
    void nonRegularPictureIsRefusedAtOnce_data();
    void nonRegularPictureIsRefusedAtOnce();
    void fullDiskNamesTheReasonAndKeepsWholeRecords();
};

void TstExportSafety::writesStayInsideTheProject_data()
{
    pColonnaLingua();
    for (const QString &sLingua : fLingue())
        fRiga("refusals", sLingua);
}

void TstExportSafety::writesStayInsideTheProject()
{
    QFETCH(QString, lingua);
    const TLinguaDiProva parla(lingua);
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    pScriviJpeg(p.fImmagine(1), 24, 16, JCS_RGB);
    QTemporaryDir fuori;
    const QString sVittima = fuori.filePath(QStringLiteral("vittima.txt"));
    const QByteArray vittima("outside the project\n");
    pScriviFile(sVittima, vittima);

    // a planted link at a working name, a link to an outside file, a
    // sub-folder, a hidden file and a killed export's leftover
    QVERIFY(QFile::link(sVittima, p.fOut() + QStringLiteral(".file0001.bmp.part")));
    QVERIFY(QFile::link(sVittima, p.fOut() + QStringLiteral("collegamento.txt")));
    QVERIFY(QDir(p.fOut()).mkpath(QStringLiteral("sotto")));
    pScriviFile(p.fOut() + QStringLiteral("sotto/resta.txt"), "x");
    pScriviFile(p.fOut() + QStringLiteral(".nascosto"), "x");
    pScriviFile(p.fOut() + QStringLiteral(".file0007.bmp.Ab12Cd.part"), "half a bitmap");
    pEsportaProgetto(p.fP());
    QCOMPARE(fLeggiFile(sVittima), vittima);
    QCOMPARE(fFileIn(p.fOut()), QStringList({".nascosto", "file0001.bmp", "maps.txt", "sotto"}));
    QCOMPARE(fFileIn(p.fOut() + QStringLiteral("sotto")), QStringList({"resta.txt"}));

    // "out" as a link to another folder, or as a file: refused, nothing changes
    const QString sOut = p.fRoot() + QStringLiteral("out");
    QVERIFY(QDir(sOut).removeRecursively());
    QVERIFY(QFile::link(fuori.path(), sOut));
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }),
             sOut + fIn(lingua, ": è un collegamento simbolico, non una cartella del progetto",
                        ": is a symbolic link, not a folder of the project"));
    QCOMPARE(fFileIn(fuori.path()), QStringList({"vittima.txt"}));
    QCOMPARE(fLeggiFile(sVittima), vittima);
    QVERIFY(QFile::remove(sOut));
    pScriviFile(sOut, "a file");
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }),
             sOut + fIn(lingua, ": Non è una cartella", ": Not a directory"));
    QCOMPARE(fLeggiFile(sOut), QByteArray("a file"));
}

void TstExportSafety::oneExportAtATime()
{
    TProgettoProva p;
    pProgettoEsportato(p);
    const QByteArray maps = fLeggiFile(p.fMaps());
    // while this export runs, a second one (the command line) is started: it
    // fails at once, exit code 1, and the first one writes the right file
    for (int iProva = 0; iProva < 20; ++iProva) {
        int iCodice = -2;
        QByteArray err;
        pEsportaProgetto(p.fP(), [&](int iFatte, int) {
            if (iFatte == 1)
                iCodice = fEsegui(QStringLiteral(OMBRIX_BIN), {QStringLiteral("--export"), p.fDb()}, nullptr, &err);
        });
        QCOMPARE(iCodice, 1);
        QCOMPARE(QString::fromUtf8(err), fMessaggioEsportazioneInCorso() + QStringLiteral(": ") + p.fRoot() + "\n");
        QCOMPARE(fLeggiFile(p.fMaps()), maps);
    }
}

void TstExportSafety::lockOfADeadProcessIsTakenOver()
{
    TProgettoProva p;
    pProgettoEsportato(p);
    // the lock file of an export that was killed: its process is gone
    QProcess morto;
    morto.start(QStringLiteral("true"));
    QVERIFY(morto.waitForFinished());
    const qint64 iPid = morto.processId() ? morto.processId() : 999999;
    pScriviFile(p.fRoot() + QStringLiteral(".ombrix-export.lock"),
                QByteArray::number(iPid) + "\nombrix\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }), QString());
    QVERIFY(!QFileInfo::exists(p.fRoot() + QStringLiteral(".ombrix-export.lock")));
}

void TstExportSafety::walDatabaseExports()
{
    TProgettoProva p;
    p.pSql(QStringLiteral("PRAGMA journal_mode=WAL"));
    pProgettoEsportato(p);
    const QByteArray maps = fLeggiFile(p.fMaps());
    QVERIFY(maps.endsWith(fCreaEnd().toLatin1() + "\r\n"));
    p.pChiudi();
    QByteArray err;
    QCOMPARE(fEsegui(QStringLiteral(OMBRIX_BIN), {QStringLiteral("--export"), p.fDb()}, nullptr, &err), 0);
    QCOMPARE(fLeggiFile(p.fMaps()), maps);
}

void TstExportSafety::lockedDatabaseFailsBeforeOutIsEmptied()
{
    const int iPrima = TSqlConn::iGlobBusyTimeout;
    TSqlConn::iGlobBusyTimeout = 50;
    {
        TProgettoProva p;
        pProgettoEsportato(p);
        const QMap<QString, QByteArray> out = fContenuto(p.fOut());
        // another program holds the write lock and never lets go
        sqlite3 *pAltro = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(p.fDb()).constData(), &pAltro), SQLITE_OK);
        QCOMPARE(sqlite3_exec(pAltro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }), p.fDb() + QStringLiteral(": database is locked"));
        QCOMPARE(fContenuto(p.fOut()), out);
        sqlite3_exec(pAltro, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(pAltro);
    }
    TSqlConn::iGlobBusyTimeout = iPrima;
}

void TstExportSafety::fullIdsAndNumbers_data()
{
    QTest::addColumn<qint64>("iId");
    QTest::newRow("2^31+5") << (qint64(1) << 31) + 5;
    QTest::newRow("2^40") << (qint64(1) << 40);
    QTest::newRow("2^63-1") << std::numeric_limits<qint64>::max();
}

void TstExportSafety::fullIdsAndNumbers()
{
    QFETCH(qint64, iId);
    const QString s = QString::number(iId);
    TProgettoProva p;
    p.pSql(QStringLiteral("insert into tbarea values (%1, 0, 0, 'grande', 0)").arg(s));
    p.pSql(QStringLiteral("insert into tbarea values (3, 1, %1, 'dettaglio', 0)").arg(s));
    pScriviJpeg(p.fRoot() + QStringLiteral("areas/img_") + s + QStringLiteral(".jpg"), 8, 8, JCS_RGB);
    p.pSql(QStringLiteral("insert into tbsensori (_id, area_id, area_zoom, NumSensore, IconSize, TipoSensore, "
                          "Orientamento) values (%1, %2, %2, %2, 32, 3, 0)")
               .arg(iId - 1)
               .arg(s));
    p.pSql(QStringLiteral("insert into tbsensori (_id, area_id, NumSensore, IconSize, TipoSensore, Orientamento) "
                          "values (%1, %1, %1, 16, 6, 0)")
               .arg(s));
    pEsportaProgetto(p.fP());
    const QStringList asRighe = fRighe(fLeggiFile(p.fMaps()));
    QVERIFY(asRighe.contains(
        QStringLiteral("Iimg,---,file") + s + QStringLiteral(".bmp----,") + s +
        QStringLiteral(",---,---,---,---,--,---,00,---,---,---,---,--,---,00,---,---,---,---,--,---,") + fCreaTbd()));
    QVERIFY(asRighe.contains(fCreaTxtIO(QStringLiteral("Tpre"), iId, 0, 32, 180, 18, 0, 0, 0, 0, 0, 0, QString())));
    QVERIFY(asRighe.contains(fCreaTxtIO(QStringLiteral("Tsup"), iId, 0, 32, 270, 18, 0, 0, 0, 0, 0, 0, QString())));
    QVERIFY(asRighe.contains(
        QStringLiteral("Tinf,---,----------------,") + s +
        QStringLiteral(",016,016,---,---,32,---,--,---,---,---,---,--,---,--,---,---,---,---,--,---,") + fCreaTbd()));
    QVERIFY(asRighe.contains(
        QStringLiteral("Olmp,") + s + QStringLiteral(",----------------,") + s +
        QStringLiteral(",008,008,---,---,16,---,--,---,---,---,---,--,---,--,---,---,---,---,--,---,") + fCreaTbd()));
    QCOMPARE(fFileIn(p.fOut()), QStringList({QStringLiteral("file") + s + QStringLiteral(".bmp"), "maps.txt"}));
}

void TstExportSafety::valuesNoLineCanCarry_data()
{
    pColonnaLingua();
    QTest::addColumn<QString>("sSql");
    QTest::addColumn<QString>("sErrore");
    const QString sTesto = QStringLiteral("update tbsensori set Testo = 'Por' || char(%1) || 'ta'");
    for (const QString &l : fLingue()) {
        const QString sEtichetta = fIn(l, "tbsensori, oggetto 1, colonna Testo: carattere di controllo nell'etichetta",
                                       "tbsensori, object 1, column Testo: control character in the label");
        for (int c : {13, 10, 0, 9, 127})
            fRiga(qPrintable(QStringLiteral("label %1").arg(c)), l) << sTesto.arg(c) << sEtichetta;
        fRiga("name LF", l) << "update tbarea set NomeArea = 'a' || char(10) || 'Sper,001' where _id = 2"
                            << fIn(l, "tbarea, area 2, colonna NomeArea: carattere di controllo nel nome",
                                   "tbarea, area 2, column NomeArea: control character in the name");
        fRiga("name NUL", l) << "update tbarea set NomeArea = 'a' || char(0) where _id = 1"
                             << fIn(l, "tbarea, area 1, colonna NomeArea: carattere di controllo nel nome",
                                    "tbarea, area 1, column NomeArea: control character in the name");
        fRiga("fraction", l) << "update tbsensori set CoordX = 1.5"
                             << fIn(l, "tbsensori, oggetto 1, colonna CoordX: \"1.5\" non è un numero intero",
                                    "tbsensori, object 1, column CoordX: \"1.5\" is not a whole number");
        fRiga("text", l) << "update tbsensori set NumSensore = 'sette'"
                         << fIn(l, "tbsensori, oggetto 1, colonna NumSensore: \"sette\" non è un numero intero",
                                "tbsensori, object 1, column NumSensore: \"sette\" is not a whole number");
        fRiga("overflow", l) << "update tbsensori set CoordY = 9223372036854775807"
                             << fIn(l, "tbsensori, oggetto 1, colonna CoordY: 9223372036854775807 è troppo grande",
                                    "tbsensori, object 1, column CoordY: 9223372036854775807 is too large");
        fRiga("area id", l) << "update tbarea set father_id = 2.5 where _id = 2"
                            << fIn(l, "tbarea, area 2, colonna father_id: \"2.5\" non è un numero intero",
                                   "tbarea, area 2, column father_id: \"2.5\" is not a whole number");
    }
}

void TstExportSafety::valuesNoLineCanCarry()
{
    QFETCH(QString, lingua);
    QFETCH(QString, sSql);
    const TLinguaDiProva parla(lingua);
    QFETCH(QString, sErrore);
    TProgettoProva p;
    pProgettoEsportato(p);
    const QMap<QString, QByteArray> out = fContenuto(p.fOut());
    p.pSql(sSql);
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }), p.fDb() + QStringLiteral(": ") + sErrore);
    QCOMPARE(fContenuto(p.fOut()), out);
}

void TstExportSafety::nonRegularPictureIsRefusedAtOnce_data()
{
    pColonnaLingua();
    for (const QString &sLingua : fLingue())
        fRiga("fifo, folder", sLingua);
}

void TstExportSafety::nonRegularPictureIsRefusedAtOnce()
{
    QFETCH(QString, lingua);
    const TLinguaDiProva parla(lingua);
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    p.pArea(2, 0, 0, QStringLiteral("due"));
    pScriviJpeg(p.fImmagine(1), 24, 16, JCS_RGB);
    QCOMPARE(::mkfifo(QFile::encodeName(p.fImmagine(2)).constData(), 0644), 0);
    QElapsedTimer t;
    t.start();
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }),
             p.fImmagine(2) + fIn(lingua, ": non è un file normale", ": not a regular file"));
    QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    QVERIFY(QFile::remove(p.fImmagine(2)));
    QVERIFY(QDir().mkpath(p.fImmagine(2)));
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }),
             p.fImmagine(2) + fIn(lingua, ": È una cartella", ": Is a directory"));
    QCOMPARE(fFileIn(p.fOut()), QStringList({"file0001.bmp", "maps.txt"}));
}

void TstExportSafety::fullDiskNamesTheReasonAndKeepsWholeRecords()
{
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root");
    TProgettoProva p;
    const QByteArray out = QFile::encodeName(p.fRoot() + QStringLiteral("out"));
    if (::mount("tmpfs", out.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("cannot mount a tmpfs here");
    struct TSmonta
    {
        QByteArray sPath;
        ~TSmonta() { ::umount2(sPath.constData(), MNT_DETACH); }
    } smonta{out};
    for (int i = 1; i <= 150; ++i)
        p.pArea(i, 0, 0, QStringLiteral("area %1").arg(i));
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }),
             p.fMaps() + QStringLiteral(": Spazio esaurito sul dispositivo"));
    // what is there ends with a whole line
    const QByteArray maps = fLeggiFile(p.fMaps());
    QVERIFY(maps.isEmpty() || !fRighe(maps).constFirst().startsWith(QLatin1Char('<')));
    // a bitmap that does not fit
    p.pSql(QStringLiteral("delete from tbarea where _id > 1"));
    pScriviJpeg(p.fImmagine(1), 200, 200, JCS_RGB);
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }),
             p.fOut() + QStringLiteral("file0001.bmp: Spazio esaurito sul dispositivo"));
    QCOMPARE(fFileIn(p.fOut()), QStringList({"maps.txt"}));
}

QTEST_GUILESS_MAIN(TstExportSafety)
#include "tst_exportsafety.moc"
