#pragma once

#include <QByteArray>
#include <QString>

/**
 * The 8-bit code page of maps.txt (Windows-1252), the same on every host and
 * locale. A text is first composed (NFC), so that a letter typed with a
 * combining accent is one character; then every character becomes one byte:
 * its own byte when the code page has it, else the byte of its base letter
 * (ś -> s, Ő -> O) when the code page has that, else "?".
 */
QByteArray fToCp1252(const QString &s);

/** Number of characters of s as fToCp1252 writes them: one per byte. Column
 *  widths and centring in maps.txt count these. */
int fLunghezzaTesto(const QString &s);

/** The text of bytes in the code page: the inverse of fToCp1252 for every
 *  byte it writes (a byte without a character gives the control of the same
 *  value, as fToCp1252 writes it). */
QString fFromCp1252(const QByteArray &b);
