// Area-show benchmark: the real window, offscreen on a 1920 x 1080 screen, in
// process. A project with a busy area (300 objects of every type, each
// labelled, the barriers with their lines) is opened; each round selects the
// busy area's node and grabs the window, which finishes its paint, at 100 %
// and at 400 %. Then, the busy area shown, each round changes the zoom
// (100 to 400 %, and back) and grabs the window. Prints the median time of
// each, and the fastest round.
//
//   areashow APP_ROOT WORK_DIR [ROUNDS]
//
// APP_ROOT is the build folder that holds grfc/ and res/.

#include "bench/benchdialogs.h"
#include "editor/areatree.h"
#include "editor/canvas.h"
#include "editor/canvasitem.h"
#include "editor/frmbase.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

/** Answers the window's dialogs from queues; nothing is shown. */
void pCopyFolder(const QString &sFrom, const QString &sTo)
{
    QDir().mkpath(sTo);
    for (const QFileInfo &fi : QDir(sFrom).entryInfoList(QDir::Files | QDir::NoDotAndDotDot))
        QFile::copy(fi.absoluteFilePath(), sTo + QLatin1Char('/') + fi.fileName());
}

bool fExec(sqlite3 *pDb, const QString &sSql)
{
    char *szErr = nullptr;
    if (sqlite3_exec(pDb, sSql.toUtf8().constData(), nullptr, nullptr, &szErr) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "%s\n", szErr);
    sqlite3_free(szErr);
    return false;
}

/** Area 2 (base) with 300 objects, types 1 to 10 in turn, each labelled; area 3 is the detail area the zoom
 *  markers lead to. */
bool fFillProject(const QString &sDb)
{
    sqlite3 *pDb = nullptr;
    if (sqlite3_open(sDb.toUtf8().constData(), &pDb) != SQLITE_OK)
        return false;
    bool bOk = fExec(pDb, QStringLiteral("BEGIN")) &&
               fExec(pDb, QStringLiteral("INSERT INTO tbarea(_id, livello, father_id, NomeArea, Ordinamento) "
                                         "VALUES (2, 0, 0, 'Piena', 0), (3, 1, 2, 'Dettaglio', 0)"));
    for (int i = 0; bOk && i < 300; ++i) {
        const int iTipo = i % 10 + 1;
        const int x = 10 + (i * 37) % 420, y = 10 + (i * 23) % 220;
        bOk = fExec(pDb, QStringLiteral("INSERT INTO tbsensori(area_id, area_zoom, NumSensore, IconSize, TipoSensore, "
                                        "ZonaSensore, CoordX, CoordY, CoordX2, CoordY2, CoordXt, CoordYt, FontTxt, "
                                        "ColorTxt, Testo, Orientamento) VALUES (2, %1, %2, 32, %3, 1, %4, %5, %6, %7, "
                                        "%8, %9, %10, %11, 'Oggetto %2', 0)")
                             .arg(iTipo == 3 ? 3 : 0)
                             .arg(i + 1)
                             .arg(iTipo)
                             .arg(x)
                             .arg(y)
                             .arg(iTipo == 4 ? (x + 200) % 440 : 0)
                             .arg(iTipo == 4 ? (y + 120) % 240 : 0)
                             .arg(x + 20)
                             .arg(y + 30)
                             .arg(i % 8 + 1)
                             .arg(i % 10 + 1));
    }
    bOk = bOk && fExec(pDb, QStringLiteral("COMMIT"));
    sqlite3_close(pDb);
    bOk = bOk && QFile::copy(QFileInfo(sDb).absolutePath() + QStringLiteral("/areas/img_1.jpg"),
                             QFileInfo(sDb).absolutePath() + QStringLiteral("/areas/img_2.jpg"));
    return bOk;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: areashow APP_ROOT WORK_DIR [ROUNDS]\n");
        return 2;
    }
    // a desktop monitor: the window at its start size, the page at 400 % in a view that scrolls
    const QString sSchermo = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + QStringLiteral("/schermo.json");
    {
        QFile f(sSchermo);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}]})");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + sSchermo.toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList as = app.arguments();
    const QString sRoot = QDir(as.at(2)).absolutePath() + QStringLiteral("/areashow-app"); // beside the program
    const int iRounds = as.size() > 3 ? as.at(3).toInt() : 25;
    QDir(sRoot).removeRecursively();
    QDir().mkpath(sRoot + QStringLiteral("/bin"));
    QDir().mkpath(sRoot + QStringLiteral("/progetti"));
    pCopyFolder(as.at(1) + QStringLiteral("/grfc"), sRoot + QStringLiteral("/grfc"));
    pCopyFolder(as.at(1) + QStringLiteral("/res"), sRoot + QStringLiteral("/res"));

    TBenchDialogs dialogs;
    int iRc = 0;
    {
        TFrmBase frm(sRoot + QStringLiteral("/bin/ombrix"), &dialogs);
        frm.show();
        QCoreApplication::processEvents();
        dialogs.asInput << QStringLiteral("bench");
        dialogs.asFolders << sRoot + QStringLiteral("/progetti");
        frm.findChild<QAction *>(QStringLiteral("MnuNuovoProgetto"))->trigger();
        const QString sDb = sRoot + QStringLiteral("/progetti/bench/bench.omb");
        frm.findChild<QAction *>(QStringLiteral("MnuChiudiProgetto"))->trigger();
        if (!fFillProject(sDb)) {
            std::fprintf(stderr, "cannot fill %s\n", qPrintable(sDb));
            return 1;
        }
        dialogs.asProjects << sDb;
        frm.findChild<QAction *>(QStringLiteral("MnuApriProgetto"))->trigger();
        if (!dialogs.asErrors.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(dialogs.asErrors.join(QLatin1Char('\n'))));
            return 1;
        }

        TPannelloAree *pAlbero = frm.findChild<TPannelloAree *>(QStringLiteral("PanelSx"));
        auto *pCanvas = frm.findChild<TAreaCanvas *>(QStringLiteral("PnlImgArea"));
        auto fZoom = [&frm](int iPercento) {
            frm.findChild<QAction *>(QStringLiteral("MnuZoom%1").arg(iPercento))->trigger();
        };
        auto fMediana = [](QList<double> a) {
            std::sort(a.begin(), a.end());
            return std::pair<double, double>(a.at(a.size() / 2), a.first());
        };
        // the time from the selection of the busy area to the painted window
        auto fMostra = [&] {
            QList<double> aMs;
            for (int i = 0; i < iRounds + 2; ++i) {
                pAlbero->pSelectNodeById(QStringLiteral("1")); // the empty area, untimed
                QCoreApplication::processEvents();
                (void)frm.grab();
                QElapsedTimer t;
                t.start();
                pAlbero->pSelectNodeById(QStringLiteral("2"));
                QCoreApplication::processEvents();
                (void)frm.grab();
                if (i >= 2) // the first rounds load the icons
                    aMs << double(t.nsecsElapsed()) / 1e6;
            }
            return fMediana(aMs);
        };
        fZoom(100);
        const auto [dCento, dCentoMin] = fMostra();
        const int iShown = int(pCanvas->fItems().size());
        // the first time at 400 %: every label in sight is drawn anew at that size
        QElapsedTimer tPrimo;
        tPrimo.start();
        fZoom(400);
        QCoreApplication::processEvents();
        (void)frm.grab();
        const double dPrimo = double(tPrimo.nsecsElapsed()) / 1e6;
        const auto [dQuattro, dQuattroMin] = fMostra();
        // the busy area shown: the time from a change of zoom to the painted window, each way
        QList<double> aZoom[2];
        for (int i = 0; i < iRounds + 1; ++i)
            for (int iVerso : {0, 1}) {
                QElapsedTimer t;
                t.start();
                fZoom(iVerso == 0 ? 100 : 400);
                QCoreApplication::processEvents();
                (void)frm.grab();
                if (i >= 1)
                    aZoom[iVerso] << double(t.nsecsElapsed()) / 1e6;
            }
        const auto [dGiu, dGiuMin] = fMediana(aZoom[0]);
        const auto [dSu, dSuMin] = fMediana(aZoom[1]);
        std::printf("area show: 300 objects (%d items on the canvas), %d rounds each (target: under 30 ms)\n"
                    "  at 100 %%:          median %.1f ms, best %.1f ms\n"
                    "  at 400 %%:          median %.1f ms, best %.1f ms\n"
                    "  zoom 100 -> 400 %%: median %.1f ms, best %.1f ms (the very first time: %.1f ms)\n"
                    "  zoom 400 -> 100 %%: median %.1f ms, best %.1f ms\n",
                    iShown, iRounds, dCento, dCentoMin, dQuattro, dQuattroMin, dSu, dSuMin, dPrimo, dGiu, dGiuMin);
        if (iShown < 600)
            iRc = 1; // the area was not shown with its objects and labels
        QCloseEvent ev;
        QCoreApplication::sendEvent(&frm, &ev);
    }
    return iRc;
}
