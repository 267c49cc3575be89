#pragma once

#include "editor/editorcontext.h"

#include <QDockWidget>
#include <QList>

#include <functional>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
struct TProprieta;

/**
 * The dock "Proprietà": the properties of the selected objects, as numbers
 * to read and type. It shows the type within the class, the I/O number, the
 * label's text, size and colour, the centre of the icon in panel pixels as
 * maps.txt writes it, and a barrier's second end (its centre too). An item
 * stands for its object: a selected label shows the object it belongs to.
 *
 * With several objects it shows what they share and leaves blank what
 * differs; a field that does not apply to all of them (a second end where
 * one is not a barrier, the type where their classes differ) is disabled.
 * Zoom markers take part only in the position.
 *
 * A field is applied when the user leaves it or presses Return, a list when
 * an entry is chosen: to every object shown, as one step of the document,
 * with the rules and refusals of the dialog "Proprietà". A refused value is
 * reported and the field shows the stored one again.
 */
class TDockProprieta final : public QDockWidget
{
    Q_OBJECT

public:
    TDockProprieta(const TContesto &ctx, QWidget *pParent);

    /** Shows the selected objects as the document holds them now (nothing while hidden). */
    void pAggiorna();

protected:
    void showEvent(QShowEvent *pEvent) override;

private:
    QLineEdit *fCampo(const char *szNome, const QString &sDidascalia);
    QComboBox *fLista(const char *szNome, const QString &sDidascalia);
    /** The objects shown that are not zoom markers. */
    QList<qint64> fOggettiConProprieta() const;
    /** Each object's properties changed by fnCambia, checked and stored as one step. */
    void pApplica(const std::function<void(TProprieta &)> &fnCambia);
    /** The icon's centre (bSecondo false) or the second end's along one axis (bY) set to the typed value. */
    void pApplicaPosizione(QLineEdit *pCampo, bool bSecondo, bool bY);
    void pApplicaNumero();
    void pApplicaTesto();

    TContesto m_ctx;
    QList<qint64> m_aIds; // the objects shown, in the order of the selection
    QLabel *m_pSelezione = nullptr;
    QComboBox *m_pTipo = nullptr;
    QLineEdit *m_pNumero = nullptr;
    QLineEdit *m_pX = nullptr;
    QLineEdit *m_pY = nullptr;
    QLineEdit *m_pX2 = nullptr;
    QLineEdit *m_pY2 = nullptr;
    QLineEdit *m_pTesto = nullptr;
    QComboBox *m_pDimensione = nullptr;
    QComboBox *m_pColore = nullptr;
    QFormLayout *m_pForm = nullptr;
    bool m_bAggiornando = false; // the fields are being filled, not typed
};
