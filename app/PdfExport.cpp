#include "app/PdfExport.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QSaveFile>

#include "app/AppContext.h"
#include "app/DisplayRows.h"
#include "app/DocumentArea.h"
#include "app/Messages.h"
#include "app/TextFileCommands.h"
#include "app/TextPrinter.h"
#include "app/TextWindow.h"

namespace {

// The resolution of the text pages: that of a high-resolution printer, so that the lines
// break where Print breaks them.
constexpr int kTextDpi = 1200;
// Screen pixels per inch, and PDF points per inch, for a chart's page.
constexpr qreal kScreenDpi = 96.0;
constexpr qreal kPointsPerInch = 72.0;

QString text(const char* source) {
    return QCoreApplication::translate("PdfDialog", source);
}

// Runs `paint` on a PDF writer over a temporary file and renames it over `path` on success.
// A failure with an empty reason takes the file's error as its reason.
template <class Paint>
WriteFailure writePdf(const QString& path, Paint paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    WriteFailure failure;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Orvan"));
        failure = paint(writer);
    }  // the writer finishes the file when it goes
    if (!failure && file.error() == QFileDevice::NoError && file.commit()) return std::nullopt;
    if (!failure || failure->isEmpty()) failure = file.errorString();
    file.cancelWriting();
    return failure;
}

}  // namespace

WriteFailure writeTextPdf(const QString& path, const QString& title, const QStringList& rows,
                          const QPageLayout& layout) {
    return writePdf(path, [&](QPdfWriter& writer) {
        writer.setResolution(kTextDpi);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        return printText(writer, writer.pageLayout().paintRectPixels(kTextDpi), title, rows);
    });
}

WriteFailure writeScenePdf(QGraphicsScene& scene, const QRectF& source, const QString& path) {
    return writePdf(path, [&](QPdfWriter& writer) -> WriteFailure {
        const QSizeF points = source.size() * (kPointsPerInch / kScreenDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(int(kScreenDpi));
        QPainter painter;
        if (!painter.begin(&writer)) return text("The PDF could not be started.");
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(0, 0, writer.width(), writer.height()), source);
        if (painter.end()) return std::nullopt;
        return QString();  // the file's own error tells why
    });
}

QString choosePdfFile(QWidget* parent, const QString& proposedName) {
    QFileDialog dialog(parent);
    dialog.setObjectName("PdfDialog");
    dialog.setWindowTitle(text("Export PDF"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({text("PDF documents (*.pdf)"), text("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void exportActiveDocumentPdf(AppContext& app, QWidget* mainWindow, const QPageLayout& layout) {
    // Taken before the dialog: while it is up there is no active window.
    QPointer<TextWindow> document = app.documents() ? app.documents()->activeDocument() : nullptr;
    if (!document) return;
    const QString path =
        choosePdfFile(mainWindow, TextFileCommands::proposedName(document->windowTitle()));
    if (path.isEmpty() || !document) return;
    if (const WriteFailure failure =
            writeTextPdf(path, document->windowTitle(), displayedRows(document->memo()), layout))
        showMessage(mainWindow,
                    text("The PDF could not be written to \"%1\": %2").arg(path, *failure));
}
