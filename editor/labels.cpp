#include "editor/labels.h"

#include "document/projectdocument.h"
#include "editor/canvascontrols.h"
#include "editor/dragging.h"
#include "editor/fontdialog.h"
#include "editor/frmbase.h"
#include "model/catalogo.h"
#include "model/labelfont.h"
#include "model/sensore.h"
#include "preview/disegno.h"
#include "workspace/errors.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPalette>

#include <optional>

namespace {

QString fLabelName(qint64 iId)
{
    return QStringLiteral("Testo_") + QString::number(iId);
}

/** Gives a label its font and colour, and its size follows its text. */
void pStyleLabel(QLabel *pLabel, int iFont, int iColor)
{
    pLabel->setFont(fLabelFont(iFont));
    QPalette palette = pLabel->palette();
    palette.setColor(QPalette::WindowText, fColoreEtichetta(iColor));
    pLabel->setPalette(palette);
    pLabel->adjustSize();
}

/** Asks for a label text; nullopt when the command ends (empty answer, or too long after the message). */
std::optional<QString> fAskLabelText(TFrmBase &frm, const QString &sDefault)
{
    const QString sTesto =
        fTrimTyped(frm.fDialogs()
                       .fInputBox(QCoreApplication::translate("Ombrix", "Testo"),
                                  QCoreApplication::translate("Ombrix", "Inserire il testo"), sDefault)
                       .value_or(QString()));
    if (sTesto.isEmpty())
        return std::nullopt;
    if (fHasControlChars(sTesto)) {
        frm.fDialogs().pMessage(fTestoConControllo());
        return std::nullopt;
    }
    if (sTesto.size() > iMaxLabelText) {
        frm.fDialogs().pMessage(QCoreApplication::translate("Ombrix", "Massimo 19 caratteri!"));
        return std::nullopt;
    }
    return sTesto;
}

TFrmFont &fFontDialog(TFrmBase &frm)
{
    if (!frm.FrmFont)
        frm.FrmFont = new TFrmFont(&frm);
    return *frm.FrmFont;
}

/** The shown object of a label or an icon; throws when it is gone. */
const TSensore &fOggettoDi(TFrmBase &frm, QWidget *pControl)
{
    const qint64 iId = fName2Id(pControl->objectName()).toLongLong();
    const TSensore *p = frm.fDocument().fOggetto(iId);
    if (!p)
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Sensore ") + QString::number(iId) +
                           QCoreApplication::translate("Ombrix", " non trovato"));
    return *p;
}

} // namespace

void pAddLabel(TFrmBase &frm, qint64 iId, int iLeft, int iTop, int iFont, int iColor, const QString &sTesto,
               bool bCerca)
{
    const QString sName = fLabelName(iId);
    auto *pLabel = bCerca ? qobject_cast<TCanvasControl *>(fFindPlaced(frm.PnlImgArea, sName)) : nullptr;
    if (sTesto.isEmpty()) {
        delete pLabel;
        return;
    }
    const bool bNuova = !pLabel;
    if (bNuova) {
        pLabel = new TCanvasControl(frm, frm.PnlImgArea);
        pLabel->setObjectName(sName);
        pLabel->setTextFormat(Qt::PlainText);
        pLabel->setAutoFillBackground(false);
        pLabel->setAttribute(Qt::WA_TranslucentBackground);
        pLabel->setToolTip(sName);
        pLabel->pPopup = frm.PopLabel;
    }
    pLabel->setText(sTesto);
    pStyleLabel(pLabel, iFont, iColor);
    pLabel->move(iLeft, iTop);
    if (bNuova) {
        pLabel->show();
        pLabel->raise();
    }
}

void MnuAggiungitestoClick(TFrmBase &frm, QWidget *pIcon)
{
    const TSensore oggetto = fOggettoDi(frm, pIcon);
    const std::optional<QString> sTesto = fAskLabelText(frm, QString());
    if (!sTesto)
        return;
    TFrmFont &frmFont = fFontDialog(frm);
    frm.fDialogs().pShowFontDialog(frmFont);
    const int iFont = frmFont.Dimensione();
    const int iColor = frmFont.Colore();

    const int iIconSize = oggetto.Get_iconsize();
    const int iLeft = oggetto.Get_coordx() + iIconSize + 10;
    const int iTop = oggetto.Get_coordy() + iIconSize / 2 - (fIntToDimensione(iFont) + iFont) / 2 - 2;
    frm.fDocument().pAggiungiTesto(oggetto.Get_id(), QPoint(iLeft, iTop), iFont, iColor, *sTesto);
}

void PopEliminaLabelClick(TFrmBase &frm, QWidget *pLabel)
{
    frm.fDocument().pEliminaTesto(fOggettoDi(frm, pLabel).Get_id());
}

void popModTestoClick(TFrmBase &frm, QWidget *pLabel)
{
    auto *pText = qobject_cast<QLabel *>(pLabel);
    if (!pText)
        return;
    const qint64 iId = fOggettoDi(frm, pLabel).Get_id();
    const std::optional<QString> sTesto = fAskLabelText(frm, pText->text());
    if (!sTesto)
        return;
    frm.fDocument().pModificaTesto(iId, *sTesto);
}

void popDimensioneColoreClick(TFrmBase &frm, QWidget *pLabel)
{
    const TSensore &oggetto = fOggettoDi(frm, pLabel);
    const qint64 iId = oggetto.Get_id();
    TFrmFont &frmFont = fFontDialog(frm);
    frmFont.SetColore(oggetto.Get_colortxt());
    frmFont.SetDimensione(oggetto.Get_fonttxt());
    frm.fDialogs().pShowFontDialog(frmFont);
    frm.fDocument().pStileTesto(iId, frmFont.Dimensione(), frmFont.Colore());
}
