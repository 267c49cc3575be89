#pragma once

#include "fit/adatta.h"

#include <QString>

/** The option values of "ombrix --fit", as typed (empty: not given). */
struct TArgomentiFit
{
    QString sModo, sRotazione, sFondo, sPagina;
    bool bSottoBanner = false;
    bool bLineeMarcate = false;
};

/** Reads the option values into opz and iPagina; the reason when one is not valid, else empty. */
QString fLeggiArgomentiFit(const TArgomentiFit &arg, TOpzioniAdatta &opz, int &iPagina);

/** "ombrix --fit SOURCE --out DEST.jpg ...": fits the picture and writes the JPEG, with no display.
 *  Returns 0, or 1 after a message naming the failing file on stderr (nothing is then written). */
int fRunFitCommandLine(int argc, char **argv, const QString &sSorgente, const QString &sDest, const TOpzioniAdatta &opz,
                       int iPagina);
