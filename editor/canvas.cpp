// The area canvas: its fixed layers (background, banner, overlay), clearing
// the placed controls, the background and banner pictures, the barrier
// lines and the background command.

#include "editor/canvas.h"

#include "editor/frmbase.h"
#include "editor/placement.h"
#include "model/areastore.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QSaveFile>

namespace {

const char *const aszPrefissi[] = {"Radar_", "Contatto_", "Zoom_",    "Barriera_",    "Telecamera_", "Lampada_",
                                   "Tapsu_", "Tapgiu_",   "Allarme_", "Irrigazione_", "Sensore_",    "Testo_"};

} // namespace

QPixmap fReadPicture(const QString &sPath)
{
    QImageReader reader(sPath);
    const QImage img = reader.read();
    if (img.isNull())
        throw TOmbrixError(sPath + QStringLiteral(": ") + reader.errorString());
    return QPixmap::fromImage(img);
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

void TCanvasOverlay::paintEvent(QPaintEvent *)
{
    if (m_aLines.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0.5, 0.5); // whole coordinates name pixels, not the corners between them
    QPen pen(QColor(91, 110, 216, 255));
    pen.setWidthF(1.0);
    p.setPen(pen);
    for (const QLine &line : m_aLines)
        p.drawLine(line);
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

void TFrmBase::pLoadImgArea(const QString &sId)
{
    const QString sPath = fAreaPicturePath(sId.toInt());
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
    ImgBanner->setPixmap(
        fReadPicture(sGlobGrfcPath + (iLevel == 0 ? QStringLiteral("ban1.png") : QStringLiteral("ban2.png"))));
}

void TFrmBase::pDrawBline(const QString &sAreaId)
{
    QList<QLine> aLines;
    TSqlQuery q = SQLConn.fQuery(QStringLiteral("select * from tbsensori where area_id = ") + sAreaId);
    while (q.fNext()) {
        if (q.fInt(QStringLiteral("TipoSensore")) != 4)
            continue;
        const int iIconSize = q.fInt(QStringLiteral("IconSize"));
        aLines.append(QLine(
            q.fInt(QStringLiteral("CoordX")) + iIconSize / 2, q.fInt(QStringLiteral("CoordY")) + iIconSize / 2,
            q.fInt(QStringLiteral("CoordX2")) + iGlobB2Size / 2, q.fInt(QStringLiteral("CoordY2")) + iGlobB2Size / 2));
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
    const int iId = fSelectedAreaId();
    if (!bGlobProgettoAperto || iId == 0) // no area, nowhere to store the picture
        return;
    const QString sFile = fDialogs().fOpenPicture(sGlobRootPrj);
    if (sFile.isEmpty())
        return;
    if (!QFileInfo::exists(sFile))
        throw TOmbrixError(QStringLiteral("File does not exist."));
    const QPixmap pix = fReadPicture(sFile); // a picture that cannot be decoded changes nothing

    // byte for byte, replacing the stored picture only once the copy is complete
    QFile src(sFile);
    const QString sDest = fAreaPicturePath(iId);
    QSaveFile dest(sDest);
    if (!src.open(QIODevice::ReadOnly))
        throw TOmbrixError(sFile + QStringLiteral(": ") + src.errorString());
    const QByteArray abData = src.readAll();
    if (!dest.open(QIODevice::WriteOnly) || dest.write(abData) != abData.size() || !dest.commit())
        throw TOmbrixError(sDest + QStringLiteral(": ") + dest.errorString());
    Image_1->setPixmap(pix);
}

void TFrmBase::pPlaceStoredSensor(const TSensore &oSensore)
{
    pAddSensoreNew(*this, PnlImgArea, oSensore, false);
}
