#include "editor/fitdialog.h"

#include "editor/dialogs.h"
#include "fit/sorgente.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

TAnteprimaAdatta::TAnteprimaAdatta(QWidget *pParent) : QWidget(pParent)
{
    setObjectName(QStringLiteral("PnlAnteprima"));
    setAccessibleName(tr("Anteprima della pagina"));
    setToolTip(tr("Trascina per spostare la finestra di ritaglio, rotella per lo zoom"));
    setFixedSize(iLatoPannelloX, iLatoPannelloY);
    setCursor(Qt::OpenHandCursor);
}

void TAnteprimaAdatta::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, imgPagina);
    painter.drawImage(0, 0, imgSopra);
}

void TAnteprimaAdatta::mousePressEvent(QMouseEvent *pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return;
    m_bTrascina = true;
    m_posPrima = pEvent->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void TAnteprimaAdatta::mouseMoveEvent(QMouseEvent *pEvent)
{
    if (!m_bTrascina)
        return;
    const QPoint pos = pEvent->position().toPoint();
    emit sigTrascina(pos - m_posPrima);
    m_posPrima = pos;
}

void TAnteprimaAdatta::mouseReleaseEvent(QMouseEvent *)
{
    m_bTrascina = false;
    setCursor(Qt::OpenHandCursor);
}

void TAnteprimaAdatta::wheelEvent(QWheelEvent *pEvent)
{
    const int iScatti = pEvent->angleDelta().y() / 120;
    if (iScatti != 0)
        emit sigRotella(iScatti);
    pEvent->accept();
}

TFrmAdatta::TFrmAdatta(std::unique_ptr<TSorgente> pSorgente, const QString &sPassword, const QImage &imgSopra,
                       TDialogs &dialogs, QWidget *pParent)
    : QDialog(pParent), m_pSorgente(std::move(pSorgente)), m_sPassword(sPassword), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("FrmAdatta"));
    setWindowTitle(tr("Adatta immagine di sfondo"));
    setAccessibleName(tr("Adatta immagine di sfondo"));

    PnlAnteprima = new TAnteprimaAdatta(this);
    PnlAnteprima->imgSopra = imgSopra;

    CmbModo = new QComboBox(this);
    CmbModo->setObjectName(QStringLiteral("CmbModo"));
    CmbModo->addItems({tr("Adatta"), tr("Riempi"), tr("Originale")});
    CmbModo->setAccessibleName(tr("Modo"));
    CmbModo->setToolTip(tr("Adatta: tutta l'immagine; Riempi: copre la pagina, ritagliata; Originale: non scalata"));
    ChkSottoBanner = new QCheckBox(tr("Sotto il banner"), this);
    ChkSottoBanner->setObjectName(QStringLiteral("ChkSottoBanner"));
    ChkSottoBanner->setToolTip(tr("L'immagine nella fascia sotto il banner, che resta nel colore di riempimento"));
    ChkLineeMarcate = new QCheckBox(tr("Linee marcate"), this);
    ChkLineeMarcate->setObjectName(QStringLiteral("ChkLineeMarcate"));
    ChkLineeMarcate->setToolTip(tr("Le linee sottili e scure restano visibili dopo una forte riduzione"));
    BtnRuotaSinistra = new QToolButton(this);
    BtnRuotaSinistra->setObjectName(QStringLiteral("BtnRuotaSinistra"));
    BtnRuotaSinistra->setText(tr("Ruota a sinistra"));
    BtnRuotaSinistra->setToolTip(tr("Ruota di 90° in senso antiorario"));
    BtnRuotaDestra = new QToolButton(this);
    BtnRuotaDestra->setObjectName(QStringLiteral("BtnRuotaDestra"));
    BtnRuotaDestra->setText(tr("Ruota a destra"));
    BtnRuotaDestra->setToolTip(tr("Ruota di 90° in senso orario"));
    BtnColore = new QPushButton(tr("Colore di riempimento…"), this);
    BtnColore->setObjectName(QStringLiteral("BtnColore"));
    BtnColore->setToolTip(tr("Il colore delle bande e del banner"));
    SpnPagina = new QSpinBox(this);
    SpnPagina->setObjectName(QStringLiteral("SpnPagina"));
    SpnPagina->setAccessibleName(tr("Pagina"));
    SpnPagina->setToolTip(tr("La pagina del PDF"));
    SpnPagina->setRange(1, m_pSorgente->fPagine());
    SpnPagina->setEnabled(m_pSorgente->fPdf() && m_pSorgente->fPagine() > 1);
    SldZoom = new QSlider(Qt::Horizontal, this);
    SldZoom->setObjectName(QStringLiteral("SldZoom"));
    SldZoom->setAccessibleName(tr("Zoom"));
    SldZoom->setToolTip(tr("Zoom (anche con la rotella sull'anteprima)"));
    SldZoom->setSingleStep(1);
    SldZoom->setPageStep(2);
    LblErrore = new QLabel(this);
    LblErrore->setObjectName(QStringLiteral("LblErrore"));
    LblErrore->setWordWrap(true);
    LblErrore->setStyleSheet(QStringLiteral("color: #b00000"));
    LblErrore->hide();
    BoxBottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    BoxBottoni->setObjectName(QStringLiteral("BoxBottoni"));
    BoxBottoni->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    BoxBottoni->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    BoxBottoni->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Annulla"));

    auto *pRotazione = new QHBoxLayout;
    pRotazione->addWidget(BtnRuotaSinistra);
    pRotazione->addWidget(BtnRuotaDestra);
    auto *pControlli = new QFormLayout;
    pControlli->addRow(tr("Modo"), CmbModo);
    pControlli->addRow(ChkSottoBanner);
    pControlli->addRow(ChkLineeMarcate);
    pControlli->addRow(tr("Rotazione"), pRotazione);
    pControlli->addRow(BtnColore);
    pControlli->addRow(tr("Pagina"), SpnPagina);
    pControlli->addRow(tr("Zoom"), SldZoom);
    auto *pSopra = new QHBoxLayout;
    pSopra->addWidget(PnlAnteprima, 0, Qt::AlignTop);
    pSopra->addLayout(pControlli);
    auto *pTutto = new QVBoxLayout(this);
    pTutto->addWidget(new QLabel(QFileInfo(m_pSorgente->fFile()).fileName(), this));
    pTutto->addLayout(pSopra);
    pTutto->addWidget(LblErrore);
    pTutto->addWidget(BoxBottoni);

    // the choices used last
    m_opz.eModo = TModoAdatta(std::clamp(iGlobAdattaModo, 0, 2));
    m_opz.bSottoBanner = bGlobAdattaSottoBanner;
    m_opz.bLineeMarcate = bGlobAdattaLineeMarcate;
    if (const QColor col(sGlobAdattaColore); col.isValid())
        m_opz.colFondo = col;
    CmbModo->setCurrentIndex(int(m_opz.eModo));
    ChkSottoBanner->setChecked(m_opz.bSottoBanner);
    ChkLineeMarcate->setChecked(m_opz.bLineeMarcate);
    pImpostaScalaZoom();

    connect(CmbModo, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_opz.eModo = TModoAdatta(i);
        m_opz.posFinestra.reset(); // each mode starts from its own window
        pImpostaScalaZoom();
        pAggiorna();
    });
    connect(ChkSottoBanner, &QCheckBox::toggled, this, [this](bool b) {
        m_opz.bSottoBanner = b;
        pAggiorna();
    });
    connect(ChkLineeMarcate, &QCheckBox::toggled, this, [this](bool b) {
        m_opz.bLineeMarcate = b;
        pAggiorna();
    });
    connect(BtnRuotaSinistra, &QToolButton::clicked, this, [this] {
        m_opz.iRotazione = (m_opz.iRotazione + 270) % 360;
        pAggiorna();
    });
    connect(BtnRuotaDestra, &QToolButton::clicked, this, [this] {
        m_opz.iRotazione = (m_opz.iRotazione + 90) % 360;
        pAggiorna();
    });
    connect(BtnColore, &QPushButton::clicked, this, [this] {
        if (const std::optional<QColor> col = m_dialogs.fScegliColore(m_opz.colFondo)) {
            m_opz.colFondo = *col;
            pAggiorna();
        }
    });
    connect(SpnPagina, &QSpinBox::valueChanged, this, [this](int i) { pCambiaPagina(i); });
    connect(SldZoom, &QSlider::valueChanged, this, [this](int i) {
        m_opz.dZoom = fZoomDelPasso(i);
        pAggiorna();
    });
    connect(PnlAnteprima, &TAnteprimaAdatta::sigTrascina, this, [this](const QPoint &d) { pTrascina(d); });
    connect(PnlAnteprima, &TAnteprimaAdatta::sigRotella, this,
            [this](int iScatti) { SldZoom->setValue(SldZoom->value() + 2 * iScatti); });
    connect(BoxBottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(BoxBottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pAggiorna();
}

TFrmAdatta::~TFrmAdatta() = default;

double TFrmAdatta::fZoomDelPasso(int iPasso)
{
    return std::pow(8.0, double(iPasso) / iPassiZoom);
}

void TFrmAdatta::pImpostaScalaZoom()
{
    // 100 % at the start of each mode; "Originale" may also go down to about 10 %
    m_opz.dZoom = 1.0;
    const QSignalBlocker blocker(SldZoom);
    const int iMinimo =
        m_opz.eModo == TModoAdatta::Originale ? int(std::ceil(iPassiZoom * std::log(0.1) / std::log(8.0))) : 0;
    SldZoom->setRange(iMinimo, iPassiZoom);
    SldZoom->setValue(0);
}

void TFrmAdatta::accept()
{
    iGlobAdattaModo = int(m_opz.eModo);
    bGlobAdattaSottoBanner = m_opz.bSottoBanner;
    bGlobAdattaLineeMarcate = m_opz.bLineeMarcate;
    sGlobAdattaColore = m_opz.colFondo.name();
    QDialog::accept();
}

void TFrmAdatta::pTrascina(const QPoint &delta)
{
    if (m_opz.eModo == TModoAdatta::Adatta)
        return;
    const TImpaginazione imp = fImpagina(m_pSorgente->fDimensione(), m_opz);
    QPointF pos = imp.posFinestra;
    const double dSpazioX = imp.rcPagina.width() - imp.rcImmagine.width();
    const double dSpazioY = imp.rcPagina.height() - imp.rcImmagine.height();
    if (std::abs(dSpazioX) >= 1)
        pos.rx() += delta.x() / dSpazioX;
    if (std::abs(dSpazioY) >= 1)
        pos.ry() += delta.y() / dSpazioY;
    m_opz.posFinestra = QPointF(std::clamp(pos.x(), 0.0, 1.0), std::clamp(pos.y(), 0.0, 1.0));
    pAggiorna();
}

void TFrmAdatta::pCambiaPagina(int iPagina)
{
    try {
        m_pSorgente = std::make_unique<TSorgente>(m_pSorgente->fFile(), iPagina, m_sPassword);
        pAggiorna();
    } catch (const TOmbrixError &e) {
        LblErrore->setText(e.fMessage());
        LblErrore->show();
        BoxBottoni->button(QDialogButtonBox::Ok)->setEnabled(false);
    }
}

void TFrmAdatta::pAggiorna()
{
    SldZoom->setEnabled(m_opz.eModo != TModoAdatta::Adatta);
    try {
        PnlAnteprima->imgPagina = fAdatta(*m_pSorgente, m_opz);
        LblErrore->hide();
        BoxBottoni->button(QDialogButtonBox::Ok)->setEnabled(true);
    } catch (const TOmbrixError &e) {
        LblErrore->setText(e.fMessage());
        LblErrore->show();
        BoxBottoni->button(QDialogButtonBox::Ok)->setEnabled(false);
    }
    PnlAnteprima->update();
}
