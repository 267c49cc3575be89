#pragma once

// A recording stand-in for the main window: every call the workspace and the
// model make to the screen is written down as one line of text, and every
// stored sensor handed to placement is kept.

#include "model/sensore.h"
#include "workspace/errors.h"
#include "workspace/mapview.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TFakeView : public TMapView
{
public:
    QStringList asCalls;
    QList<TSensore> aPlaced;
    std::optional<QString> oAnswer; // what fAskText answers; nullopt is "cancelled"
    int iFailPlacementAt = -1;      // placement of this record (0-based) throws
    bool bFailBackground = false;   // pLoadBackground throws, as for a picture that cannot be decoded

    void pPopolaTreeViewNew() override { asCalls << QStringLiteral("tree"); }
    void pClearTree() override { asCalls << QStringLiteral("cleartree"); }
    void pSelectFirstNode() override { asCalls << QStringLiteral("selectfirst"); }
    void pSelectNodeByName(const QString &sName) override { asCalls << QStringLiteral("selectname:") + sName; }
    void pSelectNodeByLevel_Index(int iLevel, int iIndex) override
    {
        asCalls << QStringLiteral("selectlevel:%1,%2").arg(iLevel).arg(iIndex);
    }
    void pPulisciTutto() override { asCalls << QStringLiteral("clearcanvas"); }
    void pLoadBackground(const QString &sPath) override
    {
        asCalls << QStringLiteral("background:") + sPath;
        if (bFailBackground)
            throw TOmbrixError(QStringLiteral("Not a JPEG file: ") + sPath);
    }
    void pClearBackground() override { asCalls << QStringLiteral("clearbackground"); }
    void pPlaceStoredSensor(const TSensore &oSensore) override
    {
        if (aPlaced.size() == iFailPlacementAt)
            throw TOmbrixError(QStringLiteral("icon missing"));
        aPlaced.append(oSensore);
    }
    std::optional<QString> fAskText(const QString &sCaption, const QString &sPrompt, const QString &sDefault) override
    {
        asCalls << QStringLiteral("ask:%1|%2|%3").arg(sCaption, sPrompt, sDefault);
        return oAnswer;
    }
    void pBusyCursor(bool bBusy) override { asCalls << (bBusy ? QStringLiteral("busy") : QStringLiteral("idle")); }
};
