#include "editor/canvascontrols.h"

#include "editor/dragging.h"
#include "editor/frmbase.h"
#include "editor/labels.h"
#include "preview/disegno.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

QPointer<QWidget> pLastPopupControl;

const char *const szMark = "mark";

} // namespace

TCanvasControl::TCanvasControl(TFrmBase &frm, QWidget *pParent) : QLabel(pParent), m_frm(frm)
{
    setCursor(Qt::PointingHandCursor);
}

int TCanvasControl::fMark() const
{
    return property(szMark).toInt();
}

void TCanvasControl::pSetMark(int iMark)
{
    setProperty(szMark, iMark);
}

void TCanvasControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!text().isEmpty())
        pDisegnaEtichetta(p, contentsRect(), text(), font(), palette().color(foregroundRole()));
    else if (!pixmap().isNull())
        pDisegnaIcona(p, contentsRect(), pixmap().toImage());
}

QSize TCanvasControl::sizeHint() const
{
    if (text().isEmpty())
        return QLabel::sizeHint();
    return fDimensioneEtichetta(text(), font()).grownBy(contentsMargins());
}

void TCanvasControl::mousePressEvent(QMouseEvent *pEvent)
{
    m_frm.PnlImgArea->setFocus(Qt::MouseFocusReason);
    if (pEvent->modifiers() & Qt::ControlModifier) {
        m_frm.pCambiaInSelezione(this); // no drag: Ctrl+click only adds or takes out
        pEvent->accept();
        return;
    }
    if (!m_frm.fInSelezione(this))
        m_frm.pSeleziona(this);
    ControlMouseDown(m_frm, pEvent->position().toPoint());
    pEvent->accept();
}

void TCanvasControl::mouseMoveEvent(QMouseEvent *pEvent)
{
    ControlMouseMove(m_frm, this, pEvent->position().toPoint());
    pEvent->accept();
}

void TCanvasControl::mouseReleaseEvent(QMouseEvent *pEvent)
{
    const QPoint pos = pEvent->position().toPoint();
    m_frm.pRunCommand([&] { ControlMouseUp(m_frm, this, pos); });
    pEvent->accept();
}

void TCanvasControl::mouseDoubleClickEvent(QMouseEvent *pEvent)
{
    // The second press of a double click: it starts a drag like any press.
    ControlMouseDown(m_frm, pEvent->position().toPoint());
    if (bZoomNavigation)
        ZoomClick(m_frm, this);
    else if (pPopup == m_frm.popImg)
        ProprietaClick(m_frm, this); // any sensor's icon but a zoom marker's

    pEvent->accept();
}

void TCanvasControl::contextMenuEvent(QContextMenuEvent *pEvent)
{
    if (!pPopup) {
        pEvent->ignore();
        return;
    }
    // The right press that opened the menu gets no release of its own.
    m_frm.fDrag().DragEnabled = false;
    m_frm.pSeleziona(this);
    pLastPopupControl = this;
    pPopup->popup(pEvent->globalPos());
    pEvent->accept();
}

QWidget *fPopupControl()
{
    return pLastPopupControl.data();
}

void pConnectCanvasCommands(TFrmBase &frm)
{
    TFrmBase *pFrm = &frm;
    // Each entry acts on the control its menu was opened on; a control gone meanwhile leaves nothing to do.
    auto fOnPopup = [pFrm](void (*pCommand)(TFrmBase &, QWidget *)) {
        return [pFrm, pCommand] {
            pFrm->pRunCommand([pFrm, pCommand] {
                if (QWidget *pControl = fPopupControl())
                    pCommand(*pFrm, pControl);
            });
        };
    };
    QObject::connect(frm.MnuEliminaSensore, &QAction::triggered, &frm, fOnPopup(&MnuEliminaSensoreClick));
    QObject::connect(frm.MnuAggiungitesto, &QAction::triggered, &frm, fOnPopup(&MnuAggiungitestoClick));
    QObject::connect(frm.PopEliminaLabel, &QAction::triggered, &frm, fOnPopup(&PopEliminaLabelClick));
    QObject::connect(frm.popModTesto, &QAction::triggered, &frm, fOnPopup(&popModTestoClick));
    QObject::connect(frm.PopDuplica, &QAction::triggered, &frm,
                     fOnPopup([](TFrmBase &f, QWidget *p) { f.MnuDuplicaClick(p); }));
    QObject::connect(frm.PopProprieta, &QAction::triggered, &frm,
                     fOnPopup([](TFrmBase &f, QWidget *p) { f.PopProprietaClick(p); }));
    QObject::connect(frm.popDimensioneColore, &QAction::triggered, &frm, fOnPopup(&popDimensioneColoreClick));
}

QWidget *fFindPlaced(QWidget *pPanel, const QString &sName)
{
    return pPanel->findChild<QWidget *>(sName, Qt::FindDirectChildrenOnly);
}

QString fTrimTyped(const QString &sText)
{
    auto bTrimmed = [](QChar c) { return c.unicode() <= 0x20 || c.isSpace() || c.category() == QChar::Other_Control; };
    qsizetype iStart = 0;
    qsizetype iEnd = sText.size();
    while (iStart < iEnd && bTrimmed(sText.at(iStart)))
        ++iStart;
    while (iEnd > iStart && bTrimmed(sText.at(iEnd - 1)))
        --iEnd;
    return sText.mid(iStart, iEnd - iStart);
}
