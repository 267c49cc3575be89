#pragma once

/**
 * The headless export: opens the project as Open project does, runs the
 * export command, prints the success message on stdout and returns 0; on any
 * failure writes the failing layer's message on stderr and returns 1.
 * Needs no display.
 */
int fRunExportCommandLine(const char *szProject);
