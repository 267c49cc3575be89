#pragma once

#include "editor/editorcontext.h"
#include "editor/itemkeys.h"

#include <QMainWindow>
#include <QString>

#include <exception>
#include <functional>
#include <memory>

class TAreaCanvas;
class TAzioni;
class TBenvenuto;
class TBarraStrumenti;
class TCheckDock;
class TDockProprieta;
class TClientArea;
class TComandiTesti;
class TDialogs;
class TFrmAnteprima;
class TFrmFont;
class TIoDock;
class TPannelloAree;
class TProjectDocument;
class TQtDialogs;
class TSelezione;
class TSplitterBar;
class TStrumentoSelezione;
class TVistaArea;

/**
 * The main window (FrmBase). It only composes: the menus (TAzioni), the tool
 * bar, the area tree on the left, the area view on the right (the bezel with
 * the canvas, the status bar, the zoom), the docks "Verifica",
 * "Ingressi/Uscite" and "Proprietà", and it connects every entry to its command. It owns the
 * project document and the selection, and is the command boundary: every
 * command runs inside pRunCommand, the one place where a failure is caught
 * and shown in the error box; afterwards the window shows what the database
 * holds.
 *
 * Its client area is 909 x 470 at start, never more than the screen's
 * available size; its size, position, left panel, docks, zoom and grid are
 * kept in ombrix.ini between sessions.
 */
class TFrmBase final : public QMainWindow, public TCommandBoundary
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
    /** Closes the project and the connection and writes ombrix.ini. */
    ~TFrmBase() override;

    TProjectDocument &fDocument() { return *m_pDoc; }
    TSelezione &fSelezione() { return *m_pSel; }
    const TContesto &fContesto() const { return m_ctx; }

    // --- the command boundary ----------------------------------------------------
    void pRunCommand(const std::function<void()> &f) override;
    void pViewFailed(std::exception_ptr pFailure) override;
    TDialogs &fDialogs() override { return *m_pDialogs; }
    void pMessaggio(const QString &sTesto) override;
    /** Replaces the dialogs (not owned); null goes back to the real ones. */
    void pSetDialogs(TDialogs *pDialogs);
    /** The font dialog made hidden by the program entry (not owned). */
    void pSetFontDialog(TFrmFont *pFrmFont);

    /** Opens the project file sDb as Open project does after its dialog. */
    void pOpenProjectFile(const QString &sDb);
    /** Proposes a new width of the left panel; false (and nothing moves) when it is vetoed: below 150 pixels, or
     *  narrowing a right panel that is, or would become, narrower than the bezel. */
    bool fSplitterMoved(int iNewLeftWidth);

protected:
    /** Once shown, the window manager's frame is known: the window is brought within the screen with it. */
    void showEvent(QShowEvent *pEvent) override;

private:
    void pComponi();
    void pCollegaProgetto();
    void pCollegaModifica();
    void pCollegaVista();
    void pCollegaOggetti();
    void FormCreate(const QString &sProgramPath);
    void FormDestroy();
    void pLayoutClient();
    /** After a failed command: the window shows only what the database holds. */
    void pResyncAfterFailure();
    /** The commands that need a project follow whether one is open. */
    void pAggiornaComandi();
    /** A right click on an item: its pop-up menu, whose entries then act on it. */
    void pMenuOggetto(const TChiave &chiave, const QPoint &globalPos);
    /** Runs fn on the object the last pop-up menu was opened on, if it is still there. */
    void pSuOggettoDelMenu(const std::function<void(qint64)> &fn);
    void pAnteprimaPannello();
    /** The grid as ombrix.ini keeps it: shown or not, and its step (4, 8 or 16; any other keeps 8). */
    void pImpostaGriglia(bool bGriglia, int iPasso);
    /** The welcome, in the canvas's place, while no project is open. */
    void pMostraBenvenuto();

    // the document and the selection first: every part below follows them
    TProjectDocument *m_pDoc;
    TSelezione *m_pSel;
    TContesto m_ctx;
    std::unique_ptr<TQtDialogs> m_pQtDialogs;
    TDialogs *m_pDialogs = nullptr;
    std::unique_ptr<TComandiTesti> m_pTesti;
    TAzioni *m_pAzioni = nullptr;
    TClientArea *m_pClient = nullptr;
    TBarraStrumenti *m_pBarra = nullptr;
    TPannelloAree *m_pAlbero = nullptr;
    TSplitterBar *m_pSplitter = nullptr;
    TVistaArea *m_pVista = nullptr;
    TBenvenuto *m_pBenvenuto = nullptr;
    TStrumentoSelezione *m_pStrumento = nullptr;
    TCheckDock *m_pDockVerifica = nullptr;
    TIoDock *m_pDockIo = nullptr;
    TDockProprieta *m_pDockProprieta = nullptr;
    TFrmAnteprima *m_pAnteprima = nullptr;
    int m_iIconSize = 32;
    int m_iLeftWidth = 249;
    int m_iPassoGriglia = 8; // the grid's step, also while it is hidden
    bool m_bInCommand = false;
    std::exception_ptr m_pPendingFailure; // a view's failure while following the document
    TChiave m_chiaveMenu;                 // the item the last pop-up menu was opened on
};
