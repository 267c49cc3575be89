// The edits of many items at once: moving a selection (a drag, a run of
// arrow keys, an alignment) and deleting it, each as one step.

#include "document/commands/modifica.h"
#include "document/projectdocument.h"
#include "model/catalogo.h"

#include <algorithm>
#include <functional>

namespace {

/** The items a move takes, in a fixed order: two moves of the same items have the same key. */
QList<QPair<qint64, int>> fChiave(const QList<TElemento> &aElementi)
{
    QList<QPair<qint64, int>> aChiave;
    for (const TElemento &e : aElementi)
        aChiave << qMakePair(e.iId, e.iElemento);
    std::sort(aChiave.begin(), aChiave.end());
    return aChiave;
}

/** A move of many items; as a run of arrow keys it takes in the next move of the same items. */
class TModificaGruppo final : public TModifica
{
public:
    TModificaGruppo(TProjectDocument &doc, const QString &sTesto, QList<QPair<qint64, int>> aChiave, bool bSpinta,
                    std::function<void(TModificaGruppo &)> fn)
        : TModifica(doc, sTesto), m_aChiave(std::move(aChiave)), m_bSpinta(bSpinta), m_fnAvanti(std::move(fn))
    {
    }
    void pAvanti() override
    {
        m_iPasso = m_doc.fPassi();
        const std::function<void(TModificaGruppo &)> fn = std::move(m_fnAvanti);
        m_fnAvanti = nullptr;
        fn(*this);
    }
    int id() const override { return m_bSpinta ? 0x5347 : -1; }
    bool mergeWith(const QUndoCommand *pAltra) override
    {
        const auto *p = dynamic_cast<const TModificaGruppo *>(pAltra);
        if (!p || !p->m_bSpinta || p->m_aChiave != m_aChiave || p->m_iPasso != m_iPasso + 1)
            return false;
        pUnisci(*p);
        m_iPasso = p->m_iPasso;
        return true;
    }
    using TModifica::pToccaSensore;

private:
    QList<QPair<qint64, int>> m_aChiave;
    bool m_bSpinta;
    qint64 m_iPasso = 0;
    std::function<void(TModificaGruppo &)> m_fnAvanti;
};

} // namespace

void TProjectDocument::pSpostaElementi(const QList<TElemento> &aElementi, const QString &sPasso, bool bSpinta)
{
    QList<TElemento> aValidi;
    QList<TSensore> aOggetti;
    for (const TElemento &e : aElementi)
        if (const TSensore *p = fOggetto(e.iId)) {
            aValidi << e;
            aOggetti << *p;
        }
    if (aValidi.isEmpty())
        return;
    pEsegui(new TModificaGruppo(*this, sPasso, fChiave(aValidi), bSpinta, [&](TModificaGruppo &m) {
        TSensorStore &store = fSensorStore();
        for (qsizetype i = 0; i < aValidi.size(); ++i) {
            const TElemento &e = aValidi.at(i);
            const TSensore &s = aOggetti.at(i);
            m.pToccaSensore(e.iId);
            if (e.iElemento == 2)
                store.pStoreLabelPlace(e.iId, e.pos.x(), e.pos.y(), s.Get_testo());
            else
                store.pUpdateSensorInDb(
                    fNomeSensore(s.Get_tiposensore(), s.Get_area_zoom(), e.iId, QString::number(s.Get_numsensore())),
                    e.pos.x(), e.pos.y(), e.iElemento);
        }
    }));
}

int TProjectDocument::pEliminaElementi(const QList<TElemento> &aElementi)
{
    QList<qint64> aOggetti;
    QList<qint64> aTesti;
    QList<qint64> aZoom;
    for (const TElemento &e : aElementi) {
        const TSensore *p = fOggetto(e.iId);
        if (!p)
            continue;
        if (p->Get_tiposensore() == 3) {
            if (!aZoom.contains(e.iId))
                aZoom << e.iId; // a marker goes with its detail area
        } else if (e.iElemento == 2) {
            if (!aTesti.contains(e.iId))
                aTesti << e.iId;
        } else if (!aOggetti.contains(e.iId)) {
            aOggetti << e.iId;
        }
    }
    pEsegui(new TModificaFn(*this, tr("eliminazione"), [&](TModificaFn &m) {
        TSensorStore &store = fSensorStore();
        for (qint64 iId : aOggetti) {
            m.pToccaSensore(iId);
            store.fDeleteSensorFromDb(QString::number(iId));
        }
        for (qint64 iId : aTesti)
            if (!aOggetti.contains(iId)) {
                m.pToccaSensore(iId);
                store.pAddTextToSensorInDb(iId, 0, 0, 0, 0, QString());
            }
    }));
    return int(aZoom.size());
}
