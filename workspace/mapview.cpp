#include "workspace/mapview.h"

namespace {

class TNullView final : public TMapView
{
public:
    void pPopolaTreeViewNew() override {}
    void pClearTree() override {}
    void pSelectFirstNode() override {}
    void pSelectNodeByName(const QString &) override {}
    void pSelectNodeByLevel_Index(int, int) override {}
    void pPulisciTutto() override {}
    void pLoadBackground(const QString &) override {}
    void pClearBackground() override {}
    void pPlaceStoredSensor(const TSensore &) override {}
    std::optional<QString> fAskText(const QString &, const QString &, const QString &) override { return std::nullopt; }
    void pBusyCursor(bool) override {}
};

TNullView g_nullView;
TMapView *g_pView = &g_nullView;

} // namespace

void pSetMapView(TMapView *pView)
{
    g_pView = pView ? pView : &g_nullView;
}

TMapView &fMapView()
{
    return *g_pView;
}
