// Snapshots under hostile files: links, FIFOs and endless files planted in
// the folder "backup" or in a snapshot. Each case runs the real snapshot,
// list and restore on a real project, and checks that every file outside the
// project stays byte for byte as it was, that nothing hangs, and that the
// message names the file and says why.

#include "copiefixture.h"

#include "backup/copie.h"
#include "document/projectdocument.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

/** A folder outside the project with files, a subfolder and a database of its own, as the links point to. */
struct TFuori
{
    QTemporaryDir dir;
    TFuori()
    {
        QDir().mkpath(dir.filePath("sotto"));
        pSostituisci(dir.filePath("a.txt"), "non toccare\n");
        pSostituisci(dir.filePath("sotto/b.txt"), "nemmeno questo\n");
        pScriviJpeg(dir.filePath("img_1.jpg"), Qt::darkGreen);
        pScriviJpeg(dir.filePath("img_2.jpg"), Qt::darkBlue);
    }
    QString fPath(const QString &s = QString()) const { return s.isEmpty() ? dir.path() : dir.filePath(s); }
};

void pCollega(const QString &sA, const QString &sLink)
{
    QVERIFY2(QFile::link(sA, sLink), qPrintable(sLink));
}

void pFifo(const QString &sPath)
{
    QCOMPARE(::mkfifo(QFile::encodeName(sPath).constData(), 0644), 0);
}

/** Puts what pPianta makes at sPath, in place of the file or folder there, if any. */
void pAlPostoDi(const QString &sPath, const std::function<void()> &pPianta)
{
    const QFileInfo fi(sPath);
    if (fi.isDir() && !fi.isSymLink())
        QVERIFY(QDir(sPath).removeRecursively());
    else if (fi.exists())
        QVERIFY(QFile::remove(sPath));
    pPianta();
}

} // namespace

class TstCopieOstili : public QObject
{
    Q_OBJECT

private slots:
    void cleanUpAndPruningStayInBackup_data();
    void cleanUpAndPruningStayInBackup();
    void plantedSnapshotIsRefused_data();
    void plantedSnapshotIsRefused();
};

void TstCopieOstili::cleanUpAndPruningStayInBackup_data()
{
    QTest::addColumn<QString>("sPianta");
    QTest::addColumn<QString>("sAvviso"); // the start of the message, after the file's path; empty: none
    QTest::newRow("avanzo di una copia: collegamento a una cartella") << "avanzo" << QString();
    QTest::newRow("copia potata: collegamento a una cartella") << "copia" << QString();
    QTest::newRow("copia potata: collegamenti dentro") << "dentro" << QString();
    QTest::newRow("archivio delle immagini: collegamento") << "archivio" << QString();
    QTest::newRow("backup: collegamento") << "backup"
                                          << "backup: è un collegamento simbolico";
    QTest::newRow("immagine del progetto: FIFO") << "fifo"
                                                 << "areas/img_9.jpg: non è un file normale";
}

void TstCopieOstili::cleanUpAndPruningStayInBackup()
{
    QFETCH(QString, sPianta);
    QFETCH(QString, sAvviso);
    TCopieFixture fx;
    TFuori fuori;
    const QString sCopie = fCartellaCopie(fx.fRoot());
    QDir().mkpath(sCopie);
    iGlobSnapshot = 1;
    if (sPianta == "avanzo") {
        // named as the working folder of a process that has gone
        pCollega(fuori.fPath(), sCopie + "/.in-corso-999999999-x");
    } else if (sPianta == "copia") {
        pCollega(fuori.fPath(), sCopie + "/20200101-000000");
    } else if (sPianta == "dentro") {
        QDir().mkpath(sCopie + "/20200101-000000");
        pCollega(fuori.fPath(), sCopie + "/20200101-000000/areas");
        pCollega(fuori.fPath("a.txt"), sCopie + "/20200101-000000/casa.omb");
    } else if (sPianta == "archivio") {
        pCollega(fuori.fPath(), sCopie + "/immagini");
    } else if (sPianta == "backup") {
        QVERIFY(QDir(sCopie).removeRecursively());
        pCollega(fuori.fPath(), sCopie);
    } else {
        pFifo(fx.fRoot() + "areas/img_9.jpg");
    }
    const QMap<QString, QByteArray> albero = fAlbero(fuori.fPath());
    {
        TLimiteTempo limite;
        fx.pRiapri();
    }
    QCOMPARE(fAlbero(fuori.fPath()), albero);
    if (sAvviso.isEmpty()) {
        QVERIFY2(fx.asAvvisi.isEmpty(), qPrintable(fx.asAvvisi.join('\n')));
        // the snapshot was made, whole, and only it is left beside the store
        QCOMPARE(fx.fNomiCopie().size(), 1);
        QCOMPARE(fImmagini(fx.fCopia(0) + "/areas"), fImmagini(fx.fRoot() + "areas"));
        QCOMPARE(QDir(sCopie).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList({fx.fNomiCopie().first(), "immagini"}));
        QVERIFY(!QFileInfo(sCopie + "/immagini").isSymLink());
        return;
    }
    // refused, as for a full disk: told, and the project goes on
    QCOMPARE(fx.asAvvisi.size(), 1);
    const QString sAtteso = "Copia automatica non fatta: " + fx.fRoot() + sAvviso;
    QVERIFY2(fx.asAvvisi.first().startsWith(sAtteso), qPrintable(fx.asAvvisi.first()));
    QVERIFY(fx.doc.fAperto());
    if (sPianta == "backup") {
        // nothing is listed or restored through it, and the export says so too
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, fx.doc.fCopie());
        QVERIFY(!fUltimaCopiaSana(fx.fRoot()));
        fx.doc.pChiudiProgetto();
        QProcess p;
        p.start(QStringLiteral(OMBRIX_BIN), {"--export", fx.fDb()});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        const QString sErr = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(sErr.startsWith(sAtteso), qPrintable(sErr));
        QCOMPARE(fAlbero(fuori.fPath()), albero);
    }
}

void TstCopieOstili::plantedSnapshotIsRefused_data()
{
    QTest::addColumn<QString>("sVoce"); // in the snapshot's folder
    QTest::addColumn<QString>("sPianta");
    QTest::addColumn<QString>("sMotivo"); // of the refusal; empty: the snapshot is sound
    QTest::newRow("immagine: collegamento") << "areas/img_1.jpg"
                                            << "link:img_1.jpg"
                                            << "è un collegamento simbolico";
    QTest::newRow("areas: collegamento") << "areas"
                                         << "link:"
                                         << "è un collegamento simbolico";
    QTest::newRow("database: collegamento") << "casa.omb"
                                            << "link:casa.omb"
                                            << "è un collegamento simbolico";
    QTest::newRow("immagine: FIFO") << "areas/img_2.jpg"
                                    << "fifo"
                                    << "non è un file normale";
    QTest::newRow("motivo: FIFO") << "motivo.txt"
                                  << "fifo"
                                  << "non è un file normale";
    QTest::newRow("voce in più: collegamento") << "altro"
                                               << "link:"
                                               << "è un collegamento simbolico";
    QTest::newRow("la copia: collegamento") << ""
                                            << "link:"
                                            << "è un collegamento simbolico";
    // endless on one line: only its beginning is read, and the snapshot is sound
    QTest::newRow("motivo di 100 MB") << "motivo.txt"
                                      << "enorme"
                                      << "";
}

void TstCopieOstili::plantedSnapshotIsRefused()
{
    QFETCH(QString, sVoce);
    QFETCH(QString, sPianta);
    QFETCH(QString, sMotivo);
    TCopieFixture fx;
    TFuori fuori;
    fx.pRiapri();
    const QString sCopia = fx.fCopia(0);
    // the outside folder holds a sound copy of the snapshot, as a link would want it
    QVERIFY(QFile::copy(sCopia + "/casa.omb", fuori.fPath("casa.omb")));
    fx.doc.pAggiungiOggetto(1, 32, QStringLiteral("8"));
    fx.doc.pCambiaSfondo(1, fuori.fPath("img_2.jpg"));
    fx.pRiapri();
    QCOMPARE(fx.fNomiCopie().size(), 2);
    const QList<TCopia> aPrima = fx.doc.fCopie();
    const TCopia listata = aPrima.at(1); // as listed before the planting
    QCOMPARE(listata.sCartella, sCopia);
    QVERIFY(!listata.bDanneggiata);

    const QString sPath = sVoce.isEmpty() ? sCopia : sCopia + "/" + sVoce;
    pAlPostoDi(sPath, [&] {
        if (sPianta.startsWith("link:"))
            pCollega(fuori.fPath(sPianta.mid(5)), sPath);
        else if (sPianta == "fifo")
            pFifo(sPath);
        else {
            QFile f(sPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("ripristino di prova");
            QVERIFY(f.resize(100 * 1024 * 1024)); // the rest a hole: zeros, no line end
        }
    });
    const QMap<QString, QByteArray> albero = fAlbero(fuori.fPath());
    const QStringList asTabelle = fTabelle(fx.fDb());
    const QMap<QString, QByteArray> immagini = fImmagini(fx.fRoot() + "areas");

    TLimiteTempo limite;
    const QList<TCopia> aCopie = fx.doc.fCopie();
    QCOMPARE(aCopie.size(), 2);
    const TCopia &c = aCopie.at(1);
    if (sMotivo.isEmpty()) {
        QVERIFY2(!c.bDanneggiata, qPrintable(c.sDifetto));
        QVERIFY(c.sMotivo.startsWith("ripristino di prova"));
        QVERIFY(c.sMotivo.size() <= 1024);
        fx.doc.pRipristina(c);
        QCOMPARE(fImmagini(fx.fRoot() + "areas"), fImmagini(sCopia + "/areas"));
        QCOMPARE(fAlbero(fuori.fPath()), albero);
        return;
    }
    QVERIFY(c.bDanneggiata);
    QVERIFY2(c.sDifetto == sPath + ": " + sMotivo, qPrintable(c.sDifetto));
    // whether the list saw it or not, the restore refuses it and changes nothing
    for (const TCopia &daRipristinare : {c, listata}) {
        try {
            fx.doc.pRipristina(daRipristinare);
            QFAIL("a planted snapshot was restored");
        } catch (const TOmbrixError &e) {
            QVERIFY2(e.fMessage().contains("copia danneggiata") && e.fMessage().contains(sPath + ": " + sMotivo),
                     qPrintable(e.fMessage()));
        }
        QVERIFY(fx.doc.fAperto());
        QCOMPARE(fTabelle(fx.fDb()), asTabelle);
        QCOMPARE(fImmagini(fx.fRoot() + "areas"), immagini);
        QCOMPARE(fAlbero(fuori.fPath()), albero);
    }
    // and a damaged project is never opened from it
    QCOMPARE(fUltimaCopiaSana(fx.fRoot())->sCartella, fx.fCopia(0));
}

QTEST_GUILESS_MAIN(TstCopieOstili)
#include "tst_copieostili.moc"
