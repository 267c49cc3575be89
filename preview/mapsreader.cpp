#include "preview/mapsreader.h"

#include "check/verifica.h"
#include "export/cp1252.h"
#include "export/exportcodes.h"
#include "export/maplines.h"
#include "workspace/errors.h"
#include "workspace/filenormali.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr int iCampi = 25;
constexpr int iEstrattoMassimo = 32; // characters of a field quoted in a message

/** A field as a message quotes it: whole when short, else its start and its length. */
QString fEstratto(const QString &s)
{
    if (s.size() <= iEstrattoMassimo)
        return s;
    return s.left(iEstrattoMassimo) + QCoreApplication::translate("Ombrix", "… (%1 caratteri)").arg(s.size());
}

/** The lines of the file and where each one stands. */
class TLettore
{
public:
    TLettore(const QByteArray &dati, const QString &sFile, bool bSconosciuti)
        : m_sFile(sFile), m_bSconosciuti(bSconosciuti)
    {
        pDividi(dati);
    }

    [[noreturn]] void pErrore(int iRiga, const QString &sMotivo) const
    {
        throw TOmbrixError(m_sFile + QStringLiteral(": ") +
                           QCoreApplication::translate("Ombrix", "riga %1: %2").arg(iRiga).arg(sMotivo));
    }
    [[noreturn]] void pErroreFine(const QString &sMotivo) const
    {
        throw TOmbrixError(m_sFile + QStringLiteral(": ") + sMotivo);
    }

    bool fFinito() const { return m_i >= m_asRighe.size(); }
    int fNumero() const { return int(m_i) + 1; }
    const QString &fRiga() const { return m_asRighe.at(m_i); }
    /** The current line, which must be there; sAttesa says what was expected at the end of the file. */
    const QString &fAttesa(const QString &sAttesa) const
    {
        if (fFinito())
            pErroreFine(QCoreApplication::translate("Ombrix", "il file finisce prima di %1").arg(sAttesa));
        return fRiga();
    }
    void pAvanti() { ++m_i; }
    /** Records of an unknown code are kept rather than refused. */
    bool fSconosciuti() const { return m_bSconosciuti; }
    /** The current line must be sRiga exactly. */
    void pUguale(const QString &sRiga, const QString &sNome)
    {
        if (fAttesa(sNome) != sRiga)
            pErrore(fNumero(), QCoreApplication::translate("Ombrix", "attesa %1").arg(sNome));
        pAvanti();
    }

private:
    void pDividi(const QByteArray &dati)
    {
        qsizetype iInizio = 0;
        while (iInizio < dati.size()) {
            const qsizetype iLf = dati.indexOf('\n', iInizio);
            const int iRiga = int(m_asRighe.size()) + 1;
            QByteArray riga = dati.mid(iInizio, iLf < 0 ? -1 : iLf - iInizio);
            if (iLf < 0 || !riga.endsWith('\r'))
                pErrore(iRiga, QCoreApplication::translate("Ombrix", "la riga non finisce con CR LF"));
            riga.chop(1);
            if (riga.contains('\r'))
                pErrore(iRiga, QCoreApplication::translate("Ombrix", "CR senza LF dentro la riga"));
            m_asRighe.append(fFromCp1252(riga));
            iInizio = iLf + 1;
        }
    }

    QString m_sFile;
    bool m_bSconosciuti = false;
    QStringList m_asRighe;
    qsizetype m_i = 0;
};

/** The fields of a record: 24 commas, the last field (the label) takes the rest of the line. */
QStringList fCampi(const TLettore &l, const QString &sRiga)
{
    QStringList asCampi;
    qsizetype iPos = 0;
    while (asCampi.size() < iCampi - 1) {
        const qsizetype iVirgola = sRiga.indexOf(QLatin1Char(','), iPos);
        if (iVirgola < 0)
            break;
        asCampi.append(sRiga.mid(iPos, iVirgola - iPos));
        iPos = iVirgola + 1;
    }
    asCampi.append(sRiga.mid(iPos));
    if (asCampi.size() != iCampi)
        l.pErrore(l.fNumero(),
                  QCoreApplication::translate("Ombrix", "%1 campi invece di %2").arg(asCampi.size()).arg(iCampi));
    return asCampi;
}

/** Reads the fields of one record against the grid. */
class TCampi
{
public:
    TCampi(const TLettore &l, const QString &sRiga) : m_l(l), m_asCampi(fCampi(l, sRiga)) {}

    const QString &fTesto(int iColonna) const { return m_asCampi.at(iColonna - 1); }

    [[noreturn]] void pNonValido(int iColonna, const QString &sAtteso) const
    {
        m_l.pErrore(m_l.fNumero(), QCoreApplication::translate("Ombrix", "campo %1 \"%2\" non valido: atteso %3")
                                       .arg(iColonna)
                                       .arg(fEstratto(fTesto(iColonna)), sAtteso));
    }
    /** A number written with at least iCifre digits, as the export writes it. */
    qint64 fNumero(int iColonna, int iCifre) const
    {
        bool bOk = false;
        const qint64 v = fTesto(iColonna).toLongLong(&bOk);
        if (!bOk || AddLeadingZeroes(v, iCifre) != fTesto(iColonna))
            pNonValido(iColonna, QCoreApplication::translate("Ombrix", "un numero di %1 cifre").arg(iCifre));
        return v;
    }
    /** A column of dashes only, iLarghezza wide. */
    void pVuoto(int iColonna, int iLarghezza) const
    {
        const QString sVuoto = fCreaStringa(QStringLiteral("-"), iLarghezza);
        if (fTesto(iColonna) != sVuoto)
            pNonValido(iColonna, QStringLiteral("\"") + sVuoto + QStringLiteral("\""));
    }
    /** A number above 0, or "---" for 0. */
    qint64 fFacoltativo(int iColonna, int iCifre) const
    {
        if (fTesto(iColonna) == fCreaStringa(QStringLiteral("-"), iCifre))
            return 0;
        const qint64 v = fNumero(iColonna, iCifre);
        if (v <= 0)
            pNonValido(iColonna, QCoreApplication::translate("Ombrix", "un numero sopra 0 o \"---\""));
        return v;
    }
    /** A pair of columns written together: both numbers above 0, or both "---". */
    void pCoppia(int iColonna, qint64 &a, qint64 &b) const
    {
        a = fFacoltativo(iColonna, 3);
        b = fFacoltativo(iColonna + 1, 3);
        if ((a == 0) != (b == 0))
            pNonValido(a == 0 ? iColonna : iColonna + 1,
                       QCoreApplication::translate("Ombrix", "\"---\" in entrambe le colonne della coppia"));
    }
    /** The label field: 24 x "?" for none, else the text, "|" and spaces up to 24 characters. */
    QString fEtichetta() const
    {
        const QString &s = fTesto(iCampi);
        if (s == fCreaTbd())
            return QString();
        const qsizetype iBarra = s.lastIndexOf(QLatin1Char('|'));
        const QString sTesto = iBarra > 0 ? s.left(iBarra) : QString();
        const QString sCampo =
            sTesto + QStringLiteral("|") + fCreaStringa(QStringLiteral(" "), 23 - int(sTesto.size()));
        if (sTesto.isEmpty() || sTesto.size() > iTestoMassimo || s != sCampo)
            pNonValido(iCampi, QCoreApplication::translate("Ombrix", "il testo di al massimo %1 caratteri seguito da "
                                                                     "\"|\" e spazi fino a 24 caratteri, o 24 \"?\"")
                                   .arg(iTestoMassimo));
        return sTesto;
    }

private:
    const TLettore &m_l;
    QStringList m_asCampi;
};

const QStringList asTasti = {QStringLiteral("Tpre"), QStringLiteral("Tesc"), QStringLiteral("Tsup"),
                             QStringLiteral("Tnex")};

enum class TSezione { Tasti, Ingressi, Uscite };

/** Four letters that are neither a key, nor the image record, nor a type of the catalogue. */
bool fCodiceSconosciuto(const QString &sTipo)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z]{4}$"));
    return fTipoDaCodice(sTipo) == 0 && !asTasti.contains(sTipo) && sTipo != QStringLiteral("Iimg") &&
           re.match(sTipo).hasMatch();
}

/** The object record on the current line, its code allowed in the section. */
TRecordMappa fRecord(const TLettore &l, TSezione eSezione)
{
    const QString &sRiga = l.fRiga();
    const TCampi c(l, sRiga);
    TRecordMappa r;
    r.iRiga = l.fNumero();
    r.sTipo = c.fTesto(1);
    const int iTipo = fTipoDaCodice(r.sTipo);
    bool bAmmesso = false;
    switch (eSezione) {
    case TSezione::Tasti:
        bAmmesso = asTasti.contains(r.sTipo) || iTipo == 3;
        break;
    case TSezione::Ingressi:
        bAmmesso = iTipo == 1 || iTipo == 2 || iTipo == 4 || iTipo == 5;
        break;
    case TSezione::Uscite:
        bAmmesso = iTipo >= 6 && iTipo <= 10;
        break;
    }
    if (!bAmmesso && !(l.fSconosciuti() && fCodiceSconosciuto(r.sTipo)))
        l.pErrore(
            l.fNumero(),
            QCoreApplication::translate("Ombrix", "tipo \"%1\" inatteso in questa sezione").arg(fEstratto(r.sTipo)));
    r.iLink = c.fFacoltativo(2, 3);
    c.pVuoto(3, 16);
    r.iId = c.fNumero(4, 2);
    r.iX = c.fNumero(5, 3);
    r.iY = c.fNumero(6, 3);
    c.pCoppia(7, r.iX2, r.iY2);
    r.iIconSize = c.fNumero(9, 2);
    for (const int iColonna : {10, 12, 13, 14, 15, 17, 24})
        c.pVuoto(iColonna, 3);
    for (const int iColonna : {11, 16, 18, 23})
        c.pVuoto(iColonna, 2);
    c.pCoppia(19, r.iXt, r.iYt);
    c.pCoppia(21, r.iFont, r.iColor);
    r.sTesto = c.fEtichetta();
    // what the fields say must be the record the export writes for them
    if (fCreaTxtIO(r.sTipo, r.iId, r.iLink, r.iIconSize, r.iX, r.iY, r.iX2, r.iY2, r.iXt, r.iYt, r.iFont, r.iColor,
                   r.sTesto) != sRiga)
        l.pErrore(l.fNumero(),
                  QCoreApplication::translate("Ombrix", "record diverso da quello che l'esportazione scrive"));
    return r;
}

/** The area's name and level from its title line, "Livello N *********** name" centred between stars. */
void pTitolo(const TLettore &l, TAreaMappa &a)
{
    const QString &sRiga = l.fAttesa(QCoreApplication::translate("Ombrix", "il titolo di un'area"));
    qsizetype k = 0;
    while (k < sRiga.size() && sRiga.at(k) == QLatin1Char('*'))
        ++k;
    static const QRegularExpression re(QStringLiteral("^Livello (-?[0-9]+) \\*{11} (.*)$"));
    for (const int iScarto : {0, 1, -1}) {
        const qsizetype n = sRiga.size() - 2 * k - 2 - iScarto;
        if (n < 0)
            continue;
        const QString sTesto = sRiga.mid(k + 1, n);
        const QRegularExpressionMatch m = re.match(sTesto);
        if (m.hasMatch() && fCreacommento(2, sTesto) == sRiga) {
            bool bOk = false;
            a.iLivello = m.captured(1).toLongLong(&bOk);
            if (bOk) {
                a.sNome = m.captured(2);
                a.iRiga = l.fNumero();
                return;
            }
        }
    }
    l.pErrore(l.fNumero(),
              QCoreApplication::translate("Ombrix", "atteso il titolo \"Livello N *********** nome\" fra asterischi"));
}

/** The image record on the current line. */
void pImmagine(const TLettore &l, TAreaMappa &a)
{
    const QString &sRiga = l.fAttesa(QCoreApplication::translate("Ombrix", "il record dell'immagine"));
    const TCampi c(l, sRiga);
    if (c.fTesto(1) != QStringLiteral("Iimg"))
        c.pNonValido(1, QStringLiteral("\"Iimg\""));
    a.iId = c.fNumero(4, 2);
    if (sRiga != fCreaTxtImg(a.iId))
        l.pErrore(
            l.fNumero(),
            QCoreApplication::translate("Ombrix", "record dell'immagine diverso da quello dell'area %1").arg(a.iId));
    a.sBitmap = QStringLiteral("file") + AddLeadingZeroes(a.iId, 4) + QStringLiteral(".bmp");
}

/** One block, from its first star line to its end-of-block line. */
TAreaMappa fBlocco(TLettore &l)
{
    TAreaMappa a;
    l.pUguale(fCreacommento(2), QCoreApplication::translate("Ombrix", "la riga di asterischi"));
    pTitolo(l, a);
    l.pAvanti();
    l.pUguale(fCreacommento(2), QCoreApplication::translate("Ombrix", "la riga di asterischi"));
    l.pUguale(fCreaNomeCampi(), QCoreApplication::translate("Ombrix", "la riga dei nomi dei campi"));
    pImmagine(l, a);
    l.pAvanti();
    l.pUguale(fCreacommento(3, QStringLiteral("TASTI")), QStringLiteral("\"TASTI\""));
    const QString sSensori = fCreacommento(3, QStringLiteral("SENSORI"));
    const QString sUscite = fCreacommento(3, QStringLiteral("USCITE"));
    const QString sFine = fCreaEndBlock();
    TSezione eSezione = TSezione::Tasti;
    for (;;) {
        const QString &sRiga = l.fAttesa(QStringLiteral("\"end of block\""));
        if (sRiga == sFine)
            break;
        if (sRiga == sSensori && eSezione == TSezione::Tasti) {
            eSezione = TSezione::Ingressi;
        } else if (sRiga == sUscite && eSezione != TSezione::Uscite) {
            eSezione = TSezione::Uscite;
        } else {
            const TRecordMappa r = fRecord(l, eSezione);
            if (fCodiceSconosciuto(r.sTipo))
                a.aSconosciuti.append(r);
            else if (eSezione == TSezione::Ingressi)
                a.aIngressi.append(r);
            else if (eSezione == TSezione::Uscite)
                a.aUscite.append(r);
            else if (r.sTipo == QStringLiteral("Tinf"))
                a.aZoom.append(r);
            else if (!a.aZoom.isEmpty())
                l.pErrore(l.fNumero(), QCoreApplication::translate("Ombrix", "tasto dopo i marcatori di zoom"));
            else
                a.aTasti.append(r);
        }
        l.pAvanti();
    }
    l.pAvanti();
    return a;
}

} // namespace

const TAreaMappa *TMappa::fArea(qint64 iId) const
{
    for (const TAreaMappa &a : aAree)
        if (a.iId == iId)
            return &a;
    return nullptr;
}

qint64 TMappa::fHome() const
{
    return aAree.isEmpty() ? 0 : aAree.constFirst().iId;
}

int fTipoDaCodice(const QString &sTipo)
{
    for (int iTipo = 1; iTipo <= 10; ++iTipo)
        if (fGetTipoTxt(iTipo) == sTipo)
            return iTipo;
    return 0;
}

TMappa fLeggiMappa(const QByteArray &dati, const QString &sFile, bool bSconosciuti)
{
    TLettore l(dati, sFile, bSconosciuti);
    const QStringList asRighello = fCreaTestata().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString &s : asRighello)
        l.pUguale(s, QCoreApplication::translate("Ombrix", "il righello delle colonne"));
    l.pUguale(fCreaNomeCampi(), QCoreApplication::translate("Ombrix", "la riga dei nomi dei campi"));
    l.pUguale(fCreacommento(3), QCoreApplication::translate("Ombrix", "la riga vuota"));
    l.pUguale(fCreacommento(3), QCoreApplication::translate("Ombrix", "la riga vuota"));
    TMappa m;
    const QString sEnd = fCreaEnd();
    for (;;) {
        if (l.fAttesa(QStringLiteral("\"END OF FILE\"")) == sEnd)
            break;
        m.aAree.append(fBlocco(l));
    }
    l.pAvanti();
    if (!l.fFinito())
        l.pErrore(l.fNumero(), QCoreApplication::translate("Ombrix", "righe dopo \"END OF FILE\""));
    return m;
}

TMappa fLeggiMappaFile(const QString &sPath, bool bSconosciuti)
{
    return fLeggiMappa(fLeggiFileNormale(sPath, iMappaMassima), sPath, bSconosciuti);
}
