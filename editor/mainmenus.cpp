#include "editor/mainmenus.h"

#include "document/allineamento.h"
#include "editor/viewtransform.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// the entries that need a project, disabled while none is open
constexpr TAzione aeProgetto[] = {TAzione::EsportaProgetto,
                                  TAzione::ChiudiProgetto,
                                  TAzione::VerificaProgetto,
                                  TAzione::IngressiUscite,
                                  TAzione::AnteprimaPannello,
                                  TAzione::DocumentazionePdf,
                                  TAzione::RipristinaCopia,
                                  TAzione::Duplica,
                                  TAzione::SelezionaTutto,
                                  TAzione::Copia,
                                  TAzione::Taglia,
                                  TAzione::Incolla,
                                  TAzione::IncollaSpeciale};

} // namespace

TAzioni::TAzioni(QMainWindow *pFinestra) : QObject(pFinestra)
{
    auto fVoce = [this](QMenu *pMenu, TAzione e, const QString &sTesto, const char *szNome,
                        const QString &sSuggerimento = QString(), const QList<QKeySequence> &aTasti = {}) {
        QAction *pEntry = pMenu->addAction(sTesto);
        pEntry->setObjectName(QLatin1String(szNome));
        if (!sSuggerimento.isEmpty())
            pEntry->setToolTip(sSuggerimento);
        pEntry->setShortcuts(aTasti);
        m_aAzioni.at(size_t(e)) = pEntry;
        return pEntry;
    };
    auto fSottomenu = [this](QMenu *pMenu, TMenu e, const QString &sTitolo, const char *szNome,
                             const QString &sSuggerimento) {
        QMenu *pSotto = pMenu->addMenu(sTitolo);
        pSotto->setObjectName(QLatin1String(szNome));
        pSotto->menuAction()->setToolTip(sSuggerimento);
        m_aMenu.at(size_t(e)) = pSotto;
        return pSotto;
    };
    QMenuBar *pBarra = pFinestra->menuBar();

    QMenu *pProgetto = pBarra->addMenu(tr("&Progetto"));
    fVoce(pProgetto, TAzione::NuovoProgetto, tr("&Nuovo Progetto"), "MnuNuovoProgetto");
    fVoce(pProgetto, TAzione::ApriProgetto, tr("&Apri Progetto"), "MnuApriProgetto");
    fVoce(pProgetto, TAzione::ImportaDalPannello, tr("Importa dal pannello…"), "MnuImportaDalPannello",
          tr("Ricostruisce un progetto dal maps.txt e dalle immagini di un pannello"));
    fVoce(pProgetto, TAzione::EsportaProgetto, tr("&Esporta Progetto"), "MnuEsportaProgetto");
    fVoce(pProgetto, TAzione::ChiudiProgetto, tr("&Chiudi Progetto"), "MnuChiudiProgetto");
    pProgetto->addSeparator();
    fVoce(pProgetto, TAzione::VerificaProgetto, tr("&Verifica Progetto"), "MnuVerificaProgetto");
    fVoce(pProgetto, TAzione::IngressiUscite, tr("&Ingressi/Uscite"), "MnuIngressiUscite");
    fVoce(pProgetto, TAzione::AnteprimaPannello, tr("Anteprima Pannello"), "MnuAnteprimaPannello",
          tr("Le pagine dell'ultima esportazione come le mostra il pannello"));
    fVoce(pProgetto, TAzione::DocumentazionePdf, tr("Documentazione PDF…"), "MnuDocumentazionePdf",
          tr("Documento A4 delle pagine e degli ingressi e uscite"));
    fSottomenu(pProgetto, TMenu::ProgettiRecenti, tr("Progetti recenti"), "MnuProgettiRecenti",
               tr("Gli ultimi progetti aperti o creati"));
    fVoce(pProgetto, TAzione::RipristinaCopia, tr("Ripristina copia…"), "MnuRipristinaCopia",
          tr("Rimette il progetto com'era in una delle sue copie automatiche"));
    pProgetto->addSeparator();
    fVoce(pProgetto, TAzione::Esci, tr("Esci"), "MnuEsci", tr("Chiude Ombrix"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu *pModifica = pBarra->addMenu(tr("&Modifica"));
    fVoce(pModifica, TAzione::Annulla, tr("Annulla"), "MnuAnnulla", tr("Annulla l'ultima modifica"),
          {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    fVoce(pModifica, TAzione::Ripeti, tr("Ripeti"), "MnuRipeti", tr("Ripeti la modifica annullata"),
          {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    fVoce(pModifica, TAzione::Duplica, tr("Duplica"), "MnuDuplica", tr("Duplica il sensore selezionato"),
          {QKeySequence(Qt::CTRL | Qt::Key_D)});
    fVoce(pModifica, TAzione::AdattaSfondo, tr("Adatta immagine di sfondo…"), "MnuAdattaSfondo",
          tr("Adatta un'immagine o una pagina PDF alla pagina dell'area"));
    fVoce(pModifica, TAzione::SelezionaTutto, tr("Seleziona tutto"), "MnuSelezionaTutto",
          tr("Seleziona ogni oggetto dell'area"), {QKeySequence(Qt::CTRL | Qt::Key_A)});
    fVoce(pModifica, TAzione::Copia, tr("Copia"), "MnuCopia", tr("Copia gli oggetti selezionati"),
          {QKeySequence(Qt::CTRL | Qt::Key_C)});
    fVoce(pModifica, TAzione::Taglia, tr("Taglia"), "MnuTaglia", tr("Taglia gli oggetti selezionati"),
          {QKeySequence(Qt::CTRL | Qt::Key_X)});
    fVoce(pModifica, TAzione::Incolla, tr("Incolla"), "MnuIncolla",
          tr("Incolla gli oggetti copiati nell'area mostrata"), {QKeySequence(Qt::CTRL | Qt::Key_V)});
    fVoce(pModifica, TAzione::IncollaSpeciale, tr("Incolla speciale…"), "MnuIncollaSpeciale",
          tr("Incolla spostando i numeri di ingressi e uscite"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)});
    QMenu *pAllinea =
        fSottomenu(pModifica, TMenu::Allinea, tr("Allinea"), "MnuAllinea", tr("Allinea gli oggetti selezionati"));
    pAllinea->setToolTip(tr("Allinea gli oggetti selezionati"));
    const std::pair<const char *, TAllineamento> aVoci[] = {
        {QT_TR_NOOP("A sinistra"), TAllineamento::Sinistra},
        {QT_TR_NOOP("Al centro orizzontale"), TAllineamento::CentroOrizzontale},
        {QT_TR_NOOP("A destra"), TAllineamento::Destra},
        {QT_TR_NOOP("In alto"), TAllineamento::Alto},
        {QT_TR_NOOP("Al centro verticale"), TAllineamento::CentroVerticale},
        {QT_TR_NOOP("In basso"), TAllineamento::Basso},
        {QT_TR_NOOP("Distribuisci in orizzontale"), TAllineamento::DistribuisciOrizzontale},
        {QT_TR_NOOP("Distribuisci in verticale"), TAllineamento::DistribuisciVerticale}};
    for (const auto &[szTesto, eModo] : aVoci) {
        if (eModo == TAllineamento::Alto || eModo == TAllineamento::DistribuisciOrizzontale)
            pAllinea->addSeparator();
        QAction *pEntry = pAllinea->addAction(tr(szTesto));
        pEntry->setToolTip(tr(szTesto));
        pEntry->setData(int(eModo));
    }
    pModifica->addSeparator();
    QAction *pUnite = fVoce(pModifica, TAzione::EtichetteUnite, tr("Etichette unite agli oggetti"), "MnuEtichetteUnite",
                            tr("Spostando un'icona si sposta anche la sua etichetta"));
    pUnite->setCheckable(true);
    pUnite->setChecked(true);

    QMenu *pVista = pBarra->addMenu(tr("&Vista"));
    fVoce(pVista, TAzione::Ingrandisci, tr("Ingrandisci"), "MnuIngrandisci", tr("Ingrandisce la pagina di un passo"),
          {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    fVoce(pVista, TAzione::Riduci, tr("Riduci"), "MnuRiduci", tr("Riduce la pagina di un passo"),
          {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    pVista->addSeparator();
    m_pZoom = new QActionGroup(this);
    const TAzione aePassi[] = {TAzione::Zoom100, TAzione::Zoom150, TAzione::Zoom200, TAzione::Zoom300,
                               TAzione::Zoom400};
    for (size_t i = 0; i < TVista::aiPassi.size(); ++i) {
        const int iPasso = TVista::aiPassi.at(i);
        const QByteArray abNome = "MnuZoom" + QByteArray::number(iPasso);
        QAction *pEntry =
            fVoce(pVista, aePassi[i], tr("%1 %").arg(iPasso), abNome.constData(), tr("La pagina al %1 %").arg(iPasso));
        pEntry->setCheckable(true);
        pEntry->setData(iPasso);
        m_pZoom->addAction(pEntry);
    }
    (*this)[TAzione::Zoom100]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    pVista->addSeparator();
    fVoce(pVista, TAzione::AdattaFinestra, tr("Adatta alla finestra"), "MnuAdattaFinestra",
          tr("Il passo più grande a cui la pagina entra nella finestra"));
    pVista->addSeparator();
    fVoce(pVista, TAzione::PannelloProprieta, tr("Proprietà"), "MnuPannelloProprieta",
          tr("Mostra o nasconde il pannello delle proprietà degli oggetti selezionati"))
        ->setCheckable(true);
    fVoce(pVista, TAzione::Griglia, tr("Griglia"), "MnuGriglia",
          tr("Mostra la griglia; gli oggetti trascinati o incollati vi si allineano"))
        ->setCheckable(true);
    QMenu *pPassi = fSottomenu(pVista, TMenu::PassoGriglia, tr("Passo griglia"), "MnuPassoGriglia",
                               tr("Il passo della griglia in pixel del pannello"));
    m_pPassi = new QActionGroup(this);
    for (int iPasso : {4, 8, 16}) {
        QAction *pEntry = pPassi->addAction(tr("%1 pixel").arg(iPasso));
        pEntry->setObjectName(QStringLiteral("MnuPassoGriglia%1").arg(iPasso));
        pEntry->setCheckable(true);
        pEntry->setData(iPasso);
        m_pPassi->addAction(pEntry);
    }
    m_pPassi->actions().at(1)->setChecked(true);
    fVoce(pVista, TAzione::MostraNumeri, tr("Mostra numeri"), "MnuMostraNumeri",
          tr("Il numero di ingresso o uscita di ogni oggetto; in rosso se ripetuto nella sua classe"),
          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)})
        ->setCheckable(true);

    QMenu *pDimensione = pBarra->addMenu(tr("&Dimensione icona"));
    m_pIcone = new QActionGroup(this);
    m_pIcone->setExclusive(true);
    const std::pair<TAzione, int> aIcone[] = {{TAzione::Icona48, 48}, {TAzione::Icona32, 32}, {TAzione::Icona16, 16}};
    for (const auto &[e, iSize] : aIcone) {
        const QByteArray abNome = "N" + QByteArray::number(iSize);
        QAction *pEntry = fVoce(pDimensione, e, QStringLiteral("&") + QString::number(iSize), abNome.constData());
        pEntry->setCheckable(true);
        pEntry->setData(iSize);
        m_pIcone->addAction(pEntry);
    }
    (*this)[TAzione::Icona32]->setChecked(true);

    QMenu *pInfo = pBarra->addMenu(tr("&Info"));
    fVoce(pInfo, TAzione::About, QStringLiteral("About"), "MnuAbout");
    fVoce(pInfo, TAzione::Guida, tr("Guida"), "MnuGuida", tr("La guida di Ombrix"), {QKeySequence(Qt::Key_F1)});
    fVoce(pInfo, TAzione::Informazioni, tr("Informazioni su Ombrix…"), "MnuInformazioni",
          tr("Versione, librerie e licenze"));

    QMenu *pPopImg = new QMenu(pFinestra);
    pPopImg->setObjectName(QStringLiteral("popImg"));
    m_aMenu.at(size_t(TMenu::PopImg)) = pPopImg;
    fVoce(pPopImg, TAzione::EliminaSensore, tr("Elimina"), "MnuEliminaSensore");
    fVoce(pPopImg, TAzione::AggiungiTesto, tr("Aggiungi testo"), "MnuAggiungitesto");
    fVoce(pPopImg, TAzione::PopDuplica, tr("Duplica"), "PopDuplica", tr("Duplica il sensore"));
    fVoce(pPopImg, TAzione::PopProprieta, tr("Proprietà…"), "PopProprieta", tr("Numero, tipo e testo del sensore"));
    QMenu *pPopLabel = new QMenu(pFinestra);
    pPopLabel->setObjectName(QStringLiteral("PopLabel"));
    m_aMenu.at(size_t(TMenu::PopLabel)) = pPopLabel;
    fVoce(pPopLabel, TAzione::EliminaTesto, tr("Elimina"), "PopEliminaLabel");
    fVoce(pPopLabel, TAzione::ModificaTesto, tr("Modifica testo"), "popModTesto");
    fVoce(pPopLabel, TAzione::DimensioneColore, tr("Dimensione/Colore"), "popDimensioneColore");

    for (TAzione e : {TAzione::Annulla, TAzione::Ripeti, TAzione::AdattaSfondo})
        (*this)[e]->setEnabled(false);
    pAbilitaProgetto(false);
    pSegnaZoom(100);
}

void TAzioni::pSegnaZoom(int iPercento)
{
    for (QAction *pEntry : m_pZoom->actions())
        pEntry->setChecked(pEntry->data().toInt() == iPercento);
}

void TAzioni::pAbilitaProgetto(bool bAperto)
{
    for (TAzione e : aeProgetto)
        (*this)[e]->setEnabled(bAperto);
    fMenu(TMenu::Allinea)->setEnabled(bAperto);
}
