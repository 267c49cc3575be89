#pragma once

#include "backup/copie.h"
#include "model/areastore.h"
#include "model/sensore.h"
#include "model/sensorstore.h"
#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/projectlock.h"
#include "workspace/sqlconn.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QSet>
#include <QString>
#include <QUndoStack>

#include <functional>

class TModifica;
struct TAppunti;
struct TChiavi;
struct TOpzioniIncolla;
struct TStato;

/** One item of an object on the shown area, at a position: its icon (0), its barrier's second end (1) or its
 *  label (2). */
struct TElemento
{
    qint64 iId = 0;
    int iElemento = 0;
    QPoint pos;
};

/** New type, number and label of one object, as the dialog "Proprietà" gives them. A barrier keeps its second
 *  end at pos2 (used when it becomes one); any other type has none. An empty text removes the label; a label
 *  that is new goes to posTesto. */
struct TProprietaOggetto
{
    qint64 iId = 0;
    int iTipo = 0;
    QString sNumero;
    QPoint pos2;
    QString sTesto;
    QPoint posTesto;
    int iFont = 0;
    int iColor = 0;
};

/** Opening a project whose database SQLite reports as corrupt or not a database. */
class TProgettoDanneggiato : public TOmbrixError
{
public:
    TProgettoDanneggiato(const QString &sMessage, const QString &sDb) : TOmbrixError(sMessage), m_sDb(sDb) {}
    const QString &fDb() const { return m_sDb; }

private:
    QString m_sDb;
};

/**
 * The open project: its connection, its area list (CDArea), the shown area
 * with its objects, and the undo history of its edits.
 *
 * Every edit goes through one of the p... edit calls, which runs the store
 * operations with their own statements, pushes one command on the history
 * and tells the views through the signals. Undo and redo put back the rows
 * and the area pictures exactly, and show the area the step was made on.
 *
 * While a project is open the document holds its lock (TBloccoProgetto):
 * a project another editor has open is not opened, and the open one stays.
 * Snapshots of the project (backup/) are made when it is opened and before
 * an area is deleted; one that cannot be made is told through sigAvviso
 * and never stops the command. Every edit is committed with
 * synchronous=FULL.
 *
 * A failing step throws TOmbrixError with the failing layer's message; the
 * steps before it stay done, nothing is pushed, and the document reloads
 * what it shows so that it keeps showing what the database holds. An undo
 * or a redo that fails changes nothing and leaves the history where it was.
 */
class TProjectDocument : public QObject
{
    Q_OBJECT

public:
    explicit TProjectDocument(QObject *pParent = nullptr);
    ~TProjectDocument() override;

    // --- the project's life -------------------------------------------------
    /** New project: the folder sDir/sNome with "areas" and "out", its database and its first area. */
    void pNuovoProgetto(const QString &sDir, const QString &sNome);
    /** Opens the project of the database file sDb, closing the open one first; shows its first area. A project
     *  another process holds is refused and the open one stays; a database SQLite reports as corrupt throws
     *  TProgettoDanneggiato. */
    void pApriProgetto(const QString &sDb);
    /** Opens the damaged project of sDb from its snapshot copia: the damaged file is kept renamed
     *  (fMettiDaParteDanneggiato), the snapshot put back, the project opened. */
    void pApriDaCopia(const QString &sDb, const TCopia &copia);
    /** Closes the project; the history is cleared. */
    void pChiudiProgetto();

    bool fAperto() const { return m_bAperto; }
    const QString &fRootPrj() const { return m_sRootPrj; }
    QString fOutPath() const { return m_sRootPrj + QStringLiteral("out/"); }
    QString fDatabase() const;
    TSqlConn &fConn() { return m_conn; }
    QUndoStack *fUndoStack() { return &m_undo; }
    // --- snapshots ------------------------------------------------------------
    /** A snapshot of the open project giving sMotivo; a failure is told through sigAvviso, never thrown. */
    void pCopiaAutomatica(const QString &sMotivo);
    /** The open project's snapshots, the most recent first. */
    QList<TCopia> fCopie() const;
    /** Puts snapshot copia back, after a snapshot of the current state; the project is opened again and its
     *  history cleared. A damaged snapshot is refused before anything changes. */
    void pRipristina(const TCopia &copia);

    /** Counts the edits, undos and redos run so far: two steps with consecutive counts had nothing between. */
    qint64 fPassi() const { return m_iPassi; }

    // --- areas ----------------------------------------------------------------
    const TAreaList &fAree() const { return CDArea; }
    /** The areas in the order of the tree: by level, then Ordinamento, then as stored. */
    QList<TAreaRow> fAreeInOrdineAlbero() const;
    /** The row of area iId; null when there is none. */
    const TAreaRow *fArea(qint64 iId) const;
    QString fAreaPicturePath(qint64 iId) const;

    // --- the shown area -----------------------------------------------------
    /** Reads the area list and the shown area's objects again, for changes made to the database from outside. */
    void pRileggi();
    /** Shows area iId (0: none): its objects are read and the views rebuild. */
    void pMostraArea(qint64 iId);
    qint64 fAreaMostrata() const { return m_iMostrata; }
    /** The shown area's objects, in ascending id. */
    const QList<TSensore> &fOggetti() const { return m_aOggetti; }
    /** One of the shown area's objects; null when it is not there. */
    const TSensore *fOggetto(qint64 iId) const;

    // --- edits: each one step of the history --------------------------------
    /** A base area named sNome; it is then shown. Returns its id. */
    qint64 pAggiungiAreaBase(const QString &sNome);
    /** The zoom command: a detail area sNome under the base area iPadre, and its zoom marker (icon size
     *  iIconSize, at pos) on iPadre, which stays shown. Returns the detail area's id. */
    qint64 pAggiungiAreaDettaglio(qint64 iPadre, const QString &sNome, int iIconSize,
                                  const QPoint &pos = ptPosizioneNuovi);
    /** Deletes area iId with its objects, the zoom markers leading to it and its picture; no area is shown after. */
    void pEliminaArea(qint64 iId);
    void pRinominaArea(qint64 iId, const QString &sNome);
    /** Replaces area iId's picture with a byte-for-byte copy of sFile. */
    void pCambiaSfondo(qint64 iId, const QString &sFile);
    /** Replaces area iId's picture with the JPEG abJpeg (a fitted page), written in one step; undone as
     *  "sfondo", giving back the old file byte for byte. */
    void pScriviSfondo(qint64 iId, const QByteArray &abJpeg);

    /** Places a new object of type iTipo with the number text sNumero on the shown area, its icon at pos;
     *  returns its id. */
    qint64 pAggiungiOggetto(int iTipo, int iIconSize, const QString &sNumero, const QPoint &pos = ptPosizioneNuovi);
    /** Moves an object's icon (iMark 0) or its barrier's second end (iMark 1) to pos. */
    void pSpostaOggetto(qint64 iId, int iMark, const QPoint &pos);
    void pEliminaOggetto(qint64 iId);
    /** An arrow-key move of an object's icon (iElemento 0), its barrier's second end (1) or its label (2) to pos,
     *  stored as a drag's release stores it. Moves of the same item that follow one another with nothing in
     *  between make one step. */
    void pSpingiOggetto(qint64 iId, int iElemento, const QPoint &pos);
    /** A copy of object iId on the shown area with the number sNumero, its icon at pos, its second end at
     *  pos2 (a barrier) and its label, if any, at posTesto with the text sTesto; returns the copy's id. */
    qint64 pDuplicaOggetto(qint64 iId, const QString &sNumero, const QPoint &pos, const QPoint &pos2,
                           const QPoint &posTesto, const QString &sTesto);
    /** The lowest number above iNumero that no object of the class of type iTipo uses in the project. */
    qint64 fNumeroLibero(int iTipo, qint64 iNumero);
    /** The numbers that more than one object of a class uses in the project: for each input and output type, the
     *  numbers that type's class holds twice or more. */
    QMap<int, QSet<qint64>> fNumeriRipetuti();
    /** The objects other than iId of the class of type iTipo that use iNumero anywhere in the project. */
    QList<TUsoNumero> fUsiNumero(int iTipo, qint64 iNumero, qint64 iId);
    /** New type, number and label of object iId, as one step. A barrier keeps its second end at pos2 (used
     *  when it becomes one); any other type has none. An empty text removes the label; a label that is new
     *  goes to posTesto. */
    void pCambiaProprieta(qint64 iId, int iTipo, const QString &sNumero, const QPoint &pos2, const QString &sTesto,
                          const QPoint &posTesto, int iFont, int iColor);
    /** New properties of several objects as one step; the objects no longer shown are left out. */
    void pCambiaProprieta(const QList<TProprietaOggetto> &aProprieta);

    /** A new label on object iId. */
    void pAggiungiTesto(qint64 iId, const QPoint &pos, int iFont, int iColor, const QString &sTesto);
    /** A label moved to pos, keeping the text it shows. */
    void pSpostaTesto(qint64 iId, const QPoint &pos, const QString &sTesto);
    void pModificaTesto(qint64 iId, const QString &sTesto);
    void pStileTesto(qint64 iId, int iFont, int iColor);
    void pEliminaTesto(qint64 iId);

    // --- many objects at once ----------------------------------------------------
    /** Moves items of the shown area's objects to their positions as one step named sPasso; a label keeps its
     *  text. With bSpinta a move of the same items that follows with nothing in between joins it. */
    void pSpostaElementi(const QList<TElemento> &aElementi, const QString &sPasso, bool bSpinta);
    /** Deletes items as the "Elimina" of each would, as one step: an icon or a second end its object, a label
     *  its text. Zoom markers stay where they are; returns how many were left. */
    int pEliminaElementi(const QList<TElemento> &aElementi);
    /** The shown area's objects iIds, whole, for the clipboard. */
    TAppunti fAppunti(const QList<qint64> &aIds) const;
    /** Pastes objects onto the shown area as one step, each through the placement's insert with a new id, at its
     *  own position (16 pixels right and down when it comes from the shown area itself), inside the canvas.
     *  Zoom markers are never pasted: *piZoom counts them. The paste is checked whole first (fDifettoIncolla):
     *  a fault refuses it, storing nothing. It is written in one transaction. Returns the new ids. */
    QList<qint64> pIncolla(const TAppunti &appunti, const TOpzioniIncolla &opzioni, int *piZoom = nullptr);
    /** The warning for objects pasted with these options: each number they would get that an object of the
     *  same class already uses in the project; empty when there is none. */
    QString fAvvisoNumeri(const QList<TSensore> &aOggetti, const TOpzioniIncolla &opzioni);
    /** The objects of base area iId and of its detail areas. */
    QList<TSensore> fOggettiConDettagli(qint64 iId);
    /** A copy of base area iId, named "<name> (copia)", as one step: its picture byte for byte, its objects and
     *  labels, and each detail area with its picture and objects, the copied zoom markers leading to the copied
     *  detail areas. The copy is then shown. Returns its id (0 for an area that is not a base area). An offset that
     *  would take an input or output number outside 1 to 999 throws TOmbrixError (fRifiutoNumeriIncollati) and
     *  makes nothing. */
    qint64 pDuplicaArea(qint64 iId, const TOpzioniIncolla &opzioni);

    // --- what commands use ----------------------------------------------------
    TAreaStore &fAreaStore() { return *m_pAreaStore; }
    TSensorStore &fSensorStore() { return *m_pSensorStore; }
    /** Runs an edit: captures what it changes, runs fAvanti, pushes the step, tells the views. */
    void pEsegui(TModifica *pModifica);
    /** Shows the area a step leaves shown and tells the views what it changed: the keys of the step, in the
     *  state it has just written. */
    void pPubblica(const TChiavi &chiavi, const TStato &stato, qint64 iDaMostrare);

signals:
    /** A project was opened or closed: views start again from nothing. */
    void sigProgetto(bool bAperto);
    /** The area list changed (added, removed or restored areas): the tree refills. */
    void sigAreeCambiate();
    void sigAreaRinominata(qint64 iId, const QString &sNome);
    /** The shown area changed (0: none): the canvas rebuilds from the document. */
    void sigAreaMostrata(qint64 iId);
    void sigSfondoCambiato(qint64 iId);
    void sigOggettoAggiunto(qint64 iId);
    void sigOggettoCambiato(qint64 iId);
    void sigOggettoRimosso(qint64 iId);
    /** A step (an edit, an undo or a redo) has written the rows and pictures of chiavi, which are now as the
     *  database holds them; sent before the views are told what changed. */
    void sigPasso(const TChiavi &chiavi);
    /** The project was read again from its database (changed from outside, or after a failed step): any row
     *  may have changed. */
    void sigRiletto();
    /** Something the user should know that did not stop the command (a snapshot that could not be made). */
    void sigAvviso(const QString &sTesto);

private:
    void pOpenProject(const QString &sDb, bool bNew);
    /** bTieniBlocco keeps the project's lock (a restore reopens the same project). */
    void pCloseProject(bool bTieniBlocco = false);
    /** Takes the lock of the project folder sRootPrj unless this document holds it already. */
    std::unique_ptr<TBloccoProgetto> fPrendiBlocco(const QString &sRootPrj);
    void pImpostaCartella(const QString &sRootPrj);
    /** SQLite's quick check of the open database: empty when sound, else its first finding. */
    QString fQuickCheck();
    static QString fMessaggioDanneggiato(const QString &sDb, const QString &sErrore);
    /** The area list changed: the views are told, and it is what they now show. */
    void pAreeCambiate();
    /** After a failed edit: reload what is shown from the database. */
    void pRicarica();

    TSqlConn m_conn;
    std::unique_ptr<TBloccoProgetto> m_pBlocco;
    TAreaList CDArea;
    std::unique_ptr<TAreaStore> m_pAreaStore;
    std::unique_ptr<TSensorStore> m_pSensorStore;
    QUndoStack m_undo;
    QString m_sRootPrj;
    bool m_bAperto = false;
    QList<TAreaRow> m_aAreeViste; // the area list as the views last had it
    qint64 m_iMostrata = 0;
    QList<TSensore> m_aOggetti;
    mutable QHash<qint64, qsizetype> m_indiceOggetti; // id -> place in m_aOggetti, rebuilt when emptied
    qint64 m_iPassi = 0;
    friend class TModifica;
};
