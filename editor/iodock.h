#pragma once

#include "check/riferimentiio.h"
#include "editor/editorcontext.h"

#include <QDockWidget>
#include <QList>

#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItem;
class QStandardItemModel;
class QTableView;
class TVerificaIncrementale;

/**
 * The dock "Ingressi/Uscite": the I/O cross-reference of the open project,
 * one row per input or output object (classe, numero, tipo, area, sensore,
 * testo), sortable by any column and narrowed by a filter box. A number of a
 * class that objects in more than one area use is shown in bold; the free
 * numbers of each class (from 1 to the highest in use) are listed under the
 * table. A click on a row shows its area; "Esporta CSV…" writes the same CSV
 * as the command line. It follows the project as the "Verifica" dock does,
 * changing only the rows that differ.
 */
class TIoDock final : public QDockWidget
{
    Q_OBJECT

public:
    TIoDock(const TContesto &ctx, QWidget *pParent);

    /** Shows the cross-reference of the open project as it is now (nothing while hidden). */
    void pAggiorna();
    /** "Esporta CSV…": asks a file name and writes the cross-reference there. */
    void BtnEsportaCsvClick();

protected:
    void showEvent(QShowEvent *pEvent) override;

private:
    /** A row as shown: the cross-reference's, and whether its number lies in more than one area. */
    using TMostrata = std::pair<TRigaIo, bool>;
    QList<QStandardItem *> fCelle(const TMostrata &riga) const;

    TContesto m_ctx;
    TVerificaIncrementale &m_verifica;
    QLineEdit *m_pFiltroTesto = nullptr;
    QTableView *m_pTabella = nullptr;
    QLabel *m_pLiberi = nullptr;
    QPushButton *m_pEsporta = nullptr;
    QStandardItemModel *m_pModello = nullptr;
    QSortFilterProxyModel *m_pFiltro = nullptr;
    QList<TMostrata> m_aMostrate; // the rows of m_pModello, in order
    QList<TRigaIo> m_aUltime;     // the cross-reference they show
};
