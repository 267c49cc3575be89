// The area tree: filling it from tbarea, the selection operations, the change
// of selection (which shows the area), the colours by level, the pop-up menu,
// rename and the "Aggiungi Livello base" button.

#include "editor/frmbase.h"

#include "model/areastore.h"
#include "model/sensorstore.h"
#include "workspace/uty.h"

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
        const QSignalBlocker blocker(TvAree); // emptying the tree loads no area
        TvAree->clear();
    }
    pWipeBlines(); // no node is selected, so no area's lines are shown
    // every id tbarea can hold finds its node; a row whose parent has no node goes to the top level
    QHash<qint64, QTreeWidgetItem *> aNodes;
    TSqlQuery q = SQLConn.fQuery(QStringLiteral("select * from tbarea order by livello, ordinamento"));
    while (q.fNext()) {
        const qint64 iFather = q.fInt64(QStringLiteral("father_id"));
        const qint64 iId = q.fInt64(QStringLiteral("_id"));
        const QString sNome = q.fText(QStringLiteral("NomeArea"));
        QTreeWidgetItem *pParent = iFather == 0 ? nullptr : aNodes.value(iFather, nullptr);
        QTreeWidgetItem *pNode = pParent ? new QTreeWidgetItem(pParent) : new QTreeWidgetItem(TvAree);
        pNode->setText(0, sNome);
        pNode->setData(0, Qt::UserRole, iId);
        pNode->setForeground(0, fLevelColour(fLevelOf(pNode)));
        aNodes.insert(iId, pNode);
    }
    TvAree->expandAll();
}

void TFrmBase::pClearTree()
{
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
    TvAree->setCurrentItem(pNode);
    if (m_pPendingFailure)
        std::rethrow_exception(std::exchange(m_pPendingFailure, nullptr));
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
    if (!m_bInCommand) {
        pRunCommand([&] { TvAreeChange(pNode); });
        return;
    }
    // a selection made by a running command: its failure belongs to that command
    try {
        TvAreeChange(pNode);
    } catch (...) {
        m_pPendingFailure = std::current_exception();
    }
}

void TFrmBase::TvAreeChange(QTreeWidgetItem *pNode)
{
    if (!pNode || !bGlobProgettoAperto)
        return;
    const int iLevel = fLevelOf(pNode);
    BtnZoomIn->setEnabled(iLevel == 0); // detail areas of detail areas are never made
    const QString sId = QString::number(fIdOf(pNode));
    pWipeBlines();
    pPulisciTutto();
    pLoadImgArea(sId);
    pLoadBanner(iLevel);
    pLoadSensori(sId);
    pRepaintAll();
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
        bOpen = true;
    });
    return bOpen;
}

void TFrmBase::PopEliminaAreaClick()
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    if (!pNode || !bGlobProgettoAperto)
        return;
    const qint64 iId = fIdOf(pNode);
    const int iLevel = fLevelOf(pNode);
    const int iIndexParent = pNode->parent() ? fSiblingIndex(pNode->parent()) : -1;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); // the menu closes first
    pDelArea(iId, iLevel, iIndexParent);
}

void TFrmBase::PopRinominaClick()
{
    QTreeWidgetItem *pNode = fSelectedNode();
    if (!pNode || !bGlobProgettoAperto)
        return;
    const QString sOld = pNode->text(0);
    // a cancelled prompt answers its default: the unchanged name is stored again
    const QString sNome =
        fDialogs().fInputBox(QStringLiteral("Nome Area?"), QStringLiteral("Nome Area?"), sOld).value_or(sOld);
    if (sNome.isEmpty())
        return;
    pRinominaAreaInDb(QString::number(fIdOf(pNode)), sNome);
    pNode->setText(0, sNome);
}

void TFrmBase::BtnNewAreaClick()
{
    if (!bGlobProgettoAperto)
        return;
    pAddAreaBase(QString(), 0);
}
