#pragma once

#include "check/lettura.h"
#include "check/riferimentiio.h"
#include "check/sfondi.h"
#include "check/verifica.h"
#include "check/verificaarea.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class TProjectDocument;
struct TChiavi;

/**
 * The check and the I/O cross-reference of a document's open project, kept
 * up to date step by step for the views that show them.
 *
 * It keeps the project's rows and, per area, what the check found there.
 * Each step of the document names the rows and pictures it wrote: those
 * rows alone are read again, and only the areas they lie in, before and
 * after the step, or whose picture it wrote, are checked again. The facts
 * that span the project (which areas exist, which ones a zoom marker leads
 * to) are decided from the rows each time, without reading any picture.
 *
 * A project opened, or read again after a change from outside, is read
 * whole and compared with the rows kept, and every picture is looked at;
 * so are the pictures when the application becomes active again (another
 * program may have changed them meanwhile) and after pRivediSfondi. A
 * picture is looked at through TCacheSfondi: decoded only when it changed.
 *
 * The results equal those of fVerificaProgetto and fRiferimentiIo on the
 * same project. Nothing is read until a result is asked for; steps made
 * meanwhile are gathered. A failing read throws TOmbrixError naming the
 * database file, and the next call reads the rows whole.
 */
class TVerificaIncrementale final : public QObject
{
    Q_OBJECT

public:
    /** The one that follows doc, made at the first call as doc's child. */
    static TVerificaIncrementale &fDi(TProjectDocument &doc);
    explicit TVerificaIncrementale(TProjectDocument &doc);

    /** The findings of the open project; none when no project is open. */
    const QList<TFinding> &fFindings();
    /** The I/O cross-reference of the open project; none when no project is open. */
    const QList<TRigaIo> &fRigheIo();

    /** Looks at every area's picture at the next refresh, for pictures changed outside the steps. */
    void pRivediSfondi() { m_bRivediSfondi = true; }

    /** How many times an area was checked so far: each area once for a project opened, then the areas of
     *  each step and those whose picture changed. */
    qint64 fAreeVerificate() const { return m_iAreeVerificate; }
    const TCacheSfondi &fSfondi() const { return m_sfondi; }

private:
    /** What the check found in one area, and its findings once the facts spanning the project are known. */
    struct TVoce
    {
        TEsitoArea esito;
        bool bPronta = false; // aFindings holds for bRaggiunta and aEsistono
        bool bRaggiunta = false;
        QList<std::optional<QString>> aEsistono; // for each zoom marker of the esito, its area's name if it exists
        QList<TFinding> aFindings;
    };

    void pPasso(const TChiavi &chiavi);
    void pProgetto();
    /** The rows are read whole and every picture looked at, at the next refresh. */
    void pRileggi();
    /** Brings the rows up to date; the areas whose rows changed become touched. */
    void pAggiornaRighe();
    void pRileggiTutto();
    void pApplicaChiavi();
    /** A row changed from pPrima to pDopo (null: none): its areas are checked again, the cross-reference made
     *  again if it shows what changed. */
    void pTocca(const TAreaLetta *pPrima, const TAreaLetta *pDopo);
    void pTocca(const TOggettoLetto *pPrima, const TOggettoLetto *pDopo);

    TProjectDocument &m_doc;
    TCacheSfondi m_sfondi;
    QString m_sRoot; // the folder of the project the pictures were looked at in

    TProgettoLetto m_p;                                 // the rows, as the database held them at the last refresh
    bool m_bRileggi = true;                             // the rows are read whole at the next refresh
    bool m_bRivediSfondi = true;                        // every picture is looked at at the next refresh
    QSet<qint64> m_aAreeDaLeggere, m_aOggettiDaLeggere; // rows the steps since then wrote
    QSet<qint64> m_aToccate;                            // areas to check again, their pictures looked at
    bool m_bIoDaRifare = true;

    QHash<qint64, TVoce> m_voci; // by area id, for every area of m_p once checked
    QList<TFinding> m_aFindings;
    QList<TRigaIo> m_aRigheIo;
    qint64 m_iAreeVerificate = 0;
};
