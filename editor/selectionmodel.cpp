#include "editor/selectionmodel.h"

#include "document/projectdocument.h"

#include <algorithm>

namespace {

/** The place of a part among an object's items, from the bottom of the stack. */
int fOrdineParte(TParte eParte)
{
    switch (eParte) {
    case TParte::SecondoCapo:
        return 0;
    case TParte::Testo:
        return 1;
    case TParte::Icona:
        return 2;
    }
    return 2;
}

} // namespace

TSelezione::TSelezione(TProjectDocument &doc, QObject *pParent) : QObject(pParent), m_doc(doc)
{
    connect(&doc, &TProjectDocument::sigProgetto, this, [this] { pSvuota(); });
    // an area shown anew after an edit keeps what is still there; another area holds none of the items
    connect(&doc, &TProjectDocument::sigAreaMostrata, this, [this] { pPota(); });
    connect(&doc, &TProjectDocument::sigOggettoCambiato, this, [this] { pPota(); });
    connect(&doc, &TProjectDocument::sigOggettoRimosso, this, [this] { pPota(); });
}

std::optional<TChiave> TSelezione::fCorrente() const
{
    if (m_aChiavi.isEmpty())
        return std::nullopt;
    return m_aChiavi.last();
}

void TSelezione::pSeleziona(const TChiave &chiave)
{
    pCambiaIn({chiave});
}

void TSelezione::pSvuota()
{
    pCambiaIn({});
}

void TSelezione::pCambia(const TChiave &chiave)
{
    QList<TChiave> a = m_aChiavi;
    if (a.contains(chiave))
        a.removeAll(chiave);
    else
        a << chiave;
    pCambiaIn(a);
}

void TSelezione::pImposta(const QList<TChiave> &aChiavi)
{
    QList<TChiave> a;
    for (const TChiave &chiave : aChiavi)
        if (!a.contains(chiave))
            a << chiave;
    pCambiaIn(a);
}

void TSelezione::pMostraOggetto(qint64 iId)
{
    pCambiaIn({TChiave{iId, TParte::Icona}});
    emit sigInVista(iId);
}

void TSelezione::pCambiaIn(const QList<TChiave> &aChiavi)
{
    // only items of the shown area that the document holds can be selected
    QList<TChiave> a;
    for (const TChiave &chiave : aChiavi)
        if (const TSensore *p = m_doc.fOggetto(chiave.iId); p && fHaParte(*p, chiave.eParte))
            a << chiave;
    if (a == m_aChiavi)
        return;
    m_aChiavi = a;
    emit changed();
}

void TSelezione::pPota()
{
    pCambiaIn(m_aChiavi);
}

QList<TChiave> TSelezione::fChiaviInOrdine() const
{
    QList<TChiave> a = m_aChiavi;
    const QList<TSensore> &aOggetti = m_doc.fOggetti();
    auto fIndice = [&aOggetti](qint64 iId) {
        for (qsizetype i = 0; i < aOggetti.size(); ++i)
            if (aOggetti.at(i).Get_id() == iId)
                return i;
        return aOggetti.size();
    };
    std::stable_sort(a.begin(), a.end(), [&](const TChiave &x, const TChiave &y) {
        const qsizetype ix = fIndice(x.iId);
        const qsizetype iy = fIndice(y.iId);
        return ix != iy ? ix < iy : fOrdineParte(x.eParte) < fOrdineParte(y.eParte);
    });
    return a;
}

QList<TElemento> TSelezione::fElementi() const
{
    QList<TElemento> a;
    for (const TChiave &chiave : fChiaviInOrdine())
        if (const TSensore *p = m_doc.fOggetto(chiave.iId))
            a << TElemento{chiave.iId, int(chiave.eParte), fRettangoloPannello(*p, chiave.eParte).topLeft()};
    return a;
}
