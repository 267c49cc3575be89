// Ombrix: the page-map editor of the KP5800 touch panel.
//
//   ombrix                      starts the editor with no project open
//   ombrix PROJECT.omb          starts the editor with that project open
//   ombrix --export PROJECT.omb exports the project without any window
//   ombrix --check PROJECT.omb  checks the project without any window
//   ombrix --io PROJECT.omb     lists its input and output numbers as CSV
//   ombrix --fit SOURCE --out DEST.jpg [...]  fits a picture or a PDF page to a panel page
//   ombrix --render EXPORT_DIR --out DIR   draws every exported page as DIR/areaNN.png
//   ombrix --pdf PROJECT.omb FILE.pdf      writes the project's handover document
//   ombrix --import EXPORT_DIR --out FOLDER/NAME.omb  rebuilds a project from a panel's maps.txt and bitmaps
//   ombrix --lang en ...        the editor in English (Italian by default)
//
// An unknown option, a missing argument or two commands at once print the
// usage on stderr and exit with 2.

#include "check/checkcli.h"
#include "editor/editorapp.h"
#include "export/exportcli.h"
#include "fit/fitcli.h"
#include "import/importcli.h"
#include "preview/previewcli.h"
#include "workspace/lingua.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

static const char *const szVersion = "Ombrix 160131-A";

namespace {

void pPrint(std::FILE *f, const QString &s)
{
    std::fputs(s.toLocal8Bit().constData(), f);
}

// the usage, under the program's own name (there is no application object yet)
QString fUsage(const QCommandLineParser &parser)
{
    return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("ombrix"));
}

int fUsageError(const QCommandLineParser &parser, const QString &sWhy)
{
    pPrint(stderr, QStringLiteral("ombrix: ") + sWhy + QStringLiteral("\n\n") + fUsage(parser));
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList asArg;
    for (int i = 0; i < argc; ++i)
        asArg << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pages of the KP5800 wall touch panel."));
    parser.addPositionalArgument(QStringLiteral("PROJECT.omb"), QStringLiteral("the project to open in the editor"),
                                 QStringLiteral("[PROJECT.omb]"));
    const QCommandLineOption optHelp({QStringLiteral("h"), QStringLiteral("help")},
                                     QStringLiteral("Show this help and exit."));
    const QCommandLineOption optVersion({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Show the version and exit."));
    const QCommandLineOption optExport(QStringLiteral("export"),
                                       QStringLiteral("Write maps.txt and the area bitmaps into the project's \"out\" "
                                                      "folder, then exit (no display needed). Exit 0, or 1 on a "
                                                      "failure."),
                                       QStringLiteral("PROJECT.omb"));
    const QCommandLineOption optCheck(QStringLiteral("check"),
                                      QStringLiteral("List what the panel would get wrong, one finding per line: "
                                                     "SEVERITY, AREA_ID, OBJECT_ID, CODE, message, separated by "
                                                     "tabs. Exit 0 without errors, 1 with errors, 2 if the project "
                                                     "cannot be read."),
                                      QStringLiteral("PROJECT.omb"));
    const QCommandLineOption optIo(QStringLiteral("io"),
                                   QStringLiteral("List the input and output numbers of the project as CSV."),
                                   QStringLiteral("PROJECT.omb"));
    const QCommandLineOption optRender(QStringLiteral("render"),
                                       QStringLiteral("Draw every page of the export in EXPORT_DIR as the panel shows "
                                                      "it, one PNG per area (areaNN.png, 480 x 272) into the --out "
                                                      "folder (no display needed). Exit 0, or 1 on a failure."),
                                       QStringLiteral("EXPORT_DIR"));
    const QCommandLineOption optPdf(QStringLiteral("pdf"),
                                    QStringLiteral("Write the project's A4 handover document to FILE.pdf, the "
                                                   "argument after PROJECT.omb (no display needed). Exit 0, or 1 on "
                                                   "a failure."),
                                    QStringLiteral("PROJECT.omb"));
    const QCommandLineOption optImport(QStringLiteral("import"),
                                       QStringLiteral("Rebuild a project from a panel's export (maps.txt and its "
                                                      "fileNNNN.bmp bitmaps in EXPORT_DIR) as the new project "
                                                      "given by --out FOLDER/NAME.omb; FOLDER must not exist or be "
                                                      "empty (no display needed). Exit 0, or 1 on a refusal, when "
                                                      "nothing is written."),
                                       QStringLiteral("EXPORT_DIR"));
    const QCommandLineOption optOut(QStringLiteral("out"), QStringLiteral("The output folder or file."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption optLang(QStringLiteral("lang"),
                                     QStringLiteral("The language of the editor: \"it\" (the default) or \"en\". "
                                                    "Overrides Lingua in ombrix.ini."),
                                     QStringLiteral("LANG"));
    parser.addOptions({optHelp, optVersion, optExport, optCheck, optIo, optRender, optPdf, optImport, optOut, optLang});
    const QCommandLineOption optFit(QStringLiteral("fit"),
                                    QStringLiteral("Fit a picture (JPEG, PNG, BMP, GIF, TIFF, WebP, SVG) or a PDF "
                                                   "page to a 480 x 272 panel page and write it as the JPEG given "
                                                   "by --out (no display needed). With no other option the whole "
                                                   "picture is fitted on white. Exit 0, or 1 on a failure, when "
                                                   "nothing is written."),
                                    QStringLiteral("SOURCE"));
    const QCommandLineOption optMode(QStringLiteral("mode"),
                                     QStringLiteral("With --fit: fit (the whole picture, the default), fill "
                                                    "(cover the page, centred crop) or original (unscaled, "
                                                    "top-left)."),
                                     QStringLiteral("fit|fill|original"));
    const QCommandLineOption optBelowBanner(QStringLiteral("below-banner"),
                                            QStringLiteral("With --fit: the picture under the 34-pixel banner, the "
                                                           "banner strip in the fill colour."));
    const QCommandLineOption optPage(QStringLiteral("page"),
                                     QStringLiteral("With --fit: the page of a PDF (1 "
                                                    "first)."),
                                     QStringLiteral("N"));
    const QCommandLineOption optRotate(QStringLiteral("rotate"),
                                       QStringLiteral("With --fit: turn the picture clockwise first."),
                                       QStringLiteral("90|180|270"));
    const QCommandLineOption optFill(QStringLiteral("fill"),
                                     QStringLiteral("With --fit: the fill colour (white by default)."),
                                     QStringLiteral("#RRGGBB"));
    const QCommandLineOption optBoldLines(QStringLiteral("bold-lines"),
                                          QStringLiteral("With --fit: keep the thin dark lines of a large plan "
                                                         "visible after a strong reduction."));
    parser.addOptions({optFit, optMode, optBelowBanner, optPage, optRotate, optFill, optBoldLines});

    // the options Qt itself takes for the editor's window pass through
    for (const char *sz : {"platform", "style", "display", "geometry", "qwindowgeometry", "stylesheet"}) {
        QCommandLineOption opt(QString::fromLatin1(sz), QString(), QStringLiteral("value"));
        opt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(opt);
    }
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    if (!parser.parse(asArg))
        return fUsageError(parser, parser.errorText());
    QString sLingua;
    if (parser.isSet(optLang)) {
        sLingua = parser.values(optLang).constLast().toLower();
        if (!fLinguaNota(sLingua))
            return fUsageError(parser, QStringLiteral("unknown language: ") + sLingua);
    }

    if (parser.isSet(optHelp)) {
        pPrint(stdout, fUsage(parser));
        return 0;
    }
    if (parser.isSet(optVersion)) {
        std::printf("%s\n", szVersion);
        return 0;
    }

    // at most one command, and a command takes no other argument
    const QList<const QCommandLineOption *> aComandi = {&optExport, &optCheck, &optIo,    &optRender,
                                                        &optPdf,    &optFit,   &optImport};
    const QCommandLineOption *pComando = nullptr;
    for (const QCommandLineOption *p : aComandi) {
        if (!parser.isSet(*p))
            continue;
        if (pComando || parser.values(*p).size() > 1)
            return fUsageError(parser, QStringLiteral("one command at a time"));
        pComando = p;
    }
    const QString sOutVa = QStringLiteral("--out goes with --render, --fit or --import");
    if (!pComando) {
        if (parser.isSet(optOut))
            return fUsageError(parser, sOutVa);
        if (parser.positionalArguments().size() > 1)
            return fUsageError(parser, QStringLiteral("one project at a time"));
        return fRunEditor(argc, argv, sLingua);
    }
    if (parser.values(optOut).size() > 1)
        return fUsageError(parser, QStringLiteral("one --out at a time"));
    if (pComando == &optRender && !parser.isSet(optOut))
        return fUsageError(parser, QStringLiteral("--render needs --out DIR"));
    if (pComando != &optRender && pComando != &optFit && pComando != &optImport && parser.isSet(optOut))
        return fUsageError(parser, sOutVa);
    if (pComando == &optPdf) {
        if (parser.positionalArguments().size() != 1)
            return fUsageError(parser, QStringLiteral("--pdf needs PROJECT.omb FILE.pdf"));
        return fRunPdfCommandLine(argc, argv, parser.value(optPdf), parser.positionalArguments().first());
    }
    if (!parser.positionalArguments().isEmpty())
        return fUsageError(parser, QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());
    if (pComando == &optRender)
        return fRunRenderCommandLine(argc, argv, parser.value(optRender), parser.value(optOut));

    if (pComando == &optFit) {
        if (!parser.isSet(optOut))
            return fUsageError(parser, QStringLiteral("--fit needs --out DEST.jpg"));
        const TArgomentiFit arg{parser.value(optMode), parser.value(optRotate),      parser.value(optFill),
                                parser.value(optPage), parser.isSet(optBelowBanner), parser.isSet(optBoldLines)};
        TOpzioniAdatta opz;
        int iPagina = 1;
        const QString sPerche = fLeggiArgomentiFit(arg, opz, iPagina);
        if (!sPerche.isEmpty())
            return fUsageError(parser, sPerche);
        return fRunFitCommandLine(argc, argv, parser.value(optFit), parser.value(optOut), opz, iPagina);
    }
    for (const QCommandLineOption *p : {&optMode, &optBelowBanner, &optPage, &optRotate, &optFill, &optBoldLines})
        if (parser.isSet(*p))
            return fUsageError(parser, QStringLiteral("--") + p->names().first() + QStringLiteral(" goes with --fit"));
    if (pComando == &optImport) {
        if (!parser.value(optOut).endsWith(QStringLiteral(".omb")))
            return fUsageError(parser, QStringLiteral("--import needs --out FOLDER/NAME.omb"));
        return fRunImportCommandLine(argc, argv, parser.value(optImport), parser.value(optOut));
    }
    const QByteArray sProgetto = parser.value(*pComando).toLocal8Bit();
    if (pComando == &optExport)
        return fRunExportCommandLine(sProgetto.constData());
    if (pComando == &optIo)
        return fRunIoCommandLine(sProgetto.constData());
    return fRunCheckCommandLine(argc, argv, sProgetto.constData());
}
