// New project: the project folder, its database and its first base area.
// It lives with the model because the first area is added by the area store.

#include "model/areastore.h"
#include "model/catalogo.h"
#include "workspace/project.h"
#include "workspace/uty.h"

#include <QDir>

void pNuovoProgetto(const QString &sDir, const QString &sNome)
{
    if (sNome.isEmpty())
        return;
    pRequireNoControlChars(sNome); // the name of the first area too: refused before anything is made
    QString sFolder = QDir::fromNativeSeparators(sDir);
    while (sFolder.size() > 1 && sFolder.endsWith(QLatin1Char('/')))
        sFolder.chop(1);

    if (bGlobProgettoAperto)
        pCloseProject();

    sGlobRootPrj = sFolder + QLatin1Char('/') + sNome + QLatin1Char('/');
    // Folders that exist stay as they are; a folder that cannot be made
    // shows up as the failure to create the database below.
    QDir().mkdir(sFolder + QLatin1Char('/') + sNome);
    QDir().mkdir(sGlobRootPrj + QStringLiteral("areas"));
    QDir().mkdir(sGlobRootPrj + QStringLiteral("out"));
    sGlobOutPath = sGlobRootPrj + QStringLiteral("out/");

    pOpenProject(sGlobRootPrj + sNome + QStringLiteral(".omb"), true);
    try {
        pAddAreaBase(sNome, 0);
    } catch (...) {
        // a new project without its first area is not a usable project
        pLeaveToNoProject();
        throw;
    }
}
