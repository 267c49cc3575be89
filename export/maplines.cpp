#include "export/maplines.h"

#include "export/cp1252.h"

namespace {

constexpr int iLarghezza = 128; // width of every line
constexpr int iCampoTesto = 24; // width of the label field

const QString sCrLf = QStringLiteral("\r\n");

/** "," + both values in 3 digits when both are above 0, else ",---,---". */
QString fCoppia(int a, int b)
{
    if (a > 0 && b > 0)
        return QLatin1Char(',') + AddLeadingZeroes(a, 3) + QLatin1Char(',') + AddLeadingZeroes(b, 3);
    return QStringLiteral(",---,---");
}

QString fCampoTesto(const QString &sTesto)
{
    if (sTesto.isEmpty())
        return fCreaTbd();
    return sTesto + QLatin1Char('|') + fCreaStringa(QStringLiteral(" "), iCampoTesto - fLunghezzaTesto(sTesto) - 1);
}

} // namespace

QString fCreaStringa(const QString &sToken, int iLength)
{
    if (iLength <= 0)
        return QString();
    return sToken.repeated(iLength);
}

QString AddLeadingZeroes(int aNumber, int Length)
{
    const qint64 n = aNumber;
    const QString sDigits = QString::number(n < 0 ? -n : n).rightJustified(Length, QLatin1Char('0'));
    return n < 0 ? QLatin1Char('-') + sDigits : sDigits;
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
    return QStringLiteral("*OBJ,LNK,tttttttttttttttt,ID,XXX,YYY,xxx,yyy,IC,ANG,ID,XXX,YYY,xxx,yyy,IC,ANG,ID,XXX,YYY,xxx,"
                          "yyy,IC,ANG,")
           + fCreaTbd();
}

QString fCreacommento(int iTipo)
{
    switch (iTipo) {
    case 2: return fCreaStringa(QStringLiteral("*"), iLarghezza);
    case 3: return fCreaStringa(QStringLiteral(" "), iLarghezza - 1) + QLatin1Char('*');
    default: return QString();
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
        return fCreaStringa(QStringLiteral(" "), ihalf) + sTesto
               + fCreaStringa(QStringLiteral(" "), ihalf - 1 + ioffset) + QLatin1Char('*');
    default: return QString();
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

QString fCreaTxtImg(int iId)
{
    return QStringLiteral("Iimg,---,file") + AddLeadingZeroes(iId, 4) + QStringLiteral(".bmp----,")
           + AddLeadingZeroes(iId, 2)
           + QStringLiteral(",---,---,---,---,--,---,00,---,---,---,---,--,---,00,---,---,---,---,--,---,") + fCreaTbd();
}

QString fCreaTxtIO(const QString &sTipo, int iId, int iLink, int iIconSize, int iX, int iY, int iX2, int iY2,
                   int iXt, int iYt, int iFont, int iColor, const QString &sTesto)
{
    QString s;
    s.reserve(iLarghezza + 8);
    s += sTipo;
    s += QLatin1Char(',');
    s += iLink > 0 ? AddLeadingZeroes(iLink, 3) : QStringLiteral("---");
    s += QStringLiteral(",----------------,");
    s += AddLeadingZeroes(iId, 2);
    s += QLatin1Char(',');
    s += AddLeadingZeroes(iX, 3);
    s += QLatin1Char(',');
    s += AddLeadingZeroes(iY, 3);
    s += fCoppia(iX2, iY2);
    s += QLatin1Char(',');
    s += AddLeadingZeroes(iIconSize, 2);
    s += QStringLiteral(",---,--,---,---,---,---,--,---,--");
    s += fCoppia(iXt, iYt);
    s += fCoppia(iFont, iColor);
    s += QStringLiteral(",--,---,");
    s += fCampoTesto(sTesto);
    return s;
}
