#include "editor/statusbar.h"

#include "document/projectdocument.h"
#include "editor/canvas.h"
#include "editor/canvasitem.h"
#include "editor/selectionmodel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace {

QString fPosizione(const QPoint &pos)
{
    return QStringLiteral("X %1  Y %2").arg(pos.x()).arg(pos.y());
}

QString fZoom(int iPercento)
{
    return QStringLiteral("%1 %").arg(iPercento);
}

} // namespace

TBarraStato::TBarraStato(TProjectDocument &doc, TSelezione &sel, TAreaCanvas &canvas, QWidget *pParent)
    : QStatusBar(pParent), m_doc(doc), m_sel(sel), m_canvas(canvas)
{
    setObjectName(QStringLiteral("SbarAree"));
    setSizeGripEnabled(false);
    m_pTipo = fCella("SbarTipo", 50);
    m_pNumero = fCella("SbarNumero", 50);
    m_pTesto = fCella("SbarTesto", 70);
    m_pPosizione = fCella("SbarPosizione", 100);
    m_pElemento = fCella("SbarElemento", 80);
    m_pArea = fCella("SbarArea", 100);
    m_pZoom = fCella("SbarZoom", 50);
    m_pZoom->setToolTip(tr("Zoom"));
    m_pMessaggio = new QLabel(this);
    m_pMessaggio->setObjectName(QStringLiteral("SbarMessaggio"));
    addWidget(m_pMessaggio, 1);
    m_pConteggio = new QLabel(this);
    m_pConteggio->setObjectName(QStringLiteral("LblVerifica"));
    addPermanentWidget(m_pConteggio);
    m_pConteggio->hide();
    m_pTimerAvviso = new QTimer(this);
    m_pTimerAvviso->setSingleShot(true);
    m_pTimerAvviso->setInterval(20000);
    connect(m_pTimerAvviso, &QTimer::timeout, this, [this] {
        m_sAvviso.clear();
        pAggiorna();
    });

    connect(&sel, &TSelezione::changed, this, [this] { pAggiorna(); });
    connect(&doc, &TProjectDocument::sigAreaMostrata, this, [this] { pAggiorna(); });
    connect(&doc, &TProjectDocument::sigAreaRinominata, this, [this] { pAggiorna(); });
    connect(&doc, &TProjectDocument::sigOggettoCambiato, this, [this] { pAggiorna(); });
    connect(&doc, &TProjectDocument::sigProgetto, this, [this] { pAggiorna(); });
    connect(&canvas, &TAreaCanvas::sigSpostato, this,
            [this](const TChiave &chiave, const QPoint &pos) { pPosizione(chiave, pos); });
    connect(&canvas, &TAreaCanvas::sigZoom, this, [this](int iPercento) { pCella(m_pZoom, fZoom(iPercento)); });
    pCella(m_pZoom, fZoom(canvas.fVista().fPercento()));
}

QLabel *TBarraStato::fCella(const char *szNome, int iLarghezza)
{
    auto *pCella = new QLabel(this);
    pCella->setObjectName(QLatin1String(szNome));
    pCella->setMinimumWidth(iLarghezza);
    pCella->setFrameShape(QFrame::Panel);
    pCella->setFrameShadow(QFrame::Sunken);
    addWidget(pCella);
    return pCella;
}

void TBarraStato::pCella(QLabel *pCella, const QString &sTesto)
{
    // a label's accessible name is its text: what the cell shows is what is read out
    pCella->setText(sTesto);
    pCella->setToolTip(sTesto);
}

void TBarraStato::pMessaggio(const QString &sTesto)
{
    if (m_sAvviso.isEmpty())
        pCella(m_pMessaggio, sTesto);
}

void TBarraStato::pAvviso(const QString &sTesto)
{
    m_sAvviso = sTesto;
    m_pTimerAvviso->start();
    pCella(m_pMessaggio, sTesto);
}

void TBarraStato::pConteggio(const QString &sTesto, bool bVisibile)
{
    m_pConteggio->setText(sTesto);
    m_pConteggio->setVisible(bVisibile);
}

void TBarraStato::pAggiorna()
{
    const TAreaRow *pArea = m_doc.fArea(m_doc.fAreaMostrata());
    pCella(m_pArea, pArea ? pArea->sNome : QString());
    if (m_sAvviso.isEmpty())
        pCella(m_pMessaggio, m_sel.fMultipla() ? tr("%1 oggetti selezionati").arg(m_sel.fChiavi().size()) : QString());
    const std::optional<TChiave> corrente = m_sel.fCorrente();
    const TSensore *pOggetto = corrente ? m_doc.fOggetto(corrente->iId) : nullptr;
    if (!pOggetto || m_sel.fMultipla()) {
        for (QLabel *p : {m_pTipo, m_pNumero, m_pTesto, m_pPosizione, m_pElemento})
            pCella(p, QString());
        return;
    }
    const int iTipo = pOggetto->Get_tiposensore();
    pCella(m_pTipo, fNomeTipo(iTipo));
    pCella(m_pNumero, iTipo == 3
                          ? QCoreApplication::translate("Ombrix", "Area ") + QString::number(pOggetto->Get_area_zoom())
                          : QCoreApplication::translate("Ombrix", "N. ") + QString::number(pOggetto->Get_numsensore()));
    pCella(m_pTesto, pOggetto->Get_testo());
    const TCanvasItem *pItem = m_canvas.fItem(*corrente);
    const QPoint angolo = pItem ? pItem->fPosizione() : fRettangoloPannello(*pOggetto, corrente->eParte).topLeft();
    pCella(m_pPosizione, fPosizione(fPosizioneMaps(*pOggetto, corrente->eParte, angolo)));
    static const char *const aszElementi[] = {QT_TRANSLATE_NOOP("Ombrix", "icona"),
                                              QT_TRANSLATE_NOOP("Ombrix", "seconda estremità"),
                                              QT_TRANSLATE_NOOP("Ombrix", "testo")};
    pCella(m_pElemento, QCoreApplication::translate("Ombrix", aszElementi[int(corrente->eParte)]));
}

void TBarraStato::pPosizione(const TChiave &chiave, const QPoint &pos)
{
    const TSensore *pOggetto = m_doc.fOggetto(chiave.iId);
    if (pOggetto && m_sel.fCorrente() == chiave && !m_sel.fMultipla())
        pCella(m_pPosizione, fPosizione(fPosizioneMaps(*pOggetto, chiave.eParte, pos)));
}
