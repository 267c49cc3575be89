#include "editor/itemkeys.h"

#include "model/catalogo.h"
#include "model/labelfont.h"
#include "model/sensore.h"
#include "preview/disegno.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QStringList>

bool fHaParte(const TSensore &s, TParte eParte)
{
    switch (eParte) {
    case TParte::Icona:
        return true;
    case TParte::SecondoCapo:
        return s.Get_tiposensore() == 4;
    case TParte::Testo:
        return !s.Get_testo().isEmpty();
    }
    return false;
}

QList<TChiave> fChiaviDi(const TSensore &s)
{
    QList<TChiave> a;
    for (TParte eParte : {TParte::SecondoCapo, TParte::Testo, TParte::Icona})
        if (fHaParte(s, eParte))
            a << TChiave{s.Get_id(), eParte};
    return a;
}

QRect fRettangoloPannello(const TSensore &s, TParte eParte)
{
    switch (eParte) {
    case TParte::Icona:
        return QRect(s.Get_coordx(), s.Get_coordy(), s.Get_iconsize(), s.Get_iconsize());
    case TParte::SecondoCapo:
        return QRect(s.Get_coordx2(), s.Get_coordy2(), iGlobB2Size, iGlobB2Size);
    case TParte::Testo:
        return QRect(QPoint(s.Get_coordxt(), s.Get_coordyt()),
                     fDimensioneEtichetta(s.Get_testo(), fLabelFont(s.Get_fonttxt())));
    }
    return QRect();
}

QPoint fPosizioneMaps(const TSensore &s, TParte eParte, const QPoint &topLeft)
{
    switch (eParte) {
    case TParte::Icona:
        return topLeft + QPoint(s.Get_iconsize() / 2, s.Get_iconsize() / 2);
    case TParte::SecondoCapo: {
        const int iOffset = topLeft.x() > 0 ? iGlobB2Size / 2 : 0;
        return topLeft + QPoint(iOffset, iOffset);
    }
    case TParte::Testo:
        break;
    }
    return topLeft;
}

QString fNomeControllo(const TSensore &s, TParte eParte)
{
    if (eParte == TParte::Testo)
        return QStringLiteral("Testo_") + QString::number(s.Get_id());
    const QString sIcona =
        fNomeSensore(s.Get_tiposensore(), s.Get_area_zoom(), s.Get_id(), QString::number(s.Get_numsensore()));
    return eParte == TParte::SecondoCapo ? sIcona + QStringLiteral("_") : sIcona;
}

QString fSuggerimento(const TSensore &s, TParte eParte)
{
    const QString sNome = fNomeControllo(s, eParte);
    if (eParte != TParte::Icona)
        return sNome;
    const QStringList asParti = sNome.split(QLatin1Char('_'));
    return asParti.value(0) + QStringLiteral(" ") + asParti.value(2) + QStringLiteral(": ") + asParti.value(3);
}

QString fNomeAccessibile(const TSensore &s, TParte eParte)
{
    if (eParte == TParte::Testo)
        return s.Get_testo();
    const int iTipo = s.Get_tiposensore();
    const QString sOggetto = iTipo == 3 ? QCoreApplication::translate("Ombrix", "Zoom, area %1").arg(s.Get_area_zoom())
                                        : fNomeTipo(iTipo) + QLatin1Char(' ') + QString::number(s.Get_numsensore());
    if (eParte == TParte::SecondoCapo)
        return QCoreApplication::translate("Ombrix", "%1, seconda estremità").arg(sOggetto);
    return sOggetto;
}

QString fNomeTipo(int iTipo)
{
    const QString sNome = fNomeTipoOggetto(iTipo);
    return sNome.isEmpty() ? QCoreApplication::translate("Ombrix", "Sensore") : sNome;
}
