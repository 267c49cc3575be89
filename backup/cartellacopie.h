#pragma once

#include "backup/cartella.h"

#include <QString>
#include <QStringList>

#include <optional>

/**
 * The layout of the folder "backup", shared by making, listing and
 * restoring snapshots:
 *
 *     backup/immagini/<hash>              each distinct picture, stored once
 *     backup/20261210-093015/casa.omb     the database
 *     backup/20261210-093015/areas/img_1.jpg   a hard link to its stored copy
 *     backup/20261210-093015/motivo.txt   the reason it was made
 *     backup/20261210-093015/impronta.txt the project's fingerprint (impronta.h)
 *     backup/.in-corso-<pid>-<n>/         a snapshot being made
 */

inline const QString sCartellaAree = QStringLiteral("areas");
inline const QString sFileMotivo = QStringLiteral("motivo.txt");
inline const QString sCartellaArchivio = QStringLiteral("immagini");
inline const QString sPrefissoInCorso = QStringLiteral(".in-corso-");

/** The folder "backup" of the project folder sRootPrj, opened: a link or anything but a folder is refused; when
 *  there is none, it is made if bCrea, else nothing is returned. */
std::optional<TCartella> fApriCartellaCopie(const QString &sRootPrj, bool bCrea);

/** The names of the snapshots in the folder "backup" (entries named "AAAAMMGG-hhmmss" or "AAAAMMGG-hhmmss-n",
 *  whatever they are), the most recent first. */
QStringList fNomiCopie(const TCartella &copie);

/** The database of the snapshot folder copia: its plain file "*.omb", empty when there is none. */
QString fDbDellaCopia(const TCartella &copia);

/** The pictures of an "areas" folder: its plain files that are not hidden, by name. */
QStringList fImmaginiDi(const TCartella &aree);
