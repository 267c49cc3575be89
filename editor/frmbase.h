#pragma once

#include "editor/canvas.h"
#include "editor/dialogs.h"
#include "editor/panels.h"
#include "workspace/mapview.h"

#include <QMainWindow>
#include <QString>

#include <exception>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStatusBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TFrmFont;

/**
 * The main window: menu, tool bar, area tree on the left, the panel's bezel
 * with the 480 x 272 area canvas on the right. It is the map view of the
 * workspace and the model.
 *
 * Every command runs inside pRunCommand, the one place where a failure
 * (TOmbrixError) is caught and shown in the error box; afterwards the window
 * is brought back in line with what the database holds.
 */
class TFrmBase : public QMainWindow, public TMapView
{
    Q_OBJECT

public:
    /**
     * Creates the window and runs the start-up (folders, settings, tool-bar
     * bitmaps). sProgramPath is the program's own path (the application's
     * when empty); pDialogs answers the dialogs (the real ones when null; not
     * owned).
     */
    explicit TFrmBase(const QString &sProgramPath = QString(), TDialogs *pDialogs = nullptr,
                      QWidget *pParent = nullptr);
    /** Closes the area list and the connection and writes ombrix.ini. */
    ~TFrmBase() override;

    // --- controls -------------------------------------------------------
    QWidget *Panel2 = nullptr;     // tool bar, 50 high
    QWidget *PanelSx = nullptr;    // left panel: caption and tree
    QLabel *Label1 = nullptr;      // "Aree"
    QTreeWidget *TvAree = nullptr; // area tree
    TSplitterBar *Splitter1 = nullptr;
    QWidget *PanelDx = nullptr;          // right panel, white
    QLabel *Image1 = nullptr;            // bezel picture
    QWidget *PnlImgArea = nullptr;       // area canvas, 480 x 272
    QLabel *Image_1 = nullptr;           // background layer
    QLabel *ImgBanner = nullptr;         // banner layer, 480 x 34
    TCanvasOverlay *ImgCanvas = nullptr; // overlay with the barrier lines
    QStatusBar *SbarAree = nullptr;

    QToolButton *BtnNewArea = nullptr;
    QToolButton *BtnSfondo = nullptr;
    QToolButton *BtnZoomIn = nullptr;
    QToolButton *BtnVolumetrico = nullptr;
    QToolButton *BtnContact = nullptr;
    QToolButton *BtnBarriera = nullptr;
    QToolButton *BtnTelecamera = nullptr;
    QToolButton *BtnLampada = nullptr;
    QToolButton *BtnTapsu = nullptr;
    QToolButton *BtnTapgiu = nullptr;
    QToolButton *btnIrrig = nullptr;
    QToolButton *BtnAlarm = nullptr;

    QAction *MnuNuovoProgetto = nullptr;
    QAction *MnuApriProgetto = nullptr;
    QAction *MnuEsportaProgetto = nullptr;
    QAction *MnuChiudiProgetto = nullptr;
    QAction *N48 = nullptr;
    QAction *N32 = nullptr;
    QAction *N16 = nullptr;
    QAction *MnuAbout = nullptr;
    QActionGroup *GrpIconSize = nullptr;

    QMenu *PopTv = nullptr;
    QAction *PopEliminaArea = nullptr;
    QAction *PopRinomina = nullptr;
    QMenu *popImg = nullptr;
    QAction *MnuEliminaSensore = nullptr;
    QAction *MnuAggiungitesto = nullptr;
    QMenu *PopLabel = nullptr;
    QAction *PopEliminaLabel = nullptr;
    QAction *popModTesto = nullptr;
    QAction *popDimensioneColore = nullptr;

    TFrmFont *FrmFont = nullptr; // the font dialog, created hidden by the program entry

    // --- dialogs and the error boundary ---------------------------------
    TDialogs &fDialogs() { return *m_pDialogs; }
    /** Replaces the dialogs (not owned); null goes back to the real ones. */
    void pSetDialogs(TDialogs *pDialogs);
    /** Runs one command; a failure is shown in the error box and the editor stays usable. */
    void pRunCommand(const std::function<void()> &f);

    // --- window ---------------------------------------------------------
    /** Enables or disables the tool buttons a project needs (not BtnZoomIn). */
    void pAbilitaBtn(bool bAbilita);
    /** Loads the tool-bar bitmaps from res/; throws at the first one that cannot be read. */
    void pLoadToolbarIcons();
    /** Re-centres the area panel in the right panel. */
    void FormResize();
    /** Proposes a new width of the left panel; false (and nothing moves) when it is vetoed. */
    bool fSplitterMoved(int iNewLeftWidth);
    /** Repaints the window, drawing the barrier lines of the selected area above every control. */
    void pRepaintAll();

    // --- project commands -----------------------------------------------
    void MnuNuovoProgettoClick();
    void MnuApriProgettoClick();
    void MnuChiudiProgettoClick();
    void MnuEsportaProgettoClick();
    /** Opens the project file sDb as Open project does after its dialog. */
    void pOpenProjectFile(const QString &sDb);

    // --- area tree ------------------------------------------------------
    qint64 fSelectedAreaId() const; // 0 when no node is selected
    int fSelectedLevel() const;     // level of the selected node, -1 when none
    QTreeWidgetItem *fSelectedNode() const;
    void pSelectNodeById(const QString &sId);
    /** The pop-up request at a point of the tree's viewport; false when no menu opens. */
    bool fTvAreeContextPopup(const QPoint &pos);
    void PopEliminaAreaClick();
    void PopRinominaClick();
    void BtnNewAreaClick();

    // --- canvas ---------------------------------------------------------
    void pLoadImgArea(const QString &sId);
    void pLoadBanner(int iLevel);
    /** Draws the barrier lines of the area sAreaId on the overlay now. */
    void pDrawBline(const QString &sAreaId);
    /** Wipes the barrier lines until they are next drawn. */
    void pWipeBlines();
    void BtnSfondoClick();

    // --- TMapView -------------------------------------------------------
    void pPopolaTreeViewNew() override;
    void pClearTree() override;
    void pSelectFirstNode() override;
    void pSelectNodeByName(const QString &sName) override;
    void pSelectNodeByLevel_Index(int iLevel, int iIndex) override;
    void pPulisciTutto() override;
    void pLoadBackground(const QString &sPath) override;
    void pClearBackground() override;
    void pPlaceStoredSensor(const TSensore &oSensore) override;
    std::optional<QString> fAskText(const QString &sCaption, const QString &sPrompt, const QString &sDefault) override;
    void pBusyCursor(bool bBusy) override;

protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    void pBuildMenus();
    void pBuildToolBar();
    void pBuildPanels();
    void pConnectCommands();
    void FormCreate(const QString &sProgramPath);
    void FormDestroy();
    void RadioMnu(QAction *pEntry);
    void TvAreeChange(QTreeWidgetItem *pNode);
    void pOnCurrentNodeChanged(QTreeWidgetItem *pNode);
    /** The current node, whose area is shown, is always the selected one. */
    void pKeepCurrentSelected();
    /** Selects pNode from code, as if the user had; a failure of the change of selection is thrown here. */
    void pSelectNode(QTreeWidgetItem *pNode);
    void pLayoutClient();
    /** After a failed command: the window shows only what the database holds. */
    void pResyncAfterFailure();
    /** The commands that need a project: pAbilitaBtn's buttons, BtnZoomIn (while a base area is selected),
     *  "Chiudi Progetto" and "Esporta Progetto". */
    void pSetProjectCommands(bool bOpen);

    std::unique_ptr<TQtDialogs> m_pQtDialogs;
    TDialogs *m_pDialogs = nullptr;
    TClientArea *m_pClient = nullptr;
    int m_iLeftWidth = 249;
    bool m_bInCommand = false;
    std::exception_ptr m_pPendingFailure; // failure of a selection change made from code
};
