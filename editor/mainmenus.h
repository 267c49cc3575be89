#pragma once

#include <QObject>

#include <array>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

/** Every entry of the window's menus and of the canvas's pop-up menus. */
enum class TAzione {
    // "Progetto"
    NuovoProgetto,
    ApriProgetto,
    ImportaDalPannello,
    EsportaProgetto,
    ChiudiProgetto,
    VerificaProgetto,
    IngressiUscite,
    AnteprimaPannello,
    DocumentazionePdf,
    RipristinaCopia,
    Esci,
    // "Modifica"
    Annulla,
    Ripeti,
    Duplica,
    AdattaSfondo,
    SelezionaTutto,
    Copia,
    Taglia,
    Incolla,
    IncollaSpeciale,
    EtichetteUnite,
    // "Vista"
    Ingrandisci,
    Riduci,
    Zoom100,
    Zoom150,
    Zoom200,
    Zoom300,
    Zoom400,
    AdattaFinestra,
    PannelloProprieta,
    Griglia,
    MostraNumeri,
    // "Dimensione icona"
    Icona48,
    Icona32,
    Icona16,
    // "Info"
    About,
    Guida,
    Informazioni,
    // a sensor's icon (popImg) and a label (PopLabel)
    EliminaSensore,
    AggiungiTesto,
    PopDuplica,
    PopProprieta,
    EliminaTesto,
    ModificaTesto,
    DimensioneColore,
    Numero
};

/** The menus that hold entries made at run time, and the pop-up menus. */
enum class TMenu { ProgettiRecenti, Allinea, PassoGriglia, PopImg, PopLabel, Numero };

/**
 * The menus of the main window: "Progetto", "Modifica", "Vista",
 * "Dimensione icona" and "Info" on its menu bar, and the pop-up menus of a
 * sensor's icon (popImg) and of a label (PopLabel). Every entry has the
 * caption, object name, shortcut and hint of the window's design; the
 * entries that need a project start disabled. The window connects them to
 * the commands; nothing here runs one.
 */
class TAzioni final : public QObject
{
    Q_OBJECT

public:
    /** Builds the menus on pFinestra's menu bar. */
    explicit TAzioni(QMainWindow *pFinestra);

    QAction *operator[](TAzione e) const { return m_aAzioni.at(size_t(e)); }
    QMenu *fMenu(TMenu e) const { return m_aMenu.at(size_t(e)); }
    /** The three icon sizes, one of them checked. */
    QActionGroup *fGruppoIcone() const { return m_pIcone; }
    /** The zoom steps, the one shown checked. */
    QActionGroup *fGruppoZoom() const { return m_pZoom; }
    /** The grid's steps, the one in use checked. */
    QActionGroup *fGruppoGriglia() const { return m_pPassi; }
    /** Marks the zoom step iPercento. */
    void pSegnaZoom(int iPercento);
    /** Enables the entries that need a project. */
    void pAbilitaProgetto(bool bAperto);

private:
    std::array<QAction *, size_t(TAzione::Numero)> m_aAzioni{};
    std::array<QMenu *, size_t(TMenu::Numero)> m_aMenu{};
    QActionGroup *m_pIcone = nullptr;
    QActionGroup *m_pZoom = nullptr;
    QActionGroup *m_pPassi = nullptr;
};
