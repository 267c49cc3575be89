#include "fit/fitcli.h"

#include "workspace/errors.h"

#include <QColor>
#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>

QString fLeggiArgomentiFit(const TArgomentiFit &arg, TOpzioniAdatta &opz, int &iPagina)
{
    opz = TOpzioniAdatta();
    iPagina = 1;
    if (arg.sModo == QLatin1String("fill"))
        opz.eModo = TModoAdatta::Riempi;
    else if (arg.sModo == QLatin1String("original"))
        opz.eModo = TModoAdatta::Originale;
    else if (!arg.sModo.isEmpty() && arg.sModo != QLatin1String("fit"))
        return QCoreApplication::translate("Ombrix", "--mode vuole fit, fill o original");
    if (!arg.sRotazione.isEmpty()) {
        opz.iRotazione = arg.sRotazione.toInt();
        if (opz.iRotazione != 90 && opz.iRotazione != 180 && opz.iRotazione != 270)
            return QCoreApplication::translate("Ombrix", "--rotate vuole 90, 180 o 270");
    }
    if (!arg.sFondo.isEmpty()) {
        if (!QRegularExpression(QStringLiteral("^#[0-9A-Fa-f]{6}$")).match(arg.sFondo).hasMatch())
            return QCoreApplication::translate("Ombrix", "--fill vuole un colore come #RRGGBB");
        opz.colFondo = QColor(arg.sFondo);
    }
    if (!arg.sPagina.isEmpty()) {
        bool bOk = false;
        iPagina = arg.sPagina.toInt(&bOk);
        if (!bOk || iPagina < 1)
            return QCoreApplication::translate("Ombrix", "--page vuole un numero di pagina da 1");
    }
    opz.bSottoBanner = arg.bSottoBanner;
    opz.bLineeMarcate = arg.bLineeMarcate;
    return QString();
}

int fRunFitCommandLine(int argc, char **argv, const QString &sSorgente, const QString &sDest, const TOpzioniAdatta &opz,
                       int iPagina)
{
    QCoreApplication app(argc, argv); // the image plugins, without any display
    try {
        pAdattaFile(sSorgente, sDest, opz, iPagina);
        return 0;
    } catch (const TOmbrixError &e) {
        std::fprintf(stderr, "ombrix: %s\n", e.fMessage().toLocal8Bit().constData());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "ombrix: %s: %s\n", sSorgente.toLocal8Bit().constData(), e.what());
    }
    return 1;
}
