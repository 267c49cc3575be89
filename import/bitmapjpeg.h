#pragma once

#include <QString>

/**
 * An exported bitmap turned back into an area picture.
 *
 * pControllaBitmap refuses, before anything is written, a file that is
 * missing, does not start as a Windows bitmap, or is shorter than its own
 * header says. pBitmapInJpeg then decodes it (Qt's bitmap reader) and writes
 * it as a baseline JPEG of quality 95 without chroma subsampling, at the
 * bitmap's own size and resolution: a grey bitmap gives a greyscale JPEG,
 * any other three colour channels.
 *
 * Failures throw TOmbrixError naming the file and the reason.
 */

void pControllaBitmap(const QString &sBmp);
void pBitmapInJpeg(const QString &sBmp, const QString &sJpeg);
