#pragma once

#include "workspace/errors.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

namespace Poppler {
class Document;
class Page;
} // namespace Poppler

/** The most memory a picture may take once decoded. */
inline constexpr qint64 iLimiteDecodifica = 256LL * 1024 * 1024;
/** The largest source file read (a picture, a drawing once inflated, a PDF). */
inline constexpr qint64 iLimiteFileSorgente = 256LL * 1024 * 1024;

/** A PDF that opens only with a password: none was given, or the one given is wrong. */
class TPdfProtetto : public TOmbrixError
{
public:
    TPdfProtetto(const QString &sMessage, bool bPasswordErrata)
        : TOmbrixError(sMessage), m_bPasswordErrata(bPasswordErrata)
    {
    }
    bool fPasswordErrata() const { return m_bPasswordErrata; }

private:
    bool m_bPasswordErrata;
};

/**
 * A picture to fit onto a page of the panel: a file of any format that Qt's
 * image plugins read (the first frame or page of a GIF or a TIFF), an SVG
 * drawing, or one page of a PDF.
 *
 * Its natural size is upright, the JPEG's EXIF orientation applied: pixels
 * for a picture, points (72 per inch) for a PDF page. fRegione gives any part
 * of it at any size, in sRGB, with transparent pixels laid over a colour and
 * the pixels averaged where it is reduced. Vector sources (SVG, PDF) are drawn
 * directly at the size asked for; a large JPEG is decoded already reduced,
 * never larger than twice what is needed.
 *
 * Opening reads the file, which must be a plain file of at most
 * iLimiteFileSorgente bytes, and decodes the header only. An SVG drawing is
 * drawn without anything it would load from outside itself (fSvgChiuso).
 * Every failure throws TOmbrixError naming the file: not a plain file, too
 * large, unreadable, truncated or mislabelled, a page outside the PDF, a PDF
 * that needs a password (TPdfProtetto), or a picture that would need more
 * than iLimiteDecodifica once decoded (the size is stated).
 */
class TSorgente
{
public:
    /** iPagina counts from 1 and matters for a PDF only. */
    explicit TSorgente(const QString &sFile, int iPagina = 1, const QString &sPassword = QString());
    ~TSorgente();
    TSorgente(const TSorgente &) = delete;
    TSorgente &operator=(const TSorgente &) = delete;

    const QString &fFile() const { return m_sFile; }
    QSizeF fDimensione() const { return m_dimensione; }
    bool fPdf() const { return m_pPdf != nullptr; }
    /** The pages of a PDF; 1 for a picture. */
    int fPagine() const { return m_iPagine; }

    /**
     * The part rcNat (natural coordinates) of the picture, as an opaque RGB32
     * image of sizeOut, over colFondo. bMarcate darkens thin dark lines before
     * a strong reduction, so that they stay visible.
     */
    QImage fRegione(const QRectF &rcNat, const QSize &sizeOut, const QColor &colFondo, bool bMarcate);

private:
    void pApriPdf(int iPagina, const QString &sPassword);
    void pApriImmagine();
    /** The whole picture decoded at (at least) dScala of its natural size, within the limit. */
    void pDecodifica(double dScala);
    [[noreturn]] void pFallisci(const QString &sPerche) const;

    QString m_sFile;
    QByteArray m_abDati; // the file's bytes (a drawing without what it would load from outside)
    QByteArray m_abFormato;
    QSizeF m_dimensione;
    int m_iPagine = 1;
    QSize m_sizeGrezza; // the picture as stored, before its EXIF orientation
    bool m_bRuotata = false;
    bool m_bVettoriale = false; // an SVG drawing: drawn at the size needed
    QImage m_decodificata;      // premultiplied ARGB, upright, sRGB
    double m_dScalaDecodificata = 0;
    std::unique_ptr<Poppler::Document> m_pPdf;
    std::unique_ptr<Poppler::Page> m_pPagina;
};

/** The filter of an open-file dialog listing every format TSorgente reads. */
QString fFiltroSorgenti();

/** The version of the PDF library the program runs with, e.g. "22.12.0" (the About box names it). */
QString fVersionePoppler();
