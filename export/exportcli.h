#pragma once

#include <functional>

/**
 * The headless export: opens the project as Open project does, runs the
 * export command, prints the success message on stdout and returns 0; on any
 * failure writes the failing layer's message on stderr and returns 1.
 * Needs no display. pPrimaDelMessaggio, when given, runs just before the
 * message, success or failure, is written.
 */
int fRunExportCommandLine(const char *szProject, const std::function<void()> &pPrimaDelMessaggio = {});
