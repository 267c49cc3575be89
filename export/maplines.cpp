#include "export/maplines.h"

#include "export/cp1252.h"

#include <algorithm>

namespace {

constexpr int iLarghezza = 128; // width of every line
constexpr int iCampoTesto = 24; // width of the label field

const QString sCrLf = QStringLiteral("\r\n");

/** Appends aNumber as AddLeadingZeroes writes it, without a temporary string. */
void pAccodaNumero(QString &s, qint64 aNumber, int Length)
{
    char16_t cifre[20];
    int n = 0;
    // the magnitude as unsigned: -2^63 has no positive counterpart in qint64
    quint64 v = quint64(aNumber);
    if (aNumber < 0) {
        s += QLatin1Char('-');
        v = 0 - v;
    }
    do {
        cifre[n++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v > 0);
    for (int i = n; i < Length; ++i)
        s += QLatin1Char('0');
    while (n > 0)
        s += QChar(cifre[--n]);
}

/** Appends "," + both values in 3 digits when both are above 0, else ",---,---". */
void pAccodaCoppia(QString &s, qint64 a, qint64 b)
{
    if (a > 0 && b > 0) {
        s += QLatin1Char(',');
        pAccodaNumero(s, a, 3);
        s += QLatin1Char(',');
        pAccodaNumero(s, b, 3);
    } else {
        s += QLatin1String(",---,---");
    }
}

} // namespace

QString fCreaStringa(const QString &sToken, int iLength)
{
    if (iLength <= 0)
        return QString();
    return sToken.repeated(iLength);
}

QString AddLeadingZeroes(qint64 aNumber, int Length)
{
    QString s;
    s.reserve(std::max(Length, 0) + 21);
    pAccodaNumero(s, aNumber, Length);
    return s;
}

QString fCreaTestata()
{
    QString s1(QStringLiteral("*"));
    QString s2(QStringLiteral("*"));
    QString s3(QStringLiteral("*"));
    for (int n = 2; n <= iLarghezza; ++n) {
        s1 += QChar(u'0' + n / 100);
        s2 += QChar(u'0' + n / 10 % 10);
        s3 += QChar(u'0' + n % 10);
    }
    return s1 + sCrLf + s2 + sCrLf + s3 + sCrLf;
}

QString fCreaTbd()
{
    return fCreaStringa(QStringLiteral("?"), iCampoTesto);
}

QString fCreaNomeCampi()
{
    return QStringLiteral(
               "*OBJ,LNK,tttttttttttttttt,ID,XXX,YYY,xxx,yyy,IC,ANG,ID,XXX,YYY,xxx,yyy,IC,ANG,ID,XXX,YYY,xxx,"
               "yyy,IC,ANG,") +
           fCreaTbd();
}

QString fCreacommento(int iTipo)
{
    switch (iTipo) {
    case 2:
        return fCreaStringa(QStringLiteral("*"), iLarghezza);
    case 3:
        return fCreaStringa(QStringLiteral(" "), iLarghezza - 1) + QLatin1Char('*');
    default:
        return QString();
    }
}

QString fCreacommento(int iTipo, const QString &sCommento)
{
    const int istrlen = fLunghezzaTesto(sCommento);
    const int iresto = iLarghezza - istrlen - 2;
    const int ihalf = iresto / 2; // C++ division truncates toward zero
    const int ioffset = iresto - 2 * ihalf;
    const QString sTesto = QLatin1Char(' ') + sCommento + QLatin1Char(' ');
    switch (iTipo) {
    case 2:
        return fCreaStringa(QStringLiteral("*"), ihalf) + sTesto + fCreaStringa(QStringLiteral("*"), ihalf + ioffset);
    case 3:
        return fCreaStringa(QStringLiteral(" "), ihalf) + sTesto +
               fCreaStringa(QStringLiteral(" "), ihalf - 1 + ioffset) + QLatin1Char('*');
    default:
        return QString();
    }
}

QString fCreaEndBlock()
{
    return QStringLiteral("end of block") + fCreaStringa(QStringLiteral(" "), 115) + QLatin1Char('*');
}

QString fCreaEnd()
{
    return QStringLiteral("END OF FILE") + fCreaStringa(QStringLiteral(" "), 116) + QLatin1Char('*');
}

QString fCreaTxtImg(qint64 iId)
{
    return QStringLiteral("Iimg,---,file") + AddLeadingZeroes(iId, 4) + QStringLiteral(".bmp----,") +
           AddLeadingZeroes(iId, 2) +
           QStringLiteral(",---,---,---,---,--,---,00,---,---,---,---,--,---,00,---,---,---,---,--,---,") + fCreaTbd();
}

QString fCreaTxtIO(const QString &sTipo, qint64 iId, qint64 iLink, qint64 iIconSize, qint64 iX, qint64 iY, qint64 iX2,
                   qint64 iY2, qint64 iXt, qint64 iYt, qint64 iFont, qint64 iColor, const QString &sTesto)
{
    QString s;
    s.reserve(iLarghezza + sTesto.size() + 16);
    s += sTipo;
    s += QLatin1Char(',');
    if (iLink > 0)
        pAccodaNumero(s, iLink, 3);
    else
        s += QLatin1String("---");
    s += QLatin1String(",----------------,");
    pAccodaNumero(s, iId, 2);
    s += QLatin1Char(',');
    pAccodaNumero(s, iX, 3);
    s += QLatin1Char(',');
    pAccodaNumero(s, iY, 3);
    pAccodaCoppia(s, iX2, iY2);
    s += QLatin1Char(',');
    pAccodaNumero(s, iIconSize, 2);
    s += QLatin1String(",---,--,---,---,---,---,--,---,--");
    pAccodaCoppia(s, iXt, iYt);
    pAccodaCoppia(s, iFont, iColor);
    s += QLatin1String(",--,---,");
    if (sTesto.isEmpty()) {
        s += QLatin1String("????????????????????????");
    } else {
        s += sTesto;
        s += QLatin1Char('|');
        for (int i = fLunghezzaTesto(sTesto) + 1; i < iCampoTesto; ++i)
            s += QLatin1Char(' ');
    }
    return s;
}
