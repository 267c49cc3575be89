#pragma once

#include <QByteArray>
#include <QString>

/**
 * Start-up and shutdown without the window, and the one setting.
 * Failures here are never reported: a missing or unreadable ombrix.ini
 * gives icon size 32, a "progetti" folder that cannot be made is skipped.
 */

/** Works out the application folders and the settings file from the program's own path: sGlobBinPath is its
 *  folder, sGlobPath that folder's parent; installed, the pictures, the settings and "progetti" move as uty.h says. */
void pSetApplicationFolders(const QString &sProgramPath);
/** The non-window start-up steps: folders, "progetti", settings. */
void pWorkspaceStartup(const QString &sProgramPath);
/** What the main window keeps in ombrix.ini: the icon size of new objects and the zoom under [Options] (Zoom is
 *  written once it differs from 100), the grid and its step (Griglia, PassoGriglia, written once they differ from
 *  off and 8), and under [Finestra] its geometry, the state of its docks and the width of its
 *  left panel. */
struct TOpzioniFinestra
{
    int iIconSize = 32;
    int iZoom = 100;
    QByteArray abGeometria; // as QWidget::saveGeometry gives it
    QByteArray abStato;     // as QMainWindow::saveState gives it
    int iAlbero = 0;        // the left panel's width; 0 for none stored
    bool bGriglia = false;  // the canvas's grid is shown
    int iPassoGriglia = 8;  // its step, in panel pixels
};

/** The non-window shutdown steps: write the settings, with the window's options when given. */
void pWorkspaceShutdown(const TOpzioniFinestra *pFinestra = nullptr);
/** The window's options as ombrix.ini holds them; the defaults for what it lacks (a zoom that is not a number:
 *  100). The icon size is the one pLoadFromIni read. */
TOpzioniFinestra fOpzioniFinestra();

/** Reads IconSize from [Options] of ombrix.ini (32 when missing or not one of 16, 32, 48), Snapshot, the number of
 *  snapshots kept per project (20 when missing or not a positive number), EtichetteUnite (labels go with their
 *  icons unless it is 0), the recent projects from [Recenti], and the fitting dialog's last choices from [Adatta]
 *  (Modo 0 to 2, SottoBanner and LineeMarcate 0 or 1, Colore #rrggbb; the dialog's defaults for anything else). */
void pLoadFromIni();
/** Writes IconSize, Snapshot and EtichetteUnite (once off, or while the file names it) under [Options], the recent
 *  projects as [Recenti] and the fitting dialog's choices under [Adatta] (once they are not the defaults), keeping
 *  every other line of the file; with pFinestra its icon size, its zoom and its [Finestra]. Throws TOmbrixError when
 *  it cannot write. */
void pWriteToIni(const TOpzioniFinestra *pFinestra = nullptr);
/** The interface language that ombrix.ini asks for under [Options] "Lingua", in lower case; empty for none. */
QString fLinguaDaIni();
/** Puts sDb at the head of the recent projects, keeping the last 8. */
void pAggiungiRecente(const QString &sDb);
