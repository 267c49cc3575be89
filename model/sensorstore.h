#pragma once

#include <QString>

/**
 * The five operations on tbsensori. Every statement runs at once; a failing
 * one throws TOmbrixError with SQLite's message and nothing after it runs.
 */

/** Marker text of pAddTextToSensorInDb: leave Testo unchanged. */
inline const QString sKeepTesto = QStringLiteral("@+|+#");

/** Stores a new object on area sId and returns its sensor id. sNumSensore must pass fIsNumero, the ids fIsId.
 *  When the largest id is taken it throws TOmbrixError naming the database, and nothing is stored. */
qint64 fAddSensorToDb(const QString &sId, const QString &sAreaZoom, const QString &sNumSensore,
                      const QString &sIconSize, int iTipo);
/** Deletes one object's row; returns the rows removed (0 or 1). */
int fDeleteSensorFromDb(const QString &sId);
/** Stores the top-left corner of an icon (Barriera 0) or of a barrier's second end (Barriera 1). */
void pUpdateSensorInDb(const QString &sNomeSensore, int CoordX, int CoordY, int Barriera);
/** A label text as an SQL literal of tbsensori: "text" as the statements show
 *  it, or quoted so that it can never be read as a column (fSqlText). */
QString fTestoSql(const QString &sTesto);
/** Changes the label columns of object iId; 0 and "@+|+#" mean "leave this column unchanged". */
void pAddTextToSensorInDb(qint64 iId, int iLeft, int iTop, int iFont, int iColor, const QString &sTesto);
/** Hands every stored object of the area to the map view's placement, in ascending id. */
void pLoadSensori(const QString &sArea_id);
