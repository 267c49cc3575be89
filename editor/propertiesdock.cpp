#include "editor/propertiesdock.h"

#include "document/projectdocument.h"
#include "editor/dialogs.h"
#include "editor/etichetteunite.h"
#include "editor/itemkeys.h"
#include "editor/objectcmds.h"
#include "editor/placement.h"
#include "editor/selectionmodel.h"
#include "editor/selectiontool.h"
#include "model/catalogo.h"
#include "model/sensore.h"
#include "workspace/uty.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <optional>

namespace {

/** The value fn gives for every object when they all share it; nullopt when they differ or there is none. */
template <class F> auto fComune(const QList<TSensore> &aOggetti, F fn) -> std::optional<decltype(fn(aOggetti[0]))>
{
    if (aOggetti.isEmpty())
        return std::nullopt;
    const auto valore = fn(aOggetti.first());
    for (const TSensore &s : aOggetti)
        if (fn(s) != valore)
            return std::nullopt;
    return valore;
}

/** A number shared by all, or blank. */
QString fTestoDi(const std::optional<int> &iValore)
{
    return iValore ? QString::number(*iValore) : QString();
}

/** The position in the size list the font dialog shows for a size index: "16" for any unknown one. */
int fPosizioneDimensione(int iFont)
{
    return iFont >= 1 && iFont <= 9 ? iFont - 1 : 8;
}

/** The colour index the font dialog shows for a stored one: "nero" (16) for any unknown one. */
int fColoreMostrato(int iColore)
{
    return (iColore >= 1 && iColore <= 10) ? iColore : 16;
}

} // namespace

TDockProprieta::TDockProprieta(const TContesto &ctx, QWidget *pParent)
    : QDockWidget(QCoreApplication::translate("Ombrix", "Proprietà"), pParent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("DockProprieta"));
    setAccessibleName(QCoreApplication::translate("Ombrix", "Proprietà"));
    auto *pCorpo = new QWidget(this);
    m_pForm = new QFormLayout(pCorpo);
    m_pForm->setContentsMargins(4, 4, 4, 4);
    m_pSelezione = new QLabel(pCorpo);
    m_pSelezione->setObjectName(QStringLiteral("LblSelezione"));
    m_pForm->addRow(m_pSelezione);

    m_pTipo = fLista("CmbTipo", QCoreApplication::translate("Ombrix", "Tipo"));
    m_pNumero = fCampo("EdtNumero", QCoreApplication::translate("Ombrix", "Numero"));
    m_pX = fCampo("EdtCentroX", QCoreApplication::translate("Ombrix", "Centro X"));
    m_pY = fCampo("EdtCentroY", QCoreApplication::translate("Ombrix", "Centro Y"));
    m_pX2 = fCampo("EdtSecondoX", QCoreApplication::translate("Ombrix", "Seconda estremità X"));
    m_pY2 = fCampo("EdtSecondoY", QCoreApplication::translate("Ombrix", "Seconda estremità Y"));
    m_pTesto = fCampo("EdtTesto", QCoreApplication::translate("Ombrix", "Testo"));
    m_pDimensione = fLista("CmbDimensione", QCoreApplication::translate("Ombrix", "Dimensione"));
    pRiempiDimensioni(m_pDimensione);
    m_pColore = fLista("CmbColore", QCoreApplication::translate("Ombrix", "Colore"));
    pRiempiColori(m_pColore);
    setWidget(pCorpo);

    connect(m_pNumero, &QLineEdit::editingFinished, this, &TDockProprieta::pApplicaNumero);
    connect(m_pTesto, &QLineEdit::editingFinished, this, &TDockProprieta::pApplicaTesto);
    connect(m_pX, &QLineEdit::editingFinished, this, [this] { pApplicaPosizione(m_pX, false, false); });
    connect(m_pY, &QLineEdit::editingFinished, this, [this] { pApplicaPosizione(m_pY, false, true); });
    connect(m_pX2, &QLineEdit::editingFinished, this, [this] { pApplicaPosizione(m_pX2, true, false); });
    connect(m_pY2, &QLineEdit::editingFinished, this, [this] { pApplicaPosizione(m_pY2, true, true); });
    connect(m_pTipo, &QComboBox::activated, this, [this] {
        const int iTipo = m_pTipo->currentData().toInt();
        pApplica([iTipo](TProprieta &prop) { prop.iTipo = iTipo; });
    });
    connect(m_pDimensione, &QComboBox::activated, this, [this] {
        const int iFont = m_pDimensione->currentData().toInt();
        pApplica([iFont](TProprieta &prop) { prop.iFont = iFont; });
    });
    connect(m_pColore, &QComboBox::activated, this, [this] {
        const int iColore = m_pColore->currentData().toInt();
        pApplica([iColore](TProprieta &prop) { prop.iColore = iColore; });
    });

    // it follows the selection and every change of what the selection shows
    connect(&ctx.sel, &TSelezione::changed, this, &TDockProprieta::pAggiorna);
    connect(&ctx.doc, &TProjectDocument::sigOggettoCambiato, this, &TDockProprieta::pAggiorna);
    connect(&ctx.doc, &TProjectDocument::sigOggettoRimosso, this, &TDockProprieta::pAggiorna);
    connect(&ctx.doc, &TProjectDocument::sigAreaMostrata, this, &TDockProprieta::pAggiorna);
    connect(&ctx.doc, &TProjectDocument::sigRiletto, this, &TDockProprieta::pAggiorna);
    connect(&ctx.doc, &TProjectDocument::sigProgetto, this, &TDockProprieta::pAggiorna);
    pAggiorna();
}

QLineEdit *TDockProprieta::fCampo(const char *szNome, const QString &sDidascalia)
{
    auto *pCampo = new QLineEdit(m_pForm->parentWidget());
    pCampo->setObjectName(QLatin1String(szNome));
    pCampo->setAccessibleName(sDidascalia);
    m_pForm->addRow(sDidascalia, pCampo);
    return pCampo;
}

QComboBox *TDockProprieta::fLista(const char *szNome, const QString &sDidascalia)
{
    auto *pLista = new QComboBox(m_pForm->parentWidget());
    pLista->setObjectName(QLatin1String(szNome));
    pLista->setAccessibleName(sDidascalia);
    // as wide as "Tapparella giù" whatever is listed, so that the dock keeps its width from one selection to the next
    pLista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    pLista->setMinimumContentsLength(15);
    m_pForm->addRow(sDidascalia, pLista);
    return pLista;
}

void TDockProprieta::showEvent(QShowEvent *pEvent)
{
    QDockWidget::showEvent(pEvent);
    pAggiorna();
}

void TDockProprieta::pAggiorna()
{
    m_aIds.clear();
    QList<TSensore> aOggetti;
    for (const TChiave &chiave : m_ctx.sel.fChiavi())
        if (const TSensore *p = m_ctx.doc.fOggetto(chiave.iId); p && !m_aIds.contains(chiave.iId)) {
            m_aIds << chiave.iId;
            aOggetti << *p;
        }
    if (!isVisible())
        return;
    m_bAggiornando = true;

    if (aOggetti.isEmpty())
        m_pSelezione->setText(QCoreApplication::translate("Ombrix", "Nessun oggetto selezionato"));
    else if (aOggetti.size() == 1)
        m_pSelezione->setText(fNomeAccessibile(aOggetti.first(), TParte::Icona));
    else
        m_pSelezione->setText(QCoreApplication::translate("Ombrix", "%1 oggetti").arg(aOggetti.size()));

    QList<TSensore> aConProprieta; // zoom markers have a place and nothing else
    for (const TSensore &s : aOggetti)
        if (s.Get_tiposensore() != 3)
            aConProprieta << s;
    const bool bProprieta = !aOggetti.isEmpty() && aConProprieta.size() == aOggetti.size();

    // the icon's centre as maps.txt writes it, and a barrier's second end's
    m_pX->setText(fTestoDi(fComune(aOggetti, [](const TSensore &s) { return s.Get_coordx() + s.Get_iconsize() / 2; })));
    m_pY->setText(fTestoDi(fComune(aOggetti, [](const TSensore &s) { return s.Get_coordy() + s.Get_iconsize() / 2; })));
    m_pX->setEnabled(!aOggetti.isEmpty());
    m_pY->setEnabled(!aOggetti.isEmpty());
    const bool bBarriere = !aOggetti.isEmpty() && fComune(aOggetti, [](const TSensore &s) {
                                                      return s.Get_tiposensore();
                                                  }) == std::optional<int>(4);
    m_pX2->setText(
        bBarriere ? fTestoDi(fComune(aOggetti, [](const TSensore &s) { return s.Get_coordx2() + iGlobB2Size / 2; }))
                  : QString());
    m_pY2->setText(
        bBarriere ? fTestoDi(fComune(aOggetti, [](const TSensore &s) { return s.Get_coordy2() + iGlobB2Size / 2; }))
                  : QString());
    m_pX2->setEnabled(bBarriere);
    m_pY2->setEnabled(bBarriere);

    // the type within the class, when all are of one class
    m_pTipo->clear();
    const std::optional<TClasse> classe =
        fComune(aConProprieta, [](const TSensore &s) { return fClasseTipo(s.Get_tiposensore()); });
    if (bProprieta && classe) {
        for (int iTipo : fProprietaDi(aConProprieta.first()).aTipi)
            m_pTipo->addItem(fNomeTipoOggetto(iTipo), iTipo);
        const std::optional<int> iTipo = fComune(aConProprieta, [](const TSensore &s) { return s.Get_tiposensore(); });
        m_pTipo->setCurrentIndex(iTipo ? m_pTipo->findData(*iTipo) : -1);
    }
    m_pTipo->setEnabled(bProprieta && classe.has_value());

    const std::optional<qint64> iNumero = fComune(aConProprieta, [](const TSensore &s) { return s.Get_numsensore(); });
    m_pNumero->setText(bProprieta && iNumero ? QString::number(*iNumero) : QString());
    m_pNumero->setEnabled(bProprieta);

    const std::optional<QString> sTesto = fComune(aConProprieta, [](const TSensore &s) { return s.Get_testo(); });
    m_pTesto->setText(bProprieta && sTesto ? *sTesto : QString());
    m_pTesto->setEnabled(bProprieta);

    // size and colour: those of the labels there are
    QList<TSensore> aEtichettati;
    for (const TSensore &s : aConProprieta)
        if (!s.Get_testo().isEmpty())
            aEtichettati << s;
    const bool bEtichette = bProprieta && !aEtichettati.isEmpty();
    const std::optional<int> iFont =
        fComune(aEtichettati, [](const TSensore &s) { return fPosizioneDimensione(s.Get_fonttxt()); });
    m_pDimensione->setCurrentIndex(bEtichette && iFont ? *iFont : -1);
    m_pDimensione->setEnabled(bEtichette);
    const std::optional<int> iColore =
        fComune(aEtichettati, [](const TSensore &s) { return fColoreMostrato(s.Get_colortxt()); });
    m_pColore->setCurrentIndex(bEtichette && iColore ? m_pColore->findData(*iColore) : -1);
    m_pColore->setEnabled(bEtichette);
    m_bAggiornando = false;
}

QList<qint64> TDockProprieta::fOggettiConProprieta() const
{
    QList<qint64> aIds;
    for (qint64 iId : m_aIds)
        if (const TSensore *p = m_ctx.doc.fOggetto(iId); p && p->Get_tiposensore() != 3)
            aIds << iId;
    return aIds;
}

bool TDockProprieta::pApplica(const std::function<void(TProprieta &)> &fnCambia)
{
    if (m_bAggiornando)
        return true;
    bool bRifiutato = false;
    m_ctx.cmd.pRunCommand([&] {
        QList<TProprietaOggetto> aNuove;
        for (qint64 iId : fOggettiConProprieta()) {
            const TSensore s = *m_ctx.doc.fOggetto(iId);
            TProprieta prop = fProprietaDi(s);
            fnCambia(prop);
            const std::optional<TProprietaOggetto> accettate = fProprietaAccettate(m_ctx, s, prop);
            if (!accettate) {
                bRifiutato = true;
                return; // one refusal stops them all
            }
            aNuove << *accettate;
        }
        m_ctx.doc.pCambiaProprieta(aNuove);
    });
    if (bRifiutato)
        return false; // the field keeps what was typed, to be mended
    pAggiorna();
    return true;
}

void TDockProprieta::pDiNuovo(QLineEdit *pCampo)
{
    pCampo->setFocus();
    pCampo->selectAll();
}

void TDockProprieta::pApplicaNumero()
{
    if (!m_pNumero->isModified())
        return;
    m_pNumero->setModified(false); // a message box taking the focus ends the editing once more
    const QString sNumero = m_pNumero->text();
    if (!pApplica([&sNumero](TProprieta &prop) { prop.sNumero = sNumero; }))
        pDiNuovo(m_pNumero);
}

void TDockProprieta::pApplicaTesto()
{
    if (!m_pTesto->isModified())
        return;
    m_pTesto->setModified(false);
    const QString sTesto = m_pTesto->text();
    if (!pApplica([&sTesto](TProprieta &prop) { prop.sTesto = sTesto; }))
        pDiNuovo(m_pTesto);
}

void TDockProprieta::pApplicaPosizione(QLineEdit *pCampo, bool bSecondo, bool bY)
{
    if (!pCampo->isModified() || m_bAggiornando)
        return;
    pCampo->setModified(false);
    const QString sValore = fTrimTyped(pCampo->text());
    bool bOk = false;
    const int iCentro = sValore.toInt(&bOk);
    if (!bOk) {
        m_ctx.cmd.fDialogs().pMessage(QCoreApplication::translate("Ombrix", "E' necessario un valore NUMERICO"));
        pDiNuovo(pCampo); // what was typed stays, to be mended
        return;
    }
    m_ctx.cmd.pRunCommand([&] {
        // each object's item goes there, wholly inside the page
        QList<TElemento> aElementi;
        for (qint64 iId : m_aIds) {
            const TSensore *p = m_ctx.doc.fOggetto(iId);
            if (!p || (bSecondo && p->Get_tiposensore() != 4))
                continue;
            const int iLato = bSecondo ? iGlobB2Size : p->Get_iconsize();
            QPoint pos =
                bSecondo ? QPoint(p->Get_coordx2(), p->Get_coordy2()) : QPoint(p->Get_coordx(), p->Get_coordy());
            if (bY)
                pos.setY(iCentro - iLato / 2);
            else
                pos.setX(iCentro - iLato / 2);
            aElementi << TElemento{iId, bSecondo ? 1 : 0, fLimitedPos(pos, QSize(iLato, iLato), 0, 0)};
        }
        // a label goes with its icon as in any other move
        m_ctx.doc.pSpostaElementi(fConEtichette(m_ctx.doc, aElementi, {}),
                                  QCoreApplication::translate("Ombrix", "posizione"), false);
    });
    pAggiorna();
}
