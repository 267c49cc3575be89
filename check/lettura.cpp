#include "check/lettura.h"

#include "model/numeroio.h"

#include <QCoreApplication>

#include "model/catalogo.h"

#include <algorithm>

namespace {

/** Runs sSql with aValori bound to its end, handing each row to pRiga; failures name the database file. */
template <typename F> void pLeggi(TSqlConn &conn, const QString &sSql, const QVariantList &aValori, F pRiga)
{
    try {
        TSqlQuery q = conn.fQuery(sSql, aValori);
        while (q.fNext())
            pRiga(q);
    } catch (const TOmbrixError &e) {
        throw TOmbrixError(conn.fDatabase() + QStringLiteral(": ") + e.fMessage());
    }
}

const char *const szColonneArea = "select _id, livello, father_id, NomeArea from tbarea";
const char *const szColonneOggetto =
    "select _id, area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, "
    "CoordY, CoordX2, CoordY2, CoordXt, CoordYt, FontTxt, ColorTxt, Testo from tbsensori";

TAreaLetta fAreaDaRiga(const TSqlQuery &q)
{
    return {q.fInt64(0), q.fInt64(1), q.fInt64(2), q.fText(3)};
}

TOggettoLetto fOggettoDaRiga(const TSqlQuery &q)
{
    TOggettoLetto o;
    qint64 *aCampi[] = {&o.iId, &o.iAreaId, &o.iAreaZoom, &o.iNumSensore, &o.iIconSize, &o.iTipo, &o.iX,
                        &o.iY,  &o.iX2,     &o.iY2,       &o.iXt,         &o.iYt,       &o.iFont, &o.iColor};
    for (int c = 0; c < int(std::size(aCampi)); ++c)
        *aCampi[c] = q.fInt64(c);
    o.sTesto = q.fText(14);
    return o;
}

/** The row whose _id is iId of what szSelect reads. */
template <typename T, typename F> std::optional<T> fPerId(TSqlConn &conn, const char *szSelect, qint64 iId, F fDaRiga)
{
    std::optional<T> riga;
    pLeggi(conn, QLatin1String(szSelect) + QStringLiteral(" where _id = ?"), {iId},
           [&](const TSqlQuery &q) { riga = fDaRiga(q); });
    return riga;
}

} // namespace

QString fNomeTipo(qint64 iTipo)
{
    return fNomeTipoMessaggio(iTipo);
}

std::optional<TClasseIo> fClasseIo(qint64 iTipo)
{
    if (iTipo < 1 || iTipo > 10)
        return std::nullopt;
    switch (fClasseTipo(int(iTipo))) {
    case TClasse::Ingresso:
        return TClasseIo::Ingresso;
    case TClasse::Uscita:
        return TClasseIo::Uscita;
    case TClasse::Zoom:
    case TClasse::Nessuna:
        break;
    }
    return std::nullopt;
}

QString fNomeClasseIo(TClasseIo eClasse)
{
    return eClasse == TClasseIo::Ingresso ? QCoreApplication::translate("Ombrix", "ingresso")
                                          : QCoreApplication::translate("Ombrix", "uscita");
}

const TAreaLetta *TProgettoLetto::fArea(qint64 iId) const
{
    const auto it =
        std::lower_bound(aAree.cbegin(), aAree.cend(), iId, [](const TAreaLetta &a, qint64 i) { return a.iId < i; });
    return it != aAree.cend() && it->iId == iId ? &*it : nullptr;
}

TProgettoLetto fLeggiProgetto(TSqlConn &conn)
{
    TProgettoLetto p;
    pLeggi(conn, QLatin1String(szColonneArea) + QStringLiteral(" order by _id"), {},
           [&](const TSqlQuery &q) { p.aAree.append(fAreaDaRiga(q)); });
    pLeggi(conn, QLatin1String(szColonneOggetto) + QStringLiteral(" order by _id"), {},
           [&](const TSqlQuery &q) { p.aOggetti.append(fOggettoDaRiga(q)); });
    return p;
}

std::optional<TAreaLetta> fLeggiArea(TSqlConn &conn, qint64 iId)
{
    return fPerId<TAreaLetta>(conn, szColonneArea, iId, fAreaDaRiga);
}

std::optional<TOggettoLetto> fLeggiOggetto(TSqlConn &conn, qint64 iId)
{
    return fPerId<TOggettoLetto>(conn, szColonneOggetto, iId, fOggettoDaRiga);
}
