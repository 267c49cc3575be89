#pragma once

#include "editor/editorcontext.h"

#include <QPoint>
#include <QString>
#include <QtGlobal>

#include <optional>

class QWidget;
class TDialogs;
class TFrmFont;
class TProjectDocument;
class TSensore;

inline constexpr int iMaxLabelText = 19;

/**
 * The commands on text labels: one per sensor at most, in Tahoma at the size
 * and colour of its stored indexes. Its text, position, size and colour live
 * in the sensor's row, and every change is one step of the document. Texts
 * are trimmed and hold at most 19 characters ("Massimo 19 caratteri!"); they
 * are stored exactly as typed. The font dialog is made once and keeps its
 * selection from one use to the next.
 */
class TComandiTesti
{
public:
    /** pParent is the font dialog's parent when it has to be made here. */
    TComandiTesti(const TContesto &ctx, QWidget *pParent) : m_ctx(ctx), m_pParent(pParent) {}

    /** The font dialog made by the program entry (not owned); null makes one when first needed. */
    void pSetFontDialog(TFrmFont *pFrmFont) { m_pFrmFont = pFrmFont; }

    /** "Aggiungi testo" on object iId's icon: a new label beside the icon, size and colour from the font dialog. */
    void pAggiungi(qint64 iId);
    /** "Elimina" on a label: stores the empty text; the label goes. */
    void pElimina(qint64 iId);
    /** "Modifica testo": a new text, same place, size and colour. */
    void pModifica(qint64 iId);
    /** "Dimensione/Colore": the font dialog opens at the stored indexes; the choice is stored. */
    void pDimensioneColore(qint64 iId);

private:
    TFrmFont &fFontDialog();

    TContesto m_ctx;
    QWidget *m_pParent;
    TFrmFont *m_pFrmFont = nullptr;
};

/** Where a new label of sTesto in size iFont goes beside object s's icon on the shown area: the first of right,
 *  left, below and above where it covers no other object's icon and lies wholly inside the page; to the right when
 *  none is free. To the right, it is centred on the icon by a rough estimate of the text's height. */
QPoint fPosizioneNuovaEtichetta(const TProjectDocument &doc, const TSensore &s, int iFont, const QString &sTesto);

/** Asks for a label text with sDefault; nullopt when the command ends (an empty answer or Cancel). A text with a
 *  control character or too long is refused with its message and asked again, the box holding what was typed. */
std::optional<QString> fChiediTesto(TDialogs &dialogs, const QString &sDefault);
