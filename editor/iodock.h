#pragma once

#include "editor/editorcontext.h"

#include <QDockWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

/**
 * The dock "Ingressi/Uscite": the I/O cross-reference of the open project,
 * one row per input or output object (classe, numero, tipo, area, sensore,
 * testo), sortable by any column and narrowed by a filter box. A number of a
 * class that objects in more than one area use is shown in bold; the free
 * numbers of each class (from 1 to the highest in use) are listed under the
 * table. A click on a row shows its area; "Esporta CSV…" writes the same CSV
 * as the command line. It follows the project as the "Verifica" dock does.
 */
class TIoDock final : public QDockWidget
{
    Q_OBJECT

public:
    TIoDock(const TContesto &ctx, QWidget *pParent);

    /** Reads the cross-reference again and refills the rows (nothing while hidden). */
    void pAggiorna();
    /** "Esporta CSV…": asks a file name and writes the cross-reference there. */
    void BtnEsportaCsvClick();

protected:
    void showEvent(QShowEvent *pEvent) override;

private:
    TContesto m_ctx;
    QLineEdit *m_pFiltroTesto = nullptr;
    QTableView *m_pTabella = nullptr;
    QLabel *m_pLiberi = nullptr;
    QPushButton *m_pEsporta = nullptr;
    QStandardItemModel *m_pModello = nullptr;
    QSortFilterProxyModel *m_pFiltro = nullptr;
};
