#include "editor/editorapp.h"

#include "editor/fontdialog.h"
#include "editor/frmbase.h"
#include "model/appfonts.h"

#include <QApplication>
#include <QFileInfo>

int fRunEditor(int argc, char **argv)
{
    QApplication app(argc, argv); // in the language chosen before, the toolkit's texts included
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
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
