#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

/** The ways of lining up the selected items of the canvas, as the submenu "Allinea" names them. */
enum class TAllineamento {
    Sinistra,
    CentroOrizzontale,
    Destra,
    Alto,
    CentroVerticale,
    Basso,
    DistribuisciOrizzontale,
    DistribuisciVerticale
};

/** How many items a way of lining up needs: 2 to align, 3 to distribute. */
int fMinimoAllineamento(TAllineamento eModo);

/**
 * The new top-left corners of items with the given rectangles, lined up on
 * their bounding box: an edge or the centre in common, or, to distribute,
 * the first and last in place (by their left or top) and equal gaps between
 * neighbours, each within one pixel. Every item stays wholly inside the
 * 480 x 272 canvas. With fewer items than needed the corners are unchanged.
 */
QList<QPoint> fAllinea(const QList<QRect> &aRect, TAllineamento eModo);
