#pragma once

#include "editor/canvas.h"
#include "editor/dialogs.h"
#include "editor/panels.h"

#include <QPoint>
#include <QtGlobal>

#include <QList>
#include <QMainWindow>
#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QKeyEvent;
class QLabel;
class QMenu;
class QMouseEvent;
class QStatusBar;
class QToolButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class TCheckDock;
class TFrmAnteprima;
class TFrmFont;
class TIoDock;
class TProjectDocument;
class TSensore;
struct TElemento;
enum class TAllineamento;

/** The drag in progress on the canvas, shared by every canvas control: one at a time. */
struct TDragState
{
    bool DragEnabled = false;    // a drag is in progress
    QPoint MouseDownPos;         // press point, in the pressed control's coordinates
    bool bGlobMouseDown = false; // set by a press; cleared once a barrier drag has wiped the lines
    bool bMosso = false;         // the pointer moved since the press
};

/**
 * The main window: menu, tool bar, area tree on the left, the panel's bezel
 * with the 480 x 272 area canvas on the right. It is a view of the project
 * document: every edit is a call on the document, and the tree and the
 * canvas follow the document's signals. It keeps no project state and runs
 * no SQL of its own.
 *
 * Every command runs inside pRunCommand, the one place where a failure
 * (TOmbrixError) is caught and shown in the error box; afterwards the window
 * is brought back in line with what the document holds.
 */
class TFrmBase : public QMainWindow
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
    // the status bar's cells: the selected object's type, number, label, position (live while dragging),
    // the selected item (icon, second end or label), and the shown area
    QLabel *SbarTipo = nullptr;
    QLabel *SbarNumero = nullptr;
    QLabel *SbarTesto = nullptr;
    QLabel *SbarPosizione = nullptr;
    QLabel *SbarElemento = nullptr;
    QLabel *SbarArea = nullptr;
    QLabel *SbarMessaggio = nullptr; // "N oggetti selezionati", or what a command on them left undone

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
    QAction *MnuVerificaProgetto = nullptr;
    QAction *MnuIngressiUscite = nullptr;
    QAction *MnuAnteprimaPannello = nullptr; // "Anteprima Pannello"
    QAction *MnuDocumentazionePdf = nullptr; // "Documentazione PDF…"
    QAction *MnuAnnulla = nullptr;           // "Annulla" + the step, Ctrl+Z
    QAction *MnuRipeti = nullptr;            // "Ripeti" + the step, Ctrl+Y and Ctrl+Shift+Z
    QAction *MnuDuplica = nullptr;           // "Duplica", Ctrl+D: a copy of the selected sensor
    QAction *MnuAdattaSfondo = nullptr;      // "Adatta immagine di sfondo…"
    QAction *MnuSelezionaTutto = nullptr;    // "Seleziona tutto", Ctrl+A
    QAction *MnuCopia = nullptr;             // "Copia", Ctrl+C
    QAction *MnuTaglia = nullptr;            // "Taglia", Ctrl+X
    QAction *MnuIncolla = nullptr;           // "Incolla", Ctrl+V
    QAction *MnuIncollaSpeciale = nullptr;   // "Incolla speciale…", Ctrl+Shift+V
    QMenu *MnuAllinea = nullptr;             // "Allinea": its entries hold their TAllineamento as data
    QAction *MnuRipristinaCopia = nullptr;   // "Ripristina copia…": puts back a snapshot of the project
    QAction *N48 = nullptr;
    QAction *N32 = nullptr;
    QAction *N16 = nullptr;
    QAction *MnuAbout = nullptr;
    QMenu *MnuProgettiRecenti = nullptr; // "Progetti recenti": the last 8 projects opened or created
    QAction *MnuGuida = nullptr;         // "Guida", F1: the user guide in FrmGuida
    QAction *MnuInformazioni = nullptr;  // "Informazioni su Ombrix…": version, libraries, licences
    QTextBrowser *FrmGuida = nullptr;    // the guide's window, made when first asked for
    QActionGroup *GrpIconSize = nullptr;

    QMenu *PopTv = nullptr;
    QAction *PopEliminaArea = nullptr;
    QAction *PopRinomina = nullptr;
    QAction *PopAdattaSfondo = nullptr; // "Adatta immagine di sfondo…"
    QAction *PopDuplicaArea = nullptr;  // "Duplica area…", for a base area
    QMenu *popImg = nullptr;
    QAction *MnuEliminaSensore = nullptr;
    QAction *MnuAggiungitesto = nullptr;
    QAction *PopDuplica = nullptr;   // "Duplica"
    QAction *PopProprieta = nullptr; // "Proprietà…"
    QMenu *PopLabel = nullptr;
    QAction *PopEliminaLabel = nullptr;
    QAction *popModTesto = nullptr;
    QAction *popDimensioneColore = nullptr;

    TFrmFont *FrmFont = nullptr; // the font dialog, created hidden by the program entry
    /** The project check and the I/O cross-reference, hidden until "Verifica Progetto" and
     *  "Ingressi/Uscite" show them. */
    TCheckDock *DockVerifica = nullptr;
    TIoDock *DockIngressiUscite = nullptr;
    /** The preview of the exported pages, made by the first "Anteprima Pannello". */
    TFrmAnteprima *FrmAnteprima = nullptr;

    /** The open project. */
    TProjectDocument &fDocument() { return *m_pDoc; }
    /** The drag in progress on the canvas. */
    TDragState &fDrag() { return m_drag; }

    // --- dialogs and the error boundary ---------------------------------
    TDialogs &fDialogs() { return *m_pDialogs; }
    /** Replaces the dialogs (not owned); null goes back to the real ones. */
    void pSetDialogs(TDialogs *pDialogs);
    /** Runs one command; a failure is shown in the error box and the editor stays usable. */
    void pRunCommand(const std::function<void()> &f);
    /** A view's failure while following the document: it is reported by the command that caused it. */
    void pViewFailed(std::exception_ptr pFailure);

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
    /** Shows the last export of the open project in the preview window. */
    void MnuAnteprimaPannelloClick();
    /** Writes the project's handover document to the PDF file the user chooses. */
    void MnuDocumentazionePdfClick();
    /** Lists the project's snapshots and puts back the one chosen. */
    void MnuRipristinaCopiaClick();
    /** Opens the project file sDb as Open project does after its dialog; a damaged database offers the most
     *  recent sound snapshot. */
    void pOpenProjectFile(const QString &sDb);
    /** Lists the recent projects in "Progetti recenti"; a file that is gone is shown disabled. */
    void pAggiornaRecenti();
    void MnuGuidaClick();
    void MnuInformazioniClick();

    // --- area tree ------------------------------------------------------
    qint64 fSelectedAreaId() const; // 0 when no node is selected
    int fSelectedLevel() const;     // level of the selected node, -1 when none
    QTreeWidgetItem *fSelectedNode() const;
    /** Selects the node of area sId, showing that area; nothing when there is none. */
    void pSelectNodeById(const QString &sId);
    /** Refills the tree from the document's area list; the node of the shown area stays selected. */
    void pPopolaTreeViewNew();
    void pClearTree();
    void pSelectFirstNode();
    void pSelectNodeByName(const QString &sName);
    void pSelectNodeByLevel_Index(int iLevel, int iIndex);
    /** The pop-up request at a point of the tree's viewport; false when no menu opens. */
    bool fTvAreeContextPopup(const QPoint &pos);
    void PopEliminaAreaClick();
    void PopRinominaClick();
    void BtnNewAreaClick();

    // --- canvas ---------------------------------------------------------
    void pLoadImgArea(qint64 iId);
    void pLoadBanner(int iLevel);
    /** Draws the barrier lines of the shown area on the overlay now. */
    void pDrawBline();
    /** Wipes the barrier lines until they are next drawn. */
    void pWipeBlines();
    void BtnSfondoClick();
    /** "Adatta immagine di sfondo…": a picture or a PDF page fitted to the shown area's page, as one step. */
    void MnuAdattaSfondoClick();
    /** What the canvas draws over the area's picture (banner, objects, lines), transparent elsewhere. */
    QImage fSopraSfondo() const;
    /** Removes every placed control from the canvas. */
    void pPulisciTutto();
    /** Shows the picture file in the background layer; throws TOmbrixError when it cannot be decoded. */
    void pLoadBackground(const QString &sPath);
    void pClearBackground();
    void pBusyCursor(bool bBusy);

    // --- following the document -------------------------------------------
    /** Shows the document's shown area on the canvas: background, banner, objects, lines. */
    void pMostraAreaSulCanvas();
    /** Brings the controls of object iId in line with the document (built, moved, restyled or removed). */
    void pSincronizzaOggetto(qint64 iId);
    void pRimuoviOggetto(qint64 iId);

    // --- selection and the keyboard ---------------------------------------
    // The selection is the window's own state, never stored: one placed control (an icon, a barrier's second
    // end or a label), known by its object's id and its item (0 icon, 1 second end, 2 label), so that it
    // outlives the rebuilding of its control. Showing another area or closing the project ends it.
    /** Selects a placed control; null selects nothing. */
    void pSeleziona(QWidget *pControl);
    /** The selected control, or null. */
    QWidget *fSelezionato() const;
    qint64 fSelezionatoId() const { return m_iSelId; }
    /** The frame and the status bar follow the selected control; one that is gone ends the selection. */
    void pAggiornaSelezione();
    /** The frame and the position cell follow a control being dragged. */
    void pSeguiTrascinamento(QWidget *pControl);
    /** A key on the canvas: arrows and Shift+arrows move, Delete deletes, Escape deselects, Tab and Shift+Tab
     *  walk the objects; false for any other key. */
    bool fTastoCanvas(QKeyEvent *pEvent);
    /** "Duplica" on a sensor's icon (null: the selected one). */
    void MnuDuplicaClick(QWidget *pControl);
    /** "Proprietà…" on a sensor's icon: number, type and label in one dialog. */
    void PopProprietaClick(QWidget *pControl);

    // --- many items at once -------------------------------------------------
    // The selection may hold several items; the one above (fSelezionato) is the last one clicked. Each item
    // is selected on its own: an icon, its label and its barrier's second end are three items.
    /** Ctrl+click: the control joins the selection, or leaves it. */
    void pCambiaInSelezione(QWidget *pControl);
    /** Selects exactly these placed controls. */
    void pSelezionaControlli(const QList<QWidget *> &aControlli);
    bool fInSelezione(const QWidget *pControl) const;
    bool fSelezioneMultipla() const { return m_aSel.size() > 1; }
    /** The selected controls on the canvas. */
    QList<QWidget *> fControlliSelezionati() const;
    /** The selected items, each at its control's place. */
    QList<TElemento> fElementiSelezionati() const;
    /** A press, move or release on the canvas's background: the rubber band; false when not taken. */
    bool fBandaMouse(QMouseEvent *pEvent);
    /** Moves the selected controls by (iDx, iDy), as far as the canvas lets the whole selection go, and
     *  returns how far they went. */
    QPoint pSpostaControlliSelezionati(int iDx, int iDy);
    void MnuSelezionaTuttoClick();
    void MnuCopiaClick();
    void MnuTagliaClick();
    /** "Incolla", or with bSpeciale "Incolla speciale…" with its offsets. */
    void MnuIncollaClick(bool bSpeciale);
    void pAllinea(TAllineamento eModo);
    void PopDuplicaAreaClick();

protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    void pBuildMenus();
    void pBuildToolBar();
    void pBuildPanels();
    void pConnectCommands();
    void FormCreate(const QString &sProgramPath);
    void FormDestroy();
    void pConnectDocument();
    void RadioMnu(QAction *pEntry);
    void TvAreeChange(QTreeWidgetItem *pNode);
    /** The tree follows the document's shown area: its node selected, or none. */
    void pSegnaAreaMostrata(qint64 iId);
    void pOnCurrentNodeChanged(QTreeWidgetItem *pNode);
    /** The current node, whose area is shown, is always the selected one. */
    void pKeepCurrentSelected();
    /** Selects pNode from code, as if the user had: its area is shown. */
    void pSelectNode(QTreeWidgetItem *pNode);
    void pLayoutClient();
    /** After a failed command: the window shows only what the database holds. */
    void pResyncAfterFailure();
    /** The commands that need a project: pAbilitaBtn's buttons, BtnZoomIn (while a base area is selected),
     *  "Chiudi Progetto", "Esporta Progetto", "Verifica Progetto" and "Ingressi/Uscite". */
    void pSetProjectCommands(bool bOpen);
    /** The entries of the selection (select all, clipboard, align), after "Duplica" on "Modifica". */
    void pBuildMenuSelezione(QMenu *pMnuModifica);
    void pConnectSelezione();
    /** Deletes the selected items as one step. */
    void pEliminaSelezione();

    TProjectDocument *m_pDoc = nullptr;
    TDragState m_drag;
    std::unique_ptr<TQtDialogs> m_pQtDialogs;
    TDialogs *m_pDialogs = nullptr;
    TClientArea *m_pClient = nullptr;
    int m_iLeftWidth = 249;
    bool m_bInCommand = false;
    std::exception_ptr m_pPendingFailure; // a view's failure while following the document
    qint64 m_iSelId = 0;                  // the selected object, 0 for none
    int m_iSelElemento = 0;               // its selected item: 0 icon, 1 second end, 2 label
    qint64 m_iSelArea = 0;                // the area it lies on
    struct TSel
    {
        qint64 iId = 0;
        int iElemento = 0;
        bool operator==(const TSel &) const = default;
    };
    QList<TSel> m_aSel;    // every selected item, the one above among them
    bool m_bBanda = false; // a rubber band is being drawn
    QPoint m_ptBanda;      // where it started, on the canvas
};
