// Working without the mouse: the selected object with its frame and its
// status bar, the keys of the canvas (moving, deleting, walking the objects),
// the duplicate of a sensor and its properties.

#include "document/appunti.h"
#include "document/projectdocument.h"
#include "editor/canvascontrols.h"
#include "editor/dragging.h"
#include "editor/frmbase.h"
#include "editor/labels.h"
#include "model/catalogo.h"
#include "model/sensore.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>

namespace {

/** The item of a placed control: 0 icon, 1 barrier's second end, 2 label. */
int fElemento(const QWidget *pControl)
{
    if (pControl->objectName().startsWith(QStringLiteral("Testo_")))
        return 2;
    return pControl->property("mark").toInt() == 1 ? 1 : 0;
}

/** The placed controls of the canvas, from the bottom of the stack to the top. */
QList<QWidget *> fControlliInOrdine(QWidget *pPanel)
{
    QList<QWidget *> a;
    for (QObject *pChild : pPanel->children())
        if (pChild->isWidgetType() && fIsPlacedControlName(pChild->objectName()))
            a << static_cast<QWidget *>(pChild);
    return a;
}

QString fNomeTipo(int iTipo)
{
    static const char *const aszNomi[] = {
        QT_TRANSLATE_NOOP("Ombrix", "Volumetrico"),   QT_TRANSLATE_NOOP("Ombrix", "Contatto"),
        QT_TRANSLATE_NOOP("Ombrix", "Zoom"),          QT_TRANSLATE_NOOP("Ombrix", "Barriera"),
        QT_TRANSLATE_NOOP("Ombrix", "Telecamera"),    QT_TRANSLATE_NOOP("Ombrix", "Lampada"),
        QT_TRANSLATE_NOOP("Ombrix", "Tapparella su"), QT_TRANSLATE_NOOP("Ombrix", "Tapparella giù"),
        QT_TRANSLATE_NOOP("Ombrix", "Allarme"),       QT_TRANSLATE_NOOP("Ombrix", "Irrigazione")};
    return iTipo >= 1 && iTipo <= 10 ? QCoreApplication::translate("Ombrix", aszNomi[iTipo - 1])
                                     : QCoreApplication::translate("Ombrix", "Sensore");
}

void pCella(QLabel *pCella, const QString &sTesto)
{
    pCella->setText(sTesto);
    pCella->setToolTip(sTesto);
}

QString fPosizione(const QPoint &pos)
{
    return QStringLiteral("X %1  Y %2").arg(pos.x()).arg(pos.y());
}

} // namespace

// --- selection ---------------------------------------------------------------

void TFrmBase::pSeleziona(QWidget *pControl)
{
    if (pControl && fIsPlacedControlName(pControl->objectName())) {
        m_iSelId = fName2Id(pControl->objectName()).toLongLong();
        m_iSelElemento = fElemento(pControl);
        m_iSelArea = m_pDoc->fAreaMostrata();
        m_aSel = {TSel{m_iSelId, m_iSelElemento}};
    } else {
        m_iSelId = 0;
        m_aSel.clear();
    }
    pAggiornaSelezione();
}

QWidget *TFrmBase::fSelezionato() const
{
    if (m_iSelId == 0 || m_iSelArea != m_pDoc->fAreaMostrata())
        return nullptr;
    const QString sId = QString::number(m_iSelId);
    for (QWidget *p : fControlliInOrdine(PnlImgArea))
        if (fName2Id(p->objectName()) == sId && fElemento(p) == m_iSelElemento)
            return p;
    return nullptr;
}

void TFrmBase::pAggiornaSelezione()
{
    QWidget *pControl = fSelezionato();
    const TSensore *pOggetto = pControl ? m_pDoc->fOggetto(m_iSelId) : nullptr;
    const TAreaRow *pArea = m_pDoc->fArea(m_pDoc->fAreaMostrata());
    pCella(SbarArea, pArea ? pArea->sNome : QString());
    // the other selected items that are still on the canvas keep their frames
    QList<QRect> aAltre;
    QList<TSel> aRimasti;
    for (QWidget *p : fControlliSelezionati()) {
        const TSel sel{fName2Id(p->objectName()).toLongLong(), fElemento(p)};
        aRimasti << sel;
        if (p != pControl)
            aAltre << p->geometry();
    }
    m_aSel = aRimasti;
    if (!pOggetto && !m_aSel.isEmpty()) { // the one above is gone: the last of the others takes its place
        m_iSelId = m_aSel.last().iId;
        m_iSelElemento = m_aSel.last().iElemento;
        pControl = fSelezionato();
        pOggetto = pControl ? m_pDoc->fOggetto(m_iSelId) : nullptr;
        aAltre.removeOne(pControl ? pControl->geometry() : QRect());
    }
    ImgCanvas->pSetAltreCornici(pOggetto ? aAltre : QList<QRect>());
    pCella(SbarMessaggio, m_aSel.size() > 1 ? tr("%1 oggetti selezionati").arg(m_aSel.size()) : QString());
    if (!pOggetto || m_aSel.size() > 1) {
        if (!pOggetto) {
            m_iSelId = 0;
            m_aSel.clear();
        }
        ImgCanvas->pSetCornice(pOggetto ? pControl->geometry() : QRect());
        if (pOggetto)
            ImgCanvas->raise();
        for (QLabel *p : {SbarTipo, SbarNumero, SbarTesto, SbarPosizione, SbarElemento})
            pCella(p, QString());
        return;
    }
    ImgCanvas->raise();
    ImgCanvas->pSetCornice(pControl->geometry());
    const int iTipo = pOggetto->Get_tiposensore();
    pCella(SbarTipo, fNomeTipo(iTipo));
    pCella(SbarNumero,
           iTipo == 3 ? QCoreApplication::translate("Ombrix", "Area ") + QString::number(pOggetto->Get_area_zoom())
                      : QCoreApplication::translate("Ombrix", "N. ") + QString::number(pOggetto->Get_numsensore()));
    pCella(SbarTesto, pOggetto->Get_testo());
    pCella(SbarPosizione, fPosizione(pControl->pos()));
    static const char *const aszElementi[] = {QT_TRANSLATE_NOOP("Ombrix", "icona"),
                                              QT_TRANSLATE_NOOP("Ombrix", "seconda estremità"),
                                              QT_TRANSLATE_NOOP("Ombrix", "testo")};
    pCella(SbarElemento, QCoreApplication::translate("Ombrix", aszElementi[m_iSelElemento]));
}

void TFrmBase::pSeguiTrascinamento(QWidget *pControl)
{
    if (fSelezioneMultipla() && fInSelezione(pControl)) {
        QList<QRect> aAltre;
        for (QWidget *p : fControlliSelezionati())
            if (p != fSelezionato())
                aAltre << p->geometry();
        ImgCanvas->pSetAltreCornici(aAltre);
        if (QWidget *p = fSelezionato())
            ImgCanvas->pSetCornice(p->geometry());
        return;
    }
    if (pControl != fSelezionato())
        return;
    ImgCanvas->pSetCornice(pControl->geometry());
    pCella(SbarPosizione, fPosizione(pControl->pos()));
}

// --- keys --------------------------------------------------------------------

bool TFrmBase::fTastoCanvas(QKeyEvent *pEvent)
{
    const int iTasto = pEvent->key();
    const bool bMaiuscolo = pEvent->modifiers() & Qt::ShiftModifier;
    if (pEvent->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false; // Ctrl and Alt combinations are the menus' shortcuts
    if (!m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0)
        return false;

    if (iTasto == Qt::Key_Tab || iTasto == Qt::Key_Backtab) {
        const QList<QWidget *> aControlli = fControlliInOrdine(PnlImgArea);
        if (aControlli.isEmpty())
            return true;
        const bool bIndietro = iTasto == Qt::Key_Backtab || bMaiuscolo;
        const qsizetype i = aControlli.indexOf(fSelezionato());
        qsizetype iNuovo = 0;
        if (i < 0)
            iNuovo = bIndietro ? aControlli.size() - 1 : 0;
        else
            iNuovo = (i + (bIndietro ? aControlli.size() - 1 : 1)) % aControlli.size();
        pSeleziona(aControlli.at(iNuovo));
        return true;
    }
    if (iTasto == Qt::Key_Escape) {
        pSeleziona(nullptr);
        return true;
    }

    QWidget *pControl = fSelezionato();
    if (iTasto == Qt::Key_Delete && fSelezioneMultipla()) {
        pEliminaSelezione();
        return true;
    }
    if (iTasto == Qt::Key_Delete) {
        if (!pControl)
            return true;
        if (m_iSelElemento == 2)
            PopEliminaLabelClick(*this, pControl);
        else if (!pControl->objectName().startsWith(QStringLiteral("Zoom_"))) // a marker goes with its area
            MnuEliminaSensoreClick(*this, pControl);
        return true;
    }

    int iDx = 0;
    int iDy = 0;
    switch (iTasto) {
    case Qt::Key_Left:
        iDx = -1;
        break;
    case Qt::Key_Right:
        iDx = 1;
        break;
    case Qt::Key_Up:
        iDy = -1;
        break;
    case Qt::Key_Down:
        iDy = 1;
        break;
    default:
        return false;
    }
    if (!pControl)
        return true;
    const int iPasso = bMaiuscolo ? 10 : 1;
    if (fSelezioneMultipla()) {
        // the selection moves as a whole, as far as its first item can go
        if (pSpostaControlliSelezionati(iDx * iPasso, iDy * iPasso).isNull())
            return true;
        m_pDoc->pSpostaElementi(fElementiSelezionati(), tr("spostamento"), true);
        pRepaintAll();
        return true;
    }
    const QPoint nuova = fLimitedPos(pControl->pos(), pControl->size(), iDx * iPasso, iDy * iPasso);
    if (nuova == pControl->pos())
        return true; // at the limit: nothing moves, nothing is stored
    pControl->move(nuova);
    m_pDoc->pSpingiOggetto(m_iSelId, m_iSelElemento, nuova);
    pRepaintAll();
    return true;
}

// --- duplicate -----------------------------------------------------------------

void TFrmBase::MnuDuplicaClick(QWidget *pControl)
{
    if (!m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0)
        return;
    if (!pControl)
        pControl = fSelezionato();
    if (!pControl)
        return;
    const TSensore *p = m_pDoc->fOggetto(fName2Id(pControl->objectName()).toLongLong());
    if (!p || p->Get_tiposensore() == 3) // a zoom marker belongs to its detail area
        return;
    const TSensore s = *p;
    const qint64 iNumero = m_pDoc->fNumeroLibero(s.Get_tiposensore(), s.Get_numsensore());
    const QSize icona(s.Get_iconsize(), s.Get_iconsize());
    const QPoint pos = fLimitedPos(QPoint(s.Get_coordx(), s.Get_coordy()), icona, 16, 16);
    const QPoint pos2 = fLimitedPos(QPoint(s.Get_coordx2(), s.Get_coordy2()), QSize(iGlobB2Size, iGlobB2Size), 16, 16);
    QPoint posTesto(s.Get_coordxt() + 16, s.Get_coordyt() + 16);
    if (const QWidget *pTesto = fFindPlaced(PnlImgArea, QStringLiteral("Testo_") + QString::number(s.Get_id())))
        posTesto = fLimitedPos(pTesto->pos(), pTesto->size(), 16, 16);
    const QString sTesto = fTestoRinumerato(s.Get_testo(), s.Get_numsensore(), iNumero);
    const qint64 iNuovo = m_pDoc->pDuplicaOggetto(s.Get_id(), QString::number(iNumero), pos, pos2, posTesto, sTesto);
    if (iNuovo != 0)
        pSeleziona(fFindPlaced(PnlImgArea,
                               fNomeSensore(s.Get_tiposensore(), s.Get_area_zoom(), iNuovo, QString::number(iNumero))));
}

// --- properties ------------------------------------------------------------------

void TFrmBase::PopProprietaClick(QWidget *pControl)
{
    if (!m_pDoc->fAperto() || m_pDoc->fAreaMostrata() == 0 || !pControl)
        return;
    const qint64 iId = fName2Id(pControl->objectName()).toLongLong();
    const TSensore *p = m_pDoc->fOggetto(iId);
    if (!p || p->Get_tiposensore() == 3)
        return;
    const TSensore s = *p;
    pSeleziona(pControl);

    TProprieta prop;
    prop.sNumero = QString::number(s.Get_numsensore());
    prop.iTipo = s.Get_tiposensore();
    for (int iTipo = 1; iTipo <= 10; ++iTipo)
        if (fClasseTipo(iTipo) == fClasseTipo(s.Get_tiposensore()))
            prop.aTipi << iTipo;
    prop.sTesto = s.Get_testo();
    prop.iFont = s.Get_fonttxt();
    prop.iColore = s.Get_colortxt();

    // a number another object of the same class uses is allowed, and the dialog names the areas it is used on
    TProjectDocument *pDoc = m_pDoc;
    const TFnAvvisoNumero fnAvviso = [pDoc, iId](const QString &sNumero, int iTipo) {
        const QString sTrim = fTrimTyped(sNumero);
        if (!fIsNumero(sTrim))
            return QString();
        QStringList asAree;
        for (const TUsoNumero &uso : pDoc->fUsiNumero(iTipo, sTrim.toLongLong(), iId)) {
            const TAreaRow *pArea = pDoc->fArea(uso.iArea);
            const QString sArea = pArea ? pArea->sNome : QString::number(uso.iArea);
            if (!asAree.contains(sArea))
                asAree << sArea;
        }
        if (asAree.isEmpty())
            return QString();
        return QCoreApplication::translate("Ombrix", "Numero già usato in: ") + asAree.join(QStringLiteral(", "));
    };
    if (!fDialogs().fProprieta(prop, fnAvviso))
        return;

    const QString sNumero = fTrimTyped(prop.sNumero);
    if (!fIsNumero(sNumero)) {
        fDialogs().pMessage(QCoreApplication::translate("Ombrix", "E' necessario un valore NUMERICO"));
        return;
    }
    if (!prop.aTipi.contains(prop.iTipo))
        return;
    const QString sTesto = fTrimTyped(prop.sTesto);
    if (fHasControlChars(sTesto)) {
        fDialogs().pMessage(fTestoConControllo());
        return;
    }
    if (sTesto.size() > iMaxLabelText) {
        fDialogs().pMessage(QCoreApplication::translate("Ombrix", "Massimo 19 caratteri!"));
        return;
    }
    // a barrier's new second end lies where a placed barrier's does, beside its icon
    const int iIconSize = s.Get_iconsize();
    const QPoint pos2 = fLimitedPos(QPoint(s.Get_coordx() + 30, s.Get_coordy() + (iIconSize - iGlobB2Size) / 2),
                                    QSize(iGlobB2Size, iGlobB2Size), 0, 0);
    // a new label lies where "Aggiungi testo" puts it
    const QPoint posTesto(s.Get_coordx() + iIconSize + 10,
                          s.Get_coordy() + iIconSize / 2 - (fIntToDimensione(prop.iFont) + prop.iFont) / 2 - 2);
    m_pDoc->pCambiaProprieta(iId, prop.iTipo, sNumero, pos2, sTesto, posTesto, prop.iFont, prop.iColore);
}
