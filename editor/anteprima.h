#pragma once

#include "editor/editorcontext.h"
#include "preview/mapsreader.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QLabel;
class QPushButton;
class QToolButton;

/** The page of the preview: the rendered area at 1x or 2x; a press is handed on in panel coordinates. */
class TPaginaAnteprima final : public QWidget
{
    Q_OBJECT

public:
    explicit TPaginaAnteprima(QWidget *pParent);
    void pSetPagina(const QImage &img, int iScala);
    const QImage &fPagina() const { return m_img; }
    int fScala() const { return m_iScala; }
    QSize sizeHint() const override;

signals:
    /** A press at pos, in the panel's 480 x 272 coordinates. */
    void premuto(const QPoint &pos);

protected:
    void paintEvent(QPaintEvent *pEvent) override;
    void mousePressEvent(QMouseEvent *pEvent) override;

private:
    QImage m_img;
    int m_iScala = 1;
};

/**
 * "Anteprima Pannello": the last export of the open project as the panel
 * shows it, read from "out" (maps.txt and the bitmaps), never from the
 * database. A press on a key or a zoom marker goes where the panel would
 * go. It says when "out" holds no export or one older than the database,
 * and "Esporta e aggiorna" runs the export command it was given and reloads.
 *
 * A maps.txt that cannot be read throws TOmbrixError from pRicarica, for
 * the command that called it to show.
 */
class TFrmAnteprima final : public QWidget
{
    Q_OBJECT

public:
    /** fnEsporta is the export command, which runs inside the command boundary. */
    TFrmAnteprima(const TContesto &ctx, std::function<void()> fnEsporta, QWidget *pParent);

    /** Reads "out" again and shows area iArea (the home when 0 or not exported). */
    void pRicarica(qint64 iArea = 0);
    /** Shows area iId of the export read last. */
    void pMostraArea(qint64 iId);
    /** The area shown, 0 for none. */
    qint64 fAreaMostrata() const { return m_iArea; }
    const TMappa &fMappa() const { return m_mappa; }

protected:
    void keyPressEvent(QKeyEvent *pEvent) override;

private:
    void pDisegna();
    void pPremuto(const QPoint &pos);

    TContesto m_ctx;
    std::function<void()> m_fnEsporta;
    QLabel *m_pStato = nullptr; // what is shown: missing or stale export
    QLabel *m_pArea = nullptr;  // the shown area's id and name
    QPushButton *m_pEsportaAggiorna = nullptr;
    QToolButton *m_pScala1 = nullptr;
    QToolButton *m_pScala2 = nullptr;
    TPaginaAnteprima *m_pPagina = nullptr;
    QButtonGroup *m_pScale = nullptr;
    TMappa m_mappa;
    QString m_sOut;
    qint64 m_iArea = 0;
};
