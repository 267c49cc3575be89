#include "editor/toolbar.h"

#include "document/projectdocument.h"
#include "editor/bezel.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QImageReader>
#include <QToolButton>

namespace {

struct TButtonDef
{
    const char *szName;
    int iLeft;
    const char *szHint;
    const char *szFile;
    int iTipo; // the type an add button places; 0 for the others
};

const TButtonDef aDefs[] = {
    {"BtnNewArea", 0, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi Livello base"), "new.bmp", 0},
    {"BtnSfondo", 48, QT_TRANSLATE_NOOP("TFrmBase", "Immagine di sfondo"), "sfondo.bmp", 0},
    {"BtnZoomIn", 96, QT_TRANSLATE_NOOP("TFrmBase", "Zoom In"), "zoomin.bmp", 0},
    {"BtnVolumetrico", 165, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi volumetrico"), "vol.bmp", 1},
    {"BtnContact", 213, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi contatto"), "cont.bmp", 2},
    {"BtnBarriera", 261, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi barriera"), "bar.bmp", 4},
    {"BtnTelecamera", 309, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi telecamera"), "tel.bmp", 5},
    {"BtnLampada", 381, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi lampada"), "lamp.bmp", 6},
    {"BtnTapsu", 429, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi tapparelle su"), "tapsu.bmp", 7},
    {"BtnTapgiu", 477, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi tapparelle giù"), "tapgiu.bmp", 8},
    {"btnIrrig", 525, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi Irrigazione"), "irrig.bmp", 10},
    {"BtnAlarm", 573, QT_TRANSLATE_NOOP("TFrmBase", "Aggiungi allarme"), "alarm.bmp", 9},
};

// the order in which the bitmaps are loaded
const char *const aszOrdine[] = {"BtnNewArea", "BtnSfondo",   "BtnZoomIn",     "BtnVolumetrico",
                                 "BtnContact", "BtnBarriera", "BtnTelecamera", "BtnLampada",
                                 "BtnTapsu",   "BtnTapgiu",   "BtnAlarm",      "btnIrrig"};

} // namespace

TBarraStrumenti::TBarraStrumenti(TProjectDocument &doc, QWidget *pParent) : QWidget(pParent), m_doc(doc)
{
    setObjectName(QStringLiteral("Panel2"));
    for (const TButtonDef &def : aDefs) {
        auto *pBtn = new QToolButton(this);
        pBtn->setObjectName(QString::fromLatin1(def.szName));
        pBtn->setGeometry(def.iLeft, 0, 50, 50);
        const QString sHint = QCoreApplication::translate("TFrmBase", def.szHint);
        pBtn->setToolTip(sHint);
        pBtn->setAccessibleName(sHint);
        pBtn->setCursor(Qt::PointingHandCursor);
        pBtn->setAutoRaise(true);
        pBtn->setToolButtonStyle(Qt::ToolButtonIconOnly);
        const QPixmap pixBuiltin = fBuiltinButtonPicture(QString::fromLatin1(def.szFile));
        if (!pixBuiltin.isNull()) {
            pBtn->setIcon(QIcon(pixBuiltin));
            pBtn->setIconSize(pixBuiltin.size());
        }
        pBtn->setEnabled(false);
        const int iTipo = def.iTipo;
        if (iTipo != 0)
            connect(pBtn, &QToolButton::clicked, this, [this, iTipo] { emit sigAggiungi(iTipo); });
    }
    fBottone("BtnTelecamera")->hide();
    connect(fBottone("BtnNewArea"), &QToolButton::clicked, this, &TBarraStrumenti::sigNuovaArea);
    connect(fBottone("BtnSfondo"), &QToolButton::clicked, this, &TBarraStrumenti::sigSfondo);
    connect(fBottone("BtnZoomIn"), &QToolButton::clicked, this, &TBarraStrumenti::sigZoomIn);
    connect(&doc, &TProjectDocument::sigProgetto, this, [this] { pAggiorna(); });
    connect(&doc, &TProjectDocument::sigAreaMostrata, this, [this] { pAggiorna(); });
    connect(&doc, &TProjectDocument::sigAreeCambiate, this, [this] { pAggiorna(); });
}

QToolButton *TBarraStrumenti::fBottone(const char *szNome) const
{
    return findChild<QToolButton *>(QLatin1String(szNome), Qt::FindDirectChildrenOnly);
}

void TBarraStrumenti::pAggiorna()
{
    const bool bAperto = m_doc.fAperto();
    for (const TButtonDef &def : aDefs)
        fBottone(def.szName)->setEnabled(bAperto);
    // detail areas of detail areas are never made
    const TAreaRow *pArea = m_doc.fArea(m_doc.fAreaMostrata());
    fBottone("BtnZoomIn")->setEnabled(bAperto && pArea && pArea->iLivello == 0);
}

void TBarraStrumenti::pLoadToolbarIcons()
{
    for (const char *szNome : aszOrdine) {
        const TButtonDef *pDef = nullptr;
        for (const TButtonDef &def : aDefs)
            if (qstrcmp(def.szName, szNome) == 0)
                pDef = &def;
        const QString sPath = sGlobResPath + QString::fromLatin1(pDef->szFile);
        QImageReader reader(sPath, "bmp");
        QImage img = reader.read();
        if (img.isNull())
            throw TOmbrixError(sPath + QStringLiteral(": ") + reader.errorString());
        // the colour of the bottom-left pixel is the transparent one
        QPixmap pix = QPixmap::fromImage(img);
        pix.setMask(pix.createMaskFromColor(img.pixelColor(0, img.height() - 1), Qt::MaskInColor));
        QToolButton *pBtn = fBottone(szNome);
        pBtn->setIcon(QIcon(pix)); // the disabled look is the icon's greyed mode
        pBtn->setIconSize(pix.size());
    }
}
