#pragma once

#include <QByteArray>
#include <QString>

/**
 * An SVG drawing is someone else's file: drawn as it stands, its <image>
 * elements would load pictures from this computer (an absolute path, or a
 * name next to the current folder) into the result, also from inside an SVG
 * carried by a data URL.
 *
 * fSvgChiuso rewrites a drawing so that it loads nothing outside itself:
 * every <image> that names anything but a data URL of a raster picture is
 * left out, with what it holds; so are the document type (its entities are
 * already expanded), the processing instructions and the comments. The rest
 * is written as it was read. A drawing in gzip form (".svgz") is inflated
 * first, up to iLimite bytes. A drawing that is not well-formed XML throws
 * TOmbrixError "<sFile>: <reason>".
 */
QByteArray fSvgChiuso(const QByteArray &abSvg, const QString &sFile, qint64 iLimite);
