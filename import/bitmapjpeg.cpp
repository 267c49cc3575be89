#include "import/bitmapjpeg.h"

#include "workspace/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

constexpr int iQualita = 95;
constexpr int iTestata = 14 + 40; // file header and the smallest information header the export writes

/** What the headers of a bitmap say. */
struct TTestata
{
    quint32 iInizioDati = 0;
    qint32 iLarghezza = 0;
    qint32 iAltezza = 0; // negative: rows top-down
    quint16 iBit = 0;
    quint32 iCompressione = 0;
    qint32 iPuntiMetroX = 0;
    qint32 iPuntiMetroY = 0;
};

[[noreturn]] void pErrore(const QString &sFile, const QString &sMotivo)
{
    throw TOmbrixError(sFile + QStringLiteral(": ") + sMotivo);
}

TTestata fTestata(QFile &f)
{
    const QString &sBmp = f.fileName();
    const QByteArray b = f.read(iTestata);
    const auto *p = reinterpret_cast<const uchar *>(b.constData());
    if (b.size() < iTestata || !b.startsWith("BM") || qFromLittleEndian<quint32>(p + 14) < 40)
        pErrore(sBmp, QCoreApplication::translate("Ombrix", "non è una bitmap"));
    TTestata t;
    t.iInizioDati = qFromLittleEndian<quint32>(p + 10);
    t.iLarghezza = qFromLittleEndian<qint32>(p + 18);
    t.iAltezza = qFromLittleEndian<qint32>(p + 22);
    t.iBit = qFromLittleEndian<quint16>(p + 28);
    t.iCompressione = qFromLittleEndian<quint32>(p + 30);
    t.iPuntiMetroX = qFromLittleEndian<qint32>(p + 38);
    t.iPuntiMetroY = qFromLittleEndian<qint32>(p + 42);
    return t;
}

/** libjpeg's error manager, leaving by longjmp. */
struct TErrMgr
{
    jpeg_error_mgr pub;
    std::jmp_buf jb;
    char szMsg[JMSG_LENGTH_MAX];
};

void pOnError(j_common_ptr pInfo)
{
    auto *pErr = reinterpret_cast<TErrMgr *>(pInfo->err);
    pInfo->err->format_message(pInfo, pErr->szMsg);
    std::longjmp(pErr->jb, 1);
}

/** The JFIF density that the export turns back into the bitmap's pixels per metre. */
void pDensita(jpeg_compress_struct &ci, qint32 iX, qint32 iY)
{
    if (iX <= 0 || iY <= 0)
        return; // no resolution: the JFIF default, which the export writes as 0
    const bool bCm = iX % 100 == 0 && iY % 100 == 0;
    auto densita = [bCm](qint32 v) {
        return UINT16(std::min<long>(65535, bCm ? v / 100 : std::lround(double(v) * 254.0 / 10000.0)));
    };
    ci.density_unit = bCm ? 2 : 1;
    ci.X_density = densita(iX);
    ci.Y_density = densita(iY);
}

/** Everything the encoding touches after setjmp, so nothing is lost when libjpeg leaves by longjmp. */
struct TCodifica
{
    std::FILE *pOut = nullptr;
    TErrMgr err{};
    jpeg_compress_struct ci{};
};

/** Encodes img (RGB888 or Grayscale8) into c.pOut; false with c.err.szMsg on a failure. No C++ object
 *  lives in this frame, as libjpeg may leave it by longjmp. */
bool fCodifica(TCodifica &c, const QImage &img, const TTestata &t)
{
    c.ci.err = jpeg_std_error(&c.err.pub);
    c.err.pub.error_exit = pOnError;
    if (setjmp(c.err.jb)) {
        jpeg_destroy_compress(&c.ci);
        return false;
    }
    jpeg_create_compress(&c.ci);
    jpeg_stdio_dest(&c.ci, c.pOut);
    const bool bGrigio = img.format() == QImage::Format_Grayscale8;
    c.ci.image_width = JDIMENSION(img.width());
    c.ci.image_height = JDIMENSION(img.height());
    c.ci.input_components = bGrigio ? 1 : 3;
    c.ci.in_color_space = bGrigio ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c.ci);
    jpeg_set_quality(&c.ci, iQualita, TRUE);
    for (int i = 0; i < c.ci.num_components; ++i) {
        c.ci.comp_info[i].h_samp_factor = 1;
        c.ci.comp_info[i].v_samp_factor = 1;
    }
    pDensita(c.ci, t.iPuntiMetroX, t.iPuntiMetroY);
    jpeg_start_compress(&c.ci, TRUE);
    while (c.ci.next_scanline < c.ci.image_height) {
        auto riga = const_cast<JSAMPROW>(img.constScanLine(int(c.ci.next_scanline)));
        jpeg_write_scanlines(&c.ci, &riga, 1);
    }
    jpeg_finish_compress(&c.ci);
    jpeg_destroy_compress(&c.ci);
    return true;
}

} // namespace

void pControllaBitmap(const QString &sBmp)
{
    QFile f(sBmp);
    if (!f.open(QIODevice::ReadOnly))
        pErrore(sBmp, f.errorString());
    const TTestata t = fTestata(f);
    if (t.iLarghezza <= 0 || t.iAltezza == 0)
        pErrore(
            sBmp,
            QCoreApplication::translate("Ombrix", "dimensioni non valide: %1 x %2").arg(t.iLarghezza).arg(t.iAltezza));
    // rows without compression: the file must hold all of them
    if (t.iCompressione == 0 || t.iCompressione == 3) {
        const quint64 iRiga = (quint64(t.iLarghezza) * t.iBit + 31) / 32 * 4;
        const quint64 iAttesa = t.iInizioDati + iRiga * quint64(std::abs(qint64(t.iAltezza)));
        if (quint64(f.size()) < iAttesa)
            pErrore(sBmp, QCoreApplication::translate("Ombrix", "bitmap più corta della sua intestazione: %1 byte "
                                                                "invece di %2")
                              .arg(f.size())
                              .arg(iAttesa));
    }
}

void pBitmapInJpeg(const QString &sBmp, const QString &sJpeg)
{
    pControllaBitmap(sBmp);
    QFile f(sBmp);
    if (!f.open(QIODevice::ReadOnly))
        pErrore(sBmp, f.errorString());
    const TTestata t = fTestata(f);
    f.close();
    QImageReader reader(sBmp, "bmp");
    reader.setAutoDetectImageFormat(false);
    QImage img = reader.read();
    if (img.isNull())
        pErrore(sBmp, reader.errorString());
    // the export writes a greyscale picture as a bitmap of grey levels, and that alone
    const bool bGrigio = img.depth() <= 8 && img.isGrayscale();
    img = img.convertToFormat(bGrigio ? QImage::Format_Grayscale8 : QImage::Format_RGB888);

    TCodifica c;
    c.pOut = std::fopen(QFile::encodeName(sJpeg).constData(), "wb");
    if (!c.pOut)
        pErrore(sJpeg, fErroreDiSistema(errno));
    const bool bOk = fCodifica(c, img, t);
    const bool bChiuso = std::fclose(c.pOut) == 0;
    if (!bOk)
        pErrore(sJpeg, QString::fromLocal8Bit(c.err.szMsg));
    if (!bChiuso)
        pErrore(sJpeg, fErroreDiSistema(errno));
}
