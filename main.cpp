// Ombrix: the page-map editor of the KP5800 touch panel.
//
//   ombrix                      starts the editor with no project open
//   ombrix PROJECT.omb          starts the editor with that project open
//   ombrix --export PROJECT.omb exports the project without any window
//   ombrix --check PROJECT.omb  checks the project without any window
//   ombrix --io PROJECT.omb     lists its input and output numbers as CSV

#include "check/checkcli.h"
#include "editor/editorapp.h"
#include "export/exportcli.h"

#include <cstdio>
#include <cstring>

static const char *const szVersion = "Ombrix 160131-A";

static void pPrintHelp()
{
    std::printf("Usage: ombrix [PROJECT.omb]\n"
                "       ombrix --export PROJECT.omb\n"
                "       ombrix --check PROJECT.omb\n"
                "       ombrix --io PROJECT.omb\n\n"
                "Draws the pages of the KP5800 wall touch panel.\n\n"
                "  --export PROJECT.omb  write maps.txt and the area bitmaps into the project's \"out\"\n"
                "                        folder, then exit (no display needed)\n"
                "  --check PROJECT.omb   list what the panel would get wrong, one finding per line:\n"
                "                        SEVERITY, AREA_ID, OBJECT_ID, CODE, message, separated by tabs;\n"
                "                        exit 0 without errors, 1 with errors, 2 if the project cannot\n"
                "                        be read (no display needed)\n"
                "  --io PROJECT.omb      list the input and output numbers of the project as CSV\n"
                "  -h, --help            show this help and exit\n"
                "  -v, --version         show the version and exit\n");
}

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            pPrintHelp();
            return 0;
        }
        if (!std::strcmp(a, "--version") || !std::strcmp(a, "-v")) {
            std::printf("%s\n", szVersion);
            return 0;
        }
        if (!std::strcmp(a, "--export")) {
            if (i + 1 >= argc || argc != 3) {
                std::fprintf(stderr, "ombrix: --export takes exactly one project file\n");
                return 1;
            }
            return fRunExportCommandLine(argv[i + 1]);
        }
        if (!std::strcmp(a, "--check") || !std::strcmp(a, "--io")) {
            if (i + 1 >= argc || argc != 3) {
                std::fprintf(stderr, "ombrix: %s takes exactly one project file\n", a);
                return 2;
            }
            if (!std::strcmp(a, "--io"))
                return fRunIoCommandLine(argv[i + 1]);
            return fRunCheckCommandLine(argc, argv, argv[i + 1]);
        }
    }
    return fRunEditor(argc, argv);
}
