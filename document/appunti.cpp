#include "document/appunti.h"

#include "model/numeroio.h"

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
#include <cmath>
#include <limits>
#include <variant>

namespace {

constexpr int iCanvasWidth = 480;
constexpr int iCanvasHeight = 272;

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

/** A whole number of the object's key szChiave: an integer JSON number or decimal text; nullopt for anything else.
 *  A missing key reads as iMancante. */
std::optional<qint64> fIntero(const QJsonObject &o, const char *szChiave, std::optional<qint64> iMancante = {})
{
    const QJsonValue v = o.value(QLatin1String(szChiave));
    if (v.isUndefined())
        return iMancante;
    bool bOk = false;
    qint64 i = 0;
    if (v.isString()) {
        i = v.toString().toLongLong(&bOk);
    } else if (v.isDouble()) {
        const double d = v.toDouble();
        bOk = d == std::floor(d) && std::abs(d) < 9.0e15;
        i = bOk ? qint64(d) : 0;
    }
    return bOk ? std::optional<qint64>(i) : std::nullopt;
}

/** The object of a clipboard's JSON object, or the reason it cannot be one. */
std::variant<TSensore, QString> fOggettoJson(const QJsonValue &v)
{
    const auto fDifetto = [](const char *szChiave) {
        return QCoreApplication::translate("Ombrix", "campo \"%1\" non valido").arg(QLatin1String(szChiave));
    };
    if (!v.isObject())
        return QCoreApplication::translate("Ombrix", "non è un oggetto");
    const QJsonObject o = v.toObject();
    const std::optional<qint64> iTipo = fIntero(o, "tipo");
    if (!iTipo || *iTipo < 1 || *iTipo > 10)
        return fDifetto("tipo");
    const std::optional<qint64> iIconSize = fIntero(o, "iconsize");
    if (!iIconSize || (*iIconSize != 16 && *iIconSize != 32 && *iIconSize != 48))
        return fDifetto("iconsize");
    const std::optional<qint64> iNumero = fIntero(o, "numero");
    if (!iNumero || *iNumero < 0)
        return fDifetto("numero");
    const std::optional<qint64> iZoom = fIntero(o, "area_zoom");
    if (!iZoom || *iZoom < 0)
        return fDifetto("area_zoom");
    int aiStile[2] = {};
    for (int i = 0; i < 2; ++i) {
        const char *szChiave = i == 0 ? "font" : "colore";
        const std::optional<qint64> iValore = fIntero(o, szChiave, 0);
        if (!iValore || *iValore < std::numeric_limits<int>::min() || *iValore > std::numeric_limits<int>::max())
            return fDifetto(szChiave);
        aiStile[i] = int(*iValore);
    }
    const QJsonValue testo = o.value(QStringLiteral("testo"));
    if (!testo.isUndefined() && !testo.isString())
        return fDifetto("testo");
    auto fInt = [&o](const char *szChiave) { return o.value(QLatin1String(szChiave)).toInt(); };
    return TSensore(0, 0, *iZoom, *iNumero, int(*iIconSize), int(*iTipo), 1, fInt("x"), fInt("y"), fInt("x2"),
                    fInt("y2"), fInt("xt"), fInt("yt"), aiStile[0], aiStile[1], 0, testo.toString());
}

/** How an object is named in a refused paste: its type, its number and its label. */
QString fNomeOggetto(const TSensore &s)
{
    const QString &sTesto = s.Get_testo(); // a label with a control character is left out of a message
    return fNomeOggettoIo(s.Get_tiposensore(), s.Get_numsensore(), fHasControlChars(sTesto) ? QString() : sTesto);
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
    const QJsonArray aOggetti = radice.value(QStringLiteral("oggetti")).toArray();
    for (qsizetype i = 0; i < aOggetti.size(); ++i) {
        const std::variant<TSensore, QString> o = fOggettoJson(aOggetti.at(i));
        if (const TSensore *p = std::get_if<TSensore>(&o))
            appunti.aOggetti << *p;
        else
            appunti.asDifetti << QCoreApplication::translate("Ombrix", "oggetto %1 degli appunti: %2")
                                     .arg(i + 1)
                                     .arg(std::get<QString>(o));
    }
    if (appunti.aOggetti.isEmpty() && appunti.asDifetti.isEmpty())
        return std::nullopt;
    return appunti;
}

QString fDifettoIncolla(const TAppunti &appunti, const TOpzioniIncolla &opzioni)
{
    if (!appunti.asDifetti.isEmpty())
        return appunti.asDifetti.constFirst();
    for (const TSensore &s : appunti.aOggetti) {
        if (s.Get_tiposensore() == 3)
            continue; // never pasted
        const auto fDi = [&s](const QString &sMotivo) { return fNomeOggetto(s) + QStringLiteral(": ") + sMotivo; };
        const qint64 iNumero = fNumeroIncollato(s, opzioni);
        if (fClasseTipo(s.Get_tiposensore()) != TClasse::Nessuna && !fNumeroIoValido(iNumero))
            return fDi(QCoreApplication::translate("Ombrix", "numero %1 fuori dal campo %2-%3")
                           .arg(iNumero)
                           .arg(iNumeroIoMinimo)
                           .arg(iNumeroIoMassimo));
        const QString &sTesto = s.Get_testo();
        if (fHasControlChars(sTesto))
            return fDi(fTestoConControllo());
        if (sTesto.size() > iTestoEtichettaMassimo)
            return fDi(QCoreApplication::translate("Ombrix", "Massimo 19 caratteri!"));
        if (!fDimensioneNelCatalogo(s.Get_fonttxt()))
            return fDi(QCoreApplication::translate("Ombrix", "dimensione del testo %1 fuori dal catalogo (0-9)")
                           .arg(s.Get_fonttxt()));
        if (!fColoreNelCatalogo(s.Get_colortxt()))
            return fDi(QCoreApplication::translate("Ombrix", "colore del testo %1 fuori dal catalogo (0-10, 16)")
                           .arg(s.Get_colortxt()));
    }
    return QString();
}

QString fRifiutoNumeriIncollati(const QList<TSensore> &aOggetti, const TOpzioniIncolla &opzioni)
{
    for (const TSensore &s : aOggetti) {
        const TClasse eClasse = fClasseTipo(s.Get_tiposensore());
        if (eClasse != TClasse::Ingresso && eClasse != TClasse::Uscita)
            continue;
        const qint64 iNumero = fNumeroIncollato(s, opzioni);
        if (!fNumeroIoValido(iNumero))
            return fNumeroFuoriCampoPer(fNomeOggetto(s), iNumero);
    }
    return QString();
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
    return sNuovo.size() > iTestoEtichettaMassimo ? sTesto : sNuovo;
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

QPoint fSpostamentoCoppia(const QRect &icona, const QRect &testo, const QPoint &shift)
{
    const QRect coppia = icona.united(testo);
    return fDentroCanvas(coppia.topLeft() + shift, coppia.size()) - coppia.topLeft();
}
