#include "copiefixture.h"

#include "workspace/uty.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QSaveFile>
#include <QTest>

#include <sqlite3.h>

#include <climits>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

void pScriviJpeg(const QString &sPath, const QColor &colore)
{
    QImage img(24, 16, QImage::Format_RGB32);
    img.fill(colore);
    QVERIFY(img.save(sPath, "JPG"));
}

QByteArray fLeggi(const QString &sPath)
{
    QFile f(sPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ino_t fInode(const QString &sPath)
{
    struct stat st;
    return ::stat(QFile::encodeName(sPath).constData(), &st) == 0 ? st.st_ino : 0;
}

void pSostituisci(const QString &sPath, const QByteArray &ab)
{
    QSaveFile f(sPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ab);
    QVERIFY(f.commit());
}

QStringList fTabelle(const QString &sDb)
{
    QStringList as;
    sqlite3 *pDb = nullptr;
    if (sqlite3_open_v2(sDb.toUtf8().constData(), &pDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(pDb);
        return {QStringLiteral("illeggibile")};
    }
    for (const char *sz : {"SELECT * FROM tbarea ORDER BY _id", "SELECT * FROM tbsensori ORDER BY _id"}) {
        sqlite3_stmt *p = nullptr;
        if (sqlite3_prepare_v2(pDb, sz, -1, &p, nullptr) != SQLITE_OK) {
            as << QStringLiteral("illeggibile");
            continue;
        }
        while (sqlite3_step(p) == SQLITE_ROW) {
            QStringList asCol;
            for (int i = 0; i < sqlite3_column_count(p); ++i)
                asCol << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(p, i)));
            as << asCol.join(QLatin1Char('|'));
        }
        sqlite3_finalize(p);
    }
    sqlite3_close(pDb);
    return as;
}

QString fIntegrita(const QString &sDb)
{
    sqlite3 *pDb = nullptr;
    sqlite3_open_v2(sDb.toUtf8().constData(), &pDb, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt *p = nullptr;
    QString s = QStringLiteral("errore");
    if (sqlite3_prepare_v2(pDb, "PRAGMA integrity_check", -1, &p, nullptr) == SQLITE_OK &&
        sqlite3_step(p) == SQLITE_ROW)
        s = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(p, 0)));
    sqlite3_finalize(p);
    sqlite3_close(pDb);
    return s;
}

QMap<QString, QByteArray> fImmagini(const QString &sDir)
{
    QMap<QString, QByteArray> m;
    for (const QString &s : QDir(sDir).entryList(QDir::Files | QDir::Hidden | QDir::System))
        m.insert(s, fLeggi(sDir + QLatin1Char('/') + s));
    return m;
}

QMap<QString, QByteArray> fAlbero(const QString &sDir)
{
    QMap<QString, QByteArray> m;
    QDirIterator it(sDir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString s = it.next();
        struct stat st;
        if (::lstat(QFile::encodeName(s).constData(), &st) != 0)
            continue;
        QByteArray ab;
        if (S_ISLNK(st.st_mode))
            ab = "-> " + QFile::encodeName(QFile::symLinkTarget(s));
        else if (S_ISDIR(st.st_mode))
            ab = "cartella";
        else if (S_ISREG(st.st_mode))
            ab = fLeggi(s);
        else
            ab = "fifo";
        m.insert(s.mid(sDir.size()), ab);
    }
    return m;
}

TLimiteTempo::TLimiteTempo(unsigned iSecondi)
{
    ::alarm(iSecondi);
}

TLimiteTempo::~TLimiteTempo()
{
    ::alarm(0);
}

TOsservaAperture::TOsservaAperture() : m_iFd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

TOsservaAperture::~TOsservaAperture()
{
    ::close(m_iFd);
}

void TOsservaAperture::pOsserva(const QString &sDir)
{
    const int iWd = ::inotify_add_watch(m_iFd, QFile::encodeName(sDir).constData(), IN_OPEN | IN_CREATE);
    QVERIFY2(iWd >= 0, qPrintable(sDir));
    m_cartelle.insert(iWd, sDir);
}

QStringList TOsservaAperture::fAperti()
{
    QStringList as;
    alignas(inotify_event) char buf[sizeof(inotify_event) + NAME_MAX + 1];
    ssize_t n = 0;
    while ((n = ::read(m_iFd, buf, sizeof buf)) > 0) {
        for (char *p = buf; p < buf + n;) {
            const auto *pEv = reinterpret_cast<const inotify_event *>(p);
            // a folder opened is only a look at its entries; one made is something done
            if (pEv->len > 0 && (!(pEv->mask & IN_ISDIR) || (pEv->mask & IN_CREATE)))
                as << m_cartelle.value(pEv->wd) + QLatin1Char('/') + QFile::decodeName(pEv->name);
            p += sizeof(inotify_event) + pEv->len;
        }
    }
    as.removeDuplicates();
    as.sort();
    return as;
}

TCopieFixture::TCopieFixture()
{
    sGlobPath = dir.path() + QStringLiteral("/");
    sGlobBinPath = sGlobPath + QStringLiteral("bin/");
    sGlobGrfcPath = sGlobPath + QStringLiteral("grfc/");
    sGlobPrjPath = sGlobPath + QStringLiteral("progetti/");
    iGlobSnapshot = 20;
    QDir().mkpath(sGlobGrfcPath);
    QDir().mkpath(sGlobPrjPath);
    pScriviJpeg(sGlobGrfcPath + QStringLiteral("blank.jpg"), Qt::white);
    QObject::connect(&doc, &TProjectDocument::sigAvviso, [this](const QString &s) { asAvvisi << s; });
    doc.pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa"));
    doc.pAggiungiAreaBase(QStringLiteral("primo"));
    pScriviJpeg(fImg(2), Qt::red);
    doc.pAggiungiOggetto(6, 32, QStringLiteral("4"));
}

QString TCopieFixture::fRoot() const
{
    return sGlobPrjPath + QStringLiteral("casa/");
}

QStringList TCopieFixture::fNomiCopie() const
{
    QStringList as = QDir(fCartellaCopie(fRoot())).entryList({QStringLiteral("2*")}, QDir::Dirs, QDir::Name);
    std::reverse(as.begin(), as.end());
    return as;
}

void pAttendiOrologio()
{
    QTest::qWait(60);
}
