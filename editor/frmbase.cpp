#include "editor/frmbase.h"

#include "document/projectdocument.h"
#include "editor/anteprima.h"
#include "editor/bezel.h"
#include "editor/canvascontrols.h"
#include "editor/checkdock.h"
#include "editor/dragging.h"
#include "editor/iodock.h"
#include "editor/placement.h"
#include "model/appfonts.h"
#include "workspace/errors.h"
#include "workspace/settings.h"
#include "workspace/uty.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cstdio>
#include <utility>

namespace {

constexpr int iClientWidth = 909;
constexpr int iClientHeight = 470;
constexpr int iToolBarHeight = 50;
constexpr int iSplitterWidth = 3;
constexpr int iBezelWidth = 584;
constexpr int iMinLeftWidth = 150;
constexpr int iStatusHeight = 19;

} // namespace

// --- the splitter bar ------------------------------------------------------

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

// --- construction ----------------------------------------------------------

TFrmBase::TFrmBase(const QString &sProgramPath, TDialogs *pDialogs, QWidget *pParent)
    : QMainWindow(pParent), m_pQtDialogs(std::make_unique<TQtDialogs>(this)),
      m_pDialogs(pDialogs ? pDialogs : m_pQtDialogs.get())
{
    setObjectName(QStringLiteral("FrmBase"));
    setWindowTitle(tr("Ombrix KP5800 maps generator"));
    QFont font(fTahomaFamily());
    font.setPointSize(8);
    setFont(font);

    m_pDoc = new TProjectDocument(this);
    pBuildMenus();
    pBuildPanels();
    pBuildToolBar();
    pConnectCommands();
    pConnectDocument();
    // the check and the I/O cross-reference, below the canvas, opened from the "Progetto" menu
    DockVerifica = new TCheckDock(*this);
    DockIngressiUscite = new TIoDock(*this);
    addDockWidget(Qt::BottomDockWidgetArea, DockVerifica);
    tabifyDockWidget(DockVerifica, DockIngressiUscite);
    DockVerifica->hide();
    DockIngressiUscite->hide();

    // client area 909 x 470 below the menu, centred on the screen
    resize(iClientWidth, iClientHeight + menuBar()->sizeHint().height());
    if (const QScreen *pScreen = screen()) {
        const QRect rcScreen = pScreen->availableGeometry();
        move(rcScreen.center() - QPoint(width() / 2, height() / 2));
    }

    FormCreate(sProgramPath.isEmpty() ? QCoreApplication::applicationFilePath() : sProgramPath);
}

TFrmBase::~TFrmBase()
{
    FormDestroy();
}

void TFrmBase::pBuildMenus()
{
    QMenu *pMnuProgetto = menuBar()->addMenu(tr("&Progetto"));
    MnuNuovoProgetto = pMnuProgetto->addAction(tr("&Nuovo Progetto"));
    MnuNuovoProgetto->setObjectName(QStringLiteral("MnuNuovoProgetto"));
    MnuApriProgetto = pMnuProgetto->addAction(tr("&Apri Progetto"));
    MnuEsportaProgetto = pMnuProgetto->addAction(tr("&Esporta Progetto"));
    MnuChiudiProgetto = pMnuProgetto->addAction(tr("&Chiudi Progetto"));
    pMnuProgetto->addSeparator();
    MnuVerificaProgetto = pMnuProgetto->addAction(tr("&Verifica Progetto"));
    MnuIngressiUscite = pMnuProgetto->addAction(tr("&Ingressi/Uscite"));
    MnuEsportaProgetto->setEnabled(false);
    MnuChiudiProgetto->setEnabled(false);
    MnuVerificaProgetto->setEnabled(false);
    MnuIngressiUscite->setEnabled(false);
    MnuAnteprimaPannello = pMnuProgetto->addAction(tr("Anteprima Pannello"));
    MnuAnteprimaPannello->setToolTip(tr("Le pagine dell'ultima esportazione come le mostra il pannello"));
    MnuDocumentazionePdf = pMnuProgetto->addAction(tr("Documentazione PDF…"));
    MnuDocumentazionePdf->setToolTip(tr("Documento A4 delle pagine e degli ingressi e uscite"));
    MnuAnteprimaPannello->setEnabled(false);
    MnuDocumentazionePdf->setEnabled(false);
    MnuProgettiRecenti = pMnuProgetto->addMenu(tr("Progetti recenti"));
    MnuProgettiRecenti->setObjectName(QStringLiteral("MnuProgettiRecenti"));
    MnuProgettiRecenti->menuAction()->setToolTip(tr("Gli ultimi progetti aperti o creati"));
    connect(MnuProgettiRecenti, &QMenu::aboutToShow, this, [this] { pAggiornaRecenti(); });
    MnuRipristinaCopia = pMnuProgetto->addAction(tr("Ripristina copia…"));
    MnuRipristinaCopia->setObjectName(QStringLiteral("MnuRipristinaCopia"));
    MnuRipristinaCopia->setToolTip(tr("Rimette il progetto com'era in una delle sue copie automatiche"));
    MnuRipristinaCopia->setEnabled(false);

    QMenu *pMnuModifica = menuBar()->addMenu(tr("&Modifica"));
    MnuAnnulla = pMnuModifica->addAction(tr("Annulla"));
    MnuAnnulla->setObjectName(QStringLiteral("MnuAnnulla"));
    MnuAnnulla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    MnuAnnulla->setToolTip(tr("Annulla l'ultima modifica"));
    MnuAnnulla->setEnabled(false);
    MnuRipeti = pMnuModifica->addAction(tr("Ripeti"));
    MnuRipeti->setObjectName(QStringLiteral("MnuRipeti"));
    MnuRipeti->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    MnuRipeti->setToolTip(tr("Ripeti la modifica annullata"));
    MnuRipeti->setEnabled(false);
    MnuDuplica = pMnuModifica->addAction(tr("Duplica"));
    MnuDuplica->setObjectName(QStringLiteral("MnuDuplica"));
    MnuDuplica->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    MnuDuplica->setToolTip(tr("Duplica il sensore selezionato"));
    MnuDuplica->setEnabled(false);
    MnuAdattaSfondo = pMnuModifica->addAction(tr("Adatta immagine di sfondo…"));
    MnuAdattaSfondo->setObjectName(QStringLiteral("MnuAdattaSfondo"));
    MnuAdattaSfondo->setToolTip(tr("Adatta un'immagine o una pagina PDF alla pagina dell'area"));
    MnuAdattaSfondo->setEnabled(false);
    pBuildMenuSelezione(pMnuModifica);

    QMenu *pMnuDimensione = menuBar()->addMenu(tr("&Dimensione icona"));
    GrpIconSize = new QActionGroup(this);
    GrpIconSize->setExclusive(true);
    N48 = pMnuDimensione->addAction(QStringLiteral("&48"));
    N32 = pMnuDimensione->addAction(QStringLiteral("&32"));
    N16 = pMnuDimensione->addAction(QStringLiteral("&16"));
    for (QAction *pEntry : {N48, N32, N16}) {
        pEntry->setCheckable(true);
        GrpIconSize->addAction(pEntry);
    }
    N32->setChecked(true);

    QMenu *pMnuInfo = menuBar()->addMenu(tr("&Info"));
    MnuAbout = pMnuInfo->addAction(QStringLiteral("About"));
    MnuGuida = pMnuInfo->addAction(tr("Guida"));
    MnuGuida->setObjectName(QStringLiteral("MnuGuida"));
    MnuGuida->setShortcut(QKeySequence(Qt::Key_F1));
    MnuGuida->setToolTip(tr("La guida di Ombrix"));
    connect(MnuGuida, &QAction::triggered, this, [this] { pRunCommand([this] { MnuGuidaClick(); }); });
    MnuInformazioni = pMnuInfo->addAction(tr("Informazioni su Ombrix…"));
    MnuInformazioni->setObjectName(QStringLiteral("MnuInformazioni"));
    MnuInformazioni->setToolTip(tr("Versione, librerie e licenze"));
    connect(MnuInformazioni, &QAction::triggered, this, [this] { pRunCommand([this] { MnuInformazioniClick(); }); });

    N48->setObjectName(QStringLiteral("N48"));
    N32->setObjectName(QStringLiteral("N32"));
    N16->setObjectName(QStringLiteral("N16"));

    PopTv = new QMenu(this);
    PopEliminaArea = PopTv->addAction(tr("Elimina Area"));
    PopRinomina = PopTv->addAction(tr("Rinomina"));
    PopAdattaSfondo = PopTv->addAction(tr("Adatta immagine di sfondo…"));
    PopAdattaSfondo->setObjectName(QStringLiteral("PopAdattaSfondo"));
    PopAdattaSfondo->setToolTip(MnuAdattaSfondo->toolTip());
    PopAdattaSfondo->setEnabled(false);
    PopDuplicaArea = PopTv->addAction(tr("Duplica area…"));
    PopDuplicaArea->setObjectName(QStringLiteral("PopDuplicaArea"));
    PopDuplicaArea->setToolTip(tr("Una copia dell'area con le sue aree di dettaglio"));

    popImg = new QMenu(this);
    MnuEliminaSensore = popImg->addAction(tr("Elimina"));
    MnuAggiungitesto = popImg->addAction(tr("Aggiungi testo"));
    PopDuplica = popImg->addAction(tr("Duplica"));
    PopDuplica->setObjectName(QStringLiteral("PopDuplica"));
    PopDuplica->setToolTip(tr("Duplica il sensore"));
    PopProprieta = popImg->addAction(tr("Proprietà…"));
    PopProprieta->setObjectName(QStringLiteral("PopProprieta"));
    PopProprieta->setToolTip(tr("Numero, tipo e testo del sensore"));

    PopLabel = new QMenu(this);
    PopEliminaLabel = PopLabel->addAction(tr("Elimina"));
    popModTesto = PopLabel->addAction(tr("Modifica testo"));
    popDimensioneColore = PopLabel->addAction(tr("Dimensione/Colore"));
}

void TFrmBase::pBuildPanels()
{
    m_pClient = new TClientArea(this);
    setCentralWidget(m_pClient);

    Panel2 = new QWidget(m_pClient);
    Panel2->setObjectName(QStringLiteral("Panel2"));

    PanelSx = new QWidget(m_pClient);
    PanelSx->setObjectName(QStringLiteral("PanelSx"));
    auto *pSxLayout = new QVBoxLayout(PanelSx);
    pSxLayout->setContentsMargins(0, 0, 0, 0);
    pSxLayout->setSpacing(0);
    Label1 = new QLabel(tr("Aree"), PanelSx);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont fontTitle(fTahomaFamily());
    fontTitle.setPixelSize(19);
    Label1->setFont(fontTitle);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setContentsMargins(0, 10, 0, 10);
    QPalette palTitle = Label1->palette();
    palTitle.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    Label1->setPalette(palTitle);
    pSxLayout->addWidget(Label1);

    TvAree = new QTreeWidget(PanelSx);
    TvAree->setObjectName(QStringLiteral("TvAree"));
    QFont fontTree(fTahomaFamily());
    fontTree.setPixelSize(16);
    fontTree.setBold(true);
    TvAree->setFont(fontTree);
    TvAree->setHeaderHidden(true);
    TvAree->setColumnCount(1);
    TvAree->setIndentation(19);
    TvAree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TvAree->setSelectionMode(QAbstractItemView::SingleSelection);
    TvAree->setMouseTracking(true);
    TvAree->viewport()->setAttribute(Qt::WA_Hover);
    // the node under the mouse is highlighted; selection and text colours keep the tree's own drawing
    TvAree->setStyleSheet(QStringLiteral("QTreeView::item:hover:!selected { background: #dbe8fb; }"));
    TvAree->setContextMenuPolicy(Qt::CustomContextMenu);
    TvAree->installEventFilter(this);
    TvAree->viewport()->installEventFilter(this);
    pSxLayout->addWidget(TvAree, 1);

    Splitter1 = new TSplitterBar(m_pClient);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));

    PanelDx = new QWidget(m_pClient);
    PanelDx->setObjectName(QStringLiteral("PanelDx"));
    PanelDx->setAutoFillBackground(true);
    QPalette palDx = PanelDx->palette();
    palDx.setColor(QPalette::Window, Qt::white);
    PanelDx->setPalette(palDx);

    Image1 = new QLabel(PanelDx);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(fBezelPicture());
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    SbarAree = new QStatusBar(PanelDx);
    SbarAree->setObjectName(QStringLiteral("SbarAree"));
    SbarAree->setSizeGripEnabled(false);
    const std::pair<QLabel **, const char *> aCelle[] = {
        {&SbarTipo, "SbarTipo"},           {&SbarNumero, "SbarNumero"},     {&SbarTesto, "SbarTesto"},
        {&SbarPosizione, "SbarPosizione"}, {&SbarElemento, "SbarElemento"}, {&SbarArea, "SbarArea"}};
    const int aiWidths[] = {50, 50, 70, 100, 80, 100};
    for (int i = 0; i < 6; ++i) {
        auto *pCell = new QLabel(SbarAree);
        pCell->setObjectName(QString::fromLatin1(aCelle[i].second));
        pCell->setAccessibleName(QString::fromLatin1(aCelle[i].second));
        pCell->setFixedWidth(aiWidths[i]);
        pCell->setFrameShape(QFrame::Panel);
        pCell->setFrameShadow(QFrame::Sunken);
        SbarAree->addWidget(pCell);
        *aCelle[i].first = pCell;
    }
    SbarMessaggio = new QLabel(SbarAree);
    SbarMessaggio->setObjectName(QStringLiteral("SbarMessaggio"));
    SbarMessaggio->setAccessibleName(QStringLiteral("SbarMessaggio"));
    SbarAree->addWidget(SbarMessaggio, 1);

    PnlImgArea = new QWidget(PanelDx);
    PnlImgArea->setObjectName(QStringLiteral("PnlImgArea"));
    PnlImgArea->setFixedSize(480, 272);
    PnlImgArea->setFocusPolicy(Qt::ClickFocus); // the keys of the selection
    PnlImgArea->setAccessibleName(tr("Area"));
    PnlImgArea->installEventFilter(this);

    Image_1 = new QLabel(PnlImgArea);
    Image_1->setObjectName(QStringLiteral("Image_1"));
    Image_1->setGeometry(0, 0, 480, 272);
    Image_1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ImgBanner = new QLabel(PnlImgArea);
    ImgBanner->setObjectName(QStringLiteral("ImgBanner"));
    ImgBanner->setGeometry(0, 0, 480, 34);
    ImgBanner->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ImgCanvas = new TCanvasOverlay(PnlImgArea);
    ImgCanvas->setObjectName(QStringLiteral("ImgCanvas"));
    ImgCanvas->setGeometry(0, 0, 480, 272);
    ImgCanvas->raise();

    m_pClient->pOnLayout = [this] { pLayoutClient(); };
    Splitter1->fProponi = [this](int iNewLeft) { return fSplitterMoved(iNewLeft); };
}

void TFrmBase::pBuildToolBar()
{
    struct TButtonDef
    {
        QToolButton **ppBtn;
        const char *szName;
        int iLeft;
        const char *szHint;
        const char *szFile;
    };
    const TButtonDef aDefs[] = {
        {&BtnNewArea, "BtnNewArea", 0, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi Livello base"), "new.bmp"},
        {&BtnSfondo, "BtnSfondo", 48, QT_TRANSLATE_NOOP("TFrmBase", "Immagine di sfondo"), "sfondo.bmp"},
        {&BtnZoomIn, "BtnZoomIn", 96, QT_TRANSLATE_NOOP("TFrmBase", "Zoom In"), "zoomin.bmp"},
        {&BtnVolumetrico, "BtnVolumetrico", 165, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi volumetrico"), "vol.bmp"},
        {&BtnContact, "BtnContact", 213, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi contatto"), "cont.bmp"},
        {&BtnBarriera, "BtnBarriera", 261, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi barriera"), "bar.bmp"},
        {&BtnTelecamera, "BtnTelecamera", 309, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi telecamera"), "tel.bmp"},
        {&BtnLampada, "BtnLampada", 381, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi lampada"), "lamp.bmp"},
        {&BtnTapsu, "BtnTapsu", 429, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi tapparelle su"), "tapsu.bmp"},
        {&BtnTapgiu, "BtnTapgiu", 477, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi tapparelle giù"), "tapgiu.bmp"},
        {&btnIrrig, "btnIrrig", 525, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi Irrigazione"), "irrig.bmp"},
        {&BtnAlarm, "BtnAlarm", 573, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi allarme"), "alarm.bmp"},
    };
    for (const TButtonDef &def : aDefs) {
        auto *pBtn = new QToolButton(Panel2);
        pBtn->setObjectName(QString::fromLatin1(def.szName));
        pBtn->setGeometry(def.iLeft, 0, 50, 50);
        pBtn->setToolTip(tr(def.szHint));
        pBtn->setCursor(Qt::PointingHandCursor);
        pBtn->setAutoRaise(true);
        pBtn->setToolButtonStyle(Qt::ToolButtonIconOnly);
        const QPixmap pixBuiltin = fBuiltinButtonPicture(QString::fromLatin1(def.szFile));
        if (!pixBuiltin.isNull()) {
            pBtn->setIcon(QIcon(pixBuiltin));
            pBtn->setIconSize(pixBuiltin.size());
        }
        pBtn->setEnabled(false);
        *def.ppBtn = pBtn;
    }
    BtnTelecamera->hide();
}

void TFrmBase::pConnectCommands()
{
    connect(MnuNuovoProgetto, &QAction::triggered, this, [this] { pRunCommand([this] { MnuNuovoProgettoClick(); }); });
    connect(MnuApriProgetto, &QAction::triggered, this, [this] { pRunCommand([this] { MnuApriProgettoClick(); }); });
    connect(MnuChiudiProgetto, &QAction::triggered, this,
            [this] { pRunCommand([this] { MnuChiudiProgettoClick(); }); });
    connect(MnuEsportaProgetto, &QAction::triggered, this,
            [this] { pRunCommand([this] { MnuEsportaProgettoClick(); }); });
    connect(MnuVerificaProgetto, &QAction::triggered, this,
            [this] { pRunCommand([this] { pApriDock(*this, DockVerifica); }); });
    connect(MnuIngressiUscite, &QAction::triggered, this,
            [this] { pRunCommand([this] { pApriDock(*this, DockIngressiUscite); }); });
    connect(MnuAnteprimaPannello, &QAction::triggered, this,
            [this] { pRunCommand([this] { MnuAnteprimaPannelloClick(); }); });
    connect(MnuDocumentazionePdf, &QAction::triggered, this,
            [this] { pRunCommand([this] { MnuDocumentazionePdfClick(); }); });
    connect(MnuRipristinaCopia, &QAction::triggered, this,
            [this] { pRunCommand([this] { MnuRipristinaCopiaClick(); }); });
    connect(GrpIconSize, &QActionGroup::triggered, this, [this](QAction *pEntry) { RadioMnu(pEntry); });

    connect(TvAree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *pCurrent) { pOnCurrentNodeChanged(pCurrent); });
    connect(TvAree, &QTreeWidget::itemSelectionChanged, this, [this] { pKeepCurrentSelected(); });
    connect(TvAree, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (fTvAreeContextPopup(pos))
            PopTv->popup(TvAree->viewport()->mapToGlobal(pos));
    });
    connect(PopEliminaArea, &QAction::triggered, this, [this] { pRunCommand([this] { PopEliminaAreaClick(); }); });
    connect(PopRinomina, &QAction::triggered, this, [this] { pRunCommand([this] { PopRinominaClick(); }); });

    connect(BtnNewArea, &QToolButton::clicked, this, [this] { pRunCommand([this] { BtnNewAreaClick(); }); });
    connect(BtnSfondo, &QToolButton::clicked, this, [this] { pRunCommand([this] { BtnSfondoClick(); }); });
    connect(BtnZoomIn, &QToolButton::clicked, this, [this] { pRunCommand([this] { pZoomInClick(*this); }); });
    const std::pair<QToolButton *, int> aAdd[] = {{BtnVolumetrico, 1}, {BtnContact, 2}, {BtnBarriera, 4},
                                                  {BtnTelecamera, 5},  {BtnLampada, 6}, {BtnTapsu, 7},
                                                  {BtnTapgiu, 8},      {BtnAlarm, 9},   {btnIrrig, 10}};
    for (const auto &[pBtn, iTipo] : aAdd) {
        const int iType = iTipo;
        connect(pBtn, &QToolButton::clicked, this,
                [this, iType] { pRunCommand([this, iType] { pAddSensorButtonClick(*this, iType); }); });
    }
    pConnectCanvasCommands(*this);
    connect(MnuDuplica, &QAction::triggered, this, [this] { pRunCommand([this] { MnuDuplicaClick(nullptr); }); });
    for (QAction *pEntry : {MnuAdattaSfondo, PopAdattaSfondo})
        connect(pEntry, &QAction::triggered, this, [this] { pRunCommand([this] { MnuAdattaSfondoClick(); }); });
    pConnectSelezione();

    QUndoStack *pUndo = m_pDoc->fUndoStack();
    connect(MnuAnnulla, &QAction::triggered, this, [this, pUndo] {
        pRunCommand([pUndo] {
            if (pUndo->canUndo())
                pUndo->undo();
        });
    });
    connect(MnuRipeti, &QAction::triggered, this, [this, pUndo] {
        pRunCommand([pUndo] {
            if (pUndo->canRedo())
                pUndo->redo();
        });
    });
    connect(pUndo, &QUndoStack::canUndoChanged, MnuAnnulla, &QAction::setEnabled);
    connect(pUndo, &QUndoStack::canRedoChanged, MnuRipeti, &QAction::setEnabled);
    connect(pUndo, &QUndoStack::undoTextChanged, MnuAnnulla, [this](const QString &sStep) {
        MnuAnnulla->setText(sStep.isEmpty() ? tr("Annulla") : tr("Annulla ") + sStep);
    });
    connect(pUndo, &QUndoStack::redoTextChanged, MnuRipeti, [this](const QString &sStep) {
        MnuRipeti->setText(sStep.isEmpty() ? tr("Ripeti") : tr("Ripeti ") + sStep);
    });
}

void TFrmBase::pConnectDocument()
{
    // every slot reports its failure to the command that made the document change
    auto fGuard = [this](auto fn) {
        return [this, fn](auto... args) {
            try {
                fn(args...);
            } catch (...) {
                pViewFailed(std::current_exception());
            }
        };
    };
    connect(m_pDoc, &TProjectDocument::sigProgetto, this, fGuard([this](bool bAperto) {
                if (!bAperto) {
                    pSeleziona(nullptr);
                    pClearTree();
                    pPulisciTutto();
                    pClearBackground();
                }
                pSetProjectCommands(bAperto);
            }));
    // a project opened or created heads the recent projects
    connect(m_pDoc, &TProjectDocument::sigProgetto, this, [this](bool bAperto) {
        if (bAperto)
            pAggiungiRecente(m_pDoc->fDatabase());
    });
    connect(m_pDoc, &TProjectDocument::sigAreeCambiate, this, fGuard([this] { pPopolaTreeViewNew(); }));
    connect(m_pDoc, &TProjectDocument::sigAreaRinominata, this, fGuard([this](qint64 iId, const QString &sNome) {
                for (QTreeWidgetItemIterator it(TvAree); *it; ++it)
                    if ((*it)->data(0, Qt::UserRole).toLongLong() == iId)
                        (*it)->setText(0, sNome);
            }));
    connect(m_pDoc, &TProjectDocument::sigAreaMostrata, this, fGuard([this](qint64 iId) {
                pSegnaAreaMostrata(iId);
                if (iId != m_iSelArea)
                    pSeleziona(nullptr);
                pMostraAreaSulCanvas();
            }));
    connect(m_pDoc, &TProjectDocument::sigSfondoCambiato, this, fGuard([this](qint64 iId) { pLoadImgArea(iId); }));
    // fitting a background needs an area shown
    auto pAbilitaAdatta = [this] {
        for (QAction *pEntry : {MnuAdattaSfondo, PopAdattaSfondo})
            pEntry->setEnabled(m_pDoc->fAperto() && m_pDoc->fAreaMostrata() != 0);
    };
    connect(m_pDoc, &TProjectDocument::sigAreaMostrata, this, pAbilitaAdatta);
    connect(m_pDoc, &TProjectDocument::sigProgetto, this, pAbilitaAdatta);
    connect(m_pDoc, &TProjectDocument::sigOggettoAggiunto, this,
            fGuard([this](qint64 iId) { pSincronizzaOggetto(iId); }));
    connect(m_pDoc, &TProjectDocument::sigOggettoCambiato, this,
            fGuard([this](qint64 iId) { pSincronizzaOggetto(iId); }));
    connect(m_pDoc, &TProjectDocument::sigOggettoRimosso, this, fGuard([this](qint64 iId) { pRimuoviOggetto(iId); }));
    connect(m_pDoc, &TProjectDocument::sigAvviso, this, [this](const QString &s) { SbarAree->showMessage(s, 20000); });
}

// --- start-up and shutdown -------------------------------------------------

void TFrmBase::FormCreate(const QString &sProgramPath)
{
    MnuAbout->setText(QStringLiteral("&Ombrix 160131-A"));
    // a failing step is reported and the steps after it are skipped; the window still opens
    pRunCommand([&] {
        pWorkspaceStartup(sProgramPath);
        m_drag.bGlobMouseDown = false;
        if (QAction *pEntry = findChild<QAction *>(QStringLiteral("N") + QString::number(iGlobIconSize)))
            pEntry->setChecked(true);
        iGlobXcenter = PnlImgArea->width() / 2 - ImgBanner->height() / 2;
        iGlobYCenter = PnlImgArea->height() / 2 - ImgBanner->height() / 2;
        pLoadToolbarIcons();
    });
}

void TFrmBase::FormDestroy()
{
    {
        const QSignalBlocker blocker(m_pDoc); // the window is going: nothing to show
        m_pDoc->pChiudiProgetto();
    }
    try {
        pWorkspaceShutdown();
    } catch (const std::exception &e) {
        // the program ends all the same; there is no window left to show it in
        std::fprintf(stderr, "ombrix: %s\n", e.what());
    }
}

// --- dialogs and the error boundary ----------------------------------------

void TFrmBase::pSetDialogs(TDialogs *pDialogs)
{
    m_pDialogs = pDialogs ? pDialogs : m_pQtDialogs.get();
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
    if (!m_pDoc->fAperto()) {
        // nothing may suggest a project that is not open
        const QSignalBlocker blocker(TvAree);
        TvAree->clear();
        pPulisciTutto();
        Image_1->clear();
        ImgCanvas->pSetLines({});
        pSetProjectCommands(false);
        return;
    }
    // a project is open: its commands are available, whatever step failed
    pSetProjectCommands(true);
    try {
        pRepaintAll();
    } catch (const std::exception &) {
        ImgCanvas->pSetLines({}); // lines that cannot be read are not shown
    }
}

bool TFrmBase::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    if (pWatched == PnlImgArea) {
        if (pEvent->type() == QEvent::KeyPress) {
            bool bPreso = false;
            pRunCommand([&] { bPreso = fTastoCanvas(static_cast<QKeyEvent *>(pEvent)); });
            if (bPreso)
                return true;
        } else if (pEvent->type() == QEvent::MouseButtonPress || pEvent->type() == QEvent::MouseMove ||
                   pEvent->type() == QEvent::MouseButtonRelease) {
            // a press on the background, the banner or the empty canvas: a rubber band
            if (fBandaMouse(static_cast<QMouseEvent *>(pEvent)))
                return true;
        }
        return QMainWindow::eventFilter(pWatched, pEvent);
    }
    // a pop-up asked for from the keyboard has no position in the tree: no menu
    if ((pWatched == TvAree || pWatched == TvAree->viewport()) && pEvent->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(pEvent)->reason() == QContextMenuEvent::Keyboard)
        return true;
    // Taking the focus with no current node (after a delete, or back from a menu) would make the first node
    // current and so show its area; the tree takes the focus without that, and no area is shown.
    if (pWatched == TvAree && pEvent->type() == QEvent::FocusIn && !TvAree->currentItem()) {
        const QSignalBlocker blocker(TvAree);
        static_cast<QObject *>(TvAree)->event(pEvent);
        TvAree->selectionModel()->clearCurrentIndex();
        return true;
    }
    return QMainWindow::eventFilter(pWatched, pEvent);
}

// --- window ----------------------------------------------------------------

void TFrmBase::pAbilitaBtn(bool bAbilita)
{
    for (QToolButton *pBtn : {BtnNewArea, BtnSfondo, BtnBarriera, BtnTelecamera, BtnLampada, BtnTapsu, BtnTapgiu,
                              BtnAlarm, BtnVolumetrico, BtnContact, btnIrrig})
        pBtn->setEnabled(bAbilita);
}

void TFrmBase::pSetProjectCommands(bool bOpen)
{
    pAbilitaBtn(bOpen);
    BtnZoomIn->setEnabled(bOpen && fSelectedLevel() == 0);
    MnuChiudiProgetto->setEnabled(bOpen);
    MnuEsportaProgetto->setEnabled(bOpen);
    MnuDuplica->setEnabled(bOpen);
    for (QAction *pEntry : {MnuSelezionaTutto, MnuCopia, MnuTaglia, MnuIncolla, MnuIncollaSpeciale})
        pEntry->setEnabled(bOpen);
    MnuAllinea->setEnabled(bOpen);
    MnuVerificaProgetto->setEnabled(bOpen);
    MnuIngressiUscite->setEnabled(bOpen);
    MnuAnteprimaPannello->setEnabled(bOpen);
    MnuDocumentazionePdf->setEnabled(bOpen);
    if (FrmAnteprima && !bOpen)
        FrmAnteprima->hide();
    MnuRipristinaCopia->setEnabled(bOpen);
}

void TFrmBase::pLoadToolbarIcons()
{
    const std::pair<const char *, QToolButton *> aFiles[] = {
        {"new.bmp", BtnNewArea},  {"sfondo.bmp", BtnSfondo}, {"zoomin.bmp", BtnZoomIn},  {"vol.bmp", BtnVolumetrico},
        {"cont.bmp", BtnContact}, {"bar.bmp", BtnBarriera},  {"tel.bmp", BtnTelecamera}, {"lamp.bmp", BtnLampada},
        {"tapsu.bmp", BtnTapsu},  {"tapgiu.bmp", BtnTapgiu}, {"alarm.bmp", BtnAlarm},    {"irrig.bmp", btnIrrig}};
    for (const auto &[szFile, pBtn] : aFiles) {
        const QString sPath = sGlobResPath + QString::fromLatin1(szFile);
        QImageReader reader(sPath, "bmp");
        QImage img = reader.read();
        if (img.isNull())
            throw TOmbrixError(sPath + QStringLiteral(": ") + reader.errorString());
        // the colour of the bottom-left pixel is the transparent one
        QPixmap pix = QPixmap::fromImage(img);
        pix.setMask(pix.createMaskFromColor(img.pixelColor(0, img.height() - 1), Qt::MaskInColor));
        pBtn->setIcon(QIcon(pix)); // the disabled look is the icon's greyed mode
        pBtn->setIconSize(pix.size());
    }
}

void TFrmBase::RadioMnu(QAction *pEntry)
{
    const QString sCaption = pEntry->text();
    const int iMarker = sCaption.indexOf(QLatin1Char('&'));
    bool bOk = false;
    const int iSize = sCaption.mid(iMarker + 1, 2).toInt(&bOk);
    if (bOk)
        iGlobIconSize = iSize;
}

void TFrmBase::pLayoutClient()
{
    const int iWidth = m_pClient->width();
    const int iHeight = m_pClient->height();
    const int iPanelsHeight = iHeight - iToolBarHeight;
    Panel2->setGeometry(0, 0, iWidth, iToolBarHeight);
    PanelSx->setGeometry(0, iToolBarHeight, m_iLeftWidth, iPanelsHeight);
    Splitter1->setGeometry(m_iLeftWidth, iToolBarHeight, iSplitterWidth, iPanelsHeight);
    const int iDxWidth = iWidth - m_iLeftWidth - iSplitterWidth;
    PanelDx->setGeometry(m_iLeftWidth + iSplitterWidth, iToolBarHeight, iDxWidth, iPanelsHeight);
    SbarAree->setGeometry(0, iPanelsHeight - iStatusHeight, iDxWidth, iStatusHeight);
    Image1->setGeometry(0, 0, iDxWidth, iPanelsHeight - iStatusHeight);
    FormResize();
}

void TFrmBase::FormResize()
{
    // C++ division truncates toward zero, as the centring rule wants
    PnlImgArea->move(PanelDx->width() / 2 - PnlImgArea->width() / 2, PanelDx->height() / 2 - PnlImgArea->height() / 2);
}

bool TFrmBase::fSplitterMoved(int iNewLeftWidth)
{
    const int iClient = m_pClient->width();
    if (iNewLeftWidth < iMinLeftWidth || iClient - iNewLeftWidth - iSplitterWidth < iBezelWidth)
        return false;
    m_iLeftWidth = iNewLeftWidth;
    pLayoutClient();
    return true;
}

void TFrmBase::pRepaintAll()
{
    if (m_pDoc->fAreaMostrata() != 0)
        pDrawBline();
    else
        pWipeBlines();
    pAggiornaSelezione();
    update();
}

void TFrmBase::pBusyCursor(bool bBusy)
{
    if (bBusy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
