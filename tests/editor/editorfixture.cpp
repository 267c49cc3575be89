#include "editorfixture.h"

#include "document/projectdocument.h"
#include "editor/areatree.h"
#include "editor/canvas.h"
#include "editor/canvasitem.h"
#include "editor/frmbase.h"
#include "editor/selectionmodel.h"
#include "editor/selectiontool.h"
#include "workspace/uty.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

namespace {

void pCopyFolder(const QString &sFrom, const QString &sTo)
{
    QDir().mkpath(sTo);
    const QDir dir(sFrom);
    for (const QFileInfo &fi : dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot))
        QFile::copy(fi.absoluteFilePath(), sTo + QLatin1Char('/') + fi.fileName());
}

TEditorFixture *pCurrentFixture = nullptr;

TProjectDocument &fCurrentDocument()
{
    Q_ASSERT(pCurrentFixture);
    return pCurrentFixture->frm().fDocument();
}

} // namespace

QObject *fTrova(const QObject &finestra, const char *szNome)
{
    QObject *p = finestra.findChild<QObject *>(QLatin1String(szNome));
    if (!p)
        qFatal("the window has no %s", szNome);
    return p;
}

TAreaCanvas &fCanvas(const TFrmBase &frm)
{
    return *fW<TAreaCanvas>(frm, "PnlImgArea");
}

TPannelloAree &fAlbero(const TFrmBase &frm)
{
    return *fW<TPannelloAree>(frm, "PanelSx");
}

TStrumentoSelezione &fStrumento(const TFrmBase &frm)
{
    return *frm.findChild<TStrumentoSelezione *>();
}

TCanvasItem *fSelezionato(TFrmBase &frm)
{
    const std::optional<TChiave> corrente = frm.fSelezione().fCorrente();
    return corrente ? fCanvas(frm).fItem(*corrente) : nullptr;
}

qint64 fSelezionatoId(TFrmBase &frm)
{
    const std::optional<TChiave> corrente = frm.fSelezione().fCorrente();
    return corrente ? corrente->iId : 0;
}

QList<TCanvasItem *> fControlliSelezionati(TFrmBase &frm)
{
    QList<TCanvasItem *> a;
    for (TCanvasItem *pItem : fCanvas(frm).fItems())
        if (frm.fSelezione().fContiene(pItem->fChiave()))
            a << pItem;
    return a;
}

TSqlConn &fProjectConn()
{
    return fCurrentDocument().fConn();
}

QString fProjectRoot()
{
    return fCurrentDocument().fRootPrj();
}

QString fProjectOut()
{
    return fCurrentDocument().fOutPath();
}

bool fProjectOpen()
{
    return fCurrentDocument().fAperto();
}

TEditorFixture::TEditorFixture()
{
    pCurrentFixture = this;
    QDir().mkpath(m_dir.path() + QStringLiteral("/bin"));
    pCopyFolder(QStringLiteral(OMBRIX_APP_ROOT "grfc"), m_dir.path() + QStringLiteral("/grfc"));
    pCopyFolder(QStringLiteral(OMBRIX_APP_ROOT "res"), m_dir.path() + QStringLiteral("/res"));
}

TEditorFixture::~TEditorFixture()
{
    pStop();
    if (pCurrentFixture == this)
        pCurrentFixture = nullptr;
}

void TEditorFixture::pWriteIni(const QByteArray &abText)
{
    QFile f(fBin() + QStringLiteral("ombrix.ini"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(abText);
}

TFrmBase &TEditorFixture::pStart()
{
    m_pFrm = std::make_unique<TFrmBase>(fProgramPath(), &dialogs);
    m_pFrm->show();
    QCoreApplication::processEvents();
    return *m_pFrm;
}

void TEditorFixture::pStop()
{
    if (!m_pFrm)
        return;
    QCloseEvent ev;
    QCoreApplication::sendEvent(m_pFrm.get(), &ev);
    m_pFrm.reset();
}

QString TEditorFixture::fRoot() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TEditorFixture::fBin() const
{
    return fRoot() + QStringLiteral("bin/");
}

QString TEditorFixture::fProgetti() const
{
    return fRoot() + QStringLiteral("progetti/");
}

QString TEditorFixture::fProgramPath() const
{
    return fBin() + QStringLiteral("ombrix");
}

void TEditorFixture::pNewProject(const QString &sNome, const QString &sDir)
{
    dialogs.aInputAnswers << sNome;
    dialogs.asFolders << (sDir.isEmpty() ? QDir::cleanPath(fProgetti()) : sDir);
    fA(*m_pFrm, "MnuNuovoProgetto")->trigger();
}

void TEditorFixture::pOpenProject(const QString &sDb)
{
    dialogs.asProjectFiles << sDb;
    fA(*m_pFrm, "MnuApriProgetto")->trigger();
}

void TEditorFixture::pExec(const QString &sSql)
{
    fProjectConn().pExec(sSql);
}

int TEditorFixture::fQueryInt(const QString &sSql)
{
    TSqlQuery q = fProjectConn().fQuery(sSql);
    return q.fNext() ? q.fInt(0) : 0;
}

QStringList TEditorFixture::fPlacedNames() const
{
    QStringList asNames;
    for (const TCanvasItem *pItem : fCanvas(*m_pFrm).fItems())
        asNames << pItem->objectName();
    return asNames;
}

QStringList TEditorFixture::fTreeTexts() const
{
    QStringList asTexts;
    for (QTreeWidgetItemIterator it(fW<QTreeWidget>(*m_pFrm, "TvAree")); *it; ++it) {
        int iLevel = 0;
        for (QTreeWidgetItem *p = (*it)->parent(); p; p = p->parent())
            ++iLevel;
        asTexts << QString(iLevel * 2, QLatin1Char(' ')) + (*it)->text(0);
    }
    return asTexts;
}

QByteArray TEditorFixture::fReadAll(const QString &sPath)
{
    QFile f(sPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TEditorFixture::pWriteJpeg(const QString &sPath, int iWidth, int iHeight, const QColor &colour)
{
    QImage img(iWidth, iHeight, QImage::Format_RGB32);
    img.fill(colour);
    QVERIFY(img.save(sPath, "JPG", 95));
}
