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
//   ombrix --lang en ...        the editor and every command in English (Italian by default)
//
// An unknown option, a missing argument or two commands at once print the
// usage on stderr and exit with 2. The language (--lang, else Lingua in
// ombrix.ini) is chosen before anything is printed: the usage, the messages
// and every command's output are in it.

#include "check/checkcli.h"
#include "editor/editorapp.h"
#include "export/exportcli.h"
#include "fit/fitcli.h"
#include "import/importcli.h"
#include "preview/previewcli.h"
#include "workspace/lingua.h"
#include "workspace/settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

static const char *const szVersion = "Ombrix 160131-A";

namespace {

// the translation context of the program's own messages
struct Ombrix
{
    Q_DECLARE_TR_FUNCTIONS(Ombrix)
};

void pPrint(std::FILE *f, const QString &s)
{
    std::fputs(s.toLocal8Bit().constData(), f);
}

// the usage, under the program's own name, whatever path started it
QString fUsage(const QCommandLineParser &parser)
{
    QString s = parser.helpText();
    const QString sEseguibile = QCoreApplication::arguments().value(0);
    const qsizetype i = sEseguibile.isEmpty() ? -1 : s.indexOf(sEseguibile);
    if (i >= 0 && i < s.indexOf(QLatin1Char('\n')))
        s.replace(i, sEseguibile.size(), QStringLiteral("ombrix"));
    return s;
}

int fUsageError(const QCommandLineParser &parser, const QString &sWhy)
{
    pPrint(stderr, QStringLiteral("ombrix: ") + sWhy + QStringLiteral("\n\n") + fUsage(parser));
    return 2;
}

/** The value of the last --lang (also -lang, --lang=X) before the options end, ahead of the full reading of
 *  the command line, whose texts are already in the language. Empty when there is none. */
QString fLinguaChiesta(const QStringList &asArg)
{
    QString sLingua;
    for (qsizetype i = 1; i < asArg.size(); ++i) {
        const QString &s = asArg.at(i);
        if (s == QLatin1String("--"))
            break;
        if ((s == QLatin1String("--lang") || s == QLatin1String("-lang")) && i + 1 < asArg.size())
            sLingua = asArg.at(++i);
        else if (s.startsWith(QLatin1String("--lang=")) || s.startsWith(QLatin1String("-lang=")))
            sLingua = s.mid(s.indexOf(QLatin1Char('=')) + 1);
    }
    return sLingua.toLower();
}

} // namespace

int main(int argc, char **argv)
{
    QStringList asArg;
    for (int i = 0; i < argc; ++i)
        asArg << QString::fromLocal8Bit(argv[i]);

    // This application object speaks for the command line and runs the commands that need no toolkit of their
    // own; the editor and the commands that draw make their own once it is gone.
    std::optional<QCoreApplication> app(std::in_place, argc, argv);
    pSetApplicationFolders(QCoreApplication::applicationFilePath());
    pLoadFromIni();
    QString sLingua = fLinguaChiesta(asArg);
    if (sLingua.isEmpty())
        sLingua = fLinguaDaIni();
    if (!fInstallaLingua(sLingua))
        pPrint(stderr, QStringLiteral("ombrix: the English translation cannot be loaded\n"));

    QCommandLineParser parser;
    parser.setApplicationDescription(Ombrix::tr("Disegna le pagine del pannello touch a parete KP5800."));
    const QString sProgetto = Ombrix::tr("PROGETTO.omb");
    parser.addPositionalArgument(sProgetto, Ombrix::tr("il progetto da aprire nell'editor"),
                                 QLatin1Char('[') + sProgetto + QLatin1Char(']'));
    const QCommandLineOption optHelp({QStringLiteral("h"), QStringLiteral("help")},
                                     Ombrix::tr("Mostra questo aiuto ed esce."));
    const QCommandLineOption optVersion({QStringLiteral("v"), QStringLiteral("version")},
                                        Ombrix::tr("Mostra la versione ed esce."));
    const QCommandLineOption optExport(QStringLiteral("export"),
                                       Ombrix::tr("Scrive maps.txt e le bitmap delle aree nella cartella \"out\" del "
                                                  "progetto, poi esce (senza display). Esce con 0, o con 1 se non "
                                                  "riesce."),
                                       sProgetto);
    const QCommandLineOption optCheck(QStringLiteral("check"),
                                      Ombrix::tr("Elenca ciò che il pannello mostrerebbe in modo errato, una "
                                                 "segnalazione per riga: GRAVITÀ, ID_AREA, ID_OGGETTO, CODICE, "
                                                 "messaggio, separati da tabulazioni. Esce con 0 senza errori, 1 con "
                                                 "errori, 2 se il progetto non si può leggere."),
                                      sProgetto);
    const QCommandLineOption optIo(
        QStringLiteral("io"), Ombrix::tr("Elenca i numeri di ingresso e di uscita del progetto in CSV."), sProgetto);
    const QCommandLineOption optRender(QStringLiteral("render"),
                                       Ombrix::tr("Disegna ogni pagina dell'esportazione in CARTELLA_EXPORT come la "
                                                  "mostra il pannello, un PNG per area (areaNN.png, 480 x 272), "
                                                  "nella cartella di --out (senza display). Esce con 0, o con 1 se "
                                                  "non riesce."),
                                       Ombrix::tr("CARTELLA_EXPORT"));
    const QCommandLineOption optPdf(QStringLiteral("pdf"),
                                    Ombrix::tr("Scrive il documento di consegna A4 del progetto in FILE.pdf, "
                                               "l'argomento dopo PROGETTO.omb (senza display). Esce con 0, o con 1 "
                                               "se non riesce."),
                                    sProgetto);
    const QCommandLineOption optImport(QStringLiteral("import"),
                                       Ombrix::tr("Ricostruisce un progetto dall'esportazione di un pannello (maps.txt "
                                                  "e le sue bitmap fileNNNN.bmp in CARTELLA_EXPORT) come il nuovo "
                                                  "progetto dato da --out CARTELLA/NOME.omb; CARTELLA non deve "
                                                  "esistere o deve essere vuota (senza display). Esce con 0, o con 1 "
                                                  "se rifiuta, e allora non scrive nulla."),
                                       Ombrix::tr("CARTELLA_EXPORT"));
    const QCommandLineOption optOut(QStringLiteral("out"), Ombrix::tr("La cartella o il file da scrivere."),
                                    Ombrix::tr("PERCORSO"));
    const QCommandLineOption optLang(QStringLiteral("lang"),
                                     Ombrix::tr("La lingua dell'editor e dei comandi: \"it\" (predefinita) o "
                                                "\"en\". Prevale su Lingua in ombrix.ini."),
                                     Ombrix::tr("LINGUA"));
    parser.addOptions({optHelp, optVersion, optExport, optCheck, optIo, optRender, optPdf, optImport, optOut, optLang});
    const QCommandLineOption optFit(QStringLiteral("fit"),
                                    Ombrix::tr("Adatta un'immagine (JPEG, PNG, BMP, GIF, TIFF, WebP, SVG) o una "
                                               "pagina PDF a una pagina del pannello di 480 x 272 e la scrive come "
                                               "il JPEG dato da --out (senza display). Senza altre opzioni "
                                               "l'immagine intera è adattata su fondo bianco. Esce con 0, o con 1 "
                                               "se non riesce, e allora non scrive nulla."),
                                    Ombrix::tr("ORIGINE"));
    const QCommandLineOption optMode(QStringLiteral("mode"),
                                     Ombrix::tr("Con --fit: fit (l'immagine intera, predefinito), fill (copre la "
                                                "pagina, ritagliata al centro) o original (non scalata, in alto a "
                                                "sinistra)."),
                                     QStringLiteral("fit|fill|original"));
    const QCommandLineOption optBelowBanner(QStringLiteral("below-banner"),
                                            Ombrix::tr("Con --fit: l'immagine sotto il banner di 34 pixel, la "
                                                       "fascia del banner nel colore di riempimento."));
    const QCommandLineOption optPage(QStringLiteral("page"), Ombrix::tr("Con --fit: la pagina di un PDF (1 la prima)."),
                                     QStringLiteral("N"));
    const QCommandLineOption optRotate(QStringLiteral("rotate"),
                                       Ombrix::tr("Con --fit: prima ruota l'immagine in senso orario."),
                                       QStringLiteral("90|180|270"));
    const QCommandLineOption optFill(QStringLiteral("fill"),
                                     Ombrix::tr("Con --fit: il colore di riempimento (bianco se non dato)."),
                                     QStringLiteral("#RRGGBB"));
    const QCommandLineOption optBoldLines(QStringLiteral("bold-lines"),
                                          Ombrix::tr("Con --fit: le linee sottili e scure di una pianta grande restano "
                                                     "visibili dopo una forte riduzione."));
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
    if (parser.isSet(optLang) && !fLinguaNota(parser.values(optLang).constLast().toLower()))
        return fUsageError(parser, Ombrix::tr("lingua sconosciuta: %1").arg(parser.values(optLang).constLast()));

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
            return fUsageError(parser, Ombrix::tr("un comando alla volta"));
        pComando = p;
    }
    const QString sOutDove = Ombrix::tr("--out va con --render, --fit o --import");
    if (!pComando) {
        if (parser.isSet(optOut))
            return fUsageError(parser, sOutDove);
        if (parser.positionalArguments().size() > 1)
            return fUsageError(parser, Ombrix::tr("un progetto alla volta"));
        app.reset();
        return fRunEditor(argc, argv);
    }
    if (parser.values(optOut).size() > 1)
        return fUsageError(parser, Ombrix::tr("un solo --out"));
    if (pComando == &optRender && !parser.isSet(optOut))
        return fUsageError(parser, Ombrix::tr("--render vuole --out CARTELLA"));
    if (pComando != &optRender && pComando != &optFit && pComando != &optImport && parser.isSet(optOut))
        return fUsageError(parser, sOutDove);
    if (pComando == &optPdf) {
        if (parser.positionalArguments().size() != 1)
            return fUsageError(parser, Ombrix::tr("--pdf vuole PROGETTO.omb FILE.pdf"));
        const QString sDb = parser.value(optPdf);
        const QString sPdf = parser.positionalArguments().first();
        app.reset();
        return fRunPdfCommandLine(argc, argv, sDb, sPdf);
    }
    if (!parser.positionalArguments().isEmpty())
        return fUsageError(parser, Ombrix::tr("argomento inatteso: %1").arg(parser.positionalArguments().first()));
    if (pComando == &optRender) {
        const QString sExport = parser.value(optRender);
        const QString sOut = parser.value(optOut);
        app.reset();
        return fRunRenderCommandLine(argc, argv, sExport, sOut);
    }

    if (pComando == &optFit) {
        if (!parser.isSet(optOut))
            return fUsageError(parser, Ombrix::tr("--fit vuole --out DESTINAZIONE.jpg"));
        const TArgomentiFit arg{parser.value(optMode), parser.value(optRotate),      parser.value(optFill),
                                parser.value(optPage), parser.isSet(optBelowBanner), parser.isSet(optBoldLines)};
        TOpzioniAdatta opz;
        int iPagina = 1;
        const QString sPerche = fLeggiArgomentiFit(arg, opz, iPagina);
        if (!sPerche.isEmpty())
            return fUsageError(parser, sPerche);
        const QString sSorgente = parser.value(optFit);
        const QString sDest = parser.value(optOut);
        app.reset();
        return fRunFitCommandLine(argc, argv, sSorgente, sDest, opz, iPagina);
    }
    for (const QCommandLineOption *p : {&optMode, &optBelowBanner, &optPage, &optRotate, &optFill, &optBoldLines})
        if (parser.isSet(*p))
            return fUsageError(parser, Ombrix::tr("--%1 va con --fit").arg(p->names().first()));
    if (pComando == &optImport) {
        if (!parser.value(optOut).endsWith(QStringLiteral(".omb")))
            return fUsageError(parser, Ombrix::tr("--import vuole --out CARTELLA/NOME.omb"));
        const QString sExport = parser.value(optImport);
        const QString sOut = parser.value(optOut);
        app.reset();
        return fRunImportCommandLine(argc, argv, sExport, sOut);
    }
    const QByteArray sFile = parser.value(*pComando).toLocal8Bit();
    if (pComando == &optExport) {
        app.reset();
        return fRunExportVerificato(argc, argv, sFile.constData());
    }
    if (pComando == &optIo)
        return fRunIoCommandLine(sFile.constData());
    app.reset();
    return fRunCheckCommandLine(argc, argv, sFile.constData());
}
