#include "model/catalogo.h"

#include "workspace/errors.h"

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

namespace {

struct TTipo
{
    const char *szLettera;
    const char *szPrefisso;
    TClasse eClasse;
    const char *szNome; // translated when shown
};

// Types 1 to 10, in order.
constexpr TTipo aTipi[] = {
    {"v", "Radar_", TClasse::Ingresso, QT_TRANSLATE_NOOP("Ombrix", "Volumetrico")},
    {"c", "Contatto_", TClasse::Ingresso, QT_TRANSLATE_NOOP("Ombrix", "Contatto")},
    {"z", "Zoom_", TClasse::Zoom, QT_TRANSLATE_NOOP("Ombrix", "Zoom")},
    {"b", "Barriera_", TClasse::Ingresso, QT_TRANSLATE_NOOP("Ombrix", "Barriera")},
    {"t", "Telecamera_", TClasse::Ingresso, QT_TRANSLATE_NOOP("Ombrix", "Telecamera")},
    {"l", "Lampada_", TClasse::Uscita, QT_TRANSLATE_NOOP("Ombrix", "Lampada")},
    {"s", "Tapsu_", TClasse::Uscita, QT_TRANSLATE_NOOP("Ombrix", "Tapparella su")},
    {"g", "Tapgiu_", TClasse::Uscita, QT_TRANSLATE_NOOP("Ombrix", "Tapparella giù")},
    {"a", "Allarme_", TClasse::Uscita, QT_TRANSLATE_NOOP("Ombrix", "Allarme")},
    {"i", "Irrigazione_", TClasse::Uscita, QT_TRANSLATE_NOOP("Ombrix", "Irrigazione")},
};

// Any other number: a detector-like object that belongs to no export section.
constexpr TTipo tipoIgnoto = {"v", "Sensore_", TClasse::Nessuna, nullptr};

const TTipo &fTipo(int iTipo)
{
    if (iTipo < 1 || iTipo > int(std::size(aTipi)))
        return tipoIgnoto;
    return aTipi[iTipo - 1];
}

/** Part iPart of sName cut at every "_" (empty parts count); "" when there are fewer parts. */
QString fNamePart(const QString &sName, int iPart)
{
    const QStringList asParts = sName.split(QLatin1Char('_'));
    if (asParts.size() < 2 || iPart >= asParts.size())
        return QString();
    return asParts.at(iPart);
}

} // namespace

QString fGetTipo(int iTipo)
{
    return QString::fromLatin1(fTipo(iTipo).szLettera);
}

QString fPrefissoTipo(int iTipo)
{
    return QString::fromLatin1(fTipo(iTipo).szPrefisso);
}

QString fParteMediaTipo(int iTipo)
{
    switch (fTipo(iTipo).eClasse) {
    case TClasse::Zoom:
        return QStringLiteral("_area_");
    case TClasse::Uscita:
        return QStringLiteral("_uscita_");
    case TClasse::Ingresso:
    case TClasse::Nessuna:
        break;
    }
    return QStringLiteral("_ingresso_");
}

TClasse fClasseTipo(int iTipo)
{
    return fTipo(iTipo).eClasse;
}

QList<int> fTipiDellaClasse(TClasse eClasse)
{
    QList<int> aTipi;
    for (int iTipo = 1; iTipo <= 10; ++iTipo)
        if (fClasseTipo(iTipo) == eClasse)
            aTipi << iTipo;
    return aTipi;
}

QString fNomeTipoOggetto(int iTipo)
{
    const char *sz = fTipo(iTipo).szNome;
    return sz ? QCoreApplication::translate("Ombrix", sz) : QString();
}

QString fTestoConControllo()
{
    return QCoreApplication::translate("Ombrix", "Il testo non può contenere caratteri di controllo");
}

QString fNomeSensore(int iTipo, qint64 iAreaZoom, qint64 iId, const QString &sNumSensore)
{
    const QString sCoda = iTipo == 3 ? QString::number(iAreaZoom) : sNumSensore;
    return fPrefissoTipo(iTipo) + QString::number(iId) + fParteMediaTipo(iTipo) + sCoda;
}

QString fName2Id(const QString &sName)
{
    return fNamePart(sName, 1);
}

QString fName2Area(const QString &sName)
{
    return fNamePart(sName, 3);
}

bool fHasControlChars(const QString &sText)
{
    // a line break, a NUL or a tab inside a name would break the records it is written into
    for (const QChar ch : sText)
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
            return true;
    return false;
}

void pRequireNoControlChars(const QString &sText)
{
    if (fHasControlChars(sText))
        throw TOmbrixError(fTestoConControllo());
}

bool fNumeroIoValido(qint64 iNumero)
{
    return iNumero >= iNumeroIoMinimo && iNumero <= iNumeroIoMassimo;
}

bool fDimensioneNelCatalogo(qint64 iDimensione)
{
    return iDimensione >= 0 && iDimensione <= 9;
}

bool fColoreNelCatalogo(qint64 iColore)
{
    return (iColore >= 0 && iColore <= 10) || iColore == 16;
}

std::uint32_t fIntToColor(int iColor)
{
    switch (iColor) {
    case 1:
        return 0xFFFFFF; // bianco
    case 2:
        return 0xFFFF00; // giallo
    case 3:
        return 0xFF8000; // arancio
    case 4:
        return 0xFF00FF; // rosa
    case 5:
        return 0xFF0000; // rosso
    case 6:
        return 0x008000; // verdino
    case 7:
        return 0x808000; // verde scuro
    case 8:
        return 0x00FFFF; // celeste
    case 9:
        return 0x0000FF; // blu
    case 10:
        return 0x800080; // viola
    default:
        return 0x000000; // nero (16), unset (0) and every other index
    }
}

int fIntToDimensione(int iDimensione)
{
    if (iDimensione >= 1 && iDimensione <= 8)
        return iDimensione + 7;
    return 16;
}
