// The real dialogs behind the dialog interface, driven while they are open:
// the folder dialog that cannot leave the projects folder and makes no
// folders, the project and picture filters, the preview, the input box.

#include "editor/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

class TstProjectDialogs : public QObject
{
    Q_OBJECT

private slots:
    void folderDialogStaysUnderItsRoot();
    void folderDialogCancelled();
    void projectFileDialog();
    void pictureDialogShowsPreview();
    void inputBox();

private:
    /** Runs fWhenOpen on the modal dialog as soon as it shows, up to iTimes times. */
    void pWhenModal(const std::function<void(QWidget *)> &fWhenOpen, int iTimes = 1);
    QTemporaryDir m_dir;
};

void TstProjectDialogs::pWhenModal(const std::function<void(QWidget *)> &fWhenOpen, int iTimes)
{
    auto *pTimer = new QTimer(this);
    auto iLeft = std::make_shared<int>(iTimes);
    connect(pTimer, &QTimer::timeout, this, [=]() {
        auto *pModal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!pModal || pModal->property("handled").toBool())
            return;
        // the same dialog may be shown again: each showing is handled once
        pModal->setProperty("handled", true);
        if (!pModal->property("hooked").toBool()) {
            pModal->setProperty("hooked", true);
            connect(pModal, &QDialog::finished, pModal, [pModal] { pModal->setProperty("handled", false); });
        }
        if (--*iLeft == 0)
            pTimer->deleteLater();
        fWhenOpen(pModal);
    });
    pTimer->start(20);
}

void TstProjectDialogs::folderDialogStaysUnderItsRoot()
{
    const QString sRoot = m_dir.path() + "/progetti";
    QVERIFY(QDir().mkpath(sRoot + "/clienti"));
    QVERIFY(QDir().mkpath(m_dir.path() + "/fuori"));
    QWidget parent;
    TQtDialogs dialogs(&parent);

    bool bChecked = false;
    pWhenModal(
        [&](QWidget *pModal) {
            auto *pDlg = qobject_cast<QFileDialog *>(pModal);
            QVERIFY(pDlg);
            if (!bChecked) {
                bChecked = true;
                QCOMPARE(pDlg->windowTitle(), QStringLiteral("Seleziona una cartella"));
                QCOMPARE(QDir(pDlg->directory()).canonicalPath(), QDir(sRoot).canonicalPath());
                for (QToolButton *pBtn : pDlg->findChildren<QToolButton *>("newFolderButton"))
                    QVERIFY(!pBtn->isVisible());
                // going up from the root is undone
                for (QToolButton *pBtn : pDlg->findChildren<QToolButton *>("toParentButton"))
                    if (pBtn->isEnabled())
                        pBtn->click();
                QCOMPARE(QDir(pDlg->directory()).canonicalPath(), QDir(sRoot).canonicalPath());
                // a folder outside, typed in, is not accepted: the dialog comes back at the root
                pDlg->selectFile(m_dir.path() + "/fuori");
                static_cast<QDialog *>(pDlg)->accept();
                return;
            }
            QCOMPARE(QDir(pDlg->directory()).canonicalPath(), QDir(sRoot).canonicalPath());
            pDlg->setDirectory(sRoot + "/clienti"); // the user goes into a folder and chooses it
            if (auto *pEdit = pDlg->findChild<QLineEdit *>("fileNameEdit"))
                pEdit->clear();
            static_cast<QDialog *>(pDlg)->accept();
        },
        2);
    const QString sChosen = dialogs.fSelectFolder("Seleziona una cartella", sRoot + "/");
    QVERIFY(bChecked);
    QCOMPARE(QDir(sChosen).canonicalPath(), QDir(sRoot + "/clienti").canonicalPath());
}

void TstProjectDialogs::folderDialogCancelled()
{
    const QString sRoot = m_dir.path() + "/progetti";
    QDir().mkpath(sRoot);
    QWidget parent;
    TQtDialogs dialogs(&parent);
    pWhenModal([](QWidget *pModal) { qobject_cast<QDialog *>(pModal)->reject(); });
    QCOMPARE(dialogs.fSelectFolder("Seleziona una cartella", sRoot + "/"), QString());
}

void TstProjectDialogs::projectFileDialog()
{
    const QString sRoot = m_dir.path() + "/progetti";
    QDir().mkpath(sRoot + "/casa");
    QFile f(sRoot + "/casa/casa.omb");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QWidget parent;
    TQtDialogs dialogs(&parent);
    pWhenModal([&](QWidget *pModal) {
        auto *pDlg = qobject_cast<QFileDialog *>(pModal);
        QVERIFY(pDlg);
        QCOMPARE(pDlg->nameFilters(), QStringList{"Progetto Ombrix (*.omb)"});
        QCOMPARE(pDlg->fileMode(), QFileDialog::ExistingFile);
        pDlg->setDirectory(sRoot + "/casa");
        if (auto *pEdit = pDlg->findChild<QLineEdit *>("fileNameEdit"))
            pEdit->setText("casa.omb");
        static_cast<QDialog *>(pDlg)->accept();
    });
    QCOMPARE(dialogs.fOpenProjectFile(sRoot + "/"), sRoot + "/casa/casa.omb");
}

void TstProjectDialogs::pictureDialogShowsPreview()
{
    const QString sPic = m_dir.path() + "/foto.jpg";
    QImage img(480, 272, QImage::Format_RGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(sPic));
    QWidget parent;
    TQtDialogs dialogs(&parent);
    bool bPreview = false;
    pWhenModal([&](QWidget *pModal) {
        auto *pDlg = qobject_cast<QFileDialog *>(pModal);
        QVERIFY(pDlg);
        QCOMPARE(pDlg->nameFilters(), QStringList{"File immagine JPEG (*.jpg)"});
        emit pDlg->currentChanged(sPic); // the cursor on the file
        for (QLabel *pLabel : pDlg->findChildren<QLabel *>())
            bPreview = bPreview || !pLabel->pixmap().isNull();
        if (auto *pEdit = pDlg->findChild<QLineEdit *>("fileNameEdit"))
            pEdit->setText("foto.jpg");
        static_cast<QDialog *>(pDlg)->accept();
    });
    QCOMPARE(dialogs.fOpenPicture(m_dir.path()), sPic);
    QVERIFY(bPreview);
}

void TstProjectDialogs::inputBox()
{
    QWidget parent;
    TQtDialogs dialogs(&parent);
    pWhenModal([](QWidget *pModal) {
        auto *pDlg = qobject_cast<QInputDialog *>(pModal);
        QVERIFY(pDlg);
        QCOMPARE(pDlg->windowTitle(), QStringLiteral("Nome Area?"));
        QCOMPARE(pDlg->labelText(), QStringLiteral("Nome Area?"));
        QCOMPARE(pDlg->textValue(), QStringLiteral("Cantina"));
        pDlg->setTextValue(" Taverna ");
        static_cast<QDialog *>(pDlg)->accept();
    });
    QCOMPARE(dialogs.fInputBox("Nome Area?", "Nome Area?", "Cantina"), std::optional<QString>(" Taverna "));
    pWhenModal([](QWidget *pModal) { qobject_cast<QDialog *>(pModal)->reject(); });
    QCOMPARE(dialogs.fInputBox("Nome Area?", "Nome Area?", "Cantina"), std::nullopt);
}

QTEST_MAIN(TstProjectDialogs)
#include "tst_projectdialogs.moc"
