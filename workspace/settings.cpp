#include "workspace/settings.h"

#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray sIniSection = QByteArrayLiteral("Options");
const QByteArray sIniKey = QByteArrayLiteral("IconSize");
constexpr int iDefaultIconSize = 32;
const QByteArray sIniKeySnapshot = QByteArrayLiteral("Snapshot");
constexpr int iDefaultSnapshot = 20;

// Sizes of the area panel and of the banner strip at its top: a new icon is
// put at half the panel less half the banner's height, on both axes.
constexpr int iPanelWidth = 480;
constexpr int iPanelHeight = 272;
constexpr int iBannerHeight = 34;

QString fIniPath()
{
    return sGlobBinPath + QStringLiteral("ombrix.ini");
}

/** Folder part of sPath, up to and including its last separator; empty when there is none. */
QString fFolderPart(const QString &sPath)
{
    const int i = sPath.lastIndexOf(QLatin1Char('/'));
    return i < 0 ? QString() : sPath.left(i + 1);
}

/** One line of the settings file with its own line end, so the file can be written back byte for byte. */
struct TIniLine
{
    QByteArray sText;
    QByteArray sEnd;
};

QList<TIniLine> fSplitLines(const QByteArray &data)
{
    QList<TIniLine> lines;
    qsizetype iStart = 0;
    while (iStart < data.size()) {
        qsizetype iNl = data.indexOf('\n', iStart);
        if (iNl < 0) {
            lines.append({data.mid(iStart), QByteArray()});
            break;
        }
        qsizetype iEnd = iNl;
        if (iEnd > iStart && data.at(iEnd - 1) == '\r')
            --iEnd;
        lines.append({data.mid(iStart, iEnd - iStart), data.mid(iEnd, iNl + 1 - iEnd)});
        iStart = iNl + 1;
    }
    return lines;
}

/** The section name of a "[name]" line, or a null array for any other line. */
QByteArray fSectionOf(const QByteArray &sLine)
{
    QByteArray s = sLine.trimmed();
    if (s.startsWith("\xEF\xBB\xBF")) // a byte order mark before the first section
        s = s.mid(3).trimmed();
    if (s.size() < 2 || !s.startsWith('[') || !s.endsWith(']'))
        return QByteArray();
    return s.mid(1, s.size() - 2).trimmed();
}

bool fIsKeyLine(const QByteArray &sLine, const QByteArray &sKey, QByteArray *pValue = nullptr)
{
    const QByteArray s = sLine.trimmed();
    if (s.startsWith(';') || s.startsWith('#'))
        return false;
    const qsizetype iEq = s.indexOf('=');
    if (iEq < 0 || s.left(iEq).trimmed().compare(sKey, Qt::CaseInsensitive) != 0)
        return false;
    if (pValue)
        *pValue = s.mid(iEq + 1).trimmed();
    return true;
}

/** Line indices of the first [Options] section: its header, and one past its last line. -1 when missing. */
void pFindSection(const QList<TIniLine> &lines, qsizetype &iHeader, qsizetype &iEnd)
{
    iHeader = -1;
    iEnd = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray sSection = fSectionOf(lines.at(i).sText);
        if (sSection.isNull())
            continue;
        if (iHeader >= 0) {
            iEnd = i;
            return;
        }
        if (sSection.compare(sIniSection, Qt::CaseInsensitive) == 0)
            iHeader = i;
    }
}

int fIconSizeFrom(const QByteArray &sValue)
{
    bool bOk = false;
    const int i = sValue.toInt(&bOk, 10);
    if (!bOk || (i != 16 && i != 32 && i != 48))
        return iDefaultIconSize;
    return i;
}

/** At least one snapshot is kept; a missing, wrong or non-positive value keeps the default. */
int fSnapshotFrom(const QByteArray &sValue)
{
    bool bOk = false;
    const int i = sValue.toInt(&bOk, 10);
    return bOk && i > 0 ? i : iDefaultSnapshot;
}

/** Sets sKey to sValue in the [Options] section of lines, adding the section or the key when missing
 *  (unless bSoloSePresente: then a missing key stays missing). */
void pScriviChiave(QList<TIniLine> &lines, const QByteArray &sKey, const QByteArray &sValue, const QByteArray &sNewline,
                   bool bSoloSePresente = false)
{
    const QByteArray sKeyLine = sKey + '=' + sValue;
    qsizetype iHeader = 0;
    qsizetype iEnd = 0;
    pFindSection(lines, iHeader, iEnd);
    if (iHeader >= 0) {
        for (qsizetype i = iHeader + 1; i < iEnd; ++i) {
            if (fIsKeyLine(lines.at(i).sText, sKey)) {
                lines[i].sText = sKeyLine;
                return;
            }
        }
        if (bSoloSePresente)
            return;
        // after the section's last non-blank line, so blank separators stay where they are
        qsizetype iAt = iEnd;
        while (iAt > iHeader + 1 && lines.at(iAt - 1).sText.trimmed().isEmpty())
            --iAt;
        if (lines.at(iAt - 1).sEnd.isEmpty())
            lines[iAt - 1].sEnd = sNewline;
        lines.insert(iAt, {sKeyLine, sNewline});
        return;
    }
    if (bSoloSePresente)
        return;
    if (!lines.isEmpty() && lines.last().sEnd.isEmpty())
        lines.last().sEnd = sNewline;
    lines.append({'[' + sIniSection + ']', sNewline});
    lines.append({sKeyLine, sNewline});
}

} // namespace

void pSetApplicationFolders(const QString &sProgramPath)
{
    sGlobBinPath = fFolderPart(QDir::fromNativeSeparators(sProgramPath));
    // A program at the root of the file system has no parent folder: the root
    // then stands for the application root as well.
    const QString sParent = fFolderPart(sGlobBinPath.left(sGlobBinPath.size() - 1));
    sGlobPath = sParent.isEmpty() ? sGlobBinPath : sParent;
    sGlobGrfcPath = sGlobPath + QStringLiteral("grfc/");
    sGlobPrjPath = sGlobPath + QStringLiteral("progetti/");
    sGlobResPath = sGlobPath + QStringLiteral("res/");
}

void pWorkspaceStartup(const QString &sProgramPath)
{
    pSetApplicationFolders(sProgramPath);
    QDir().mkdir(sGlobPath + QStringLiteral("progetti")); // a failure is not reported
    pLoadFromIni();
    iGlobXcenter = iPanelWidth / 2 - iBannerHeight / 2;
    iGlobYCenter = iPanelHeight / 2 - iBannerHeight / 2;
}

void pWorkspaceShutdown()
{
    try {
        pWriteToIni();
    } catch (const TOmbrixError &) {
        // A settings file that cannot be written keeps its old content; the program still ends.
    }
}

void pLoadFromIni()
{
    iGlobIconSize = iDefaultIconSize;
    iGlobSnapshot = iDefaultSnapshot;
    QFile file(fIniPath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QList<TIniLine> lines = fSplitLines(file.readAll());
    qsizetype iHeader = 0;
    qsizetype iEnd = 0;
    pFindSection(lines, iHeader, iEnd);
    if (iHeader < 0)
        return;
    bool bIcon = false;
    bool bSnapshot = false;
    for (qsizetype i = iHeader + 1; i < iEnd; ++i) {
        QByteArray sValue;
        if (!bIcon && fIsKeyLine(lines.at(i).sText, sIniKey, &sValue)) {
            iGlobIconSize = fIconSizeFrom(sValue);
            bIcon = true;
        } else if (!bSnapshot && fIsKeyLine(lines.at(i).sText, sIniKeySnapshot, &sValue)) {
            iGlobSnapshot = fSnapshotFrom(sValue);
            bSnapshot = true;
        }
    }
}

void pWriteToIni()
{
    const QString sPath = fIniPath();
    QByteArray data;
    {
        QFile file(sPath);
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly))
                throw TOmbrixError(file.errorString() + QStringLiteral(": ") + sPath);
            data = file.readAll();
        }
    }
    QList<TIniLine> lines = fSplitLines(data);
    QByteArray sNewline = QByteArrayLiteral("\n");
    if (!lines.isEmpty() && lines.first().sEnd == "\r\n")
        sNewline = QByteArrayLiteral("\r\n");
    pScriviChiave(lines, sIniKey, QByteArray::number(iGlobIconSize), sNewline);
    // the number of snapshots is written once it differs from the default or the file names it
    pScriviChiave(lines, sIniKeySnapshot, QByteArray::number(iGlobSnapshot), sNewline,
                  iGlobSnapshot == iDefaultSnapshot);

    QByteArray out;
    for (const TIniLine &line : lines)
        out += line.sText + line.sEnd;
    QSaveFile file(sPath);
    file.setDirectWriteFallback(true); // a writable file in a read-only folder
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        throw TOmbrixError(file.errorString() + QStringLiteral(": ") + sPath);
}
