#pragma once

#include "model/catalogo.h"
#include "workspace/pannello.h"
#include "workspace/sqlconn.h"

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

/**
 * The project check: what the panel would get wrong, found before the
 * export. It reads the open project through a connection (nothing is
 * written) and the area pictures in the project folder, and returns its
 * findings; the export never consults it.
 *
 * Errors are what would make maps.txt malformed or show something wrong on
 * the panel; warnings are what is probably a mistake. Label widths are
 * measured with the font the canvas draws labels in, so a QGuiApplication
 * must exist (the offscreen platform is enough).
 */

enum class TGravita { Errore, Avviso };

struct TFinding
{
    TGravita eGravita = TGravita::Errore;
    qint64 iAreaId = 0;
    std::optional<qint64> iOggettoId; // the sensor id; none for a finding about the area itself
    QString sCodice;                  // e.g. "numero-fuori-campo"
    QString sMessaggio;               // Italian, naming the area, the object and the value
    bool operator==(const TFinding &) const = default;
};

/** Checks the project read through conn, whose folder is sRootPrj (ending in a
 *  separator, with "areas" in it). The findings come sorted by area id, then
 *  object id, the area's own findings first. A failing read of the database
 *  throws TOmbrixError naming the database file. */
QList<TFinding> fVerificaProgetto(TSqlConn &conn, const QString &sRootPrj);

/** "errore" or "avviso". */
QString fNomeGravita(TGravita eGravita);

/** A key of the banner strip: its code in maps.txt and the square it covers. */
struct TTasto
{
    QString sCodice;
    QRect rect;
};

/** The keys the export writes for an area of level iLivello: 32-pixel
 *  squares centred at y 18 (none beyond level 1). */
QList<TTasto> fTastiDelLivello(qint64 iLivello);

/** The longest label the record's column holds (the I/O numbers: fNumeroIoValido). */
inline constexpr int iTestoMassimo = 23;
inline constexpr int iAreaIdMassimo = 99;
