#pragma once

#include "workspace/errors.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

/**
 * One query on the connection: prepared from its text, stepped row by row.
 * Columns are read by index or by name (names match without regard to case);
 * a NULL reads as 0 or as the empty text. Failures throw TOmbrixError with
 * SQLite's own message.
 */
class TSqlQuery
{
public:
    TSqlQuery(sqlite3 *pDb, const QString &sSql);
    ~TSqlQuery();
    TSqlQuery(const TSqlQuery &) = delete;
    TSqlQuery &operator=(const TSqlQuery &) = delete;
    TSqlQuery(TSqlQuery &&other) noexcept;

    /** Binds aValori to the statement's parameters, in order: null, integer,
     *  real, text or bytes as the variant holds. */
    void pBind(const QVariantList &aValori);
    /** Steps to the next row; false after the last one. */
    bool fNext();
    /** Makes the statement ready to run again, its parameters unbound: one statement for many rows. */
    void pReset();

    int fColumnCount() const;
    int fColumnIndex(const QString &sName) const; // -1 when there is none
    bool fIsNull(int iCol) const;
    /** SQLite's storage class of the column's value (SQLITE_INTEGER, SQLITE_TEXT...). */
    int fType(int iCol) const;
    qint64 fInt64(int iCol) const;
    int fInt(int iCol) const;
    QString fText(int iCol) const;
    /** The column's value as stored: null, qint64, double, QString or QByteArray. */
    QVariant fValue(int iCol) const;
    QString fColumnName(int iCol) const;
    int fInt(const QString &sName) const;
    qint64 fInt64(const QString &sName) const;
    QString fText(const QString &sName) const;

private:
    int fColumnOrThrow(const QString &sName) const;

    sqlite3 *m_pDb = nullptr;
    sqlite3_stmt *m_pStmt = nullptr;
};

/**
 * The project database connection. Opening a missing file creates it only
 * when asked to (a new project); double-quoted string literals are switched
 * on explicitly so that the statements work with any SQLite build.
 * Every failing call throws TOmbrixError with SQLite's own message.
 */
class TSqlConn
{
public:
    TSqlConn() = default;
    ~TSqlConn();
    TSqlConn(const TSqlConn &) = delete;
    TSqlConn &operator=(const TSqlConn &) = delete;

    /** Opens sDatabase; bCreate allows creating a missing file. bReadOnly opens it read-only. */
    void pOpen(const QString &sDatabase, bool bCreate, bool bReadOnly = false);
    void pClose();
    bool fIsOpen() const { return m_pDb != nullptr; }
    const QString &fDatabase() const { return m_sDatabase; }

    /** Runs one direct statement; returns the number of rows it changed. */
    int pExec(const QString &sSql);
    /** Runs one statement with its parameters bound to aValori; returns the rows it changed. */
    int pExec(const QString &sSql, const QVariantList &aValori);
    /** Prepares a query; step it with fNext(). */
    TSqlQuery fQuery(const QString &sSql);
    /** Prepares a query with its parameters bound to aValori. */
    TSqlQuery fQuery(const QString &sSql, const QVariantList &aValori);

    sqlite3 *fHandle() const { return m_pDb; }
    /** SQLite's primary result code of the last failing call (SQLITE_BUSY, ...). */
    int fErrCode() const;

    /** How long a statement waits for another program's lock before it fails
     *  with "database is locked", in milliseconds. */
    static inline int iGlobBusyTimeout = 5000;

    // connection settings, kept for their own sake: the driver is always SQLite
    QString sConnectionName = QStringLiteral("ombrx");
    QString sDriverName = QStringLiteral("Sqlite");
    QString sHostName = QStringLiteral("localhost");

private:
    sqlite3 *fDbOrThrow() const;

    sqlite3 *m_pDb = nullptr;
    QString m_sDatabase;
};

/** One transaction on a connection: rolled back unless committed. */
class TTransaction
{
public:
    explicit TTransaction(TSqlConn &conn) : m_conn(conn) { m_conn.pExec(QStringLiteral("BEGIN")); }
    ~TTransaction()
    {
        if (!m_bDone) {
            try {
                m_conn.pExec(QStringLiteral("ROLLBACK"));
            } catch (...) {
                // SQLite has already rolled the transaction back itself
            }
        }
    }
    TTransaction(const TTransaction &) = delete;
    TTransaction &operator=(const TTransaction &) = delete;

    void pCommit()
    {
        m_conn.pExec(QStringLiteral("COMMIT"));
        m_bDone = true;
    }

private:
    TSqlConn &m_conn;
    bool m_bDone = false;
};

/** Writes a typed text as an SQL literal: "text" as the statements show it,
 *  or 'te''xt' when the text holds a double quote or equals (ignoring case)
 *  one of asColumns or a rowid alias, so that SQLite can never read it as
 *  anything but that text. */
QString fSqlText(const QString &sText, const QStringList &asColumns);

/** True when sText is a decimal integer with an optional sign that fits in
 *  32 bits: the only number texts that go into a statement as typed. */
bool fIsNumero(const QString &sText);

/** True when sText is a decimal integer with an optional sign that fits in
 *  64 bits: the id texts that go into a statement as typed. */
bool fIsId(const QString &sText);
