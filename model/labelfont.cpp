#include "model/labelfont.h"

#include "model/catalogo.h"

QFont fLabelFont(int iFontIndex)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(fIntToDimensione(iFontIndex));
    return font;
}
