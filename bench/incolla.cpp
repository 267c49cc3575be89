// Paste benchmark: 5,000 objects (every pasteable type, each labelled, the
// barriers with their second ends) pasted onto an area and undone, first on
// the headless document, then in the real window (offscreen, in process),
// whose canvas builds a control for every icon, second end and label.
// Prints the median of the headless rounds and the window's one round.
//
//   incolla APP_ROOT WORK_DIR [ROUNDS]
//
// APP_ROOT is the build folder that holds grfc/ and res/. Targets: the
// headless paste and its undo under 2 s each.

#include "bench/benchdialogs.h"
#include "document/appunti.h"
#include "document/projectdocument.h"
#include "editor/frmbase.h"
#include "workspace/settings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

constexpr int iOggetti = 5000;

/** Answers the window's dialogs from queues; nothing is shown. */
void pCopyFolder(const QString &sFrom, const QString &sTo)
{
    QDir().mkpath(sTo);
    for (const QFileInfo &fi : QDir(sFrom).entryInfoList(QDir::Files | QDir::NoDotAndDotDot))
        QFile::copy(fi.absoluteFilePath(), sTo + QLatin1Char('/') + fi.fileName());
}

/** 5,000 objects as a copy from another project gives them: types 1 to 10 but the zoom marker, in turn. */
TAppunti fAppunti()
{
    static const int aiTipi[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};
    TAppunti appunti;
    appunti.sDatabase = QStringLiteral("/altrove/altro.omb");
    appunti.iArea = 1;
    for (int i = 0; i < iOggetti; ++i) {
        const int iTipo = aiTipi[i % 9];
        const int x = 10 + (i * 37) % 420, y = 40 + (i * 23) % 200;
        appunti.aOggetti << TSensore(0, 1, 0, i % 999 + 1, 32, iTipo, 1, x, y, iTipo == 4 ? (x + 200) % 440 : 0,
                                     iTipo == 4 ? (y + 60) % 240 + 20 : 0, x + 20, y + 30, i % 9 + 1, i % 10 + 1, 0,
                                     QStringLiteral("Oggetto %1").arg(i + 1));
    }
    return appunti;
}

double fMs(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

double fMediana(QList<double> a)
{
    std::sort(a.begin(), a.end());
    return a.at(a.size() / 2);
}

QAction *fVoce(QWidget &frm, const QString &sNome)
{
    if (auto *p = frm.findChild<QAction *>(sNome))
        return p;
    for (QAction *p : frm.findChildren<QAction *>())
        if (p->text() == sNome)
            return p;
    std::fprintf(stderr, "no menu entry %s\n", qPrintable(sNome));
    std::exit(1);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList as = app.arguments();
    if (as.size() < 3) {
        std::fprintf(stderr, "usage: incolla APP_ROOT WORK_DIR [ROUNDS]\n");
        return 2;
    }
    const QString sRoot = QDir(as.at(2)).absolutePath() + QStringLiteral("/incolla-app");
    const int iRounds = as.size() > 3 ? as.at(3).toInt() : 5;
    QDir(sRoot).removeRecursively();
    QDir().mkpath(sRoot + QStringLiteral("/bin"));
    QDir().mkpath(sRoot + QStringLiteral("/progetti"));
    pCopyFolder(as.at(1) + QStringLiteral("/grfc"), sRoot + QStringLiteral("/grfc"));
    pCopyFolder(as.at(1) + QStringLiteral("/res"), sRoot + QStringLiteral("/res"));
    pSetApplicationFolders(sRoot + QStringLiteral("/bin/ombrix"));
    const TAppunti appunti = fAppunti();
    const QString sDb = sRoot + QStringLiteral("/progetti/bench/bench.omb");

    // the headless document: what the window's paste and undo run
    QList<double> aIncolla, aAnnulla, aRipeti;
    {
        TProjectDocument doc;
        doc.pNuovoProgetto(sRoot + QStringLiteral("/progetti"), QStringLiteral("bench"));
        doc.pMostraArea(1);
        for (int i = 0; i < iRounds; ++i) {
            QList<qint64> aNuovi;
            aIncolla << fMs([&] { aNuovi = doc.pIncolla(appunti, TOpzioniIncolla()); });
            if (aNuovi.size() != iOggetti || doc.fOggetti().size() != iOggetti) {
                std::fprintf(stderr, "pasted %d objects, %d shown\n", int(aNuovi.size()), int(doc.fOggetti().size()));
                return 1;
            }
            aAnnulla << fMs([&] { doc.fUndoStack()->undo(); });
            if (!doc.fOggetti().isEmpty()) {
                std::fprintf(stderr, "the undo left %d objects\n", int(doc.fOggetti().size()));
                return 1;
            }
            aRipeti << fMs([&] { doc.fUndoStack()->redo(); });
            doc.fUndoStack()->undo();
        }
        doc.pChiudiProgetto();
    }
    std::printf("paste of %d objects, headless, %d rounds: paste median %.0f ms, undo %.0f ms, redo %.0f ms "
                "(target: paste and undo under 2000 ms)\n",
                iOggetti, iRounds, fMediana(aIncolla), fMediana(aAnnulla), fMediana(aRipeti));

    // the real window, where the canvas builds the controls of every pasted object
    TBenchDialogs dialogs;
    int iRc = 0;
    {
        TFrmBase frm(sRoot + QStringLiteral("/bin/ombrix"), &dialogs);
        frm.show();
        QCoreApplication::processEvents();
        dialogs.asProjects << sDb;
        fVoce(frm, QStringLiteral("&Apri Progetto"))->trigger();
        QApplication::clipboard()->setMimeData(fMimeDaAppunti(appunti));
        const double dIncolla = fMs([&] {
            fVoce(frm, QStringLiteral("MnuIncolla"))->trigger();
            QCoreApplication::processEvents();
        });
        const int iControlli = frm.findChild<QWidget *>(QStringLiteral("PnlImgArea"))->findChildren<QWidget *>().size();
        const double dAnnulla = fMs([&] {
            fVoce(frm, QStringLiteral("MnuAnnulla"))->trigger();
            QCoreApplication::processEvents();
        });
        if (!dialogs.asErrors.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(dialogs.asErrors.join(QLatin1Char('\n'))));
            iRc = 1;
        }
        std::printf("paste of %d objects in the window (%d controls on the canvas): paste %.0f ms, undo %.0f ms\n",
                    iOggetti, iControlli, dIncolla, dAnnulla);
        QCloseEvent ev;
        QCoreApplication::sendEvent(&frm, &ev);
    }
    return iRc;
}
