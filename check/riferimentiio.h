#pragma once

#include "check/lettura.h"
#include "workspace/sqlconn.h"

#include <QByteArray>
#include <QList>
#include <QString>

/**
 * The I/O cross-reference: which panel input or output number each object
 * of the project stands for, and where it lies. Read through a connection
 * that is only read; a failing read throws TOmbrixError naming the file.
 */

struct TRigaIo
{
    TClasseIo eClasse = TClasseIo::Ingresso;
    qint64 iNumero = 0;
    QString sTipo; // fNomeTipo of the object's type
    qint64 iAreaId = 0;
    QString sArea; // the area's name; empty when the area does not exist
    qint64 iSensoreId = 0;
    QString sTesto; // the label
    bool operator==(const TRigaIo &) const = default;
};

/** One row per input or output object (zoom markers and unknown types have
 *  no number), sorted by class (inputs first), number, area id, sensor id. */
QList<TRigaIo> fRiferimentiIo(TSqlConn &conn);
/** The same of the rows p. */
QList<TRigaIo> fRiferimentiIo(const TProgettoLetto &p);

/** The rows as CSV in UTF-8: the header
 *  classe,numero,tipo,area_id,area,sensore_id,testo, then one line per row,
 *  every line ended by CR LF; a field holding a comma, a double quote or a
 *  line break is put between double quotes, its quotes doubled. */
QByteArray fCsvIo(const QList<TRigaIo> &aRighe);

/** The numbers of class eClasse that objects in more than one area use, ascending. */
QList<qint64> fNumeriInPiuAree(const QList<TRigaIo> &aRighe, TClasseIo eClasse);

/** The numbers of class eClasse between 1 and the highest in use that no
 *  object uses, ascending. Only the panel's numbers 1 to 999 count: a wider
 *  one is an error of the check, not the end of the range. */
QList<qint64> fNumeriLiberi(const QList<TRigaIo> &aRighe, TClasseIo eClasse);
