// One editor per project, the automatic snapshots in "backup", restoring
// them, a damaged database opened from a snapshot, and edits that survive a
// process killed at any moment: all on real project folders.

#include "copiefixture.h"

#include "backup/copie.h"
#include "document/projectdocument.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QBuffer>
#include <QColor>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <csignal>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/** A process of the test helper on sDb in mode sModo, once it has said "pronto" (or has failed). */
std::unique_ptr<QProcess> fAvvia(const QString &sModo, const QString &sDb)
{
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral(OMBRIX_PROCESSO_PROVA), {sModo, sDb});
    p->waitForStarted();
    while (p->state() == QProcess::Running && !p->canReadLine())
        p->waitForReadyRead(100);
    return p;
}

void pUccidi(QProcess &p)
{
    ::kill(pid_t(p.processId()), SIGKILL);
    p.waitForFinished();
}

} // namespace

class TstCopie : public QObject
{
    Q_OBJECT

private slots:
    void oneEditorPerProject();
    void snapshots();
    void restoreAndTakeItBack();
    void damagedSnapshotIsRefused_data();
    void damagedSnapshotIsRefused();
    void corruptDatabaseOpensFromSnapshot_data();
    void corruptDatabaseOpensFromSnapshot();
    void killedWhileEditingKeepsAPrefix();
    void changesMakeASnapshotOfItsOwn_data();
    void changesMakeASnapshotOfItsOwn();
    void storedPicturesGoWithTheirSnapshots();
    void snapshotsOfAnEarlierVersion();
};

void TstCopie::oneEditorPerProject()
{
    TCopieFixture fx;
    // a second document, with a project of its own open, is refused and keeps its own
    QTemporaryDir altroDir;
    TProjectDocument altro;
    altro.pNuovoProgetto(altroDir.path(), QStringLiteral("villa"));
    const QString sVilla = altro.fDatabase();
    for (const auto &fn : {std::function<void()>([&] { altro.pApriProgetto(fx.fDb()); }), std::function<void()>([&] {
                               altro.pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa"));
                           })}) {
        try {
            fn();
            QFAIL("opened twice");
        } catch (const TOmbrixError &e) {
            QVERIFY2(e.fMessage().startsWith(QStringLiteral("Il progetto è già aperto")), qPrintable(e.fMessage()));
            QVERIFY2(e.fMessage().contains(QString::number(QCoreApplication::applicationPid())),
                     qPrintable(e.fMessage()));
            QVERIFY2(e.fMessage().contains(QSysInfo::machineHostName()), qPrintable(e.fMessage()));
        }
        QVERIFY(altro.fAperto());
        QCOMPARE(altro.fDatabase(), sVilla);
        QCOMPARE(altro.fAree().fCount(), 1);
    }
    QCOMPARE(fx.doc.fAree().fCount(), 2); // the holder goes on as it was
    QVERIFY(fx.doc.pAggiungiOggetto(6, 32, QStringLiteral("5")) > 0);
    fx.pRiapri(); // its own project again: the lock is its own

    // the read-only command-line options and the export work meanwhile
    for (const char *sz : {"--check", "--io", "--export"}) {
        QProcess p;
        p.start(QStringLiteral(OMBRIX_BIN), {QString::fromLatin1(sz), fx.fDb()});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 0,
                 qPrintable(QString::fromLatin1(sz) + QString::fromLocal8Bit(p.readAllStandardError())));
    }

    // a process holding it refuses it too; killed, its lock is taken over without a word
    fx.doc.pChiudiProgetto();
    std::unique_ptr<QProcess> pFiglio = fAvvia(QStringLiteral("tieni"), fx.fDb());
    QCOMPARE(pFiglio->readLine().trimmed(), QByteArray("pronto"));
    QVERIFY_THROWS_EXCEPTION(TOmbrixError, fx.pRiapri());
    QVERIFY(!fx.doc.fAperto());
    pUccidi(*pFiglio);
    QVERIFY(QFileInfo::exists(fx.fRoot() + QStringLiteral(".ombrix.lock"))); // left behind
    fx.pRiapri();
    QVERIFY(fx.doc.fAperto());
    // and now the child is refused
    pFiglio = fAvvia(QStringLiteral("tieni"), fx.fDb());
    QVERIFY(pFiglio->state() == QProcess::NotRunning || pFiglio->waitForFinished(30000));
    QCOMPARE(pFiglio->exitCode(), 1);
    QVERIFY(pFiglio->readAllStandardError().startsWith("Il progetto è già aperto"));
    // closing lets it go
    fx.doc.pChiudiProgetto();
    QVERIFY(!QFileInfo::exists(fx.fRoot() + QStringLiteral(".ombrix.lock")));
}

void TstCopie::snapshots()
{
    TCopieFixture fx;
    QVERIFY(fx.fNomiCopie().isEmpty()); // a new project has nothing to keep yet
    fx.pRiapri();
    QCOMPARE(fx.fNomiCopie().size(), 1);
    const QString sPrima = fx.fCopia(0);
    QVERIFY(
        QRegularExpression(QStringLiteral("^[0-9]{8}-[0-9]{6}(-[0-9]+)?$")).match(fx.fNomiCopie().first()).hasMatch());
    QCOMPARE(QDir(sPrima).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"areas", "casa.omb", "impronta.txt", "motivo.txt"}));
    QCOMPARE(fLeggi(sPrima + "/motivo.txt"), QByteArray("apertura del progetto\n"));
    QCOMPARE(fTabelle(sPrima + "/casa.omb"), fTabelle(fx.fDb()));
    QCOMPARE(fImmagini(sPrima + "/areas"), fImmagini(fx.fRoot() + "areas"));
    QVERIFY(fInode(sPrima + "/areas/img_2.jpg") != fInode(fx.fImg(2))); // never the project's own file

    // opened again unchanged, many times: still one
    for (int i = 0; i < 5; ++i)
        fx.pRiapri();
    QCOMPARE(fx.fNomiCopie().size(), 1);

    // a picture replaced while no editor was open makes a new one; the old one keeps the old bytes
    const QByteArray abRosso = fLeggi(fx.fImg(2));
    fx.doc.pChiudiProgetto();
    QImage blu(24, 16, QImage::Format_RGB32);
    blu.fill(Qt::blue);
    QByteArray abBlu;
    {
        QBuffer b(&abBlu);
        b.open(QIODevice::WriteOnly);
        blu.save(&b, "JPG");
    }
    pSostituisci(fx.fImg(2), abBlu);
    fx.pRiapri();
    QCOMPARE(fx.fNomiCopie().size(), 2);
    QCOMPARE(fLeggi(sPrima + "/areas/img_2.jpg"), abRosso);
    QCOMPARE(fLeggi(fx.fCopia(0) + "/areas/img_2.jpg"), abBlu);

    // before an area is deleted: none when nothing changed since the last one, one after a change
    fx.doc.pEliminaArea(2);
    QCOMPARE(fx.fNomiCopie().size(), 2);
    fx.doc.fUndoStack()->undo();
    fx.doc.pMostraArea(2);
    fx.doc.pAggiungiOggetto(1, 32, QStringLiteral("7"));
    fx.doc.pEliminaArea(2);
    QCOMPARE(fx.fNomiCopie().size(), 3);
    QCOMPARE(fLeggi(fx.fCopia(0) + "/motivo.txt"), QByteArray("prima dell'eliminazione dell'area 2 (primo)\n"));
    QCOMPARE(fTabelle(fx.fCopia(0) + "/casa.omb").size(), fTabelle(fx.fDb()).size() + 3); // the area, two objects

    // the count is kept at the setting; the most recent stay
    iGlobSnapshot = 3;
    QStringList asFatte;
    for (int i = 0; i < 4; ++i) {
        fx.doc.pAggiungiAreaBase(QStringLiteral("a%1").arg(i));
        fx.pRiapri();
        asFatte.prepend(fx.fNomiCopie().first());
    }
    QCOMPARE(fx.fNomiCopie(), asFatte.mid(0, 3));
    QCOMPARE(fx.fNomiCopie().size(), 3);
    QVERIFY(fx.asAvvisi.isEmpty());

    // one that cannot be made (no folder "backup" can be made) is told, and the command goes on
    const QString sCopie = fCartellaCopie(fx.fRoot());
    QVERIFY(QDir().rename(sCopie, sCopie + "-via"));
    QFile intralcio(sCopie);
    QVERIFY(intralcio.open(QIODevice::WriteOnly));
    intralcio.close();
    fx.doc.pAggiungiAreaBase(QStringLiteral("b"));
    const qint64 iUltima = fx.doc.fAree().fRows().last().iId;
    fx.doc.pEliminaArea(iUltima);
    QCOMPARE(fx.asAvvisi.size(), 1);
    QVERIFY2(fx.asAvvisi.first().startsWith("Copia automatica non fatta: " + sCopie), qPrintable(fx.asAvvisi.first()));
    QVERIFY(!fx.doc.fArea(iUltima));
}

void TstCopie::restoreAndTakeItBack()
{
    TCopieFixture fx;
    fx.pRiapri();
    const QString sCopia = fx.fCopia(0);
    const QStringList asTabelle = fTabelle(fx.fDb());
    const QMap<QString, QByteArray> immagini = fImmagini(fx.fRoot() + "areas");

    // later: an area deleted, one added, a picture replaced, an object added
    fx.doc.pEliminaArea(2);
    fx.doc.pAggiungiAreaBase(QStringLiteral("nuova"));
    pScriviJpeg(fx.dir.filePath("verde.jpg"), Qt::green);
    fx.doc.pCambiaSfondo(1, fx.dir.filePath("verde.jpg"));
    fx.doc.pMostraArea(1);
    fx.doc.pAggiungiOggetto(1, 32, QStringLiteral("9"));
    const QStringList asDopo = fTabelle(fx.fDb());
    const QMap<QString, QByteArray> immaginiDopo = fImmagini(fx.fRoot() + "areas");
    QVERIFY(fx.doc.fUndoStack()->canUndo());

    QList<TCopia> aCopie = fx.doc.fCopie();
    const auto it = std::find_if(aCopie.begin(), aCopie.end(), [&](const TCopia &c) { return c.sCartella == sCopia; });
    QVERIFY(it != aCopie.end());
    QCOMPARE(it->sMotivo, QStringLiteral("apertura del progetto"));
    QCOMPARE(it->nAree, 2);
    QCOMPARE(it->nOggetti, 1);
    QVERIFY(!it->bDanneggiata);
    fx.doc.pRipristina(*it);
    QCOMPARE(fTabelle(fx.fDb()), asTabelle);
    QCOMPARE(fImmagini(fx.fRoot() + "areas"), immagini);
    QVERIFY(!fx.doc.fUndoStack()->canUndo());
    QCOMPARE(fx.doc.fAree().fCount(), 2);
    QVERIFY(fx.doc.fAperto());

    // the automatic one made before it gives back the state before
    aCopie = fx.doc.fCopie();
    QVERIFY(aCopie.first().sMotivo.startsWith(QStringLiteral("prima del ripristino della copia ")));
    fx.doc.pRipristina(aCopie.first());
    QCOMPARE(fTabelle(fx.fDb()), asDopo);
    QCOMPARE(fImmagini(fx.fRoot() + "areas"), immaginiDopo);
    QCOMPARE(fIntegrita(fx.fDb()), QStringLiteral("ok"));
}

void TstCopie::damagedSnapshotIsRefused_data()
{
    QTest::addColumn<QString>("sGuasto");
    QTest::newRow("database rovinato") << "db";
    QTest::newRow("immagine mancante") << "img";
    QTest::newRow("database mancante") << "nodb";
}

void TstCopie::damagedSnapshotIsRefused()
{
    QFETCH(QString, sGuasto);
    TCopieFixture fx;
    fx.pRiapri();
    const QString sCopia = fx.fCopia(0);
    if (sGuasto == "db") {
        QFile f(sCopia + "/casa.omb");
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(4096 + 8);
        f.write(QByteArray(3000, '\x5a')); // the second page, past its header
    } else if (sGuasto == "img") {
        QVERIFY(QFile::remove(sCopia + "/areas/img_2.jpg"));
    } else {
        QVERIFY(QFile::remove(sCopia + "/casa.omb"));
    }
    fx.doc.pEliminaArea(2);
    const QStringList asPrima = fTabelle(fx.fDb());
    const QList<TCopia> aCopie = fx.doc.fCopie();
    QCOMPARE(aCopie.size(), 2);
    QCOMPARE(aCopie.at(1).sCartella, sCopia);
    QVERIFY(aCopie.at(1).bDanneggiata);
    QVERIFY(!aCopie.at(1).sDifetto.isEmpty());
    QVERIFY(!aCopie.at(0).bDanneggiata);
    QVERIFY_THROWS_EXCEPTION(TOmbrixError, fx.doc.pRipristina(aCopie.at(1)));
    QVERIFY(fx.doc.fAperto());
    QCOMPARE(fTabelle(fx.fDb()), asPrima);
    QCOMPARE(fx.fNomiCopie().size(), 2); // nothing was made for it
    QVERIFY(!fUltimaCopiaSana(fx.fRoot())->bDanneggiata);
}

void TstCopie::corruptDatabaseOpensFromSnapshot_data()
{
    QTest::addColumn<int>("iPosizione");
    QTest::addColumn<int>("iQuanti");
    QTest::newRow("intestazione") << 0 << 100;
    QTest::newRow("pagina di una tabella") << 4096 + 8 << 3000;
}

void TstCopie::corruptDatabaseOpensFromSnapshot()
{
    QFETCH(int, iPosizione);
    QFETCH(int, iQuanti);
    TCopieFixture fx;
    fx.pRiapri();
    const QStringList asTabelle = fTabelle(fx.fDb());
    const QMap<QString, QByteArray> immagini = fImmagini(fx.fRoot() + "areas");
    fx.doc.pChiudiProgetto();
    QStringList asDanneggiati;
    for (int iVolta = 0; iVolta < 2; ++iVolta) { // twice in the same second: nothing is overwritten
        {
            QFile f(fx.fDb());
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(iPosizione);
            f.write(QByteArray(iQuanti, char('\x41' + iVolta)));
        }
        const QByteArray abRotto = fLeggi(fx.fDb());
        try {
            fx.pRiapri();
            QFAIL("a damaged database was opened");
        } catch (const TProgettoDanneggiato &e) {
            QVERIFY2(e.fMessage().contains(fx.fDb()), qPrintable(e.fMessage()));
            QVERIFY2(e.fMessage().endsWith("Il database del progetto è danneggiato."), qPrintable(e.fMessage()));
        }
        QVERIFY(!fx.doc.fAperto());
        const std::optional<TCopia> copia = fUltimaCopiaSana(fx.fRoot());
        QVERIFY(copia);
        fx.doc.pApriDaCopia(fx.fDb(), *copia);
        QVERIFY(fx.doc.fAperto());
        QCOMPARE(fx.doc.fAree().fCount(), 2);
        QCOMPARE(fTabelle(fx.fDb()), asTabelle);
        QCOMPARE(fImmagini(fx.fRoot() + "areas"), immagini);
        const QStringList asNomi = QDir(fx.fRoot()).entryList({"casa.omb.danneggiato-*"}, QDir::Files, QDir::Name);
        QCOMPARE(asNomi.size(), iVolta + 1);
        for (const QString &s : asNomi)
            if (!asDanneggiati.contains(s)) {
                QVERIFY(
                    QRegularExpression("^casa\\.omb\\.danneggiato-[0-9]{8}-[0-9]{6}(-[0-9]+)?$").match(s).hasMatch());
                QCOMPARE(fLeggi(fx.fRoot() + s), abRotto);
                asDanneggiati << s;
            }
        fx.doc.pChiudiProgetto();
    }
}

void TstCopie::killedWhileEditingKeepsAPrefix()
{
    TCopieFixture fx;
    fx.doc.pChiudiProgetto();
    qint64 iMostrati = 0;
    for (int iVolta = 0; iVolta < 20; ++iVolta) {
        std::unique_ptr<QProcess> p = fAvvia(QStringLiteral("modifica"), fx.fDb());
        QCOMPARE(p->readLine().trimmed(), QByteArray("pronto"));
        QTest::qWait(int(QRandomGenerator::global()->bounded(20, 400)));
        pUccidi(*p);
        // every number it printed was on disk when it printed it
        for (const QByteArray &ab : p->readAllStandardOutput().split('\n'))
            if (!ab.trimmed().isEmpty())
                iMostrati = qMax(iMostrati, ab.trimmed().toLongLong());
        QCOMPARE(fIntegrita(fx.fDb()), QStringLiteral("ok"));
        sqlite3 *pDb = nullptr;
        QCOMPARE(sqlite3_open_v2(fx.fDb().toUtf8().constData(), &pDb, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        sqlite3_stmt *pStmt = nullptr;
        QCOMPARE(sqlite3_prepare_v2(pDb, "SELECT NumSensore FROM tbsensori WHERE TipoSensore = 6 ORDER BY _id", -1,
                                    &pStmt, nullptr),
                 SQLITE_OK);
        QList<qint64> aiNumeri;
        while (sqlite3_step(pStmt) == SQLITE_ROW)
            aiNumeri << sqlite3_column_int64(pStmt, 0);
        sqlite3_finalize(pStmt);
        sqlite3_close(pDb);
        // the lamp of the fixture (4), then 5, 6, 7...: a prefix of the edits, holding every one shown
        QVERIFY(!aiNumeri.isEmpty());
        for (qsizetype i = 1; i < aiNumeri.size(); ++i)
            QCOMPARE(aiNumeri.at(i), aiNumeri.at(i - 1) + 1);
        QVERIFY2(aiNumeri.last() >= iMostrati,
                 qPrintable(QStringLiteral("%1 < %2").arg(aiNumeri.last()).arg(iMostrati)));
    }
    QVERIFY(iMostrati > 0);
}

namespace {

/** The inodes of the files of a folder. */
QSet<ino_t> fInodi(const QString &sDir)
{
    QSet<ino_t> s;
    for (const QString &sNome : QDir(sDir).entryList(QDir::Files | QDir::Hidden | QDir::System))
        s.insert(fInode(sDir + QLatin1Char('/') + sNome));
    return s;
}

/** Every snapshot's pictures are links to the stored copies, each stored copy is linked by a snapshot, and no
 *  snapshot shares a file with the project. */
void pVerificaArchivio(const TCopieFixture &fx)
{
    const QString sArchivio = fCartellaCopie(fx.fRoot()) + QStringLiteral("/immagini");
    const QSet<ino_t> archivio = fInodi(sArchivio);
    QSet<ino_t> collegate;
    for (const QString &sNome : fx.fNomiCopie())
        collegate += fInodi(fCartellaCopie(fx.fRoot()) + QLatin1Char('/') + sNome + QStringLiteral("/areas"));
    QCOMPARE(collegate, archivio);
    QVERIFY(!collegate.intersects(fInodi(fx.fRoot() + QStringLiteral("areas"))));
    // and each stored copy is named by its contents
    for (const QString &sNome : QDir(sArchivio).entryList(QDir::Files))
        QCOMPARE(sNome, QString::fromLatin1(QCryptographicHash::hash(fLeggi(sArchivio + QLatin1Char('/') + sNome),
                                                                     QCryptographicHash::Blake2b_256)
                                                .toHex()));
}

QByteArray fJpeg(const QColor &colore)
{
    QImage img(24, 16, QImage::Format_RGB32);
    img.fill(colore);
    QByteArray ab;
    QBuffer b(&ab);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "JPG");
    return ab;
}

} // namespace

void TstCopie::changesMakeASnapshotOfItsOwn_data()
{
    QTest::addColumn<QString>("sCambio");
    QTest::addColumn<QStringList>("asLette"); // the project's pictures the new snapshot reads
    QTest::newRow("oggetto mosso da un altro programma") << "db" << QStringList();
    QTest::newRow("database in WAL, ancora aperto altrove") << "wal" << QStringList();
    QTest::newRow("immagine sostituita") << "sostituita" << QStringList{"img_2.jpg"};
    // same inode, same size, its time put back: only the change time tells
    QTest::newRow("immagine riscritta sul posto") << "sulposto" << QStringList{"img_2.jpg"};
    QTest::newRow("immagine aggiunta") << "aggiunta" << QStringList{"img_9.jpg"};
}

void TstCopie::changesMakeASnapshotOfItsOwn()
{
    QFETCH(QString, sCambio);
    QFETCH(QStringList, asLette);
    TCopieFixture fx;
    pAttendiOrologio();
    fx.pRiapri();
    fx.doc.pAggiungiOggetto(1, 32, QStringLiteral("8"));
    pAttendiOrologio();
    fx.pRiapri();
    QCOMPARE(fx.fNomiCopie().size(), 2);
    pVerificaArchivio(fx);
    QCOMPARE(QDir(fCartellaCopie(fx.fRoot()) + "/immagini").entryList(QDir::Files).size(), 2); // one per picture
    QMap<QString, QMap<QString, QByteArray>> prima;
    for (const QString &s : fx.fNomiCopie())
        prima.insert(s, fImmagini(fCartellaCopie(fx.fRoot()) + "/" + s + "/areas"));

    TOsservaAperture aperture;
    aperture.pOsserva(fx.fRoot() + "areas");
    aperture.pOsserva(fCartellaCopie(fx.fRoot()) + "/immagini");
    aperture.pOsserva(fCartellaCopie(fx.fRoot()));
    sqlite3 *pAltro = nullptr; // another program's connection, open while the editor opens the project
    QCOMPARE(sqlite3_open(fx.fDb().toUtf8().constData(), &pAltro), SQLITE_OK);
    if (sCambio == "db" || sCambio == "wal") {
        if (sCambio == "wal")
            QCOMPARE(sqlite3_exec(pAltro, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(pAltro, "UPDATE tbsensori SET CoordX = CoordX + 1", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        if (sCambio == "wal")
            QVERIFY(QFileInfo(fx.fDb() + "-wal").size() > 0);
    } else if (sCambio == "sostituita") {
        pSostituisci(fx.fImg(2), fJpeg(Qt::blue));
    } else if (sCambio == "sulposto") {
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(fx.fImg(2)).constData(), &st), 0);
        QFile f(fx.fImg(2));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(f.size() / 2);
        const QByteArray ab = f.peek(4);
        f.write(QByteArray(ab).fill('\x5a') == ab ? QByteArray(4, '\x33') : QByteArray(4, '\x5a'));
        f.close();
        const struct timespec aTempi[2] = {st.st_atim, st.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(fx.fImg(2)).constData(), aTempi, 0), 0);
        QCOMPARE(fInode(fx.fImg(2)), st.st_ino);
        QCOMPARE(QFileInfo(fx.fImg(2)).size(), qint64(st.st_size));
    } else {
        pScriviJpeg(fx.fRoot() + "areas/img_9.jpg", Qt::green);
    }
    aperture.fAperti();
    pAttendiOrologio();
    fx.pRiapri();
    QStringList asAttese;
    for (const QString &s : asLette)
        asAttese << fx.fRoot() + "areas/" + s;
    QCOMPARE(aperture.fAperti().filter(fx.fRoot() + "areas/"), asAttese);
    QCOMPARE(fx.fNomiCopie().size(), 3);
    QCOMPARE(fTabelle(fx.fCopia(0) + "/casa.omb"), fTabelle(fx.fDb()));
    QCOMPARE(fImmagini(fx.fCopia(0) + "/areas"), fImmagini(fx.fRoot() + "areas"));
    for (auto it = prima.cbegin(); it != prima.cend(); ++it)
        QCOMPARE(fImmagini(fCartellaCopie(fx.fRoot()) + "/" + it.key() + "/areas"), it.value());
    pVerificaArchivio(fx);

    // opened again unchanged: nothing is made, nothing is read, not even a working folder is begun
    aperture.fAperti(); // what the checks above read
    for (int i = 0; i < 2; ++i)
        fx.pRiapri();
    QCOMPARE(fx.fNomiCopie().size(), 3);
    const QStringList asAperti = aperture.fAperti();
    QVERIFY2(asAperti.isEmpty(), qPrintable(asAperti.join(' ')));
    sqlite3_close(pAltro);
    QVERIFY2(fx.asAvvisi.isEmpty(), qPrintable(fx.asAvvisi.join('\n')));
}

void TstCopie::storedPicturesGoWithTheirSnapshots()
{
    TCopieFixture fx;
    iGlobSnapshot = 3;
    for (const Qt::GlobalColor c : {Qt::blue, Qt::green, Qt::red, Qt::yellow, Qt::cyan, Qt::blue}) {
        pSostituisci(fx.fImg(2), fJpeg(c));
        fx.pRiapri();
    }
    QCOMPARE(fx.fNomiCopie().size(), 3);
    pVerificaArchivio(fx); // the pictures of the snapshots let go are gone from the store
    // the blank picture of area 1, shared by all, and area 2's yellow, cyan and blue
    QCOMPARE(QDir(fCartellaCopie(fx.fRoot()) + "/immagini").entryList(QDir::Files).size(), 4);
    QCOMPARE(QDir(fCartellaCopie(fx.fRoot())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
             4);
}

void TstCopie::snapshotsOfAnEarlierVersion()
{
    TCopieFixture fx;
    fx.doc.pChiudiProgetto();
    // as an earlier version made them: no fingerprint, the pictures hard links to the project's own files
    const QString sVecchia = fCartellaCopie(fx.fRoot()) + "/20200101-000000";
    QVERIFY(QDir().mkpath(sVecchia + "/areas"));
    QVERIFY(QFile::copy(fx.fDb(), sVecchia + "/casa.omb"));
    for (int i : {1, 2})
        QCOMPARE(::link(QFile::encodeName(fx.fImg(i)).constData(),
                        QFile::encodeName(sVecchia + QStringLiteral("/areas/img_%1.jpg").arg(i)).constData()),
                 0);
    pSostituisci(sVecchia + "/motivo.txt", "apertura del progetto\n");
    const QStringList asTabelle = fTabelle(fx.fDb());
    const QMap<QString, QByteArray> immagini = fImmagini(fx.fRoot() + "areas");

    // compared by its contents: the same, so none is made
    fx.pRiapri();
    QCOMPARE(fx.fNomiCopie(), QStringList{"20200101-000000"});
    fx.doc.pAggiungiOggetto(1, 32, QStringLiteral("8"));
    pSostituisci(fx.fImg(2), fJpeg(Qt::blue));
    fx.pRiapri();
    QCOMPARE(fx.fNomiCopie().size(), 2);

    // put back, it leaves exactly its pictures: the one it shares with the project too
    QList<TCopia> aCopie = fx.doc.fCopie();
    QCOMPARE(aCopie.last().sCartella, sVecchia);
    QVERIFY(!aCopie.last().bDanneggiata);
    fx.doc.pRipristina(aCopie.last());
    QCOMPARE(fTabelle(fx.fDb()), asTabelle);
    QCOMPARE(fImmagini(fx.fRoot() + "areas"), immagini);
    QVERIFY(fInode(fx.fImg(1)) != fInode(sVecchia + "/areas/img_1.jpg"));
}

QTEST_GUILESS_MAIN(TstCopie)
#include "tst_copie.moc"
