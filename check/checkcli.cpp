#include "check/checkcli.h"

#include "check/riferimentiio.h"
#include "check/verifica.h"
#include "export/exportcli.h"
#include "workspace/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <functional>
#include <future>
#include <thread>

#include <sqlite3.h>

namespace {

constexpr int iNonLeggibile = 2;

/** Keeps stderr for the check's own lines: the platform's notices (a runtime
 *  folder not set, and the like) are not about the project. */
void pSoloErroriGravi(QtMsgType eTipo, const QMessageLogContext &, const QString &sMessaggio)
{
    if (eTipo == QtCriticalMsg || eTipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", sMessaggio.toUtf8().constData());
}

/** Opens the project of the database file sDb read-only, without creating
 *  anything; returns its folder. */
QString fApriInLettura(TSqlConn &conn, const QString &sDb)
{
    const QFileInfo fi(sDb);
    if (!fi.exists())
        throw TOmbrixError(sDb + QStringLiteral(": ") + fErroreDiSistema(ENOENT));
    if (fi.isDir())
        throw TOmbrixError(sDb + QStringLiteral(": ") + fErroreDiSistema(EISDIR));
    conn.pOpen(fi.absoluteFilePath(), false, true);
    return fi.absolutePath() + QLatin1Char('/');
}

void pScrivi(std::FILE *f, const QByteArray &b)
{
    std::fwrite(b.constData(), 1, std::size_t(b.size()), f);
}

/** Runs pLavoro on the open project; a project that cannot be read gives its
 *  message on stderr and exit code 2. */
int fSulProgetto(const char *szProject, const std::function<int(TSqlConn &, const QString &)> &pLavoro)
{
    try {
        TSqlConn conn;
        const QString sRoot = fApriInLettura(conn, QFile::decodeName(szProject));
        return pLavoro(conn, sRoot);
    } catch (const TOmbrixError &e) {
        pScrivi(stderr, e.fMessage().toUtf8() + '\n');
    } catch (const std::exception &e) {
        pScrivi(stderr, QByteArray(e.what()) + '\n');
    }
    return iNonLeggibile;
}

/** "1 errore" when n is 1, else sPiu with the number for %1. */
QString fConta(qsizetype n, const QString &sUno, const QString &sPiu)
{
    return n == 1 ? sUno : sPiu.arg(n);
}

} // namespace

int fRunCheckCommandLine(int argc, char **argv, const char *szProject)
{
    // Label widths need fonts, not a screen: the check never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(pSoloErroriGravi);
    QGuiApplication app(argc, argv);
    return fSulProgetto(szProject, [](TSqlConn &conn, const QString &sRoot) {
        const QList<TFinding> aFindings = fVerificaProgetto(conn, sRoot);
        qsizetype nErrori = 0;
        QByteArray out;
        for (const TFinding &f : aFindings) {
            nErrori += f.eGravita == TGravita::Errore;
            const QString sOggetto = f.iOggettoId ? QString::number(*f.iOggettoId) : QStringLiteral("-");
            out += QStringList{fNomeGravita(f.eGravita), QString::number(f.iAreaId), sOggetto, f.sCodice, f.sMessaggio}
                       .join(QLatin1Char('\t'))
                       .toUtf8() +
                   '\n';
        }
        pScrivi(stdout, out);
        std::fflush(stdout);
        pScrivi(stderr, (fConta(nErrori, QCoreApplication::translate("Ombrix", "1 errore"),
                                QCoreApplication::translate("Ombrix", "%1 errori")) +
                         QStringLiteral(", ") +
                         fConta(aFindings.size() - nErrori, QCoreApplication::translate("Ombrix", "1 avviso"),
                                QCoreApplication::translate("Ombrix", "%1 avvisi")) +
                         QLatin1Char('\n'))
                            .toUtf8());
        return nErrori > 0 ? 1 : 0;
    });
}

int fRunExportVerificato(int argc, char **argv, const char *szProject)
{
    // each connection is used by one thread: the check's here, the export's in its own
    sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
    // the check needs fonts, not a screen; the application stays for the export's own messages
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(pSoloErroriGravi);
    QGuiApplication app(argc, argv);
    // the export runs meanwhile, and writes its message once the check has told its errors
    std::promise<void> verificata;
    std::shared_future<void> fatta = verificata.get_future().share();
    int iEsito = 0;
    std::thread esportazione([&] { iEsito = fRunExportCommandLine(szProject, [fatta] { fatta.wait(); }); });
    try {
        qsizetype nErrori = 0;
        {
            TSqlConn conn;
            const QString sRoot = fApriInLettura(conn, QFile::decodeName(szProject));
            for (const TFinding &f : fVerificaProgetto(conn, sRoot))
                nErrori += f.eGravita == TGravita::Errore;
            conn.pClose();
        }
        if (nErrori > 0)
            pScrivi(stderr,
                    QCoreApplication::translate("Ombrix", "ombrix: la verifica ha trovato %1 (ombrix --check %2)")
                            .arg(fConta(nErrori, QCoreApplication::translate("Ombrix", "1 errore"),
                                        QCoreApplication::translate("Ombrix", "%1 errori")),
                                 QFile::decodeName(szProject))
                            .toUtf8() +
                        '\n');
    } catch (...) {
        // a project the check cannot read is the export's to report, in its own words
    }
    std::fflush(stderr);
    verificata.set_value();
    esportazione.join();
    return iEsito;
}

int fRunIoCommandLine(const char *szProject)
{
    return fSulProgetto(szProject, [](TSqlConn &conn, const QString &) {
        pScrivi(stdout, fCsvIo(fRiferimentiIo(conn)));
        return 0;
    });
}
