#pragma once

#include "workspace/sqlconn.h"

#include <QList>
#include <QString>

#include <optional>

/**
 * The rows of a project as the check and the I/O cross-reference read them:
 * every area and every object, read once through a connection that is only
 * read. Integer columns are read whole (64 bits), a NULL as 0 or the empty
 * text. A failing read throws TOmbrixError naming the database file.
 */

struct TAreaLetta
{
    qint64 iId = 0;
    qint64 iLivello = 0;
    qint64 iFatherId = 0;
    QString sNome;
    bool operator==(const TAreaLetta &) const = default;
};

struct TOggettoLetto
{
    qint64 iId = 0;
    qint64 iAreaId = 0;
    qint64 iAreaZoom = 0;
    qint64 iNumSensore = 0;
    qint64 iIconSize = 0;
    qint64 iTipo = 0;
    qint64 iX = 0, iY = 0;   // top-left corner of the icon
    qint64 iX2 = 0, iY2 = 0; // top-left corner of a barrier's second end
    qint64 iXt = 0, iYt = 0; // top-left corner of the label
    qint64 iFont = 0;
    qint64 iColor = 0;
    QString sTesto;
    bool operator==(const TOggettoLetto &) const = default;
};

struct TProgettoLetto
{
    QList<TAreaLetta> aAree;       // by id
    QList<TOggettoLetto> aOggetti; // by id
    /** The area of id iId, or nullptr when there is none. */
    const TAreaLetta *fArea(qint64 iId) const;
};

TProgettoLetto fLeggiProgetto(TSqlConn &conn);
/** The row of area iId, or of object iId; none when there is no such row. */
std::optional<TAreaLetta> fLeggiArea(TSqlConn &conn, qint64 iId);
std::optional<TOggettoLetto> fLeggiOggetto(TSqlConn &conn, qint64 iId);

/** The name of a sensor type in messages and in the I/O cross-reference
 *  ("contatto", "lampada"...); "sensore" for a number outside 1 to 10. */
QString fNomeTipo(qint64 iTipo);

/** The class of an object that stands for a panel input or output. */
enum class TClasseIo { Ingresso, Uscita };

/** The class of type iTipo; none for a zoom marker or a number outside 1 to 10. */
std::optional<TClasseIo> fClasseIo(qint64 iTipo);

/** "ingresso" or "uscita". */
QString fNomeClasseIo(TClasseIo eClasse);
