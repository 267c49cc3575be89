#pragma once

#include <QString>
#include <QStringList>

/**
 * The process-wide workspace state: the application folders (each ending in
 * a path separator), the open project, the icon size of new sensors and the
 * one database connection. Read and written directly by every subsystem.
 */

// Application folders, fixed after start-up. Run from its build folder the program keeps
// everything under its application root; installed (a program folder the user may not write,
// or share/ombrix beside it) the pictures come from share/ombrix, the settings file from the
// user's configuration folder and "progetti" lies in the user's documents.
inline QString sGlobBinPath;  // program folder
inline QString sGlobPath;     // application root, parent of sGlobBinPath
inline QString sGlobGrfcPath; // sGlobPath + "grfc/": icons, banners, blank.jpg, b2.png
inline QString sGlobResPath;  // sGlobPath + "res/": tool-bar bitmaps
inline QString sGlobPrjPath;  // sGlobPath + "progetti/": home of project folders
inline QString sGlobIniPath;  // the settings file: sGlobBinPath + "ombrix.ini"
inline bool bGlobInstallato = false;

// the projects last opened or created, newest first (at most 8), kept in ombrix.ini
inline QStringList asGlobRecenti;

// placing new sensors: the icon size ombrix.ini gives at start-up, and where a new icon goes as the start-up
// works it out (ptPosizioneNuovi); the editor passes both to the store as values
inline int iGlobIconSize = 32;
inline int iGlobXcenter = 223;
inline int iGlobYCenter = 119;
inline constexpr int iGlobB2Size = 7;

// moving an icon takes its label along by the same offset ("EtichetteUnite" in ombrix.ini, on unless it says 0)
inline bool bGlobEtichetteUnite = true;

// how many automatic snapshots of a project are kept ("Snapshot" in ombrix.ini)
inline int iGlobSnapshot = 20;

// the choices of the last background fitted, where the fitting dialog starts ([Adatta] in ombrix.ini)
inline int iGlobAdattaModo = 0; // 0 fit the whole picture, 1 fill the page, 2 original size
inline bool bGlobAdattaSottoBanner = false;
inline bool bGlobAdattaLineeMarcate = false;
inline QString sGlobAdattaColore = QStringLiteral("#ffffff"); // the fill colour, #rrggbb
