#pragma once

/**
 * The check and the I/O cross-reference on the command line, with no
 * display: the project database is opened read-only and never created.
 *
 *   ombrix --check PROJECT.omb  one finding per line on stdout
 *                               (SEVERITY TAB AREA_ID TAB OBJECT_ID TAB CODE TAB message),
 *                               the count on stderr; exit 0 without errors, 1 with
 *                               at least one, 2 when the project cannot be read
 *   ombrix --io PROJECT.omb     the cross-reference as CSV on stdout; exit 0, or 2
 *                               when the project cannot be read
 */
int fRunCheckCommandLine(int argc, char **argv, const char *szProject);
int fRunIoCommandLine(const char *szProject);
/** ombrix --export PROJECT.omb: the export of fRunExportCommandLine, its output and exit code unchanged, told first
 *  on stderr when the check finds errors: "ombrix: la verifica ha trovato N errori (ombrix --check PROJECT.omb)". */
int fRunExportVerificato(int argc, char **argv, const char *szProject);
