#include "export/cp1252.h"

#include <QList>
#include <QStringView>

namespace {

// Characters of the code page's upper half 0x80-0x9F, by byte; 0 where the
// code page defines no character.
constexpr char16_t aUpperHalf[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, // 98-9F
};

/** The byte of code point u, or -1 when the code page lacks it. */
int fByteOf(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return int(u);
    if (u >= 0x80 && u <= 0x9F) {
        // the five bytes without a character carry the control of the same value
        return aUpperHalf[u - 0x80] == 0 ? int(u) : -1;
    }
    if (u > 0xFFFF)
        return -1;
    for (int i = 0; i < 32; ++i) {
        if (aUpperHalf[i] == u)
            return 0x80 + i;
    }
    return -1;
}

/** The byte of a character the code page lacks: its base letter, else "?". */
char fBestFit(char32_t u)
{
    const QString sDecomposed = QString::fromUcs4(&u, 1).normalized(QString::NormalizationForm_D);
    if (!sDecomposed.isEmpty()) {
        const char32_t base = sDecomposed.toUcs4().front();
        if (base != u && QChar::isLetter(base)) {
            const int b = fByteOf(base);
            if (b >= 0)
                return char(b);
        }
    }
    return '?';
}

bool fIsAscii(QStringView s)
{
    for (QChar c : s) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QByteArray fToCp1252(const QString &s)
{
    if (fIsAscii(s))
        return s.toLatin1();
    const QList<uint> aCodes = s.normalized(QString::NormalizationForm_C).toUcs4();
    QByteArray out;
    out.reserve(aCodes.size());
    for (uint u : aCodes) {
        const int b = fByteOf(char32_t(u));
        out.append(b >= 0 ? char(b) : fBestFit(char32_t(u)));
    }
    return out;
}

int fLunghezzaTesto(const QString &s)
{
    if (fIsAscii(s))
        return int(s.size());
    return int(s.normalized(QString::NormalizationForm_C).toUcs4().size());
}

QString fFromCp1252(const QByteArray &b)
{
    QString s(b.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < b.size(); ++i) {
        const auto c = static_cast<unsigned char>(b.at(i));
        const char16_t u = c >= 0x80 && c <= 0x9F && aUpperHalf[c - 0x80] != 0 ? aUpperHalf[c - 0x80] : char16_t(c);
        s[i] = QChar(u);
    }
    return s;
}
