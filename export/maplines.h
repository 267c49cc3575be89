#pragma once

#include <QString>

/**
 * The line builders of maps.txt. Each returns one line as text, without a
 * line end (the ruler alone carries CR LF after each of its three lines);
 * the code page and the line ends are added by the writer (mapfile.h).
 *
 * Lines are 128 characters wide while every value fits its column. Nothing
 * is ever cut or escaped: a wider value is written whole and the line grows.
 */

/** sToken written iLength times; empty for iLength <= 0. */
QString fCreaStringa(const QString &sToken, int iLength);
/** aNumber (any 64-bit value) in decimal with at least Length digits, "0"-filled on the left;
 *  a negative number is "-" followed by its filled digits (-5, 3 -> "-005"). */
QString AddLeadingZeroes(qint64 aNumber, int Length);

/** The three ruler lines that number the columns 1 to 128, each followed by CR LF. */
QString fCreaTestata();
/** The empty label field: 24 x "?". */
QString fCreaTbd();
/** The field-name line. */
QString fCreaNomeCampi();
/** Comment line without text: 2 the star line, 3 the blank line; empty for any other iTipo. */
QString fCreacommento(int iTipo);
/** Comment line with sCommento centred: 2 the title line, 3 the section line;
 *  an odd remainder goes to the right-hand fill. Empty for any other iTipo. */
QString fCreacommento(int iTipo, const QString &sCommento);
/** "end of block" line. */
QString fCreaEndBlock();
/** "END OF FILE" line. */
QString fCreaEnd();
/** The image record of area iId: column 3 names its bitmap "file" + 4-digit id + ".bmp". */
QString fCreaTxtImg(qint64 iId);
/** The object record. Pairs (iX2, iY2), (iXt, iYt), (iFont, iColor) are
 *  written only when both values are above 0, else "---,---"; iLink only when
 *  above 0. The label field is sTesto + "|" filled with spaces to 24
 *  characters, or 24 x "?" when sTesto is empty. */
QString fCreaTxtIO(const QString &sTipo, qint64 iId, qint64 iLink, qint64 iIconSize, qint64 iX, qint64 iY, qint64 iX2,
                   qint64 iY2, qint64 iXt, qint64 iYt, qint64 iFont, qint64 iColor, const QString &sTesto);
