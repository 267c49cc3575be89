#pragma once

#include "workspace/pannello.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <optional>

class TSorgente;

/** The size of a page of the panel, and the height of the banner over its top. */
inline constexpr int iLatoPannelloX = 480;
inline constexpr int iLatoPannelloY = 272;

enum class TModoAdatta {
    Adatta,   // the whole picture, its aspect ratio kept, centred; the rest in the fill colour
    Riempi,   // scaled to cover the page, the excess cropped
    Originale // unscaled
};

/** How a picture is fitted onto a page. */
struct TOpzioniAdatta
{
    TModoAdatta eModo = TModoAdatta::Adatta;
    bool bSottoBanner = false; // into the strip under the banner, the banner strip in the fill colour
    int iRotazione = 0;        // 0, 90, 180 or 270, clockwise
    double dZoom = 1.0;        // Riempi and Originale: a factor on top of the mode's scale
    /** Where the crop window lies, 0 to 1 on each axis over the room there is (0: the picture's left or top
     *  edge at the page's); none: centred for Riempi, top-left for Originale. */
    std::optional<QPointF> posFinestra;
    QColor colFondo = Qt::white;
    bool bLineeMarcate = false; // keeps thin dark lines visible after a strong reduction
};

/** Where a picture lands on the page. */
struct TImpaginazione
{
    QRect rcPagina;      // the strip the picture goes into
    QRectF rcImmagine;   // the whole (rotated) picture, in page coordinates
    double dScala = 1.0; // page pixels per natural unit of the picture
    QPointF posFinestra; // the window position in effect
};

/** Lays a picture of natural size dimensione out on the page. */
TImpaginazione fImpagina(const QSizeF &dimensione, const TOpzioniAdatta &opz);

/** The 480 x 272 page (RGB32) that the picture becomes. Throws TOmbrixError naming the file. */
QImage fAdatta(TSorgente &sorgente, const TOpzioniAdatta &opz);

/** The page as stored in a project: a baseline three-channel RGB JPEG of quality 95. */
QByteArray fJpegSfondo(const QImage &pagina);

/** Fits sSorgente (page iPagina of a PDF) and writes the JPEG to sDest in one step: on a failure nothing
 *  is written. sDest is created new (TFileNuovo): a name taken by a link, a FIFO or a folder is refused.
 *  Throws TOmbrixError naming the failing file. */
void pAdattaFile(const QString &sSorgente, const QString &sDest, const TOpzioniAdatta &opz, int iPagina = 1);
