#include "editor/areatree.h"

#include "document/projectdocument.h"
#include "editor/dialogs.h"
#include "editor/projectcmds.h"
#include "model/appfonts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHash>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

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

QAction *fVoce(QMenu *pMenu, const QString &sTesto, const char *szNome)
{
    QAction *pEntry = pMenu->addAction(sTesto);
    pEntry->setObjectName(QLatin1String(szNome));
    return pEntry;
}

} // namespace

TPannelloAree::TPannelloAree(const TContesto &ctx, QWidget *pParent) : QWidget(pParent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("PanelSx"));
    auto *pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    m_pTitolo = new QLabel(tr("Aree"), this);
    m_pTitolo->setObjectName(QStringLiteral("Label1"));
    QFont fontTitle(fTahomaFamily());
    fontTitle.setPixelSize(19);
    m_pTitolo->setFont(fontTitle);
    m_pTitolo->setAlignment(Qt::AlignCenter);
    m_pTitolo->setContentsMargins(0, 10, 0, 10);
    QPalette palTitle = m_pTitolo->palette();
    palTitle.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    m_pTitolo->setPalette(palTitle);
    pLayout->addWidget(m_pTitolo);

    m_pTv = new QTreeWidget(this);
    m_pTv->setObjectName(QStringLiteral("TvAree"));
    m_pTv->setAccessibleName(tr("Aree"));
    QFont fontTree(fTahomaFamily());
    fontTree.setPixelSize(16);
    fontTree.setBold(true);
    m_pTv->setFont(fontTree);
    m_pTv->setHeaderHidden(true);
    m_pTv->setColumnCount(1);
    m_pTv->setIndentation(19);
    m_pTv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTv->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTv->setMouseTracking(true);
    m_pTv->viewport()->setAttribute(Qt::WA_Hover);
    // the node under the mouse is highlighted; selection and text colours keep the tree's own drawing
    m_pTv->setStyleSheet(QStringLiteral("QTreeView::item:hover:!selected { background: #dbe8fb; }"));
    m_pTv->setContextMenuPolicy(Qt::CustomContextMenu);
    m_pTv->installEventFilter(this);
    m_pTv->viewport()->installEventFilter(this);
    pLayout->addWidget(m_pTv, 1);

    m_pPopTv = new QMenu(this);
    m_pPopTv->setObjectName(QStringLiteral("PopTv"));
    m_pPopTv->setToolTipsVisible(true);
    m_pElimina = fVoce(m_pPopTv, tr("Elimina Area"), "PopEliminaArea");
    m_pRinomina = fVoce(m_pPopTv, tr("Rinomina"), "PopRinomina");
    m_pAdatta = fVoce(m_pPopTv, tr("Adatta immagine di sfondo…"), "PopAdattaSfondo");
    m_pAdatta->setToolTip(tr("Adatta un'immagine o una pagina PDF alla pagina dell'area"));
    m_pAdatta->setEnabled(false);
    m_pDuplica = fVoce(m_pPopTv, tr("Duplica area…"), "PopDuplicaArea");
    m_pDuplica->setToolTip(tr("Una copia dell'area con le sue aree di dettaglio"));

    TCommandBoundary &cmd = m_ctx.cmd;
    connect(m_pTv, &QTreeWidget::currentItemChanged, this, [this, &cmd](QTreeWidgetItem *pCurrent) {
        pKeepCurrentSelected();
        cmd.pRunCommand([&] { TvAreeChange(pCurrent); });
    });
    connect(m_pTv, &QTreeWidget::itemSelectionChanged, this, [this] { pKeepCurrentSelected(); });
    connect(m_pTv, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (fTvAreeContextPopup(pos))
            m_pPopTv->popup(m_pTv->viewport()->mapToGlobal(pos));
    });
    connect(m_pElimina, &QAction::triggered, this,
            [this, &cmd] { cmd.pRunCommand([this] { PopEliminaAreaClick(); }); });
    connect(m_pRinomina, &QAction::triggered, this, [this, &cmd] { cmd.pRunCommand([this] { PopRinominaClick(); }); });
    connect(m_pDuplica, &QAction::triggered, this,
            [this, &cmd] { cmd.pRunCommand([this] { PopDuplicaAreaClick(); }); });
    connect(m_pAdatta, &QAction::triggered, this, [this] { emit sigAdattaSfondo(); });
    pSegui();
}

void TPannelloAree::pSegui()
{
    TProjectDocument &doc = m_ctx.doc;
    // every slot reports its failure to the command that made the document change
    auto fGuard = [this](auto fn) {
        return [this, fn](auto... args) {
            try {
                fn(args...);
            } catch (...) {
                m_ctx.cmd.pViewFailed(std::current_exception());
            }
        };
    };
    connect(&doc, &TProjectDocument::sigProgetto, this, fGuard([this](bool bAperto) {
        if (!bAperto)
            pSvuota();
    }));
    connect(&doc, &TProjectDocument::sigAreeCambiate, this, fGuard([this] { pPopolaTreeViewNew(); }));
    connect(&doc, &TProjectDocument::sigAreaRinominata, this, fGuard([this](qint64 iId, const QString &sNome) {
        for (QTreeWidgetItemIterator it(m_pTv); *it; ++it)
            if (fIdOf(*it) == iId)
                (*it)->setText(0, sNome);
    }));
    connect(&doc, &TProjectDocument::sigAreaMostrata, this, fGuard([this](qint64 iId) { pSegnaAreaMostrata(iId); }));
    // fitting a background needs an area shown
    auto pAbilitaAdatta = [this] { m_pAdatta->setEnabled(m_ctx.doc.fAperto() && m_ctx.doc.fAreaMostrata() != 0); };
    connect(&doc, &TProjectDocument::sigAreaMostrata, this, pAbilitaAdatta);
    connect(&doc, &TProjectDocument::sigProgetto, this, pAbilitaAdatta);
}

bool TPannelloAree::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    // a pop-up asked for from the keyboard has no position in the tree: no menu
    if ((pWatched == m_pTv || pWatched == m_pTv->viewport()) && pEvent->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(pEvent)->reason() == QContextMenuEvent::Keyboard)
        return true;
    // Taking the focus with no current node (after a delete, or back from a menu) would make the first node
    // current and so show its area; the tree takes the focus without that, and no area is shown.
    if (pWatched == m_pTv && pEvent->type() == QEvent::FocusIn && !m_pTv->currentItem()) {
        const QSignalBlocker blocker(m_pTv);
        static_cast<QObject *>(m_pTv)->event(pEvent);
        m_pTv->selectionModel()->clearCurrentIndex();
        return true;
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

void TPannelloAree::pPopolaTreeViewNew()
{
    {
        const QSignalBlocker blocker(m_pTv); // emptying the tree shows no area
        m_pTv->clear();
    }
    // every id the area list can hold finds its node; a row whose parent has no node goes to the top level
    QHash<qint64, QTreeWidgetItem *> aNodes;
    for (const TAreaRow &row : m_ctx.doc.fAreeInOrdineAlbero()) {
        QTreeWidgetItem *pParent = row.iFatherId == 0 ? nullptr : aNodes.value(row.iFatherId, nullptr);
        QTreeWidgetItem *pNode = pParent ? new QTreeWidgetItem(pParent) : new QTreeWidgetItem(m_pTv);
        pNode->setText(0, row.sNome);
        pNode->setData(0, Qt::UserRole, row.iId);
        pNode->setForeground(0, fLevelColour(fLevelOf(pNode)));
        aNodes.insert(row.iId, pNode);
    }
    m_pTv->expandAll();
    pSegnaAreaMostrata(m_ctx.doc.fAreaMostrata());
}

void TPannelloAree::pSegnaAreaMostrata(qint64 iId)
{
    const QSignalBlocker blocker(m_pTv); // the tree follows the document here; it shows nothing itself
    QTreeWidgetItem *pShown = nullptr;
    for (QTreeWidgetItemIterator it(m_pTv); *it && iId != 0; ++it)
        if (fIdOf(*it) == iId)
            pShown = *it;
    if (pShown) {
        m_pTv->setCurrentItem(pShown);
        pShown->setSelected(true);
    } else {
        m_pTv->clearSelection();
        m_pTv->setCurrentItem(nullptr);
        m_pTv->selectionModel()->clearCurrentIndex();
    }
}

void TPannelloAree::pSvuota()
{
    const QSignalBlocker blocker(m_pTv);
    m_pTv->clear();
}

QTreeWidgetItem *TPannelloAree::fSelectedNode() const
{
    // the current node is the selected one: every change of it shows its area
    return m_pTv->currentItem();
}

qint64 TPannelloAree::fSelectedAreaId() const
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    return pNode ? fIdOf(pNode) : 0;
}

int TPannelloAree::fSelectedLevel() const
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    return pNode ? fLevelOf(pNode) : -1;
}

void TPannelloAree::pSelectNode(QTreeWidgetItem *pNode)
{
    if (!pNode)
        return;
    m_ctx.doc.pMostraArea(fIdOf(pNode)); // the tree follows the document's signal
}

void TPannelloAree::pSelectFirstNode()
{
    pSelectNode(m_pTv->topLevelItem(0));
}

void TPannelloAree::pSelectNodeByName(const QString &sName)
{
    for (QTreeWidgetItemIterator it(m_pTv); *it; ++it)
        if ((*it)->text(0) == sName)
            return pSelectNode(*it);
}

void TPannelloAree::pSelectNodeById(const QString &sId)
{
    bool bOk = false;
    const qint64 iId = sId.toLongLong(&bOk);
    if (!bOk)
        return;
    for (QTreeWidgetItemIterator it(m_pTv); *it; ++it)
        if (fIdOf(*it) == iId)
            return pSelectNode(*it);
}

void TPannelloAree::pSelectNodeByLevel_Index(int iLevel, int iIndex)
{
    for (QTreeWidgetItemIterator it(m_pTv); *it; ++it)
        if (fLevelOf(*it) == iLevel && fSiblingIndex(*it) == iIndex)
            return pSelectNode(*it);
}

void TPannelloAree::pKeepCurrentSelected()
{
    // the current node is the shown area: a node made current without a selection (the tree taking the focus)
    // is highlighted as selected too, and a click that only deselects (empty space, Ctrl) leaves it selected
    if (QTreeWidgetItem *pNode = m_pTv->currentItem(); pNode && !pNode->isSelected())
        pNode->setSelected(true);
}

void TPannelloAree::TvAreeChange(QTreeWidgetItem *pNode)
{
    if (!m_ctx.doc.fAperto())
        return;
    const qint64 iId = pNode ? fIdOf(pNode) : 0; // no node: no area shown
    if (iId != m_ctx.doc.fAreaMostrata())
        m_ctx.doc.pMostraArea(iId);
}

bool TPannelloAree::fTvAreeContextPopup(const QPoint &pos)
{
    bool bOpen = false;
    m_ctx.cmd.pRunCommand([&] {
        QTreeWidgetItem *pNode = m_pTv->itemAt(pos);
        if (!pNode)
            return;
        pSelectNode(pNode);
        // only a detail-free area other than the first may be deleted; a greyed entry says why
        QString sPerche;
        if (fIdOf(pNode) <= 1)
            sPerche = tr("è la prima area del progetto");
        else if (pNode->childCount() > 0)
            sPerche = tr("ha aree di dettaglio");
        m_pElimina->setEnabled(sPerche.isEmpty());
        m_pElimina->setToolTip(sPerche);
        m_pDuplica->setEnabled(fLevelOf(pNode) == 0);
        bOpen = true;
    });
    return bOpen;
}

void TPannelloAree::PopEliminaAreaClick()
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    if (!pNode || !m_ctx.doc.fAperto())
        return;
    const qint64 iId = fIdOf(pNode);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); // the menu closes first
    const TCursoreOccupato occupato;
    m_ctx.doc.pEliminaArea(iId);
}

void TPannelloAree::PopRinominaClick()
{
    QTreeWidgetItem *pNode = fSelectedNode();
    if (!pNode || !m_ctx.doc.fAperto())
        return;
    const QString sOld = pNode->text(0);
    // a cancelled prompt answers its default: the unchanged name is stored again
    const QString sNome = m_ctx.cmd.fDialogs()
                              .fInputBox(QCoreApplication::translate("Ombrix", "Nome Area?"),
                                         QCoreApplication::translate("Ombrix", "Nome Area?"), sOld)
                              .value_or(sOld);
    if (sNome.isEmpty())
        return;
    m_ctx.doc.pRinominaArea(fIdOf(pNode), sNome);
}

void TPannelloAree::BtnNewAreaClick()
{
    if (!m_ctx.doc.fAperto())
        return;
    const QString sNome = m_ctx.cmd.fDialogs()
                              .fInputBox(QCoreApplication::translate("Ombrix", "Nome Area?"),
                                         QCoreApplication::translate("Ombrix", "Nome Area?"), QString())
                              .value_or(QString());
    if (sNome.isEmpty())
        return;
    m_ctx.doc.pAggiungiAreaBase(sNome);
}

void TPannelloAree::PopDuplicaAreaClick()
{
    const QTreeWidgetItem *pNode = fSelectedNode();
    if (!pNode || pNode->parent() || !m_ctx.doc.fAperto())
        return;
    const qint64 iId = fIdOf(pNode);
    TProjectDocument *pDoc = &m_ctx.doc;
    const QList<TSensore> aOggetti = pDoc->fOggettiConDettagli(iId);
    const TFnAvvisoIncolla fnAvviso = [pDoc, aOggetti](const TOpzioniIncolla &o) {
        return pDoc->fAvvisoNumeri(aOggetti, o);
    };
    const TFnRifiutoIncolla fnRifiuto = [aOggetti](const TOpzioniIncolla &o) {
        return fRifiutoNumeriIncollati(aOggetti, o);
    };
    TOpzioniIncolla opzioni;
    if (!m_ctx.cmd.fDialogs().fIncollaSpeciale(tr("Duplica area"), opzioni, fnAvviso, fnRifiuto))
        return;
    pDoc->pDuplicaArea(iId, opzioni);
}
