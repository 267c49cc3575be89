// "ombrix --check" and "ombrix --io" through the real program, with no
// display of any kind: line format, exit codes, CSV quoting, and projects
// that cannot be read, which are never created or changed.

#include "export/exportfixture.h"
#include "helpers/lingueprova.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTest>

namespace {

struct TEsito
{
    int iCodice = -1;
    QByteArray out;
    QByteArray err;
};

TEsito fOmbrix(const QStringList &asArgs)
{
    TEsito r;
    r.iCodice = fEsegui(QStringLiteral(OMBRIX_BIN), asArgs, &r.out, &r.err);
    return r;
}

} // namespace

class TstCheckCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findingsOneLineEachSortedWithExitCode_data();
    void findingsOneLineEachSortedWithExitCode();
    void warningsAloneExitZero();
    void ioListsNumbersAsQuotedCsv();
    void unreadableProjectExitsTwoAndStaysUncreated_data();
    void unreadableProjectExitsTwoAndStaysUncreated();
};

void TstCheckCli::initTestCase()
{
    // the program runs with no display of any kind and no platform chosen
    for (const char *sz : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        qunsetenv(sz);
}

void TstCheckCli::findingsOneLineEachSortedWithExitCode_data()
{
    pColonnaLingua();
    for (const QString &sLingua : fLingue())
        fRiga("four findings", sLingua);
}

void TstCheckCli::findingsOneLineEachSortedWithExitCode()
{
    QFETCH(QString, lingua);
    const auto T = [&](const char *szIt, const char *szEn) { return fIn(lingua, szIt, szEn); };
    TProgettoProva p;
    p.pArea(3, 0, 0, QStringLiteral("Piano terra"));
    p.pArea(1, 0, 0, QStringLiteral("Cantina"));
    pScriviJpeg(p.fImmagine(3), 480, 272, JCS_RGB);
    pScriviJpeg(p.fImmagine(1), 800, 480, JCS_RGB);                                    // avviso, area 1
    const int iFuori = p.pSensore(3, 2, 1000, 32, 470, 100);                           // two errors
    const int iVirgola = p.pSensore(1, 6, 4, 32, 50, 100, 0, 0, 90, 100, 1, 1, "a,b"); // errore
    p.pChiudi();
    const QByteArray prima = QCryptographicHash::hash(fLeggiFile(p.fDb()), QCryptographicHash::Sha256);

    const TEsito r = fOmbrix({QStringLiteral("--lang"), lingua, QStringLiteral("--check"), p.fDb()});
    QCOMPARE(r.iCodice, 1);
    QCOMPARE(QString::fromUtf8(r.err), T("3 errori, 1 avviso\n", "3 errors, 1 warning\n"));
    const QList<QByteArray> aRighe = r.out.split('\n');
    QCOMPARE(aRighe.last(), QByteArray()); // every line ends with a line feed
    QStringList asChiavi;
    for (const QByteArray &riga : aRighe.mid(0, aRighe.size() - 1)) {
        const QStringList as = QString::fromUtf8(riga).split(QLatin1Char('\t'));
        QCOMPARE(as.size(), 5);
        asChiavi << QStringList(as.mid(0, 4)).join(QLatin1Char(' '));
        QVERIFY2(as.at(4).contains(QStringLiteral("Area ") + as.at(1)), riga.constData());
    }
    const QString sAvviso = T("avviso", "warning");
    const QString sErrore = T("errore", "error");
    QCOMPARE(asChiavi, QStringList({sAvviso + " 1 - sfondo-dimensioni",
                                    QStringLiteral("%1 1 %2 carattere-vietato").arg(sErrore).arg(iVirgola),
                                    QStringLiteral("%1 3 %2 numero-fuori-campo").arg(sErrore).arg(iFuori),
                                    QStringLiteral("%1 3 %2 fuori-pannello").arg(sErrore).arg(iFuori)}));
    QVERIFY2(QString::fromUtf8(aRighe.at(2))
                 .endsWith(T("ingresso numero 1000 fuori dal campo 1-999", "input number 1000 outside 1-999")),
             aRighe.at(2).constData());
    QCOMPARE(QCryptographicHash::hash(fLeggiFile(p.fDb()), QCryptographicHash::Sha256), prima);
}

void TstCheckCli::warningsAloneExitZero()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("Casa"));
    pScriviJpeg(p.fImmagine(1), 480, 272, JCS_RGB);
    p.pSensore(1, 11, 1, 32, 100, 100);
    p.pChiudi();
    const TEsito r = fOmbrix({QStringLiteral("--check"), p.fDb()});
    QCOMPARE(r.iCodice, 0);
    QCOMPARE(r.err, QByteArray("0 errori, 1 avviso\n"));
    QVERIFY(r.out.startsWith("avviso\t1\t1\ttipo-sconosciuto\t"));
}

void TstCheckCli::ioListsNumbersAsQuotedCsv()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("Sala, grande"));
    p.pSensore(1, 6, 2, 32, 0, 0, 0, 0, 5, 5, 1, 1, QStringLiteral("Luce \"A\", più"));
    p.pSensore(1, 2, 2, 32, 0, 0);
    p.pChiudi();
    const TEsito r = fOmbrix({QStringLiteral("--io"), p.fDb()});
    QCOMPARE(r.iCodice, 0);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out, QByteArray("classe,numero,tipo,area_id,area,sensore_id,testo\r\n"
                               "ingresso,2,contatto,1,\"Sala, grande\",2,\r\n"
                               "uscita,2,lampada,1,\"Sala, grande\",1,\"Luce \"\"A\"\", pi\xc3\xb9\"\r\n"));
}

void TstCheckCli::unreadableProjectExitsTwoAndStaysUncreated_data()
{
    QTest::addColumn<QString>("sOpzione");
    QTest::addColumn<QByteArray>("contenuto"); // empty: no file at all
    QTest::addColumn<QByteArray>("sMessaggio");
    const QByteArray testo = QByteArray("plain text, long enough to fill a database header page....").repeated(20);
    for (const char *sz : {"--check", "--io"}) {
        QTest::addRow("%s missing", sz) << sz << QByteArray() << QByteArray(": File o cartella inesistente");
        QTest::addRow("%s not a database", sz) << sz << testo << QByteArray(": file is not a database");
    }
}

void TstCheckCli::unreadableProjectExitsTwoAndStaysUncreated()
{
    QFETCH(QString, sOpzione);
    QFETCH(QByteArray, contenuto);
    QFETCH(QByteArray, sMessaggio);
    QTemporaryDir dir;
    const QString sDb = dir.filePath(QStringLiteral("casa.omb"));
    if (!contenuto.isEmpty())
        pScriviFile(sDb, contenuto);
    const TEsito r = fOmbrix({sOpzione, sDb});
    QCOMPARE(r.iCodice, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(r.err.contains(sDb.toUtf8() + sMessaggio), r.err.constData());
    QCOMPARE(fLeggiFile(sDb), contenuto);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             contenuto.isEmpty() ? QStringList() : QStringList{"casa.omb"});
}

QTEST_GUILESS_MAIN(TstCheckCli)
#include "tst_checkcli.moc"
