#pragma once

#include <QString>

/**
 * The exported pages and the handover document on the command line, with no
 * display (the offscreen platform gives the fonts):
 *
 *   ombrix --render EXPORT_DIR --out DIR   one PNG per area, areaNN.png, 480 x 272
 *   ombrix --pdf PROJECT.omb FILE.pdf      the A4 document of the project
 *
 * Exit 0 on success; on a failure (a missing or malformed maps.txt, a missing
 * bitmap, a project that cannot be read) the failing layer's message on
 * stderr and exit 1.
 */
int fRunRenderCommandLine(int argc, char **argv, const QString &sExportDir, const QString &sOutDir);
int fRunPdfCommandLine(int argc, char **argv, const QString &sProject, const QString &sPdf);
