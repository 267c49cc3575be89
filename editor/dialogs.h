#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QWidget;
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

/** The warning the dialog "Proprietà" shows for a number and a type (empty: none). */
using TFnAvvisoNumero = std::function<QString(const QString &sNumero, int iTipo)>;

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
    /** Open-picture dialog "JPEG Image File (*.jpg)" with a preview; empty when cancelled. */
    virtual QString fOpenPicture(const QString &sStartDir) = 0;
    /** Folder dialog rooted at sRoot (nothing above it can be chosen, no new-folder button); empty when cancelled. */
    virtual QString fSelectFolder(const QString &sTitle, const QString &sRoot) = 0;
    /** Shows the font dialog modally; it keeps its selection afterwards. */
    virtual void pShowFontDialog(TFrmFont &frmFont) = 0;
    /** The dialog "Proprietà" of an object, warning as fnAvviso says while the user types; false when
     *  cancelled, else prop holds the answer. */
    virtual bool fProprieta(TProprieta &prop, const TFnAvvisoNumero &fnAvviso) = 0;
    /** Save-file dialog titled sCaption, proposing sStartPath, listing sFilter; empty when cancelled. */
    virtual QString fSaveFile(const QString &sCaption, const QString &sStartPath, const QString &sFilter) = 0;
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
    bool fProprieta(TProprieta &prop, const TFnAvvisoNumero &fnAvviso) override;
    QString fSaveFile(const QString &sCaption, const QString &sStartPath, const QString &sFilter) override;
    void pAbout(const QString &sTitle, const QString &sText) override;

private:
    QWidget *m_pParent;
};
