#include "check/sfondi.h"

#include "check/verifica.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <algorithm>
#include <ctime>

#include <sys/stat.h>

namespace {

/** The coarsest timestamps of a file system the project may lie on (FAT's two seconds): a file changed since
 *  less than this may change again with the same times. */
constexpr qint64 iGranaNs = 2'000'000'000;

qint64 fNs(const timespec &t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + qint64(t.tv_nsec);
}

qint64 fOraNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return fNs(t);
}

/** Decodes what reader reads as the export would: a picture larger than the panel at a reduced scale, so
 *  its size costs no memory, but the whole stream decoded. */
TFattiSfondo fLeggiJpeg(QImageReader &reader)
{
    reader.setAutoDetectImageFormat(false); // the export decodes JPEG only
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > iLarghezzaPannello || size.height() > iAltezzaPannello))
        reader.setScaledSize(
            size.scaled(iLarghezzaPannello, iAltezzaPannello, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage img = reader.read();
    if (img.isNull())
        return {TFattiSfondo::EStato::NonLeggibile, reader.errorString(), {}};
    return {TFattiSfondo::EStato::Letto, {}, size.isValid() ? size : img.size()};
}

} // namespace

void TCacheSfondi::pSvuota()
{
    m_voci.clear();
    m_perContenuto.clear();
}

TFattiSfondo TCacheSfondi::fFatti(const QString &sPath)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(sPath).constData(), &st) != 0) {
        m_voci.remove(sPath);
        return {TFattiSfondo::EStato::Mancante, {}, {}};
    }
    if (!S_ISREG(st.st_mode)) { // a folder, a pipe, a device: never opened
        m_voci.remove(sPath);
        return {TFattiSfondo::EStato::NonFile, {}, {}};
    }
    const auto fIdentita = [](const struct stat &s) {
        return TIdentita{quint64(s.st_dev), quint64(s.st_ino), qint64(s.st_size), fNs(s.st_mtim), fNs(s.st_ctim)};
    };
    if (const auto it = m_voci.constFind(sPath); it != m_voci.cend() && it->id == fIdentita(st) && !it->bRecente)
        return m_perContenuto.value(it->abHash);

    // the bytes, and the identity of the file they were read from
    ++m_iLetture;
    QFile file(sPath);
    struct stat stLetto
    {
    };
    QByteArray abBytes;
    const bool bLetto = file.open(QIODevice::ReadOnly) && ::fstat(file.handle(), &stLetto) == 0 &&
                        S_ISREG(stLetto.st_mode) && (abBytes = file.readAll(), file.error() == QFileDevice::NoError);
    if (!bLetto) { // the decoder tells why, in its own words; nothing is kept
        m_voci.remove(sPath);
        ++m_iDecodifiche;
        QImageReader reader(sPath, "jpeg");
        return fLeggiJpeg(reader);
    }
    const TIdentita id = fIdentita(stLetto);
    const bool bRecente = std::max(id.iMtimeNs, id.iCtimeNs) > fOraNs() - iGranaNs;
    const QByteArray abHash = QCryptographicHash::hash(abBytes, QCryptographicHash::Sha256);
    m_voci.insert(sPath, {id, abHash, bRecente});
    if (const auto it = m_perContenuto.constFind(abHash); it != m_perContenuto.cend())
        return *it;

    ++m_iDecodifiche;
    QBuffer buffer(&abBytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const TFattiSfondo fatti = fLeggiJpeg(reader);
    // the facts of contents no file has any more go, once there are many
    if (m_perContenuto.size() > 2 * m_voci.size() + 64) {
        QSet<QByteArray> aUsati;
        for (const TVoce &v : std::as_const(m_voci))
            aUsati.insert(v.abHash);
        m_perContenuto.removeIf([&](const auto &it) { return !aUsati.contains(it.key()); });
    }
    m_perContenuto.insert(abHash, fatti);
    return fatti;
}
