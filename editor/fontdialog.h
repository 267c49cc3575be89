#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QRect>

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
 * Its layout is the classic 302 x 342 one; a font too large for it (a
 * larger system font, another language) makes every part grow in
 * proportion, so that no item is cut.
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
    /** The window's layout at its own size, grown in proportion where the font needs more room. */
    void pAdattaAlCarattere();

    QList<QPair<QWidget *, QRect>> m_aGeometrie; // every part's place at the classic size
    QGroupBox *m_pGruppoDimensione = nullptr;    // rgpDimensione
    QGroupBox *m_pGruppoColore = nullptr;        // rgpColore
    QPushButton *m_pOk = nullptr;                // btnOk
    QButtonGroup *m_pDimensioni = nullptr;
    QButtonGroup *m_pColori = nullptr;
};
