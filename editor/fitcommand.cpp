// "Adatta immagine di sfondo…": a picture or a PDF page chosen, fitted in
// the dialog and stored as the shown area's picture, in one step.

#include "document/projectdocument.h"
#include "editor/fitdialog.h"
#include "editor/frmbase.h"
#include "fit/sorgente.h"

#include <QLabel>
#include <QPainter>

#include <memory>

QImage TFrmBase::fSopraSfondo() const
{
    QImage img(PnlImgArea->size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter painter(&img);
    // bottom to top, as the canvas stacks them
    for (QObject *pChild : PnlImgArea->children()) {
        auto *pWidget = qobject_cast<QWidget *>(pChild);
        if (!pWidget || pWidget == Image_1 || pWidget->isHidden())
            continue;
        pWidget->render(&painter, pWidget->pos(), QRegion(), QWidget::DrawChildren);
    }
    return img;
}

void TFrmBase::MnuAdattaSfondoClick()
{
    const qint64 iId = m_pDoc->fAreaMostrata();
    if (!m_pDoc->fAperto() || iId == 0)
        return;
    const QString sFile = fDialogs().fOpenFitSource(m_pDoc->fRootPrj());
    if (sFile.isEmpty())
        return;
    // a protected PDF asks for its password; a wrong one fails with its message
    std::unique_ptr<TSorgente> pSorgente;
    QString sPassword;
    while (!pSorgente) {
        try {
            pSorgente = std::make_unique<TSorgente>(sFile, 1, sPassword);
        } catch (const TPdfProtetto &e) {
            if (e.fPasswordErrata())
                throw;
            const std::optional<QString> sRisposta = fDialogs().fPassword(sFile);
            if (!sRisposta)
                return;
            sPassword = *sRisposta;
            if (sPassword.isEmpty())
                throw;
        }
    }
    TFrmAdatta frm(std::move(pSorgente), sPassword, fSopraSfondo(), fDialogs(), this);
    if (!fDialogs().fAdattaSfondo(frm))
        return;
    m_pDoc->pScriviSfondo(iId, fJpegSfondo(frm.fRisultato()));
}
