#pragma once

// Mouse events go through the window as the platform delivers them, so the
// pressed control keeps the pointer (implicit grab) until the release.
#define QTEST_QPA_MOUSE_HANDLING

// Shared steps of the canvas editing tests: a started window with a new
// project, real mouse clicks and drags on the placed controls, reading rows.

#include "editorfixture.h"

#include "document/projectdocument.h"
#include "editor/canvasitem.h"
#include "editor/frmbase.h"
#include "workspace/uty.h"

#include <QUndoStack>

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QWidget>

/** Starts the window on a fresh installation and creates the project "Casa" with its first base area. */
inline TFrmBase &fStartWithProject(TEditorFixture &fx, int iIconSize = 32)
{
    TFrmBase &frm = fx.pStart();
    if (iIconSize == 16)
        fA(frm, "N16")->trigger();
    else if (iIconSize == 48)
        fA(frm, "N48")->trigger();
    fx.pNewProject(QStringLiteral("Casa"));
    return frm;
}

/** The placed control of that name, or null. */
inline TCanvasItem *fPlaced(TFrmBase &frm, const QString &sName)
{
    for (TCanvasItem *pItem : fCanvas(frm).fItems())
        if (pItem->objectName() == sName)
            return pItem;
    return nullptr;
}

inline int fLastSensorId(TEditorFixture &fx)
{
    return fx.fQueryInt(QStringLiteral("select max(_id) from tbsensori"));
}

inline int fSensorCount(TEditorFixture &fx)
{
    return fx.fQueryInt(QStringLiteral("select count(*) from tbsensori"));
}

/** Makes the window active (a closed pop-up may have kept the activation) and presses a key on pTarget. */
inline void pTasto(TFrmBase &frm, QWidget *pTarget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int iVolte = 1)
{
    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    for (int i = 0; i < iVolte; ++i)
        QTest::keyClick(pTarget, key, modifiers);
}

inline int fColumn(TEditorFixture &fx, int iId, const QString &sColumn)
{
    return fx.fQueryInt(QStringLiteral("select ") + sColumn + QStringLiteral(" from tbsensori where _id = ") +
                        QString::number(iId));
}

/** Clicks a tool button with the mouse, answering the number prompt (if asked) with sAnswer. */
inline void pAddWithButton(TEditorFixture &fx, QToolButton *pButton, const QString &sAnswer = QString())
{
    if (!sAnswer.isNull())
        fx.dialogs.aInputAnswers << sAnswer;
    QTest::mouseClick(pButton, Qt::LeftButton);
}

/**
 * Drags a control with the mouse: press at pressAt (control coordinates), move
 * through each offset from the press point (window coordinates follow the
 * pointer, so the offsets are where the pointer goes), release at the last one
 * with the given modifiers (Alt: no snapping).
 */
inline void pDrag(TFrmBase &frm, QWidget *pControl, const QPoint &pressAt, const QList<QPoint> &aOffsets,
                  Qt::KeyboardModifiers eRilascio = {})
{
    const QPoint start = pControl->mapTo(&frm, pressAt);
    QTest::mousePress(pControl, Qt::LeftButton, {}, pressAt);
    QPoint last = start;
    for (const QPoint &offset : aOffsets) {
        last = start + offset;
        QTest::mouseMove(&frm, last);
    }
    QTest::mouseRelease(&frm, Qt::LeftButton, eRilascio, last);
}

/** Opens a control's pop-up menu as a right click does and picks one of its entries. */
inline void pPopupEntry(QWidget *pControl, QMenu *pMenu, QAction *pEntry)
{
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(2, 2), pControl->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(pControl, &ev);
    QVERIFY(pMenu->isVisible());
    pMenu->hide();
    pEntry->trigger();
}

/** A new contact with input 7 at (223, 119) labelled sText through its pop-up menu; returns its id. */
inline int fContactWithLabel(TEditorFixture &fx, const QString &sText)
{
    pAddWithButton(fx, fBtn(fx.frm(), "BtnContact"), QStringLiteral("7"));
    const int iId = fLastSensorId(fx);
    fx.dialogs.aInputAnswers << sText;
    pPopupEntry(fPlaced(fx.frm(), QStringLiteral("Contatto_%1_ingresso_7").arg(iId)), fW<QMenu>(fx.frm(), "popImg"),
                fA(fx.frm(), "MnuAggiungitesto"));
    return iId;
}

/** Shows the open project afresh (reopens it: the first area is selected and loaded from the database). */
inline void pReopen(TFrmBase &frm)
{
    const QString sDb = fProjectConn().fDatabase();
    frm.pRunCommand([&] { frm.pOpenProjectFile(sDb); });
}

/** The picture file as the canvas shows it, for comparing pixels. */
inline QImage fPictureOf(const QString &sFile)
{
    return QImage(sGlobGrfcPath + sFile).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

inline QImage fPictureOf(const QWidget *pControl)
{
    const auto *pLabel = qobject_cast<const QLabel *>(pControl);
    return pLabel ? pLabel->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) : QImage();
}

/** A new object of the button's type with that number, its icon moved to pos; returns its id. */
inline int fOggetto(TEditorFixture &fx, QToolButton *pButton, const QString &sNumero, const QPoint &pos)
{
    pAddWithButton(fx, pButton, sNumero);
    const int iId = fLastSensorId(fx);
    fx.frm().fDocument().pSpostaOggetto(iId, 0, pos);
    return iId;
}

/** The entry sTesto of the submenu "Allinea". */
inline QAction *fVoceAllinea(TFrmBase &frm, const QString &sTesto)
{
    for (QAction *p : fW<QMenu>(frm, "MnuAllinea")->actions())
        if (p->text() == sTesto)
            return p;
    return nullptr;
}
