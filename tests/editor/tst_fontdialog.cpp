// The label font dialog: layout, start selection, the index rules of its two
// properties, and its memory between uses, driven with real mouse clicks.

#include "editor/fontdialog.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

class TstFontDialog : public QObject
{
    Q_OBJECT

private:
    // Clicks a radio item on its indicator, where a user aims.
    static void pClick(QRadioButton *item)
    {
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    }

    // Runs the dialog modally; while it is open, clicks the given items and then does the closing step.
    static void pRunModal(TFrmFont &frm, const std::function<void()> &fWhileOpen)
    {
        QTimer::singleShot(0, &frm, [&frm, fWhileOpen] {
            QVERIFY(frm.isVisible());
            fWhileOpen();
        });
        frm.exec();
        QVERIFY(!frm.isVisible());
    }

private slots:
    void layoutAndCaptions()
    {
        TFrmFont frm;
        QCOMPARE(frm.windowTitle(), QStringLiteral("Font"));
        QCOMPARE(frm.size(), QSize(302, 342));
        QCOMPARE(frm.findChild<QGroupBox *>("rgpDimensione")->objectName(), QStringLiteral("rgpDimensione"));
        QCOMPARE(frm.findChild<QGroupBox *>("rgpDimensione")->geometry(), QRect(16, 16, 121, 249));
        QCOMPARE(frm.findChild<QGroupBox *>("rgpDimensione")->title(), QStringLiteral("Dimensione"));
        QCOMPARE(frm.findChild<QGroupBox *>("rgpColore")->geometry(), QRect(160, 16, 121, 249));
        QCOMPARE(frm.findChild<QGroupBox *>("rgpColore")->title(), QStringLiteral("Colore"));
        QCOMPARE(frm.findChild<QPushButton *>("btnOk")->objectName(), QStringLiteral("btnOk"));
        QCOMPARE(frm.findChild<QPushButton *>("btnOk")->geometry(), QRect(16, 271, 265, 63));
        QCOMPARE(frm.findChild<QPushButton *>("btnOk")->text(), QStringLiteral("Ok"));

        const QStringList asSizes = {"8", "9", "10", "11", "12", "13", "14", "15", "16"};
        for (int i = 0; i < asSizes.size(); ++i) {
            QCOMPARE(frm.fItemDimensione(i)->text(), asSizes.at(i));
            QVERIFY(frm.findChild<QGroupBox *>("rgpDimensione")->rect().contains(frm.fItemDimensione(i)->geometry()));
        }
        QVERIFY(frm.fItemDimensione(9) == nullptr);
        const QStringList asColours = {"bianco",      "giallo",  "arancio", "rosa",  "rosso", "verdino",
                                       "verde scuro", "celeste", "blu",     "viola", "nero"};
        for (int i = 0; i < asColours.size(); ++i) {
            QCOMPARE(frm.fItemColore(i)->text(), asColours.at(i));
            QVERIFY(frm.findChild<QGroupBox *>("rgpColore")->rect().contains(frm.fItemColore(i)->geometry()));
        }
        QVERIFY(frm.fItemColore(11) == nullptr);
    }

    void startSelectionIsFourteenBlack()
    {
        TFrmFont frm;
        QVERIFY(frm.fItemDimensione(6)->isChecked());
        QVERIFY(frm.fItemColore(10)->isChecked());
        QCOMPARE(frm.Dimensione(), 7);
        QCOMPARE(frm.Colore(), 16);
        QCOMPARE(frm.property("Dimensione").toInt(), 7);
        QCOMPARE(frm.property("Colore").toInt(), 16);
    }

    void sizeIndexRules_data()
    {
        QTest::addColumn<int>("iSet");
        QTest::addColumn<int>("iItem");
        QTest::addColumn<int>("iRead");
        QTest::newRow("first") << 1 << 0 << 1;
        QTest::newRow("fourteen") << 7 << 6 << 7;
        QTest::newRow("last") << 9 << 8 << 9;
        QTest::newRow("never set") << 0 << 8 << 9;
        QTest::newRow("above nine") << 10 << 8 << 9;
        QTest::newRow("negative") << -3 << 8 << 9;
    }
    void sizeIndexRules()
    {
        QFETCH(int, iSet);
        QFETCH(int, iItem);
        QFETCH(int, iRead);
        TFrmFont frm;
        frm.SetDimensione(1 + (iItem + 4) % 9); // start from another item than the expected one
        frm.SetDimensione(iSet);
        QVERIFY(frm.fItemDimensione(iItem)->isChecked());
        QCOMPARE(frm.Dimensione(), iRead);
    }

    void colourIndexRules_data()
    {
        QTest::addColumn<int>("iSet");
        QTest::addColumn<int>("iItem");
        QTest::addColumn<int>("iRead");
        QTest::newRow("bianco") << 1 << 0 << 1;
        QTest::newRow("arancio") << 3 << 2 << 3;
        QTest::newRow("viola") << 10 << 9 << 10;
        QTest::newRow("nero") << 16 << 10 << 16;
        QTest::newRow("never set") << 0 << 10 << 16;
        QTest::newRow("unused eleven") << 11 << 10 << 16;
        QTest::newRow("fifteen") << 15 << 10 << 16;
        QTest::newRow("above sixteen") << 40 << 10 << 16;
    }
    void colourIndexRules()
    {
        QFETCH(int, iSet);
        QFETCH(int, iItem);
        QFETCH(int, iRead);
        TFrmFont frm;
        frm.SetColore(5);
        if (iItem == 4)
            frm.SetColore(1);
        frm.SetColore(iSet);
        QVERIFY(frm.fItemColore(iItem)->isChecked());
        QCOMPARE(frm.Colore(), iRead);
    }

    void okClosesAndTheChoiceIsKeptForTheNextUse()
    {
        TFrmFont frm;
        pRunModal(frm, [&frm] {
            pClick(frm.fItemDimensione(0));
            pClick(frm.fItemColore(4));
            QTest::mouseClick(frm.findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        });
        QCOMPARE(frm.Dimensione(), 1);
        QCOMPARE(frm.Colore(), 5);

        // The next use opens with the last choice and only changes what is clicked.
        pRunModal(frm, [&frm] {
            QVERIFY(frm.fItemDimensione(0)->isChecked());
            QVERIFY(frm.fItemColore(4)->isChecked());
            pClick(frm.fItemColore(8));
            QTest::mouseClick(frm.findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        });
        QCOMPARE(frm.Dimensione(), 1);
        QCOMPARE(frm.Colore(), 9);
    }

    void closingWithoutOkAlsoEndsItAndKeepsTheClicks()
    {
        TFrmFont frm;
        pRunModal(frm, [&frm] {
            pClick(frm.fItemDimensione(8));
            frm.close();
        });
        QCOMPARE(frm.Dimensione(), 9);
        QCOMPARE(frm.Colore(), 16);

        pRunModal(frm, [&frm] {
            pClick(frm.fItemColore(1));
            QTest::keyClick(&frm, Qt::Key_Escape);
        });
        QCOMPARE(frm.Colore(), 2);
    }

    void shownCentredOnTheScreen()
    {
        TFrmFont frm;
        pRunModal(frm, [&frm] {
            const QPoint centre = frm.screen()->availableGeometry().center();
            QVERIFY((frm.frameGeometry().center() - centre).manhattanLength() <= 2);
            frm.btnOkClick();
        });
    }
};

QTEST_MAIN(TstFontDialog)
#include "tst_fontdialog.moc"
