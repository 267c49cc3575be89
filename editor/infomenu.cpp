// The "Info" menu's guide and about box, and the "Progetti recenti" list of the "Progetto" menu.

#include "editor/infomenu.h"

#include "editor/dialogs.h"
#include "fit/sorgente.h"
#include "workspace/lingua.h"
#include "workspace/settings.h"
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
        // the guide of the interface's language: guida.html, guida_en.html
        const QString sLingua = fLinguaScelta() == QLatin1String("it") ? QString() : QLatin1Char('_') + fLinguaScelta();
        pGuida->setSource(QUrl(QStringLiteral("qrc:/guida/guida") + sLingua + QStringLiteral(".html")));
        pGuida->resize(640, 560);
    }
    pGuida->show();
    pGuida->raise();
    pGuida->activateWindow();
}

void pInformazioni(TDialogs &dialogs)
{
    // the program's licence, then each library it links with its version and its licence
    const QString sRiga = QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>");
    const QString sLibrerie =
        sRiga.arg(QStringLiteral("Qt"), QString::fromLatin1(qVersion()),
                  QCoreApplication::translate("Ombrix", "LGPL-3.0 (GNU Lesser General Public License)")) +
        sRiga.arg(QStringLiteral("SQLite"), QString::fromLatin1(sqlite3_libversion()),
                  QCoreApplication::translate("Ombrix", "pubblico dominio")) +
        sRiga.arg(QStringLiteral("libjpeg-turbo"), fVersioneJpeg(),
                  QCoreApplication::translate("Ombrix", "IJG, BSD-3-Clause e Zlib")) +
        sRiga.arg(QStringLiteral("Poppler"), fVersionePoppler(),
                  QCoreApplication::translate("Ombrix", "GPL-2.0 o GPL-3.0, usata con la GPL-3.0")) +
        sRiga.arg(QStringLiteral("libpng, zlib"), QCoreApplication::translate("Ombrix", "attraverso Qt"),
                  QCoreApplication::translate("Ombrix", "licenza libpng; Zlib"));
    const QString sTesto =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p>%4</p><table cellspacing=\"4\">%5</table>")
            .arg(QString::fromLatin1(szVersionTag),
                 QCoreApplication::translate("Ombrix", "L'editor delle pagine del pannello touch KP5800."),
                 QCoreApplication::translate(
                     "Ombrix",
                     "Ombrix è software libero: si può ridistribuire e modificare secondo i termini della GNU "
                     "General Public License pubblicata dalla Free Software Foundation, versione 3 o (a scelta) "
                     "qualsiasi versione successiva (GPL-3.0-or-later). È distribuito senza alcuna garanzia; il "
                     "testo della licenza è nel file COPYING."),
                 QCoreApplication::translate("Ombrix", "Le librerie usate da Ombrix e le loro licenze:"), sLibrerie);
    dialogs.pAbout(QCoreApplication::translate("Ombrix", "Informazioni su Ombrix"), sTesto);
}
