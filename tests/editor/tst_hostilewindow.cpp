// The real window against planted files and a crafted clipboard: the
// preview of an export whose bitmap is a FIFO or cut short, pastes that
// break the rules of typed input, and a project lock that is a folder or a
// link. Each case must end within a few seconds (a watchdog ends the test
// otherwise), name the file or the object and the reason, and store nothing.

#include "editorfixture.h"

#include "document/appunti.h"
#include "document/projectdocument.h"
#include "editor/frmbase.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMimeData>
#include <QUndoStack>
#include <QtTest>

#include <functional>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <sys/stat.h>

namespace {

/** Ends the whole test when a case is still running after iSecondi: the window would be frozen. */
class TGuardiano
{
public:
    TGuardiano(const QByteArray &abCaso, int iSecondi = 10)
        : m_t([this, abCaso, iSecondi] {
              std::unique_lock l(m_m);
              if (!m_cv.wait_for(l, std::chrono::seconds(iSecondi), [this] { return m_bFine; })) {
                  std::fprintf(stderr, "FAIL! %s: still running after %d s\n", abCaso.constData(), iSecondi);
                  std::_Exit(1);
              }
          })
    {
    }
    ~TGuardiano()
    {
        {
            std::lock_guard l(m_m);
            m_bFine = true;
        }
        m_cv.notify_one();
        m_t.join();
    }

private:
    std::mutex m_m;
    std::condition_variable m_cv;
    bool m_bFine = false;
    std::thread m_t; // last: it starts once the rest is made
};

/** The window's menu entry of that object name or, for one without, of that text. */
QAction *fVoce(TFrmBase &frm, const QString &sNome)
{
    if (auto *p = frm.findChild<QAction *>(sNome))
        return p;
    for (QAction *p : frm.findChildren<QAction *>())
        if (p->text() == sNome)
            return p;
    return nullptr;
}

void pFifo(const QString &sPath)
{
    QFile::remove(sPath);
    QVERIFY2(::mkfifo(QFile::encodeName(sPath).constData(), 0600) == 0, qPrintable(sPath));
}

/** An object of the clipboard as a copy writes it, with the keys of oDiversi in place of its own. */
QJsonObject fOggetto(const QJsonObject &oDiversi = {})
{
    QJsonObject o{{"tipo", 2}, {"iconsize", 32}, {"numero", "5"}, {"area_zoom", "0"}, {"x", 50},
                  {"y", 60},   {"x2", 0},        {"y2", 0},       {"testo", "Porta"}, {"xt", 90},
                  {"yt", 60},  {"font", 3},      {"colore", 2}};
    for (auto it = oDiversi.begin(); it != oDiversi.end(); ++it)
        o.insert(it.key(), it.value());
    return o;
}

int fRighe(TEditorFixture &fx)
{
    return fx.fQueryInt(QStringLiteral("select count(*) from tbsensori"));
}

} // namespace

class TstHostileWindow : public QObject
{
    Q_OBJECT

private slots:
    void previewOfAPlantedExport();
    void pasteIsCheckedWhole_data();
    void pasteIsCheckedWhole();
    void lockThatIsNotAFile();
};

void TstHostileWindow::previewOfAPlantedExport()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject(QStringLiteral("Casa"));
    const QString sOut = fProjectOut();
    const QString sBmp = sOut + QStringLiteral("file0001.bmp");
    const struct
    {
        const char *szNome;
        std::function<void()> pPianta;
        QString sErrore; // empty: none, and the window says there is no export
    } aCasi[] = {
        {"a FIFO as the bitmap", [&] { pFifo(sBmp); }, sBmp + QStringLiteral(": non è un file normale")},
        {"a bitmap cut short",
         [&] {
             QFile f(sBmp);
             QVERIFY(f.resize(1000));
         },
         sBmp + QStringLiteral(": bitmap troncata: 1000 byte invece dei 391734 della sua testata")},
        {"maps.txt linked to /dev/zero",
         [&] {
             QFile::remove(sOut + QStringLiteral("maps.txt"));
             QVERIFY(QFile::link(QStringLiteral("/dev/zero"), sOut + QStringLiteral("maps.txt")));
         },
         QString()},
        {"a FIFO as maps.txt", [&] { pFifo(sOut + QStringLiteral("maps.txt")); }, QString()},
    };
    for (const auto &caso : aCasi) {
        fVoce(frm, QStringLiteral("&Esporta Progetto"))->trigger();
        QVERIFY2(QFileInfo(sBmp).isFile(), caso.szNome);
        caso.pPianta();
        fx.dialogs.asErrors.clear();
        {
            const TGuardiano guardiano(caso.szNome);
            fVoce(frm, QStringLiteral("Anteprima Pannello"))->trigger();
        }
        auto *pAnteprima = frm.findChild<QWidget *>(QStringLiteral("FrmAnteprima"));
        QVERIFY(pAnteprima);
        if (caso.sErrore.isEmpty()) {
            QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
            QVERIFY(pAnteprima->isVisible());
            QVERIFY(pAnteprima->findChild<QLabel *>(QStringLiteral("LblStato"))->text().contains("out non contiene"));
        } else {
            QCOMPARE(fx.dialogs.asErrors, QStringList{caso.sErrore});
        }
        pAnteprima->hide();
        QFile::remove(sOut + QStringLiteral("maps.txt"));
        QFile::remove(sBmp);
    }
}

void TstHostileWindow::pasteIsCheckedWhole_data()
{
    QTest::addColumn<QJsonObject>("oCattivo");
    QTest::addColumn<int>("iOffset");
    QTest::addColumn<QString>("sMotivo"); // empty: the paste is stored
    const auto fCon = [](const char *szChiave, const QJsonValue &v) { return QJsonObject{{szChiave, v}}; };
    const QString s19 = QStringLiteral("Diciannove caratter");
    QCOMPARE(s19.size(), 19);

    QTest::newRow("sound") << QJsonObject() << 0 << QString();
    QTest::newRow("CR LF in a label") << fCon("testo", "Porta\r\nnord") << 0
                                      << "contatto, ingresso 5: Il testo non può contenere";
    QTest::newRow("NUL in a label") << fCon("testo", QStringLiteral("Porta") + QChar(0)) << 0
                                    << "Il testo non può contenere caratteri di controllo";
    QTest::newRow("19 characters") << fCon("testo", s19) << 0 << QString();
    QTest::newRow("20 characters") << fCon("testo", s19 + "e") << 0
                                   << "contatto, ingresso 5 «Diciannove carattere»: Massimo 19 caratteri!";
    QTest::newRow("number 999") << fCon("numero", "999") << 0 << QString();
    QTest::newRow("number 99999") << fCon("numero", "99999") << 0
                                  << "contatto, ingresso 99999 «Porta»: numero 99999 fuori dal campo 1-999";
    QTest::newRow("number 0") << fCon("numero", "0") << 0 << "numero 0 fuori dal campo 1-999";
    // refused in the offsets' dialog, before the paste
    QTest::newRow("995 moved past 999")
        << fCon("numero", "995") << 5
        << "Il numero deve essere tra 1 e 999: contatto, ingresso 995 «Porta» diventerebbe 1000";
    QTest::newRow("size 9, colour 16") << QJsonObject{{"font", 9}, {"colore", 16}} << 0 << QString();
    QTest::newRow("size 99999") << fCon("font", 99999) << 0 << "dimensione del testo 99999 fuori dal catalogo";
    QTest::newRow("size 10") << fCon("font", 10) << 0 << "dimensione del testo 10 fuori dal catalogo";
    QTest::newRow("colour 99999") << fCon("colore", 99999) << 0 << "colore del testo 99999 fuori dal catalogo";
    QTest::newRow("colour 11") << fCon("colore", 11) << 0 << "colore del testo 11 fuori dal catalogo";
    QTest::newRow("size past an int") << fCon("font", 1e12) << 0 << "oggetto 2 degli appunti: campo \"font\"";
    QTest::newRow("type 99") << fCon("tipo", 99) << 0 << "oggetto 2 degli appunti: campo \"tipo\" non valido";
    QTest::newRow("number that is no number") << fCon("numero", "5x") << 0 << "campo \"numero\" non valido";
}

void TstHostileWindow::pasteIsCheckedWhole()
{
    QFETCH(QJsonObject, oCattivo);
    QFETCH(int, iOffset);
    QFETCH(QString, sMotivo);
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject(QStringLiteral("Casa"));
    TProjectDocument &doc = frm.fDocument();
    QUndoStack *pUndo = doc.fUndoStack();
    // an edit before the paste, which an undo after a refused paste takes back
    doc.pAggiungiOggetto(6, 32, QStringLiteral("3"));
    const int iRighe = fRighe(fx);
    const int iPassi = pUndo->count();

    // a good object first, the one under test second
    auto *pMime = new QMimeData;
    const QJsonObject radice{
        {"database", "altro.omb"}, {"area", "1"}, {"oggetti", QJsonArray{fOggetto(), fOggetto(oCattivo)}}};
    pMime->setData(sMimeOggetti, QJsonDocument(radice).toJson(QJsonDocument::Compact));
    QApplication::clipboard()->setMimeData(pMime);
    fx.dialogs.pOnIncolla = [iOffset](TOpzioniIncolla &o) {
        o.iOffsetIngressi = iOffset;
        return true;
    };
    fVoce(frm, iOffset ? QStringLiteral("MnuIncollaSpeciale") : QStringLiteral("MnuIncolla"))->trigger();

    if (sMotivo.isEmpty()) {
        QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
        QCOMPARE(fRighe(fx), iRighe + 2);
        QCOMPARE(pUndo->count(), iPassi + 1);
        fVoce(frm, QStringLiteral("MnuAnnulla"))->trigger(); // the whole paste is one step
        QCOMPARE(fRighe(fx), iRighe);
        return;
    }
    if (iOffset) {
        QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
        QCOMPARE(fx.dialogs.asMessages.value(0), sMotivo);
        QCOMPARE(fRighe(fx), iRighe);
        QCOMPARE(pUndo->count(), iPassi);
        return;
    }
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY2(fx.dialogs.asErrors.first().startsWith("Incolla rifiutato, nessun oggetto incollato: ") &&
                 fx.dialogs.asErrors.first().contains(sMotivo),
             qPrintable(fx.dialogs.asErrors.first()));
    QCOMPARE(fRighe(fx), iRighe); // nothing stored, not even the good object
    QCOMPARE(pUndo->count(), iPassi);
    fVoce(frm, QStringLiteral("MnuAnnulla"))->trigger(); // takes back the edit before the paste
    QCOMPARE(fRighe(fx), iRighe - 1);
}

void TstHostileWindow::lockThatIsNotAFile()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject(QStringLiteral("Casa"));
    const QString sDb = frm.fDocument().fDatabase();
    const QString sBlocco = fProjectRoot() + QStringLiteral(".ombrix.lock");
    fVoce(frm, QStringLiteral("&Chiudi Progetto"))->trigger();
    QVERIFY(!QFileInfo::exists(sBlocco));
    QTemporaryDir fuori;
    const QString sVittima = fuori.path() + QStringLiteral("/vittima.txt");
    const QString sTubo = fuori.path() + QStringLiteral("/tubo");
    QFile f(sVittima);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("non toccare\n") == 12);
    f.close();
    QCOMPARE(::mkfifo(QFile::encodeName(sTubo).constData(), 0600), 0);

    const struct
    {
        const char *szNome;
        std::function<bool()> fPianta;
        QString sMotivo;
    } aCasi[] = {
        {"a folder", [&] { return QDir().mkdir(sBlocco); }, QStringLiteral("è una cartella")},
        {"a link to a file outside", [&] { return QFile::link(sVittima, sBlocco); },
         QStringLiteral("è un collegamento simbolico")},
        {"a link to a FIFO", [&] { return QFile::link(sTubo, sBlocco); },
         QStringLiteral("è un collegamento simbolico")},
        {"a link to nothing", [&] { return QFile::link(fuori.path() + QStringLiteral("/niente"), sBlocco); },
         QStringLiteral("è un collegamento simbolico")},
        {"a FIFO", [&] { return ::mkfifo(QFile::encodeName(sBlocco).constData(), 0600) == 0; },
         QStringLiteral("non è un file normale")},
    };
    for (const auto &caso : aCasi) {
        QVERIFY2(caso.fPianta(), caso.szNome);
        fx.dialogs.asErrors.clear();
        {
            const TGuardiano guardiano(caso.szNome);
            fx.pOpenProject(sDb);
        }
        QVERIFY2(!frm.fDocument().fAperto(), caso.szNome);
        QCOMPARE(fx.dialogs.asErrors, QStringList{QStringLiteral("Il progetto non può essere bloccato: ") + sBlocco +
                                                  QStringLiteral(": ") + caso.sMotivo});
        QFile::remove(sBlocco);
        QDir().rmdir(sBlocco);
    }
    QCOMPARE(fx.fReadAll(sVittima), QByteArray("non toccare\n"));
    fx.pOpenProject(sDb); // with the lock gone, the project opens
    QVERIFY(frm.fDocument().fAperto());
}

QTEST_MAIN(TstHostileWindow)
#include "tst_hostilewindow.moc"
