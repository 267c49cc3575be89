#include "fit/sorgente.h"

#include "fit/ricampiona.h"
#include "fit/svgchiuso.h"
#include "workspace/filenormali.h"

#include <poppler-qt6.h>
#include <poppler-version.h>

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// the translation context of the program's own messages
struct Ombrix
{
    Q_DECLARE_TR_FUNCTIONS(Ombrix)
};

bool fJpeg(const QByteArray &abFormato)
{
    return abFormato == "jpeg" || abFormato == "jpg";
}

/** True when the JPEG's markers run up to its end-of-image marker: a file cut short stops inside its
 *  coded data (the decoder would only warn and fill the rest with grey). */
bool fJpegCompleto(const QByteArray &ab)
{
    const auto *p = reinterpret_cast<const uchar *>(ab.constData());
    const qsizetype n = ab.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return false;
    qsizetype i = 2;
    while (i + 1 < n) {
        if (p[i] != 0xFF)
            return false;
        const uchar m = p[i + 1];
        if (m == 0xFF) { // fill byte before a marker
            ++i;
            continue;
        }
        if (m == 0xD9)
            return true;
        if ((m >= 0xD0 && m <= 0xD7) || m == 0x01) {
            i += 2;
            continue;
        }
        if (i + 3 >= n)
            return false;
        i += 2 + ((qsizetype(p[i + 2]) << 8) | p[i + 3]);
        if (m == 0xDA) // coded data, up to the next marker
            while (i + 1 < n && !(p[i] == 0xFF && p[i + 1] != 0 && (p[i + 1] < 0xD0 || p[i + 1] > 0xD7)))
                ++i;
    }
    return false;
}

/** An opaque RGB32 copy of img laid over col. */
QImage fSuColore(const QImage &img, const QColor &col)
{
    if (!img.hasAlphaChannel())
        return img.convertToFormat(QImage::Format_RGB32);
    QImage out(img.size(), QImage::Format_RGB32);
    out.fill(col.rgb());
    QPainter painter(&out);
    painter.drawImage(0, 0, img);
    return out;
}

} // namespace

TSorgente::TSorgente(const QString &sFile, int iPagina, const QString &sPassword) : m_sFile(sFile)
{
    m_abDati = fLeggiFileNormale(sFile, iLimiteFileSorgente);
    if (m_abDati.left(1024).contains("%PDF-")) {
        pApriPdf(iPagina, sPassword);
        return;
    }
    pApriImmagine();
}

TSorgente::~TSorgente() = default;

void TSorgente::pFallisci(const QString &sPerche) const
{
    throw TOmbrixError(m_sFile + QStringLiteral(": ") + sPerche);
}

void TSorgente::pApriPdf(int iPagina, const QString &sPassword)
{
    // the library's own notices (a wrong password, a damaged table) become this class's messages
    Poppler::setDebugErrorFunction([](const QString &, const QVariant &) {}, QVariant());
    const QByteArray abPassword = sPassword.toUtf8();
    m_pPdf = Poppler::Document::loadFromData(m_abDati, abPassword, abPassword);
    if (!m_pPdf)
        pFallisci(Ombrix::tr("PDF non leggibile"));
    if (m_pPdf->isLocked()) {
        const bool bErrata = !sPassword.isEmpty();
        throw TPdfProtetto(
            m_sFile + QStringLiteral(": ") +
                (bErrata ? Ombrix::tr("password del PDF errata") : Ombrix::tr("PDF protetto da password")),
            bErrata);
    }
    m_iPagine = m_pPdf->numPages();
    if (iPagina < 1 || iPagina > m_iPagine)
        pFallisci(Ombrix::tr("pagina %1 fuori dal PDF, che ha %2 pagine").arg(iPagina).arg(m_iPagine));
    m_pPagina = m_pPdf->page(iPagina - 1);
    if (!m_pPagina)
        pFallisci(Ombrix::tr("pagina %1 non leggibile").arg(iPagina));
    m_dimensione = m_pPagina->pageSizeF();
    if (m_dimensione.isEmpty())
        pFallisci(Ombrix::tr("pagina %1 vuota").arg(iPagina));
    m_pPdf->setRenderHint(Poppler::Document::Antialiasing);
    m_pPdf->setRenderHint(Poppler::Document::TextAntialiasing);
    m_pPdf->setRenderHint(Poppler::Document::ThinLineShape); // hairlines stay visible
}

void TSorgente::pApriImmagine()
{
    QBuffer buf(&m_abDati);
    buf.open(QIODevice::ReadOnly);
    m_abFormato = QImageReader::imageFormat(&buf);
    if (m_abFormato.startsWith("svg")) {
        // a drawing from someone else: it is drawn with nothing it would load from outside itself
        buf.close();
        m_abDati = fSvgChiuso(m_abDati, m_sFile, iLimiteFileSorgente);
        m_abFormato = "svg";
        buf.setBuffer(&m_abDati);
        buf.open(QIODevice::ReadOnly);
    }
    QImageReader reader(&buf, m_abFormato);
    if (m_abFormato.isEmpty() || !reader.canRead())
        pFallisci(Ombrix::tr("formato dell'immagine non riconosciuto"));
    m_abFormato = reader.format();
    m_sizeGrezza = reader.size();
    if (m_sizeGrezza.isEmpty())
        pFallisci(Ombrix::tr("dimensioni dell'immagine non leggibili"));
    m_bRuotata = reader.transformation() & QImageIOHandler::TransformationRotate90;
    m_dimensione = m_bRuotata ? m_sizeGrezza.transposed() : m_sizeGrezza;
    m_bVettoriale = m_abFormato.startsWith("svg");
    if (m_bVettoriale)
        return;
    if (fJpeg(m_abFormato) && !fJpegCompleto(m_abDati))
        pFallisci(Ombrix::tr("JPEG troncato: i dati finiscono prima della fine dell'immagine"));

    // what decoding takes: a JPEG can be decoded at an eighth of its size, the other formats only whole
    const int iDiv = fJpeg(m_abFormato) ? 8 : 1;
    const int iByte = std::max(4, QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel() / 8);
    const qint64 iServe = qint64(std::ceil(double(m_sizeGrezza.width()) / iDiv)) *
                          qint64(std::ceil(double(m_sizeGrezza.height()) / iDiv)) * iByte;
    if (iServe > iLimiteDecodifica)
        pFallisci(
            Ombrix::tr("immagine di %1 x %2 pixel: per decodificarla servirebbero %3 MiB, oltre il limite di %4 MiB")
                .arg(m_sizeGrezza.width())
                .arg(m_sizeGrezza.height())
                .arg(fMiB(iServe))
                .arg(fMiB(iLimiteDecodifica)));
}

void TSorgente::pDecodifica(double dScala)
{
    // twice the resolution needed, so that the reduction that follows still averages
    const double dVoluta = std::min(1.0, 2.0 * dScala);
    if (!m_decodificata.isNull() && m_dScalaDecodificata >= dVoluta)
        return;
    int iDiv = 1;
    if (fJpeg(m_abFormato)) {
        for (int d : {8, 4, 2})
            if (1.0 / d >= dVoluta) {
                iDiv = d;
                break;
            }
        while (iDiv < 8 && qint64(m_sizeGrezza.width() / iDiv) * (m_sizeGrezza.height() / iDiv) * 4 > iLimiteDecodifica)
            iDiv *= 2;
    }
    if (!m_decodificata.isNull() && m_dScalaDecodificata >= 1.0 / iDiv - 1e-9)
        return;

    QBuffer buf(&m_abDati);
    buf.open(QIODevice::ReadOnly);
    QImageReader reader(&buf, m_abFormato);
    reader.setAllocationLimit(int(iLimiteDecodifica >> 20));
    reader.setAutoTransform(true);
    if (iDiv > 1)
        reader.setScaledSize(
            QSize(std::max(1, m_sizeGrezza.width() / iDiv), std::max(1, m_sizeGrezza.height() / iDiv)));
    QImage img;
    if (!reader.read(&img))
        pFallisci(reader.errorString());
    if (img.colorSpace().isValid() && img.colorSpace() != QColorSpace(QColorSpace::SRgb))
        img.convertToColorSpace(QColorSpace::SRgb);
    img.convertTo(img.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (img.isNull())
        pFallisci(Ombrix::tr("memoria insufficiente per decodificare l'immagine"));
    m_decodificata = img;
    m_dScalaDecodificata = double(img.width()) / m_dimensione.width();
}

QImage TSorgente::fRegione(const QRectF &rcNat, const QSize &sizeOut, const QColor &colFondo, bool bMarcate)
{
    if (sizeOut.isEmpty() || rcNat.isEmpty())
        return QImage();
    const double dSx = sizeOut.width() / rcNat.width();
    const double dSy = sizeOut.height() / rcNat.height();

    if (m_pPagina) {
        // drawn directly at the size asked for, on the fill colour
        m_pPdf->setPaperColor(colFondo);
        const QImage img = m_pPagina->renderToImage(72.0 * dSx, 72.0 * dSy, qRound(rcNat.x() * dSx),
                                                    qRound(rcNat.y() * dSy), sizeOut.width(), sizeOut.height());
        if (img.isNull())
            pFallisci(Ombrix::tr("pagina non disegnabile"));
        return fSuColore(img, colFondo);
    }

    if (m_bVettoriale) {
        QBuffer buf(&m_abDati);
        buf.open(QIODevice::ReadOnly);
        QImageReader reader(&buf, m_abFormato);
        reader.setScaledSize(QSize(qRound(m_dimensione.width() * dSx), qRound(m_dimensione.height() * dSy)));
        reader.setScaledClipRect(QRect(QPoint(qRound(rcNat.x() * dSx), qRound(rcNat.y() * dSy)), sizeOut));
        QImage img;
        if (!reader.read(&img))
            pFallisci(reader.errorString());
        return fSuColore(img, colFondo);
    }

    pDecodifica(std::max(dSx, dSy));
    const double dK = double(m_decodificata.width()) / m_dimensione.width();
    const double dKy = double(m_decodificata.height()) / m_dimensione.height();
    const QRectF rcDec(rcNat.x() * dK, rcNat.y() * dKy, rcNat.width() * dK, rcNat.height() * dKy);
    const double dRiduzione = rcDec.width() / sizeOut.width();
    const int iLato = bMarcate && dRiduzione >= 2 ? std::min(8, int(dRiduzione)) : 0;
    const QRect rcCopia =
        rcDec.toAlignedRect().adjusted(-iLato, -iLato, iLato, iLato).intersected(m_decodificata.rect());
    if (rcCopia.isEmpty())
        return QImage();
    QImage parte = fSuColore(m_decodificata.copy(rcCopia), colFondo);
    pScurisci(parte, iLato);
    return fRicampiona(parte, rcDec.translated(-rcCopia.topLeft()), sizeOut);
}

QString fFiltroSorgenti()
{
    QStringList asMotivi{QStringLiteral("*.pdf")};
    for (const QByteArray &ab : QImageReader::supportedImageFormats())
        asMotivi << QStringLiteral("*.") + QString::fromLatin1(ab);
    asMotivi.removeDuplicates();
    return Ombrix::tr("Immagini e PDF") + QStringLiteral(" (") + asMotivi.join(QLatin1Char(' ')) + QStringLiteral(")");
}

QString fVersionePoppler()
{
    return Poppler::Version::string();
}
