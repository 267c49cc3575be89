#include "workspace/lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

const QString sItaliano = QStringLiteral("it");
const QString sInglese = QStringLiteral("en");
const QString sTraduzioneOmbrix = QStringLiteral(":/i18n/ombrix_en.qm");

QString &fLingua()
{
    static QString s = sItaliano;
    return s;
}

bool &fScelta()
{
    static bool b = false;
    return b;
}

// The translators installed in the running application, which owns them.
QPointer<QTranslator> &fQt()
{
    static QPointer<QTranslator> p;
    return p;
}

QPointer<QTranslator> &fOmbrix()
{
    static QPointer<QTranslator> p;
    return p;
}

/** A translator owned by the running application, loaded from sFile in sFolder; null when it cannot be loaded. */
QTranslator *fCarica(const QString &sFile, const QString &sFolder = QString())
{
    auto *p = new QTranslator(QCoreApplication::instance());
    if (p->load(sFile, sFolder) && QCoreApplication::installTranslator(p))
        return p;
    delete p;
    return nullptr;
}

/** The chosen language's translations in the running application, in place of any earlier ones. */
void pInstallaNellApplicazione()
{
    if (!fScelta() || !QCoreApplication::instance())
        return;
    delete fQt().data();
    delete fOmbrix().data();
    fQt() = fCarica(QStringLiteral("qtbase_") + fLingua(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    fOmbrix() = fLingua() == sInglese ? fCarica(sTraduzioneOmbrix) : nullptr;
}

} // namespace

// every application object the run creates speaks the chosen language
Q_COREAPP_STARTUP_FUNCTION(pInstallaNellApplicazione)

bool fLinguaNota(const QString &sLingua)
{
    return sLingua == sItaliano || sLingua == sInglese;
}

bool fInstallaLingua(const QString &sLingua)
{
    bool bOk = true;
    QString s = sLingua == sInglese ? sInglese : sItaliano;
    if (s == sInglese && !QTranslator().load(sTraduzioneOmbrix)) {
        s = sItaliano;
        bOk = false;
    }
    fLingua() = s;
    fScelta() = true;
    QLocale::setDefault(s == sInglese ? QLocale(QLocale::English, QLocale::UnitedStates)
                                      : QLocale(QLocale::Italian, QLocale::Italy));
    pInstallaNellApplicazione();
    return bOk;
}

QString fLinguaScelta()
{
    return fLingua();
}
