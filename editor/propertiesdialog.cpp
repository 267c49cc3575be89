// The dialog "Proprietà" of a placed sensor: its number, its type within its
// class, and its label's text, size and colour. A number another object of
// the same class uses is shown as a warning while the user types.

#include "editor/dialogs.h"
#include "model/catalogo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <exception>

namespace {

// the font dialog's items, with their indexes
const char *const aszDimensioni[] = {"8", "9", "10", "11", "12", "13", "14", "15", "16"};
const std::pair<const char *, int> aColori[] = {
    {QT_TRANSLATE_NOOP("Ombrix", "bianco"), 1},      {QT_TRANSLATE_NOOP("Ombrix", "giallo"), 2},
    {QT_TRANSLATE_NOOP("Ombrix", "arancio"), 3},     {QT_TRANSLATE_NOOP("Ombrix", "rosa"), 4},
    {QT_TRANSLATE_NOOP("Ombrix", "rosso"), 5},       {QT_TRANSLATE_NOOP("Ombrix", "verdino"), 6},
    {QT_TRANSLATE_NOOP("Ombrix", "verde scuro"), 7}, {QT_TRANSLATE_NOOP("Ombrix", "celeste"), 8},
    {QT_TRANSLATE_NOOP("Ombrix", "blu"), 9},         {QT_TRANSLATE_NOOP("Ombrix", "viola"), 10},
    {QT_TRANSLATE_NOOP("Ombrix", "nero"), 16}};

} // namespace

void pRiempiDimensioni(QComboBox *pCombo)
{
    int iIndice = 0;
    for (const char *sz : aszDimensioni)
        pCombo->addItem(QString::fromLatin1(sz), ++iIndice);
}

void pRiempiColori(QComboBox *pCombo)
{
    for (const auto &[sz, iIndice] : aColori)
        pCombo->addItem(QCoreApplication::translate("Ombrix", sz), iIndice);
}

bool TQtDialogs::fProprieta(TProprieta &prop, const TFnAvvisoNumero &fnAvviso, const TFnVerificaProprieta &fnVerifica)
{
    QDialog dlg(m_pParent);
    dlg.setObjectName(QStringLiteral("FrmProprieta"));
    dlg.setWindowTitle(QCoreApplication::translate("Ombrix", "Proprietà"));
    dlg.setAccessibleName(QCoreApplication::translate("Ombrix", "Proprietà"));
    auto *pForm = new QFormLayout(&dlg);

    auto *pNumero = new QLineEdit(prop.sNumero, &dlg);
    pNumero->setObjectName(QStringLiteral("EdtNumero"));
    pNumero->setAccessibleName(QCoreApplication::translate("Ombrix", "Numero"));
    pForm->addRow(QCoreApplication::translate("Ombrix", "Numero"), pNumero);

    auto *pTipo = new QComboBox(&dlg);
    pTipo->setObjectName(QStringLiteral("CmbTipo"));
    pTipo->setAccessibleName(QCoreApplication::translate("Ombrix", "Tipo"));
    for (int iTipo : prop.aTipi) {
        pTipo->addItem(iTipo >= 1 && iTipo <= 10 ? fNomeTipoOggetto(iTipo) : QString::number(iTipo), iTipo);
        if (iTipo == prop.iTipo)
            pTipo->setCurrentIndex(pTipo->count() - 1);
    }
    pForm->addRow(QCoreApplication::translate("Ombrix", "Tipo"), pTipo);

    auto *pAvviso = new QLabel(&dlg);
    pAvviso->setObjectName(QStringLiteral("LblAvviso"));
    pAvviso->setAccessibleName(QCoreApplication::translate("Ombrix", "Avviso"));
    pAvviso->setStyleSheet(QStringLiteral("color: #b00000"));
    pAvviso->setWordWrap(true);
    pForm->addRow(pAvviso);

    auto *pTesto = new QLineEdit(prop.sTesto, &dlg);
    pTesto->setObjectName(QStringLiteral("EdtTesto"));
    pTesto->setAccessibleName(QCoreApplication::translate("Ombrix", "Testo"));
    pForm->addRow(QCoreApplication::translate("Ombrix", "Testo"), pTesto);

    auto *pDimensione = new QComboBox(&dlg);
    pDimensione->setObjectName(QStringLiteral("CmbDimensione"));
    pDimensione->setAccessibleName(QCoreApplication::translate("Ombrix", "Dimensione"));
    pRiempiDimensioni(pDimensione);
    // as the font dialog: indexes 1 to 9, and "16" for any other
    const int iDimensioneIniziale = prop.iFont >= 1 && prop.iFont <= 9 ? prop.iFont - 1 : 8;
    pDimensione->setCurrentIndex(iDimensioneIniziale);
    pForm->addRow(QCoreApplication::translate("Ombrix", "Dimensione"), pDimensione);

    auto *pColore = new QComboBox(&dlg);
    pColore->setObjectName(QStringLiteral("CmbColore"));
    pColore->setAccessibleName(QCoreApplication::translate("Ombrix", "Colore"));
    pRiempiColori(pColore);
    const int iTrovato = pColore->findData(prop.iColore);
    const int iColoreIniziale = iTrovato >= 0 ? iTrovato : 10; // "nero" for 0, 16 and any unknown index
    pColore->setCurrentIndex(iColoreIniziale);
    pForm->addRow(QCoreApplication::translate("Ombrix", "Colore"), pColore);

    auto *pBottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    pBottoni->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    pBottoni->button(QDialogButtonBox::Cancel)->setAccessibleName(QCoreApplication::translate("Ombrix", "Annulla"));
    pForm->addRow(pBottoni);
    QObject::connect(pBottoni, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);

    auto pAggiornaAvviso = [&] {
        QString sAvviso;
        try {
            sAvviso = fnAvviso(pNumero->text(), pTipo->currentData().toInt());
        } catch (const std::exception &) {
            sAvviso.clear(); // a warning that cannot be read is not shown; OK reports the failure
        }
        pAvviso->setText(sAvviso);
        pAvviso->setVisible(!sAvviso.isEmpty());
    };
    QObject::connect(pNumero, &QLineEdit::textChanged, &dlg, pAggiornaAvviso);
    QObject::connect(pTipo, &QComboBox::currentIndexChanged, &dlg, pAggiornaAvviso);
    pAggiornaAvviso();

    const auto fLetta = [&] {
        TProprieta letta = prop;
        letta.sNumero = pNumero->text();
        letta.iTipo = pTipo->currentData().toInt();
        letta.sTesto = pTesto->text();
        // an index the user left alone stays as stored
        if (pDimensione->currentIndex() != iDimensioneIniziale)
            letta.iFont = pDimensione->currentIndex() + 1;
        if (pColore->currentIndex() != iColoreIniziale)
            letta.iColore = pColore->currentData().toInt();
        return letta;
    };
    // a refused field keeps the dialog open, every field as typed, the focus on the refused one
    QObject::connect(pBottoni, &QDialogButtonBox::accepted, &dlg, [&] {
        const std::optional<TRifiutoProprieta> rifiuto = fnVerifica ? fnVerifica(fLetta()) : std::nullopt;
        if (!rifiuto) {
            dlg.accept();
            return;
        }
        QMessageBox::information(&dlg, QCoreApplication::translate("Ombrix", "Proprietà"), rifiuto->sMessaggio,
                                 QMessageBox::Ok);
        if (auto *pCampo = dlg.findChild<QLineEdit *>(rifiuto->sCampo)) {
            pCampo->setFocus(Qt::OtherFocusReason);
            pCampo->selectAll();
        }
    });

    if (dlg.exec() != QDialog::Accepted)
        return false;
    prop = fLetta();
    return true;
}
