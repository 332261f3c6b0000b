#include "kit/TextFileCommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTextBlock>
#include <memory>

#include "common/TextLines.h"
#include "kit/AppContext.h"
#include "kit/DisplayRows.h"
#include "kit/DocumentArea.h"
#include "kit/FileDialogClosing.h"
#include "kit/FileDialogColumns.h"
#include "kit/Messages.h"
#include "kit/TextPrinter.h"
#include "kit/TextWindow.h"

namespace {

const char* const kNoOpenFiles = "Нет открытых файлов";

QFileDialog* makeFileDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode,
                            const QString& folder) {
    auto* dialog = new QFileDialog(parent, QString(), folder);
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    // Open: a name typed that does not exist ends the command quietly, as a vanished file does.
    dialog->setFileMode(QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave) dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setDefaultSuffix(QString());
    keepCompletionWithDialog(dialog);
    fitDetailColumns(dialog, QStringLiteral("Window №12. Proportioning concrete mixture.txt"),
                     QStringLiteral("plain text document"));
    return dialog;
}

QString utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

TextFileCommands::TextFileCommands(AppContext& app, QWidget* mainWindow)
    : QObject(mainWindow), app_(app), mainWindow_(mainWindow), startFolder_(QDir::currentPath()) {}

QFileDialog* TextFileCommands::openDialog() {
    if (!openDialog_)
        openDialog_ =
            makeFileDialog(mainWindow_, "OpenDialog1", QFileDialog::AcceptOpen, startFolder_);
    return openDialog_;
}

QFileDialog* TextFileCommands::saveDialog() {
    if (!saveDialog_)
        saveDialog_ =
            makeFileDialog(mainWindow_, "SaveDialog1", QFileDialog::AcceptSave, startFolder_);
    return saveDialog_;
}

QPrinter* TextFileCommands::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return printer_.get();
}

QPrintDialog* TextFileCommands::printDialog() {
    if (!printDialog_) {
        printDialog_ = new QPrintDialog(printer(), mainWindow_);
        printDialog_->setObjectName("PrintDialog1");
        // The choice of printer and printing to a file; no page range, no selection.
        printDialog_->setOptions(QAbstractPrintDialog::PrintToFile);
    }
    return printDialog_;
}

TextFileCommands::~TextFileCommands() {
    // The dialog refers to the printer: it goes first.
    delete printDialog_;
    printer_.reset();
}

QString TextFileCommands::proposedName(const QString& title) {
    QString name = title;
    return name.replace('/', '_');
}

void TextFileCommands::openText() {
    QFileDialog* dialog = openDialog();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    openFile(dialog->selectedFiles().constFirst());
}

std::unique_ptr<QProgressDialog> TextFileCommands::makeProgress(const char* name,
                                                                const QString& label) {
    // Modal to the main window: the window being filled cannot be edited or closed meanwhile.
    auto progress = std::make_unique<QProgressDialog>(label, QString(), 0, 1, mainWindow_);
    progress->setObjectName(name);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    return progress;
}

TextWindow* TextFileCommands::openFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return nullptr;
    const QString shown = QDir::toNativeSeparators(path);
    TextWindow* document = app_.documents()->createDocument(
        [&](int n) { return QString::fromUtf8("Окно №") + QString::number(n) + ". " + shown; });
    // A large file shows its progress from the first megabyte read.
    std::unique_ptr<QProgressDialog> progress;
    if (info.size() > kProgressBytes) {
        progress = makeProgress(
            "readProgress",
            QCoreApplication::translate("TfmForm1", "Reading the file...", "readProgress"));
        progress->setRange(0, int(info.size() >> 10));  // KiB
    }
    // Whatever was read before an error stays in the window.
    const orvan::FileBytes read =
        orvan::readFileBytes(QFile::encodeName(path).toStdString(), [&](std::size_t bytes) {
            if (progress) progress->setValue(std::min(progress->maximum(), int(bytes >> 10)));
        });
    const std::string_view view(read.bytes);
    const orvan::FileEncoding encoding = orvan::detectEncoding(view);
    if (progress) QApplication::processEvents();  // between two long scans of the bytes
    document->setEncoding(encoding == orvan::FileEncoding::Utf8 ? TextEncoding::Utf8
                                                                : TextEncoding::Windows1251);
    loadLines(document, orvan::logicalLines(view, encoding), encoding == orvan::FileEncoding::Utf8,
              progress);
    progress.reset();
    if (read.error) showErrorBox(mainWindow_, utf8(orvan::ioErrorText(read.error)));
    return document;
}

void TextFileCommands::loadLines(TextWindow* document, const std::vector<std::string_view>& lines,
                                 bool utf8Text, std::unique_ptr<QProgressDialog>& progress) {
    auto decode = [utf8Text](std::string_view line) {
        return utf8Text ? utf8(std::string(line)) : utf8(orvan::cp1251ToUtf8(line));
    };
    if (lines.size() <= std::size_t(kProgressLines) && !progress) {
        QStringList decoded;
        decoded.reserve(qsizetype(lines.size()));
        for (std::string_view line : lines) decoded.push_back(decode(line));
        document->setLines(decoded);
        return;
    }
    // A long file goes in by steps, with a progress bar and the event loop in between, so
    // that the program never seems to freeze. Putting lines into the text area costs far more
    // than decoding them and grows with the document, so each step is sized by the time the
    // last one took: some 40 ms, well inside the 200 ms a user notices.
    QPointer<TextWindow> guard(document);
    if (!progress)
        progress = makeProgress(
            "readProgress",
            QCoreApplication::translate("TfmForm1", "Reading the file...", "readProgress"));
    progress->setRange(0, int(lines.size()));
    document->setLines({});
    constexpr qint64 kStepMs = 40;
    std::size_t step = 2000, done = 0;
    QElapsedTimer clock;
    while (done < lines.size() && guard) {
        clock.start();
        QString chunk;
        for (std::size_t end = std::min(lines.size(), done + step); done < end; ++done) {
            if (done > 0) chunk += QChar('\n');
            chunk += decode(lines[done]).replace(QChar('\n'), QChar(0x2028));
        }
        QTextCursor cursor(document->memo()->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(chunk);
        const qint64 took = clock.elapsed();
        if (took < kStepMs / 2)
            step *= 2;
        else if (took > kStepMs && step > 250)
            step /= 2;
        progress->setValue(int(done));
        QApplication::processEvents();
    }
}

void TextFileCommands::save() {
    // The target is taken before the dialog: while a modal dialog is up there is no active
    // window, and the window may be gone when the dialog returns.
    QPointer<TextWindow> document = app_.documents()->activeDocument();
    if (!document) return;
    QFileDialog* dialog = saveDialog();
    dialog->selectFile(proposedName(document->windowTitle()));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
    if (document) saveTo(document, dialog->selectedFiles().constFirst());
}

bool TextFileCommands::saveTo(TextWindow* document, const QString& path) {
    // The rows are streamed into the file's bytes, then written whole (a temporary file
    // renamed over the old one), so a failure never leaves a half-written file.
    std::vector<std::string> rows;
    const int lines = document->memo()->document()->blockCount();
    // A long window is written with a progress bar: laying out wide lines takes a while. The
    // bar is modal to the main window, so the text cannot change while it is read.
    std::unique_ptr<QProgressDialog> progress;
    if (lines > kProgressLines) {
        progress = makeProgress(
            "saveProgress",
            QCoreApplication::translate("TfmForm1", "Saving the file...", "saveProgress"));
        progress->setRange(0, lines);
    }
    forEachDisplayedRow(
        document->memo(), [&](const QString& row) { rows.push_back(row.toStdString()); },
        [&](int done) {
            if (progress) progress->setValue(done);
        });
    progress.reset();
    const auto wanted = document->encoding() == TextEncoding::Utf8
                            ? orvan::FileEncoding::Utf8
                            : orvan::FileEncoding::Windows1251;
    const std::string bytes = orvan::encodeRows(rows, wanted).bytes;
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
    ok = ok && file.commit();
    if (!ok) {
        file.cancelWriting();
        showMessage(mainWindow_, QString::fromUtf8(kNoOpenFiles));
    }
    return ok;
}

void TextFileCommands::print() {
    QPointer<TextWindow> document = app_.documents()->activeDocument();
    if (!document) return;
    // A QPrinter falls back to PDF without a word: say so before the dialog.
    if (QPrinterInfo::availablePrinters().isEmpty())
        showMessage(mainWindow_,
                    QCoreApplication::translate(
                        "TfmForm1", "There are no printers installed. You can print to a file.",
                        "PrintDialog1"));
    if (printDialog()->exec() != QDialog::Accepted || !document) return;
    printTo(document, *printer());
}

bool TextFileCommands::printTo(TextWindow* document, QPrinter& printer) {
    const orvan::Outcome<> printed =
        printText(printer, document->windowTitle(), displayedRows(document->memo()));
    if (!printed.ok()) showMessage(mainWindow_, fromCore(printed.message));
    return printed.ok();
}
