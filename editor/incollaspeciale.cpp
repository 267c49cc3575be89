// The dialog "Incolla speciale" (also shown by "Duplica area…"): the offsets
// added to the numbers of pasted inputs and outputs, and whether labels
// ending in an old number take the new one. Numbers the paste would give that
// the project already uses are named as a warning while the user chooses.

#include "editor/dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include <exception>

namespace {

QString fTr(const char *szTesto)
{
    return QCoreApplication::translate("Ombrix", szTesto);
}

QSpinBox *fOffset(QDialog &dlg, const char *szNome, const QString &sEtichetta, qint64 iValore)
{
    auto *pSpin = new QSpinBox(&dlg);
    pSpin->setObjectName(QLatin1String(szNome));
    pSpin->setAccessibleName(sEtichetta);
    pSpin->setToolTip(sEtichetta);
    pSpin->setRange(-9999, 9999);
    pSpin->setValue(int(iValore));
    return pSpin;
}

} // namespace

bool TQtDialogs::fIncollaSpeciale(const QString &sTitolo, TOpzioniIncolla &opzioni, const TFnAvvisoIncolla &fnAvviso,
                                  const TFnRifiutoIncolla &fnRifiuto)
{
    QDialog dlg(m_pParent);
    dlg.setObjectName(QStringLiteral("FrmIncollaSpeciale"));
    dlg.setWindowTitle(sTitolo);
    dlg.setAccessibleName(sTitolo);
    dlg.setMinimumWidth(380); // room for the warning on one line or two
    auto *pForm = new QFormLayout(&dlg);

    auto *pIngressi = fOffset(dlg, "SpnOffsetIngressi", fTr("Scostamento ingressi"), opzioni.iOffsetIngressi);
    pForm->addRow(fTr("Scostamento ingressi"), pIngressi);
    auto *pUscite = fOffset(dlg, "SpnOffsetUscite", fTr("Scostamento uscite"), opzioni.iOffsetUscite);
    pForm->addRow(fTr("Scostamento uscite"), pUscite);
    auto *pTesti = new QCheckBox(fTr("Aggiorna i numeri nei testi"), &dlg);
    pTesti->setObjectName(QStringLiteral("ChkAggiornaTesti"));
    pTesti->setAccessibleName(fTr("Aggiorna i numeri nei testi"));
    pTesti->setChecked(opzioni.bAggiornaTesti);
    pForm->addRow(pTesti);

    auto *pAvviso = new QLabel(&dlg);
    pAvviso->setObjectName(QStringLiteral("LblAvviso"));
    pAvviso->setAccessibleName(fTr("Avviso"));
    pAvviso->setStyleSheet(QStringLiteral("color: #b00000"));
    pAvviso->setWordWrap(true);
    pForm->addRow(pAvviso);

    auto *pBottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    pBottoni->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    pBottoni->button(QDialogButtonBox::Cancel)->setAccessibleName(fTr("Annulla"));
    pForm->addRow(pBottoni);
    QObject::connect(pBottoni, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);

    auto fLette = [&] {
        TOpzioniIncolla o;
        o.iOffsetIngressi = pIngressi->value();
        o.iOffsetUscite = pUscite->value();
        o.bAggiornaTesti = pTesti->isChecked();
        return o;
    };
    auto pAggiornaAvviso = [&] {
        QString sAvviso;
        try {
            sAvviso = fnAvviso(fLette());
        } catch (const std::exception &) {
            sAvviso.clear(); // a warning that cannot be read is not shown; OK reports the failure
        }
        pAvviso->setText(sAvviso);
        pAvviso->setVisible(!sAvviso.isEmpty());
    };
    QObject::connect(pIngressi, &QSpinBox::valueChanged, &dlg, pAggiornaAvviso);
    QObject::connect(pUscite, &QSpinBox::valueChanged, &dlg, pAggiornaAvviso);
    pAggiornaAvviso();
    // offsets that would take a number outside the panel's range keep the dialog open
    QObject::connect(pBottoni, &QDialogButtonBox::accepted, &dlg, [&] {
        const QString sRifiuto = fnRifiuto ? fnRifiuto(fLette()) : QString();
        if (sRifiuto.isEmpty()) {
            dlg.accept();
            return;
        }
        QMessageBox::information(&dlg, sTitolo, sRifiuto, QMessageBox::Ok);
        pIngressi->setFocus(Qt::OtherFocusReason);
    });

    if (dlg.exec() != QDialog::Accepted)
        return false;
    opzioni = fLette();
    return true;
}
