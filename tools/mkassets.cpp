// Draws the installation pictures of the application root:
//   grfc/  the sensor icons <letter><size>.png, the barrier end marker b2.png,
//          the level banners ban1.png / ban2.png (their English words in ban1_en.png /
//          ban2_en.png) and the blank background blank.jpg;
//   res/   the tool-bar bitmaps (24-bit BMP, bottom-left pixel = transparent colour).
// Usage: mkassets <app-root> [ombrix_en.qm]; without the translation the English banners
// carry the Italian words. Every picture is drawn with QPainter in memory and a file
// is written only when its bytes differ from what is already there, so repeated builds
// leave the files (and their times) untouched.

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTranslator>

#include <cstdio>
#include <functional>

namespace {

// One pictogram, drawn in a 48 x 48 unit box.
struct TIconArt
{
    char cLetter;
    QColor cBadge; // badge fill
    QColor cInk;   // pictogram colour
    std::function<void(QPainter &, const QColor &)> fDraw;
};

// Set while a 16-pixel icon is drawn: pictograms keep fewer, bolder details.
bool bSmall = false;

QPen fPen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void pArtMotion(QPainter &p, const QColor &ink)
{
    // Wall detector lens with the sensing waves in front of it.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath dome;
    dome.moveTo(9, 14);
    dome.arcTo(QRectF(1, 14, 20, 20), 90, -180);
    dome.closeSubpath();
    p.drawPath(dome);
    p.setBrush(Qt::NoBrush);
    p.setPen(fPen(ink, 4.2));
    p.drawArc(QRectF(9 - 15, 24 - 15, 30, 30), -50 * 16, 100 * 16);
    p.drawArc(QRectF(9 - 25, 24 - 25, 50, 50), -45 * 16, 90 * 16);
}

void pArtContact(QPainter &p, const QColor &ink)
{
    // A door in its frame, with the two halves of the contact on the edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(fPen(ink, 3.5));
    p.drawPolyline(QPolygonF({QPointF(9, 42), QPointF(9, 6), QPointF(31, 6), QPointF(31, 42)}));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(13, 10, 14, 32));
    p.drawRect(QRectF(35, 10, 7, 12));
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawEllipse(QPointF(23.5, 27), 2.3, 2.3);
}

void pArtZoom(QPainter &p, const QColor &ink)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(fPen(ink, 4.5));
    p.drawEllipse(QPointF(20, 20), 12, 12);
    p.setPen(fPen(ink, 7.5));
    p.drawLine(QPointF(29.5, 29.5), QPointF(40, 40));
    p.setPen(fPen(ink, 3.6));
    p.drawLine(QPointF(20, 13.5), QPointF(20, 26.5));
    p.drawLine(QPointF(13.5, 20), QPointF(26.5, 20));
}

void pArtBarrier(QPainter &p, const QColor &ink)
{
    // Two columns with the beams between them.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(5, 6, 9, 36), 2, 2);
    p.drawRoundedRect(QRectF(34, 6, 9, 36), 2, 2);
    p.setPen(QPen(ink, 3, Qt::DashLine, Qt::FlatCap));
    for (qreal y : {14.0, 24.0, 34.0})
        p.drawLine(QPointF(14, y), QPointF(34, y));
}

void pArtCamera(QPainter &p, const QColor &ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.save();
    p.translate(24, 20);
    p.rotate(12);
    p.drawRoundedRect(QRectF(-19, -8, 28, 15), 3, 3);
    p.drawPolygon(QPolygonF({QPointF(9, -5), QPointF(19, -10), QPointF(19, 10), QPointF(9, 5)}));
    p.restore();
    p.setPen(fPen(ink, 4));
    p.drawLine(QPointF(14, 28), QPointF(14, 40));
    p.drawLine(QPointF(7, 41), QPointF(21, 41));
}

void pArtLamp(QPainter &p, const QColor &ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath bulb;
    bulb.addEllipse(QPointF(24, 18), 12, 12);
    bulb.addRect(QRectF(18, 24, 12, 9));
    p.drawPath(bulb.simplified());
    p.drawRoundedRect(QRectF(18, 35, 12, 3), 1, 1);
    p.drawRoundedRect(QRectF(19.5, 40, 9, 3), 1, 1);
    if (!bSmall) {
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(20, 14), 3.5, 3.5);
    }
}

void pArtShutter(QPainter &p, const QColor &ink, bool bUp)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (bSmall)
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(5, 6 + i * 13.5, 21, 8));
    else
        for (int i = 0; i < 5; ++i)
            p.drawRect(QRectF(5, 7 + i * 7.2, 21, 4.6));
    p.setPen(fPen(ink, 4.5));
    if (bUp) {
        p.drawLine(QPointF(36, 42), QPointF(36, 17));
    } else {
        p.drawLine(QPointF(36, 6), QPointF(36, 31));
    }
    p.setPen(Qt::NoPen);
    if (bUp)
        p.drawPolygon(QPolygonF({QPointF(27, 20), QPointF(36, 5), QPointF(45, 20)}));
    else
        p.drawPolygon(QPolygonF({QPointF(27, 28), QPointF(36, 43), QPointF(45, 28)}));
}

void pArtAlarm(QPainter &p, const QColor &ink)
{
    // A siren: dome on its base, with flashes around it.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath dome;
    dome.moveTo(12, 36);
    dome.lineTo(12, 27);
    dome.arcTo(QRectF(12, 15, 24, 24), 180, -180);
    dome.lineTo(36, 36);
    dome.closeSubpath();
    p.drawPath(dome);
    p.drawRoundedRect(QRectF(7, 37, 34, 6), 1.5, 1.5);
    p.setPen(fPen(ink, 3.6));
    p.drawLine(QPointF(24, 3), QPointF(24, 9));
    p.drawLine(QPointF(8, 10), QPointF(12, 14));
    p.drawLine(QPointF(40, 10), QPointF(36, 14));
    p.drawLine(QPointF(2.5, 24), QPointF(7.5, 24));
    p.drawLine(QPointF(40.5, 24), QPointF(45.5, 24));
}

void pArtIrrigation(QPainter &p, const QColor &ink)
{
    // A large drop with two small ones sprayed beside it.
    auto drop = [&p](QPointF tip, qreal r) {
        QPainterPath d;
        const QPointF c(tip.x(), tip.y() + r * 2.3);
        d.moveTo(tip);
        d.cubicTo(QPointF(tip.x() + r * 0.3, tip.y() + r * 0.9), QPointF(c.x() + r, c.y() - r * 0.8),
                  QPointF(c.x() + r, c.y()));
        d.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, -180);
        d.cubicTo(QPointF(c.x() - r, c.y() - r * 0.8), QPointF(tip.x() - r * 0.3, tip.y() + r * 0.9), tip);
        p.drawPath(d);
    };
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    drop(QPointF(20, 8), 11.5);
    drop(QPointF(39, 6), 5);
    drop(QPointF(38, 26), 4.5);
}

const QList<TIconArt> &fIconArts()
{
    static const QList<TIconArt> arts = {
        {'v', QColor(0x15, 0x65, 0xc0), Qt::white, pArtMotion},
        {'c', QColor(0x2e, 0x7d, 0x32), Qt::white, pArtContact},
        {'z', QColor(0x26, 0x32, 0x38), QColor(0xff, 0xd5, 0x4f), pArtZoom},
        {'b', QColor(0xc6, 0x28, 0x28), Qt::white, pArtBarrier},
        {'t', QColor(0x6d, 0x4c, 0x41), Qt::white, pArtCamera},
        {'l', QColor(0xfb, 0xc0, 0x2d), QColor(0x3e, 0x27, 0x23), pArtLamp},
        {'s', QColor(0x00, 0x89, 0x7b), Qt::white, [](QPainter &p, const QColor &c) { pArtShutter(p, c, true); }},
        {'g', QColor(0x6a, 0x1b, 0x9a), Qt::white, [](QPainter &p, const QColor &c) { pArtShutter(p, c, false); }},
        {'a', QColor(0xef, 0x6c, 0x00), Qt::white, pArtAlarm},
        {'i', QColor(0x00, 0xac, 0xc1), Qt::white, pArtIrrigation},
    };
    return arts;
}

QImage fTransparent(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// The icon of a sensor: a rounded badge in the type's colour with the pictogram on it.
QImage fIcon(const TIconArt &art, int iSize)
{
    QImage img = fTransparent(iSize, iSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(iSize / 48.0, iSize / 48.0);
    const qreal edge = iSize <= 16 ? 2.5 : 1.5; // keep the outline a full pixel when small
    QLinearGradient g(0, 0, 0, 48);
    g.setColorAt(0, art.cBadge.lighter(118));
    g.setColorAt(1, art.cBadge.darker(112));
    p.setBrush(g);
    p.setPen(QPen(art.cBadge.darker(160), edge));
    p.drawRoundedRect(QRectF(edge / 2, edge / 2, 48 - edge, 48 - edge), 9, 9);
    const qreal inner = iSize <= 16 ? 0.95 : 0.8;
    p.translate(24, 24);
    p.scale(inner, inner);
    p.translate(-24, -24);
    bSmall = iSize <= 16;
    art.fDraw(p, art.cInk);
    bSmall = false;
    return img;
}

// The 7 x 7 marker of a barrier's second end.
QImage fB2Marker()
{
    QImage img = fTransparent(7, 7);
    QPainter p(&img);
    p.fillRect(0, 0, 7, 7, QColor(0x7f, 0x00, 0x00));
    p.fillRect(1, 1, 5, 5, QColor(0xe5, 0x39, 0x35));
    p.fillRect(2, 2, 3, 3, QColor(0xff, 0xeb, 0xee));
    return img;
}

QImage fBanner(bool bDetail)
{
    QImage img(480, 34, QImage::Format_ARGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor top = bDetail ? QColor(0x43, 0xa0, 0x47) : QColor(0x1e, 0x88, 0xe5);
    const QColor bottom = bDetail ? QColor(0x1b, 0x5e, 0x20) : QColor(0x0d, 0x47, 0xa1);
    QLinearGradient g(0, 0, 0, 34);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(0, 0, 480, 34, g);
    p.fillRect(0, 33, 480, 1, bottom.darker(150));
    p.fillRect(0, 0, 480, 1, top.lighter(140));
    // Emblem at the left: a house for the base level, a magnifier for a detail.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    if (!bDetail) {
        p.drawPolygon(QPolygonF({QPointF(8, 18), QPointF(20, 6), QPointF(32, 18)}));
        p.drawRect(QRectF(11, 17, 18, 11));
        p.setBrush(bottom);
        p.drawRect(QRectF(17.5, 20, 5, 8));
    } else {
        p.setBrush(Qt::NoBrush);
        p.setPen(fPen(Qt::white, 3));
        p.drawEllipse(QPointF(17, 15), 7.5, 7.5);
        p.setPen(fPen(Qt::white, 5));
        p.drawLine(QPointF(23, 21), QPointF(29, 27));
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(42, 0, 430, 34), Qt::AlignVCenter | Qt::AlignLeft,
               bDetail ? QCoreApplication::translate("Ombrix", "DETTAGLIO")
                       : QCoreApplication::translate("Ombrix", "LIVELLO BASE"));
    // A ribbon of steps on the right: one step lit for the base, two for a detail.
    for (int i = 0; i < 3; ++i) {
        const bool bLit = i < (bDetail ? 2 : 1);
        p.setPen(Qt::NoPen);
        p.setBrush(bLit ? QColor(255, 255, 255) : QColor(255, 255, 255, 70));
        p.drawRoundedRect(QRectF(420 + i * 18, 11, 12, 12), 3, 3);
    }
    return img;
}

QImage fBlank()
{
    QImage img(480, 272, QImage::Format_RGB32);
    img.fill(QColor(0xf4, 0xf4, 0xf0));
    return img;
}

const TIconArt &fArt(char cLetter)
{
    for (const TIconArt &a : fIconArts())
        if (a.cLetter == cLetter)
            return a;
    std::abort();
}

// Tool-bar pictures are keyed on their bottom-left pixel: magenta around the picture.
const QColor cKey(0xff, 0x00, 0xff);
const QColor cButtonFace(0xef, 0xef, 0xef);

QImage fToolbarFrom(const QImage &art)
{
    QImage out(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor c = art.pixelColor(x, y);
            if (c.alpha() < 110) {
                out.setPixelColor(x, y, cKey);
            } else {
                const qreal a = c.alphaF();
                out.setPixelColor(x, y,
                                  QColor::fromRgbF(c.redF() * a + cButtonFace.redF() * (1 - a),
                                                   c.greenF() * a + cButtonFace.greenF() * (1 - a),
                                                   c.blueF() * a + cButtonFace.blueF() * (1 - a)));
            }
        }
    }
    out.setPixelColor(0, 31, cKey);
    return out;
}

// A 32-pixel button picture drawn on transparency, then keyed.
QImage fToolbarDrawn(const std::function<void(QPainter &)> &pDraw)
{
    QImage canvas = fTransparent(32, 32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    pDraw(p);
    p.end();
    return fToolbarFrom(canvas);
}

// The small green "add" sign in the bottom-right corner of a 32-pixel button picture.
void pDrawAddSign(QPainter &p)
{
    p.setBrush(QColor(0x2e, 0x7d, 0x32));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawEllipse(QPointF(25, 25), 6.2, 6.2);
    p.setPen(fPen(Qt::white, 2));
    p.drawLine(QPointF(25, 21.5), QPointF(25, 28.5));
    p.drawLine(QPointF(21.5, 25), QPointF(28.5, 25));
}

// A sensor pictogram with the "add" sign in its corner.
QImage fToolbarAdd(const TIconArt &art)
{
    return fToolbarDrawn([&art](QPainter &p) {
        p.drawImage(0, 0, fIcon(art, 28));
        pDrawAddSign(p);
    });
}

// The zoom marker's badge, centred, with room around it like the other buttons.
QImage fToolbarZoom()
{
    return fToolbarDrawn([](QPainter &p) { p.drawImage(2, 2, fIcon(fArt('z'), 28)); });
}

QImage fToolbarNewArea()
{
    return fToolbarDrawn([](QPainter &p) {
        // A floor plan sheet with a folded corner.
        p.setPen(QPen(QColor(0x37, 0x47, 0x4f), 1.5));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(19, 2), QPointF(25, 8), QPointF(25, 29), QPointF(4, 29)}));
        p.setPen(QPen(QColor(0x15, 0x65, 0xc0), 1.5));
        p.drawRect(QRectF(8, 10, 13, 14));
        p.drawLine(QPointF(14, 10), QPointF(14, 17));
        p.drawLine(QPointF(8, 17), QPointF(17, 17));
        pDrawAddSign(p);
    });
}

QImage fToolbarBackground()
{
    return fToolbarDrawn([](QPainter &p) {
        // A framed landscape picture.
        p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 2));
        p.setBrush(QColor(0x90, 0xca, 0xf9));
        p.drawRect(QRectF(2, 5, 28, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xc1, 0x07));
        p.drawEllipse(QPointF(22, 11), 3, 3);
        p.setBrush(QColor(0x38, 0x8e, 0x3c));
        p.drawPolygon(QPolygonF({QPointF(3, 26), QPointF(11, 14), QPointF(17, 22), QPointF(21, 17), QPointF(29, 26)}));
    });
}

QByteArray fEncode(const QImage &img, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!img.save(&buf, format, quality)) {
        std::fprintf(stderr, "mkassets: cannot encode a %s picture\n", format);
        std::exit(1);
    }
    return bytes;
}

// Writes the file only when its contents change.
void pWrite(const QString &sPath, const QByteArray &bytes)
{
    QFile f(sPath);
    if (f.open(QIODevice::ReadOnly) && f.readAll() == bytes)
        return;
    f.close();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "mkassets: cannot write %s\n", qPrintable(sPath));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: mkassets <application root> [ombrix_en.qm]\n");
        return 1;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("grfc")) || !root.mkpath(QStringLiteral("res"))) {
        std::fprintf(stderr, "mkassets: cannot create grfc/ or res/ under %s\n", argv[1]);
        return 1;
    }
    const QString grfc = root.filePath(QStringLiteral("grfc")) + QLatin1Char('/');
    const QString res = root.filePath(QStringLiteral("res")) + QLatin1Char('/');

    for (const TIconArt &art : fIconArts())
        for (int iSize : {16, 32, 48})
            pWrite(grfc + QLatin1Char(art.cLetter) + QString::number(iSize) + QStringLiteral(".png"),
                   fEncode(fIcon(art, iSize), "PNG"));
    pWrite(grfc + QStringLiteral("b2.png"), fEncode(fB2Marker(), "PNG"));
    pWrite(grfc + QStringLiteral("ban1.png"), fEncode(fBanner(false), "PNG"));
    pWrite(grfc + QStringLiteral("ban2.png"), fEncode(fBanner(true), "PNG"));
    QTranslator inglese;
    if (argc == 3 &&
        !(inglese.load(QString::fromLocal8Bit(argv[2])) && QCoreApplication::installTranslator(&inglese))) {
        std::fprintf(stderr, "mkassets: cannot load %s\n", argv[2]);
        return 1;
    }
    pWrite(grfc + QStringLiteral("ban1_en.png"), fEncode(fBanner(false), "PNG"));
    pWrite(grfc + QStringLiteral("ban2_en.png"), fEncode(fBanner(true), "PNG"));
    QCoreApplication::removeTranslator(&inglese);
    pWrite(grfc + QStringLiteral("blank.jpg"), fEncode(fBlank(), "JPG", 95));

    pWrite(res + QStringLiteral("new.bmp"), fEncode(fToolbarNewArea(), "BMP"));
    pWrite(res + QStringLiteral("sfondo.bmp"), fEncode(fToolbarBackground(), "BMP"));
    pWrite(res + QStringLiteral("zoomin.bmp"), fEncode(fToolbarZoom(), "BMP"));
    const struct
    {
        const char *sFile;
        char cLetter;
    } adds[] = {{"vol.bmp", 'v'},   {"cont.bmp", 'c'},   {"bar.bmp", 'b'},   {"tel.bmp", 't'},  {"lamp.bmp", 'l'},
                {"tapsu.bmp", 's'}, {"tapgiu.bmp", 'g'}, {"alarm.bmp", 'a'}, {"irrig.bmp", 'i'}};
    for (const auto &a : adds)
        pWrite(res + QLatin1String(a.sFile), fEncode(fToolbarAdd(fArt(a.cLetter)), "BMP"));
    return 0;
}
