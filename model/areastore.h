#pragma once

#include <QString>

/**
 * Every change to tbarea and to the area pictures in the project's "areas"
 * folder. After a change it refills the tree and selects a node through the
 * map view. A failing statement throws TOmbrixError with SQLite's message.
 */

/** Path of an area's picture: sGlobRootPrj + "areas/img_" + id + ".jpg". */
QString fAreaPicturePath(qint64 iId);

/** The id for a new area: one more than the smallest id whose successor is free; 1 in an empty table.
 *  Throws TOmbrixError naming the database when that id would pass the largest 64-bit id. */
qint64 fNuovoId();
/** Adds a base area (asking for the name when sNome is empty); returns its id, or 0 when no name is given. */
qint64 pAddAreaBase(const QString &sNome, int iLivello);
/** Adds a detail area under the area iId (at iLivello, position iIndex among its siblings); returns its id. */
qint64 pAddAreaSon(const QString &sNome, int iLivello, int iIndex, qint64 iId);
/** Deletes an area, its objects and every zoom marker leading to it, in one transaction; returns the rows removed from
 * tbarea. */
int pDelArea(qint64 iId, int iLivello, int iIndexParent);
/** Renames an area in the database only. */
void pRinominaAreaInDb(const QString &sId, const QString &sNome);
