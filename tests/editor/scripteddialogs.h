#pragma once

#include "editor/dialogs.h"

#include <QColor>

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

/**
 * The dialogs of the editor answered from a script. Each kind of dialog
 * takes its answers from its own queue, in order; an empty queue answers as
 * a cancelled dialog. Everything shown is recorded.
 */
class TScriptedDialogs final : public TDialogs
{
public:
    // answers
    QList<std::optional<QString>> aInputAnswers; // nullopt = Cancel
    QStringList asProjectFiles;
    QStringList asPictures;
    QStringList asFolders;
    QStringList asSaveFiles;
    std::function<void(TFrmFont &)> pOnFontDialog;  // stands in for the user's choice
    std::function<bool(TProprieta &)> pOnProprieta; // edits the answer; false = Cancel; none = Cancel
    QStringList asFitSources;
    QList<std::optional<QString>> aPasswords;          // nullopt = Cancel
    QList<std::optional<QColor>> aColori;              // nullopt = Cancel
    std::function<bool(TFrmAdatta &)> pOnAdatta;       // works the real dialog; false = Cancel; none = Cancel
    std::function<bool(TOpzioniIncolla &)> pOnIncolla; // the offsets dialog, likewise
    QList<int> aiCopieScelte;                          // rows of "Ripristina copia"; none = Cancel
    QList<bool> abRisposte;                            // answers to questions; none = No
    QList<int> aiScelte;                               // buttons chosen in questions of several; none = the last

    // what was shown
    QStringList asInputCaptions, asInputPrompts, asInputDefaults;
    QStringList asMessages;
    QStringList asErrors;
    QStringList asFolderTitles, asFolderRoots;
    QStringList asProjectStartDirs, asPictureStartDirs;
    QStringList asSaveCaptions, asSaveStartPaths, asSaveFilters;
    QStringList asAboutTitles, asAboutTexts;
    int iFontDialogs = 0;
    QList<TProprieta> aProprietaMostrate; // what each "Proprietà" opened with
    QStringList asFitStartDirs, asPasswordFiles;
    int iAdattaMostrati = 0;
    QStringList asAvvisi;                         // the warning each one showed at OK
    QStringList asIncollaTitoli, asIncollaAvvisi; // each offsets dialog's title and its warning at OK
    QList<QStringList> aCopieMostrate;            // the rows each "Ripristina copia" listed
    QList<QList<bool>> aCopieScegliibili;         // which of them could be chosen
    QStringList asDomande;                        // the text of each question
    QStringList asScelte;                         // the text of each question of several buttons
    QList<QStringList> aBottoniScelte;            // and its buttons
    QStringList asCampiRifiutati;                 // the field each refused "Proprietà" put the focus on

    std::optional<QString> fInputBox(const QString &sCaption, const QString &sPrompt, const QString &sDefault) override
    {
        asInputCaptions << sCaption;
        asInputPrompts << sPrompt;
        asInputDefaults << sDefault;
        if (aInputAnswers.isEmpty())
            return std::nullopt;
        return aInputAnswers.takeFirst();
    }
    void pMessage(const QString &sText) override { asMessages << sText; }
    void pErrorBox(const QString &sText) override { asErrors << sText; }
    QString fOpenProjectFile(const QString &sStartDir) override
    {
        asProjectStartDirs << sStartDir;
        return asProjectFiles.isEmpty() ? QString() : asProjectFiles.takeFirst();
    }
    QString fOpenPicture(const QString &sStartDir) override
    {
        asPictureStartDirs << sStartDir;
        return asPictures.isEmpty() ? QString() : asPictures.takeFirst();
    }
    QString fSelectFolder(const QString &sTitle, const QString &sRoot) override
    {
        asFolderTitles << sTitle;
        asFolderRoots << sRoot;
        return asFolders.isEmpty() ? QString() : asFolders.takeFirst();
    }
    QString fSaveFile(const QString &sCaption, const QString &sStartPath, const QString &sFilter) override
    {
        asSaveCaptions << sCaption;
        asSaveStartPaths << sStartPath;
        asSaveFilters << sFilter;
        return asSaveFiles.isEmpty() ? QString() : asSaveFiles.takeFirst();
    }
    void pAbout(const QString &sTitle, const QString &sText) override
    {
        asAboutTitles << sTitle;
        asAboutTexts << sText;
    }
    void pShowFontDialog(TFrmFont &frmFont) override
    {
        ++iFontDialogs;
        if (pOnFontDialog)
            pOnFontDialog(frmFont);
    }
    int fScegliCopia(const QStringList &asRighe, const QList<bool> &abScegli) override
    {
        aCopieMostrate << asRighe;
        aCopieScegliibili << abScegli;
        return aiCopieScelte.isEmpty() ? -1 : aiCopieScelte.takeFirst();
    }
    bool fDomanda(const QString &, const QString &sText) override
    {
        asDomande << sText;
        return !abRisposte.isEmpty() && abRisposte.takeFirst();
    }
    int fScelta(const QString &, const QString &sText, const QStringList &asBottoni) override
    {
        asScelte << sText;
        aBottoniScelte << asBottoni;
        return aiScelte.isEmpty() ? int(asBottoni.size()) - 1 : aiScelte.takeFirst();
    }
    /** As the real dialog: a refused answer shows its message and the same dialog goes on, holding what was typed. */
    bool fProprieta(TProprieta &prop, const TFnAvvisoNumero &fnAvviso, const TFnVerificaProprieta &fnVerifica) override
    {
        for (int iVolte = 0; iVolte < 20; ++iVolte) { // a script that never changes its answer gives up
            aProprietaMostrate << prop;
            const bool bOk = pOnProprieta && pOnProprieta(prop);
            asAvvisi << fnAvviso(prop.sNumero, prop.iTipo);
            if (!bOk)
                return false;
            const std::optional<TRifiutoProprieta> rifiuto = fnVerifica(prop);
            if (!rifiuto)
                return true;
            asMessages << rifiuto->sMessaggio;
            asCampiRifiutati << rifiuto->sCampo;
        }
        return false;
    }
    QString fOpenFitSource(const QString &sStartDir) override
    {
        asFitStartDirs << sStartDir;
        return asFitSources.isEmpty() ? QString() : asFitSources.takeFirst();
    }
    std::optional<QString> fPassword(const QString &sFile) override
    {
        asPasswordFiles << sFile;
        return aPasswords.isEmpty() ? std::nullopt : aPasswords.takeFirst();
    }
    std::optional<QColor> fScegliColore(const QColor &) override
    {
        return aColori.isEmpty() ? std::nullopt : aColori.takeFirst();
    }
    bool fAdattaSfondo(TFrmAdatta &frm) override
    {
        ++iAdattaMostrati;
        return pOnAdatta && pOnAdatta(frm);
    }
    bool fIncollaSpeciale(const QString &sTitolo, TOpzioniIncolla &opzioni, const TFnAvvisoIncolla &fnAvviso,
                          const TFnRifiutoIncolla &fnRifiuto) override
    {
        for (int iVolte = 0; iVolte < 20; ++iVolte) { // a script that never changes its answer gives up
            asIncollaTitoli << sTitolo;
            const bool bOk = pOnIncolla && pOnIncolla(opzioni);
            asIncollaAvvisi << fnAvviso(opzioni);
            if (!bOk)
                return false;
            const QString sRifiuto = fnRifiuto(opzioni);
            if (sRifiuto.isEmpty())
                return true;
            asMessages << sRifiuto; // the dialog stays open
        }
        return false;
    }
};
