#include "workspace/lingua.h"

#include <QCoreApplication>
#include <QTranslator>

bool fLinguaNota(const QString &sLingua)
{
    return sLingua == QStringLiteral("it") || sLingua == QStringLiteral("en");
}

bool fInstallaLingua(const QString &sLingua)
{
    if (sLingua != QStringLiteral("en") || !QCoreApplication::instance())
        return sLingua != QStringLiteral("en");
    auto *pTranslator = new QTranslator(QCoreApplication::instance());
    if (!pTranslator->load(QStringLiteral(":/i18n/ombrix_en.qm"))) {
        delete pTranslator;
        return false;
    }
    return QCoreApplication::installTranslator(pTranslator);
}
