#pragma once

/**
 * Runs the editor: the application, the main window, the hidden font dialog
 * and the event loop. A project file among the arguments is opened at start.
 */
int fRunEditor(int argc, char **argv);
