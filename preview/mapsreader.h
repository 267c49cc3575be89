#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/**
 * The reader of maps.txt: the exported file read back into its areas, keys,
 * zoom markers, inputs, outputs and labels, as the panel takes them.
 *
 * It reads exactly what the export writes: code page 1252, every line ended
 * by CR LF, the ruler and field-name lines, one block per area and the
 * end-of-file line. It is strict: anything else stops it with a TOmbrixError
 * naming the file, the line and the reason ("maps.txt: riga 12: 24 campi
 * invece di 25"), quoting at most a short excerpt of a field. A label
 * longer than the 23 characters a record holds (iTestoMassimo) is refused.
 */

/** The largest maps.txt read: far above the export of a project of ten thousand areas. */
inline constexpr qint64 iMappaMassima = 64LL << 20;

/** One object record: a key, a zoom marker, an input or an output. A column
 *  written "---" reads as 0; so does a pair written "---,---". */
struct TRecordMappa
{
    int iRiga = 0;        // line number in the file, from 1
    QString sTipo;        // column 1: "Tpre", "Tinf", "Srad", "Olmp"...
    qint64 iLink = 0;     // column 2: input or output number
    qint64 iId = 0;       // column 4: sensor id, or the area a key or zoom marker leads to
    qint64 iX = 0;        // columns 5-6: centre of the icon
    qint64 iY = 0;        //
    qint64 iX2 = 0;       // columns 7-8: centre of a barrier's second end
    qint64 iY2 = 0;       //
    qint64 iIconSize = 0; // column 9
    qint64 iXt = 0;       // columns 19-20: top-left corner of the label
    qint64 iYt = 0;       //
    qint64 iFont = 0;     // columns 21-22: size and colour indices of the label
    qint64 iColor = 0;    //
    QString sTesto;       // column 25: the label, empty for none
};

/** One area's block. */
struct TAreaMappa
{
    int iRiga = 0; // line of its title
    qint64 iId = 0;
    qint64 iLivello = 0;
    QString sNome;
    QString sBitmap;                  // the bitmap the image record names, "file0003.bmp"
    QList<TRecordMappa> aTasti;       // "Tpre", "Tesc", "Tsup", "Tnex", in file order
    QList<TRecordMappa> aZoom;        // "Tinf"
    QList<TRecordMappa> aIngressi;    // section "SENSORI"
    QList<TRecordMappa> aUscite;      // section "USCITE"
    QList<TRecordMappa> aSconosciuti; // records of a code the catalogue does not know, when the reader is asked
                                      // to keep them (bSconosciuti), in file order
};

/** The whole file: the areas in file order. */
struct TMappa
{
    QList<TAreaMappa> aAree;

    /** The area of id iId, or nullptr. */
    const TAreaMappa *fArea(qint64 iId) const;
    /** The panel's home, which "Tesc" shows: the first area of the file; 0 for none. */
    qint64 fHome() const;
};

/** Reads the bytes of a maps.txt; sFile names it in the errors. With bSconosciuti a well-formed record
 *  whose code is four letters that are neither a key nor a type of the catalogue ("Sfum") is kept in
 *  its area's aSconosciuti instead of stopping the reader. */
TMappa fLeggiMappa(const QByteArray &dati, const QString &sFile, bool bSconosciuti = false);
/** Reads the file sPath: a plain file of at most iMappaMassima bytes; a missing or unreadable file, a FIFO, a
 *  device or a folder fails naming it. */
TMappa fLeggiMappaFile(const QString &sPath, bool bSconosciuti = false);

/** The type number (1 to 10) of an object record's code, 0 for none ("Tpre", an unknown code). */
int fTipoDaCodice(const QString &sTipo);
