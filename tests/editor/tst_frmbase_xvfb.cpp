// The program started as a new user starts it, on a real X server (Xvfb):
// its window appears with its title, and closing it through the window
// manager's protocol (WM_DELETE_WINDOW) ends the program with exit code 0,
// having made "progetti" and written ombrix.ini. Skipped where Xvfb, xdotool
// or python3 are not installed.

#include <QDir>
#include <QFile>
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
bin/ombrix &
P=$!
W=$(timeout 30 xdotool search --sync --name '^Ombrix KP5800 maps generator$' | head -1)
echo "window=$W"
[ -n "$W" ] && sleep 1 && python3 wmdelete.py "$W"
wait $P
echo "exit=$?"
)";

void pCopyFolder(const QString &sFrom, const QString &sTo)
{
    QDir().mkpath(sTo);
    for (const QFileInfo &fi : QDir(sFrom).entryInfoList(QDir::Files))
        QFile::copy(fi.absoluteFilePath(), sTo + QLatin1Char('/') + fi.fileName());
}

void pWrite(const QString &sPath, const char *szText)
{
    QFile f(sPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(szText);
}

} // namespace

void TstFrmBaseXvfb::startAndCloseThroughTheWindowManager()
{
    for (const char *szTool : {"xvfb-run", "xdotool", "python3"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(szTool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(szTool))));

    // a fresh installation: the program, its pictures, nothing else
    QTemporaryDir dir;
    const QString sRoot = dir.path();
    QDir().mkpath(sRoot + "/bin");
    QVERIFY(QFile::copy(QStringLiteral(OMBRIX_BIN), sRoot + "/bin/ombrix"));
    QFile(sRoot + "/bin/ombrix").setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
    pCopyFolder(QStringLiteral(OMBRIX_APP_ROOT "grfc"), sRoot + "/grfc");
    pCopyFolder(QStringLiteral(OMBRIX_APP_ROOT "res"), sRoot + "/res");
    pWrite(sRoot + "/wmdelete.py", szWmDelete);
    pWrite(sRoot + "/run.sh", szRun);

    QProcess proc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM"); // the real X server, not the test's offscreen platform
    // under the sanitizer: the X11 platform's session-bus library keeps an allocation until exit
    const QString sSupp = sRoot + "/lsan.supp";
    {
        QFile fOrig(QStringLiteral(OMBRIX_SOURCE_DIR ".ci/lsan.supp"));
        QFile fSupp(sSupp);
        QVERIFY(fSupp.open(QIODevice::WriteOnly));
        if (fOrig.open(QIODevice::ReadOnly))
            fSupp.write(fOrig.readAll() + "\n");
        fSupp.write("leak:libdbus-1.so\n");
    }
    env.insert("LSAN_OPTIONS", "suppressions=" + sSupp);
    proc.setProcessEnvironment(env);
    proc.start("xvfb-run", {"-a", "-s", "-screen 0 1280x800x24", "sh", sRoot + "/run.sh", sRoot});
    QVERIFY(proc.waitForFinished(90000));
    const QString sOut = QString::fromLocal8Bit(proc.readAllStandardOutput());
    QVERIFY2(QRegularExpression("window=\\d+").match(sOut).hasMatch(), qPrintable(sOut));
    QVERIFY2(sOut.contains("exit=0"), qPrintable(sOut + proc.readAllStandardError()));

    QVERIFY(QFileInfo(sRoot + "/progetti").isDir());
    QSettings ini(sRoot + "/bin/ombrix.ini", QSettings::IniFormat);
    QCOMPARE(ini.value("Options/IconSize").toInt(), 32);
}

QTEST_GUILESS_MAIN(TstFrmBaseXvfb)
#include "tst_frmbase_xvfb.moc"
