#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;
class TFrmBase;

/**
 * Text labels of sensors: one per sensor at most, named "Testo_" + sensor id,
 * in Tahoma at the size and colour of its stored indexes, transparent around
 * the letters, dragged on its own. Its text, position, size and colour live
 * in the sensor's row; every change is written at once. Texts are trimmed and
 * hold at most 19 characters ("Massimo 19 caratteri!"); they are stored
 * exactly as typed. Failing statements throw TOmbrixError.
 */

inline constexpr int iMaxLabelText = 19;

/** Shows the label of sensor iId as given, building it when it has none; an empty text removes it.
 *  bCerca false: the caller knows the sensor has no label control yet (its controls are being built). */
void pAddLabel(TFrmBase &frm, qint64 iId, int iLeft, int iTop, int iFont, int iColor, const QString &sTesto,
               bool bCerca = true);

/** "Aggiungi testo" on a sensor icon: a new label beside the icon, with a size and colour from the font dialog. */
void MnuAggiungitestoClick(TFrmBase &frm, QWidget *pIcon);
/** "Elimina" on a label: stores the empty text and removes the label. */
void PopEliminaLabelClick(TFrmBase &frm, QWidget *pLabel);
/** "Modifica testo" on a label: a new text, same place, size and colour. */
void popModTestoClick(TFrmBase &frm, QWidget *pLabel);
/** "Dimensione/Colore" on a label: the font dialog opens at the stored indexes; the choice is stored and shown. */
void popDimensioneColoreClick(TFrmBase &frm, QWidget *pLabel);
