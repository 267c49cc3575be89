#pragma once

// A throw-away application root for one test: its own "grfc" with a small
// blank.jpg, its own "progetti", the recording view installed, and a log of
// every statement SQLite runs on the project connection.

#include "fakeview.h"

#include "workspace/project.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

class TProjectFixture
{
public:
    QTemporaryDir dir;
    TFakeView view;
    QStringList asSql;

    TProjectFixture()
    {
        QVERIFY(dir.isValid());
        sGlobBinPath = dir.path() + QStringLiteral("/bin/");
        sGlobPath = dir.path() + QStringLiteral("/");
        sGlobGrfcPath = sGlobPath + QStringLiteral("grfc/");
        sGlobResPath = sGlobPath + QStringLiteral("res/");
        sGlobPrjPath = sGlobPath + QStringLiteral("progetti/");
        sGlobRootPrj = sGlobPath;
        sGlobOutPath.clear();
        bGlobProgettoAperto = false;
        iGlobIconSize = 32;
        QDir().mkpath(sGlobGrfcPath);
        QDir().mkpath(sGlobPrjPath);
        QFile blank(fBlankPath());
        QVERIFY(blank.open(QIODevice::WriteOnly));
        blank.write(fBlankBytes());
        pSetMapView(&view);
    }

    ~TProjectFixture()
    {
        pSetMapView(nullptr);
        CDArea.pClose();
        SQLConn.pClose();
        bGlobProgettoAperto = false;
    }

    /** The first bytes and the end marker of a JPEG stream: the store copies the file byte for byte. */
    static QByteArray fBlankBytes()
    {
        return QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000ffd9");
    }
    QString fBlankPath() const { return sGlobGrfcPath + QStringLiteral("blank.jpg"); }

    /** Starts logging the statements of the connection as it is open now. */
    void pTrace()
    {
        asSql.clear();
        sqlite3_trace_v2(SQLConn.fHandle(), SQLITE_TRACE_STMT, &fOnStatement, this);
    }
    QStringList fTakeSql()
    {
        const QStringList as = asSql;
        asSql.clear();
        return as;
    }

    /** Rows of a query run on the project file through a connection of its own, one text per row, fields joined by "|". */
    static QStringList fRows(const QString &sDb, const QString &sSql)
    {
        TSqlConn conn;
        conn.pOpen(sDb, false, true);
        TSqlQuery q = conn.fQuery(sSql);
        QStringList as;
        while (q.fNext()) {
            QStringList asFields;
            for (int i = 0; i < q.fColumnCount(); ++i)
                asFields << (q.fIsNull(i) ? QStringLiteral("NULL") : q.fText(i));
            as << asFields.join(QLatin1Char('|'));
        }
        return as;
    }
    QStringList fRows(const QString &sSql) const { return fRows(SQLConn.fDatabase(), sSql); }

    /** A fresh database with both tables, open on the project connection; sGlobRootPrj is its folder. */
    QString fOpenEmptyProject(const QString &sNome = QStringLiteral("casa"))
    {
        sGlobRootPrj = sGlobPrjPath + sNome + QLatin1Char('/');
        sGlobOutPath = sGlobRootPrj + QStringLiteral("out/");
        QDir().mkpath(sGlobRootPrj + QStringLiteral("areas"));
        QDir().mkpath(sGlobOutPath);
        const QString sDb = sGlobRootPrj + sNome + QStringLiteral(".omb");
        pOpenProject(sDb, true);
        view.asCalls.clear();
        return sDb;
    }

private:
    static int fOnStatement(unsigned, void *pCtx, void *, void *pText)
    {
        static_cast<TProjectFixture *>(pCtx)->asSql << QString::fromUtf8(static_cast<const char *>(pText));
        return 0;
    }
};

inline QByteArray fFileBytes(const QString &sPath)
{
    QFile f(sPath);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}
