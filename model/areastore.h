#pragma once

#include <QString>
#include <QtGlobal>

class TAreaList;
class TSqlConn;

/**
 * Every change to tbarea and to the area pictures in the project's "areas"
 * folder, on one project's connection. It changes the database and the
 * files only: the project document tells the views. A failing statement
 * throws TOmbrixError with SQLite's message.
 */
class TAreaStore
{
public:
    /** sRootPrj is the project folder, ending in a separator; CDArea is refreshed when a new id is chosen. */
    TAreaStore(TSqlConn &conn, TAreaList &CDArea, const QString &sRootPrj)
        : m_conn(conn), m_CDArea(CDArea), m_sRootPrj(sRootPrj)
    {
    }

    /** Path of an area's picture: the project folder + "areas/img_" + id + ".jpg". */
    QString fAreaPicturePath(qint64 iId) const;

    /** The id for a new area: one more than the smallest id whose successor is free; 1 in an empty table.
     *  Throws when that id cannot be represented. */
    qint64 fNuovoId();
    /** Adds a base area named sNome and gives it a copy of the blank picture; returns its id, or 0 (and
     *  changes nothing) when sNome is empty. */
    qint64 pAddAreaBase(const QString &sNome, int iLivello);
    /** Adds a detail area under the area iId (at level iLivello + 1) with a copy of the blank picture; returns its id.
     */
    qint64 pAddAreaSon(const QString &sNome, int iLivello, qint64 iId);
    /** Deletes an area, its objects and every zoom marker leading to it, in one transaction, then its picture;
     *  returns the rows removed from tbarea. */
    int pDelArea(qint64 iId);
    /** Renames an area in the database only. */
    void pRinominaAreaInDb(const QString &sId, const QString &sNome);

    // the steps of the two adds, for callers that must see the id before the row is written
    void pInsertAreaBase(qint64 iId, const QString &sNome, int iLivello);
    void pInsertAreaSon(qint64 iNewId, const QString &sNome, int iLivello, qint64 iId);
    /** A fresh copy of the blank picture for area iId; a failed copy leaves the area without a picture. */
    void pCopyBlankPicture(qint64 iId) const;

private:
    TSqlConn &m_conn;
    TAreaList &m_CDArea;
    QString m_sRootPrj;
};

/** The blank picture of new areas, in the graphics folder. */
QString fBlankPicture();
