#pragma once

#include <QString>

/**
 * The headless import, with no display:
 *
 *   ombrix --import EXPORT_DIR --out FOLDER/NAME.omb
 *
 * rebuilds the export in EXPORT_DIR as a new project (importa.h), prints the
 * closing message on stdout and returns 0; on a refusal or failure writes
 * its message (file, line, reason) on stderr and returns 1, with nothing
 * written.
 */
int fRunImportCommandLine(int argc, char **argv, const QString &sExportDir, const QString &sDatabase);
