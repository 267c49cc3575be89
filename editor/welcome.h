#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QVBoxLayout;

/**
 * What the canvas's place shows while no project is open (Benvenuto): a line
 * on how to begin, a button for each way to begin ("Nuovo progetto…",
 * "Apri progetto…", "Importa dal pannello…"), each triggering the menu entry
 * it was given, and the recent projects, one click opening each. A project
 * that is gone stays listed, disabled, as in the menu.
 */
class TBenvenuto final : public QWidget
{
    Q_OBJECT

public:
    TBenvenuto(QAction *pNuovo, QAction *pApri, QAction *pImporta, std::function<void(const QString &sDb)> fnApri,
               QWidget *pParent);

    /** Lists the recent projects again. */
    void pAggiorna();

private:
    std::function<void(const QString &)> m_fnApri;
    QVBoxLayout *m_pRecenti = nullptr;
    QLabel *m_pTitoloRecenti = nullptr;
};
