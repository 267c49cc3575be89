#include "editor/windowfit.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>

void pDentroSchermo(QWidget &finestra)
{
    const QScreen *pScreen = finestra.screen();
    if (!pScreen)
        return;
    const QRect disponibile = pScreen->availableGeometry();
    const QSize cornice = finestra.frameGeometry().size() - finestra.size(); // the window manager's frame, if any
    const QSize massima = disponibile.size() - cornice;
    if (finestra.width() > massima.width() || finestra.height() > massima.height())
        finestra.resize(finestra.size().boundedTo(massima));
    QRect rc = finestra.frameGeometry();
    rc.moveLeft(
        std::clamp(rc.left(), disponibile.left(), std::max(disponibile.left(), disponibile.right() - rc.width() + 1)));
    rc.moveTop(
        std::clamp(rc.top(), disponibile.top(), std::max(disponibile.top(), disponibile.bottom() - rc.height() + 1)));
    if (rc.topLeft() != finestra.frameGeometry().topLeft())
        finestra.move(rc.topLeft());
}

void pApriDock(QMainWindow &finestra, QDockWidget *pDock, QWidget *pClient)
{
    const QSize prima = pClient->size();
    pDock->show();
    pDock->raise();
    finestra.layout()->activate();
    // the canvas and its bezel keep their room: the window grows instead, as far as the screen goes
    const QSize dopo = pClient->size();
    if (dopo.width() < prima.width() || dopo.height() < prima.height())
        finestra.resize(finestra.width() + std::max(0, prima.width() - dopo.width()),
                        finestra.height() + std::max(0, prima.height() - dopo.height()));
    pDentroSchermo(finestra);
    // where the screen stopped the window, the dock gives way: it takes at most a third of the window, and the
    // page keeps the rest
    if (pDock->isFloating())
        return;
    finestra.layout()->activate();
    const Qt::DockWidgetArea eArea = finestra.dockWidgetArea(pDock);
    const Qt::Orientation eVerso =
        eArea == Qt::LeftDockWidgetArea || eArea == Qt::RightDockWidgetArea ? Qt::Horizontal : Qt::Vertical;
    const int iTerzo = (eVerso == Qt::Vertical ? finestra.height() : finestra.width()) / 3;
    const int iOra = eVerso == Qt::Vertical ? pDock->height() : pDock->width();
    if (iOra > iTerzo)
        finestra.resizeDocks({pDock}, {iTerzo}, eVerso);
}
