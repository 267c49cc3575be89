#include "editor/canvasitem.h"

#include "editor/canvas.h"
#include "editor/canvastool.h"
#include "model/labelfont.h"
#include "model/sensore.h"
#include "preview/disegno.h"

#include <QCache>
#include <QContextMenuEvent>
#include <QGlyphRun>
#include <QMouseEvent>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

namespace {

/**
 * Draws a label's text on img at dScala times the panel's size, laid out as pDisegnaEtichetta lays it out in
 * rcPannello (left-aligned, centred vertically, on one line), each glyph rasterised by the font engine at the
 * zoomed size: sharp, and much faster than filling the outlines a painter uses for large text.
 */
void pDisegnaTestoIngrandito(QImage &img, const QRect &rcPannello, const QString &sTesto, const QFont &font,
                             const QColor &colore, double dScala)
{
    QTextLayout layout(sTesto, font);
    layout.beginLayout();
    QTextLine riga = layout.createLine();
    riga.setLineWidth(1 << 20);
    layout.endLayout();
    if (!riga.isValid())
        return;
    const QPointF origine(rcPannello.left(), rcPannello.top() + (rcPannello.height() - riga.height()) / 2);
    const qreal dDpr = img.devicePixelRatio();
    const qreal dFattore = dScala * dDpr; // panel pixels to the image's own pixels
    const QRgb rgb = qPremultiply(colore.rgba());
    for (const QGlyphRun &run : layout.glyphRuns()) {
        QRawFont font = run.rawFont();
        font.setPixelSize(font.pixelSize() * dFattore);
        const QList<quint32> aGlifi = run.glyphIndexes();
        const QList<QPointF> aPos = run.positions();
        for (qsizetype i = 0; i < aGlifi.size(); ++i) {
            QImage alfa = font.alphaMapForGlyph(aGlifi.at(i), QRawFont::PixelAntialiasing);
            if (alfa.isNull())
                continue;
            if (alfa.format() != QImage::Format_Alpha8) // an engine giving grey levels: they are the opacities
                alfa = alfa.convertToFormat(QImage::Format_Grayscale8);
            const QPointF angolo = (origine + aPos.at(i)) * dFattore + font.boundingRect(aGlifi.at(i)).topLeft();
            const QPoint a(qRound(angolo.x()), qRound(angolo.y()));
            for (int y = 0; y < alfa.height(); ++y) {
                if (a.y() + y < 0 || a.y() + y >= img.height())
                    continue;
                auto *pRiga = reinterpret_cast<QRgb *>(img.scanLine(a.y() + y));
                const uchar *pAlfa = alfa.constScanLine(y);
                for (int x = 0; x < alfa.width(); ++x) {
                    const int iX = a.x() + x;
                    const int iAlfa = pAlfa[x];
                    if (iX < 0 || iX >= img.width() || iAlfa == 0)
                        continue;
                    // the glyph's colour over what is there, both premultiplied
                    const QRgb sopra = qRgba(qRed(rgb) * iAlfa / 255, qGreen(rgb) * iAlfa / 255,
                                             qBlue(rgb) * iAlfa / 255, qAlpha(rgb) * iAlfa / 255);
                    const QRgb sotto = pRiga[iX];
                    const int iResto = 255 - qAlpha(sopra);
                    pRiga[iX] =
                        qRgba(qRed(sopra) + qRed(sotto) * iResto / 255, qGreen(sopra) + qGreen(sotto) * iResto / 255,
                              qBlue(sopra) + qBlue(sotto) * iResto / 255, qAlpha(sopra) + qAlpha(sotto) * iResto / 255);
                }
            }
        }
    }
}

} // namespace

TCanvasItem::TCanvasItem(TAreaCanvas &canvas, const TChiave &chiave)
    : QLabel(&canvas), m_canvas(canvas), m_chiave(chiave), m_vista(canvas.fVista())
{
    setCursor(Qt::PointingHandCursor);
    if (chiave.eParte == TParte::Testo) {
        setTextFormat(Qt::PlainText);
        setAutoFillBackground(false);
        setAttribute(Qt::WA_TranslucentBackground);
    }
}

void TCanvasItem::pAggiorna(const TSensore &s, const QPixmap &picture)
{
    m_iTipo = s.Get_tiposensore();
    m_iNumero = m_iTipo == 3 ? s.Get_area_zoom() : s.Get_numsensore();
    setObjectName(fNomeControllo(s, m_chiave.eParte));
    const QString sSuggerimento = fSuggerimento(s, m_chiave.eParte);
    setToolTip(sSuggerimento);
    setAccessibleDescription(sSuggerimento);
    setAccessibleName(fNomeAccessibile(s, m_chiave.eParte));
    if (m_chiave.eParte == TParte::Testo) {
        setText(s.Get_testo());
        setFont(fLabelFont(s.Get_fonttxt()));
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, fColoreEtichetta(s.Get_colortxt()));
        setPalette(palette);
    } else if (pixmap().cacheKey() != picture.cacheKey()) {
        setPixmap(picture);
        m_img = picture.toImage();
    }
    m_rc = fRettangoloPannello(s, m_chiave.eParte);
    pPosiziona();
    update();
}

bool TCanvasItem::fStessoTipoENumero(const TSensore &s) const
{
    return m_iTipo == s.Get_tiposensore() && m_iNumero == (m_iTipo == 3 ? s.Get_area_zoom() : s.Get_numsensore());
}

void TCanvasItem::pSetPosizione(const QPoint &pos)
{
    m_rc.moveTopLeft(pos);
    pPosiziona();
}

void TCanvasItem::pSetVista(const TVista &vista)
{
    m_vista = vista;
    pPosiziona();
}

void TCanvasItem::pPosiziona()
{
    setGeometry(m_vista.fSchermo(m_rc));
}

void TCanvasItem::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect rc(QPoint(0, 0), m_rc.size());
    if (m_chiave.eParte == TParte::Testo && m_vista.fPercento() != 100) {
        p.drawImage(QPoint(0, 0), fEtichettaIngrandita(rc.size(), devicePixelRatioF()));
        return;
    }
    p.scale(m_vista.fScala(), m_vista.fScala());
    p.setRenderHint(QPainter::SmoothPixmapTransform, !m_vista.fIntera());
    if (m_chiave.eParte == TParte::Testo)
        pDisegnaEtichetta(p, rc, text(), font(), palette().color(foregroundRole()));
    else
        pDisegnaIcona(p, rc, m_img);
}

QImage TCanvasItem::fEtichettaIngrandita(const QSize &pannello, qreal dDpr) const
{
    // Text drawn large goes through outlines, which is slow with hundreds of labels in sight: each label is
    // drawn once at its zoomed size, and kept while it looks the same.
    static QCache<QString, QImage> aCache(64 << 20);
    const QColor colore = palette().color(foregroundRole());
    const QString sChiave = QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(text(), font().toString())
                                .arg(colore.rgba())
                                .arg(m_vista.fPercento())
                                .arg(dDpr);
    if (const QImage *pImg = aCache.object(sChiave))
        return *pImg;
    const QSize schermo = m_vista.fSchermo(pannello);
    QImage img(schermo * dDpr, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dDpr);
    img.fill(Qt::transparent);
    pDisegnaTestoIngrandito(img, QRect(QPoint(0, 0), pannello), text(), font(), colore, m_vista.fScala());
    aCache.insert(sChiave, new QImage(img), int(img.sizeInBytes()));
    return img;
}

bool TCanvasItem::event(QEvent *pEvent)
{
    ++m_iInEvento;
    const bool bPreso = QLabel::event(pEvent);
    --m_iInEvento;
    return bPreso;
}

void TCanvasItem::mousePressEvent(QMouseEvent *pEvent)
{
    if (m_canvas.fStrumento() &&
        m_canvas.fStrumento()->fPremuto(this, pEvent, mapToParent(pEvent->position().toPoint())))
        pEvent->accept();
    else
        pEvent->ignore();
}

void TCanvasItem::mouseMoveEvent(QMouseEvent *pEvent)
{
    if (m_canvas.fStrumento() && m_canvas.fStrumento()->fMosso(this, pEvent, mapToParent(pEvent->position().toPoint())))
        pEvent->accept();
    else
        pEvent->ignore();
}

void TCanvasItem::mouseReleaseEvent(QMouseEvent *pEvent)
{
    if (m_canvas.fStrumento() &&
        m_canvas.fStrumento()->fRilasciato(this, pEvent, mapToParent(pEvent->position().toPoint())))
        pEvent->accept();
    else
        pEvent->ignore();
}

void TCanvasItem::mouseDoubleClickEvent(QMouseEvent *pEvent)
{
    if (m_canvas.fStrumento() &&
        m_canvas.fStrumento()->fDoppioClic(this, pEvent, mapToParent(pEvent->position().toPoint())))
        pEvent->accept();
    else
        pEvent->ignore();
}

void TCanvasItem::contextMenuEvent(QContextMenuEvent *pEvent)
{
    if (m_canvas.fStrumento() && m_canvas.fStrumento()->fMenu(this, pEvent->globalPos()))
        pEvent->accept();
    else
        pEvent->ignore();
}
