#include "editor/welcome.h"

#include "workspace/uty.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// a button that does what its menu entry does, enabled as the entry is
QCommandLinkButton *fPulsante(QAction *pEntry, const QString &sTesto, const QString &sSpiega, const char *szNome,
                              QWidget *pParent)
{
    auto *pBtn = new QCommandLinkButton(sTesto, sSpiega, pParent);
    pBtn->setObjectName(QLatin1String(szNome));
    pBtn->setEnabled(pEntry->isEnabled());
    QObject::connect(pEntry, &QAction::changed, pBtn, [pBtn, pEntry] { pBtn->setEnabled(pEntry->isEnabled()); });
    QObject::connect(pBtn, &QAbstractButton::clicked, pEntry, &QAction::trigger);
    return pBtn;
}

} // namespace

TBenvenuto::TBenvenuto(QAction *pNuovo, QAction *pApri, QAction *pImporta,
                       std::function<void(const QString &sDb)> fnApri, QWidget *pParent)
    : QWidget(pParent), m_fnApri(std::move(fnApri))
{
    setObjectName(QStringLiteral("Benvenuto"));
    setAccessibleName(tr("Benvenuto"));
    setAutoFillBackground(true);
    auto *pColonna = new QVBoxLayout(this);
    pColonna->setContentsMargins(24, 16, 24, 16);
    auto *pTitolo = new QLabel(tr("Per cominciare, crea un progetto, aprine uno o ricostruiscilo da un pannello."));
    pTitolo->setObjectName(QStringLiteral("LblBenvenuto"));
    pTitolo->setWordWrap(true);
    pColonna->addWidget(pTitolo);
    pColonna->addWidget(
        fPulsante(pNuovo, tr("Nuovo progetto…"), tr("Un progetto vuoto, con la sua prima area"), "BenvNuovo", this));
    pColonna->addWidget(
        fPulsante(pApri, tr("Apri progetto…"), tr("Un progetto già salvato (*.omb)"), "BenvApri", this));
    pColonna->addWidget(fPulsante(pImporta, tr("Importa dal pannello…"),
                                  tr("Un progetto ricostruito dal maps.txt e dalle immagini di un pannello"),
                                  "BenvImporta", this));
    m_pTitoloRecenti = new QLabel(tr("Progetti recenti"));
    m_pTitoloRecenti->setObjectName(QStringLiteral("LblBenvRecenti"));
    QFont grassetto = m_pTitoloRecenti->font();
    grassetto.setBold(true);
    m_pTitoloRecenti->setFont(grassetto);
    pColonna->addSpacing(8);
    pColonna->addWidget(m_pTitoloRecenti);
    m_pRecenti = new QVBoxLayout;
    m_pRecenti->setSpacing(0);
    pColonna->addLayout(m_pRecenti);
    pColonna->addStretch(1);
    pAggiorna();
}

void TBenvenuto::pAggiorna()
{
    while (QLayoutItem *pItem = m_pRecenti->takeAt(0)) {
        if (QWidget *pVecchio = pItem->widget()) {
            pVecchio->hide();
            pVecchio->setObjectName(QString());
            pVecchio->deleteLater(); // it may be the button whose click is running
        }
        delete pItem;
    }
    m_pTitoloRecenti->setVisible(!asGlobRecenti.isEmpty());
    for (int i = 0; i < asGlobRecenti.size(); ++i) {
        const QString sDb = asGlobRecenti.at(i);
        const QString sPercorso = QDir::toNativeSeparators(sDb);
        auto *pBtn = new QCommandLinkButton(QFileInfo(sDb).completeBaseName(), sPercorso, this);
        pBtn->setObjectName(QStringLiteral("BenvRecente_%1").arg(i + 1));
        pBtn->setToolTip(sPercorso);
        pBtn->setEnabled(QFileInfo(sDb).isFile()); // a project that is gone stays listed, disabled
        connect(pBtn, &QAbstractButton::clicked, this, [this, sDb] { m_fnApri(sDb); });
        m_pRecenti->addWidget(pBtn);
    }
}
