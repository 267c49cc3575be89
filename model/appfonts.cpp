#include "model/appfonts.h"

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
    // Only the regular face is registered: the bold file of the wine fonts has an empty character map
    // for the font matcher, so every bold text would fall back to another family. Bold Tahoma is
    // then drawn by emboldening the regular face, which keeps its metrics.
    for (const char *szFile : {"/usr/share/wine/fonts/tahoma.ttf"}) {
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
