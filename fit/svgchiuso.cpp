#include "fit/svgchiuso.h"

#include "workspace/errors.h"
#include "workspace/filenormali.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <zlib.h>

namespace {

[[noreturn]] void pFallisci(const QString &sFile, const QString &sMotivo)
{
    throw TOmbrixError(sFile + QStringLiteral(": ") + sMotivo);
}

/** The bytes of a gzip stream, at most iLimite of them. */
QByteArray fInflaGzip(const QByteArray &ab, const QString &sFile, qint64 iLimite)
{
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        pFallisci(sFile, QCoreApplication::translate("Ombrix", "SVG compresso non leggibile"));
    QByteArray out;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(ab.constData()));
    z.avail_in = uInt(ab.size());
    int iEsito = Z_OK;
    while (iEsito == Z_OK) {
        if (qint64(out.size()) > iLimite)
            break;
        const qsizetype n = out.size();
        out.resize(n + (qsizetype(1) << 16));
        z.next_out = reinterpret_cast<Bytef *>(out.data() + n);
        z.avail_out = 1u << 16;
        iEsito = inflate(&z, Z_NO_FLUSH);
        out.resize(out.size() - qsizetype(z.avail_out));
    }
    inflateEnd(&z);
    if (qint64(out.size()) > iLimite)
        pFallisci(sFile, QCoreApplication::translate("Ombrix", "SVG più grande del limite di %1 MiB una volta espanso")
                             .arg(fMiB(iLimite)));
    if (iEsito != Z_STREAM_END)
        pFallisci(sFile, QCoreApplication::translate("Ombrix", "SVG compresso non leggibile"));
    return out;
}

/** True for a reference the drawing may keep: a data URL of a picture that is not itself a drawing (which could
 *  load files in its turn). The data are found as the SVG reader finds them: after the last "base64,". */
bool fDatiRaster(const QString &sRif)
{
    if (!sRif.startsWith(QLatin1String("data:")))
        return false;
    const qsizetype i = sRif.lastIndexOf(QLatin1String("base64,"));
    if (i < 0)
        return false;
    QByteArray ab = QByteArray::fromBase64(sRif.mid(i + 7).toLatin1());
    QBuffer buf(&ab);
    buf.open(QIODevice::ReadOnly);
    const QByteArray abFormato = QImageReader::imageFormat(&buf);
    return !abFormato.isEmpty() && !abFormato.startsWith("svg");
}

/** An <image> that loads nothing from outside: each of its references (under any prefix) is a raster data URL. */
bool fImmagineChiusa(const QXmlStreamAttributes &attributi)
{
    bool bRiferimento = false;
    for (const QXmlStreamAttribute &a : attributi) {
        if (a.name() != QLatin1String("href"))
            continue;
        if (!fDatiRaster(a.value().toString()))
            return false;
        bRiferimento = true;
    }
    return bRiferimento;
}

} // namespace

QByteArray fSvgChiuso(const QByteArray &abSvg, const QString &sFile, qint64 iLimite)
{
    const QByteArray abTesto = abSvg.startsWith("\x1f\x8b") ? fInflaGzip(abSvg, sFile, iLimite) : abSvg;
    QXmlStreamReader r(abTesto);
    QByteArray out;
    QXmlStreamWriter w(&out);
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
        case QXmlStreamReader::Invalid:
            break;
        case QXmlStreamReader::StartElement:
            if (r.name() == QLatin1String("image") && !fImmagineChiusa(r.attributes())) {
                r.skipCurrentElement();
                break;
            }
            w.writeCurrentToken(r);
            break;
        default:
            w.writeCurrentToken(r);
            break;
        }
    }
    if (r.hasError())
        pFallisci(sFile, QCoreApplication::translate("Ombrix", "SVG non leggibile: %1 (riga %2)")
                             .arg(r.errorString())
                             .arg(r.lineNumber()));
    return out;
}
