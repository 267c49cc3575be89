#include "editor/dragging.h"

#include "document/projectdocument.h"
#include "editor/canvascontrols.h"
#include "editor/frmbase.h"
#include "model/catalogo.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace {

const int iCanvasWidth = 480;
const int iCanvasHeight = 272;

bool bDragCursor = false; // the size-all pointer is shown for the drag in progress

void pRestoreCursor()
{
    if (bDragCursor) {
        QApplication::restoreOverrideCursor();
        bDragCursor = false;
    }
}

bool fIsLabel(const QWidget *pControl)
{
    return pControl->objectName().startsWith(QStringLiteral("Testo_"));
}

} // namespace

QPoint fLimitedPos(const QPoint &topLeft, const QSize &size, int iDx, int iDy)
{
    const int iXLimit = iCanvasWidth - size.width();
    const int iYLimit = iCanvasHeight - size.height();
    int iLeft = topLeft.x() + iDx;
    if (iLeft < 0)
        iLeft = 0;
    if (iLeft > iXLimit)
        iLeft = iXLimit;
    int iTop = topLeft.y() + iDy;
    if (iTop < 0)
        iTop = 0;
    if (iTop > iYLimit)
        iTop = iYLimit;
    return {iLeft, iTop};
}

void ControlMouseDown(TFrmBase &frm, const QPoint &pos)
{
    TDragState &drag = frm.fDrag();
    drag.DragEnabled = true;
    drag.MouseDownPos = pos;
    drag.bMosso = false;
    drag.bGlobMouseDown = true;
}

void ControlMouseMove(TFrmBase &frm, TCanvasControl *pControl, const QPoint &pos)
{
    TDragState &drag = frm.fDrag();
    if (!drag.DragEnabled)
        return;
    drag.bMosso = true;
    if (!bDragCursor) {
        QApplication::setOverrideCursor(Qt::SizeAllCursor);
        bDragCursor = true;
    }
    if (frm.fSelezioneMultipla() && frm.fInSelezione(pControl)) {
        // the whole selection follows; barrier lines go while any end of one moves
        if (drag.bGlobMouseDown) {
            for (const QWidget *p : frm.fControlliSelezionati())
                if (p->objectName().startsWith(QStringLiteral("Barriera_")))
                    frm.pWipeBlines();
            drag.bGlobMouseDown = false;
        }
        frm.pSpostaControlliSelezionati(pos.x() - drag.MouseDownPos.x(), pos.y() - drag.MouseDownPos.y());
        frm.pSeguiTrascinamento(pControl);
        return;
    }
    if (pControl->objectName().startsWith(QStringLiteral("Barriera_")) && drag.bGlobMouseDown) {
        frm.pWipeBlines();
        drag.bGlobMouseDown = false;
    }
    pControl->move(fLimitedPos(pControl->pos(), pControl->size(), pos.x() - drag.MouseDownPos.x(),
                               pos.y() - drag.MouseDownPos.y()));
    frm.pSeguiTrascinamento(pControl);
}

void ControlMouseUp(TFrmBase &frm, TCanvasControl *pControl, const QPoint &pos)
{
    TDragState &drag = frm.fDrag();
    if (!drag.DragEnabled)
        return;
    pRestoreCursor();
    pControl->releaseMouse();
    drag.DragEnabled = false;

    if (frm.fSelezioneMultipla() && frm.fInSelezione(pControl) && !drag.bMosso) {
        frm.pSeleziona(pControl); // a click that moved nothing picks this item out of the selection
        return;
    }
    if (frm.fSelezioneMultipla() && frm.fInSelezione(pControl)) {
        // the controls show the positions that are stored; one drag is one step
        frm.pSpostaControlliSelezionati(pos.x() - drag.MouseDownPos.x(), pos.y() - drag.MouseDownPos.y());
        frm.fDocument().pSpostaElementi(frm.fElementiSelezionati(), TFrmBase::tr("spostamento"), false);
        frm.pRepaintAll();
        return;
    }

    const QPoint final = fLimitedPos(pControl->pos(), pControl->size(), pos.x() - drag.MouseDownPos.x(),
                                     pos.y() - drag.MouseDownPos.y());
    // The control shows the position that is stored, even when the release lands off the last move.
    pControl->move(final);
    const qint64 iId = fName2Id(pControl->objectName()).toLongLong();
    if (fIsLabel(pControl))
        frm.fDocument().pSpostaTesto(iId, final, pControl->text());
    else
        frm.fDocument().pSpostaOggetto(iId, pControl->fMark(), final);
    frm.pRepaintAll();
}

void MnuEliminaSensoreClick(TFrmBase &frm, QWidget *pIcon)
{
    frm.fDocument().pEliminaOggetto(fName2Id(pIcon->objectName()).toLongLong());
}

void ZoomClick(TFrmBase &frm, QWidget *pMarker)
{
    const QString sName = pMarker->objectName();
    TFrmBase *pFrm = &frm;
    QMetaObject::invokeMethod(
        &frm, [pFrm, sName] { KillControl(*pFrm, sName); }, Qt::QueuedConnection);
}

void ProprietaClick(TFrmBase &frm, QWidget *pIcon)
{
    TFrmBase *pFrm = &frm;
    QPointer<QWidget> pControl(pIcon);
    QMetaObject::invokeMethod(
        &frm,
        [pFrm, pControl] {
            pFrm->fDrag().DragEnabled = false; // the second press started a drag: its release does nothing
            pRestoreCursor();
            pFrm->pRunCommand([pFrm, pControl] {
                if (pControl)
                    pFrm->PopProprietaClick(pControl);
            });
        },
        Qt::QueuedConnection);
}

void KillControl(TFrmBase &frm, const QString &sMarkerName)
{
    frm.fDrag().DragEnabled = false;
    pRestoreCursor();
    frm.pRunCommand([&] { frm.pSelectNodeById(fName2Area(sMarkerName)); });
}
