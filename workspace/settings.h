#pragma once

#include <QString>

/**
 * Start-up and shutdown without the window, and the one setting.
 * Failures here are never reported: a missing or unreadable ombrix.ini
 * gives icon size 32, a "progetti" folder that cannot be made is skipped.
 */

/** Works out sGlobBinPath and sGlobPath from the program's own path (its folder and that folder's parent). */
void pSetApplicationFolders(const QString &sProgramPath);
/** The non-window start-up steps: folders, "progetti", settings. */
void pWorkspaceStartup(const QString &sProgramPath);
/** The non-window shutdown steps: write the settings. */
void pWorkspaceShutdown();

/** Reads IconSize from [Options] of sGlobBinPath + "ombrix.ini" (32 when missing or not one of 16, 32, 48)
 *  and Snapshot, the number of snapshots kept per project (20 when missing or not a positive number). */
void pLoadFromIni();
/** Writes IconSize and Snapshot under [Options], keeping every other line of the file. Throws TOmbrixError when it
 * cannot write. */
void pWriteToIni();
