#include "backup/impronta.h"

#include <QUrl>

namespace {

const QByteArray abIntestazione = QByteArrayLiteral("ombrix-impronta 1");

QByteArray fNumeri(const TStatFile &st)
{
    return QByteArray::number(st.iDimensione) + ' ' + QByteArray::number(st.iModifica) + ' ' +
           QByteArray::number(st.iCambiamento) + ' ' + QByteArray::number(st.iInode);
}

bool fNumero(const QByteArray &ab, qint64 &i)
{
    bool bOk = false;
    i = ab.toLongLong(&bOk);
    return bOk && i >= 0;
}

bool fStatDa(const QList<QByteArray> &aCampi, qsizetype iDa, TStatFile &st)
{
    qint64 iInode = 0;
    if (aCampi.size() < iDa + 4 || !fNumero(aCampi.at(iDa), st.iDimensione) ||
        !fNumero(aCampi.at(iDa + 1), st.iModifica) || !fNumero(aCampi.at(iDa + 2), st.iCambiamento) ||
        !fNumero(aCampi.at(iDa + 3), iInode))
        return false;
    st.iInode = quint64(iInode);
    return true;
}

/** A name of one entry of a folder: no separator, not hidden. */
bool fNomeSemplice(const QString &s)
{
    return !s.isEmpty() && !s.startsWith(QLatin1Char('.')) && !s.contains(QLatin1Char('/')) && !s.contains(QChar(0));
}

QByteArray fCodifica(const QString &s)
{
    return QUrl::toPercentEncoding(s);
}

} // namespace

TStatFile TStatFile::fDa(const struct stat &st)
{
    TStatFile f;
    f.iDimensione = qint64(st.st_size);
    f.iModifica = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    f.iCambiamento = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    f.iInode = quint64(st.st_ino);
    return f;
}

bool fNomeHash(const QString &s)
{
    if (s.size() != 64)
        return false;
    for (const QChar c : s)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    return true;
}

bool fIncerto(const TStatFile &st, qint64 iPresa)
{
    // a clock that keeps whole seconds (FAT keeps two) needs a wide margin; otherwise a tick is a few milliseconds
    const qint64 iMargine = iPresa % 1000000000 == 0 ? qint64(2000000000) : qint64(50000000);
    return qMax(st.iModifica, st.iCambiamento) >= iPresa - iMargine;
}

QByteArray fTestoImpronta(const TImpronta &impronta)
{
    QByteArray ab = abIntestazione + '\n';
    ab += "database " + fCodifica(impronta.sDatabase) + ' ' + fNumeri(impronta.stDatabase) + ' ' +
          QByteArray::number(impronta.iContatore) + '\n';
    if (impronta.stWal)
        ab += "wal " + fNumeri(*impronta.stWal) + '\n';
    for (const TImprontaImmagine &img : impronta.aImmagini)
        ab += "immagine " + fCodifica(img.sNome) + ' ' + fNumeri(img.st) + ' ' + img.abHash + '\n';
    return ab;
}

std::optional<TImpronta> fLeggiImpronta(const QByteArray &ab)
{
    if (!ab.endsWith('\n'))
        return std::nullopt;
    const QList<QByteArray> aRighe = ab.chopped(1).split('\n');
    if (aRighe.size() < 2 || aRighe.first() != abIntestazione)
        return std::nullopt;
    TImpronta impronta;
    bool bDatabase = false;
    for (qsizetype i = 1; i < aRighe.size(); ++i) {
        const QList<QByteArray> aCampi = aRighe.at(i).split(' ');
        const QByteArray &abTipo = aCampi.first();
        if (abTipo == "database" && !bDatabase && i == 1 && aCampi.size() == 7) {
            impronta.sDatabase = QUrl::fromPercentEncoding(aCampi.at(1));
            qint64 iContatore = 0;
            if (!fStatDa(aCampi, 2, impronta.stDatabase) || !fNumero(aCampi.at(6), iContatore) ||
                iContatore > qint64(0xffffffffu) || !fNomeSemplice(impronta.sDatabase))
                return std::nullopt;
            impronta.iContatore = quint32(iContatore);
            bDatabase = true;
        } else if (abTipo == "wal" && i == 2 && aCampi.size() == 5) {
            TStatFile st;
            if (!fStatDa(aCampi, 1, st))
                return std::nullopt;
            impronta.stWal = st;
        } else if (abTipo == "immagine" && bDatabase && aCampi.size() == 7) {
            TImprontaImmagine img;
            img.sNome = QUrl::fromPercentEncoding(aCampi.at(1));
            img.abHash = aCampi.at(6);
            if (!fStatDa(aCampi, 2, img.st) || !fNomeHash(QString::fromLatin1(img.abHash)) ||
                !fNomeSemplice(img.sNome) ||
                (!impronta.aImmagini.isEmpty() && !(impronta.aImmagini.last().sNome < img.sNome)))
                return std::nullopt;
            impronta.aImmagini << img;
        } else {
            return std::nullopt;
        }
    }
    if (!bDatabase)
        return std::nullopt;
    return impronta;
}
