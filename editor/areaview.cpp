#include "editor/areaview.h"

#include "editor/bezel.h"
#include "editor/canvas.h"
#include "editor/statusbar.h"
#include "workspace/pannello.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int iStatusHeight = 19;
constexpr int iScatto = 120; // one notch of a mouse wheel, in eighths of a degree

} // namespace

/** The panel's bezel (Image1) around the page at its zoom, drawn where it is exposed. */
class TCornice final : public QWidget
{
public:
    explicit TCornice(QWidget *pParent) : QWidget(pParent)
    {
        setObjectName(QStringLiteral("Image1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void pSetApertura(const QSize &apertura)
    {
        m_apertura = apertura;
        resize(fBezelSize(apertura));
        update();
    }

protected:
    void paintEvent(QPaintEvent *pEvent) override
    {
        QPainter p(this);
        p.setClipRect(pEvent->rect());
        pDisegnaCornice(p, m_apertura);
    }

private:
    QSize m_apertura;
};

/**
 * What the scroll area scrolls: the bezel (Image1) and the canvas in its
 * opening. At least as large as the bezel; in a larger view the canvas goes
 * where the panel's centring puts it, as far as the bezel stays in sight.
 */
class TPalco final : public QWidget
{
public:
    TPalco(TAreaCanvas &canvas, QWidget *pParent) : QWidget(pParent), m_canvas(canvas)
    {
        m_pCornice = new TCornice(this);
        canvas.setParent(this);
        m_pCornice->lower();
    }

    /** The bezel drawn again around the canvas at its zoom. */
    void pAggiornaCornice()
    {
        m_pCornice->pSetApertura(m_canvas.size());
        setMinimumSize(m_pCornice->size());
        pDisponi();
    }

    /** The canvas centred in the panel, status bar included (C++ division truncates toward zero, as the centring
     *  rule wants), then the bezel kept inside the view. */
    void pDisponi()
    {
        const QSize cornice = m_pCornice->size();
        const int iX = width() / 2 - m_canvas.width() / 2 - iBezelOpeningX;
        const int iY = (height() + iStatusHeight) / 2 - m_canvas.height() / 2 - iBezelOpeningY;
        const QPoint pos(std::clamp(iX, 0, std::max(0, width() - cornice.width())),
                         std::clamp(iY, 0, std::max(0, height() - cornice.height())));
        m_pCornice->move(pos);
        m_canvas.move(pos + QPoint(iBezelOpeningX, iBezelOpeningY));
    }

protected:
    void resizeEvent(QResizeEvent *) override { pDisponi(); }

private:
    TAreaCanvas &m_canvas;
    TCornice *m_pCornice = nullptr;
};

TVistaArea::TVistaArea(const TContesto &ctx, QWidget *pParent) : QWidget(pParent)
{
    setObjectName(QStringLiteral("PanelDx"));
    setAutoFillBackground(true);
    QPalette palDx = palette();
    palDx.setColor(QPalette::Window, Qt::white);
    setPalette(palDx);

    m_pScroll = new QScrollArea(this);
    m_pScroll->setObjectName(QStringLiteral("ScrArea"));
    m_pScroll->setFrameShape(QFrame::NoFrame);
    m_pScroll->setWidgetResizable(true);
    m_pScroll->setAccessibleName(tr("Pagina dell'area"));
    m_pCanvas = new TAreaCanvas(ctx.doc, ctx.sel, ctx.cmd, this);
    m_pPalco = new TPalco(*m_pCanvas, m_pScroll);
    m_pPalco->setAutoFillBackground(true);
    m_pPalco->setPalette(palDx);
    m_pScroll->setWidget(m_pPalco);
    m_pScroll->viewport()->installEventFilter(this);
    m_pPalco->pAggiornaCornice();
    m_pBarra = new TBarraStato(ctx.doc, ctx.sel, *m_pCanvas, this);

    connect(m_pCanvas, &TAreaCanvas::sigInVista, this, [this](const QRect &rc) {
        const QRect rcPalco = rc.translated(m_pCanvas->pos());
        m_pScroll->ensureVisible(rcPalco.center().x(), rcPalco.center().y(), rc.width() / 2 + 20, rc.height() / 2 + 20);
    });
}

void TVistaArea::resizeEvent(QResizeEvent *)
{
    m_pScroll->setGeometry(0, 0, width(), std::max(0, height() - iStatusHeight));
    m_pBarra->setGeometry(0, height() - iStatusHeight, width(), iStatusHeight);
}

int TVistaArea::fZoom() const
{
    return m_pCanvas->fVista().fPercento();
}

void TVistaArea::pSetZoom(int iPercento, const QPoint &ancora)
{
    QWidget *pViewport = m_pScroll->viewport();
    const QPoint punto = pViewport->rect().contains(ancora) ? ancora : pViewport->rect().center();
    // the panel point under the anchor, before
    const QPointF pannello = m_pCanvas->fVista().fPannelloF(m_pCanvas->mapFrom(pViewport, punto));
    m_pCanvas->pSetZoom(iPercento);
    m_pPalco->pAggiornaCornice();
    // the scroll area takes the new size now, not at its next layout
    QEvent evLayout(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_pScroll, &evLayout);
    // and the same panel point under the anchor, after
    const QPointF dopo = QPointF(m_pCanvas->pos()) + pannello * m_pCanvas->fVista().fScala();
    m_pScroll->horizontalScrollBar()->setValue(qRound(dopo.x() - punto.x()));
    m_pScroll->verticalScrollBar()->setValue(qRound(dopo.y() - punto.y()));
    emit sigZoom(fZoom());
}

void TVistaArea::pIngrandisci()
{
    pSetZoom(TVista::fPassoSuccessivo(fZoom()));
}

void TVistaArea::pRiduci()
{
    pSetZoom(TVista::fPassoPrecedente(fZoom()));
}

void TVistaArea::pAdattaAllaFinestra()
{
    const QSize margini = fBezelSize(QSize(0, 0));
    pSetZoom(TVista::fPassoCheEntra(m_pScroll->maximumViewportSize(), margini));
}

bool TVistaArea::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    // Ctrl+wheel zooms around the pointer, wherever on the page it is
    if (pWatched == m_pScroll->viewport() && pEvent->type() == QEvent::Wheel) {
        auto *pWheel = static_cast<QWheelEvent *>(pEvent);
        if (pWheel->modifiers() & Qt::ControlModifier) {
            // one step per notch: a touchpad's small deltas add up to a notch first
            m_iRotella += pWheel->angleDelta().y();
            if (std::abs(m_iRotella) >= iScatto) {
                const bool bAvanti = m_iRotella > 0;
                m_iRotella = 0;
                pSetZoom(bAvanti ? TVista::fPassoSuccessivo(fZoom()) : TVista::fPassoPrecedente(fZoom()),
                         pWheel->position().toPoint());
            }
            return true;
        }
        m_iRotella = 0;
    }
    return QWidget::eventFilter(pWatched, pEvent);
}
