#pragma once

#include "editor/editorcontext.h"

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

/**
 * The left panel (PanelSx): the caption "Aree" and the area tree (TvAree),
 * base areas at the top level and each detail area under its base area,
 * coloured by level, all expanded. The tree follows the document: it is
 * refilled when the area list changes and its selected node is always the
 * shown area; selecting a node, by the user or from code, shows that area.
 *
 * Its pop-up menu (PopTv) deletes, renames, fits the background of and
 * duplicates an area; "Aggiungi Livello base" adds a base area.
 */
class TPannelloAree final : public QWidget
{
    Q_OBJECT

public:
    TPannelloAree(const TContesto &ctx, QWidget *pParent);

    qint64 fSelectedAreaId() const; // 0 when no node is selected
    int fSelectedLevel() const;     // level of the selected node, -1 when none
    QTreeWidgetItem *fSelectedNode() const;
    /** Selects the node of area sId, showing that area; nothing when there is none. */
    void pSelectNodeById(const QString &sId);
    void pSelectFirstNode();
    void pSelectNodeByName(const QString &sName);
    void pSelectNodeByLevel_Index(int iLevel, int iIndex);
    /** No node at all, and none shown. */
    void pSvuota();
    /** The pop-up request at a point of the tree's viewport; false when no menu opens. */
    bool fTvAreeContextPopup(const QPoint &pos);

    /** "Aggiungi Livello base": a base area named as the user types. */
    void BtnNewAreaClick();
    void PopEliminaAreaClick();
    void PopRinominaClick();
    void PopDuplicaAreaClick();

signals:
    /** "Adatta immagine di sfondo…" on the pop-up menu, for the shown area. */
    void sigAdattaSfondo();

protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    void pSegui();
    /** Refills the tree from the document's area list; the node of the shown area stays selected. */
    void pPopolaTreeViewNew();
    /** The tree follows the document's shown area: its node selected, or none. */
    void pSegnaAreaMostrata(qint64 iId);
    /** Selects pNode from code, as if the user had: its area is shown. */
    void pSelectNode(QTreeWidgetItem *pNode);
    void TvAreeChange(QTreeWidgetItem *pNode);
    /** The current node, whose area is shown, is always the selected one. */
    void pKeepCurrentSelected();

    TContesto m_ctx;
    QLabel *m_pTitolo = nullptr;
    QTreeWidget *m_pTv = nullptr;
    QMenu *m_pPopTv = nullptr;
    QAction *m_pElimina = nullptr;
    QAction *m_pRinomina = nullptr;
    QAction *m_pAdatta = nullptr;
    QAction *m_pDuplica = nullptr;
};
