#include "editor/placement.h"

#include "document/projectdocument.h"
#include "editor/canvas.h"
#include "editor/canvascontrols.h"
#include "editor/frmbase.h"
#include "editor/labels.h"
#include "model/catalogo.h"
#include "model/sensore.h"
#include "workspace/errors.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QPixmap>

namespace {

QString fIconPath(int iTipo, int iIconSize)
{
    return sGlobGrfcPath + fGetTipo(iTipo) + QString::number(iIconSize) + QStringLiteral(".png");
}

/** Hint of an icon: the name's fields 0, 2 and 3, as in "Radar ingresso: 5". */
QString fHint(const QString &sName)
{
    const QStringList asParts = sName.split(QLatin1Char('_'));
    return asParts.value(0) + QStringLiteral(" ") + asParts.value(2) + QStringLiteral(": ") + asParts.value(3);
}

/** Builds the 7 x 7 second end of the barrier sNomeSensore from its decoded picture. */
void pCreaB2(TFrmBase &frm, QWidget *mioPanel, const QPixmap &picture, const QString &sNomeSensore, int iTop, int iLeft)
{
    const QString sName = sNomeSensore + QStringLiteral("_");
    auto *pMarker = new TCanvasControl(frm, mioPanel);
    pMarker->setObjectName(sName);
    pMarker->setPixmap(picture);
    pMarker->setGeometry(iLeft, iTop, iGlobB2Size, iGlobB2Size);
    pMarker->setToolTip(sName);
    pMarker->pSetMark(1);
    pMarker->show();
    pMarker->raise();
}

} // namespace

void pAddSensoreNew(TFrmBase &frm, QWidget *mioPanel, const TSensore &oSensore, bool bNew)
{
    const int iTipo = oSensore.Get_tiposensore();
    const int iIconSize = oSensore.Get_iconsize();
    const bool bBarriera = iTipo == 4;
    TProjectDocument &doc = frm.fDocument();
    if (bNew && doc.fAreaMostrata() == 0)
        return; // no area to store it in

    // 1. the number text
    QString sNumero = QString::number(oSensore.Get_numsensore());
    if (bNew && iTipo != 3) {
        const QString sRisposta =
            fTrimTyped(frm.fDialogs()
                           .fInputBox(QCoreApplication::translate("Ombrix", "Ingresso/Uscita"),
                                      QCoreApplication::translate("Ombrix", "Numero Ingresso/Uscita?"), QString())
                           .value_or(QString()));
        if (!fIsNumero(sRisposta)) {
            frm.fDialogs().pMessage(QCoreApplication::translate("Ombrix", "E' necessario un valore NUMERICO"));
            return;
        }
        sNumero = sRisposta;
    }

    // 2. the pictures, decoded before anything is stored, so a missing one stores nothing
    const QPixmap icon = fReadIcon(fIconPath(iTipo, iIconSize));
    QPixmap marker;
    if (bBarriera)
        marker = fReadIcon(sGlobGrfcPath + QStringLiteral("b2.png"));

    // 3. a new sensor is stored; the document then shows it through this same placement
    if (bNew) {
        doc.pAggiungiOggetto(iTipo, iIconSize, sNumero);
        return;
    }
    const qint64 iId = oSensore.Get_id();

    // 4. the name, given at once so that clearing the canvas always finds the control
    const QString sName = fNomeSensore(iTipo, oSensore.Get_area_zoom(), iId, sNumero);
    auto *pIcon = new TCanvasControl(frm, mioPanel);
    pIcon->setObjectName(sName);
    pIcon->setPixmap(icon);
    pIcon->setGeometry(oSensore.Get_coordx(), oSensore.Get_coordy(), iIconSize, iIconSize);

    // 5. the barrier's second end
    if (bBarriera)
        pCreaB2(frm, mioPanel, marker, sName, oSensore.Get_coordy2(), oSensore.Get_coordx2());

    // 6. the stored label, if any
    pAddLabel(frm, iId, oSensore.Get_coordxt(), oSensore.Get_coordyt(), oSensore.Get_fonttxt(), oSensore.Get_colortxt(),
              oSensore.Get_testo(), false);

    // 7. the icon on top of its own marker and label
    pIcon->setToolTip(fHint(sName));
    if (iTipo == 3)
        pIcon->bZoomNavigation = true;
    else
        pIcon->pPopup = frm.popImg;
    pIcon->pSetMark(0);
    pIcon->show();
    pIcon->raise();
}

void pAddSensorButtonClick(TFrmBase &frm, int iTipo)
{
    if (!frm.fDocument().fAperto() || frm.fDocument().fAreaMostrata() == 0)
        return;
    const TSensore oSensore = TSensore::fNuovo(iTipo, iGlobIconSize);
    pAddSensoreNew(frm, frm.PnlImgArea, oSensore, true);
}

void pZoomInClick(TFrmBase &frm)
{
    TProjectDocument &doc = frm.fDocument();
    const qint64 iParent = doc.fAreaMostrata();
    const TAreaRow *pParent = doc.fArea(iParent);
    if (!doc.fAperto() || !pParent || pParent->iLivello != 0)
        return;
    const std::optional<QString> sNome =
        frm.fDialogs().fInputBox(QCoreApplication::translate("Ombrix", "Nome Area?"),
                                 QCoreApplication::translate("Ombrix", "Nome Area?"), QString());
    if (!sNome || sNome->isEmpty())
        return;
    fReadPicture(fIconPath(3, iGlobIconSize)); // the marker's picture, before anything is stored
    doc.pAggiungiAreaDettaglio(iParent, *sNome, iGlobIconSize);
}
