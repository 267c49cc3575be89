#pragma once

#include <QString>

/**
 * The process-wide workspace state: the application folders (each ending in
 * a path separator), the open project, the icon size of new sensors and the
 * one database connection. Read and written directly by every subsystem.
 */

// application folders, fixed after start-up
inline QString sGlobBinPath;  // program folder: the program and ombrix.ini
inline QString sGlobPath;     // application root, parent of sGlobBinPath
inline QString sGlobGrfcPath; // sGlobPath + "grfc/": icons, banners, blank.jpg, b2.png
inline QString sGlobResPath;  // sGlobPath + "res/": tool-bar bitmaps
inline QString sGlobPrjPath;  // sGlobPath + "progetti/": home of project folders

// placing new sensors
inline int iGlobIconSize = 32;
inline int iGlobXcenter = 223;
inline int iGlobYCenter = 119;
inline constexpr int iGlobB2Size = 7;

// how many automatic snapshots of a project are kept ("Snapshot" in ombrix.ini)
inline int iGlobSnapshot = 20;
