// One language at a time on the real window: the toolkit's own folder dialog
// of "Nuovo Progetto" speaks the interface's language, and so do the guide
// that F1 opens and the words of the canvas banner.

#include "editor/dialogs.h"
#include "editor/fontdialog.h"
#include "editor/frmbase.h"
#include "editor/selectionmodel.h"
#include "editorfixture.h"
#include "helpers/lingueprova.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

class TstLingua : public QObject
{
    Q_OBJECT

private slots:
    void newProjectFolderDialogInTheLanguage_data();
    void newProjectFolderDialogInTheLanguage();
    void guideAndBannerInTheLanguage_data();
    void guideAndBannerInTheLanguage();
    void englishWalkFindsNoItalian();
    void dialogsShowEveryTextWhole_data();
    void dialogsShowEveryTextWhole();
};

void TstLingua::newProjectFolderDialogInTheLanguage_data()
{
    pColonnaLingua();
    QTest::addColumn<QStringList>("asAttesi"); // title, "Look in", the buttons
    fRiga("folder dialog", "it") << QStringList{"Seleziona una cartella", "Cerca in:", "Scegli", "Annulla"};
    fRiga("folder dialog", "en") << QStringList{"Select a directory", "Look in:", "Choose", "Cancel"};
}

void TstLingua::newProjectFolderDialogInTheLanguage()
{
    QFETCH(QString, lingua);
    QFETCH(QStringList, asAttesi);
    const TLinguaDiProva parla(lingua);
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    frm.pSetDialogs(nullptr); // the toolkit's real dialogs

    // the name is typed in the input box; the folder dialog is looked at, then cancelled
    QStringList asVisti;
    auto *pTimer = new QTimer(this);
    connect(pTimer, &QTimer::timeout, this, [&asVisti, pTimer] {
        QWidget *pModal = QApplication::activeModalWidget();
        if (auto *pInput = qobject_cast<QInputDialog *>(pModal)) {
            pInput->setTextValue(QStringLiteral("casa"));
            pInput->accept();
        } else if (auto *pDlg = qobject_cast<QFileDialog *>(pModal)) {
            pTimer->stop();
            asVisti << pDlg->windowTitle();
            if (auto *pCercaIn = pDlg->findChild<QLabel *>(QStringLiteral("lookInLabel")))
                asVisti << pCercaIn->text();
            if (auto *pBox = pDlg->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
                for (QAbstractButton *pBtn : pBox->buttons())
                    asVisti << pBtn->text().remove(QLatin1Char('&'));
            pDlg->reject();
        }
    });
    pTimer->start(20);
    QAction *pNuovo = frm.findChild<QAction *>(QStringLiteral("MnuNuovoProgetto"));
    QVERIFY(pNuovo);
    pNuovo->trigger();
    delete pTimer;
    QCOMPARE(asVisti, asAttesi);
    QCOMPARE(fx.dialogs.asErrors, QStringList());
}

void TstLingua::guideAndBannerInTheLanguage_data()
{
    pColonnaLingua();
    QTest::addColumn<QString>("sTitolo");   // the guide's
    QTest::addColumn<QString>("sCapitolo"); // one of its headings
    QTest::addColumn<QString>("sBanner");   // the base level's banner picture
    fRiga("guide, banner", "it") << "Guida di Ombrix"
                                 << "Aree di dettaglio (zoom)"
                                 << "ban1.png";
    fRiga("guide, banner", "en") << "Ombrix guide"
                                 << "Detail areas (zoom)"
                                 << "ban1_en.png";
}

void TstLingua::guideAndBannerInTheLanguage()
{
    QFETCH(QString, lingua);
    QFETCH(QString, sTitolo);
    QFETCH(QString, sCapitolo);
    QFETCH(QString, sBanner);
    const TLinguaDiProva parla(lingua);
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject(QStringLiteral("casa"));

    QAction *pGuida = frm.findChild<QAction *>(QStringLiteral("MnuGuida"));
    QVERIFY(pGuida);
    QCOMPARE(pGuida->shortcut(), QKeySequence(Qt::Key_F1));
    pGuida->trigger();
    auto *pBrowser = frm.findChild<QTextBrowser *>(QStringLiteral("FrmGuida"));
    QVERIFY(pBrowser && pBrowser->isVisible());
    QCOMPARE(pBrowser->windowTitle(), sTitolo);
    QCOMPARE(pBrowser->documentTitle(), sTitolo);
    const QString sTesto = pBrowser->toPlainText();
    QVERIFY2(sTesto.contains(sCapitolo), qPrintable(sTesto.left(200)));
    // not a word of the other language's guide
    const QString sAltroCapitolo =
        lingua == QLatin1String("en") ? QStringLiteral("Aree di dettaglio") : QStringLiteral("Detail areas");
    QVERIFY(!sTesto.contains(sAltroCapitolo));

    // the banner's words are drawn in the language: the picture is that language's one
    auto *pBanner = frm.findChild<QLabel *>(QStringLiteral("ImgBanner"));
    QVERIFY(pBanner);
    const QImage imgBanner = pBanner->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage imgAtteso = QImage(fx.fRoot() + "grfc/" + sBanner).convertToFormat(QImage::Format_ARGB32);
    const QImage imgAltro = QImage(fx.fRoot() + "grfc/" + (lingua == QLatin1String("en") ? "ban1.png" : "ban1_en.png"))
                                .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!imgAtteso.isNull());
    QCOMPARE(imgBanner, imgAtteso);
    QVERIFY(imgBanner != imgAltro);
}

namespace {

QString fSenzaAcceleratori(QString s)
{
    s.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    s.remove(QLatin1Char('&'));
    s.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return s.trimmed();
}

/** The Italian sources that the English translation gives otherwise: a text shown in English must be none of them.
 *  Texts with arguments are left out, since only their filled-in form is ever shown. */
QSet<QString> fSorgentiItaliane()
{
    QSet<QString> aSorgenti;
    QFile ts(QStringLiteral(OMBRIX_SOURCE_DIR "translations/ombrix_en.ts"));
    if (!ts.open(QIODevice::ReadOnly))
        return aSorgenti;
    QXmlStreamReader xml(&ts);
    QString sSorgente;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            sSorgente = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString sInglese = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            const QString sItaliano = fSenzaAcceleratori(sSorgente);
            if (!sInglese.isEmpty() && fSenzaAcceleratori(sInglese) != sItaliano && !sSorgente.contains('%') &&
                sItaliano.size() > 1)
                aSorgenti.insert(sItaliano);
        }
    }
    return aSorgenti;
}

/** Every text a person can see or hear in the window: widgets shown, every menu's entries and hints, docks,
 *  tables and trees with their headers. */
QStringList fTestiVisibili(const QWidget &finestra)
{
    QStringList asTesti;
    auto fAggiungi = [&asTesti](const QString &s) {
        for (const QString &sRiga : s.split(QLatin1Char('\n')))
            if (!sRiga.trimmed().isEmpty())
                asTesti << fSenzaAcceleratori(sRiga);
    };
    auto fAzioni = [&](const QList<QAction *> &aAzioni) {
        for (const QAction *pAz : aAzioni) {
            fAggiungi(pAz->text());
            fAggiungi(pAz->toolTip());
            fAggiungi(pAz->statusTip());
        }
    };
    for (const QMenu *pMenu : finestra.findChildren<QMenu *>()) {
        fAggiungi(pMenu->title());
        fAzioni(pMenu->actions());
    }
    for (const QWidget *pW : finestra.findChildren<QWidget *>()) {
        if (!pW->isVisible())
            continue;
        fAggiungi(pW->toolTip());
        fAggiungi(pW->accessibleName());
        if (pW->isWindow())
            fAggiungi(pW->windowTitle());
        if (const auto *pLabel = qobject_cast<const QLabel *>(pW))
            fAggiungi(Qt::mightBeRichText(pLabel->text())
                          ? QTextDocumentFragment::fromHtml(pLabel->text()).toPlainText()
                          : pLabel->text());
        else if (const auto *pBtn = qobject_cast<const QAbstractButton *>(pW))
            fAggiungi(pBtn->text());
        else if (const auto *pDock = qobject_cast<const QDockWidget *>(pW))
            fAggiungi(pDock->windowTitle());
        else if (const auto *pCombo = qobject_cast<const QComboBox *>(pW)) {
            for (int i = 0; i < pCombo->count(); ++i)
                fAggiungi(pCombo->itemText(i));
        } else if (const auto *pTabella = qobject_cast<const QTableWidget *>(pW)) {
            for (int r = -1; r < pTabella->rowCount(); ++r)
                for (int c = 0; c < pTabella->columnCount(); ++c) {
                    const QTableWidgetItem *pItem = r < 0 ? pTabella->horizontalHeaderItem(c) : pTabella->item(r, c);
                    if (pItem) {
                        fAggiungi(pItem->text());
                        fAggiungi(pItem->toolTip());
                    }
                }
        } else if (const auto *pAlbero = qobject_cast<const QTreeWidget *>(pW)) {
            for (int c = 0; c < pAlbero->columnCount(); ++c)
                fAggiungi(pAlbero->headerItem()->text(c));
        }
    }
    return asTesti;
}

} // namespace

// The English interface walked with a project of every kind of object: its menus and pop-ups, the tool bar, the
// status bar on an object, both docks, the preview and the font dialog show no text that is still Italian.
void TstLingua::englishWalkFindsNoItalian()
{
    const QSet<QString> aItaliano = fSorgentiItaliane();
    QVERIFY(aItaliano.size() > 200);
    QVERIFY(aItaliano.contains(QStringLiteral("Esporta Progetto")));
    const TLinguaDiProva parla(QStringLiteral("en"));
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    QStringList asItaliani;
    auto fCerca = [&](const char *szDove) {
        for (const QString &s : fTestiVisibili(frm))
            if (aItaliano.contains(s))
                asItaliani << QStringLiteral("%1: %2").arg(QLatin1String(szDove), s);
    };
    fCerca("welcome");
    fx.pNewProject(QStringLiteral("casa"));
    fx.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (2, 1, 1, \"Cucina\", 0)");
    for (const char *szSql :
         {"insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, CoordX2, "
          "CoordY2, Orientamento) values (1, 0, 5, 32, 4, 100, 80, 140, 92, 0)",
          "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
          "Orientamento) values (1, 2, 0, 32, 3, 10, 40, 0)",
          "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
          "Orientamento, Testo, CoordXt, CoordYt, FontTxt, ColorTxt) values (1, 0, 12, 32, 6, 200, 100, 0, "
          "\"Luce\", 240, 104, 1, 2)",
          "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
          "Orientamento) values (1, 0, 12, 32, 6, 300, 100, 0)",
          "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
          "Orientamento) values (1, 0, 1500, 32, 1, 300, 200, 0)"})
        fx.pExec(QString::fromLatin1(szSql));
    fx.pOpenProject(fx.fProgetti() + "casa/casa.omb");
    const int iLampada = fx.fQueryInt("select _id from tbsensori where Testo = \"Luce\"");
    frm.fSelezione().pSeleziona(TChiave{iLampada, TParte::Icona});
    fCerca("an icon selected");
    for (QLabel *pCella : frm.findChild<QStatusBar *>(QStringLiteral("SbarAree"))->findChildren<QLabel *>())
        if (pCella->isVisible())
            QVERIFY2(pCella->width() >= pCella->sizeHint().width() && pCella->toolTip() == pCella->text(),
                     qPrintable(pCella->objectName() + ": " + pCella->text()));
    frm.fSelezione().pSeleziona(TChiave{iLampada, TParte::Testo});
    fCerca("a label selected");
    frm.findChild<QAction *>(QStringLiteral("MnuVerificaProgetto"))->trigger();
    fCerca("check dock");
    frm.findChild<QAction *>(QStringLiteral("MnuIngressiUscite"))->trigger();
    fCerca("input/output dock");
    frm.findChild<QAction *>(QStringLiteral("MnuEsportaProgetto"))->trigger();
    frm.findChild<QAction *>(QStringLiteral("MnuAnteprimaPannello"))->trigger();
    fCerca("preview");
    TFrmFont font(&frm);
    font.show();
    fCerca("font dialog");
    QVERIFY2(asItaliani.isEmpty(), qPrintable(asItaliani.join(QLatin1Char('\n'))));
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
}

void TstLingua::dialogsShowEveryTextWhole_data()
{
    pColonnaLingua();
    QTest::addColumn<double>("dScala"); // of the system font
    for (const QString &sLingua : fLingue()) {
        fRiga("default font", sLingua) << 1.0;
        fRiga("font at 1.5 x", sLingua) << 1.5;
    }
}

// Every label and button of the editor's own dialogs has the room its text asks for, in each language, at the
// default font and at one half as large again.
void TstLingua::dialogsShowEveryTextWhole()
{
    QFETCH(QString, lingua);
    QFETCH(double, dScala);
    const TLinguaDiProva parla(lingua);
    const QFont fontDiSistema = QApplication::font();
    QFont font = fontDiSistema;
    font.setPointSizeF(font.pointSizeF() * dScala);
    QApplication::setFont(font);
    QStringList asTagliati;
    auto fVerifica = [&asTagliati](const QWidget &dlg) {
        for (const QWidget *pW : dlg.findChildren<QWidget *>()) {
            if (!pW->isVisible())
                continue;
            const auto *pLabel = qobject_cast<const QLabel *>(pW);
            const auto *pBtn = qobject_cast<const QAbstractButton *>(pW);
            const auto *pGruppo = qobject_cast<const QGroupBox *>(pW);
            QSize richiesta;
            if (pLabel && !pLabel->wordWrap())
                richiesta = pLabel->sizeHint();
            else if (pBtn)
                richiesta = pBtn->sizeHint();
            else if (pGruppo)
                richiesta = QSize(pGruppo->fontMetrics().horizontalAdvance(pGruppo->title()) + 16, 0);
            else
                continue;
            if (pW->width() < richiesta.width() || pW->height() < richiesta.height())
                asTagliati << QStringLiteral("%1 \"%2\": %3 x %4 for %5 x %6")
                                  .arg(dlg.windowTitle(), pLabel ? pLabel->text()
                                                          : pBtn ? pBtn->text()
                                                                 : pGruppo->title())
                                  .arg(pW->width())
                                  .arg(pW->height())
                                  .arg(richiesta.width())
                                  .arg(richiesta.height());
        }
    };
    {
        TFrmFont frmFont;
        frmFont.show();
        fVerifica(frmFont);
    }
    // the dialogs made on demand: looked at while they wait for an answer, then cancelled
    TQtDialogs dialogs(nullptr);
    auto fGuarda = [&] {
        QTimer::singleShot(0, [&] {
            QWidget *pDlg = QApplication::activeModalWidget();
            QVERIFY(pDlg);
            fVerifica(*pDlg);
            if (auto *p = qobject_cast<QDialog *>(pDlg))
                p->reject();
        });
    };
    TProprieta prop;
    prop.sNumero = QStringLiteral("7");
    prop.iTipo = 6;
    prop.aTipi = {6, 7, 8, 9, 10};
    prop.sTesto = QStringLiteral("Luce sogg.");
    prop.iFont = 1;
    prop.iColore = 2;
    fGuarda();
    dialogs.fProprieta(prop, [](const QString &, int) { return QString(); }, {});
    TOpzioniIncolla opzioni;
    fGuarda();
    dialogs.fIncollaSpeciale(QStringLiteral("Incolla speciale"), opzioni,
                             [](const TOpzioniIncolla &) { return QString(); }, {});
    fGuarda();
    dialogs.fScelta(QStringLiteral("Esporta Progetto"),
                    QStringLiteral("La verifica ha trovato 2 errori: il pannello mostrerebbe queste pagine in modo "
                                   "sbagliato. Esportare comunque?"),
                    {QStringLiteral("Esporta"), QStringLiteral("Mostra errori"), QStringLiteral("Annulla")});
    fGuarda();
    dialogs.fScegliCopia({QStringLiteral("01/12/2026 10:00:00  all'apertura")}, {true});
    QApplication::setFont(fontDiSistema);
    QVERIFY2(asTagliati.isEmpty(), qPrintable(asTagliati.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TstLingua)
#include "tst_lingua.moc"
