#pragma once

// Message tests in every language the program speaks. A data function makes
// its rows once per language, the first column "lingua" naming it, and picks
// each expected text from its Italian and English forms; the test body
// speaks the row's language while it runs:
//
//   pColonnaLingua();
//   QTest::addColumn<QString>("sErrore");
//   for (const QString &sLingua : fLingue())
//       fRiga("label", sLingua) << fIn(sLingua, "carattere di controllo", "control character");
//   ...
//   QFETCH(QString, lingua);
//   const TLinguaDiProva parla(lingua);

#include "workspace/lingua.h"

#include <QStringList>
#include <QTest>

inline QStringList fLingue()
{
    return {QStringLiteral("it"), QStringLiteral("en")};
}

inline void pColonnaLingua()
{
    QTest::addColumn<QString>("lingua");
}

/** The row szNome in sLingua, its language already in the first column. */
inline QTestData &fRiga(const char *szNome, const QString &sLingua)
{
    return QTest::addRow("%s (%s)", szNome, qPrintable(sLingua)) << sLingua;
}

/** The Italian or the English form, as sLingua asks. */
inline QString fIn(const QString &sLingua, const QString &sItaliano, const QString &sInglese)
{
    return sLingua == QLatin1String("en") ? sInglese : sItaliano;
}

/** The program speaks sLingua while this lives, Italian again after. */
class TLinguaDiProva
{
public:
    explicit TLinguaDiProva(const QString &sLingua) { QVERIFY(fInstallaLingua(sLingua)); }
    ~TLinguaDiProva() { fInstallaLingua(QStringLiteral("it")); }
    TLinguaDiProva(const TLinguaDiProva &) = delete;
    TLinguaDiProva &operator=(const TLinguaDiProva &) = delete;
};
