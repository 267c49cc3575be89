#include "check/riferimentiio.h"

#include "check/lettura.h"
#include "check/verifica.h"

#include <QMap>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace {

QByteArray fCampoCsv(const QString &s)
{
    QByteArray b = s.toUtf8();
    if (!b.contains(',') && !b.contains('"') && !b.contains('\r') && !b.contains('\n'))
        return b;
    b.replace('"', "\"\"");
    return '"' + b + '"';
}

} // namespace

QList<TRigaIo> fRiferimentiIo(TSqlConn &conn)
{
    return fRiferimentiIo(fLeggiProgetto(conn));
}

QList<TRigaIo> fRiferimentiIo(const TProgettoLetto &p)
{
    QList<TRigaIo> aRighe;
    for (const TOggettoLetto &o : p.aOggetti) {
        const std::optional<TClasseIo> eClasse = fClasseIo(o.iTipo);
        if (!eClasse)
            continue;
        const TAreaLetta *pArea = p.fArea(o.iAreaId);
        aRighe.append({*eClasse, o.iNumSensore, fNomeTipo(o.iTipo), o.iAreaId, pArea ? pArea->sNome : QString(), o.iId,
                       o.sTesto});
    }
    std::sort(aRighe.begin(), aRighe.end(), [](const TRigaIo &a, const TRigaIo &b) {
        return std::tuple(a.eClasse, a.iNumero, a.iAreaId, a.iSensoreId) <
               std::tuple(b.eClasse, b.iNumero, b.iAreaId, b.iSensoreId);
    });
    return aRighe;
}

QByteArray fCsvIo(const QList<TRigaIo> &aRighe)
{
    QByteArray out("classe,numero,tipo,area_id,area,sensore_id,testo\r\n");
    for (const TRigaIo &r : aRighe) {
        const QByteArray aCampi[] = {fCampoCsv(fNomeClasseIo(r.eClasse)),
                                     QByteArray::number(r.iNumero),
                                     fCampoCsv(r.sTipo),
                                     QByteArray::number(r.iAreaId),
                                     fCampoCsv(r.sArea),
                                     QByteArray::number(r.iSensoreId),
                                     fCampoCsv(r.sTesto)};
        for (const QByteArray &b : aCampi) {
            if (&b != aCampi)
                out += ',';
            out += b;
        }
        out += "\r\n";
    }
    return out;
}

QList<qint64> fNumeriInPiuAree(const QList<TRigaIo> &aRighe, TClasseIo eClasse)
{
    QMap<qint64, QSet<qint64>> aree;
    for (const TRigaIo &r : aRighe) {
        if (r.eClasse == eClasse)
            aree[r.iNumero].insert(r.iAreaId);
    }
    QList<qint64> a;
    for (auto it = aree.cbegin(); it != aree.cend(); ++it) {
        if (it.value().size() > 1)
            a.append(it.key());
    }
    return a;
}

QList<qint64> fNumeriLiberi(const QList<TRigaIo> &aRighe, TClasseIo eClasse)
{
    QSet<qint64> usati;
    qint64 iMassimo = 0;
    for (const TRigaIo &r : aRighe) {
        if (r.eClasse == eClasse && fNumeroIoValido(r.iNumero)) {
            usati.insert(r.iNumero);
            iMassimo = std::max(iMassimo, r.iNumero);
        }
    }
    QList<qint64> a;
    for (qint64 n = 1; n < iMassimo; ++n) {
        if (!usati.contains(n))
            a.append(n);
    }
    return a;
}
