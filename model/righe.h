#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class TSensore;
class TSqlConn;

/**
 * Rows read and written exactly as SQLite holds them, column by column
 * (null, integer, real, text or bytes): what an undo puts back. Statements
 * bind their values. A failure throws TOmbrixError with SQLite's message.
 */
struct TRiga
{
    QStringList asColonne;
    QVariantList aValori;

    /** The value of a column, its name matched without regard to case; null when there is none. */
    QVariant fValore(const QString &sColonna) const;
    bool operator==(const TRiga &o) const = default;
};

/** Every row a query returns, with its parameters bound to aValori. */
QList<TRiga> fLeggiRighe(TSqlConn &conn, const QString &sSql, const QVariantList &aValori = {});
/** Inserts a row into sTabella with every one of its columns as given. */
void pScriviRiga(TSqlConn &conn, const QString &sTabella, const TRiga &riga);
/** The object record of a row of tbsensori. */
TSensore fSensoreDaRiga(const TRiga &riga);
