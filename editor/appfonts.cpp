#include "editor/appfonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {

QString g_sFamily;
bool g_bLoaded = false;

} // namespace

void pLoadTahoma()
{
    if (g_bLoaded)
        return;
    g_bLoaded = true;
    for (const char *szFile : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        const QString sFile = QString::fromLatin1(szFile);
        if (!QFile::exists(sFile))
            continue;
        const int iId = QFontDatabase::addApplicationFont(sFile);
        if (iId >= 0 && g_sFamily.isEmpty()) {
            const QStringList asFamilies = QFontDatabase::applicationFontFamilies(iId);
            if (!asFamilies.isEmpty())
                g_sFamily = asFamilies.constFirst();
        }
    }
    if (g_sFamily.isEmpty() && QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        g_sFamily = QStringLiteral("Tahoma");
    if (g_sFamily.isEmpty())
        g_sFamily = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QString fTahomaFamily()
{
    pLoadTahoma();
    return g_sFamily;
}
