#include "preview/previewcli.h"

#include "preview/documentopdf.h"
#include "preview/renderer.h"
#include "workspace/errors.h"
#include "workspace/settings.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <functional>

namespace {

/** Keeps stderr for the command's own lines: the platform's notices are not about the files. */
void pSoloErroriGravi(QtMsgType eTipo, const QMessageLogContext &, const QString &sMessaggio)
{
    if (eTipo == QtCriticalMsg || eTipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", sMessaggio.toUtf8().constData());
}

/** Runs pLavoro under an offscreen application with the installation's folders; a failure gives its
 *  message on stderr and exit 1. */
int fSenzaDisplay(int argc, char **argv, const std::function<void()> &pLavoro)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(pSoloErroriGravi);
    QGuiApplication app(argc, argv);
    pSetApplicationFolders(QCoreApplication::applicationFilePath());
    try {
        pLavoro();
        return 0;
    } catch (const TOmbrixError &e) {
        std::fprintf(stderr, "%s\n", e.fMessage().toLocal8Bit().constData());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}

} // namespace

int fRunRenderCommandLine(int argc, char **argv, const QString &sExportDir, const QString &sOutDir)
{
    return fSenzaDisplay(argc, argv, [&] {
        for (const QString &sPng : pDisegnaEsportazione(sExportDir, sOutDir))
            std::printf("%s\n", sPng.toLocal8Bit().constData());
    });
}

int fRunPdfCommandLine(int argc, char **argv, const QString &sProject, const QString &sPdf)
{
    return fSenzaDisplay(argc, argv, [&] { pScriviDocumentoPdf(sProject, sPdf); });
}
