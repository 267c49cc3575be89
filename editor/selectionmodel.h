#pragma once

#include "editor/itemkeys.h"

#include <QList>
#include <QObject>

#include <optional>

class TProjectDocument;
struct TElemento;

/**
 * The selected items of the shown area: the window's own state, never
 * stored. Each item is chosen on its own (an icon, its barrier's second end
 * and its label are three items), and the last one chosen is the current
 * one, which the status bar describes and the single-item commands act on.
 *
 * The selection follows the document: showing another area or closing the
 * project empties it, and an item the document no longer shows (a deleted
 * object, a label taken away) leaves it, the last of the others becoming the
 * current one. Every change is told once through changed().
 */
class TSelezione final : public QObject
{
    Q_OBJECT

public:
    explicit TSelezione(TProjectDocument &doc, QObject *pParent = nullptr);

    /** The selected items in the order they were chosen; the last is the current one. */
    const QList<TChiave> &fChiavi() const { return m_aChiavi; }
    std::optional<TChiave> fCorrente() const;
    bool fContiene(const TChiave &chiave) const { return m_aChiavi.contains(chiave); }
    bool fVuota() const { return m_aChiavi.isEmpty(); }
    bool fMultipla() const { return m_aChiavi.size() > 1; }

    /** Exactly this item. */
    void pSeleziona(const TChiave &chiave);
    void pSvuota();
    /** Ctrl+click: the item joins the selection as the current one, or leaves it. */
    void pCambia(const TChiave &chiave);
    /** Exactly these items (repeats once); the last becomes the current one. */
    void pImposta(const QList<TChiave> &aChiavi);
    /** Object iId's icon, chosen from outside the canvas: the views bring it to the front and into sight. */
    void pMostraOggetto(qint64 iId);

    /** The selected items at their stored places, in the document's order (by object, then second end, label,
     *  icon: the order in which the canvas stacks them). */
    QList<TElemento> fElementi() const;
    /** The same items as keys, in that order. */
    QList<TChiave> fChiaviInOrdine() const;

signals:
    void changed();
    /** Object iId was chosen from outside the canvas. */
    void sigInVista(qint64 iId);

private:
    void pCambiaIn(const QList<TChiave> &aChiavi);
    /** Drops the items the document no longer shows. */
    void pPota();

    TProjectDocument &m_doc;
    QList<TChiave> m_aChiavi;
};
