// Dock refresh benchmark: the real window, offscreen, in process, with the
// docks "Verifica" and "Ingressi/Uscite" open side by side. Each project is
// copied and opened, its first area shown; each round drags an icon of that
// area with the mouse, alternately onto the banner's keys and back, and
// times from the step written (pushed on the history) until the window has
// nothing left to do: both docks refreshed and repainted. Prints the median
// and the worst round, the step itself (from the release to the step on the
// history), and one full check plus
// cross-reference of the same project read straight from its database.
//
//   checkrefresh APP_ROOT WORK_DIR ROUNDS NAME TARGET_MS PROJECT_DIR [NAME TARGET_MS PROJECT_DIR ...]
//
// APP_ROOT is the build folder that holds grfc/ and res/; PROJECT_DIR holds
// bench.omb and areas/; the target is printed beside the median.

// the mouse goes through the window system, as a user's does: moves and the release reach the dragged icon
#define QTEST_QPA_MOUSE_HANDLING

#include "bench/benchdialogs.h"
#include "check/riferimentiio.h"
#include "check/verifica.h"
#include "document/projectdocument.h"
#include "editor/areatree.h"
#include "editor/frmbase.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

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

/** Handles what is pending, the refresh timers and the repaints they ask for included. */
void pFinoAQuiete()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

double fMediana(QList<double> a)
{
    std::sort(a.begin(), a.end());
    return a.at(a.size() / 2);
}

/** An input's or output's icon on the canvas, never a marker or a label. */
QWidget *fIcona(QWidget *pCanvas)
{
    for (QWidget *p : pCanvas->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (p->isVisible() && (p->objectName().contains(QLatin1String("_ingresso_")) ||
                               p->objectName().contains(QLatin1String("_uscita_"))))
            return p;
    return nullptr;
}

/** One project: returns false when the window did not do what the round expects. */
bool fMisura(TFrmBase &frm, TBenchDialogs &dialogs, const QString &sNome, const QString &sObiettivo, const QString &sDb,
             int iRounds)
{
    dialogs.asProjects << sDb;
    const QList<QAction *> aAzioni = frm.findChildren<QAction *>();
    const auto fAzione = [&](const QString &sTesto) {
        for (QAction *p : aAzioni)
            if (p->text() == sTesto)
                return p;
        return static_cast<QAction *>(nullptr);
    };
    fAzione(QStringLiteral("&Apri Progetto"))->trigger();
    pFinoAQuiete();
    if (!dialogs.asErrors.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogs.asErrors.join(QLatin1Char('\n'))));
        return false;
    }
    TProjectDocument &doc = frm.fDocument();
    frm.findChild<TPannelloAree *>(QStringLiteral("PanelSx"))->pSelectNodeById(QStringLiteral("1"));
    // both docks open side by side, as a user who follows both would have them
    auto *pVerifica = frm.findChild<QDockWidget *>(QStringLiteral("DockVerifica"));
    auto *pIo = frm.findChild<QDockWidget *>(QStringLiteral("DockIngressiUscite"));
    QElapsedTimer tApertura;
    tApertura.start();
    fAzione(QStringLiteral("&Verifica Progetto"))->trigger();
    fAzione(QStringLiteral("&Ingressi/Uscite"))->trigger();
    // out of their tabs, side by side
    frm.removeDockWidget(pIo);
    frm.addDockWidget(Qt::BottomDockWidgetArea, pIo);
    frm.splitDockWidget(pVerifica, pIo, Qt::Horizontal);
    pVerifica->show();
    pIo->show();
    pFinoAQuiete();
    const double fApertura = double(tApertura.nsecsElapsed()) / 1e6;
    auto *pTabella = pVerifica->findChild<QTableWidget *>(QStringLiteral("TbVerifica"));
    QWidget *pCanvas = frm.findChild<QWidget *>(QStringLiteral("PnlImgArea"));
    QWidget *pIcona = fIcona(pCanvas);
    auto *pTabellaIo = pIo->findChild<QTableView *>(QStringLiteral("TbIo"));
    if (!pTabella || !pTabellaIo || pTabella->visibleRegion().isEmpty() || pTabellaIo->visibleRegion().isEmpty() ||
        !pIcona) {
        std::fprintf(stderr, "%s: the docks are not both on screen, or area 1 has no icon\n", qPrintable(sNome));
        return false;
    }
    const QString sIcona = pIcona->objectName();
    const QPoint casa = pIcona->pos();
    QList<double> aRefresh, aPasso;
    for (int i = 0; i < iRounds + 2; ++i) {
        pIcona = pCanvas->findChild<QWidget *>(sIcona, Qt::FindDirectChildrenOnly);
        pIcona->raise(); // the press lands on it, not on a label above it
        // onto the keys of the banner (on an area of level 0, Tesc covers x 224-255, y 2-33), then back
        const QPoint verso = i % 2 == 0 ? QPoint(230, 8) : casa;
        const QPoint presa(pIcona->width() / 2, pIcona->height() / 2);
        const QPoint inizio = pIcona->mapTo(&frm, presa);
        const QPoint fine = inizio + (verso - pIcona->pos());
        const qint64 iPassi = doc.fPassi();
        QTest::mousePress(pIcona, Qt::LeftButton, {}, presa);
        for (int k = 1; k <= 4; ++k)
            QTest::mouseMove(&frm, inizio + (fine - inizio) * k / 4);
        // the release writes the step, which is pushed on the history; what follows is the refresh
        QElapsedTimer t;
        qint64 iPasso = -1;
        const QMetaObject::Connection c =
            QObject::connect(doc.fUndoStack(), &QUndoStack::indexChanged, [&] { iPasso = t.nsecsElapsed(); });
        t.start();
        QTest::mouseRelease(&frm, Qt::LeftButton, {}, fine);
        pFinoAQuiete();
        const qint64 iRefresh = t.nsecsElapsed() - iPasso;
        QObject::disconnect(c);
        if (i >= 2) { // the first rounds warm the caches
            aPasso << double(iPasso) / 1e6;
            aRefresh << double(iRefresh) / 1e6;
        }
        if (!dialogs.asErrors.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(dialogs.asErrors.join(QLatin1Char('\n'))));
        if (doc.fPassi() != iPassi + 1 || iPasso < 0) {
            std::fprintf(stderr, "%s: round %d made no step (%s from %d,%d to %d,%d, window %d,%d from %d,%d)\n",
                         qPrintable(sNome), i, qPrintable(sIcona), pIcona->x(), pIcona->y(), verso.x(), verso.y(),
                         fine.x(), fine.y(), inizio.x(), inizio.y());
            return false;
        }
        if (pTabella->rowCount() != fVerificaProgetto(doc.fConn(), doc.fRootPrj()).size()) {
            std::fprintf(stderr, "%s: the dock does not show the check after round %d\n", qPrintable(sNome), i);
            return false;
        }
    }
    QList<double> aPiena;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        fVerificaProgetto(doc.fConn(), doc.fRootPrj());
        fRiferimentiIo(doc.fConn());
        aPiena << double(t.nsecsElapsed()) / 1e6;
    }
    std::printf(
        "dock refresh after one drag, %s (%lld areas, %d findings, both docks open), %d rounds: median %.1f ms, "
        "worst %.1f ms (target: under %s ms)\n"
        "  the step itself %.1f ms; one full check and cross-reference from the database, as each edit "
        "cost before: %.1f ms; both docks opened in %.1f ms\n",
        qPrintable(sNome), qlonglong(doc.fAree().fRows().size()), pTabella->rowCount(), int(aRefresh.size()),
        fMediana(aRefresh), *std::max_element(aRefresh.cbegin(), aRefresh.cend()), qPrintable(sObiettivo),
        fMediana(aPasso), fMediana(aPiena), fApertura);
    std::fflush(stdout);
    pVerifica->hide(); // the next project opens them again
    pIo->hide();
    frm.tabifyDockWidget(pVerifica, pIo);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList as = app.arguments();
    if (as.size() < 7 || (as.size() - 4) % 3 != 0) {
        std::fprintf(stderr, "usage: checkrefresh APP_ROOT WORK_DIR ROUNDS NAME TARGET_MS PROJECT_DIR [...]\n");
        return 2;
    }
    const QString sRoot = QDir(as.at(2)).absolutePath() + QStringLiteral("/checkrefresh-app");
    const int iRounds = as.at(3).toInt();
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
        QApplication::setActiveWindow(&frm);
        if (!QTest::qWaitForWindowActive(&frm))
            return 1;
        for (int i = 4; i + 2 < as.size(); i += 3) {
            const QString sCopia = sRoot + QStringLiteral("/progetti/") + as.at(i);
            pCopyFolder(as.at(i + 2), sCopia);
            pCopyFolder(as.at(i + 2) + QStringLiteral("/areas"), sCopia + QStringLiteral("/areas"));
            if (!fMisura(frm, dialogs, as.at(i), as.at(i + 1), sCopia + QStringLiteral("/bench.omb"), iRounds))
                iRc = 1;
        }
        QCloseEvent ev;
        QCoreApplication::sendEvent(&frm, &ev);
    }
    return iRc;
}
