#include "editor/canvaslayers.h"

#include "preview/disegno.h"
#include "workspace/errors.h"
#include "workspace/pannello.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>

namespace {

// a picture whose decoder cannot clip is refused beyond this many bytes decoded
constexpr qint64 iMaxDecodedBytes = qint64(1) << 30;

/** Refuses an existing path that is not a plain file (a FIFO, a folder, a device), before anything opens it. */
void pRequireRegularFile(const QString &sPath)
{
    // a FIFO would block the decoder, a folder or a device is no picture: only plain files are opened
    const QFileInfo info(sPath);
    if (info.exists() && !info.isFile())
        throw TOmbrixError(sPath + QCoreApplication::translate("Ombrix", ": non è un file normale"));
}

/** A painter at the zoom: panel pixels in, screen pixels out; pictures blur only between whole steps. */
void pScala(QPainter &p, const TVista &vista)
{
    p.scale(vista.fScala(), vista.fScala());
    p.setRenderHint(QPainter::SmoothPixmapTransform, !vista.fIntera());
}

} // namespace

QPixmap fReadPicture(const QString &sPath)
{
    pRequireRegularFile(sPath);
    QImageReader reader(sPath);
    // the canvas shows only its top-left 480 x 272, so only that part is decoded
    const QSize size = reader.size();
    const QRect visible = QRect(0, 0, iLarghezzaPannello, iAltezzaPannello).intersected(QRect(QPoint(0, 0), size));
    if (size.isValid() && reader.supportsOption(QImageIOHandler::ClipRect))
        reader.setClipRect(visible);
    else if (size.isValid() && qint64(size.width()) * size.height() * 4 > iMaxDecodedBytes)
        throw TOmbrixError(sPath + QCoreApplication::translate("Ombrix", ": immagine troppo grande (%1 x %2)")
                                       .arg(size.width())
                                       .arg(size.height()));
    QImage img = reader.read();
    if (img.isNull()) {
        QString sSize;
        if (size.isValid())
            sSize = QStringLiteral(" (%1 x %2)").arg(size.width()).arg(size.height());
        throw TOmbrixError(sPath + QStringLiteral(": ") + reader.errorString() + sSize);
    }
    if (size.isValid() && img.size() != visible.size())
        img = img.copy(visible); // a decoder that ignored the clip
    return QPixmap::fromImage(img);
}

QPixmap fReadIcon(const QString &sPath)
{
    struct TIcona
    {
        qint64 iSize = -1;
        QDateTime changed;
        QPixmap pix;
    };
    static QHash<QString, TIcona> aIcone;
    const QFileInfo info(sPath);
    TIcona &icona = aIcone[sPath];
    if (!info.isFile() || icona.iSize != info.size() || icona.changed != info.metadataChangeTime() ||
        icona.pix.isNull()) {
        icona = TIcona();
        icona.pix = fReadPicture(sPath); // a missing or broken file fails here, every time
        icona.iSize = info.size();
        icona.changed = info.metadataChangeTime();
    }
    return icona.pix;
}

// --- the picture layers ----------------------------------------------------------

TLivelloImmagine::TLivelloImmagine(QWidget *pParent) : QLabel(pParent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLivelloImmagine::pSetVista(const TVista &vista)
{
    m_vista = vista;
    update();
}

void TLivelloImmagine::paintEvent(QPaintEvent *pEvent)
{
    if (pixmap().isNull())
        return;
    // only the part of the picture that is exposed is scaled, not the whole page at every paint
    const double dScala = m_vista.fScala();
    const QRectF sorgente = QRectF(QRectF(pEvent->rect()).topLeft() / dScala, QRectF(pEvent->rect()).size() / dScala)
                                .intersected(QRectF(QPointF(0, 0), pixmap().size()));
    if (sorgente.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, !m_vista.fIntera());
    const QRectF destinazione(sorgente.topLeft() * dScala, sorgente.size() * dScala);
    p.drawPixmap(destinazione, pixmap(), sorgente);
}

// --- the grid ----------------------------------------------------------------------

TLivelloGriglia::TLivelloGriglia(QWidget *pParent) : QWidget(pParent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TLivelloGriglia::pSetVista(const TVista &vista)
{
    m_vista = vista;
    update();
}

void TLivelloGriglia::pSetPasso(int iPasso)
{
    if (iPasso == m_iPasso)
        return;
    m_iPasso = iPasso;
    update();
}

void TLivelloGriglia::paintEvent(QPaintEvent *)
{
    if (m_iPasso <= 0)
        return;
    QPainter p(this);
    // faint on any background: a light line with a dark one beside it, both mostly transparent
    p.setPen(QPen(QColor(0, 0, 0, 36), 1));
    for (int x = m_iPasso; x < iLarghezzaPannello; x += m_iPasso)
        p.drawLine(m_vista.fSchermo(x), 0, m_vista.fSchermo(x), height());
    for (int y = m_iPasso; y < iAltezzaPannello; y += m_iPasso)
        p.drawLine(0, m_vista.fSchermo(y), width(), m_vista.fSchermo(y));
    p.setPen(QPen(QColor(255, 255, 255, 32), 1));
    for (int x = m_iPasso; x < iLarghezzaPannello; x += m_iPasso)
        p.drawLine(m_vista.fSchermo(x) + 1, 0, m_vista.fSchermo(x) + 1, height());
    for (int y = m_iPasso; y < iAltezzaPannello; y += m_iPasso)
        p.drawLine(0, m_vista.fSchermo(y) + 1, width(), m_vista.fSchermo(y) + 1);
}

// --- the overlay -------------------------------------------------------------------

TCanvasOverlay::TCanvasOverlay(QWidget *pParent) : QWidget(pParent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TCanvasOverlay::pSetVista(const TVista &vista)
{
    m_vista = vista;
    update();
}

void TCanvasOverlay::pSetLines(const QList<QLine> &aLines)
{
    m_aLines = aLines;
    update();
}

void TCanvasOverlay::pSetCornice(const QRect &rc)
{
    if (rc == m_rcCornice)
        return;
    m_rcCornice = rc;
    update();
}

void TCanvasOverlay::pSetAltreCornici(const QList<QRect> &aRect)
{
    if (aRect == m_aAltreCornici)
        return;
    m_aAltreCornici = aRect;
    update();
}

void TCanvasOverlay::pSetBanda(const QRect &rc)
{
    if (rc == m_rcBanda)
        return;
    m_rcBanda = rc;
    update();
}

void TCanvasOverlay::pSetGuide(const QList<QLine> &aGuide)
{
    if (aGuide == m_aGuide)
        return;
    m_aGuide = aGuide;
    update();
}

void TCanvasOverlay::pSetNumeri(const QList<TNumeroMostrato> &aNumeri)
{
    if (aNumeri == m_aNumeri)
        return;
    m_aNumeri = aNumeri;
    update();
}

void TCanvasOverlay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    pScala(p, m_vista);
    if (!m_aGuide.isEmpty()) {
        p.setPen(QPen(QColor(230, 0, 200), 0));
        for (const QLine &linea : m_aGuide)
            p.drawLine(linea);
    }
    QList<QRect> aCornici = m_aAltreCornici;
    if (!m_rcCornice.isEmpty())
        aCornici << m_rcCornice;
    for (const QRect &rc : aCornici) {
        // two pixels outside the item, dark then light, visible on any background
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::SolidLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rc.adjusted(-2, -2, 1, 1));
        p.setPen(QPen(QColor(255, 160, 0), 1, Qt::SolidLine));
        p.drawRect(rc.adjusted(-1, -1, 0, 0));
    }
    if (!m_rcBanda.isEmpty()) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DashLine));
        p.setBrush(QColor(255, 160, 0, 40));
        p.drawRect(m_rcBanda.adjusted(0, 0, -1, -1));
    }
    pDisegnaLineeBarriera(p, m_aLines);
    p.resetTransform();
    // the badges at the screen's own size, so that they stay readable at any zoom
    if (!m_aNumeri.isEmpty()) {
        QFont font = this->font();
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        const QFontMetrics fm(font);
        for (const TNumeroMostrato &n : m_aNumeri) {
            const QString sNumero = QString::number(n.iNumero);
            const QRect rcIcona = m_vista.fSchermo(n.rcIcona);
            QRect rc(0, 0, fm.horizontalAdvance(sNumero) + 4, fm.height());
            rc.moveTopRight(rcIcona.topRight() + QPoint(2, -2));
            // a white rim keeps a badge apart from any background
            p.setPen(QPen(QColor(255, 255, 255, 220), 1));
            p.setBrush(n.bDoppio ? QColor(220, 0, 0) : QColor(40, 40, 40, 220));
            p.drawRoundedRect(rc, 3, 3);
            p.setPen(Qt::white);
            p.drawText(rc, Qt::AlignCenter, sNumero);
        }
    }
}
