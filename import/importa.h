#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/**
 * A project rebuilt from what a panel holds: the maps.txt of an export and
 * its bitmaps, read back into a new project folder with its database, its
 * area pictures and an empty "out", as a new project has them.
 *
 * Areas keep their id, level and name; a detail area's parent is the area
 * its "Tsup" key leads to, else the area whose zoom marker leads to it.
 * Objects keep their type, number, id, icon size and label; the stored
 * corners come from the exported centres by the export's own rule inverted.
 * Zoom markers, whose ids the file does not carry, get new ids above every
 * imported one, in file order. Each bitmap becomes the area's picture, a
 * baseline JPEG of quality 95 without chroma subsampling at its own size.
 *
 * Nothing is written unless everything is: the project is built in a hidden
 * folder beside the target and renamed into place at the end. A failure
 * throws TOmbrixError naming the file, the line of maps.txt where there is
 * one, and the reason.
 */

/** An object the import left out, with the line it stands on. */
struct TOggettoSaltato
{
    int iRiga = 0;
    QString sCodice;
    qint64 iId = 0;
};

/** What an import rebuilt and what could not come back. */
struct TEsitoImportazione
{
    QString sDatabase; // the new project's database
    int iAree = 0;
    int iOggetti = 0;
    int iEtichette = 0;
    int iImmagini = 0;
    /** Records of a type code the catalogue does not know: skipped. */
    QList<TOggettoSaltato> aSaltati;
    /** Each line: a value the file writes only when positive, back as 0, or a parent the file does not say. */
    QStringList asAvvisi;
    /** The first line of maps.txt that an export of the rebuilt project writes otherwise; 0 when it writes the
     *  same file byte for byte. */
    int iRigaDiversa = 0;

    /** The closing message: what was rebuilt, what was skipped, what came back as 0. */
    QString fMessaggio() const;
};

/** Rebuilds the export in sCartellaExport (maps.txt and its fileNNNN.bmp) as the new project whose database
 *  is sDatabase ("FOLDER/NAME.omb"). FOLDER must not exist, or be empty; its parent must exist. */
TEsitoImportazione fImportaDalPannello(const QString &sCartellaExport, const QString &sDatabase);
