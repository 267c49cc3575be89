// The program started as a new user starts it, on a real X server (Xvfb):
// its window appears with its title, and closing it through the window
// manager's protocol (WM_DELETE_WINDOW) ends the program with exit code 0,
// having made "progetti" and written ombrix.ini. Skipped where Xvfb, xdotool
// or python3 are not installed.

#include "workspace/project.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TstFrmBaseXvfb : public QObject
{
    Q_OBJECT

private slots:
    void startAndCloseThroughTheWindowManager();
    void projectFileArgumentIsOpenedAtStart();

private:
    /** A fresh installation: the program and its pictures, nothing else. */
    void pInstall(const QString &sRoot);
    /** Runs the program on Xvfb with sArgument, grabs its window and closes it; the script's output. */
    QString fRunOnXvfb(const QString &sRoot, const QString &sArgument);
};

namespace {

// sends WM_DELETE_WINDOW to a window, as a window manager does when its close box is clicked
const char *const szWmDelete = R"(import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XFlush.argtypes = [ctypes.c_void_p]
class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]
class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
d = x.XOpenDisplay(None)
ev = XEvent()
ev.xclient.type = 33
ev.xclient.window = int(sys.argv[1])
ev.xclient.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
ev.xclient.format = 32
ev.xclient.l[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(d, ev.xclient.window, 0, 0, ctypes.byref(ev))
x.XFlush(d)
)";

const char *const szRun = R"(cd "$1"
bin/ombrix "$2" &
P=$!
W=$(timeout 30 xdotool search --sync --name '^Ombrix KP5800 maps generator$' | head -1)
echo "window=$W"
[ -n "$W" ] && sleep 1 && import -window "$W" shot.png && python3 wmdelete.py "$W"
wait $P
echo "exit=$?"
)";

void pCopyFolder(const QString &sFrom, const QString &sTo)
{
    QDir().mkpath(sTo);
    for (const QFileInfo &fi : QDir(sFrom).entryInfoList(QDir::Files))
        QFile::copy(fi.absoluteFilePath(), sTo + QLatin1Char('/') + fi.fileName());
}

QString fMissingTool()
{
    for (const char *szTool : {"xvfb-run", "xdotool", "python3", "import"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(szTool)).isEmpty())
            return QString::fromLatin1(szTool);
    return QString();
}

void pWrite(const QString &sPath, const char *szText)
{
    QFile f(sPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(szText);
}

} // namespace

void TstFrmBaseXvfb::pInstall(const QString &sRoot)
{
    QDir().mkpath(sRoot + "/bin");
    QVERIFY(QFile::copy(QStringLiteral(OMBRIX_BIN), sRoot + "/bin/ombrix"));
    QFile(sRoot + "/bin/ombrix").setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
    pCopyFolder(QStringLiteral(OMBRIX_APP_ROOT "grfc"), sRoot + "/grfc");
    pCopyFolder(QStringLiteral(OMBRIX_APP_ROOT "res"), sRoot + "/res");
    pWrite(sRoot + "/wmdelete.py", szWmDelete);
    pWrite(sRoot + "/run.sh", szRun);
}

QString TstFrmBaseXvfb::fRunOnXvfb(const QString &sRoot, const QString &sArgument)
{
    QProcess proc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM"); // the real X server, not the test's offscreen platform
    // under the sanitizer: the X11 platform's session-bus library keeps an allocation until exit
    const QString sSupp = sRoot + "/lsan.supp";
    QFile fOrig(QStringLiteral(OMBRIX_SOURCE_DIR ".ci/lsan.supp"));
    QFile fSupp(sSupp);
    if (fSupp.open(QIODevice::WriteOnly)) {
        if (fOrig.open(QIODevice::ReadOnly))
            fSupp.write(fOrig.readAll() + "\n");
        fSupp.write("leak:libdbus-1.so\n");
        fSupp.close();
    }
    env.insert("LSAN_OPTIONS", "suppressions=" + sSupp);
    proc.setProcessEnvironment(env);
    proc.start("xvfb-run", {"-a", "-s", "-screen 0 1280x800x24", "sh", sRoot + "/run.sh", sRoot, sArgument});
    if (!proc.waitForFinished(90000))
        return QStringLiteral("timed out");
    return QString::fromLocal8Bit(proc.readAllStandardOutput() + proc.readAllStandardError());
}

void TstFrmBaseXvfb::startAndCloseThroughTheWindowManager()
{
    if (const QString sTool = fMissingTool(); !sTool.isEmpty())
        QSKIP(qPrintable(sTool + " is not installed"));
    QTemporaryDir dir;
    const QString sRoot = dir.path();
    pInstall(sRoot);
    const QString sOut = fRunOnXvfb(sRoot, QString());
    QVERIFY2(QRegularExpression("window=\\d+").match(sOut).hasMatch(), qPrintable(sOut));
    QVERIFY2(sOut.contains("exit=0"), qPrintable(sOut));

    QVERIFY(QFileInfo(sRoot + "/progetti").isDir());
    QSettings ini(sRoot + "/bin/ombrix.ini", QSettings::IniFormat);
    QCOMPARE(ini.value("Options/IconSize").toInt(), 32);
}

void TstFrmBaseXvfb::projectFileArgumentIsOpenedAtStart()
{
    if (const QString sTool = fMissingTool(); !sTool.isEmpty())
        QSKIP(qPrintable(sTool + " is not installed"));
    QTemporaryDir dir;
    const QString sRoot = dir.path();
    pInstall(sRoot);

    // a project elsewhere, whose one area has a plain red picture
    const QString sPrj = sRoot + "/lavori/casa/";
    QVERIFY(QDir().mkpath(sPrj + "areas"));
    QVERIFY(QDir().mkpath(sPrj + "out"));
    TSqlConn conn;
    conn.pOpen(sPrj + "casa.omb", true);
    pCreaTabelle(conn);
    conn.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (1, 0, 0, \"casa\", 0)");
    conn.pClose();
    QImage imgRed(480, 272, QImage::Format_RGB32);
    imgRed.fill(Qt::red);
    QVERIFY(imgRed.save(sPrj + "areas/img_1.jpg", "JPG", 95));

    const QString sOut = fRunOnXvfb(sRoot, sPrj + "casa.omb");
    QVERIFY2(sOut.contains("exit=0"), qPrintable(sOut));
    const QImage imgShot(sRoot + "/shot.png");
    QVERIFY2(!imgShot.isNull(), qPrintable(sOut));
    // the area's picture fills the canvas below its banner
    int iRed = 0;
    for (int y = 0; y < imgShot.height(); ++y)
        for (int x = 0; x < imgShot.width(); ++x) {
            const QColor c = imgShot.pixelColor(x, y);
            iRed += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    QVERIFY2(iRed > 480 * 200, qPrintable(QString::number(iRed)));
}

QTEST_GUILESS_MAIN(TstFrmBaseXvfb)
#include "tst_frmbase_xvfb.moc"
