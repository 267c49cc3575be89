#pragma once

#include <QList>
#include <QString>

#include <cstdint>

/**
 * The catalogue of sensor types (1 to 10) and the naming of canvas controls.
 * Pure functions: type numbers outside 1 to 10 fall back to "v", "Sensore_"
 * with "_ingresso_" and no export class.
 */

enum class TClasse { Nessuna, Ingresso, Zoom, Uscita };

/** Icon letter of a type: the icon file is letter + size + ".png". */
QString fGetTipo(int iTipo);
/** Prefix of a type's control name, e.g. "Radar_". */
QString fPrefissoTipo(int iTipo);
/** Middle part of a type's control name: "_ingresso_", "_area_" or "_uscita_". */
QString fParteMediaTipo(int iTipo);
/** Class of a type, which decides the export section. */
TClasse fClasseTipo(int iTipo);
/** The types 1 to 10 of class eClasse, in order. */
QList<int> fTipiDellaClasse(TClasse eClasse);
/** The name of a type as a person reads it ("Volumetrico", "Tapparella su"), in the interface's language; empty
 *  for a number outside 1 to 10. */
QString fNomeTipoOggetto(int iTipo);

/** Control name of an icon: prefix + id + middle part + tail (area_zoom for type 3, else sNumSensore as passed). */
QString fNomeSensore(int iTipo, qint64 iAreaZoom, qint64 iId, const QString &sNumSensore);
/** The first field of a control name split at every "_" ("" when missing). */
QString fName2Id(const QString &sName);
/** The third field of a control name split at every "_" ("" when missing). */
QString fName2Area(const QString &sName);

/** The message for a typed name or text that holds a control character, in the interface's language. */
QString fTestoConControllo();
/** True when sText holds a control character (U+0000 to U+001F or U+007F) anywhere. */
bool fHasControlChars(const QString &sText);
/** Refuses an area name or label text with a control character: throws TOmbrixError(fTestoConControllo()). */
void pRequireNoControlChars(const QString &sText);

/** The numbers of the panel's inputs and outputs: 1 to 999, the widest the record's column holds. */
inline constexpr qint64 iNumeroIoMinimo = 1;
inline constexpr qint64 iNumeroIoMassimo = 999;
/** True for an input or output number the panel has (iNumeroIoMinimo to iNumeroIoMassimo). */
bool fNumeroIoValido(qint64 iNumero);

/** The longest label text, in characters, as typed ("Massimo 19 caratteri!"). */
inline constexpr int iTestoEtichettaMassimo = 19;
/** True for a label size index of the catalogue: 1 to 9 as the font dialog gives them, or 0 (never set). */
bool fDimensioneNelCatalogo(qint64 iDimensione);
/** True for a label colour index of the catalogue: 1 to 10 and 16 as the font dialog gives them, or 0 (never set). */
bool fColoreNelCatalogo(qint64 iColore);

/** Label colour of a colour index, as 0xRRGGBB; black for every index outside 1 to 10. */
std::uint32_t fIntToColor(int iColor);
/** Label point size of a size index: 1..8 give 8..15, everything else 16. */
int fIntToDimensione(int iDimensione);
