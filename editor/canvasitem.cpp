#include "editor/canvasitem.h"

#include "editor/canvas.h"
#include "editor/canvastool.h"
#include "model/labelfont.h"
#include "model/sensore.h"
#include "preview/disegno.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

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
    const QString sNome = fNomeControllo(s, m_chiave.eParte);
    setObjectName(sNome);
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
    p.scale(m_vista.fScala(), m_vista.fScala());
    p.setRenderHint(QPainter::SmoothPixmapTransform, !m_vista.fIntera());
    const QRect rc(QPoint(0, 0), m_rc.size());
    if (m_chiave.eParte == TParte::Testo)
        pDisegnaEtichetta(p, rc, text(), font(), palette().color(foregroundRole()));
    else
        pDisegnaIcona(p, rc, m_img);
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
