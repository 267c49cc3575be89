#pragma once

// The dialogs of the benchmarks' window: answers from queues (an empty one is Cancel), errors kept.

#include "editor/dialogs.h"

#include <QString>
#include <QStringList>

#include <optional>

class TBenchDialogs final : public TDialogs
{
public:
    QStringList asInput, asProjects, asFolders, asErrors;
    std::optional<QString> fInputBox(const QString &, const QString &, const QString &) override
    {
        return asInput.isEmpty() ? std::nullopt : std::optional<QString>(asInput.takeFirst());
    }
    void pMessage(const QString &) override {}
    void pErrorBox(const QString &sText) override { asErrors << sText; }
    QString fOpenProjectFile(const QString &) override
    {
        return asProjects.isEmpty() ? QString() : asProjects.takeFirst();
    }
    QString fOpenPicture(const QString &) override { return QString(); }
    QString fSelectFolder(const QString &, const QString &) override
    {
        return asFolders.isEmpty() ? QString() : asFolders.takeFirst();
    }
    void pShowFontDialog(TFrmFont &) override {}
    QString fSaveFile(const QString &, const QString &, const QString &) override { return QString(); }
    bool fProprieta(TProprieta &, const TFnAvvisoNumero &, const TFnVerificaProprieta &) override { return false; }
    bool fIncollaSpeciale(const QString &, TOpzioniIncolla &, const TFnAvvisoIncolla &,
                          const TFnRifiutoIncolla &) override
    {
        return false;
    }
    int fScelta(const QString &, const QString &, const QStringList &asBottoni) override
    {
        return int(asBottoni.size()) - 1;
    }
    int fScegliCopia(const QStringList &, const QList<bool> &) override { return -1; }
    bool fDomanda(const QString &, const QString &) override { return false; }
};
