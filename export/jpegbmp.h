#pragma once

#include <QString>

#include <atomic>

/**
 * Turns a JPEG picture into an uncompressed Windows bitmap at full size:
 * colour pictures give 24 bits per pixel, greyscale 8 bits with a palette of
 * 256 grey levels, CMYK (Adobe-inverted or plain) is converted to RGB and
 * gives 32 bits. The file has a 14-byte file header and a 40-byte
 * information header; rows are bottom-up, each filled to a multiple of 4
 * bytes.
 *
 * Decoding uses the library's default settings, so the pixels are the ones
 * its reference decoder gives. Every error of the decoder fails, and so does
 * every warning about corrupt or truncated data: a half-grey bitmap is never
 * written. Rows are decoded a few megabytes at a time straight into the
 * bitmap's layout and written in place, so a huge picture needs little more
 * memory than that.
 *
 * Failures throw TOmbrixError: "<picture path>: <decoder message>", or
 * "<bitmap path>: <system reason>" when writing fails.
 */

/** Decodes sJpeg into the open, empty file iFd. sBmpName names the bitmap in
 *  messages. When *pbStop becomes true the decoding gives up early (the
 *  content of the file is then undefined, and no error is thrown). */
void pJpegToBmpFd(const QString &sJpeg, int iFd, const QString &sBmpName, const std::atomic<bool> *pbStop = nullptr);

/** Writes the bitmap of sJpeg to sBmp, replacing it. The bitmap is written to
 *  a hidden file beside sBmp and renamed at the end, so a failure leaves no
 *  partial sBmp behind. */
void pJpegToBmp(const QString &sJpeg, const QString &sBmp);

/** Creates a new hidden file beside sBmp (".file0001.bmp.XXXXXX.part", a
 *  unique name, created exclusively and never through a link) for writing
 *  its bitmap; returns its descriptor and sets sTmp to its path. A failure
 *  throws naming sBmp. */
int fCreaFileBmp(const QString &sBmp, QString &sTmp);
/** Renames sFrom to sTo, replacing sTo; throws naming sTo. */
void pRinomina(const QString &sFrom, const QString &sTo);
