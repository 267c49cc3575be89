#include "workspace/sqlconn.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

#include <limits>

namespace {

[[noreturn]] void pThrowSqlite(sqlite3 *pDb, int iRc)
{
    const char *sz = pDb ? sqlite3_errmsg(pDb) : sqlite3_errstr(iRc);
    throw TOmbrixError(QString::fromUtf8(sz));
}

} // namespace

// --- TSqlQuery ---------------------------------------------------------------

TSqlQuery::TSqlQuery(sqlite3 *pDb, const QString &sSql) : m_pDb(pDb)
{
    const QByteArray utf8 = sSql.toUtf8();
    const int iRc = sqlite3_prepare_v2(m_pDb, utf8.constData(), int(utf8.size()), &m_pStmt, nullptr);
    if (iRc != SQLITE_OK) {
        sqlite3_finalize(m_pStmt);
        m_pStmt = nullptr;
        pThrowSqlite(m_pDb, iRc);
    }
}

TSqlQuery::TSqlQuery(TSqlQuery &&other) noexcept : m_pDb(other.m_pDb), m_pStmt(other.m_pStmt)
{
    other.m_pStmt = nullptr;
}

TSqlQuery::~TSqlQuery()
{
    sqlite3_finalize(m_pStmt);
}

bool TSqlQuery::fNext()
{
    if (!m_pStmt)
        return false;
    const int iRc = sqlite3_step(m_pStmt);
    if (iRc == SQLITE_ROW)
        return true;
    if (iRc == SQLITE_DONE)
        return false;
    pThrowSqlite(m_pDb, iRc);
}

void TSqlQuery::pReset()
{
    // a failure of the last step was thrown by it already
    sqlite3_reset(m_pStmt);
    sqlite3_clear_bindings(m_pStmt);
}

void TSqlQuery::pBind(const QVariantList &aValori)
{
    for (int i = 0; i < aValori.size(); ++i) {
        const QVariant &v = aValori.at(i);
        int iRc = SQLITE_OK;
        switch (v.typeId()) {
        case QMetaType::UnknownType:
        case QMetaType::Nullptr:
            iRc = sqlite3_bind_null(m_pStmt, i + 1);
            break;
        case QMetaType::Double:
            iRc = sqlite3_bind_double(m_pStmt, i + 1, v.toDouble());
            break;
        case QMetaType::QString: {
            if (v.isNull()) {
                iRc = sqlite3_bind_null(m_pStmt, i + 1);
                break;
            }
            const QByteArray utf8 = v.toString().toUtf8();
            iRc = sqlite3_bind_text(m_pStmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray bytes = v.toByteArray();
            iRc = sqlite3_bind_blob(m_pStmt, i + 1, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            iRc = sqlite3_bind_int64(m_pStmt, i + 1, v.toLongLong());
            break;
        }
        if (iRc != SQLITE_OK)
            pThrowSqlite(m_pDb, iRc);
    }
}

QVariant TSqlQuery::fValue(int iCol) const
{
    switch (sqlite3_column_type(m_pStmt, iCol)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(sqlite3_column_int64(m_pStmt, iCol));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_pStmt, iCol));
    case SQLITE_TEXT:
        return QVariant(fText(iCol));
    case SQLITE_BLOB: {
        const auto *p = static_cast<const char *>(sqlite3_column_blob(m_pStmt, iCol));
        return QVariant(QByteArray(p, sqlite3_column_bytes(m_pStmt, iCol)));
    }
    default:
        return QVariant();
    }
}

QString TSqlQuery::fColumnName(int iCol) const
{
    return QString::fromUtf8(sqlite3_column_name(m_pStmt, iCol));
}

int TSqlQuery::fColumnCount() const
{
    return sqlite3_column_count(m_pStmt);
}

int TSqlQuery::fColumnIndex(const QString &sName) const
{
    // matched as SQLite matches names, without a text per column
    const QByteArray name = sName.toUtf8();
    const int n = fColumnCount();
    for (int i = 0; i < n; ++i) {
        if (sqlite3_stricmp(sqlite3_column_name(m_pStmt, i), name.constData()) == 0)
            return i;
    }
    return -1;
}

int TSqlQuery::fColumnOrThrow(const QString &sName) const
{
    const int i = fColumnIndex(sName);
    if (i < 0)
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Campo '%1' non trovato").arg(sName));
    return i;
}

bool TSqlQuery::fIsNull(int iCol) const
{
    return sqlite3_column_type(m_pStmt, iCol) == SQLITE_NULL;
}

int TSqlQuery::fType(int iCol) const
{
    return sqlite3_column_type(m_pStmt, iCol);
}

qint64 TSqlQuery::fInt64(int iCol) const
{
    return sqlite3_column_int64(m_pStmt, iCol);
}

int TSqlQuery::fInt(int iCol) const
{
    return sqlite3_column_int(m_pStmt, iCol);
}

QString TSqlQuery::fText(int iCol) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_pStmt, iCol));
    if (!p)
        return QString();
    return QString::fromUtf8(p, sqlite3_column_bytes(m_pStmt, iCol));
}

int TSqlQuery::fInt(const QString &sName) const
{
    return fInt(fColumnOrThrow(sName));
}

qint64 TSqlQuery::fInt64(const QString &sName) const
{
    return fInt64(fColumnOrThrow(sName));
}

QString TSqlQuery::fText(const QString &sName) const
{
    return fText(fColumnOrThrow(sName));
}

// --- TSqlConn ----------------------------------------------------------------

TSqlConn::~TSqlConn()
{
    pClose();
}

void TSqlConn::pOpen(const QString &sDatabase, bool bCreate, bool bReadOnly)
{
    pClose();
    int iFlags = bReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (bCreate && !bReadOnly)
        iFlags |= SQLITE_OPEN_CREATE;
    sqlite3 *pDb = nullptr;
    const int iRc = sqlite3_open_v2(sDatabase.toUtf8().constData(), &pDb, iFlags, nullptr);
    if (iRc != SQLITE_OK) {
        QString sMsg = pDb ? QString::fromUtf8(sqlite3_errmsg(pDb)) : QString::fromUtf8(sqlite3_errstr(iRc));
        sqlite3_close(pDb);
        throw TOmbrixError(sMsg + QStringLiteral(": ") + sDatabase);
    }
    // The statements write texts between double quotes.
    sqlite3_db_config(pDb, SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
    sqlite3_db_config(pDb, SQLITE_DBCONFIG_DQS_DDL, 1, nullptr);
    sqlite3_extended_result_codes(pDb, 0);
    // another program (a second editor, a backup) may hold the file for a moment
    sqlite3_busy_timeout(pDb, iGlobBusyTimeout);
    m_pDb = pDb;
    m_sDatabase = sDatabase;
}

void TSqlConn::pClose()
{
    if (m_pDb) {
        sqlite3_close_v2(m_pDb);
        m_pDb = nullptr;
    }
}

int TSqlConn::fErrCode() const
{
    return m_pDb ? sqlite3_errcode(m_pDb) & 0xFF : SQLITE_MISUSE;
}

sqlite3 *TSqlConn::fDbOrThrow() const
{
    if (!m_pDb)
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Database non aperto"));
    return m_pDb;
}

int TSqlConn::pExec(const QString &sSql)
{
    sqlite3 *pDb = fDbOrThrow();
    char *szErr = nullptr;
    const int iRc = sqlite3_exec(pDb, sSql.toUtf8().constData(), nullptr, nullptr, &szErr);
    if (iRc != SQLITE_OK) {
        const QString sMsg = QString::fromUtf8(szErr ? szErr : sqlite3_errstr(iRc));
        sqlite3_free(szErr);
        throw TOmbrixError(sMsg);
    }
    return sqlite3_changes(pDb);
}

TSqlQuery TSqlConn::fQuery(const QString &sSql)
{
    return TSqlQuery(fDbOrThrow(), sSql);
}

TSqlQuery TSqlConn::fQuery(const QString &sSql, const QVariantList &aValori)
{
    TSqlQuery q(fDbOrThrow(), sSql);
    q.pBind(aValori);
    return q;
}

int TSqlConn::pExec(const QString &sSql, const QVariantList &aValori)
{
    TSqlQuery q = fQuery(sSql, aValori);
    while (q.fNext()) {
    }
    return sqlite3_changes(m_pDb);
}

// --- literals ------------------------------------------------------------------

QString fSqlText(const QString &sText, const QStringList &asColumns)
{
    static const QStringList asRowid = {QStringLiteral("rowid"), QStringLiteral("oid"), QStringLiteral("_rowid_")};
    const bool bHostile = sText.contains(QLatin1Char('"')) || asColumns.contains(sText, Qt::CaseInsensitive) ||
                          asRowid.contains(sText, Qt::CaseInsensitive);
    if (!bHostile)
        return QLatin1Char('"') + sText + QLatin1Char('"');
    QString s = sText;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

bool fIsNumero(const QString &sText)
{
    static const QRegularExpression re(QStringLiteral("^[+-]?[0-9]+$"));
    if (!re.match(sText).hasMatch())
        return false;
    bool bOk = false;
    const qlonglong n = sText.toLongLong(&bOk);
    if (!bOk) {
        // many leading zeros still fit; strip them before deciding
        QString s = sText;
        QChar sign;
        if (s.startsWith(QLatin1Char('+')) || s.startsWith(QLatin1Char('-'))) {
            sign = s.at(0);
            s.remove(0, 1);
        }
        while (s.size() > 1 && s.startsWith(QLatin1Char('0')))
            s.remove(0, 1);
        if (s.size() > 11)
            return false;
        return fIsNumero(sign.isNull() ? s : QString(sign) + s);
    }
    return n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max();
}

bool fIsId(const QString &sText)
{
    static const QRegularExpression re(QStringLiteral("^[+-]?[0-9]+$"));
    if (!re.match(sText).hasMatch())
        return false;
    // leading zeros are accepted; a value beyond 64 bits is not
    QString s = sText;
    const bool bSign = s.startsWith(QLatin1Char('+')) || s.startsWith(QLatin1Char('-'));
    const QString sSign = bSign ? s.left(1) : QString();
    if (bSign)
        s.remove(0, 1);
    while (s.size() > 1 && s.startsWith(QLatin1Char('0')))
        s.remove(0, 1);
    bool bOk = false;
    (sSign + s).toLongLong(&bOk);
    return bOk;
}
