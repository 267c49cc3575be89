#include "export/exportcodes.h"

QString fGetTipoTxt(int iTipo)
{
    switch (iTipo) {
    case 1:
        return QStringLiteral("Srad");
    case 2:
        return QStringLiteral("Sper");
    case 3:
        return QStringLiteral("Tinf");
    case 4:
        return QStringLiteral("Sbar");
    case 5:
        return QStringLiteral("Scam");
    case 6:
        return QStringLiteral("Olmp");
    case 7:
        return QStringLiteral("Osta");
    case 8:
        return QStringLiteral("Ogta");
    case 9:
        return QStringLiteral("Oall");
    case 10:
        return QStringLiteral("Oirr");
    default:
        return QStringLiteral("Srad");
    }
}
