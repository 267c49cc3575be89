#pragma once

#include <QString>

/**
 * Runs the editor: the application, the main window, the hidden font dialog
 * and the event loop. A project file among the arguments is opened at start.
 * The interface speaks the language chosen before it is called (fInstallaLingua).
 */
int fRunEditor(int argc, char **argv);
