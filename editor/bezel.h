#pragma once

#include <QPixmap>
#include <QString>

/**
 * The pictures that belong to the window itself, drawn at start.
 */

/** The panel's bezel: 584 x 378, light frame with rounded corners, 480 x 272 opening at (52, 62). */
QPixmap fBezelPicture();
/** Where the screen opening lies in the bezel picture. */
inline constexpr int iBezelOpeningX = 52;
inline constexpr int iBezelOpeningY = 62;

/** The built-in picture of a tool button, shown until its bitmap file is loaded; null for "new.bmp". */
QPixmap fBuiltinButtonPicture(const QString &sFile);
