#include "editor/labels.h"

#include "editor/canvascontrols.h"
#include "editor/dragging.h"
#include "editor/fontdialog.h"
#include "editor/frmbase.h"
#include "model/catalogo.h"
#include "model/labelfont.h"
#include "model/labelstore.h"
#include "model/sensorstore.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include <optional>

namespace
{

QString fLabelName(qint64 iId)
{
    return QStringLiteral("Testo_") + QString::number(iId);
}

/** Gives a label its font and colour, and its size follows its text. */
void pStyleLabel(QLabel *pLabel, int iFont, int iColor)
{
    pLabel->setFont(fLabelFont(iFont));
    QPalette palette = pLabel->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(fIntToColor(iColor)));
    pLabel->setPalette(palette);
    pLabel->adjustSize();
}

/** Asks for a label text; nullopt when the command ends (empty answer, or too long after the message). */
std::optional<QString> fAskLabelText(TFrmBase &frm, const QString &sDefault)
{
    const QString sTesto =
        fTrimTyped(frm.fDialogs()
                       .fInputBox(QStringLiteral("Testo"), QStringLiteral("Inserire il testo"), sDefault)
                       .value_or(QString()));
    if (sTesto.isEmpty())
        return std::nullopt;
    if (fHasControlChars(sTesto)) {
        frm.fDialogs().pMessage(sTestoConControllo);
        return std::nullopt;
    }
    if (sTesto.size() > iMaxLabelText) {
        frm.fDialogs().pMessage(QStringLiteral("Massimo 19 caratteri!"));
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

/** Reads the integer columns of one sensor row; throws when the row is gone. */
QList<int> fReadRow(const QString &sSql, qint64 iId, int iColumns)
{
    TSqlQuery query = SQLConn.fQuery(sSql + QString::number(iId));
    if (!query.fNext())
        throw TOmbrixError(QStringLiteral("Sensore ") + QString::number(iId) + QStringLiteral(" non trovato"));
    QList<int> aValues;
    for (int i = 0; i < iColumns; ++i)
        aValues.append(query.fInt(i));
    return aValues;
}

} // namespace

void pAddLabel(TFrmBase &frm, qint64 iId, int iLeft, int iTop, int iFont, int iColor, const QString &sTesto, bool bNew)
{
    if (sTesto.isEmpty())
        return;
    const QString sName = fLabelName(iId);
    delete fFindPlaced(frm.PnlImgArea, sName);

    auto *pLabel = new TCanvasControl(frm, frm.PnlImgArea);
    pLabel->setObjectName(sName);
    pLabel->setText(sTesto);
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setAutoFillBackground(false);
    pLabel->setAttribute(Qt::WA_TranslucentBackground);
    pStyleLabel(pLabel, iFont, iColor);
    pLabel->move(iLeft, iTop);
    pLabel->setToolTip(sName);
    pLabel->pPopup = frm.PopLabel;

    if (bNew) {
        pAddTextToSensorInDb(iId, iLeft, iTop, iFont, iColor, sTesto);
        // The update reads 0 and "@+|+#" as "keep": store what is shown in those cases too.
        if (iLeft == 0 || iTop == 0 || sTesto == sKeepTesto)
            pStoreLabelPlace(iId, iLeft, iTop, sTesto);
    }
    pLabel->show();
    pLabel->raise();
    if (bNew) // a stored label is shown with its area, which repaints after its last sensor
        frm.pRepaintAll();
}

void MnuAggiungitestoClick(TFrmBase &frm, QWidget *pIcon)
{
    const std::optional<QString> sTesto = fAskLabelText(frm, QString());
    if (!sTesto)
        return;
    TFrmFont &frmFont = fFontDialog(frm);
    frm.fDialogs().pShowFontDialog(frmFont);
    const int iFont = frmFont.Dimensione();
    const int iColor = frmFont.Colore();

    const qint64 iId = fName2Id(pIcon->objectName()).toLongLong();
    const QList<int> aRow =
        fReadRow(QStringLiteral("select IconSize, CoordX, CoordY from tbsensori where _id = "), iId, 3);
    const int iIconSize = aRow.at(0);
    const int iLeft = aRow.at(1) + iIconSize + 10;
    const int iTop = aRow.at(2) + iIconSize / 2 - (fIntToDimensione(iFont) + iFont) / 2 - 2;
    pAddLabel(frm, iId, iLeft, iTop, iFont, iColor, *sTesto, true);
}

void PopEliminaLabelClick(TFrmBase &frm, QWidget *pLabel)
{
    pAddTextToSensorInDb(fName2Id(pLabel->objectName()).toLongLong(), 0, 0, 0, 0, QString());
    delete pLabel;
    frm.pRepaintAll();
}

void popModTestoClick(TFrmBase &frm, QWidget *pLabel)
{
    auto *pText = qobject_cast<QLabel *>(pLabel);
    if (!pText)
        return;
    const std::optional<QString> sTesto = fAskLabelText(frm, pText->text());
    if (!sTesto)
        return;
    const qint64 iId = fName2Id(pLabel->objectName()).toLongLong();
    if (*sTesto == sKeepTesto)
        pStoreLabelText(iId, *sTesto); // the general update would keep the old text
    else
        pAddTextToSensorInDb(iId, 0, 0, 0, 0, *sTesto);
    pText->setText(*sTesto);
    pText->adjustSize();
    frm.pRepaintAll();
}

void popDimensioneColoreClick(TFrmBase &frm, QWidget *pLabel)
{
    auto *pText = qobject_cast<QLabel *>(pLabel);
    if (!pText)
        return;
    const qint64 iId = fName2Id(pLabel->objectName()).toLongLong();
    const QList<int> aRow = fReadRow(QStringLiteral("select FontTxt, ColorTxt from tbsensori where _id = "), iId, 2);
    TFrmFont &frmFont = fFontDialog(frm);
    frmFont.SetColore(aRow.at(1));
    frmFont.SetDimensione(aRow.at(0));
    frm.fDialogs().pShowFontDialog(frmFont);
    const int iColor = frmFont.Colore();
    const int iFont = frmFont.Dimensione();
    pAddTextToSensorInDb(iId, 0, 0, iFont, iColor, sKeepTesto);
    pStyleLabel(pText, iFont, iColor);
    frm.pRepaintAll();
}
