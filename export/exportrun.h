#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class TSqlConn;

/** The project an export reads and writes: its open connection and its folder (ending in a separator). */
struct TProgettoEsportato
{
    TSqlConn &conn;
    QString sRootPrj;

    /** The "out" folder. */
    QString fOut() const;
    /** The picture of area iId in the "areas" folder. */
    QString fImmagineArea(qint64 iId) const;
};

/**
 * The export run: maps.txt and one bitmap per area picture, written into
 * the project's "out" folder from the project's connection. It
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
    qint64 iPrev = 0;
    qint64 iNext = 0;
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
 *  pOutTxt. The files written are the same with or without a progress hook.
 *  Before anything is changed it refuses an "out" that is a link or not a
 *  folder, takes the project's export lock (a second export of the same
 *  project fails at once with "Esportazione già in corso"), and reads and
 *  checks every area and object: a locked or unreadable database, a value
 *  that no line can carry (not a whole number, a control character) stop it
 *  with "out" as it was. */
void pEsportaProgetto(const TProgettoEsportato &p, const TExportProgress &progress = {},
                      const TExportPreparazione &preparazione = {});

/** The success message of the export command. */
QString fMessaggioEsportazione();
/** The start of the failure of an export while another one of the same project runs. */
QString fMessaggioEsportazioneInCorso();

/** Writes maps.txt and the area bitmaps. */
void pOutTxt(const TProgettoEsportato &p, const TExportProgress &progress = {});

/** The neighbours of area iId among the areas under iFather_id (0: the base
 *  areas), cycling in the order of Ordinamento, then id. */
TPrevNext fPrevNext(const TProgettoEsportato &p, qint64 iId, qint64 iFather_id);

/** The object lines of an area: zoom markers, then "SENSORI" and the inputs,
 *  then "USCITE" and the outputs, joined with CR LF; empty when it has none. */
QString fSensoriTxt(const TProgettoEsportato &p, qint64 iArea_id);

/** Writes the bitmap of area iId, when its picture exists, to
 *  the "out" folder + "file" + 4-digit id + ".bmp". */
void pExportBmp(const TProgettoEsportato &p, qint64 iId);

/** Path of area iId's bitmap in the "out" folder. */
QString fBmpPath(const TProgettoEsportato &p, qint64 iId);
