// The "Info" menu's guide and about box, and the "Progetti recenti" list of the "Progetto" menu.

#include "editor/infomenu.h"

#include "editor/dialogs.h"
#include "workspace/uty.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTextBrowser>
#include <QUrl>
#include <QtGlobal>

#include <cstdio> // jpeglib.h wants FILE declared first
#include <jpeglib.h>
#include <sqlite3.h>

namespace {

constexpr const char *szVersionTag = "Ombrix 160131-A";

QString fVersioneJpeg()
{
    const int i = LIBJPEG_TURBO_VERSION_NUMBER; // e.g. 2001005 for 2.1.5
    return QStringLiteral("%1.%2.%3").arg(i / 1000000).arg(i / 1000 % 1000).arg(i % 1000);
}

} // namespace

void pAggiornaRecenti(QMenu *pMenu, const std::function<void(const QString &sDb)> &fnApri)
{
    pMenu->clear();
    for (int i = 0; i < asGlobRecenti.size(); ++i) {
        const QString &sDb = asGlobRecenti.at(i);
        QAction *pEntry = pMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(sDb)));
        pEntry->setToolTip(QDir::toNativeSeparators(sDb));
        pEntry->setEnabled(QFileInfo(sDb).isFile()); // a project that is gone stays listed, disabled
        QObject::connect(pEntry, &QAction::triggered, pMenu, [fnApri, sDb] { fnApri(sDb); });
    }
    if (asGlobRecenti.isEmpty())
        pMenu->addAction(QCoreApplication::translate("Ombrix", "Nessun progetto recente"))->setEnabled(false);
}

void pMostraGuida(QWidget *pFinestra)
{
    auto *pGuida = pFinestra->findChild<QTextBrowser *>(QStringLiteral("FrmGuida"), Qt::FindDirectChildrenOnly);
    if (!pGuida) {
        pGuida = new QTextBrowser(pFinestra);
        pGuida->setObjectName(QStringLiteral("FrmGuida"));
        pGuida->setWindowFlag(Qt::Window);
        pGuida->setWindowTitle(QCoreApplication::translate("Ombrix", "Guida di Ombrix"));
        pGuida->setAccessibleName(QCoreApplication::translate("Ombrix", "Guida"));
        pGuida->setOpenExternalLinks(false);
        pGuida->setSource(QUrl(QStringLiteral("qrc:/guida/guida.html")));
        pGuida->resize(640, 560);
    }
    pGuida->show();
    pGuida->raise();
    pGuida->activateWindow();
}

void pInformazioni(TDialogs &dialogs)
{
    const QString sTesto =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><table>"
                       "<tr><td>Qt</td><td>%4</td></tr><tr><td>SQLite</td><td>%5</td></tr>"
                       "<tr><td>libjpeg-turbo</td><td>%6</td></tr></table><p>%7</p>")
            .arg(QString::fromLatin1(szVersionTag),
                 QCoreApplication::translate("Ombrix", "L'editor delle pagine del pannello touch KP5800."),
                 QCoreApplication::translate("Ombrix", "Ombrix: tutti i diritti riservati."),
                 QString::fromLatin1(qVersion()), QString::fromLatin1(sqlite3_libversion()), fVersioneJpeg(),
                 QCoreApplication::translate(
                     "Ombrix",
                     "Qt è distribuito con la licenza LGPL 3; SQLite è di pubblico dominio; libjpeg-turbo è "
                     "distribuito con le licenze IJG e BSD a 3 clausole; libpng e zlib con le proprie licenze "
                     "libere."));
    dialogs.pAbout(QCoreApplication::translate("Ombrix", "Informazioni su Ombrix"), sTesto);
}
