#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

/**
 * The small modal window in which the size and the colour of a label are
 * chosen. It is created once and shown whenever needed, so it keeps its
 * selection from one use to the next; there is no cancel: closing it in any
 * way (the "Ok" button, the close box, Escape) ends it and the caller reads
 * Dimensione and Colore.
 *
 * Dimensione is the size index 1..9 of the items "8".."16"; Colore is the
 * colour index 1..10 of the first ten colours and 16 for "nero". Setting an
 * index outside those ranges selects the last item ("16" / "nero").
 */
class TFrmFont : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(int Dimensione READ Dimensione WRITE SetDimensione)
    Q_PROPERTY(int Colore READ Colore WRITE SetColore)

public:
    explicit TFrmFont(QWidget *parent = nullptr);

    int Dimensione() const;
    void SetDimensione(int iDimensione);
    int Colore() const;
    void SetColore(int iColore);

    /** The radio item at iIndex (from 0) of a group, for tests and layout. */
    QRadioButton *fItemDimensione(int iIndex) const;
    QRadioButton *fItemColore(int iIndex) const;

public slots:
    void btnOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *m_pGruppoDimensione = nullptr; // rgpDimensione
    QGroupBox *m_pGruppoColore = nullptr;     // rgpColore
    QPushButton *m_pOk = nullptr;             // btnOk
    QButtonGroup *m_pDimensioni = nullptr;
    QButtonGroup *m_pColori = nullptr;
};
