#pragma once

#include <QList>

/** One change of the rows a view shows: from row iRiga, nTolte rows go and the new list's rows iRiga to
 *  iRiga + nNuove - 1 come in. */
struct TTratto
{
    qsizetype iRiga = 0;
    qsizetype nTolte = 0;
    qsizetype nNuove = 0;
    bool operator==(const TTratto &) const = default;
};

/** The changes that turn the rows aPrima into aDopo, both sorted by the key fChiave gives; rows equal in both
 *  stay where they are. Applied in order, each at its row of the list as the ones before it left it, they
 *  give aDopo whatever the rows are; sorted rows keep them few. */
template <typename T, typename F> QList<TTratto> fTratti(const QList<T> &aPrima, const QList<T> &aDopo, F fChiave)
{
    QList<TTratto> aTratti;
    qsizetype i = 0, j = 0;
    // j is where the next change starts: it joins the last one when nothing stayed in between
    const auto pCambia = [&](qsizetype nTolte, qsizetype nNuove) {
        if (aTratti.isEmpty() || aTratti.last().iRiga + aTratti.last().nNuove != j)
            aTratti.append({j, 0, 0});
        aTratti.last().nTolte += nTolte;
        aTratti.last().nNuove += nNuove;
    };
    while (i < aPrima.size() && j < aDopo.size()) {
        if (aPrima.at(i) == aDopo.at(j)) {
            ++i;
            ++j;
            continue;
        }
        const auto kPrima = fChiave(aPrima.at(i));
        const auto kDopo = fChiave(aDopo.at(j));
        if (kPrima < kDopo) {
            pCambia(1, 0);
            ++i;
        } else if (kDopo < kPrima) {
            pCambia(0, 1);
            ++j;
        } else {
            pCambia(1, 1);
            ++i;
            ++j;
        }
    }
    if (i < aPrima.size())
        pCambia(aPrima.size() - i, 0);
    if (j < aDopo.size())
        pCambia(0, aDopo.size() - j);
    return aTratti;
}
