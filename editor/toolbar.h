#pragma once

#include <QWidget>

class QToolButton;
class TProjectDocument;

/**
 * The tool bar (Panel2): square 50 x 50 buttons without caption, each with
 * its bitmap and its hint, at the left edges of the window's design. The
 * buttons that need a project are enabled while one is open; "Zoom In" only
 * while a base area is shown. The camera's button is never shown.
 */
class TBarraStrumenti final : public QWidget
{
    Q_OBJECT

public:
    TBarraStrumenti(TProjectDocument &doc, QWidget *pParent);

    /** Loads the bitmaps from res/, each with the colour of its bottom-left pixel transparent; throws TOmbrixError
     *  naming the first file that cannot be read (the buttons after it keep their built-in pictures). */
    void pLoadToolbarIcons();
    /** The buttons follow the document: open project, shown area's level. */
    void pAggiorna();

signals:
    /** An add button: a new object of type iTipo. */
    void sigAggiungi(int iTipo);
    void sigNuovaArea();
    void sigSfondo();
    void sigZoomIn();

private:
    QToolButton *fBottone(const char *szNome) const;

    TProjectDocument &m_doc;
};
