// The "Info" menu's guide and about box, and the "Progetti recenti" list of the "Progetto" menu.

#include "editor/frmbase.h"

#include "document/projectdocument.h"
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
        FrmGuida->setSource(QUrl(QStringLiteral("qrc:/guida/guida.html")));
        FrmGuida->resize(640, 560);
    }
    FrmGuida->show();
    FrmGuida->raise();
    FrmGuida->activateWindow();
}

void TFrmBase::MnuInformazioniClick()
{
    const QString sTesto =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><table>"
                       "<tr><td>Qt</td><td>%4</td></tr><tr><td>SQLite</td><td>%5</td></tr>"
                       "<tr><td>libjpeg-turbo</td><td>%6</td></tr></table><p>%7</p>")
            .arg(QString::fromLatin1(szVersionTag), tr("L'editor delle pagine del pannello touch KP5800."),
                 tr("Ombrix: tutti i diritti riservati."), QString::fromLatin1(qVersion()),
                 QString::fromLatin1(sqlite3_libversion()), fVersioneJpeg(),
                 tr("Qt è distribuito con la licenza LGPL 3; SQLite è di pubblico dominio; libjpeg-turbo è "
                    "distribuito con le licenze IJG e BSD a 3 clausole; libpng e zlib con le proprie licenze "
                    "libere."));
    fDialogs().pAbout(tr("Informazioni su Ombrix"), sTesto);
}
