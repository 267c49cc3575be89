#pragma once

#include "document/appunti.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QColor;
class QComboBox;
class QWidget;
class TFrmAdatta;
class TFrmFont;

/** What the dialog "Proprietà" shows of an object and gives back. */
struct TProprieta
{
    QString sNumero;  // the number, as typed
    int iTipo = 0;    // one of aTipi
    QList<int> aTipi; // the types the object may take: those of its class
    QString sTesto;   // the label's text, as typed; empty for none
    int iFont = 0;    // the label's size index
    int iColore = 0;  // the label's colour index
};

/** The label sizes of the font dialog, "8" to "16", each with its index (1 to 9) as its data. */
void pRiempiDimensioni(QComboBox *pCombo);
/** The label colours of the font dialog, "bianco" to "nero", each with its index as its data. */
void pRiempiColori(QComboBox *pCombo);

/** The warning the dialog "Proprietà" shows for a number and a type (empty: none). */
using TFnAvvisoNumero = std::function<QString(const QString &sNumero, int iTipo)>;
/** The warning the dialog "Incolla speciale" shows for its offsets (empty: none). */
using TFnAvvisoIncolla = std::function<QString(const TOpzioniIncolla &opzioni)>;
/** Why the dialog "Incolla speciale" refuses its offsets at OK (empty: taken); it stays open. */
using TFnRifiutoIncolla = std::function<QString(const TOpzioniIncolla &opzioni)>;

/** A field of "Proprietà" refused at OK: the message, and the object name of the field that gets the focus. */
struct TRifiutoProprieta
{
    QString sMessaggio;
    QString sCampo; // "EdtNumero", "EdtTesto"
};
/** Why the answer of "Proprietà" is refused at OK; none when it is taken. */
using TFnVerificaProprieta = std::function<std::optional<TRifiutoProprieta>(const TProprieta &prop)>;

/**
 * Every dialog the editor shows goes through this interface, so that tests
 * can answer them from a script. The window holds one implementation at a
 * time (TFrmBase::fDialogs / pSetDialogs).
 */
class TDialogs
{
public:
    virtual ~TDialogs() = default;

    /** Input box with OK and Cancel; nullopt when cancelled. */
    virtual std::optional<QString> fInputBox(const QString &sCaption, const QString &sPrompt,
                                             const QString &sDefault) = 0;
    /** Information box with OK. */
    virtual void pMessage(const QString &sText) = 0;
    /** The error box of a failed command. */
    virtual void pErrorBox(const QString &sText) = 0;
    /** Open-file dialog "Progetto Ombrix (*.omb)"; empty when cancelled. */
    virtual QString fOpenProjectFile(const QString &sStartDir) = 0;
    /** Open-picture dialog "File immagine JPEG (*.jpg)" ("JPEG Image File (*.jpg)" in English) with a preview; empty
     * when cancelled. */
    virtual QString fOpenPicture(const QString &sStartDir) = 0;
    /** Folder dialog rooted at sRoot (nothing above it can be chosen, no new-folder button); empty when cancelled. */
    virtual QString fSelectFolder(const QString &sTitle, const QString &sRoot) = 0;
    /** Shows the font dialog modally; it keeps its selection afterwards. */
    virtual void pShowFontDialog(TFrmFont &frmFont) = 0;
    /** The dialog "Proprietà" of an object, warning as fnAvviso says while the user types; false when
     *  cancelled, else prop holds the answer. An answer fnVerifica refuses shows its message and the dialog stays
     *  open, every field as typed, the focus on the refused one. */
    virtual bool fProprieta(TProprieta &prop, const TFnAvvisoNumero &fnAvviso,
                            const TFnVerificaProprieta &fnVerifica) = 0;
    /** Save-file dialog titled sCaption, proposing sStartPath, listing sFilter; empty when cancelled. */
    virtual QString fSaveFile(const QString &sCaption, const QString &sStartPath, const QString &sFilter) = 0;

    // Fitting a background; each answers as cancelled unless overridden.
    /** Open-file dialog listing every picture format that can be read and PDF; empty when cancelled. */
    virtual QString fOpenFitSource(const QString &sStartDir);
    /** The password of the protected PDF sFile; nullopt when cancelled. */
    virtual std::optional<QString> fPassword(const QString &sFile);
    /** A colour, starting from col; nullopt when cancelled. */
    virtual std::optional<QColor> fScegliColore(const QColor &col);
    /** Shows the dialog "Adatta immagine di sfondo" modally; true on OK. */
    virtual bool fAdattaSfondo(TFrmAdatta &frm);
    /** The dialog of the offsets of pasted I/O numbers, titled sTitolo ("Incolla speciale", "Duplica area"),
     *  warning as fnAvviso says before OK; offsets fnRifiuto refuses show its message and the dialog stays open.
     *  False when cancelled, else opzioni holds the answer. */
    virtual bool fIncollaSpeciale(const QString &sTitolo, TOpzioniIncolla &opzioni, const TFnAvvisoIncolla &fnAvviso,
                                  const TFnRifiutoIncolla &fnRifiuto) = 0;
    /** The dialog "Ripristina copia": one row per snapshot, only the rows of abScegli can be chosen; the chosen
     *  row, or -1 when cancelled. */
    virtual int fScegliCopia(const QStringList &asRighe, const QList<bool> &abScegli) = 0;
    /** A question with Yes and No; true for Yes. */
    virtual bool fDomanda(const QString &sCaption, const QString &sText) = 0;
    /** A question answered by one of asBottoni, the last one being the cancel; the index chosen. */
    virtual int fScelta(const QString &sCaption, const QString &sText, const QStringList &asBottoni) = 0;
    /** The about box titled sTitle, showing the rich text sText (an information box unless overridden). */
    virtual void pAbout(const QString &sTitle, const QString &sText)
    {
        Q_UNUSED(sTitle);
        pMessage(sText);
    }
};

/** The real dialogs, as Qt widgets parented to pParent. */
class TQtDialogs final : public TDialogs
{
public:
    explicit TQtDialogs(QWidget *pParent) : m_pParent(pParent) {}

    std::optional<QString> fInputBox(const QString &sCaption, const QString &sPrompt, const QString &sDefault) override;
    void pMessage(const QString &sText) override;
    void pErrorBox(const QString &sText) override;
    QString fOpenProjectFile(const QString &sStartDir) override;
    QString fOpenPicture(const QString &sStartDir) override;
    QString fSelectFolder(const QString &sTitle, const QString &sRoot) override;
    void pShowFontDialog(TFrmFont &frmFont) override;
    bool fProprieta(TProprieta &prop, const TFnAvvisoNumero &fnAvviso, const TFnVerificaProprieta &fnVerifica) override;
    QString fSaveFile(const QString &sCaption, const QString &sStartPath, const QString &sFilter) override;
    QString fOpenFitSource(const QString &sStartDir) override;
    std::optional<QString> fPassword(const QString &sFile) override;
    std::optional<QColor> fScegliColore(const QColor &col) override;
    bool fAdattaSfondo(TFrmAdatta &frm) override;
    bool fIncollaSpeciale(const QString &sTitolo, TOpzioniIncolla &opzioni, const TFnAvvisoIncolla &fnAvviso,
                          const TFnRifiutoIncolla &fnRifiuto) override;
    int fScegliCopia(const QStringList &asRighe, const QList<bool> &abScegli) override;
    bool fDomanda(const QString &sCaption, const QString &sText) override;
    int fScelta(const QString &sCaption, const QString &sText, const QStringList &asBottoni) override;
    void pAbout(const QString &sTitle, const QString &sText) override;

private:
    QWidget *m_pParent;
};
