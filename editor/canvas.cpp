// The area canvas: its fixed layers (background, banner, overlay), clearing
// the placed controls, the background and banner pictures, the barrier
// lines and the background command.

#include "editor/canvas.h"

#include "document/projectdocument.h"
#include "editor/canvascontrols.h"
#include "editor/frmbase.h"
#include "editor/labels.h"
#include "editor/placement.h"
#include "model/catalogo.h"
#include "preview/disegno.h"
#include "workspace/errors.h"
#include "workspace/lingua.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QSaveFile>

namespace {

// the panel's screen; a picture is decoded only as far as it shows there
constexpr int iCanvasWidth = 480;
constexpr int iCanvasHeight = 272;
// a picture whose decoder cannot clip is refused beyond this many bytes decoded
constexpr qint64 iMaxDecodedBytes = qint64(1) << 30;

/** Refuses an existing path that is not a plain file (a FIFO, a folder, a device), before anything opens it. */
void pRequireRegularFile(const QString &sPath)
{
    // a FIFO would block the decoder, a folder or a device is no picture: only plain files are opened
    const QFileInfo info(sPath);
    if (info.exists() && !info.isFile())
        throw TOmbrixError(sPath + QCoreApplication::translate("Ombrix", ": non è un file normale"));
}

const char *const aszPrefissi[] = {"Radar_", "Contatto_", "Zoom_",    "Barriera_",    "Telecamera_", "Lampada_",
                                   "Tapsu_", "Tapgiu_",   "Allarme_", "Irrigazione_", "Sensore_",    "Testo_"};

} // namespace

QPixmap fReadPicture(const QString &sPath)
{
    pRequireRegularFile(sPath);
    QImageReader reader(sPath);
    // the canvas shows only its top-left 480 x 272, so only that part is decoded
    const QSize size = reader.size();
    const QRect visible = QRect(0, 0, iCanvasWidth, iCanvasHeight).intersected(QRect(QPoint(0, 0), size));
    if (size.isValid() && reader.supportsOption(QImageIOHandler::ClipRect))
        reader.setClipRect(visible);
    else if (size.isValid() && qint64(size.width()) * size.height() * 4 > iMaxDecodedBytes)
        throw TOmbrixError(sPath + QCoreApplication::translate("Ombrix", ": immagine troppo grande (%1 x %2)")
                                       .arg(size.width())
                                       .arg(size.height()));
    QImage img = reader.read();
    if (img.isNull()) {
        QString sSize;
        if (size.isValid())
            sSize = QStringLiteral(" (%1 x %2)").arg(size.width()).arg(size.height());
        throw TOmbrixError(sPath + QStringLiteral(": ") + reader.errorString() + sSize);
    }
    if (size.isValid() && img.size() != visible.size())
        img = img.copy(visible); // a decoder that ignored the clip
    return QPixmap::fromImage(img);
}

QPixmap fReadIcon(const QString &sPath)
{
    struct TIcona
    {
        qint64 iSize = -1;
        QDateTime changed;
        QPixmap pix;
    };
    static QHash<QString, TIcona> aIcone;
    const QFileInfo info(sPath);
    TIcona &icona = aIcone[sPath];
    if (!info.isFile() || icona.iSize != info.size() || icona.changed != info.metadataChangeTime() ||
        icona.pix.isNull()) {
        icona = TIcona();
        icona.pix = fReadPicture(sPath); // a missing or broken file fails here, every time
        icona.iSize = info.size();
        icona.changed = info.metadataChangeTime();
    }
    return icona.pix;
}

TCanvasOverlay::TCanvasOverlay(QWidget *pParent) : QWidget(pParent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TCanvasOverlay::pSetLines(const QList<QLine> &aLines)
{
    m_aLines = aLines;
    update();
}

void TCanvasOverlay::pSetCornice(const QRect &rc)
{
    if (rc == m_rcCornice)
        return;
    m_rcCornice = rc;
    update();
}

void TCanvasOverlay::pSetAltreCornici(const QList<QRect> &aRect)
{
    if (aRect == m_aAltreCornici)
        return;
    m_aAltreCornici = aRect;
    update();
}

void TCanvasOverlay::pSetBanda(const QRect &rc)
{
    if (rc == m_rcBanda)
        return;
    m_rcBanda = rc;
    update();
}

void TCanvasOverlay::paintEvent(QPaintEvent *)
{
    QList<QRect> aCornici = m_aAltreCornici;
    if (!m_rcCornice.isEmpty())
        aCornici << m_rcCornice;
    for (const QRect &rc : aCornici) {
        // two pixels outside the control, dark then light, visible on any background
        QPainter p(this);
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::SolidLine));
        p.drawRect(rc.adjusted(-2, -2, 1, 1));
        p.setPen(QPen(QColor(255, 160, 0), 1, Qt::SolidLine));
        p.drawRect(rc.adjusted(-1, -1, 0, 0));
    }
    if (!m_rcBanda.isEmpty()) {
        QPainter p(this);
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DashLine));
        p.setBrush(QColor(255, 160, 0, 40));
        p.drawRect(m_rcBanda.adjusted(0, 0, -1, -1));
    }
    if (m_aLines.isEmpty())
        return;
    QPainter p(this);
    pDisegnaLineeBarriera(p, m_aLines);
}

bool fIsPlacedControlName(const QString &sName)
{
    for (const char *szPrefisso : aszPrefissi)
        if (sName.startsWith(QLatin1String(szPrefisso), Qt::CaseSensitive))
            return true;
    return false;
}

void TFrmBase::pPulisciTutto()
{
    // from the last to the first, destroyed at once so that a reload never meets a stale name
    const QObjectList aChildren = PnlImgArea->children();
    for (qsizetype i = aChildren.size() - 1; i >= 0; --i) {
        QObject *pChild = aChildren.at(i);
        if (pChild->isWidgetType() && fIsPlacedControlName(pChild->objectName()))
            delete pChild;
    }
}

void TFrmBase::pLoadImgArea(qint64 iId)
{
    const QString sPath = m_pDoc->fAreaPicturePath(iId);
    if (QFileInfo::exists(sPath))
        pLoadBackground(sPath);
    else
        Image_1->clear();
}

void TFrmBase::pLoadBackground(const QString &sPath)
{
    Image_1->setPixmap(fReadPicture(sPath)); // top-left aligned, unscaled, clipped at 480 x 272
}

void TFrmBase::pClearBackground()
{
    Image_1->clear();
}

void TFrmBase::pLoadBanner(int iLevel)
{
    // the banners carry the level's words, drawn once per language: ban1.png, ban1_en.png
    const QString sLingua = fLinguaScelta() == QLatin1String("it") ? QString() : QLatin1Char('_') + fLinguaScelta();
    ImgBanner->setPixmap(fReadPicture(sGlobGrfcPath + (iLevel == 0 ? QStringLiteral("ban1") : QStringLiteral("ban2")) +
                                      sLingua + QStringLiteral(".png")));
}

void TFrmBase::pDrawBline()
{
    QList<QLine> aLines;
    for (const TSensore &s : m_pDoc->fOggetti()) {
        if (s.Get_tiposensore() != 4)
            continue;
        aLines.append(fLineaBarriera(QPoint(s.Get_coordx(), s.Get_coordy()), s.Get_iconsize(),
                                     QPoint(s.Get_coordx2(), s.Get_coordy2())));
    }
    ImgCanvas->raise(); // above every placed control
    ImgCanvas->pSetLines(aLines);
}

void TFrmBase::pWipeBlines()
{
    ImgCanvas->pSetLines({});
}

void TFrmBase::BtnSfondoClick()
{
    const qint64 iId = m_pDoc->fAreaMostrata();
    if (!m_pDoc->fAperto() || iId == 0) // no area, nowhere to store the picture
        return;
    const QString sFile = fDialogs().fOpenPicture(m_pDoc->fRootPrj());
    if (sFile.isEmpty())
        return;
    if (!QFileInfo::exists(sFile))
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Il file non esiste."));
    fReadPicture(sFile); // a picture that cannot be decoded, or no plain file, changes nothing
    m_pDoc->pCambiaSfondo(iId, sFile);
}

void TFrmBase::pMostraAreaSulCanvas()
{
    pWipeBlines();
    pPulisciTutto();
    const qint64 iId = m_pDoc->fAreaMostrata();
    if (iId == 0) {
        pClearBackground();
        ImgBanner->clear();
        return;
    }
    const TAreaRow *pArea = m_pDoc->fArea(iId);
    pLoadImgArea(iId);
    pLoadBanner(pArea ? pArea->iLivello : 0);
    // built in one go and painted once, at the end
    PnlImgArea->setUpdatesEnabled(false);
    try {
        for (const TSensore &s : m_pDoc->fOggetti())
            pAddSensoreNew(*this, PnlImgArea, s, false);
    } catch (...) {
        PnlImgArea->setUpdatesEnabled(true);
        throw;
    }
    PnlImgArea->setUpdatesEnabled(true);
    pRepaintAll();
}

void TFrmBase::pSincronizzaOggetto(qint64 iId)
{
    const TSensore *p = m_pDoc->fOggetto(iId);
    if (!p)
        return pRimuoviOggetto(iId);
    const TSensore &s = *p;
    const QString sName =
        fNomeSensore(s.Get_tiposensore(), s.Get_area_zoom(), iId, QString::number(s.Get_numsensore()));
    QWidget *pIcon = fFindPlaced(PnlImgArea, sName);
    if (!pIcon) {
        // controls of this object under another name: its type or number changed, its controls are built
        // anew in their place among the others
        bool bVecchi = false;
        const QString sId = QString::number(iId);
        for (const QObject *pChild : PnlImgArea->children())
            bVecchi = bVecchi || (fIsPlacedControlName(pChild->objectName()) && fName2Id(pChild->objectName()) == sId);
        // a new object lies on top when it is the newest; one brought back takes its place among the others
        const bool bUltimo = m_pDoc->fOggetti().last().Get_id() == iId;
        if (!bUltimo || bVecchi)
            return pMostraAreaSulCanvas();
        pAddSensoreNew(*this, PnlImgArea, s, false);
        pRepaintAll();
        return;
    }
    pIcon->move(s.Get_coordx(), s.Get_coordy());
    if (QWidget *pMarker = fFindPlaced(PnlImgArea, sName + QStringLiteral("_")))
        pMarker->move(s.Get_coordx2(), s.Get_coordy2());
    pAddLabel(*this, iId, s.Get_coordxt(), s.Get_coordyt(), s.Get_fonttxt(), s.Get_colortxt(), s.Get_testo());
    pRepaintAll();
}

void TFrmBase::pRimuoviOggetto(qint64 iId)
{
    const QString sId = QString::number(iId);
    const QObjectList aChildren = PnlImgArea->children();
    for (QObject *pChild : aChildren) {
        const QString sName = pChild->objectName();
        if (pChild->isWidgetType() && fIsPlacedControlName(sName) && fName2Id(sName) == sId)
            delete pChild;
    }
    pRepaintAll();
}
