#include "editor/anteprima.h"

#include "document/projectdocument.h"
#include "preview/renderer.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
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

TFrmAnteprima::TFrmAnteprima(const TContesto &ctx, std::function<void()> fnEsporta, QWidget *pParent)
    : QWidget(pParent, Qt::Window), m_ctx(ctx), m_fnEsporta(std::move(fnEsporta))
{
    setObjectName(QStringLiteral("FrmAnteprima"));
    setWindowTitle(tr("Anteprima Pannello"));
    setAccessibleName(tr("Anteprima Pannello"));

    m_pStato = new QLabel(this);
    m_pStato->setObjectName(QStringLiteral("LblStato"));
    m_pStato->setWordWrap(true);
    m_pStato->setAccessibleName(tr("Stato dell'esportazione"));
    m_pEsportaAggiorna = new QPushButton(tr("Esporta e aggiorna"), this);
    m_pEsportaAggiorna->setObjectName(QStringLiteral("BtnEsportaAggiorna"));
    m_pEsportaAggiorna->setToolTip(tr("Esporta il progetto nella cartella out e mostra la nuova esportazione"));
    m_pScala1 = new QToolButton(this);
    m_pScala1->setObjectName(QStringLiteral("BtnScala1"));
    m_pScala1->setText(tr("1x"));
    m_pScala1->setToolTip(tr("Dimensione reale del pannello"));
    m_pScala2 = new QToolButton(this);
    m_pScala2->setObjectName(QStringLiteral("BtnScala2"));
    m_pScala2->setText(tr("2x"));
    m_pScala2->setToolTip(tr("Doppia dimensione"));
    m_pScale = new QButtonGroup(this);
    for (QToolButton *pBtn : {m_pScala1, m_pScala2}) {
        pBtn->setCheckable(true);
        m_pScale->addButton(pBtn);
    }
    m_pScala1->setChecked(true);
    m_pArea = new QLabel(this);
    m_pArea->setObjectName(QStringLiteral("LblArea"));
    m_pArea->setAccessibleName(tr("Area mostrata"));
    m_pPagina = new TPaginaAnteprima(this);
    m_pPagina->setObjectName(QStringLiteral("PnlPagina"));
    m_pPagina->setAccessibleName(tr("Pagina del pannello"));
    m_pPagina->setToolTip(tr("Un clic su un tasto o su un marcatore di zoom apre l'area a cui porta"));

    auto *pRiga = new QHBoxLayout;
    pRiga->addWidget(m_pScala1);
    pRiga->addWidget(m_pScala2);
    pRiga->addWidget(m_pArea, 1);
    pRiga->addWidget(m_pEsportaAggiorna);
    auto *pColonna = new QVBoxLayout(this);
    pColonna->addLayout(pRiga);
    pColonna->addWidget(m_pStato);
    pColonna->addWidget(m_pPagina, 0, Qt::AlignCenter);
    pColonna->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pScale, &QButtonGroup::buttonClicked, this, [this] { m_ctx.cmd.pRunCommand([this] { pDisegna(); }); });
    connect(m_pPagina, &TPaginaAnteprima::premuto, this,
            [this](const QPoint &pos) { m_ctx.cmd.pRunCommand([this, pos] { pPremuto(pos); }); });
    connect(m_pEsportaAggiorna, &QPushButton::clicked, this, [this] {
        m_ctx.cmd.pRunCommand([this] {
            m_fnEsporta();
            pRicarica(m_iArea);
        });
    });
}

void TFrmAnteprima::keyPressEvent(QKeyEvent *pEvent)
{
    if (pEvent->key() == Qt::Key_Escape && pEvent->modifiers() == Qt::NoModifier)
        close(); // as a dialog closes
    else
        QWidget::keyPressEvent(pEvent);
}

void TFrmAnteprima::pRicarica(qint64 iArea)
{
    TProjectDocument &doc = m_ctx.doc;
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
        m_pStato->setText(sStato);
        m_mappa = fLeggiMappaFile(maps.filePath());
    }
    m_pStato->setText(sStato);
    m_pStato->setVisible(!sStato.isEmpty());
    m_pEsportaAggiorna->setEnabled(doc.fAperto());
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
    const int iScala = m_pScala2->isChecked() ? 2 : 1;
    const TAreaMappa *pArea = m_mappa.fArea(m_iArea);
    if (!pArea) {
        m_pArea->clear();
        m_pPagina->pSetPagina(QImage(), iScala);
        return;
    }
    m_pArea->setText(tr("Area %1: %2").arg(pArea->iId).arg(pArea->sNome));
    m_pPagina->pSetPagina(fDisegnaPagina(*pArea, m_sOut, false), iScala);
}

void TFrmAnteprima::pPremuto(const QPoint &pos)
{
    const TAreaMappa *pArea = m_mappa.fArea(m_iArea);
    if (!pArea)
        return;
    if (const std::optional<qint64> iVerso = fDestinazione(m_mappa, *pArea, pos))
        pMostraArea(*iVerso);
}
