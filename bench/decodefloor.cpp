// The one-core decode floor of the export benchmark: the export's own
// decoding of every area picture into its bitmap, one after another in this
// one process and thread, with nothing else (no database, no maps.txt, no
// snapshot). An export that decodes on every core and does its other work
// besides is compared with it.
//
//   decodefloor AREAS_DIR OUT_DIR
//
// Writes OUT_DIR/fileNNNN.bmp for every AREAS_DIR/img_N.jpg.

#include "export/jpegbmp.h"
#include "workspace/errors.h"

#include <QDir>
#include <QRegularExpression>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: decodefloor AREAS_DIR OUT_DIR\n");
        return 2;
    }
    const QString sAree = QFile::decodeName(argv[1]);
    const QString sOut = QFile::decodeName(argv[2]);
    static const QRegularExpression re(QStringLiteral("^img_([0-9]+)\\.jpg$"));
    try {
        for (const QString &s : QDir(sAree).entryList(QDir::Files)) {
            const QRegularExpressionMatch m = re.match(s);
            if (m.hasMatch())
                pJpegToBmp(sAree + QLatin1Char('/') + s,
                           sOut + QStringLiteral("/file%1.bmp").arg(m.captured(1).toInt(), 4, 10, QLatin1Char('0')));
        }
    } catch (const TOmbrixError &e) {
        std::fprintf(stderr, "%s\n", e.fMessage().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
