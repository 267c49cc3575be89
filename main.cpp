// Ombrix: the page-map editor of the KP5800 touch panel.
//
//   ombrix                      starts the editor with no project open
//   ombrix PROJECT.omb          starts the editor with that project open
//   ombrix --export PROJECT.omb exports the project without any window
//   ombrix --check PROJECT.omb  checks the project without any window
//   ombrix --io PROJECT.omb     lists its input and output numbers as CSV
//   ombrix --lang en ...        the editor in English (Italian by default)
//
// An unknown option, a missing argument or two commands at once print the
// usage on stderr and exit with 2.

#include "check/checkcli.h"
#include "editor/editorapp.h"
#include "export/exportcli.h"
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
    const QCommandLineOption optLang(QStringLiteral("lang"),
                                     QStringLiteral("The language of the editor: \"it\" (the default) or \"en\". "
                                                    "Overrides Lingua in ombrix.ini."),
                                     QStringLiteral("LANG"));
    parser.addOptions({optHelp, optVersion, optExport, optCheck, optIo, optLang});

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
    const QList<const QCommandLineOption *> aComandi = {&optExport, &optCheck, &optIo};
    const QCommandLineOption *pComando = nullptr;
    for (const QCommandLineOption *p : aComandi) {
        if (!parser.isSet(*p))
            continue;
        if (pComando || parser.values(*p).size() > 1)
            return fUsageError(parser, QStringLiteral("one command at a time"));
        pComando = p;
    }
    if (!pComando) {
        if (parser.positionalArguments().size() > 1)
            return fUsageError(parser, QStringLiteral("one project at a time"));
        return fRunEditor(argc, argv, sLingua);
    }
    if (!parser.positionalArguments().isEmpty())
        return fUsageError(parser, QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());

    const QByteArray sProgetto = parser.value(*pComando).toLocal8Bit();
    if (pComando == &optExport)
        return fRunExportCommandLine(sProgetto.constData());
    if (pComando == &optIo)
        return fRunIoCommandLine(sProgetto.constData());
    return fRunCheckCommandLine(argc, argv, sProgetto.constData());
}
