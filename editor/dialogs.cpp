#include "editor/dialogs.h"

#include "editor/fitdialog.h"
#include "editor/fontdialog.h"
#include "fit/sorgente.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString sBoxTitle = QStringLiteral("Ombrix");

/** True when sPath is sRoot or lies below it. */
bool fIsUnder(const QString &sPath, const QString &sRoot)
{
    const QString sCleanPath = QDir::cleanPath(QFileInfo(sPath).absoluteFilePath());
    const QString sCleanRoot = QDir::cleanPath(QFileInfo(sRoot).absoluteFilePath());
    return sCleanPath == sCleanRoot || sCleanPath.startsWith(sCleanRoot + QLatin1Char('/'));
}

} // namespace

std::optional<QString> TQtDialogs::fInputBox(const QString &sCaption, const QString &sPrompt, const QString &sDefault)
{
    bool bOk = false;
    const QString sText = QInputDialog::getText(m_pParent, sCaption, sPrompt, QLineEdit::Normal, sDefault, &bOk);
    if (!bOk)
        return std::nullopt;
    return sText;
}

void TQtDialogs::pMessage(const QString &sText)
{
    QMessageBox::information(m_pParent, sBoxTitle, sText, QMessageBox::Ok);
}

void TQtDialogs::pErrorBox(const QString &sText)
{
    QMessageBox::critical(m_pParent, sBoxTitle, sText, QMessageBox::Ok);
}

QString TQtDialogs::fOpenProjectFile(const QString &sStartDir)
{
    // only an existing file can be chosen: a typed name of a missing file would create an empty database
    return QFileDialog::getOpenFileName(m_pParent, QString(), sStartDir,
                                        QCoreApplication::translate("Ombrix", "Progetto Ombrix (*.omb)"), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString TQtDialogs::fOpenPicture(const QString &sStartDir)
{
    QFileDialog dlg(m_pParent, QString(), sStartDir,
                    QCoreApplication::translate("Ombrix", "File immagine JPEG (*.jpg)"));
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setFileMode(QFileDialog::ExistingFile);

    // a preview of the picture under the cursor, beside the file list
    auto *pPreview = new QLabel(&dlg);
    pPreview->setFixedSize(240, 136);
    pPreview->setAlignment(Qt::AlignCenter);
    pPreview->setFrameShape(QFrame::StyledPanel);
    if (auto *pGrid = qobject_cast<QGridLayout *>(dlg.layout()))
        pGrid->addWidget(pPreview, 1, pGrid->columnCount(), 1, 1);
    QObject::connect(&dlg, &QFileDialog::currentChanged, pPreview, [pPreview](const QString &sPath) {
        const QPixmap pix(sPath);
        if (pix.isNull())
            pPreview->clear();
        else
            pPreview->setPixmap(pix.scaled(pPreview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });

    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().constFirst();
}

QString TQtDialogs::fSaveFile(const QString &sCaption, const QString &sStartPath, const QString &sFilter)
{
    QFileDialog dlg(m_pParent, sCaption, sStartPath, sFilter);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().constFirst();
}

QString TQtDialogs::fSelectFolder(const QString &sTitle, const QString &sRoot)
{
    QFileDialog dlg(m_pParent, sTitle, sRoot);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setOption(QFileDialog::ShowDirsOnly, true);
    dlg.setOption(QFileDialog::ReadOnly, true); // no new-folder command
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setSidebarUrls({QUrl::fromLocalFile(sRoot)});
    for (QToolButton *pBtn : dlg.findChildren<QToolButton *>(QStringLiteral("newFolderButton")))
        pBtn->hide();
    // the user cannot leave the tree rooted at sRoot
    QObject::connect(&dlg, &QFileDialog::directoryEntered, &dlg, [&dlg, sRoot](const QString &sDir) {
        if (!fIsUnder(sDir, sRoot))
            dlg.setDirectory(sRoot);
    });

    while (dlg.exec() == QDialog::Accepted) {
        const QStringList asFiles = dlg.selectedFiles();
        const QString sChosen = asFiles.isEmpty() ? dlg.directory().absolutePath() : asFiles.constFirst();
        if (fIsUnder(sChosen, sRoot) && QFileInfo(sChosen).isDir())
            return QDir::cleanPath(sChosen);
        dlg.setDirectory(sRoot);
    }
    return QString();
}

void TQtDialogs::pShowFontDialog(TFrmFont &frmFont)
{
    frmFont.exec();
}

QString TDialogs::fOpenFitSource(const QString &)
{
    return QString();
}

std::optional<QString> TDialogs::fPassword(const QString &)
{
    return std::nullopt;
}

std::optional<QColor> TDialogs::fScegliColore(const QColor &)
{
    return std::nullopt;
}

bool TDialogs::fAdattaSfondo(TFrmAdatta &)
{
    return false;
}

QString TQtDialogs::fOpenFitSource(const QString &sStartDir)
{
    QFileDialog dlg(m_pParent, QCoreApplication::translate("Ombrix", "Adatta immagine di sfondo"), sStartDir,
                    fFiltroSorgenti());
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().constFirst();
}

std::optional<QString> TQtDialogs::fPassword(const QString &sFile)
{
    bool bOk = false;
    const QString s =
        QInputDialog::getText(m_pParent, QCoreApplication::translate("Ombrix", "PDF protetto"),
                              QCoreApplication::translate("Ombrix", "Password di %1:").arg(QFileInfo(sFile).fileName()),
                              QLineEdit::Password, QString(), &bOk);
    if (!bOk)
        return std::nullopt;
    return s;
}

std::optional<QColor> TQtDialogs::fScegliColore(const QColor &col)
{
    const QColor scelto =
        QColorDialog::getColor(col, m_pParent, QCoreApplication::translate("Ombrix", "Colore di riempimento"));
    if (!scelto.isValid())
        return std::nullopt;
    return scelto;
}

bool TQtDialogs::fAdattaSfondo(TFrmAdatta &frm)
{
    return frm.exec() == QDialog::Accepted;
}

int TQtDialogs::fScegliCopia(const QStringList &asRighe, const QList<bool> &abScegli)
{
    QDialog dlg(m_pParent);
    dlg.setWindowTitle(QCoreApplication::translate("Ombrix", "Ripristina copia"));
    auto *pLayout = new QVBoxLayout(&dlg);
    auto *pLista = new QListWidget(&dlg);
    pLista->setObjectName(QStringLiteral("LstCopie"));
    pLista->setAccessibleName(QCoreApplication::translate("Ombrix", "Copie del progetto"));
    pLista->setMinimumWidth(520);
    for (qsizetype i = 0; i < asRighe.size(); ++i) {
        auto *pRiga = new QListWidgetItem(asRighe.at(i), pLista);
        if (!abScegli.value(i))
            pRiga->setFlags(Qt::NoItemFlags); // damaged: shown, not chosen
    }
    auto *pBottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    pBottoni->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("Ombrix", "Ripristina"));
    pBottoni->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("Ombrix", "Annulla"));
    pLayout->addWidget(pLista);
    pLayout->addWidget(pBottoni);
    QObject::connect(pBottoni, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(pBottoni, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    QObject::connect(pLista, &QListWidget::itemDoubleClicked, &dlg, &QDialog::accept);
    const auto pAggiorna = [&] {
        const int i = pLista->currentRow();
        pBottoni->button(QDialogButtonBox::Ok)->setEnabled(i >= 0 && abScegli.value(i));
    };
    QObject::connect(pLista, &QListWidget::currentRowChanged, &dlg, pAggiorna);
    for (qsizetype i = 0; i < abScegli.size(); ++i)
        if (abScegli.at(i)) {
            pLista->setCurrentRow(int(i));
            break;
        }
    pAggiorna();
    if (dlg.exec() != QDialog::Accepted)
        return -1;
    const int i = pLista->currentRow();
    return i >= 0 && abScegli.value(i) ? i : -1;
}

bool TQtDialogs::fDomanda(const QString &sCaption, const QString &sText)
{
    return QMessageBox::question(m_pParent, sCaption, sText, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

int TQtDialogs::fScelta(const QString &sCaption, const QString &sText, const QStringList &asBottoni)
{
    QMessageBox box(QMessageBox::Question, sCaption, sText, QMessageBox::NoButton, m_pParent);
    box.setObjectName(QStringLiteral("FrmScelta"));
    QList<QAbstractButton *> aBottoni;
    for (qsizetype i = 0; i < asBottoni.size(); ++i) {
        const bool bUltimo = i == asBottoni.size() - 1;
        QPushButton *pBtn = box.addButton(asBottoni.at(i), bUltimo ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        pBtn->setAccessibleName(asBottoni.at(i));
        aBottoni << pBtn;
    }
    if (!aBottoni.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton *>(aBottoni.constFirst()));
        box.setEscapeButton(aBottoni.constLast());
    }
    box.exec();
    const auto i = aBottoni.indexOf(box.clickedButton());
    return i < 0 ? int(asBottoni.size()) - 1 : int(i);
}

void TQtDialogs::pAbout(const QString &sTitle, const QString &sText)
{
    QMessageBox::about(m_pParent, sTitle, sText);
}
