// The area tree: filling it from tbarea, the selection operations, the change
// of selection (which shows the area), the colours by level, the pop-up menu,
// rename and the "Aggiungi Livello base" button.

#include "editor/frmbase.h"

#include "document/projectdocument.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <utility>

namespace {

int fLevelOf(const QTreeWidgetItem *pNode)
{
    int iLevel = 0;
    for (const QTreeWidgetItem *p = pNode->parent(); p; p = p->parent())
        ++iLevel;
    return iLevel;
}

qint64 fIdOf(const QTreeWidgetItem *pNode)
{
    return pNode->data(0, Qt::UserRole).toLongLong();
}

/** Text colour of a node by its level: midnight blue, medium blue, then royal blue. */
QColor fLevelColour(int iLevel)
{
    if (iLevel == 0)
        return QColor(0x19, 0x19, 0x70);
    if (iLevel == 1)
        return QColor(0x00, 0x00, 0xcd);
    return QColor(0x41, 0x69, 0xe1);
}

/** Position of a node among its siblings, counted from 0. */
int fSiblingIndex(const QTreeWidgetItem *pNode)
{
    if (QTreeWidgetItem *pParent = pNode->parent())
        return pParent->indexOfChild(const_cast<QTreeWidgetItem *>(pNode));
    return pNode->treeWidget()->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(pNode));
}

} // namespace

void TFrmBase::pPopolaTreeViewNew()
{
    {
        const QSignalBlocker blocker(TvAree); // emptying the tree shows no area
        TvAree->clear();
    }
    // every id the area list can hold finds its node; a row whose parent has no node goes to the top level
    QHash<qint64, QTreeWidgetItem *> aNodes;
    for (const TAreaRow &row : m_pDoc->fAreeInOrdineAlbero()) {
        QTreeWidgetItem *pParent = row.iFatherId == 0 ? nullptr : aNodes.value(row.iFatherId, nullptr);
        QTreeWidgetItem *pNode = pParent ? new QTreeWidgetItem(pParent) : new QTreeWidgetItem(TvAree);
        pNode->setText(0, row.sNome);
        pNode->setData(0, Qt::UserRole, row.iId);
        pNode->setForeground(0, fLevelColour(fLevelOf(pNode)));
        aNodes.insert(row.iId, pNode);
    }
    TvAree->expandAll();
    pSegnaAreaMostrata(m_pDoc->fAreaMostrata());
}

void TFrmBase::pSegnaAreaMostrata(qint64 iId)
{
    const QSignalBlocker blocker(TvAree); // the tree follows the document here; it shows nothing itself
    QTreeWidgetItem *pShown = nullptr;
    for (QTreeWidgetItemIterator it(TvAree); *it && iId != 0; ++it)
        if (fIdOf(*it) == iId)
            pShown = *it;
    if (pShown) {
        TvAree->setCurrentItem(pShown);
        pShown->setSelected(true);
    } else {
        TvAree->clearSelection();
        TvAree->setCurrentItem(nullptr);
        TvAree->selectionModel()->clearCurrentIndex();
    }
    BtnZoomIn->setEnabled(m_pDoc->fAperto() && pShown && fLevelOf(pShown) == 0);
}

void TFrmBase::pClearTree()
{
    const QSignalBlocker blocker(TvAree);
    TvAree->clear();
    pWipeBlines();
}

QTreeWidgetItem *TFrmBase::fSelectedNode() const
{
    // the current node is the selected one: every change of it shows its area
    return TvAree->currentItem();
}

qint64 TFrmBase::fSelectedAreaId() const
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    return pNode ? fIdOf(pNode) : 0;
}

int TFrmBase::fSelectedLevel() const
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    return pNode ? fLevelOf(pNode) : -1;
}

void TFrmBase::pSelectNode(QTreeWidgetItem *pNode)
{
    if (!pNode)
        return;
    m_pDoc->pMostraArea(fIdOf(pNode)); // the tree follows the document's signal
}

void TFrmBase::pSelectFirstNode()
{
    pSelectNode(TvAree->topLevelItem(0));
}

void TFrmBase::pSelectNodeByName(const QString &sName)
{
    for (QTreeWidgetItemIterator it(TvAree); *it; ++it)
        if ((*it)->text(0) == sName)
            return pSelectNode(*it);
}

void TFrmBase::pSelectNodeById(const QString &sId)
{
    bool bOk = false;
    const qint64 iId = sId.toLongLong(&bOk);
    if (!bOk)
        return;
    for (QTreeWidgetItemIterator it(TvAree); *it; ++it)
        if (fIdOf(*it) == iId)
            return pSelectNode(*it);
}

void TFrmBase::pSelectNodeByLevel_Index(int iLevel, int iIndex)
{
    for (QTreeWidgetItemIterator it(TvAree); *it; ++it)
        if (fLevelOf(*it) == iLevel && fSiblingIndex(*it) == iIndex)
            return pSelectNode(*it);
}

void TFrmBase::pKeepCurrentSelected()
{
    // the current node is the shown area: a node made current without a selection (the tree taking the focus)
    // is highlighted as selected too, and a click that only deselects (empty space, Ctrl) leaves it selected
    if (QTreeWidgetItem *pNode = TvAree->currentItem(); pNode && !pNode->isSelected())
        pNode->setSelected(true);
}

void TFrmBase::pOnCurrentNodeChanged(QTreeWidgetItem *pNode)
{
    pKeepCurrentSelected();
    pRunCommand([&] { TvAreeChange(pNode); });
}

void TFrmBase::TvAreeChange(QTreeWidgetItem *pNode)
{
    if (!m_pDoc->fAperto())
        return;
    const qint64 iId = pNode ? fIdOf(pNode) : 0; // no node: no area shown
    if (iId != m_pDoc->fAreaMostrata())
        m_pDoc->pMostraArea(iId);
}

bool TFrmBase::fTvAreeContextPopup(const QPoint &pos)
{
    bool bOpen = false;
    pRunCommand([&] {
        QTreeWidgetItem *pNode = TvAree->itemAt(pos);
        if (!pNode)
            return;
        pSelectNode(pNode);
        // only a detail-free area other than the first may be deleted
        PopEliminaArea->setEnabled(pNode->childCount() == 0 && fIdOf(pNode) > 1);
        PopDuplicaArea->setEnabled(fLevelOf(pNode) == 0);
        bOpen = true;
    });
    return bOpen;
}

void TFrmBase::PopEliminaAreaClick()
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    if (!pNode || !m_pDoc->fAperto())
        return;
    const qint64 iId = fIdOf(pNode);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); // the menu closes first
    pBusyCursor(true);
    try {
        m_pDoc->pEliminaArea(iId);
    } catch (...) {
        pBusyCursor(false);
        throw;
    }
    pBusyCursor(false);
}

void TFrmBase::PopRinominaClick()
{
    QTreeWidgetItem *pNode = fSelectedNode();
    if (!pNode || !m_pDoc->fAperto())
        return;
    const QString sOld = pNode->text(0);
    // a cancelled prompt answers its default: the unchanged name is stored again
    const QString sNome = fDialogs()
                              .fInputBox(QCoreApplication::translate("Ombrix", "Nome Area?"),
                                         QCoreApplication::translate("Ombrix", "Nome Area?"), sOld)
                              .value_or(sOld);
    if (sNome.isEmpty())
        return;
    m_pDoc->pRinominaArea(fIdOf(pNode), sNome);
}

void TFrmBase::BtnNewAreaClick()
{
    if (!m_pDoc->fAperto())
        return;
    const QString sNome = fDialogs()
                              .fInputBox(QCoreApplication::translate("Ombrix", "Nome Area?"),
                                         QCoreApplication::translate("Ombrix", "Nome Area?"), QString())
                              .value_or(QString());
    if (sNome.isEmpty())
        return;
    m_pDoc->pAggiungiAreaBase(sNome);
}
