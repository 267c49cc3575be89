// Mistakes caught where they are made, on the real window: I/O numbers in the
// panel's range at entry, refused input asked again as typed, the export that
// knows the check, pictures of the wrong size, objects named in the
// installer's words, and the commands that say why.

#include "tst_placement_helpers.h"

#include "editor/dialogs.h"
#include "editor/fitdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QHeaderView>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

const QString sFuoriCampo = QStringLiteral("Il numero deve essere tra 1 e 999");
const QString sNumerico = QStringLiteral("E' necessario un valore NUMERICO");

/** Runs fWhenOpen once on the first modal widget of class T that shows. */
template <class T> void pQuandoModale(QObject *pContesto, std::function<void(T *)> fWhenOpen)
{
    auto *pTimer = new QTimer(pContesto);
    QObject::connect(pTimer, &QTimer::timeout, pContesto, [pTimer, fWhenOpen] {
        auto *p = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!p)
            return;
        pTimer->stop();
        pTimer->deleteLater();
        fWhenOpen(p);
    });
    pTimer->start(10);
}

/** Puts an object's number out of the panel's range behind the editor's back, and shows the project afresh. */
void pNumeroFuori(TEditorFixture &fx, int iId, int iNumero)
{
    fx.pExec(QStringLiteral("update tbsensori set NumSensore = %1 where _id = %2").arg(iNumero).arg(iId));
    pReopen(fx.frm());
}

QStringList fFileOut()
{
    return QDir(fProjectOut()).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TstValidazione : public QObject
{
    Q_OBJECT

private slots:
    // numbers at entry
    void numbersAtEntry_data();
    void numbersAtEntry();
    void storedNumberOutsideTheRangeStays();
    void offsetsOutsideTheRange_data();
    void offsetsOutsideTheRange();
    // nothing typed is lost
    void refusedLabelAskedAgainAsTyped_data();
    void refusedLabelAskedAgainAsTyped();
    void dialogsStayOpenOnARefusal();
    // the export knows the check
    void exportAsksWhenTheCheckFindsErrors_data();
    void exportAsksWhenTheCheckFindsErrors();
    void exportCommandLineToldOfErrors();
    // pictures of the wrong size
    void pictureOfTheWrongSize_data();
    void pictureOfTheWrongSize();
    // the installer's words
    void messagesNameTypeNumberAndLabel();
    void greyedDeleteSaysWhy();
};

void TstValidazione::numbersAtEntry_data()
{
    QTest::addColumn<bool>("bProprieta");
    QTest::addColumn<QString>("sDigitato");
    QTest::addColumn<QString>("sMessaggio"); // empty: taken at once
    for (const bool bProprieta : {false, true}) {
        const char *szVia = bProprieta ? "Proprietà" : "placing";
        for (const char *sz : {"0", "1000", "-5", "9999"})
            QTest::addRow("%s %s", szVia, sz) << bProprieta << QString::fromLatin1(sz) << sFuoriCampo;
        QTest::addRow("%s letters", szVia) << bProprieta << QStringLiteral("12a") << sNumerico;
        QTest::addRow("%s 999", szVia) << bProprieta << QStringLiteral(" 999 ") << QString();
    }
}

void TstValidazione::numbersAtEntry()
{
    QFETCH(bool, bProprieta);
    QFETCH(QString, sDigitato);
    QFETCH(QString, sMessaggio);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const QString sAtteso = sMessaggio.isEmpty() ? sDigitato.trimmed() : QStringLiteral("7");

    if (!bProprieta) {
        fx.dialogs.aInputAnswers << sDigitato << QStringLiteral("7");
        fx.dialogs.asInputDefaults.clear();
        QTest::mouseClick(fBtn(frm, "BtnContact"), Qt::LeftButton);
        // refused: the same box again, holding what was typed
        const QStringList asDefaults =
            sMessaggio.isEmpty() ? QStringList{QString()} : QStringList{QString(), sDigitato};
        QCOMPARE(fx.dialogs.asInputDefaults, asDefaults);
    } else {
        pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("5"));
        const int iId = fLastSensorId(fx);
        fx.dialogs.pOnProprieta = [sDigitato, iVolte = 0](TProprieta &p) mutable {
            p.sNumero = iVolte++ == 0 ? sDigitato : QStringLiteral("7");
            p.sTesto = QStringLiteral("Cucina");
            return true;
        };
        pPopupEntry(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_5").arg(iId)), fW<QMenu>(frm, "popImg"),
                    fA(frm, "PopProprieta"));
        QCOMPARE(fx.dialogs.aProprietaMostrate.size(), sMessaggio.isEmpty() ? 1 : 2);
        if (!sMessaggio.isEmpty()) { // the dialog went on with every field as typed, on the wrong one
            QCOMPARE(fx.dialogs.aProprietaMostrate.last().sNumero, sDigitato);
            QCOMPARE(fx.dialogs.aProprietaMostrate.last().sTesto, QStringLiteral("Cucina"));
            QCOMPARE(fx.dialogs.asCampiRifiutati, QStringList{QStringLiteral("EdtNumero")});
        }
    }
    QCOMPARE(fx.dialogs.asMessages, sMessaggio.isEmpty() ? QStringList() : QStringList{sMessaggio});
    QCOMPARE(fSensorCount(fx), 1);
    QCOMPARE(fColumn(fx, fLastSensorId(fx), QStringLiteral("NumSensore")), sAtteso.toInt());
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstValidazione::storedNumberOutsideTheRangeStays()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("5"));
    const int iId = fLastSensorId(fx);
    pNumeroFuori(fx, iId, 9999);
    QVERIFY(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_9999").arg(iId))); // loaded and shown as stored
    // "Proprietà" with the number left as it was: the label is taken, the number stays
    fx.dialogs.pOnProprieta = [](TProprieta &p) {
        p.sTesto = QStringLiteral("Porta");
        return true;
    };
    pPopupEntry(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_9999").arg(iId)), fW<QMenu>(frm, "popImg"),
                fA(frm, "PopProprieta"));
    QVERIFY(fx.dialogs.asMessages.isEmpty());
    QCOMPARE(fColumn(fx, iId, QStringLiteral("NumSensore")), 9999);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where Testo = 'Porta'")), 1);
}

void TstValidazione::offsetsOutsideTheRange_data()
{
    QTest::addColumn<QString>("sVia");
    QTest::addColumn<int>("iNumero");
    QTest::addColumn<QString>("sMessaggio");
    const QString sPorta5 = sFuoriCampo + QStringLiteral(": contatto, ingresso 5 «Porta» diventerebbe 1000");
    QTest::newRow("Incolla speciale +995") << "MnuIncollaSpeciale" << 5 << sPorta5;
    QTest::newRow("Duplica area +995") << "PopDuplicaArea" << 5 << sPorta5;
    QTest::newRow("Ctrl+D at 999") << "MnuDuplica" << 999
                                   << sFuoriCampo +
                                          QStringLiteral(": contatto, ingresso 999 «Porta» diventerebbe 1000");
}

void TstValidazione::offsetsOutsideTheRange()
{
    QFETCH(QString, sVia);
    QFETCH(int, iNumero);
    QFETCH(QString, sMessaggio);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QString::number(iNumero));
    const int iId = fLastSensorId(fx);
    frm.fDocument().pAggiungiTesto(iId, QPoint(270, 123), 3, 2, QStringLiteral("Porta"));
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("3")); // an output, which the offset leaves alone
    const int iRighe = fSensorCount(fx);
    const int iAree = fx.fQueryInt(QStringLiteral("select count(*) from tbarea"));
    fCanvas(frm).setFocus();
    frm.fSelezione().pSeleziona({iId, TParte::Icona});
    fA(frm, "MnuCopia")->trigger();

    // refused in the dialog, naming the number; then an offset that stays in the range is taken
    fx.dialogs.pOnIncolla = [iVolte = 0](TOpzioniIncolla &o) mutable {
        o.iOffsetIngressi = iVolte++ == 0 ? 995 : 994;
        return true;
    };
    fA(frm, sVia.toLatin1().constData())->trigger();
    QCOMPARE(fx.dialogs.asMessages, QStringList{sMessaggio});
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    if (sVia == QStringLiteral("MnuDuplica")) {
        QCOMPARE(fSensorCount(fx), iRighe); // nothing made
        QVERIFY(fx.dialogs.asIncollaTitoli.isEmpty());
        return;
    }
    QCOMPARE(fx.dialogs.asIncollaTitoli.size(), 2); // the same dialog, still open
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where NumSensore = 999")), 1);
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where NumSensore > 999")), 0);
    if (sVia == QStringLiteral("PopDuplicaArea"))
        QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbarea")), iAree + 1);
    else
        QCOMPARE(fSensorCount(fx), iRighe + 1);
}

void TstValidazione::refusedLabelAskedAgainAsTyped_data()
{
    QTest::addColumn<QString>("sDigitato");
    QTest::addColumn<QString>("sMessaggio");
    QTest::addColumn<QString>("sCorretto");
    const QString s25 = QStringLiteral("Luce soggiorno e cucina!");
    QTest::newRow("25 characters") << s25 + QStringLiteral("!") << QStringLiteral("Massimo 19 caratteri!")
                                   << s25.left(19);
    QTest::newRow("control character") << QStringLiteral("Porta\tnord")
                                       << QStringLiteral("Il testo non può contenere caratteri di controllo")
                                       << QStringLiteral("Porta nord");
}

void TstValidazione::refusedLabelAskedAgainAsTyped()
{
    QFETCH(QString, sDigitato);
    QFETCH(QString, sMessaggio);
    QFETCH(QString, sCorretto);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    const int iId = fLastSensorId(fx);
    fx.dialogs.aInputAnswers << sDigitato << sCorretto;
    fx.dialogs.asInputDefaults.clear();
    pPopupEntry(fPlaced(frm, QStringLiteral("Contatto_%1_ingresso_7").arg(iId)), fW<QMenu>(frm, "popImg"),
                fA(frm, "MnuAggiungitesto"));
    QCOMPARE(fx.dialogs.asMessages, QStringList{sMessaggio});
    QCOMPARE(fx.dialogs.asInputDefaults, (QStringList{QString(), sDigitato}));
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where Testo = '%1'").arg(sCorretto)), 1);
    QVERIFY(fPlaced(frm, QStringLiteral("Testo_%1").arg(iId)));

    // a cancelled box is never asked again
    fx.dialogs.asInputDefaults.clear();
    fx.dialogs.aInputAnswers << sDigitato << std::nullopt;
    pPopupEntry(fPlaced(frm, QStringLiteral("Testo_%1").arg(iId)), fW<QMenu>(frm, "PopLabel"), fA(frm, "popModTesto"));
    QCOMPARE(fx.dialogs.asInputDefaults, (QStringList{sCorretto, sDigitato}));
    QCOMPARE(fx.fQueryInt(QStringLiteral("select count(*) from tbsensori where Testo = '%1'").arg(sCorretto)), 1);
}

void TstValidazione::dialogsStayOpenOnARefusal()
{
    QWidget parent;
    TQtDialogs dialogs(&parent);
    TProprieta prop;
    prop.sNumero = QStringLiteral("5");
    prop.iTipo = 2;
    prop.aTipi = {1, 2, 4, 5};
    const TFnVerificaProprieta fnVerifica = [](const TProprieta &p) -> std::optional<TRifiutoProprieta> {
        if (p.sNumero != QStringLiteral("7"))
            return TRifiutoProprieta{sFuoriCampo, QStringLiteral("EdtNumero")};
        return std::nullopt;
    };
    QString sMostrato, sNumeroDopo, sTestoDopo;
    bool bAperto = false, bFocus = false;
    pQuandoModale<QDialog>(this, [&](QDialog *pDlg) {
        auto *pNumero = pDlg->findChild<QLineEdit *>(QStringLiteral("EdtNumero"));
        auto *pTesto = pDlg->findChild<QLineEdit *>(QStringLiteral("EdtTesto"));
        pNumero->setText(QStringLiteral("9999"));
        pTesto->setText(QStringLiteral("Cucina"));
        pTesto->setFocus();
        pQuandoModale<QMessageBox>(this, [&](QMessageBox *pBox) {
            sMostrato = pBox->text();
            pBox->accept();
        });
        auto *pBottoni = pDlg->findChild<QDialogButtonBox *>();
        pBottoni->button(QDialogButtonBox::Ok)->click(); // refused: the message box shows and is closed
        bAperto = pDlg->isVisible();
        sNumeroDopo = pNumero->text();
        sTestoDopo = pTesto->text();
        bFocus = pDlg->focusWidget() == pNumero;
        pNumero->setText(QStringLiteral("7"));
        pBottoni->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(dialogs.fProprieta(
        prop, [](const QString &, int) { return QString(); }, fnVerifica));
    QCOMPARE(sMostrato, sFuoriCampo);
    QVERIFY(bAperto);
    QCOMPARE(sNumeroDopo, QStringLiteral("9999"));
    QCOMPARE(sTestoDopo, QStringLiteral("Cucina"));
    QVERIFY(bFocus);
    QCOMPARE(prop.sNumero, QStringLiteral("7"));
    QCOMPARE(prop.sTesto, QStringLiteral("Cucina"));

    // "Incolla speciale" likewise stays open on refused offsets
    TOpzioniIncolla opzioni;
    sMostrato.clear();
    bAperto = false;
    pQuandoModale<QDialog>(this, [&](QDialog *pDlg) {
        auto *pIngressi = pDlg->findChild<QSpinBox *>(QStringLiteral("SpnOffsetIngressi"));
        pIngressi->setValue(995);
        pQuandoModale<QMessageBox>(this, [&](QMessageBox *pBox) {
            sMostrato = pBox->text();
            pBox->accept();
        });
        auto *pBottoni = pDlg->findChild<QDialogButtonBox *>();
        pBottoni->button(QDialogButtonBox::Ok)->click();
        bAperto = pDlg->isVisible() && pIngressi->value() == 995;
        pIngressi->setValue(994);
        pBottoni->button(QDialogButtonBox::Ok)->click();
    });
    const auto fRifiuto = [](const TOpzioniIncolla &o) { return o.iOffsetIngressi > 994 ? sFuoriCampo : QString(); };
    QVERIFY(dialogs.fIncollaSpeciale(
        QStringLiteral("Incolla speciale"), opzioni, [](const TOpzioniIncolla &) { return QString(); }, fRifiuto));
    QCOMPARE(sMostrato, sFuoriCampo);
    QVERIFY(bAperto);
    QCOMPARE(opzioni.iOffsetIngressi, 994);
}

void TstValidazione::exportAsksWhenTheCheckFindsErrors_data()
{
    QTest::addColumn<int>("iRisposta"); // -1: no errors, no question
    QTest::newRow("Esporta") << 0;
    QTest::newRow("Mostra errori") << 1;
    QTest::newRow("Annulla") << 2;
    QTest::newRow("no errors") << -1;
}

void TstValidazione::exportAsksWhenTheCheckFindsErrors()
{
    QFETCH(int, iRisposta);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("8"));
    if (iRisposta >= 0) {
        pNumeroFuori(fx, fLastSensorId(fx) - 1, 9999);
        pNumeroFuori(fx, fLastSensorId(fx), 10099);
    }
    QFile vecchio(fProjectOut() + QStringLiteral("vecchio.txt")); // what an earlier export left
    QVERIFY(vecchio.open(QIODevice::WriteOnly));
    vecchio.close();

    fx.dialogs.aiScelte << iRisposta;
    fA(frm, "MnuEsportaProgetto")->trigger();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));
    if (iRisposta < 0) {
        QVERIFY(fx.dialogs.asScelte.isEmpty());
    } else {
        QCOMPARE(fx.dialogs.asScelte,
                 QStringList{QStringLiteral("La verifica ha trovato 2 errori: il pannello mostrerebbe queste pagine in "
                                            "modo sbagliato. Esportare comunque?")});
        QCOMPARE(fx.dialogs.aBottoniScelte.first(),
                 (QStringList{QStringLiteral("Esporta"), QStringLiteral("Mostra errori"), QStringLiteral("Annulla")}));
    }
    QCOMPARE(fW<QDockWidget>(frm, "DockVerifica")->isVisible(), iRisposta == 1);
    if (iRisposta > 0) { // "out" untouched
        QCOMPARE(fFileOut(), QStringList{QStringLiteral("vecchio.txt")});
        QVERIFY(fx.dialogs.asMessages.isEmpty());
        return;
    }
    QCOMPARE(fFileOut(), (QStringList{QStringLiteral("file0001.bmp"), QStringLiteral("maps.txt")}));
    QCOMPARE(fx.dialogs.asMessages,
             QStringList{QStringLiteral("Esportazione effettuata correttamente!\n1 pagina in ") + fProjectOut()});
}

void TstValidazione::exportCommandLineToldOfErrors()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    pAddWithButton(fx, fBtn(frm, "BtnVolumetrico"), QStringLiteral("8"));
    pNumeroFuori(fx, fLastSensorId(fx) - 1, 9999);
    pNumeroFuori(fx, fLastSensorId(fx), 10099);
    const QString sDb = fProjectConn().fDatabase();
    fx.dialogs.aiScelte << 0;
    fA(frm, "MnuEsportaProgetto")->trigger(); // exported anyway, from the editor
    QHash<QString, QByteArray> aFile;
    for (const QString &s : fFileOut())
        aFile.insert(s, TEditorFixture::fReadAll(fProjectOut() + s));
    QVERIFY(aFile.value(QStringLiteral("maps.txt")).contains(",9999,"));
    QVERIFY(aFile.value(QStringLiteral("maps.txt")).contains(",10099,"));

    QProcess proc;
    proc.start(QStringLiteral(OMBRIX_BIN), {QStringLiteral("--export"), sDb});
    QVERIFY(proc.waitForFinished(60000));
    QCOMPARE(proc.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(proc.readAllStandardError()),
             QStringLiteral("ombrix: la verifica ha trovato 2 errori (ombrix --check %1)\n").arg(sDb));
    QCOMPARE(QString::fromLocal8Bit(proc.readAllStandardOutput()),
             QStringLiteral("Esportazione effettuata correttamente!\n"));
    QStringList asFile = aFile.keys();
    asFile.sort();
    QCOMPARE(fFileOut(), asFile);
    for (auto it = aFile.cbegin(); it != aFile.cend(); ++it)
        QVERIFY2(TEditorFixture::fReadAll(fProjectOut() + it.key()) == it.value(), qPrintable(it.key()));
}

void TstValidazione::pictureOfTheWrongSize_data()
{
    QTest::addColumn<int>("iRisposta"); // -1: a 480 x 272 JPEG, no question
    QTest::newRow("Adatta…") << 0;
    QTest::newRow("Usa così com'è") << 1;
    QTest::newRow("Annulla") << 2;
    QTest::newRow("480 x 272 JPEG") << -1;
}

void TstValidazione::pictureOfTheWrongSize()
{
    QFETCH(int, iRisposta);
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const QString sStored = fProjectRoot() + QStringLiteral("areas/img_1.jpg");
    const QByteArray abPrima = TEditorFixture::fReadAll(sStored);
    const QString sFoto = fx.fRoot() + QStringLiteral("foto.jpg");
    const QSize size = iRisposta < 0 ? QSize(480, 272) : QSize(4000, 3000);
    TEditorFixture::pWriteJpeg(sFoto, size.width(), size.height(), QColor(230, 210, 170));
    fx.dialogs.asPictures << sFoto;
    fx.dialogs.aiScelte << iRisposta;
    fx.dialogs.pOnAdatta = [](TFrmAdatta &) { return true; };
    fBtn(frm, "BtnSfondo")->click();
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));

    if (iRisposta < 0)
        QVERIFY(fx.dialogs.asScelte.isEmpty());
    else
        QCOMPARE(fx.dialogs.asScelte,
                 QStringList{QStringLiteral("L'immagine è di 4000 x 3000 pixel; il pannello mostra "
                                            "480 x 272. Adattarla alla pagina?")});
    QCOMPARE(fx.dialogs.iAdattaMostrati, iRisposta == 0 ? 1 : 0);
    QVERIFY(fx.dialogs.asFitStartDirs.isEmpty()); // the fitting opens on that file, without asking for one
    const QByteArray abDopo = TEditorFixture::fReadAll(sStored);
    switch (iRisposta) {
    case 0: // fitted to the page
        QCOMPARE(QImageReader(sStored).size(), QSize(480, 272));
        QVERIFY(abDopo != abPrima);
        break;
    case 2:
        QCOMPARE(abDopo, abPrima);
        break;
    default: // as it is, byte for byte
        QCOMPARE(abDopo, TEditorFixture::fReadAll(sFoto));
    }
}

void TstValidazione::messagesNameTypeNumberAndLabel()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    TProjectDocument &doc = frm.fDocument();
    fx.dialogs.aInputAnswers << QStringLiteral("Cantina");
    fBtn(frm, "BtnZoomIn")->click();
    const int iZoom = fLastSensorId(fx);
    doc.pSpostaOggetto(iZoom, 0, QPoint(224, 2)); // on the key "Tesc"
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("104"));
    const int iPrima = fLastSensorId(fx);
    doc.pAggiungiTesto(iPrima, QPoint(100, 100), 3, 2, QStringLiteral("Luce sogg."));
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("104"));
    const int iSeconda = fLastSensorId(fx);
    doc.pAggiungiTesto(iSeconda, QPoint(100, 150), 3, 2, QStringLiteral("Luce"));
    fA(frm, "MnuVerificaProgetto")->trigger();
    auto *pTabella = fW<QTableWidget>(frm, "TbVerifica");
    QCOMPARE(pTabella->horizontalHeaderItem(2)->text(), QStringLiteral("Id"));

    const auto fRighe = [&] {
        QStringList as;
        for (int i = 0; i < pTabella->rowCount(); ++i)
            as << pTabella->item(i, 2)->text() + QLatin1Char('|') + pTabella->item(i, 3)->text();
        return as;
    };
    QStringList asRighe = fRighe();
    const QString sDoppio =
        QStringLiteral("%1|Area 1 \"Casa\", lampada, uscita 104 «Luce»: uscita numero 104 già usato "
                       "in quest'area da lampada, uscita 104 «Luce sogg.»")
            .arg(iSeconda);
    QVERIFY2(asRighe.contains(sDoppio), qPrintable(asRighe.join('\n')));
    const QString sZoom = QStringLiteral("%1|Area 1 \"Casa\", marcatore di zoom verso «%2»: icona di 32 pixel in "
                                         "(224, 2) sopra il tasto Tesc")
                              .arg(iZoom);
    QVERIFY2(asRighe.contains(sZoom.arg(QStringLiteral("Cantina"))), qPrintable(asRighe.join('\n')));
    // the marker follows its area's name
    doc.pRinominaArea(2, QStringLiteral("Taverna"));
    QTRY_VERIFY2(fRighe().contains(sZoom.arg(QStringLiteral("Taverna"))), qPrintable(fRighe().join('\n')));

    // the I/O dock keeps the id in its own column, beside type, number and label
    fA(frm, "MnuIngressiUscite")->trigger();
    auto *pIo = fW<QTableView>(frm, "TbIo");
    QCOMPARE(pIo->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Id"));
}

void TstValidazione::greyedDeleteSaysWhy()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    frm.fDocument().pAggiungiAreaBase(QStringLiteral("Garage"));
    fAlbero(frm).pSelectNodeByName(QStringLiteral("Garage"));
    fx.dialogs.aInputAnswers << QStringLiteral("Box");
    fBtn(frm, "BtnZoomIn")->click();
    auto *pTv = fW<QTreeWidget>(frm, "TvAree");
    QAction *pElimina = fA(frm, "PopEliminaArea");
    const struct
    {
        const char *szArea;
        const char *szPerche; // empty: enabled
    } aCasi[] = {{"Casa", "è la prima area del progetto"}, {"Garage", "ha aree di dettaglio"}, {"Box", ""}};
    for (const auto &c : aCasi) {
        const QList<QTreeWidgetItem *> aNodi =
            pTv->findItems(QString::fromUtf8(c.szArea), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(aNodi.size(), 1);
        QVERIFY(fAlbero(frm).fTvAreeContextPopup(pTv->visualItemRect(aNodi.first()).center()));
        fW<QMenu>(frm, "PopTv")->hide();
        const QString sPerche = QString::fromUtf8(c.szPerche);
        QCOMPARE(pElimina->isEnabled(), sPerche.isEmpty());
        if (!sPerche.isEmpty())
            QCOMPARE(pElimina->toolTip(), sPerche);
    }
    QVERIFY(fW<QMenu>(frm, "PopTv")->toolTipsVisible());
}

QTEST_MAIN(TstValidazione)
#include "tst_validazione.moc"
