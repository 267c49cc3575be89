#pragma once

#include "scripteddialogs.h"

#include "editor/areatree.h"
#include "editor/canvas.h"
#include "editor/canvasitem.h"
#include "editor/canvaslayers.h"
#include "editor/frmbase.h"
#include "editor/selectionmodel.h"
#include "editor/selectiontool.h"

#include <QAction>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

class TSqlConn;

/** The widget, menu or action of the window named szNome (the names the window's design gives); the test stops
 *  when there is none. */
QObject *fTrova(const QObject &finestra, const char *szNome);
template <class T = QWidget> T *fW(const TFrmBase &frm, const char *szNome)
{
    return qobject_cast<T *>(fTrova(frm, szNome));
}
inline QAction *fA(const TFrmBase &frm, const char *szNome)
{
    return fW<QAction>(frm, szNome);
}
inline QToolButton *fBtn(const TFrmBase &frm, const char *szNome)
{
    return fW<QToolButton>(frm, szNome);
}
/** The parts of the window: the canvas, the area tree, the canvas's tool. */
TAreaCanvas &fCanvas(const TFrmBase &frm);
TPannelloAree &fAlbero(const TFrmBase &frm);
TStrumentoSelezione &fStrumento(const TFrmBase &frm);
/** The current item of the selection on the canvas, or null. */
TCanvasItem *fSelezionato(TFrmBase &frm);
/** Its object's id, 0 for none. */
qint64 fSelezionatoId(TFrmBase &frm);
/** The selected items on the canvas, in the order they are stacked. */
QList<TCanvasItem *> fControlliSelezionati(TFrmBase &frm);

/** The open project of the one running fixture's window: its connection, folder, "out" folder, and whether one is open.
 */
TSqlConn &fProjectConn();
QString fProjectRoot();
QString fProjectOut();
bool fProjectOpen();

/**
 * A fresh installation for one GUI test: a temporary application root with
 * bin/ (no ombrix.ini unless the test writes one), grfc/ and res/ copied from
 * the build, progetti/ made by the start-up. pStart() creates the real main
 * window on it, with every dialog answered by dialogs.
 */
class TEditorFixture
{
public:
    TEditorFixture();
    ~TEditorFixture();

    /** Writes bin/ombrix.ini before the start. */
    void pWriteIni(const QByteArray &abText);
    /** Creates and shows the main window (runs the start-up). */
    TFrmBase &pStart();
    /** Closes the window as the user would and destroys it (runs the shutdown). */
    void pStop();

    TFrmBase &frm() { return *m_pFrm; }
    TScriptedDialogs dialogs;

    QString fRoot() const;        // application root, with a trailing "/"
    QString fBin() const;         // program folder, with a trailing "/"
    QString fProgetti() const;    // the projects folder, with a trailing "/"
    QString fProgramPath() const; // the program's path as the start-up sees it

    /** "Nuovo Progetto" answered with sNome and sDir (the projects folder when empty). */
    void pNewProject(const QString &sNome, const QString &sDir = QString());
    /** "Apri Progetto" answered with sDb. */
    void pOpenProject(const QString &sDb);
    /** Runs one statement on the open project's database. */
    void pExec(const QString &sSql);
    /** One integer read by a query (its first column of the first row). */
    int fQueryInt(const QString &sSql);

    /** Names of the items placed on the canvas, in the order they are stacked. */
    QStringList fPlacedNames() const;
    /** Texts of the tree in tree order, each indented by two spaces per level. */
    QStringList fTreeTexts() const;

    /** The bytes of a file; empty when it cannot be read. */
    static QByteArray fReadAll(const QString &sPath);
    /** Writes a JPEG of the given size and colour. */
    static void pWriteJpeg(const QString &sPath, int iWidth, int iHeight, const QColor &colour);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFrmBase> m_pFrm;
};
