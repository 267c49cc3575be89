// The JPEG-to-bitmap path on any bytes: a picture either gives a bitmap of
// the size its header announces or fails with a message naming the picture;
// the hidden working file never stays.

#include "export/jpegbmp.h"
#include "workspace/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString sJpeg = dir.filePath(QStringLiteral("img_1.jpg"));
    const QString sBmp = dir.filePath(QStringLiteral("file0001.bmp"));
    {
        QFile f(sJpeg);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    QFile::remove(sBmp);
    try {
        pJpegToBmp(sJpeg, sBmp);
        QFile f(sBmp);
        if (!f.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray head = f.read(54);
        if (head.size() != 54 || !head.startsWith("BM"))
            std::abort();
        const quint32 iSize =
            quint8(head[2]) | quint8(head[3]) << 8 | quint8(head[4]) << 16 | quint32(quint8(head[5])) << 24;
        if (iSize != quint64(f.size()))
            std::abort();
    } catch (const TOmbrixError &e) {
        if (!e.fMessage().startsWith(sJpeg + QStringLiteral(": ")) && !e.fMessage().startsWith(sBmp))
            std::abort();
    }
    // nothing but the picture and, on success, its bitmap
    const QStringList asFile = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &s : asFile) {
        if (s != QStringLiteral("img_1.jpg") && s != QStringLiteral("file0001.bmp"))
            std::abort();
    }
    return 0;
}
