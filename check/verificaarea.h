#pragma once

#include "check/lettura.h"
#include "check/sfondi.h"
#include "check/verifica.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

/**
 * The project check one area at a time. What an area's findings depend on
 * is its own row, its objects and its picture, except two facts that span
 * the project: whether a zoom marker leads to the area, and whether the
 * area a marker leads to exists. Those are kept apart in TEsitoArea and
 * decided when the findings are put together, from the rows alone.
 */

/** An object's findings, split where a zoom marker's own goes. */
struct TEsitoOggetto
{
    qint64 iId = 0;
    QList<TFinding> aPrima;
    std::optional<qint64> iZoom; // the area a zoom marker leads to
    TFinding orfano;             // its finding when that area does not exist
    QList<TFinding> aDopo;
    bool operator==(const TEsitoOggetto &) const = default;
};

/** What the check finds in one area from its row, its objects and its picture. */
struct TEsitoArea
{
    TFattiSfondo sfondo; // the picture's facts the findings come from
    QList<TFinding> aArea;
    std::optional<TFinding> irraggiungibile; // a detail area's, when no marker leads to it
    QList<TEsitoOggetto> aOggetti;           // the objects with findings or a target, by id
};

/** "img_N.jpg", and its path in the project folder sRootPrj. */
QString fNomeSfondo(qint64 iAreaId);
QString fPercorsoSfondo(const QString &sRootPrj, qint64 iAreaId);

/** Checks area a, whose objects (ascending id) are aOggetti and whose picture has the facts sfondo. */
TEsitoArea fVerificaArea(const TAreaLetta &a, const QList<const TOggettoLetto *> &aOggetti, const TFattiSfondo &sfondo);

/** The areas some zoom marker of these esiti leads to. */
template <typename Esiti> QSet<qint64> fAreeRaggiunte(const Esiti &esiti)
{
    QSet<qint64> aRaggiunte;
    for (const TEsitoArea &e : esiti)
        for (const TEsitoOggetto &o : e.aOggetti)
            if (o.iZoom)
                aRaggiunte.insert(*o.iZoom);
    return aRaggiunte;
}

/** The findings of one area, in the order fVerificaProgetto gives them: e's, with the unreachable area's
 *  finding unless bRaggiunta, and each marker's whose target fNomeArea says is gone (none); a marker whose target
 *  exists is named by that area's name. */
QList<TFinding> fFindingsArea(const TEsitoArea &e, bool bRaggiunta,
                              const std::function<std::optional<QString>(qint64)> &fNomeArea);

/** The whole check of the rows p, the pictures' facts taken from sfondi. */
QList<TFinding> fVerificaRighe(const TProgettoLetto &p, const QString &sRootPrj, TCacheSfondi &sfondi);
