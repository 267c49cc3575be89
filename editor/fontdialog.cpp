#include "editor/fontdialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

const int iNero = 10; // position of "nero" among the colours

// A captioned group of radio items laid out one under the other, evenly over
// the group's height, the way a classic radio group spreads its items.
QGroupBox *fRadioGroup(QWidget *parent, const QString &sName, const QString &sCaption, const QRect &rect,
                       const QStringList &asItems, QButtonGroup *&pButtons)
{
    auto *box = new QGroupBox(sCaption, parent);
    box->setObjectName(sName);
    box->setGeometry(rect);
    pButtons = new QButtonGroup(box);
    pButtons->setExclusive(true);
    const int iTop = 18;
    const int iStep = (rect.height() - iTop - 4) / int(asItems.size());
    for (int i = 0; i < asItems.size(); ++i) {
        auto *item = new QRadioButton(asItems.at(i), box);
        item->setObjectName(sName + QStringLiteral("_") + QString::number(i));
        item->setGeometry(8, iTop + i * iStep, rect.width() - 16, iStep);
        pButtons->addButton(item, i);
    }
    return box;
}

} // namespace

TFrmFont::TFrmFont(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmFont"));
    setWindowTitle(QCoreApplication::translate("Ombrix", "Font"));
    setModal(true);
    setFixedSize(302, 342);

    m_pGruppoDimensione = fRadioGroup(this, QStringLiteral("rgpDimensione"),
                                      QCoreApplication::translate("Ombrix", "Dimensione"), QRect(16, 16, 121, 249),
                                      {QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"),
                                       QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
                                       QStringLiteral("14"), QStringLiteral("15"), QStringLiteral("16")},
                                      m_pDimensioni);
    m_pGruppoColore = fRadioGroup(
        this, QStringLiteral("rgpColore"), QCoreApplication::translate("Ombrix", "Colore"), QRect(160, 16, 121, 249),
        {QCoreApplication::translate("Ombrix", "bianco"), QCoreApplication::translate("Ombrix", "giallo"),
         QCoreApplication::translate("Ombrix", "arancio"), QCoreApplication::translate("Ombrix", "rosa"),
         QCoreApplication::translate("Ombrix", "rosso"), QCoreApplication::translate("Ombrix", "verdino"),
         QCoreApplication::translate("Ombrix", "verde scuro"), QCoreApplication::translate("Ombrix", "celeste"),
         QCoreApplication::translate("Ombrix", "blu"), QCoreApplication::translate("Ombrix", "viola"),
         QCoreApplication::translate("Ombrix", "nero")},
        m_pColori);

    m_pOk = new QPushButton(QCoreApplication::translate("Ombrix", "Ok"), this);
    m_pOk->setObjectName(QStringLiteral("btnOk"));
    m_pOk->setGeometry(16, 271, 265, 63);
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &TFrmFont::btnOkClick);

    m_pDimensioni->button(6)->setChecked(true); // "14"
    m_pColori->button(iNero)->setChecked(true);
    for (QWidget *pParte : findChildren<QWidget *>())
        m_aGeometrie.append({pParte, pParte->geometry()});
    pAdattaAlCarattere();
}

void TFrmFont::pAdattaAlCarattere()
{
    double dScala = 1.0;
    for (const auto &[pParte, rect] : std::as_const(m_aGeometrie)) {
        QSize richiesta = pParte->sizeHint();
        if (const auto *pGruppo = qobject_cast<const QGroupBox *>(pParte))
            richiesta = QSize(pGruppo->fontMetrics().horizontalAdvance(pGruppo->title()) + 16, 0);
        dScala =
            std::max({dScala, double(richiesta.width()) / rect.width(), double(richiesta.height()) / rect.height()});
    }
    auto fScala = [dScala](int i) { return int(std::ceil(i * dScala)); };
    for (const auto &[pParte, rect] : std::as_const(m_aGeometrie))
        pParte->setGeometry(fScala(rect.x()), fScala(rect.y()), fScala(rect.width()), fScala(rect.height()));
    setFixedSize(fScala(302), fScala(342));
}

int TFrmFont::Dimensione() const
{
    return m_pDimensioni->checkedId() + 1;
}

void TFrmFont::SetDimensione(int iDimensione)
{
    const int iPos = (iDimensione >= 1 && iDimensione <= 9) ? iDimensione - 1 : 8;
    m_pDimensioni->button(iPos)->setChecked(true);
}

int TFrmFont::Colore() const
{
    const int iPos = m_pColori->checkedId();
    return iPos == iNero ? 16 : iPos + 1;
}

void TFrmFont::SetColore(int iColore)
{
    const int iPos = (iColore >= 1 && iColore <= 10) ? iColore - 1 : iNero;
    m_pColori->button(iPos)->setChecked(true);
}

QRadioButton *TFrmFont::fItemDimensione(int iIndex) const
{
    return qobject_cast<QRadioButton *>(m_pDimensioni->button(iIndex));
}

QRadioButton *TFrmFont::fItemColore(int iIndex) const
{
    return qobject_cast<QRadioButton *>(m_pColori->button(iIndex));
}

void TFrmFont::btnOkClick()
{
    accept();
}

void TFrmFont::showEvent(QShowEvent *event)
{
    pAdattaAlCarattere(); // the font may have changed since it was made
    if (QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}
