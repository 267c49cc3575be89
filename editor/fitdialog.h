#pragma once

#include "fit/adatta.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <memory>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;
class TDialogs;
class TSorgente;

/** The live 480 x 272 preview: the fitted page with the canvas's banner, objects and lines over it.
 *  Dragging it moves the crop window, the wheel zooms. */
class TAnteprimaAdatta final : public QWidget
{
    Q_OBJECT

public:
    explicit TAnteprimaAdatta(QWidget *pParent);
    QImage imgPagina; // the fitted page
    QImage imgSopra;  // what the canvas draws over the picture (transparent elsewhere)

signals:
    void sigTrascina(const QPoint &delta);
    void sigRotella(int iScatti);

protected:
    void paintEvent(QPaintEvent *pEvent) override;
    void mousePressEvent(QMouseEvent *pEvent) override;
    void mouseMoveEvent(QMouseEvent *pEvent) override;
    void mouseReleaseEvent(QMouseEvent *pEvent) override;
    void wheelEvent(QWheelEvent *pEvent) override;

private:
    bool m_bTrascina = false;
    QPoint m_posPrima;
};

/**
 * The dialog "Adatta immagine di sfondo": a picture or a PDF page fitted to
 * the area's page, shown live as the canvas will show it, with its mode,
 * "Sotto il banner", "Linee marcate", rotation, fill colour, PDF page and
 * zoom. It writes nothing: the caller stores fRisultato() after OK.
 *
 * A failure while fitting (a PDF page that cannot be drawn) is shown in the
 * dialog, and OK stays disabled until the page fits again.
 */
class TFrmAdatta final : public QDialog
{
    Q_OBJECT

public:
    /** pSorgente is the opened source (page 1 of a PDF); sPassword reopens other pages; imgSopra is what the
     *  canvas draws over the area's picture; pDialogs asks for the fill colour. */
    TFrmAdatta(std::unique_ptr<TSorgente> pSorgente, const QString &sPassword, const QImage &imgSopra,
               TDialogs &dialogs, QWidget *pParent = nullptr);
    ~TFrmAdatta() override;

    /** The zoom slider's steps from 100 % to 800 %, each the same ratio (about 10 %) of the one before. */
    static constexpr int iPassiZoom = 22;
    /** The zoom of a slider position; a position below 0 (mode "Originale" only) zooms out. */
    static double fZoomDelPasso(int iPasso);

    const TOpzioniAdatta &fOpzioni() const { return m_opz; }
    /** The page as it stands: what OK stores. */
    const QImage &fRisultato() const { return PnlAnteprima->imgPagina; }
    /** Moves the crop window as a drag of the picture by delta pixels does. */
    void pTrascina(const QPoint &delta);

    /** OK keeps the mode, "Sotto il banner", "Linee marcate" and the fill colour for the next dialog. */
    void accept() override;

private:
    void pAggiorna();
    void pImpostaScalaZoom();
    void pCambiaPagina(int iPagina);

    // the controls, found by tests through their object names
    TAnteprimaAdatta *PnlAnteprima = nullptr;
    QComboBox *CmbModo = nullptr; // "Adatta", "Riempi", "Originale"
    QCheckBox *ChkSottoBanner = nullptr;
    QCheckBox *ChkLineeMarcate = nullptr;
    QToolButton *BtnRuotaSinistra = nullptr;
    QToolButton *BtnRuotaDestra = nullptr;
    QPushButton *BtnColore = nullptr;
    QSpinBox *SpnPagina = nullptr;
    QSlider *SldZoom = nullptr; // steps of equal ratio: 0 is 100 %, iPassiZoom is 800 %
    QLabel *LblErrore = nullptr;
    QDialogButtonBox *BoxBottoni = nullptr;

    std::unique_ptr<TSorgente> m_pSorgente;
    QString m_sPassword;
    TDialogs &m_dialogs;
    TOpzioniAdatta m_opz;
};
