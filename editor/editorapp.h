#pragma once

#include <QString>

/**
 * Runs the editor: the application, the main window, the hidden font dialog
 * and the event loop. A project file among the arguments is opened at start.
 * sLingua is the language asked for on the command line ("it", "en"); empty
 * leaves the choice to Lingua in ombrix.ini, and Italian is the default.
 */
int fRunEditor(int argc, char **argv, const QString &sLingua = QString());
