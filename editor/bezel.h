#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

/**
 * The pictures that belong to the window itself, drawn at start.
 */

/** Where the screen opening lies in the bezel picture, and the frame's width right of and below it. */
inline constexpr int iBezelOpeningX = 52;
inline constexpr int iBezelOpeningY = 62;
inline constexpr int iBezelDestra = 52;
inline constexpr int iBezelSotto = 44;

/** The size of the bezel around an opening of that size: 584 x 378 around the 480 x 272 page. */
QSize fBezelSize(const QSize &apertura);
/** Draws the panel's bezel around an opening of that size (the page at the canvas's zoom), from p's origin: a light
 *  frame with rounded corners, the opening at (52, 62). Only what p's clip lets through is filled. */
void pDisegnaCornice(QPainter &p, const QSize &apertura);

/** The built-in picture of a tool button, shown until its bitmap file is loaded; null for "new.bmp". */
QPixmap fBuiltinButtonPicture(const QString &sFile);
