#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

/**
 * The part rc of src (opaque RGB32), resampled to sizeOut. Along an axis
 * that is reduced, each output pixel is the mean of the source area under it,
 * partly covered pixels weighing by their share (a 2:1 reduction gives the
 * exact mean of each 2 x 2 block); along an axis that is enlarged, the output
 * is interpolated linearly. The result is RGB32.
 */
QImage fRicampiona(const QImage &src, const QRectF &rc, const QSize &sizeOut);

/** Darkens thin dark lines before a reduction: each pixel of img (RGB32)
 *  takes, channel by channel, the darkest value of the iLato x iLato square
 *  around it. */
void pScurisci(QImage &img, int iLato);
