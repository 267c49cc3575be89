#pragma once

#include <QPoint>

/**
 * The panel's page, as every subsystem measures it: its screen of 480 x 272
 * pixels (origin at the top-left corner), the banner strip over its top, and
 * where a newly placed object's icon goes.
 */

inline constexpr int iLarghezzaPannello = 480;
inline constexpr int iAltezzaPannello = 272;
/** The level banner across the top of the page. */
inline constexpr int iAltezzaBanner = 34;

/** The top-left corner of a newly placed icon: half the page less half the banner's height, on both axes (the
 *  banner's height both times), so (223, 119). */
inline constexpr QPoint ptPosizioneNuovi(iLarghezzaPannello / 2 - iAltezzaBanner / 2,
                                         iAltezzaPannello / 2 - iAltezzaBanner / 2);
