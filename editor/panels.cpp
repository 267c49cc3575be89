#include "editor/panels.h"

#include <QMouseEvent>

TSplitterBar::TSplitterBar(QWidget *pParent) : QWidget(pParent)
{
    setCursor(Qt::SplitHCursor);
}

void TSplitterBar::mousePressEvent(QMouseEvent *pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return;
    m_bDragging = true;
    m_iGrabOffset = pEvent->position().toPoint().x();
}

void TSplitterBar::mouseMoveEvent(QMouseEvent *pEvent)
{
    if (!m_bDragging || !fProponi)
        return;
    const int iNewLeft = mapToParent(pEvent->position().toPoint()).x() - m_iGrabOffset;
    if (iNewLeft != x())
        fProponi(iNewLeft);
}

void TSplitterBar::mouseReleaseEvent(QMouseEvent *)
{
    m_bDragging = false;
}
