#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

/**
 * How the panel's page draws what is placed on it: icons, barrier lines and
 * labels. The editor's canvas and the renderer of the exported pages both
 * paint through these functions, so the two look the same. QtGui only.
 */

/** Centre of an icon of side iSize whose top-left corner is at angolo (the side's half truncated). */
QPoint fCentroIcona(const QPoint &angolo, int iSize);
/** Top-left corner of an icon of side iSize centred on centro, the inverse of fCentroIcona. */
QPoint fAngoloIcona(const QPoint &centro, int iSize);

/** The line of a barrier, between the centre of its icon (top-left corner, side iIconSize)
 *  and the centre of its second-end marker (top-left corner). */
QLine fLineaBarriera(const QPoint &angoloIcona, int iIconSize, const QPoint &angoloSecondoCapo);
/** Draws barrier lines: anti-aliased, (91, 110, 216), 1 pixel wide, a line at whole coordinates
 *  covering the pixels at those coordinates. */
void pDisegnaLineeBarriera(QPainter &p, const QList<QLine> &aLinee);

/** Draws an icon (or a second-end marker) at its own size from the top-left corner of rc, clipped to rc. */
void pDisegnaIcona(QPainter &p, const QRect &rc, const QImage &img);

/** The colour of a label's colour index. */
QColor fColoreEtichetta(int iColor);
/** The size a label takes: its text's extent in font, on one line. */
QSize fDimensioneEtichetta(const QString &sTesto, const QFont &font);
/** Draws a label's text in rc on a transparent ground: left-aligned, centred vertically. */
void pDisegnaEtichetta(QPainter &p, const QRect &rc, const QString &sTesto, const QFont &font, const QColor &colore);
