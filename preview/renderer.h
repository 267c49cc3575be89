#pragma once

#include "preview/mapsreader.h"
#include "workspace/pannello.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

/**
 * Draws an exported area as the panel shows it, 480 x 272, from the files
 * of an export alone: the area's bitmap, each object's icon from the
 * graphics folder centred on its position, each barrier's second end and
 * line, each label in its size and colour, and the keys at their fixed
 * positions. Icons, lines and labels are painted by the canvas's own code
 * (disegno.h). Needs a QGuiApplication (fonts), no display.
 *
 * Every file is read only when it is a plain file, up to a bound; the
 * area's bitmap must be one as the export writes it, whole. A picture that
 * cannot be read (an icon, or the bitmap when it is required) throws
 * TOmbrixError naming the file and the reason.
 */

/** The largest area bitmap read: a picture of some 9000 x 9000 pixels. */
inline constexpr qint64 iBitmapMassima = 256LL << 20;

/** The page of area a of the export in sCartellaExport (with or without a final separator). Without
 *  bRichiediBitmap an area whose bitmap is missing is drawn on black, as an area without a picture. */
QImage fDisegnaPagina(const TAreaMappa &a, const QString &sCartellaExport, bool bRichiediBitmap = true);

/** The area a press at pos on area a's page leads to, as on the panel: a key ("Tesc" to the home of
 *  the map, the others to the area they name) or a zoom marker; none elsewhere or when the area is
 *  not in the map. */
std::optional<qint64> fDestinazione(const TMappa &m, const TAreaMappa &a, const QPoint &pos);

/** The PNG name of an area's page: "area" + id in 2 digits + ".png". */
QString fNomePng(qint64 iId);

/** Reads sCartellaExport's maps.txt and writes one PNG per area into sCartellaPng (made when
 *  missing); every bitmap is required. Each PNG is created new, never written through a link; a name
 *  taken by anything but a plain file is refused before anything is written. Returns the files written. */
QStringList pDisegnaEsportazione(const QString &sCartellaExport, const QString &sCartellaPng);
