#pragma once

#include "model/sensore.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QMimeData;

/**
 * Objects on their way through the clipboard: every field that recreates
 * them (type, icon size, number, icon and second-end positions, zoom target,
 * label text, size, colour and position), with the project and the area
 * they were copied from. The private MIME type carries them whole as JSON;
 * the plain text holds one object per line (type, number, label) for a mail
 * or a spreadsheet. Reading gives nullopt for anything that is not such data;
 * an object of such data that cannot be read whole (a type, an icon size or
 * a number that is not one, a size or colour that is not an integer) is not
 * dropped but named in asDifetti, so that the paste refuses the whole.
 */
struct TAppunti
{
    QString sDatabase; // the project the objects come from
    qint64 iArea = 0;  // the area they lie on there
    QList<TSensore> aOggetti;
    QStringList asDifetti; // the objects that could not be read, each with the reason
};

/** The private MIME type of copied objects. */
inline const QString sMimeOggetti = QStringLiteral("application/x-ombrix-oggetti");

/** Both forms of the objects, for the clipboard. */
QMimeData *fMimeDaAppunti(const TAppunti &appunti);
/** The objects of a clipboard's data; nullopt when it holds none. */
std::optional<TAppunti> fAppuntiDaMime(const QMimeData *pMime);
/** The plain-text form: type, number and label, tab-separated, one object per line. */
QString fTestoAppunti(const TAppunti &appunti);

/** What "Incolla speciale" and "Duplica area…" ask for: offsets of the I/O numbers, and renumbered labels. */
struct TOpzioniIncolla
{
    qint64 iOffsetIngressi = 0;
    qint64 iOffsetUscite = 0;
    bool bAggiornaTesti = false;
    bool bEtichetteUnite = false; // a label keeps its offset from its icon, the pair kept inside together
};

/** Why these objects, pasted with these options, may not be stored, as typed input would not be: an object that
 *  could not be read, a label with a control character or longer than 19 characters, an input or output number
 *  outside the panel's range, a label size or colour outside the catalogue. The first fault found, naming its
 *  object; empty when the paste is sound. Zoom markers, which are never pasted, are not looked at. */
QString fDifettoIncolla(const TAppunti &appunti, const TOpzioniIncolla &opzioni);

/** Why these offsets are refused in their dialog: the first input or output whose number they would take outside
 *  the panel's range, named with the number it would get; empty when every number stays in it. */
QString fRifiutoNumeriIncollati(const QList<TSensore> &aOggetti, const TOpzioniIncolla &opzioni);

/** The number an object gets when pasted with these options: inputs and outputs move by their offset. */
qint64 fNumeroIncollato(const TSensore &s, const TOpzioniIncolla &opzioni);
/** A label ending in the old number ends in the new one: "Finestra 3" becomes "Finestra 4"; a text that would
 *  grow past the label limit stays as it is. */
QString fTestoRinumerato(const QString &sTesto, qint64 iVecchio, qint64 iNuovo);
/** The size of a label's text on the canvas, in its font. */
QSize fDimensioneTesto(int iFont, const QString &sTesto);
/** The top-left corner that keeps something of that size wholly inside the 480 x 272 canvas. */
QPoint fDentroCanvas(const QPoint &pos, const QSize &size);
/** How far an icon at icona and its label at testo go for shift when they go together: as far as keeps the pair
 *  wholly inside the canvas, their offset kept. */
QPoint fSpostamentoCoppia(const QRect &icona, const QRect &testo, const QPoint &shift);
