#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "export/exportrun.h"
#include "workspace/sqlconn.h"

#include <jpeglib.h>

#include <functional>

/**
 * A real project on disk for the export tests: a temporary project folder
 * with "areas" and "out", the database "casa.omb" with both tables, opened
 * on the fixture's connection; fP() is the project an export is given.
 */
class TProgettoProva
{
public:
    TProgettoProva();
    ~TProgettoProva();

    QString fRoot() const { return m_dir.path() + QLatin1Char('/'); }
    QString fDb() const { return fRoot() + QStringLiteral("casa.omb"); }
    QString fOut() const { return fRoot() + QStringLiteral("out/"); }
    QString fMaps() const { return fOut() + QStringLiteral("maps.txt"); }
    QString fImmagine(int iId) const;
    /** The project as the export takes it. */
    TProgettoEsportato fP() { return {conn, fRoot()}; }
    TSqlConn conn;

    void pArea(int iId, int iLivello, int iFather, const QString &sNome, int iOrdinamento = 0);
    /** A row of tbsensori; returns its id. */
    int pSensore(int iArea, int iTipo, int iNum, int iIcon, int iX, int iY, int iX2 = 0, int iY2 = 0, int iXt = 0,
                 int iYt = 0, int iFont = 0, int iColor = 0, const QString &sTesto = QString(), int iZoom = 0);
    void pSql(const QString &sSql);
    /** Closes the connection, e.g. before another process opens the database. */
    void pChiudi();

private:
    QTemporaryDir m_dir;
};

/** Writes a JPEG of w x h pixels with a smooth pattern: 3 components (YCbCr),
 *  1 (greyscale) or 4 (CMYK, with or without the Adobe marker). */
void pScriviJpeg(const QString &sPath, int w, int h, J_COLOR_SPACE eSpazio, bool bAdobe = true, int iQualita = 85);

QByteArray fLeggiFile(const QString &sPath);
void pScriviFile(const QString &sPath, const QByteArray &data);
/** The lines of a maps.txt image: split at CR LF, which must end the file. */
QStringList fRighe(const QByteArray &data);

/** The message of the failure f throws; empty when it succeeds. */
QString fErroreDi(const std::function<void()> &f);

/** Runs a program to its end; returns its exit code, fills out and err. */
int fEsegui(const QString &sProgramma, const QStringList &asArgs, QByteArray *pOut = nullptr,
            QByteArray *pErr = nullptr);
