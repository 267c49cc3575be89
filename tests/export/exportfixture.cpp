#include "exportfixture.h"

#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <vector>

TProgettoProva::TProgettoProva()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("areas"));
    QDir(m_dir.path()).mkpath(QStringLiteral("out"));
    conn.pOpen(fDb(), true);
    conn.pExec(sArea);
    conn.pExec(sSensori);
}

TProgettoProva::~TProgettoProva()
{
    conn.pClose();
}

QString TProgettoProva::fImmagine(int iId) const
{
    return fRoot() + QStringLiteral("areas/img_%1.jpg").arg(iId);
}

void TProgettoProva::pArea(int iId, int iLivello, int iFather, const QString &sNome, int iOrdinamento)
{
    conn.pExec(QStringLiteral("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values "
                              "(%1, %2, %3, '%4', %5)")
                   .arg(iId)
                   .arg(iLivello)
                   .arg(iFather)
                   .arg(QString(sNome).replace(QLatin1Char('\''), QStringLiteral("''")))
                   .arg(iOrdinamento));
}

int TProgettoProva::pSensore(int iArea, int iTipo, int iNum, int iIcon, int iX, int iY, int iX2, int iY2, int iXt,
                             int iYt, int iFont, int iColor, const QString &sTesto, int iZoom)
{
    const QString sTestoSql =
        sTesto.isNull()
            ? QStringLiteral("NULL")
            : QLatin1Char('\'') + QString(sTesto).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    conn.pExec(QStringLiteral("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, "
                              "ZonaSensore, CoordX, CoordY, CoordX2, CoordY2, CoordXt, CoordYt, FontTxt, ColorTxt, "
                              "Testo, Orientamento) values (%1, %2, %3, %4, %5, 1, %6, %7, %8, %9, %10, %11, %12, "
                              "%13, %14, 0)")
                   .arg(iArea)
                   .arg(iZoom)
                   .arg(iNum)
                   .arg(iIcon)
                   .arg(iTipo)
                   .arg(iX)
                   .arg(iY)
                   .arg(iX2)
                   .arg(iY2)
                   .arg(iXt)
                   .arg(iYt)
                   .arg(iFont)
                   .arg(iColor)
                   .arg(sTestoSql));
    TSqlQuery q = conn.fQuery(QStringLiteral("select last_insert_rowid()"));
    q.fNext();
    return q.fInt(0);
}

void TProgettoProva::pSql(const QString &sSql)
{
    conn.pExec(sSql);
}

void TProgettoProva::pChiudi()
{
    conn.pClose();
}

void pScriviJpeg(const QString &sPath, int w, int h, J_COLOR_SPACE eSpazio, bool bAdobe, int iQualita)
{
    jpeg_compress_struct ci;
    jpeg_error_mgr err;
    ci.err = jpeg_std_error(&err);
    jpeg_create_compress(&ci);
    std::FILE *f = std::fopen(QFile::encodeName(sPath).constData(), "wb");
    QVERIFY2(f, qPrintable(sPath));
    jpeg_stdio_dest(&ci, f);
    ci.image_width = JDIMENSION(w);
    ci.image_height = JDIMENSION(h);
    ci.input_components = eSpazio == JCS_GRAYSCALE ? 1 : eSpazio == JCS_CMYK ? 4 : 3;
    ci.in_color_space = eSpazio == JCS_GRAYSCALE ? JCS_GRAYSCALE : eSpazio == JCS_CMYK ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&ci);
    if (eSpazio == JCS_CMYK)
        ci.write_Adobe_marker = bAdobe;
    jpeg_set_quality(&ci, iQualita, TRUE);
    jpeg_start_compress(&ci, TRUE);
    std::vector<unsigned char> riga(std::size_t(w) * std::size_t(ci.input_components));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < ci.input_components; ++c) {
                const int v = (x * (c + 1) * 255 / std::max(1, w - 1) + y * (3 - c % 3) * 255 / std::max(1, h - 1) +
                               ((x / 7 + y / 5) % 3) * 40) %
                              256;
                riga[std::size_t(x * ci.input_components + c)] = static_cast<unsigned char>(v);
            }
        }
        JSAMPROW p = riga.data();
        jpeg_write_scanlines(&ci, &p, 1);
    }
    jpeg_finish_compress(&ci);
    jpeg_destroy_compress(&ci);
    std::fclose(f);
}

QByteArray fLeggiFile(const QString &sPath)
{
    QFile f(sPath);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void pScriviFile(const QString &sPath, const QByteArray &data)
{
    QFile f(sPath);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}

QStringList fRighe(const QByteArray &data)
{
    if (!data.endsWith("\r\n"))
        return {QStringLiteral("<file does not end with CR LF>")};
    QStringList asRighe;
    QList<QByteArray> aParti = data.split('\n');
    aParti.removeLast(); // empty: after the last line end
    for (const QByteArray &riga : aParti) {
        if (!riga.endsWith('\r'))
            return {QStringLiteral("<line without CR LF>")};
        asRighe.append(QString::fromLatin1(riga.left(riga.size() - 1)));
    }
    return asRighe;
}

int fEsegui(const QString &sProgramma, const QStringList &asArgs, QByteArray *pOut, QByteArray *pErr)
{
    QProcess p;
    p.start(sProgramma, asArgs);
    if (!p.waitForFinished(120000))
        return -1;
    if (pOut)
        *pOut = p.readAllStandardOutput();
    if (pErr)
        *pErr = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString fErroreDi(const std::function<void()> &f)
{
    try {
        f();
    } catch (const TOmbrixError &e) {
        return e.fMessage();
    }
    return QString();
}
