#include "export/jpegbmp.h"

#include "workspace/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>

namespace {

constexpr std::size_t iChunkBytes = std::size_t(8) << 20; // decoded rows held at a time
constexpr std::uint32_t iFileHeader = 14;
constexpr std::uint32_t iInfoHeader = 40;
// A picture of several scans is held whole as coefficients while it is read;
// beyond this it is refused before anything is allocated. A 1 GiB buffer is a
// colour picture of about 11,000 x 11,000 pixels.
constexpr std::uint64_t iMaxCoefficienti = std::uint64_t(1) << 30;

/** libjpeg's error manager, leaving by longjmp on an error and on every
 *  warning (message level -1: corrupt or truncated data). */
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

void pOnMessage(j_common_ptr pInfo, int iLevel)
{
    if (iLevel < 0)
        pOnError(pInfo);
}

enum class TEsito { Ok, Decoder, Scrittura, Interrotto, TroppoGrande, TroppeScansioni };

/** Everything the decoding touches after setjmp lives here, so nothing is
 *  lost when libjpeg leaves by longjmp; the caller frees it. */
struct TDecodifica
{
    std::FILE *pIn = nullptr;
    int iFd = -1;
    const std::atomic<bool> *pbStop = nullptr;
    TErrMgr err;
    jpeg_decompress_struct cinfo;
    bool bCreato = false;
    unsigned char *pBuf = nullptr; // file headers, then one chunk of rows
    unsigned char *pCmyk = nullptr;
    JSAMPROW *apRighe = nullptr;
    TEsito eEsito = TEsito::Ok;
    int iErrno = 0;
};

void pPut16(unsigned char *p, std::uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

void pPut32(unsigned char *p, std::uint32_t v)
{
    pPut16(p, v & 0xFFFF);
    pPut16(p + 2, v >> 16);
}

bool fScriviTutto(int iFd, const unsigned char *p, std::size_t n, off_t iOffset)
{
    while (n > 0) {
        const ssize_t k = ::pwrite(iFd, p, n, iOffset);
        if (k < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += k;
        n -= std::size_t(k);
        iOffset += k;
    }
    return true;
}

std::uint32_t fPixelPerMetro(int iUnita, unsigned iDensita)
{
    if (iUnita == 1) // dots per inch
        return std::uint32_t((iDensita * 10000u + 127u) / 254u);
    if (iUnita == 2) // dots per centimetre
        return std::uint32_t(iDensita * 100u);
    return 0;
}

void pTestata(unsigned char *p, const jpeg_decompress_struct &ci, int iBpp, std::uint32_t iStride, std::uint32_t iDati)
{
    const std::uint32_t iPalette = iBpp == 8 ? 256 * 4 : 0;
    const std::uint32_t iOffBits = iFileHeader + iInfoHeader + iPalette;
    std::memset(p, 0, iOffBits);
    p[0] = 'B';
    p[1] = 'M';
    pPut32(p + 2, iOffBits + iStride * ci.output_height); // bfSize
    pPut32(p + 10, iOffBits);                             // bfOffBits
    unsigned char *q = p + iFileHeader;
    pPut32(q, iInfoHeader);
    pPut32(q + 4, ci.output_width);
    pPut32(q + 8, ci.output_height); // positive: rows bottom-up
    pPut16(q + 12, 1);               // planes
    pPut16(q + 14, std::uint32_t(iBpp));
    pPut32(q + 16, 0); // BI_RGB
    pPut32(q + 20, iDati);
    pPut32(q + 24, fPixelPerMetro(ci.density_unit, ci.X_density));
    pPut32(q + 28, fPixelPerMetro(ci.density_unit, ci.Y_density));
    pPut32(q + 32, iBpp == 8 ? 256 : 0); // colours used
    pPut32(q + 36, 0);
    if (iBpp == 8) {
        unsigned char *pPal = q + iInfoHeader;
        for (int i = 0; i < 256; ++i) {
            pPal[4 * i] = pPal[4 * i + 1] = pPal[4 * i + 2] = static_cast<unsigned char>(i);
            pPal[4 * i + 3] = 0;
        }
    }
}

/** The rows buffer of this thread, kept from one picture to the next so
 *  that a run of pictures does not map and fault in fresh memory for each.
 *  At most one chunk of rows plus the headers: a few megabytes. */
unsigned char *fBuffer(std::size_t n)
{
    struct TBuffer
    {
        unsigned char *p = nullptr;
        std::size_t n = 0;
        ~TBuffer() { std::free(p); }
    };
    thread_local TBuffer buf;
    if (buf.n < n) {
        std::free(buf.p);
        buf.p = static_cast<unsigned char *>(std::malloc(n));
        buf.n = buf.p ? n : 0;
    }
    return buf.p;
}

/** One CMYK row to BGRX. Adobe writes the ink values inverted, which is what
 *  the formula expects; plain CMYK is inverted first. */
void pCmykInBgrx(const unsigned char *pIn, unsigned char *pOut, unsigned iLarghezza, bool bInvertito)
{
    for (unsigned x = 0; x < iLarghezza; ++x, pIn += 4, pOut += 4) {
        unsigned c = pIn[0], m = pIn[1], y = pIn[2], k = pIn[3];
        if (!bInvertito) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        // round(v * k / 255)
        pOut[0] = static_cast<unsigned char>((2 * y * k + 255) / 510);
        pOut[1] = static_cast<unsigned char>((2 * m * k + 255) / 510);
        pOut[2] = static_cast<unsigned char>((2 * c * k + 255) / 510);
        pOut[3] = 0;
    }
}

/** The decoding proper. Holds no C++ object across the setjmp, so a longjmp
 *  out of libjpeg skips no destructor; d is cleaned up by the caller. */
void pDecodifica(TDecodifica *d)
{
    jpeg_decompress_struct *ci = &d->cinfo;
    ci->err = jpeg_std_error(&d->err.pub);
    d->err.pub.error_exit = pOnError;
    d->err.pub.emit_message = pOnMessage;
    if (setjmp(d->err.jb)) {
        d->eEsito = TEsito::Decoder;
        return;
    }
    jpeg_create_decompress(ci);
    d->bCreato = true;
    jpeg_stdio_src(ci, d->pIn);
    jpeg_read_header(ci, TRUE);
    if (jpeg_has_multiple_scans(ci)) {
        std::uint64_t iCoefficienti = 0;
        for (int c = 0; c < ci->num_components; ++c) {
            const jpeg_component_info &comp = ci->comp_info[c];
            iCoefficienti += std::uint64_t(comp.width_in_blocks) * comp.height_in_blocks * sizeof(JBLOCK);
        }
        if (iCoefficienti > iMaxCoefficienti) {
            d->eEsito = TEsito::TroppeScansioni;
            return;
        }
    }
    ci->mem->max_memory_to_use = long(iMaxCoefficienti + (std::uint64_t(64) << 20));

    int iBpp = 24;
    bool bCmyk = false;
    switch (ci->jpeg_color_space) {
    case JCS_GRAYSCALE:
        ci->out_color_space = JCS_GRAYSCALE;
        iBpp = 8;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        ci->out_color_space = JCS_CMYK;
        iBpp = 32;
        bCmyk = true;
        break;
    default:
        ci->out_color_space = JCS_EXT_BGR; // the bitmap's byte order, same values as RGB
        break;
    }
    jpeg_start_decompress(ci);

    const unsigned w = ci->output_width;
    const unsigned h = ci->output_height;
    const std::uint64_t iStride64 = (std::uint64_t(w) * unsigned(iBpp / 8) + 3) & ~std::uint64_t(3);
    const std::uint32_t iHeader = iFileHeader + iInfoHeader + (iBpp == 8 ? 1024 : 0);
    if (iHeader + iStride64 * h > 0xFFFFFFFFull) {
        d->eEsito = TEsito::TroppoGrande;
        return;
    }
    const std::uint32_t iStride = std::uint32_t(iStride64);
    const unsigned iChunkRighe = unsigned(std::clamp<std::uint64_t>(iChunkBytes / iStride, 1, h));
    d->pBuf = fBuffer(iHeader + std::size_t(iChunkRighe) * iStride);
    d->apRighe = static_cast<JSAMPROW *>(std::malloc(sizeof(JSAMPROW) * iChunkRighe));
    if (bCmyk)
        d->pCmyk = static_cast<unsigned char *>(std::malloc(std::size_t(w) * 4));
    if (!d->pBuf || !d->apRighe || (bCmyk && !d->pCmyk)) {
        d->iErrno = ENOMEM;
        d->eEsito = TEsito::Scrittura;
        return;
    }
    // the decoder fills the pixels of each row; its padding must be zero
    const std::size_t iPixel = std::size_t(w) * unsigned(iBpp / 8);
    if (iPixel < iStride) {
        for (unsigned i = 0; i < iChunkRighe; ++i)
            std::memset(d->pBuf + iHeader + std::size_t(i) * iStride + iPixel, 0, iStride - iPixel);
    }
    const bool bInvertito = ci->saw_Adobe_marker;

    for (unsigned y0 = 0; y0 < h;) {
        const unsigned n = std::min(iChunkRighe, h - y0);
        unsigned char *pBase = d->pBuf + iHeader;
        // the first decoded row of the chunk goes last: rows are stored bottom-up
        for (unsigned i = 0; i < n; ++i)
            d->apRighe[i] = pBase + std::size_t(n - 1 - i) * iStride;
        if (!bCmyk) {
            for (unsigned iFatte = 0; iFatte < n;)
                iFatte += jpeg_read_scanlines(ci, d->apRighe + iFatte, n - iFatte);
        } else {
            for (unsigned i = 0; i < n;) {
                if (jpeg_read_scanlines(ci, &d->pCmyk, 1) == 1)
                    pCmykInBgrx(d->pCmyk, d->apRighe[i++], w, bInvertito);
            }
        }
        const bool bUltimo = y0 + n == h; // the bottom rows: the start of the file
        bool bOk;
        if (bUltimo) {
            pTestata(d->pBuf, *ci, iBpp, iStride, iStride * h);
            bOk = fScriviTutto(d->iFd, d->pBuf, iHeader + std::size_t(n) * iStride, 0);
        } else {
            bOk = fScriviTutto(d->iFd, pBase, std::size_t(n) * iStride,
                               off_t(iHeader) + off_t(h - y0 - n) * off_t(iStride));
        }
        if (!bOk) {
            d->iErrno = errno;
            d->eEsito = TEsito::Scrittura;
            return;
        }
        y0 += n;
        if (!bUltimo && d->pbStop && d->pbStop->load(std::memory_order_relaxed)) {
            d->eEsito = TEsito::Interrotto;
            return;
        }
    }
    jpeg_finish_decompress(ci);
}

QString fErrore(int iErrno)
{
    return fErroreDiSistema(iErrno);
}

/** Opens a picture for reading. Opening does not wait (a FIFO with no
 *  writer would block it), and anything but a regular file is refused. */
std::FILE *fApriImmagine(const QString &sJpeg)
{
    const int iFd = ::open(QFile::encodeName(sJpeg).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (iFd < 0)
        throw TOmbrixError(sJpeg + QStringLiteral(": ") + fErrore(errno));
    struct stat st;
    if (::fstat(iFd, &st) != 0) {
        const int iErr = errno;
        ::close(iFd);
        throw TOmbrixError(sJpeg + QStringLiteral(": ") + fErrore(iErr));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(iFd);
        throw TOmbrixError(sJpeg + (S_ISDIR(st.st_mode)
                                        ? QStringLiteral(": ") + fErrore(EISDIR)
                                        : QCoreApplication::translate("Ombrix", ": non è un file normale")));
    }
    ::fcntl(iFd, F_SETFL, ::fcntl(iFd, F_GETFL) & ~O_NONBLOCK);
    std::FILE *pIn = ::fdopen(iFd, "rb");
    if (!pIn) {
        const int iErr = errno;
        ::close(iFd);
        throw TOmbrixError(sJpeg + QStringLiteral(": ") + fErrore(iErr));
    }
    return pIn;
}

} // namespace

void pJpegToBmpFd(const QString &sJpeg, int iFd, const QString &sBmpName, const std::atomic<bool> *pbStop)
{
    TDecodifica d;
    d.iFd = iFd;
    d.pbStop = pbStop;
    d.pIn = fApriImmagine(sJpeg);
    // a buffer of our own: given none, the C library reads 4 KiB at a time
    constexpr std::size_t iLettura = std::size_t(1) << 18;
    char *pLettura = static_cast<char *>(std::malloc(iLettura));
    if (pLettura)
        std::setvbuf(d.pIn, pLettura, _IOFBF, iLettura);
    pDecodifica(&d);
    if (d.bCreato)
        jpeg_destroy_decompress(&d.cinfo);
    std::free(d.pCmyk);
    std::free(d.apRighe);
    std::fclose(d.pIn);
    std::free(pLettura);
    switch (d.eEsito) {
    case TEsito::Ok:
    case TEsito::Interrotto:
        return;
    case TEsito::Decoder:
        throw TOmbrixError(sJpeg + QStringLiteral(": ") + QString::fromLocal8Bit(d.err.szMsg));
    case TEsito::TroppoGrande:
        throw TOmbrixError(sJpeg + QCoreApplication::translate("Ombrix", ": immagine troppo grande per una bitmap"));
    case TEsito::TroppeScansioni:
        throw TOmbrixError(sJpeg + QCoreApplication::translate("Ombrix",
                                                               ": immagine progressiva troppo grande da decodificare "
                                                               "(%1 x %2 pixel)")
                                       .arg(d.cinfo.image_width)
                                       .arg(d.cinfo.image_height));
    case TEsito::Scrittura:
        throw TOmbrixError(sBmpName + QStringLiteral(": ") + fErrore(d.iErrno));
    }
}

int fCreaFileBmp(const QString &sBmp, QString &sTmp)
{
    // a fresh hidden name beside the bitmap, created exclusively: never a
    // file that is already there, and never through a planted link
    const QFileInfo fi(sBmp);
    QByteArray modello = QFile::encodeName(fi.path() + QStringLiteral("/.") + fi.fileName()) + ".XXXXXX.part";
    const int iFd = ::mkostemps(modello.data(), 5, O_CLOEXEC);
    if (iFd < 0)
        throw TOmbrixError(sBmp + QStringLiteral(": ") + fErrore(errno));
    ::fchmod(iFd, 0644);
    sTmp = QFile::decodeName(modello);
    return iFd;
}

void pRinomina(const QString &sFrom, const QString &sTo)
{
    if (std::rename(QFile::encodeName(sFrom).constData(), QFile::encodeName(sTo).constData()) != 0)
        throw TOmbrixError(sTo + QStringLiteral(": ") + fErrore(errno));
}

void pJpegToBmp(const QString &sJpeg, const QString &sBmp)
{
    QString sTmp;
    const int iFd = fCreaFileBmp(sBmp, sTmp);
    try {
        pJpegToBmpFd(sJpeg, iFd, sBmp);
    } catch (...) {
        ::close(iFd);
        ::unlink(QFile::encodeName(sTmp).constData());
        throw;
    }
    if (::close(iFd) != 0) {
        const int iErr = errno;
        ::unlink(QFile::encodeName(sTmp).constData());
        throw TOmbrixError(sBmp + QStringLiteral(": ") + fErrore(iErr));
    }
    pRinomina(sTmp, sBmp);
}
