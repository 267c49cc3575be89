#include "document/appunti.h"

#include "model/catalogo.h"
#include "model/labelfont.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int iCanvasWidth = 480;
constexpr int iCanvasHeight = 272;
constexpr int iMaxTesto = 19;

QJsonObject fJsonOggetto(const TSensore &s)
{
    return QJsonObject{{QStringLiteral("tipo"), s.Get_tiposensore()},
                       {QStringLiteral("iconsize"), s.Get_iconsize()},
                       {QStringLiteral("numero"), QString::number(s.Get_numsensore())},
                       {QStringLiteral("area_zoom"), QString::number(s.Get_area_zoom())},
                       {QStringLiteral("x"), s.Get_coordx()},
                       {QStringLiteral("y"), s.Get_coordy()},
                       {QStringLiteral("x2"), s.Get_coordx2()},
                       {QStringLiteral("y2"), s.Get_coordy2()},
                       {QStringLiteral("testo"), s.Get_testo()},
                       {QStringLiteral("xt"), s.Get_coordxt()},
                       {QStringLiteral("yt"), s.Get_coordyt()},
                       {QStringLiteral("font"), s.Get_fonttxt()},
                       {QStringLiteral("colore"), s.Get_colortxt()}};
}

std::optional<TSensore> fOggettoJson(const QJsonObject &o)
{
    const int iTipo = o.value(QStringLiteral("tipo")).toInt();
    bool bNumero = false;
    bool bZoom = false;
    const qint64 iNumero = o.value(QStringLiteral("numero")).toString().toLongLong(&bNumero);
    const qint64 iZoom = o.value(QStringLiteral("area_zoom")).toString().toLongLong(&bZoom);
    const int iIconSize = o.value(QStringLiteral("iconsize")).toInt();
    if (iTipo < 1 || iTipo > 10 || !bNumero || iNumero < 0 || !bZoom ||
        (iIconSize != 16 && iIconSize != 32 && iIconSize != 48))
        return std::nullopt;
    auto fInt = [&o](const char *szChiave) { return o.value(QLatin1String(szChiave)).toInt(); };
    return TSensore(0, 0, iZoom, iNumero, iIconSize, iTipo, 1, fInt("x"), fInt("y"), fInt("x2"), fInt("y2"), fInt("xt"),
                    fInt("yt"), fInt("font"), fInt("colore"), 0,
                    o.value(QStringLiteral("testo")).toString().left(iMaxTesto));
}

} // namespace

QMimeData *fMimeDaAppunti(const TAppunti &appunti)
{
    QJsonArray aOggetti;
    for (const TSensore &s : appunti.aOggetti)
        aOggetti.append(fJsonOggetto(s));
    const QJsonObject radice{{QStringLiteral("database"), appunti.sDatabase},
                             {QStringLiteral("area"), QString::number(appunti.iArea)},
                             {QStringLiteral("oggetti"), aOggetti}};
    auto *pMime = new QMimeData;
    pMime->setData(sMimeOggetti, QJsonDocument(radice).toJson(QJsonDocument::Compact));
    pMime->setText(fTestoAppunti(appunti));
    return pMime;
}

std::optional<TAppunti> fAppuntiDaMime(const QMimeData *pMime)
{
    if (!pMime || !pMime->hasFormat(sMimeOggetti))
        return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(pMime->data(sMimeOggetti));
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject radice = doc.object();
    TAppunti appunti;
    appunti.sDatabase = radice.value(QStringLiteral("database")).toString();
    appunti.iArea = radice.value(QStringLiteral("area")).toString().toLongLong();
    for (const QJsonValue &v : radice.value(QStringLiteral("oggetti")).toArray())
        if (const std::optional<TSensore> s = fOggettoJson(v.toObject()))
            appunti.aOggetti << *s;
    if (appunti.aOggetti.isEmpty())
        return std::nullopt;
    return appunti;
}

QString fTestoAppunti(const TAppunti &appunti)
{
    QStringList asRighe;
    for (const TSensore &s : appunti.aOggetti) {
        const int iTipo = s.Get_tiposensore();
        const QString sTipo = fNomeTipoOggetto(iTipo);
        const QString sNumero = iTipo == 3 ? QCoreApplication::translate("Ombrix", "area %1").arg(s.Get_area_zoom())
                                           : QString::number(s.Get_numsensore());
        asRighe << sTipo + QLatin1Char('\t') + sNumero + QLatin1Char('\t') + s.Get_testo();
    }
    return asRighe.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

qint64 fNumeroIncollato(const TSensore &s, const TOpzioniIncolla &opzioni)
{
    switch (fClasseTipo(s.Get_tiposensore())) {
    case TClasse::Ingresso:
        return s.Get_numsensore() + opzioni.iOffsetIngressi;
    case TClasse::Uscita:
        return s.Get_numsensore() + opzioni.iOffsetUscite;
    default:
        return s.Get_numsensore();
    }
}

QString fTestoRinumerato(const QString &sTesto, qint64 iVecchio, qint64 iNuovo)
{
    static const QRegularExpression re(QStringLiteral("^(.*?)(\\d+)$"));
    const QRegularExpressionMatch m = re.match(sTesto);
    if (!m.hasMatch() || m.captured(2) != QString::number(iVecchio))
        return sTesto;
    const QString sNuovo = m.captured(1) + QString::number(iNuovo);
    return sNuovo.size() > iMaxTesto ? sTesto : sNuovo;
}

QSize fDimensioneTesto(int iFont, const QString &sTesto)
{
    return QFontMetrics(fLabelFont(iFont)).boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft, sTesto).size();
}

QPoint fDentroCanvas(const QPoint &pos, const QSize &size)
{
    return {std::clamp(pos.x(), 0, std::max(0, iCanvasWidth - size.width())),
            std::clamp(pos.y(), 0, std::max(0, iCanvasHeight - size.height()))};
}
