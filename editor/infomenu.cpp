// The "Info" menu's guide and about box, and the "Progetti recenti" list of the "Progetto" menu.

#include "editor/frmbase.h"

#include "document/projectdocument.h"
#include "fit/sorgente.h"
#include "workspace/lingua.h"
#include "workspace/settings.h"
#include "workspace/uty.h"

#include <QAction>
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

void TFrmBase::pAggiornaRecenti()
{
    MnuProgettiRecenti->clear();
    for (int i = 0; i < asGlobRecenti.size(); ++i) {
        const QString &sDb = asGlobRecenti.at(i);
        QAction *pEntry =
            MnuProgettiRecenti->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(sDb)));
        pEntry->setToolTip(QDir::toNativeSeparators(sDb));
        pEntry->setEnabled(QFileInfo(sDb).isFile()); // a project that is gone stays listed, disabled
        connect(pEntry, &QAction::triggered, this,
                [this, sDb] { pRunCommand([this, sDb] { pOpenProjectFile(sDb); }); });
    }
    if (asGlobRecenti.isEmpty())
        MnuProgettiRecenti->addAction(tr("Nessun progetto recente"))->setEnabled(false);
}

void TFrmBase::MnuGuidaClick()
{
    if (!FrmGuida) {
        FrmGuida = new QTextBrowser(this);
        FrmGuida->setObjectName(QStringLiteral("FrmGuida"));
        FrmGuida->setWindowFlag(Qt::Window);
        FrmGuida->setWindowTitle(tr("Guida di Ombrix"));
        FrmGuida->setAccessibleName(tr("Guida"));
        FrmGuida->setOpenExternalLinks(false);
        // the guide of the interface's language: guida.html, guida_en.html
        const QString sLingua = fLinguaScelta() == QLatin1String("it") ? QString() : QLatin1Char('_') + fLinguaScelta();
        FrmGuida->setSource(QUrl(QStringLiteral("qrc:/guida/guida") + sLingua + QStringLiteral(".html")));
        FrmGuida->resize(640, 560);
    }
    FrmGuida->show();
    FrmGuida->raise();
    FrmGuida->activateWindow();
}

void TFrmBase::MnuInformazioniClick()
{
    // the program's licence, then each library it links with its version and its licence
    const QString sRiga = QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>");
    const QString sLibrerie =
        sRiga.arg(QStringLiteral("Qt"), QString::fromLatin1(qVersion()),
                  tr("LGPL-3.0 (GNU Lesser General Public License)")) +
        sRiga.arg(QStringLiteral("SQLite"), QString::fromLatin1(sqlite3_libversion()), tr("pubblico dominio")) +
        sRiga.arg(QStringLiteral("libjpeg-turbo"), fVersioneJpeg(), tr("IJG, BSD-3-Clause e Zlib")) +
        sRiga.arg(QStringLiteral("Poppler"), fVersionePoppler(), tr("GPL-2.0 o GPL-3.0, usata con la GPL-3.0")) +
        sRiga.arg(QStringLiteral("libpng, zlib"), tr("attraverso Qt"), tr("licenza libpng; Zlib"));
    const QString sTesto =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p>%4</p><table cellspacing=\"4\">%5</table>")
            .arg(QString::fromLatin1(szVersionTag), tr("L'editor delle pagine del pannello touch KP5800."),
                 tr("Ombrix è software libero: si può ridistribuire e modificare secondo i termini della GNU "
                    "General Public License pubblicata dalla Free Software Foundation, versione 3 o (a scelta) "
                    "qualsiasi versione successiva (GPL-3.0-or-later). È distribuito senza alcuna garanzia; il "
                    "testo della licenza è nel file COPYING."),
                 tr("Le librerie usate da Ombrix e le loro licenze:"), sLibrerie);
    fDialogs().pAbout(tr("Informazioni su Ombrix"), sTesto);
}
