#pragma once

#include <QDateTime>
#include <QString>

/**
 * The handover document of a project, an A4 PDF written with QPdfWriter:
 * a cover (project name, date, counts), one page per area in the order of
 * the area tree (name, path in the tree, the page as the panel shows it, the
 * table of its objects: type, number, label, position) and, at the end, the
 * table of the panel's inputs and outputs (class, number, type, areas). A
 * table longer than its page goes on over the next ones. The text is text,
 * not pictures.
 *
 * The pages come from an export made into a temporary folder and read back
 * with the maps.txt reader: the project's "out" folder is never touched and
 * the database is only read, so the document can be written while the
 * editor has the project open. Needs a QGuiApplication (fonts), no display.
 * The database must be a plain file. The PDF is written beside sPdf and
 * renamed into place at the end, so a failure leaves the previous one whole;
 * it may not take the place of the project's database or of a file in its
 * "areas" or "backup" folders, nor of anything but a plain file.
 * A failure throws TOmbrixError naming the file.
 */
void pScriviDocumentoPdf(const QString &sDb, const QString &sPdf,
                         const QDateTime &quando = QDateTime::currentDateTime());
