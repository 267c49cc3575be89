#pragma once

#include <QString>

#include <optional>

class TSensore;

/**
 * Everything the workspace and the model ask of the screen. The main window
 * implements it; tests use a recording fake. Installed with pSetMapView();
 * until then the calls go to a view that does nothing and answers every
 * question as cancelled.
 */
class TMapView
{
public:
    virtual ~TMapView() = default;

    /** Refills the area tree from tbarea; no node is selected afterwards. */
    virtual void pPopolaTreeViewNew() = 0;
    /** Removes every node of the area tree. */
    virtual void pClearTree() = 0;
    /** Selects the first node of the tree, showing that area. */
    virtual void pSelectFirstNode() = 0;
    /** Selects the first node, in tree order, whose text equals sName. */
    virtual void pSelectNodeByName(const QString &sName) = 0;
    /** Selects the first node at iLevel whose position among its siblings is iIndex. */
    virtual void pSelectNodeByLevel_Index(int iLevel, int iIndex) = 0;

    /** Removes every placed control from the canvas. */
    virtual void pPulisciTutto() = 0;
    /** Shows the picture file in the background layer; throws TOmbrixError when it cannot be decoded. */
    virtual void pLoadBackground(const QString &sPath) = 0;
    /** Empties the background layer. */
    virtual void pClearBackground() = 0;
    /** Builds the controls of one stored sensor (the placement in "not new" mode). */
    virtual void pPlaceStoredSensor(const TSensore &oSensore) = 0;

    /** Asks for a text in an input box; nullopt when cancelled. */
    virtual std::optional<QString> fAskText(const QString &sCaption, const QString &sPrompt, const QString &sDefault) = 0;
    /** Shows or hides the busy cursor. */
    virtual void pBusyCursor(bool bBusy) = 0;
};

void pSetMapView(TMapView *pView);
TMapView &fMapView();
