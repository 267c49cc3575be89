#include "workspace/settings.h"

#include "workspace/errors.h"
#include "workspace/pannello.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <iterator>
#include <utility>

namespace {

const QByteArray sIniSection = QByteArrayLiteral("Options");
const QByteArray sIniKey = QByteArrayLiteral("IconSize");
const QByteArray sIniLingua = QByteArrayLiteral("Lingua");
const QByteArray sIniRecenti = QByteArrayLiteral("Recenti"); // Progetto1 .. Progetto8, newest first
constexpr int iMaxRecenti = 8;
constexpr int iDefaultIconSize = 32;
const QByteArray sIniKeySnapshot = QByteArrayLiteral("Snapshot");
const QByteArray sIniKeyZoom = QByteArrayLiteral("Zoom");
const QByteArray sIniKeyEtichette = QByteArrayLiteral("EtichetteUnite");
const QByteArray sIniFinestra = QByteArrayLiteral("Finestra"); // Geometria, Stato (base64), Albero
constexpr int iDefaultZoom = 100;
const QByteArray sIniKeyGriglia = QByteArrayLiteral("Griglia");
const QByteArray sIniKeyPassoGriglia = QByteArrayLiteral("PassoGriglia");
constexpr int iDefaultPassoGriglia = 8;
constexpr int iDefaultSnapshot = 20;
// the fitting dialog's last choices
const QByteArray sIniAdatta = QByteArrayLiteral("Adatta");
const QByteArray sIniModo = QByteArrayLiteral("Modo");
const QByteArray sIniSottoBanner = QByteArrayLiteral("SottoBanner");
const QByteArray sIniLineeMarcate = QByteArrayLiteral("LineeMarcate");
const QByteArray sIniColore = QByteArrayLiteral("Colore");
const QString sColoreBianco = QStringLiteral("#ffffff");

QString fIniPath()
{
    return sGlobIniPath;
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

/** Line indices of the first section sSection: its header, and one past its last line. -1 when missing. */
void pFindSection(const QList<TIniLine> &lines, const QByteArray &sSection, qsizetype &iHeader, qsizetype &iEnd)
{
    iHeader = -1;
    iEnd = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray sName = fSectionOf(lines.at(i).sText);
        if (sName.isNull())
            continue;
        if (iHeader >= 0) {
            iEnd = i;
            return;
        }
        if (sName.compare(sSection, Qt::CaseInsensitive) == 0)
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

/** 0, 1 or 2; 0 for anything else. */
int fModoAdattaFrom(const QByteArray &sValue)
{
    bool bOk = false;
    const int i = sValue.toInt(&bOk, 10);
    return bOk && i >= 0 && i <= 2 ? i : 0;
}

/** A colour written #rrggbb, in lower case; white for anything else. */
QString fColoreFrom(const QByteArray &sValue)
{
    static const QRegularExpression re(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    const QString s = QString::fromLatin1(sValue);
    return re.match(s).hasMatch() ? s.toLower() : sColoreBianco;
}

/** The lines of the settings file; empty when it is missing or cannot be read. */
QList<TIniLine> fReadIniLines()
{
    QFile file(fIniPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fSplitLines(file.readAll());
}

/** The lines key=value of section sSection, in file order (the first one of a key wins when read). */
QList<std::pair<QByteArray, QByteArray>> fSectionKeys(const QList<TIniLine> &lines, const QByteArray &sSection)
{
    QList<std::pair<QByteArray, QByteArray>> aKeys;
    qsizetype iHeader = 0;
    qsizetype iEnd = 0;
    pFindSection(lines, sSection, iHeader, iEnd);
    if (iHeader < 0)
        return aKeys;
    for (qsizetype i = iHeader + 1; i < iEnd; ++i) {
        const QByteArray s = lines.at(i).sText.trimmed();
        const qsizetype iEq = s.indexOf('=');
        if (iEq > 0 && !s.startsWith(';') && !s.startsWith('#'))
            aKeys.append({s.left(iEq).trimmed(), s.mid(iEq + 1).trimmed()});
    }
    return aKeys;
}

QByteArray fValueOf(const QList<std::pair<QByteArray, QByteArray>> &aKeys, const QByteArray &sKey)
{
    for (const auto &[sName, sValue] : aKeys)
        if (sName.compare(sKey, Qt::CaseInsensitive) == 0)
            return sValue;
    return QByteArray();
}

/** The first sKey of the section set to sValue in place, or added after the section's last non-blank line;
 *  the section is appended when missing. */
void pSetKey(QList<TIniLine> &lines, const QByteArray &sSection, const QByteArray &sKey, const QByteArray &sValue,
             const QByteArray &sNewline)
{
    const QByteArray sKeyLine = sKey + '=' + sValue;
    qsizetype iHeader = 0;
    qsizetype iEnd = 0;
    pFindSection(lines, sSection, iHeader, iEnd);
    if (iHeader < 0) {
        if (!lines.isEmpty() && lines.last().sEnd.isEmpty())
            lines.last().sEnd = sNewline;
        lines.append({'[' + sSection + ']', sNewline});
        lines.append({sKeyLine, sNewline});
        return;
    }
    for (qsizetype i = iHeader + 1; i < iEnd; ++i) {
        if (fIsKeyLine(lines.at(i).sText, sKey)) {
            lines[i].sText = sKeyLine;
            return;
        }
    }
    // after the section's last non-blank line, so blank separators stay where they are
    qsizetype iAt = iEnd;
    while (iAt > iHeader + 1 && lines.at(iAt - 1).sText.trimmed().isEmpty())
        --iAt;
    if (lines.at(iAt - 1).sEnd.isEmpty())
        lines[iAt - 1].sEnd = sNewline;
    lines.insert(iAt, {sKeyLine, sNewline});
}

/** The body of section sSection replaced by asLines (the section appended when missing, left out when it is
 *  missing and asLines is empty). */
void pSetSection(QList<TIniLine> &lines, const QByteArray &sSection, const QList<QByteArray> &asLines,
                 const QByteArray &sNewline)
{
    qsizetype iHeader = 0;
    qsizetype iEnd = 0;
    pFindSection(lines, sSection, iHeader, iEnd);
    if (iHeader < 0) {
        if (asLines.isEmpty())
            return;
        if (!lines.isEmpty() && lines.last().sEnd.isEmpty())
            lines.last().sEnd = sNewline;
        lines.append({'[' + sSection + ']', sNewline});
        iHeader = iEnd = lines.size() - 1;
        ++iEnd;
    } else {
        // keep the blank lines that part it from the next section
        while (iEnd > iHeader + 1 && lines.at(iEnd - 1).sText.trimmed().isEmpty())
            --iEnd;
        lines.remove(iHeader + 1, iEnd - iHeader - 1);
        iEnd = iHeader + 1;
        if (lines.at(iHeader).sEnd.isEmpty())
            lines[iHeader].sEnd = sNewline;
    }
    for (const QByteArray &sLine : asLines)
        lines.insert(iEnd++, {sLine, sNewline});
}

/** A program folder where the user may not write, or one with the pictures in share/ombrix beside it: the program
 *  is installed, and its installation is never written into. */
bool fInstalled(const QString &sBin, const QString &sRoot)
{
    const QFileInfo bin(sBin);
    return QFileInfo::exists(sRoot + QStringLiteral("share/ombrix")) || (bin.exists() && !bin.isWritable());
}

} // namespace

void pSetApplicationFolders(const QString &sProgramPath)
{
    sGlobBinPath = fFolderPart(QDir::fromNativeSeparators(sProgramPath));
    // A program at the root of the file system has no parent folder: the root
    // then stands for the application root as well.
    const QString sParent = fFolderPart(sGlobBinPath.left(sGlobBinPath.size() - 1));
    sGlobPath = sParent.isEmpty() ? sGlobBinPath : sParent;
    bGlobInstallato = fInstalled(sGlobBinPath, sGlobPath);
    QString sPictures = sGlobPath;
    if (!bGlobInstallato) {
        sGlobIniPath = sGlobBinPath + QStringLiteral("ombrix.ini");
        sGlobPrjPath = sGlobPath + QStringLiteral("progetti/");
    } else {
        if (QFileInfo::exists(sGlobPath + QStringLiteral("share/ombrix")))
            sPictures = sGlobPath + QStringLiteral("share/ombrix/");
        sGlobIniPath = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/ombrix/ombrix.ini");
        sGlobPrjPath =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/progetti/");
    }
    sGlobGrfcPath = sPictures + QStringLiteral("grfc/");
    sGlobResPath = sPictures + QStringLiteral("res/");
}

void pWorkspaceStartup(const QString &sProgramPath)
{
    pSetApplicationFolders(sProgramPath);
    QDir().mkpath(sGlobPrjPath); // a failure is not reported
    pLoadFromIni();
    iGlobXcenter = ptPosizioneNuovi.x();
    iGlobYCenter = ptPosizioneNuovi.y();
}

void pWorkspaceShutdown(const TOpzioniFinestra *pFinestra)
{
    try {
        pWriteToIni(pFinestra);
    } catch (const TOmbrixError &) {
        // A settings file that cannot be written keeps its old content; the program still ends.
    }
}

void pLoadFromIni()
{
    const QList<TIniLine> lines = fReadIniLines();
    const QList<std::pair<QByteArray, QByteArray>> aOptions = fSectionKeys(lines, sIniSection);
    iGlobIconSize = fIconSizeFrom(fValueOf(aOptions, sIniKey));
    iGlobSnapshot = fSnapshotFrom(fValueOf(aOptions, sIniKeySnapshot));
    bGlobEtichetteUnite = fValueOf(aOptions, sIniKeyEtichette) != "0";
    const QList<std::pair<QByteArray, QByteArray>> aAdatta = fSectionKeys(lines, sIniAdatta);
    iGlobAdattaModo = fModoAdattaFrom(fValueOf(aAdatta, sIniModo));
    bGlobAdattaSottoBanner = fValueOf(aAdatta, sIniSottoBanner) == "1";
    bGlobAdattaLineeMarcate = fValueOf(aAdatta, sIniLineeMarcate) == "1";
    sGlobAdattaColore = fColoreFrom(fValueOf(aAdatta, sIniColore));
    asGlobRecenti.clear();
    for (const auto &[sKey, sValue] : fSectionKeys(lines, sIniRecenti))
        if (!sValue.isEmpty() && asGlobRecenti.size() < iMaxRecenti)
            asGlobRecenti.append(QString::fromUtf8(sValue));
}

TOpzioniFinestra fOpzioniFinestra()
{
    const QList<TIniLine> lines = fReadIniLines();
    TOpzioniFinestra opz;
    opz.iIconSize = iGlobIconSize;
    bool bOk = false;
    const int iZoom = fValueOf(fSectionKeys(lines, sIniSection), sIniKeyZoom).toInt(&bOk, 10);
    opz.iZoom = bOk ? iZoom : iDefaultZoom;
    opz.bGriglia = fValueOf(fSectionKeys(lines, sIniSection), sIniKeyGriglia) == "1";
    const int iPasso = fValueOf(fSectionKeys(lines, sIniSection), sIniKeyPassoGriglia).toInt(&bOk, 10);
    opz.iPassoGriglia = bOk && (iPasso == 4 || iPasso == 8 || iPasso == 16) ? iPasso : iDefaultPassoGriglia;
    const QList<std::pair<QByteArray, QByteArray>> aFinestra = fSectionKeys(lines, sIniFinestra);
    opz.abGeometria = QByteArray::fromBase64(fValueOf(aFinestra, "Geometria"));
    opz.abStato = QByteArray::fromBase64(fValueOf(aFinestra, "Stato"));
    opz.iAlbero = fValueOf(aFinestra, "Albero").toInt();
    return opz;
}

QString fLinguaDaIni()
{
    return QString::fromUtf8(fValueOf(fSectionKeys(fReadIniLines(), sIniSection), sIniLingua)).toLower();
}

void pAggiungiRecente(const QString &sDb)
{
    asGlobRecenti.removeAll(sDb);
    asGlobRecenti.prepend(sDb);
    while (asGlobRecenti.size() > iMaxRecenti)
        asGlobRecenti.removeLast();
}

void pWriteToIni(const TOpzioniFinestra *pFinestra)
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
    pSetKey(lines, sIniSection, sIniKey, QByteArray::number(pFinestra ? pFinestra->iIconSize : iGlobIconSize),
            sNewline);
    // the zoom is written once it differs from 100 or the file names it
    if (pFinestra &&
        (pFinestra->iZoom != iDefaultZoom || !fValueOf(fSectionKeys(lines, sIniSection), sIniKeyZoom).isEmpty()))
        pSetKey(lines, sIniSection, sIniKeyZoom, QByteArray::number(pFinestra->iZoom), sNewline);
    // the grid and its step once they differ from off and 8 or the file names them
    if (pFinestra && (pFinestra->bGriglia || !fValueOf(fSectionKeys(lines, sIniSection), sIniKeyGriglia).isEmpty()))
        pSetKey(lines, sIniSection, sIniKeyGriglia, pFinestra->bGriglia ? "1" : "0", sNewline);
    if (pFinestra && (pFinestra->iPassoGriglia != iDefaultPassoGriglia ||
                      !fValueOf(fSectionKeys(lines, sIniSection), sIniKeyPassoGriglia).isEmpty()))
        pSetKey(lines, sIniSection, sIniKeyPassoGriglia, QByteArray::number(pFinestra->iPassoGriglia), sNewline);
    if (pFinestra) {
        const QList<QByteArray> asFinestra = {"Geometria=" + pFinestra->abGeometria.toBase64(),
                                              "Stato=" + pFinestra->abStato.toBase64(),
                                              "Albero=" + QByteArray::number(pFinestra->iAlbero)};
        // a new [Finestra] goes before the recent projects, which close the file
        qsizetype iFinestra = 0, iFine = 0, iRecenti = 0;
        pFindSection(lines, sIniFinestra, iFinestra, iFine);
        pFindSection(lines, sIniRecenti, iRecenti, iFine);
        if (iFinestra < 0 && iRecenti >= 0)
            lines.insert(iRecenti, {'[' + sIniFinestra + ']', sNewline});
        pSetSection(lines, sIniFinestra, asFinestra, sNewline);
    }
    // the number of snapshots is written once it differs from the default or the file names it
    if (iGlobSnapshot != iDefaultSnapshot || !fValueOf(fSectionKeys(lines, sIniSection), sIniKeySnapshot).isEmpty())
        pSetKey(lines, sIniSection, sIniKeySnapshot, QByteArray::number(iGlobSnapshot), sNewline);
    // labels that stay behind are written once chosen, or while the file names them
    if (!bGlobEtichetteUnite || !fValueOf(fSectionKeys(lines, sIniSection), sIniKeyEtichette).isEmpty())
        pSetKey(lines, sIniSection, sIniKeyEtichette, bGlobEtichetteUnite ? "1" : "0", sNewline);
    // the fitting dialog's choices once they differ from its defaults or the file names them
    const QList<std::pair<QByteArray, QByteArray>> aAdatta = fSectionKeys(lines, sIniAdatta);
    const std::pair<QByteArray, QByteArray> aScelte[] = {{sIniModo, QByteArray::number(iGlobAdattaModo)},
                                                         {sIniSottoBanner, bGlobAdattaSottoBanner ? "1" : "0"},
                                                         {sIniLineeMarcate, bGlobAdattaLineeMarcate ? "1" : "0"},
                                                         {sIniColore, sGlobAdattaColore.toLatin1()}};
    const QByteArray aDefault[] = {"0", "0", "0", sColoreBianco.toLatin1()};
    for (std::size_t i = 0; i < std::size(aScelte); ++i)
        if (aScelte[i].second != aDefault[i] || !fValueOf(aAdatta, aScelte[i].first).isEmpty())
            pSetKey(lines, sIniAdatta, aScelte[i].first, aScelte[i].second, sNewline);
    QList<QByteArray> asRecenti;
    for (int i = 0; i < asGlobRecenti.size() && i < iMaxRecenti; ++i)
        asRecenti.append("Progetto" + QByteArray::number(i + 1) + '=' + asGlobRecenti.at(i).toUtf8());
    pSetSection(lines, sIniRecenti, asRecenti, sNewline);

    QByteArray out;
    for (const TIniLine &line : lines)
        out += line.sText + line.sEnd;
    if (bGlobInstallato)
        QDir().mkpath(QFileInfo(sPath).path()); // the user's configuration folder
    QSaveFile file(sPath);
    file.setDirectWriteFallback(true); // a writable file in a read-only folder
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        throw TOmbrixError(file.errorString() + QStringLiteral(": ") + sPath);
}
