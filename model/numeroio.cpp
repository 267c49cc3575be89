#include "model/numeroio.h"

#include "model/catalogo.h"
#include "workspace/sqlconn.h"

#include <QCoreApplication>

#include <iterator>

std::optional<QString> fRifiutoNumeroIo(const QString &sNumero)
{
    if (!fIsNumero(sNumero))
        return QCoreApplication::translate("Ombrix", "E' necessario un valore NUMERICO");
    if (!fNumeroIoValido(sNumero.toLongLong()))
        return fNumeroFuoriCampo();
    return std::nullopt;
}

QString fNumeroFuoriCampo()
{
    return QCoreApplication::translate("Ombrix", "Il numero deve essere tra %1 e %2")
        .arg(iNumeroIoMinimo)
        .arg(iNumeroIoMassimo);
}

QString fNumeroFuoriCampoPer(const QString &sOggetto, qint64 iNuovo)
{
    return QCoreApplication::translate("Ombrix", "%1: %2 diventerebbe %3")
        .arg(fNumeroFuoriCampo(), sOggetto)
        .arg(iNuovo);
}

QString fNomeTipoMessaggio(qint64 iTipo)
{
    static const char *const aszNomi[] = {
        QT_TRANSLATE_NOOP("Ombrix", "volumetrico"),       QT_TRANSLATE_NOOP("Ombrix", "contatto"),
        QT_TRANSLATE_NOOP("Ombrix", "marcatore di zoom"), QT_TRANSLATE_NOOP("Ombrix", "barriera"),
        QT_TRANSLATE_NOOP("Ombrix", "telecamera"),        QT_TRANSLATE_NOOP("Ombrix", "lampada"),
        QT_TRANSLATE_NOOP("Ombrix", "tapparelle su"),     QT_TRANSLATE_NOOP("Ombrix", "tapparelle giù"),
        QT_TRANSLATE_NOOP("Ombrix", "allarme"),           QT_TRANSLATE_NOOP("Ombrix", "irrigazione")};
    if (iTipo < 1 || iTipo > qint64(std::size(aszNomi)))
        return QCoreApplication::translate("Ombrix", "sensore");
    return QCoreApplication::translate("Ombrix", aszNomi[iTipo - 1]);
}

QString fNomeOggettoIo(qint64 iTipo, qint64 iNumero, const QString &sTesto)
{
    QString sClasse;
    switch (iTipo >= 1 && iTipo <= 10 ? fClasseTipo(int(iTipo)) : TClasse::Nessuna) {
    case TClasse::Ingresso:
        sClasse = QCoreApplication::translate("Ombrix", "ingresso");
        break;
    case TClasse::Uscita:
        sClasse = QCoreApplication::translate("Ombrix", "uscita");
        break;
    default:
        sClasse = QCoreApplication::translate("Ombrix", "numero");
        break;
    }
    QString s = QStringLiteral("%1, %2 %3").arg(fNomeTipoMessaggio(iTipo), sClasse).arg(iNumero);
    if (!sTesto.isEmpty())
        s += QStringLiteral(" «%1»").arg(sTesto);
    return s;
}

QString fNomeMarcatore(const QString &sArea)
{
    return QCoreApplication::translate("Ombrix", "marcatore di zoom verso «%1»").arg(sArea);
}

QString fNomeMarcatoreId(qint64 iArea)
{
    return QCoreApplication::translate("Ombrix", "marcatore di zoom verso l'area %1").arg(iArea);
}
