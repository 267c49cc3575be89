#pragma once

#include <QList>
#include <QString>

/**
 * The life of a project: its folder (name.omb, "areas", "out"), its schema,
 * and the steps of New, Open and Close that are not dialogs. A failing step
 * throws TOmbrixError; a failed open leaves the clean "no project" state.
 */

inline const QString sArea = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS tbarea (_id INTEGER PRIMARY KEY NOT NULL, livello INTEGER DEFAULT 0, father_id "
    "INTEGER DEFAULT 0, NomeArea VARCHAR(20) NOT NULL, Ordinamento INTEGER NOT NULL DEFAULT 0);");
inline const QString sSensori = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS tbsensori (_id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, area_id INTEGER NOT "
    "NULL, area_zoom INTEGER, NumSensore INTEGER, IconSize INTEGER NOT NULL, TipoSensore INTEGER NOT NULL, "
    "ZonaSensore INTEGER NOT NULL DEFAULT 1, CoordX INTEGER NOT NULL DEFAULT 0, CoordY INTEGER NOT NULL DEFAULT 0, "
    "CoordX2 INTEGER NOT NULL DEFAULT 0, CoordY2 INTEGER NOT NULL DEFAULT 0, CoordXt INTEGER NOT NULL DEFAULT 0, "
    "CoordYt INTEGER NOT NULL DEFAULT 0, FontTxt INTEGER NOT NULL DEFAULT 0, ColorTxt INTEGER NOT NULL DEFAULT 0, "
    "Testo VARCHAR(23), Orientamento INTEGER NOT NULL);");

/** One row of tbarea. */
struct TAreaRow
{
    int iId = 0;
    int iLivello = 0;
    int iFatherId = 0;
    QString sNome;
    int iOrdinamento = 0;
};

/** The in-memory list of all rows of tbarea, in the order of Ordinamento. */
class TAreaList
{
public:
    void pLoad();  // (re)loads it from the open connection
    void pClose(); // empties it
    bool fIsOpen() const { return m_bOpen; }
    int fCount() const { return int(m_rows.size()); }
    const QList<TAreaRow> &fRows() const { return m_rows; }

private:
    bool m_bOpen = false;
    QList<TAreaRow> m_rows;
};

inline TAreaList CDArea;

/** Runs sArea, then sSensori. */
void pCreaTabelle();
/** Opens the project database sDb (creating it and its tables when bNew), loads the area list, fills the tree and
 * selects the first node. */
void pOpenProject(const QString &sDb, bool bNew);
/** Clears the project state, closes the area list and the connection, clears the canvas and the background. */
void pCloseProject();
/** Deletes every plain, non-hidden file and every link (never its target) directly inside sDir, and the
 *  hidden working files a killed export left there; files that cannot be deleted are skipped. */
void pDelFileFromDir(const QString &sDir);
/** True for the hidden name of a bitmap an export was still writing: ".file0001.bmp.part" or with a unique
 *  part, ".file0001.bmp.Ab12Cd.part". */
bool fTemporaneoEsportazione(const QString &sNome);

/** Brings back the clean "no project" state after a failed open: flag false, area list and connection
 *  closed, canvas, background and tree emptied. Never throws. */
void pLeaveToNoProject() noexcept;

/** New project after its two dialogs: the project folder sDir/sNome with "areas" and "out", its database, its first
 * area. It adds the first area through the area store, so it is built with the model (model/nuovoprogetto.cpp). */
void pNuovoProgetto(const QString &sDir, const QString &sNome);
/** Open project after its dialog: the project of the database file sDb. */
void pApriProgetto(const QString &sDb);
/** Close project: pCloseProject, then the tree is emptied. */
void pChiudiProgetto();
