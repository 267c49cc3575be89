#include "export/exportcli.h"

#include <cstdio>

int fRunExportCommandLine(const char *szProject)
{
    std::fprintf(stderr, "ombrix: export not available yet: %s\n", szProject);
    return 1;
}
