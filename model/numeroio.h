#pragma once

#include <QString>

#include <optional>

/**
 * The rules an I/O number and an object's name follow wherever they are
 * typed or shown: the panel's range at entry, and the words that name an
 * object to the installer (its type, its number, its label), never its
 * database id. Pure functions, in the interface's language.
 */

/** Why a typed I/O number (already trimmed) is refused: "E' necessario un valore NUMERICO" for a text that is not a
 *  32-bit integer, "Il numero deve essere tra 1 e 999" for one outside the panel's range; none when it is taken. */
std::optional<QString> fRifiutoNumeroIo(const QString &sNumero);
/** The message of a number outside the panel's range. */
QString fNumeroFuoriCampo();

/** The refusal of a number a copy would get outside the panel's range, naming the object copied:
 *  "Il numero deve essere tra 1 e 999: contatto, ingresso 10 diventerebbe 1005". */
QString fNumeroFuoriCampoPer(const QString &sOggetto, qint64 iNuovo);

/** The name of a type in messages ("contatto", "lampada"); "sensore" for a number outside 1 to 10. */
QString fNomeTipoMessaggio(qint64 iTipo);
/** An input or output as the installer knows it: type, class and number, and the label when it has one:
 *  "lampada, uscita 104 «Luce sogg.»". A type outside the catalogue shows its number alone ("sensore, numero 5"). */
QString fNomeOggettoIo(qint64 iTipo, qint64 iNumero, const QString &sTesto);
/** A zoom marker, named by the area it leads to: "marcatore di zoom verso «Cantina»". */
QString fNomeMarcatore(const QString &sArea);
/** A zoom marker whose area's name is not known here: "marcatore di zoom verso l'area 7". */
QString fNomeMarcatoreId(qint64 iArea);
