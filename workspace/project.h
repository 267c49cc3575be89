#pragma once

#include <QList>
#include <QString>

/**
 * A project's files: its folder (name.omb, "areas", "out") and its schema.
 * The open project itself is the project document's.
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
    qint64 iId = 0;
    int iLivello = 0;
    qint64 iFatherId = 0;
    QString sNome;
    int iOrdinamento = 0;
};

class TSqlConn;

/** The in-memory list of all rows of tbarea, in the order of Ordinamento. */
class TAreaList
{
public:
    void pLoad(TSqlConn &conn); // (re)loads it from the connection
    void pClose();              // empties it
    bool fIsOpen() const { return m_bOpen; }
    int fCount() const { return int(m_rows.size()); }
    const QList<TAreaRow> &fRows() const { return m_rows; }

private:
    bool m_bOpen = false;
    QList<TAreaRow> m_rows;
};

/** Runs sArea, then sSensori. */
void pCreaTabelle(TSqlConn &conn);
/** Deletes every plain, non-hidden file and every link (never its target) directly inside sDir, and the
 *  hidden working files a killed export left there; files that cannot be deleted are skipped. */
void pDelFileFromDir(const QString &sDir);
/** True for the hidden name of a bitmap an export was still writing: ".file0001.bmp.part" or with a unique
 *  part, ".file0001.bmp.Ab12Cd.part". */
bool fTemporaneoEsportazione(const QString &sNome);
