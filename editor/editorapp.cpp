#include "editor/editorapp.h"

#include <QApplication>

int fRunEditor(int argc, char **argv)
{
    QApplication app(argc, argv);
    return 0;
}
