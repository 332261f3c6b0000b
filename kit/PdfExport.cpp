#include "kit/PdfExport.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QSaveFile>
#include <algorithm>

#include "kit/AppContext.h"
#include "kit/DisplayRows.h"
#include "kit/DocumentArea.h"
#include "kit/FileDialogColumns.h"
#include "kit/Messages.h"
#include "kit/TextFileCommands.h"
#include "kit/TextPrinter.h"
#include "kit/TextWindow.h"

namespace {

// The resolution of the text pages: that of a high-resolution printer, so that the lines
// break where Print breaks them.
constexpr int kTextDpi = 1200;
// Screen pixels per inch, and PDF points per inch, for a chart's page.
constexpr qreal kScreenDpi = 96.0;
constexpr qreal kPointsPerInch = 72.0;
// The least margin of a text page, mm: room for a binder's holes and a printer's grip.
constexpr qreal kLeastMarginMm = 15.0;

QString text(const char* source) {
    return QCoreApplication::translate("PdfDialog", source);
}

using Written = orvan::Outcome<>;

Written failedWith(const QString& reason) {
    return Written::failed(toCore(reason));
}

// Runs `paint` on a PDF writer over a temporary file and renames it over `path` on success.
// A failure with an empty reason takes the file's error as its reason.
template <class Paint>
Written writePdf(const QString& path, Paint paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failedWith(file.errorString());
    Written painted = Written::done({});
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Orvan"));
        painted = paint(writer);
    }  // the writer finishes the file when it goes
    if (painted.ok() && file.error() == QFileDevice::NoError && file.commit()) return painted;
    const QString reason =
        painted.ok() || painted.message.empty() ? file.errorString() : fromCore(painted.message);
    file.cancelWriting();
    return failedWith(reason);
}

// The writer's margins, each at least kLeastMarginMm.
void setLeastMargins(QPdfWriter& writer) {
    const QMarginsF m = writer.pageLayout().margins(QPageLayout::Millimeter);
    writer.setPageMargins(
        QMarginsF(std::max(m.left(), kLeastMarginMm), std::max(m.top(), kLeastMarginMm),
                  std::max(m.right(), kLeastMarginMm), std::max(m.bottom(), kLeastMarginMm)),
        QPageLayout::Millimeter);
}

// The printout's lines laid out as Print lays them, above a footer of two lines that carries
// "page N of M" at the right.
Written paintTextPages(QPdfWriter& writer, const QString& title, const QStringList& rows) {
    const QRectF area = writer.pageLayout().paintRectPixels(kTextDpi);
    QPainter painter;
    if (!painter.begin(&writer)) return failedWith(text("The PDF could not be started."));
    const QFont font = printFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &writer);
    const qreal footer = 2 * metrics.height();
    const std::vector<PrintedLine> lines = layoutPrintout(
        title, rows, metrics, QSizeF(area.width(), std::max(area.height() - footer, footer)));
    const int pages = lines.empty() ? 1 : lines.back().page + 1;
    bool ok = true;
    auto number = [&](int page) {
        const QString label = QStringLiteral("page %1 of %2").arg(page + 1).arg(pages);
        painter.drawText(QPointF(area.width() - metrics.horizontalAdvance(label),
                                 area.height() - metrics.descent()),
                         label);
    };
    int current = 0;
    for (const PrintedLine& line : lines) {
        for (; current < line.page && ok; ++current) {
            number(current);
            ok = writer.newPage();
        }
        if (!ok) break;
        painter.drawText(QPointF(0, line.top + metrics.ascent()), line.text);
    }
    if (ok) number(current);
    const bool finished = painter.end();
    if (!ok || !finished) return failedWith(QString());  // the file's own error tells why
    return Written::done({});
}

}  // namespace

orvan::Outcome<> writeTextPdf(const QString& path, const QString& title, const QStringList& rows,
                              const QPageLayout& layout) {
    return writePdf(path, [&](QPdfWriter& writer) {
        writer.setResolution(kTextDpi);
        if (layout.isValid()) writer.setPageLayout(layout);  // else the writer's own, A4
        setLeastMargins(writer);
        writer.setTitle(title);
        return paintTextPages(writer, title, rows);
    });
}

orvan::Outcome<> writeScenePdf(QGraphicsScene& scene, const QRectF& source, const QString& path) {
    return writePdf(path, [&](QPdfWriter& writer) -> Written {
        const QSizeF points = source.size() * (kPointsPerInch / kScreenDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(int(kScreenDpi));
        QPainter painter;
        if (!painter.begin(&writer)) return failedWith(text("The PDF could not be started."));
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(0, 0, writer.width(), writer.height()), source);
        if (painter.end()) return Written::done({});
        return failedWith(QString());  // the file's own error tells why
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
    fitDetailColumns(&dialog, QStringLiteral("Window №12. Proportioning concrete mixture.pdf"),
                     QStringLiteral("PDF document"));
    // A title holds points ("Window №1. Proportioning ..."): without ".pdf" the dialog takes
    // what follows the last one for the name's suffix and adds none.
    dialog.selectFile(proposedName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                          ? proposedName
                          : proposedName + QStringLiteral(".pdf"));
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
    const orvan::Outcome<> written =
        writeTextPdf(path, document->windowTitle(), displayedRows(document->memo()), layout);
    if (!written.ok())
        showMessage(mainWindow, text("The PDF could not be written to \"%1\": %2")
                                    .arg(path, fromCore(written.message)));
}
