#include "editor/frmbase.h"

#include "document/allineamento.h"
#include "document/projectdocument.h"
#include "editor/anteprima.h"
#include "editor/areatree.h"
#include "editor/areaview.h"
#include "editor/backgroundcmds.h"
#include "editor/canvas.h"
#include "editor/canvaskeys.h"
#include "editor/checkdock.h"
#include "editor/dialogs.h"
#include "editor/etichetteunite.h"
#include "editor/infomenu.h"
#include "editor/iodock.h"
#include "editor/labels.h"
#include "editor/mainmenus.h"
#include "editor/objectcmds.h"
#include "editor/panels.h"
#include "editor/placement.h"
#include "editor/projectcmds.h"
#include "editor/propertiesdock.h"
#include "editor/selectioncmds.h"
#include "editor/selectionmodel.h"
#include "editor/selectiontool.h"
#include "editor/statusbar.h"
#include "editor/toolbar.h"
#include "editor/welcome.h"
#include "editor/windowfit.h"
#include "model/appfonts.h"
#include "workspace/errors.h"
#include "workspace/settings.h"
#include "workspace/uty.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QUndoStack>

#include <cstdio>
#include <utility>

namespace {

constexpr int iClientWidth = 909;
constexpr int iClientHeight = 470;
constexpr int iToolBarHeight = 50;
constexpr int iSplitterWidth = 3;
constexpr int iBezelWidth = 584;
constexpr int iMinLeftWidth = 150;

} // namespace

// --- construction ----------------------------------------------------------

TFrmBase::TFrmBase(const QString &sProgramPath, TDialogs *pDialogs, QWidget *pParent)
    : QMainWindow(pParent), m_pDoc(new TProjectDocument(this)),
      m_pSel(new TSelezione(*m_pDoc, this)), m_ctx{*m_pDoc, *m_pSel, *this},
      m_pQtDialogs(std::make_unique<TQtDialogs>(this)), m_pDialogs(pDialogs ? pDialogs : m_pQtDialogs.get()),
      m_pTesti(std::make_unique<TComandiTesti>(m_ctx, this))
{
    setObjectName(QStringLiteral("FrmBase"));
    setWindowTitle(tr("Ombrix KP5800 maps generator"));
    QFont font(fTahomaFamily());
    font.setPointSize(8);
    setFont(font);

    pComponi();
    pCollegaProgetto();
    pCollegaModifica();
    pCollegaVista();
    pCollegaOggetti();

    // client area 909 x 470 below the menu, centred on the screen, never beyond it
    resize(iClientWidth, iClientHeight + menuBar()->sizeHint().height());
    if (const QScreen *pScreen = screen())
        move(pScreen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    pDentroSchermo(*this);

    FormCreate(sProgramPath.isEmpty() ? QCoreApplication::applicationFilePath() : sProgramPath);
}

TFrmBase::~TFrmBase()
{
    FormDestroy();
}

void TFrmBase::pComponi()
{
    m_pAzioni = new TAzioni(this);
    m_pClient = new TClientArea(this);
    setCentralWidget(m_pClient);
    m_pBarra = new TBarraStrumenti(*m_pDoc, m_pClient);
    m_pAlbero = new TPannelloAree(m_ctx, m_pClient);
    m_pSplitter = new TSplitterBar(m_pClient);
    m_pSplitter->setObjectName(QStringLiteral("Splitter1"));
    m_pVista = new TVistaArea(m_ctx, m_pClient);
    m_pBenvenuto =
        new TBenvenuto((*m_pAzioni)[TAzione::NuovoProgetto], (*m_pAzioni)[TAzione::ApriProgetto],
                       (*m_pAzioni)[TAzione::ImportaDalPannello],
                       [this](const QString &sDb) { pRunCommand([this, sDb] { pOpenProjectFile(sDb); }); }, m_pClient);
    m_pClient->pOnLayout = [this] { pLayoutClient(); };
    m_pSplitter->fProponi = [this](int iNewLeft) { return fSplitterMoved(iNewLeft); };

    // the canvas's tool: the pointer and the keys turned into commands
    TAreaCanvas &canvas = m_pVista->fCanvas();
    m_pStrumento = new TStrumentoSelezione(m_ctx, canvas, this);
    m_pStrumento->fnTasto = [this, &canvas](QKeyEvent *pEvent) { return fTastoCanvas(m_ctx, canvas, pEvent); };
    canvas.pSetStrumento(m_pStrumento);

    // the check and the I/O cross-reference, below the canvas, opened from the "Progetto" menu
    m_pDockVerifica = new TCheckDock(m_ctx, this);
    m_pDockIo = new TIoDock(m_ctx, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_pDockVerifica);
    tabifyDockWidget(m_pDockVerifica, m_pDockIo);
    m_pDockVerifica->hide();
    m_pDockIo->hide();
    // the selection's properties, beside the canvas, opened from the "Vista" menu
    m_pDockProprieta = new TDockProprieta(m_ctx, this);
    addDockWidget(Qt::RightDockWidgetArea, m_pDockProprieta);
    m_pDockProprieta->hide();
    connect(m_pDockVerifica, &TCheckDock::sigConteggio, &m_pVista->fBarraStato(), &TBarraStato::pConteggio);
}

void TFrmBase::pCollegaProgetto()
{
    TAzioni &az = *m_pAzioni;
    auto fCollega = [this](QAction *pEntry, const std::function<void()> &fn) {
        connect(pEntry, &QAction::triggered, this, [this, fn] { pRunCommand(fn); });
    };
    fCollega(az[TAzione::NuovoProgetto], [this] { pNuovoProgetto(m_ctx); });
    fCollega(az[TAzione::ApriProgetto], [this] { pApriProgetto(m_ctx); });
    fCollega(az[TAzione::ChiudiProgetto], [this] { pChiudiProgetto(m_ctx); });
    const auto pMostraErrori = [this] { pApriDock(*this, m_pDockVerifica, m_pClient); };
    fCollega(az[TAzione::EsportaProgetto], [this, pMostraErrori] {
        pEsportaProgetto(m_ctx, this, pMostraErrori);
        if (m_pAnteprima && m_pAnteprima->isVisible())
            m_pAnteprima->pRicarica(m_pAnteprima->fAreaMostrata()); // the preview shows what was just written
    });
    fCollega(az[TAzione::VerificaProgetto], [this] { pApriDock(*this, m_pDockVerifica, m_pClient); });
    fCollega(az[TAzione::IngressiUscite], [this] { pApriDock(*this, m_pDockIo, m_pClient); });
    fCollega(az[TAzione::AnteprimaPannello], [this] { pAnteprimaPannello(); });
    fCollega(az[TAzione::DocumentazionePdf], [this] { pDocumentazionePdf(m_ctx); });
    fCollega(az[TAzione::RipristinaCopia], [this] { pRipristinaCopia(m_ctx); });
    fCollega(az[TAzione::ImportaDalPannello], [this] { pImportaDalPannello(m_ctx); });
    connect(az[TAzione::Esci], &QAction::triggered, this, &QWidget::close);
    QMenu *pRecenti = az.fMenu(TMenu::ProgettiRecenti);
    connect(pRecenti, &QMenu::aboutToShow, this, [this, pRecenti] {
        pAggiornaRecenti(pRecenti, [this](const QString &sDb) { pRunCommand([this, sDb] { pOpenProjectFile(sDb); }); });
    });
    fCollega(az[TAzione::Guida], [this] { pMostraGuida(this); });
    fCollega(az[TAzione::Informazioni], [this] { pInformazioni(fDialogs()); });
    connect(az.fGruppoIcone(), &QActionGroup::triggered, this,
            [this](QAction *pEntry) { m_iIconSize = pEntry->data().toInt(); });

    // the views start again with every project, and a project opened or created heads the recent ones
    connect(m_pDoc, &TProjectDocument::sigProgetto, this, [this](bool bAperto) {
        pAggiornaComandi();
        pMostraBenvenuto();
        if (bAperto)
            pAggiungiRecente(m_pDoc->fDatabase());
        else if (m_pAnteprima)
            m_pAnteprima->hide();
    });
    connect(m_pDoc, &TProjectDocument::sigAvviso, &m_pVista->fBarraStato(), &TBarraStato::pAvviso);

    // the tool bar
    connect(m_pBarra, &TBarraStrumenti::sigNuovaArea, this,
            [this] { pRunCommand([this] { m_pAlbero->BtnNewAreaClick(); }); });
    connect(m_pBarra, &TBarraStrumenti::sigSfondo, this,
            [this] { pRunCommand([this] { pSfondo(m_ctx, m_pVista->fCanvas().fSopraSfondo(), this); }); });
    connect(m_pBarra, &TBarraStrumenti::sigZoomIn, this, [this] {
        pRunCommand([this] { pZoomIn(m_ctx, {m_iIconSize, m_pVista->fCanvas().fPosizioneNuovi()}); });
    });
    connect(m_pBarra, &TBarraStrumenti::sigAggiungi, this, [this](int iTipo) {
        pRunCommand([this, iTipo] {
            pAggiungiSensore(m_ctx, iTipo, {m_iIconSize, m_pVista->fCanvas().fPosizioneNuovi()});
        });
    });
}

void TFrmBase::pCollegaModifica()
{
    TAzioni &az = *m_pAzioni;
    auto fCollega = [this](QAction *pEntry, const std::function<void()> &fn) {
        connect(pEntry, &QAction::triggered, this, [this, fn] { pRunCommand(fn); });
    };
    QUndoStack *pUndo = m_pDoc->fUndoStack();
    fCollega(az[TAzione::Annulla], [pUndo] {
        if (pUndo->canUndo())
            pUndo->undo();
    });
    fCollega(az[TAzione::Ripeti], [pUndo] {
        if (pUndo->canRedo())
            pUndo->redo();
    });
    connect(pUndo, &QUndoStack::canUndoChanged, az[TAzione::Annulla], &QAction::setEnabled);
    connect(pUndo, &QUndoStack::canRedoChanged, az[TAzione::Ripeti], &QAction::setEnabled);
    connect(pUndo, &QUndoStack::undoTextChanged, this, [this](const QString &sStep) {
        (*m_pAzioni)[TAzione::Annulla]->setText(sStep.isEmpty() ? tr("Annulla") : tr("Annulla ") + sStep);
    });
    connect(pUndo, &QUndoStack::redoTextChanged, this, [this](const QString &sStep) {
        (*m_pAzioni)[TAzione::Ripeti]->setText(sStep.isEmpty() ? tr("Ripeti") : tr("Ripeti ") + sStep);
    });

    TAreaCanvas &canvas = m_pVista->fCanvas();
    fCollega(az[TAzione::Duplica], [this] {
        if (const std::optional<TChiave> corrente = m_pSel->fCorrente())
            pDuplica(m_ctx, corrente->iId);
    });
    auto fAdatta = [this, &canvas] {
        pRunCommand([this, &canvas] { pAdattaSfondo(m_ctx, canvas.fSopraSfondo(), this); });
    };
    connect(az[TAzione::AdattaSfondo], &QAction::triggered, this, fAdatta);
    connect(m_pAlbero, &TPannelloAree::sigAdattaSfondo, this, fAdatta);
    connect(m_pDockVerifica, &TCheckDock::sigAdattaSfondo, this, fAdatta);
    auto pAbilitaAdatta = [this] {
        (*m_pAzioni)[TAzione::AdattaSfondo]->setEnabled(m_pDoc->fAperto() && m_pDoc->fAreaMostrata() != 0);
    };
    connect(m_pDoc, &TProjectDocument::sigAreaMostrata, this, pAbilitaAdatta);
    connect(m_pDoc, &TProjectDocument::sigProgetto, this, pAbilitaAdatta);

    // the selection's commands; what is selected or pasted takes the keys
    fCollega(az[TAzione::SelezionaTutto], [this, &canvas] {
        pSelezionaTutto(m_ctx);
        canvas.setFocus(Qt::OtherFocusReason);
    });
    fCollega(az[TAzione::Copia], [this] { pCopia(m_ctx); });
    fCollega(az[TAzione::Taglia], [this] { pTaglia(m_ctx); });
    fCollega(az[TAzione::Incolla], [this, &canvas] {
        pIncolla(m_ctx, false, canvas.fGriglia());
        canvas.setFocus(Qt::OtherFocusReason);
    });
    fCollega(az[TAzione::IncollaSpeciale], [this, &canvas] {
        pIncolla(m_ctx, true, canvas.fGriglia());
        canvas.setFocus(Qt::OtherFocusReason);
    });
    connect(az.fMenu(TMenu::Allinea), &QMenu::triggered, this, [this](QAction *pEntry) {
        pRunCommand([this, pEntry] { pAllinea(m_ctx, TAllineamento(pEntry->data().toInt())); });
    });
    connect(az[TAzione::EtichetteUnite], &QAction::toggled, this, [](bool bUnite) { pImpostaEtichetteUnite(bUnite); });
}

void TFrmBase::pCollegaVista()
{
    TAzioni &az = *m_pAzioni;
    connect(az[TAzione::Ingrandisci], &QAction::triggered, m_pVista, &TVistaArea::pIngrandisci);
    connect(az[TAzione::Riduci], &QAction::triggered, m_pVista, &TVistaArea::pRiduci);
    connect(az[TAzione::AdattaFinestra], &QAction::triggered, m_pVista, &TVistaArea::pAdattaAllaFinestra);
    connect(az.fGruppoZoom(), &QActionGroup::triggered, this,
            [this](QAction *pEntry) { m_pVista->pSetZoom(pEntry->data().toInt()); });
    connect(m_pVista, &TVistaArea::sigZoom, m_pAzioni, &TAzioni::pSegnaZoom);

    // the properties dock, shown and hidden from its entry, which follows it
    QAction *pProprieta = az[TAzione::PannelloProprieta];
    connect(pProprieta, &QAction::triggered, this, [this](bool bMostra) {
        if (bMostra)
            pApriDock(*this, m_pDockProprieta, m_pClient);
        else
            m_pDockProprieta->hide();
    });
    // (the dock, not the window: it is hidden again while the window is being destroyed)
    connect(m_pDockProprieta, &QDockWidget::visibilityChanged, pProprieta,
            [pDock = m_pDockProprieta, pProprieta] { pProprieta->setChecked(!pDock->isHidden()); });

    // the grid, its step, and the numbers: the screen only
    TAreaCanvas &canvas = m_pVista->fCanvas();
    connect(az[TAzione::Griglia], &QAction::toggled, this,
            [this, &canvas](bool bGriglia) { canvas.pSetGriglia(bGriglia ? m_iPassoGriglia : 0); });
    connect(az.fGruppoGriglia(), &QActionGroup::triggered, this, [this, &canvas](QAction *pEntry) {
        m_iPassoGriglia = pEntry->data().toInt();
        if (canvas.fGriglia() > 0)
            canvas.pSetGriglia(m_iPassoGriglia);
    });
    connect(az[TAzione::MostraNumeri], &QAction::toggled, this,
            [this, &canvas](bool bMostra) { pRunCommand([&canvas, bMostra] { canvas.pSetMostraNumeri(bMostra); }); });
}

void TFrmBase::pCollegaOggetti()
{
    TAzioni &az = *m_pAzioni;
    connect(m_pStrumento, &TStrumentoSelezione::sigMenu, this, &TFrmBase::pMenuOggetto);
    connect(m_pStrumento, &TStrumentoSelezione::sigProprieta, this, [this](qint64 iId) { pProprieta(m_ctx, iId); });
    auto fCollega = [this](QAction *pEntry, const std::function<void(qint64)> &fn) {
        connect(pEntry, &QAction::triggered, this, [this, fn] { pSuOggettoDelMenu(fn); });
    };
    fCollega(az[TAzione::EliminaSensore], [this](qint64 iId) { pEliminaSensore(m_ctx, iId); });
    fCollega(az[TAzione::AggiungiTesto], [this](qint64 iId) { m_pTesti->pAggiungi(iId); });
    fCollega(az[TAzione::PopDuplica], [this](qint64 iId) { pDuplica(m_ctx, iId); });
    fCollega(az[TAzione::PopProprieta], [this](qint64 iId) { pProprieta(m_ctx, iId); });
    fCollega(az[TAzione::EliminaTesto], [this](qint64 iId) { m_pTesti->pElimina(iId); });
    fCollega(az[TAzione::ModificaTesto], [this](qint64 iId) { m_pTesti->pModifica(iId); });
    fCollega(az[TAzione::DimensioneColore], [this](qint64 iId) { m_pTesti->pDimensioneColore(iId); });
}

void TFrmBase::pMenuOggetto(const TChiave &chiave, const QPoint &globalPos)
{
    m_chiaveMenu = chiave;
    m_pAzioni->fMenu(chiave.eParte == TParte::Testo ? TMenu::PopLabel : TMenu::PopImg)->popup(globalPos);
}

void TFrmBase::pSuOggettoDelMenu(const std::function<void(qint64)> &fn)
{
    // each entry acts on the item its menu was opened on; one gone meanwhile leaves nothing to do
    const qint64 iId = m_chiaveMenu.iId;
    pRunCommand([this, iId, fn] {
        if (m_pDoc->fOggetto(iId))
            fn(iId);
    });
}

void TFrmBase::pImpostaGriglia(bool bGriglia, int iPasso)
{
    TAzioni &az = *m_pAzioni;
    for (QAction *pEntry : az.fGruppoGriglia()->actions())
        if (pEntry->data().toInt() == iPasso) {
            pEntry->setChecked(true);
            m_iPassoGriglia = iPasso;
        }
    az[TAzione::Griglia]->setChecked(bGriglia);
    m_pVista->fCanvas().pSetGriglia(bGriglia ? m_iPassoGriglia : 0);
    // restoreState may have shown the properties dock
    az[TAzione::PannelloProprieta]->setChecked(!m_pDockProprieta->isHidden());
}

void TFrmBase::pAnteprimaPannello()
{
    if (!m_pDoc->fAperto())
        return;
    if (!m_pAnteprima)
        m_pAnteprima = new TFrmAnteprima(
            m_ctx, [this] { pEsportaProgetto(m_ctx, this, [this] { pApriDock(*this, m_pDockVerifica, m_pClient); }); },
            this);
    m_pAnteprima->pRicarica(m_pDoc->fAreaMostrata());
    m_pAnteprima->show();
    m_pAnteprima->raise();
}

// --- start-up and shutdown -------------------------------------------------

void TFrmBase::FormCreate(const QString &sProgramPath)
{
    (*m_pAzioni)[TAzione::About]->setText(QStringLiteral("&Ombrix 160131-A"));
    // a failing step is reported and the steps after it are skipped; the window still opens
    pRunCommand([&] {
        pWorkspaceStartup(sProgramPath);
        const TOpzioniFinestra opz = fOpzioniFinestra();
        m_iIconSize = opz.iIconSize;
        if (QAction *pEntry = findChild<QAction *>(QStringLiteral("N") + QString::number(m_iIconSize)))
            pEntry->setChecked(true);
        (*m_pAzioni)[TAzione::EtichetteUnite]->setChecked(fEtichetteUnite());
        if (!opz.abGeometria.isEmpty())
            restoreGeometry(opz.abGeometria);
        if (!opz.abStato.isEmpty())
            restoreState(opz.abStato);
        if (opz.iAlbero >= iMinLeftWidth)
            m_iLeftWidth = opz.iAlbero;
        pDentroSchermo(*this);
        pLayoutClient();
        m_pVista->pSetZoom(opz.iZoom);
        pImpostaGriglia(opz.bGriglia, opz.iPassoGriglia);
        m_pBarra->pLoadToolbarIcons();
    });
    pMostraBenvenuto();
}

void TFrmBase::pMostraBenvenuto()
{
    const bool bVuota = !m_pDoc->fAperto();
    if (bVuota) {
        m_pBenvenuto->pAggiorna();
        m_pBenvenuto->raise();
    }
    m_pBenvenuto->setVisible(bVuota);
}

void TFrmBase::FormDestroy()
{
    {
        const QSignalBlocker blocker(m_pDoc); // the window is going: nothing to show
        m_pDoc->pChiudiProgetto();
    }
    TOpzioniFinestra opz;
    opz.iIconSize = m_iIconSize;
    opz.iZoom = m_pVista->fZoom();
    opz.abGeometria = saveGeometry();
    opz.abStato = saveState();
    opz.iAlbero = m_iLeftWidth;
    opz.bGriglia = m_pVista->fCanvas().fGriglia() > 0;
    opz.iPassoGriglia = m_iPassoGriglia;
    try {
        pWorkspaceShutdown(&opz);
    } catch (const std::exception &e) {
        // the program ends all the same; there is no window left to show it in
        std::fprintf(stderr, "ombrix: %s\n", e.what());
    }
}

// --- the command boundary ----------------------------------------------------

void TFrmBase::pSetDialogs(TDialogs *pDialogs)
{
    m_pDialogs = pDialogs ? pDialogs : m_pQtDialogs.get();
}

void TFrmBase::pSetFontDialog(TFrmFont *pFrmFont)
{
    m_pTesti->pSetFontDialog(pFrmFont);
}

void TFrmBase::pMessaggio(const QString &sTesto)
{
    m_pVista->fBarraStato().pMessaggio(sTesto);
}

void TFrmBase::pOpenProjectFile(const QString &sDb)
{
    pApriFileProgetto(m_ctx, sDb);
}

void TFrmBase::pRunCommand(const std::function<void()> &f)
{
    if (m_bInCommand) { // a command run from inside another one fails with it
        f();
        return;
    }
    m_bInCommand = true;
    QString sFailure;
    bool bFailed = false;
    try {
        f();
        if (m_pPendingFailure)
            std::rethrow_exception(std::exchange(m_pPendingFailure, nullptr));
    } catch (const TOmbrixError &e) {
        bFailed = true;
        sFailure = e.fMessage();
    } catch (const std::exception &e) {
        bFailed = true;
        sFailure = QString::fromLocal8Bit(e.what());
    }
    m_pPendingFailure = nullptr;
    m_bInCommand = false;
    if (bFailed) {
        pResyncAfterFailure();
        fDialogs().pErrorBox(sFailure);
    }
}

void TFrmBase::pViewFailed(std::exception_ptr pFailure)
{
    if (!m_pPendingFailure)
        m_pPendingFailure = pFailure;
    if (!m_bInCommand) { // not inside a command: report it now
        pRunCommand([] {});
    }
}

void TFrmBase::pResyncAfterFailure()
{
    TAreaCanvas &canvas = m_pVista->fCanvas();
    pAggiornaComandi();
    if (!m_pDoc->fAperto()) {
        // nothing may suggest a project that is not open
        m_pAlbero->pSvuota();
        canvas.pSvuota();
        return;
    }
    try {
        canvas.pRepaintAll();
    } catch (const std::exception &) {
        canvas.pWipeBlines(); // lines that cannot be read are not shown
    }
}

void TFrmBase::pAggiornaComandi()
{
    m_pAzioni->pAbilitaProgetto(m_pDoc->fAperto());
    m_pBarra->pAggiorna();
}

// --- the window ----------------------------------------------------------------

void TFrmBase::pLayoutClient()
{
    const int iWidth = m_pClient->width();
    const int iHeight = m_pClient->height();
    const int iPanelsHeight = iHeight - iToolBarHeight;
    m_pBarra->setGeometry(0, 0, iWidth, iToolBarHeight);
    m_pAlbero->setGeometry(0, iToolBarHeight, m_iLeftWidth, iPanelsHeight);
    m_pSplitter->setGeometry(m_iLeftWidth, iToolBarHeight, iSplitterWidth, iPanelsHeight);
    m_pVista->setGeometry(m_iLeftWidth + iSplitterWidth, iToolBarHeight, iWidth - m_iLeftWidth - iSplitterWidth,
                          iPanelsHeight);
    m_pBenvenuto->setGeometry(m_pVista->geometry());
}

bool TFrmBase::fSplitterMoved(int iNewLeftWidth)
{
    const int iClient = m_pClient->width();
    const int iNuovaDestra = iClient - iNewLeftWidth - iSplitterWidth;
    const int iDestra = iClient - m_iLeftWidth - iSplitterWidth;
    // on a narrow window the right panel may still grow, towards the bezel's width
    if (iNewLeftWidth < iMinLeftWidth || (iNuovaDestra < iBezelWidth && iNuovaDestra <= iDestra))
        return false;
    m_iLeftWidth = iNewLeftWidth;
    pLayoutClient();
    return true;
}

void TFrmBase::showEvent(QShowEvent *pEvent)
{
    QMainWindow::showEvent(pEvent);
    pDentroSchermo(*this);
}
