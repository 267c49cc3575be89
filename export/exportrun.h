#pragma once

#include <QString>

#include <functional>

/**
 * The export run: maps.txt and one bitmap per area picture, written into
 * the project's "out" folder (sGlobOutPath) from the open connection. It
 * reads the database and the pictures and writes nothing else.
 *
 * A failure (database, picture decoder, file) throws TOmbrixError at the
 * failing step: what came before the failing area stays on disk, maps.txt
 * without its end-of-file line, and nothing after it is written. The success
 * message is the caller's to show.
 */

/** The keys "Tpre" and "Tnex" of an area lead to these areas. */
struct TPrevNext
{
    int iPrev = 0;
    int iNext = 0;
};

/** Progress of a run: iFatte of iTotale areas are done. Their bitmaps are in
 *  place; their lines may still wait in memory, as maps.txt is written in
 *  large pieces and at the end of the run. */
using TExportProgress = std::function<void(int iFatte, int iTotale)>;

/** Called once during a run, when the pictures have started decoding and
 *  before the first object is read: the place to prepare the connection for
 *  the reads ahead without delaying the decoding. */
using TExportPreparazione = std::function<void()>;

/** The export command: empties the "out" folder (pDelFileFromDir), then runs
 *  pOutTxt. The files written are the same with or without a progress hook. */
void pEsportaProgetto(const TExportProgress &progress = {}, const TExportPreparazione &preparazione = {});

/** The success message of the export command. */
QString fMessaggioEsportazione();

/** Writes maps.txt and the area bitmaps. */
void pOutTxt(const TExportProgress &progress = {});

/** The neighbours of area iId among the areas under iFather_id (0: the base
 *  areas), cycling in the order of Ordinamento, then id. */
TPrevNext fPrevNext(int iId, int iFather_id);

/** The object lines of an area: zoom markers, then "SENSORI" and the inputs,
 *  then "USCITE" and the outputs, joined with CR LF; empty when it has none. */
QString fSensoriTxt(int iArea_id);

/** Writes the bitmap of area iId, when its picture exists, to
 *  sGlobOutPath + "file" + 4-digit id + ".bmp". */
void pExportBmp(int iId);

/** Path of area iId's bitmap in the "out" folder. */
QString fBmpPath(int iId);
