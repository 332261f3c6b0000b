#pragma once
// PDF output of reports and charts: vector drawing through QPdfWriter, written whole or not
// at all (a temporary file beside the target, renamed over it when complete).
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "common/Outcome.h"

class AppContext;
class QGraphicsScene;
class QWidget;

// A text window's printout (its title, an empty line, its displayed rows) in the page layout
// of Print, on pages of `layout` with margins of at least 15 mm and "page N of M" at the foot
// of each; failed with the reason when the file could not be written.
orvan::Outcome<> writeTextPdf(const QString& path, const QString& title, const QStringList& rows,
                              const QPageLayout& layout);

// The part `source` of a scene (a chart) on one page of its own size, as vector drawing.
orvan::Outcome<> writeScenePdf(QGraphicsScene& scene, const QRectF& source, const QString& path);

// Asks for a PDF file name, proposing `proposedName` with ".pdf" (".pdf" added when none is
// typed; overwriting is confirmed);
// empty when cancelled. The dialog is named "PdfDialog".
QString choosePdfFile(QWidget* parent, const QString& proposedName);

// "Export PDF...": the active text document window as a PDF, pages as `layout`. Nothing
// happens without an active text window; a failure is shown in a message box.
void exportActiveDocumentPdf(AppContext& app, QWidget* mainWindow, const QPageLayout& layout);
