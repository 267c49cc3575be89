#pragma once

class QDockWidget;
class QMainWindow;
class QWidget;

/**
 * Keeping a window on its screen: never larger than the screen's available
 * size, frame included, and wholly on it.
 */

/** Shrinks and moves pFinestra as far as needed to lie within its screen's available size. */
void pDentroSchermo(QWidget &finestra);
/** Shows pDock in front; the window grows so that pClient keeps its size, as far as the screen allows. Docked, it
 *  takes at most a third of the window's height (its width beside the client), so that a small screen keeps room
 *  for the page. */
void pApriDock(QMainWindow &finestra, QDockWidget *pDock, QWidget *pClient);
