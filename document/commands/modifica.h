#pragma once

#include "model/righe.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QUndoCommand>

#include <functional>
#include <optional>

class TProjectDocument;

/** What one step changes: rows of tbarea and tbsensori and area pictures, by id. */
struct TChiavi
{
    QList<qint64> aAree;
    QList<qint64> aSensori;
    QList<qint64> aImmagini;
};

/** The stored state of a step's keys: each row as SQLite holds it and each picture's bytes. A key that is
 *  missing from a map stands for a row or a picture that does not exist. */
struct TStato
{
    QMap<qint64, TRiga> aree;
    QMap<qint64, TRiga> sensori;
    QMap<qint64, QByteArray> immagini;
    bool operator==(const TStato &o) const = default;
};

/**
 * One edit of the open project, as one step of its history.
 *
 * pAvanti runs the edit through the stores, with their own statements, and
 * names each row and picture before it changes it (pTocca...). The state of
 * those keys before and after is kept; undo and redo write it back in one
 * transaction with bound statements and put the pictures back byte for byte.
 * A failing undo or redo changes nothing: the transaction is rolled back,
 * the pictures already written are put back, and the error is thrown.
 */
class TModifica : public QUndoCommand
{
public:
    TModifica(TProjectDocument &doc, const QString &sTesto);

    /** The edit itself; throws at the failing step. */
    virtual void pAvanti() = 0;

    void undo() override;
    void redo() override;

    const TChiavi &fChiavi() const { return m_chiavi; }
    /** True when the edit left every key as it was: no step to remember. */
    bool fNulla() const { return m_prima == m_dopo; }
    qint64 iMostrataPrima = 0; // the area shown before the step
    qint64 iMostrataDopo = 0;  // the area the step leaves shown

protected:
    void pToccaArea(qint64 iId);
    void pToccaSensore(qint64 iId);
    /** Names a row of tbsensori that the step has just inserted: before it, there was no such row. */
    void pToccaSensoreNuovo(qint64 iId);
    void pToccaImmagine(qint64 iId);
    /** Takes in a later step on the same keys: this step then ends where that one ended. */
    void pUnisci(const TModifica &succ);

    TProjectDocument &m_doc;

private:
    friend class TProjectDocument;
    void pApplica(const TStato &verso, const TStato &da);
    void pScriviImmagini(const TStato &stato);
    TStato fLeggiStato() const;

    TChiavi m_chiavi;
    TStato m_prima;
    TStato m_dopo;
    bool m_bGiaFatta = true; // the first redo comes from the push, after pAvanti has run
};

/** An edit given as a function: the commands of the document are made of these. */
class TModificaFn final : public TModifica
{
public:
    TModificaFn(TProjectDocument &doc, const QString &sTesto, std::function<void(TModificaFn &)> fnAvanti)
        : TModifica(doc, sTesto), m_fnAvanti(std::move(fnAvanti))
    {
    }
    /** Runs the edit once; the function, which may refer to its caller's locals, goes with it. */
    void pAvanti() override
    {
        const std::function<void(TModificaFn &)> fn = std::move(m_fnAvanti);
        m_fnAvanti = nullptr;
        fn(*this);
    }

    using TModifica::pToccaArea;
    using TModifica::pToccaImmagine;
    using TModifica::pToccaSensore;
    using TModifica::pToccaSensoreNuovo;

private:
    std::function<void(TModificaFn &)> m_fnAvanti;
};
