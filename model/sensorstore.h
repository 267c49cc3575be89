#pragma once

#include "workspace/pannello.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QtGlobal>

class TSensore;
class TSqlConn;

/** An object that uses a number: its id, its area and the number. */
struct TUsoNumero
{
    qint64 iId = 0;
    qint64 iArea = 0;
    qint64 iNumero = 0;
};

/** Marker text of pAddTextToSensorInDb: leave Testo unchanged. */
inline const QString sKeepTesto = QStringLiteral("@+|+#");

/**
 * The operations on tbsensori, on one project's connection. Every statement
 * runs at once; a failing one throws TOmbrixError with SQLite's message and
 * nothing after it runs.
 */
class TSensorStore
{
public:
    explicit TSensorStore(TSqlConn &conn) : m_conn(conn) {}

    /** Stores a new object on area sId with its icon at pos (a barrier's second end 30 pixels to its right,
     *  centred on its height) and returns its sensor id. sNumSensore must pass fIsNumero.
     *  Throws a clear error when no id is left above the largest one. */
    qint64 fAddSensorToDb(const QString &sId, const QString &sAreaZoom, const QString &sNumSensore,
                          const QString &sIconSize, int iTipo, const QPoint &pos = ptPosizioneNuovi);
    /** Deletes one object's row; returns the rows removed (0 or 1). */
    int fDeleteSensorFromDb(const QString &sId);
    /** Stores the top-left corner of an icon (Barriera 0) or of a barrier's second end (Barriera 1). */
    void pUpdateSensorInDb(const QString &sNomeSensore, int CoordX, int CoordY, int Barriera);
    /** Changes the label columns of object iId; 0 and "@+|+#" mean "leave this column unchanged". */
    void pAddTextToSensorInDb(qint64 iId, int iLeft, int iTop, int iFont, int iColor, const QString &sTesto);
    /** Every stored object of the area, in ascending id. */
    QList<TSensore> pLoadSensori(const QString &sArea_id);

    // Label writes that store exactly what the canvas shows. The general
    // label update reads 0 and "@+|+#" as "leave the column unchanged", so a
    // label dragged to the left or top edge, or a label whose text is that
    // marker, would come back elsewhere or with another text after a reload.
    /** Stores a label's position and text: CoordXt, CoordYt and Testo of row iId, nothing else. */
    void pStoreLabelPlace(qint64 iId, int iLeft, int iTop, const QString &sTesto);
    /** Stores a label's text only: Testo of row iId. */
    void pStoreLabelText(qint64 iId, const QString &sTesto);

    // Bound statements of the properties and the duplicate.
    /** The objects of the given types anywhere in the project, in ascending id. */
    QList<TUsoNumero> fNumeriDeiTipi(const QList<int> &aTipi);
    /** Stores TipoSensore and NumSensore of row iId. */
    void pStoreTipoNumero(qint64 iId, int iTipo, qint64 iNumero);
    /** Stores the second end's corner, CoordX2 and CoordY2, of row iId. */
    void pStoreSecondoCapo(qint64 iId, int iX2, int iY2);

    /** Stores whole records as they are, every column from the record, through one bound statement (a
     *  rebuilt project). A record with id 0 gets its id from the database as fAddSensorToDb's rows do:
     *  above every id the table has held, those stored here included. Returns the ids, in order. */
    QList<qint64> pInserisciSensori(const QList<TSensore> &aSensori);

private:
    bool fSensorIdsExhausted();

    TSqlConn &m_conn;
};

/** A label text as an SQL literal of tbsensori: "text" as the statements show
 *  it, or quoted so that it can never be read as a column (fSqlText). */
QString fTestoSql(const QString &sTesto);

class TSqlQuery;
/** The record of the row a query stands on (every column of tbsensori read by name). */
TSensore fSensoreDaRiga(const TSqlQuery &q);
