#pragma once

#include <QHashFunctions>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QtGlobal>

class TSensore;

/**
 * What the canvas shows of one object: its icon, its barrier's second end
 * and its label are three items, each known by the object's id and its part
 * (never by a control's name). The values are those of TElemento::iElemento
 * and of the store's mark (0 icon, 1 second end).
 */
enum class TParte : int { Icona = 0, SecondoCapo = 1, Testo = 2 };

/** One item of the shown area: an object's id and its part. */
struct TChiave
{
    qint64 iId = 0;
    TParte eParte = TParte::Icona;
    bool operator==(const TChiave &) const = default;
};

inline size_t qHash(const TChiave &chiave, size_t seed = 0)
{
    return qHashMulti(seed, chiave.iId, int(chiave.eParte));
}

/** Whether object s shows that part: every object its icon, a barrier its second end, a labelled one its label. */
bool fHaParte(const TSensore &s, TParte eParte);
/** The items object s shows, in the order they are stacked (second end, label, icon on top). */
QList<TChiave> fChiaviDi(const TSensore &s);

/** Where an item lies on the page, in panel pixels, as the document holds it: an icon its square, a second end
 *  its 7 x 7 marker, a label its text's extent in its font. */
QRect fRettangoloPannello(const TSensore &s, TParte eParte);

/** Where maps.txt puts object s's item whose top-left corner is at topLeft: an icon by its centre, a second end
 *  by its centre (by its corner while its left is 0, as the export writes it), a label by its corner. */
QPoint fPosizioneMaps(const TSensore &s, TParte eParte, const QPoint &topLeft);

/** The control name of an item, as the naming scheme gives it (Radar_12_ingresso_5, Barriera_9_ingresso_3_,
 *  Testo_12). */
QString fNomeControllo(const TSensore &s, TParte eParte);
/** The hint of an item: an icon's name fields 0, 2 and 3 ("Radar ingresso: 5"), any other item its own name. */
QString fSuggerimento(const TSensore &s, TParte eParte);
/** What a screen reader says for an item: the type and number, "seconda estremità" for a second end, a label's text. */
QString fNomeAccessibile(const TSensore &s, TParte eParte);

/** The name of a type as the status bar and the dialogs show it ("Contatto"). */
QString fNomeTipo(int iTipo);
