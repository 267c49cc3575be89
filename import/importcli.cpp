#include "import/importcli.h"

#include "import/importa.h"
#include "workspace/errors.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

int fRunImportCommandLine(int argc, char **argv, const QString &sExportDir, const QString &sDatabase)
{
    QCoreApplication app(argc, argv);
    try {
        const TEsitoImportazione esito = fImportaDalPannello(sExportDir, sDatabase);
        std::printf("%s\n", esito.fMessaggio().toLocal8Bit().constData());
        return 0;
    } catch (const TOmbrixError &e) {
        std::fprintf(stderr, "%s\n", e.fMessage().toLocal8Bit().constData());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
