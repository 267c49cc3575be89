// The preview window of the panel, and the menu commands "Anteprima Pannello" and "Documentazione PDF…".

#include "editor/anteprima.h"

#include "document/projectdocument.h"
#include "editor/frmbase.h"
#include "preview/documentopdf.h"
#include "preview/renderer.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

/** The time the database was last written: its file, or its write-ahead log when that is newer. */
QDateTime fUltimaModifica(const QString &sDb)
{
    QDateTime t = QFileInfo(sDb).lastModified();
    const QFileInfo wal(sDb + QStringLiteral("-wal"));
    if (wal.exists() && wal.lastModified() > t)
        t = wal.lastModified();
    return t;
}

} // namespace

TPaginaAnteprima::TPaginaAnteprima(QWidget *pParent) : QWidget(pParent)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TPaginaAnteprima::pSetPagina(const QImage &img, int iScala)
{
    m_img = img;
    m_iScala = iScala;
    setFixedSize(sizeHint());
    update();
}

QSize TPaginaAnteprima::sizeHint() const
{
    return QSize(iLarghezzaPannello, iAltezzaPannello) * m_iScala;
}

void TPaginaAnteprima::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_img.isNull())
        p.drawImage(QRect(QPoint(0, 0), m_img.size() * m_iScala), m_img); // every pixel a square of iScala
}

void TPaginaAnteprima::mousePressEvent(QMouseEvent *pEvent)
{
    const QPoint pos = pEvent->position().toPoint();
    emit premuto(QPoint(pos.x() / m_iScala, pos.y() / m_iScala));
    pEvent->accept();
}

TFrmAnteprima::TFrmAnteprima(TFrmBase &frm) : QWidget(&frm, Qt::Window), m_frm(frm)
{
    setObjectName(QStringLiteral("FrmAnteprima"));
    setWindowTitle(tr("Anteprima Pannello"));
    setAccessibleName(tr("Anteprima Pannello"));

    LblStato = new QLabel(this);
    LblStato->setObjectName(QStringLiteral("LblStato"));
    LblStato->setWordWrap(true);
    LblStato->setAccessibleName(tr("Stato dell'esportazione"));
    BtnEsportaAggiorna = new QPushButton(tr("Esporta e aggiorna"), this);
    BtnEsportaAggiorna->setObjectName(QStringLiteral("BtnEsportaAggiorna"));
    BtnEsportaAggiorna->setToolTip(tr("Esporta il progetto nella cartella out e mostra la nuova esportazione"));
    BtnScala1 = new QToolButton(this);
    BtnScala1->setText(tr("1x"));
    BtnScala1->setToolTip(tr("Dimensione reale del pannello"));
    BtnScala2 = new QToolButton(this);
    BtnScala2->setText(tr("2x"));
    BtnScala2->setToolTip(tr("Doppia dimensione"));
    m_pScale = new QButtonGroup(this);
    for (QToolButton *pBtn : {BtnScala1, BtnScala2}) {
        pBtn->setCheckable(true);
        m_pScale->addButton(pBtn);
    }
    BtnScala1->setChecked(true);
    LblArea = new QLabel(this);
    LblArea->setObjectName(QStringLiteral("LblArea"));
    LblArea->setAccessibleName(tr("Area mostrata"));
    PnlPagina = new TPaginaAnteprima(this);
    PnlPagina->setObjectName(QStringLiteral("PnlPagina"));
    PnlPagina->setAccessibleName(tr("Pagina del pannello"));
    PnlPagina->setToolTip(tr("Un clic su un tasto o su un marcatore di zoom apre l'area a cui porta"));

    auto *pRiga = new QHBoxLayout;
    pRiga->addWidget(BtnScala1);
    pRiga->addWidget(BtnScala2);
    pRiga->addWidget(LblArea, 1);
    pRiga->addWidget(BtnEsportaAggiorna);
    auto *pColonna = new QVBoxLayout(this);
    pColonna->addLayout(pRiga);
    pColonna->addWidget(LblStato);
    pColonna->addWidget(PnlPagina, 0, Qt::AlignCenter);
    pColonna->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pScale, &QButtonGroup::buttonClicked, this, [this] { m_frm.pRunCommand([this] { pDisegna(); }); });
    connect(PnlPagina, &TPaginaAnteprima::premuto, this,
            [this](const QPoint &pos) { m_frm.pRunCommand([this, pos] { pPremuto(pos); }); });
    connect(BtnEsportaAggiorna, &QPushButton::clicked, this, [this] {
        m_frm.pRunCommand([this] {
            m_frm.MnuEsportaProgettoClick();
            pRicarica(m_iArea);
        });
    });
}

void TFrmAnteprima::pRicarica(qint64 iArea)
{
    TProjectDocument &doc = m_frm.fDocument();
    m_mappa = TMappa();
    m_iArea = 0;
    m_sOut = doc.fAperto() ? doc.fRootPrj() + QStringLiteral("out/") : QString();
    const QFileInfo maps(m_sOut + QStringLiteral("maps.txt"));
    QString sStato;
    if (!doc.fAperto()) {
        sStato = tr("Nessun progetto aperto.");
    } else if (!maps.isFile()) {
        sStato = tr("La cartella out non contiene un'esportazione: usare \"Esporta e aggiorna\".");
    } else {
        if (maps.lastModified() < fUltimaModifica(doc.fDatabase()))
            sStato = tr("L'esportazione in out è più vecchia del progetto: usare \"Esporta e aggiorna\".");
        LblStato->setText(sStato);
        m_mappa = fLeggiMappaFile(maps.filePath());
    }
    LblStato->setText(sStato);
    LblStato->setVisible(!sStato.isEmpty());
    BtnEsportaAggiorna->setEnabled(doc.fAperto());
    m_iArea = m_mappa.fArea(iArea) ? iArea : m_mappa.fHome();
    pDisegna();
}

void TFrmAnteprima::pMostraArea(qint64 iId)
{
    if (!m_mappa.fArea(iId))
        return;
    m_iArea = iId;
    pDisegna();
}

void TFrmAnteprima::pDisegna()
{
    const int iScala = BtnScala2->isChecked() ? 2 : 1;
    const TAreaMappa *pArea = m_mappa.fArea(m_iArea);
    if (!pArea) {
        LblArea->clear();
        PnlPagina->pSetPagina(QImage(), iScala);
        return;
    }
    LblArea->setText(tr("Area %1: %2").arg(pArea->iId).arg(pArea->sNome));
    PnlPagina->pSetPagina(fDisegnaPagina(*pArea, m_sOut, false), iScala);
}

void TFrmAnteprima::pPremuto(const QPoint &pos)
{
    const TAreaMappa *pArea = m_mappa.fArea(m_iArea);
    if (!pArea)
        return;
    if (const std::optional<qint64> iVerso = fDestinazione(m_mappa, *pArea, pos))
        pMostraArea(*iVerso);
}

void TFrmBase::MnuAnteprimaPannelloClick()
{
    if (!m_pDoc->fAperto())
        return;
    if (!FrmAnteprima)
        FrmAnteprima = new TFrmAnteprima(*this);
    FrmAnteprima->pRicarica(m_pDoc->fAreaMostrata());
    FrmAnteprima->show();
    FrmAnteprima->raise();
}

void TFrmBase::MnuDocumentazionePdfClick()
{
    if (!m_pDoc->fAperto())
        return;
    const QString sDb = m_pDoc->fDatabase();
    const QString sProposta =
        QFileInfo(sDb).absolutePath() + QLatin1Char('/') + QFileInfo(sDb).completeBaseName() + QStringLiteral(".pdf");
    const QString sPdf = fDialogs().fSaveFile(tr("Documentazione PDF…"), sProposta, tr("Documento PDF (*.pdf)"));
    if (sPdf.isEmpty())
        return;
    pBusyCursor(true);
    try {
        pScriviDocumentoPdf(sDb, sPdf);
    } catch (...) {
        pBusyCursor(false);
        throw;
    }
    pBusyCursor(false);
    fDialogs().pMessage(tr("Documentazione scritta in %1").arg(sPdf));
}
