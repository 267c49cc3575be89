#include "editor/editorapp.h"

#include "editor/fontdialog.h"
#include "editor/frmbase.h"
#include "model/appfonts.h"
#include "workspace/lingua.h"
#include "workspace/settings.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

int fRunEditor(int argc, char **argv, const QString &sLingua)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    // the language comes before the first window: the command line's, else the settings file's
    QString sScelta = sLingua;
    if (sScelta.isEmpty()) {
        pSetApplicationFolders(QCoreApplication::applicationFilePath());
        sScelta = fLinguaDaIni();
    }
    if (!fInstallaLingua(sScelta))
        std::fprintf(stderr, "ombrix: the English translation cannot be loaded\n");
    pLoadTahoma();
    QFont font(fTahomaFamily());
    font.setPointSize(8);
    QApplication::setFont(font);

    TFrmBase frmBase;
    TFrmFont frmFont;
    frmBase.pSetFontDialog(&frmFont);
    frmBase.show();

    // a project file among the arguments is opened as Open project does
    for (int i = 1; i < argc; ++i) {
        const QString sArg = QString::fromLocal8Bit(argv[i]);
        if (sArg.endsWith(QStringLiteral(".omb"), Qt::CaseInsensitive)) {
            const QString sDb = QFileInfo(sArg).absoluteFilePath();
            frmBase.pRunCommand([&] { frmBase.pOpenProjectFile(sDb); });
            break;
        }
    }
    return app.exec();
}
