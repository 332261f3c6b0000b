// Text document windows: Open text, Save as displayed rows, Print into a PDF.
#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "ModalDriver.h"
#include "kit/AppContext.h"
#include "kit/DisplayRows.h"
#include "kit/DocumentArea.h"
#include "kit/TextFileCommands.h"
#include "kit/TextWindow.h"

namespace {

QString title(int n) {
    return QString("Window №%1. Proportioning concrete mixture").arg(n);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Answers the next message box, keeping its text.
void catchMessage(QString* text) {
    answerNextModal([text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            // Every message box carries the application title.
            *text =
                box->windowTitle() == "Orvan-6.4" ? box->text() : "caption " + box->windowTitle();
            box->accept();
        }
    });
}

// Types a name into a non-native file dialog and presses its OK.
void typeName(QFileDialog* dialog, const QString& name) {
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
    static_cast<QDialog*>(dialog)->accept();
}

}  // namespace

class TextWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        area_ = new DocumentArea(app_);
        app_.setDocuments(area_);
        area_->resize(800, 600);
        area_->show();
        QVERIFY(QTest::qWaitForWindowExposed(area_));
        commands_ = new TextFileCommands(app_, area_);
    }
    void cleanup() {
        delete area_;
        area_ = nullptr;
    }

    void savesReportBytes() {
        struct Row {
            const char* name;
            std::vector<std::string> lines;
            QByteArray bytes;
        } rows[] = {
            {"short lines, each with CR LF", {"first", "", "third"}, "first\r\n\r\nthird\r\n"},
            {"the mixed-script unit in Windows-1251", {" МPа"}, "\x20\xCC\x50\xE0\r\n"},
            // Never a substitute byte: a report 1251 cannot hold is written in UTF-8.
            {"text Windows-1251 cannot hold", {"Окно", "✓"}, QString("Окно\r\n✓\r\n").toUtf8()},
            {"an empty last line is no row", {"a", ""}, "a\r\n"},
        };
        for (const auto& row : rows) {
            TextWindow* doc = area_->publishReport(title, row.lines);
            const QString path = dir_->filePath(row.name);
            QVERIFY2(commands_->saveTo(doc, path), row.name);
            QCOMPARE(readAll(path), row.bytes);
        }
    }

    void savesALongLineAsItsDisplayedRows() {
        QString line;
        for (int i = 0; i < 60; ++i) line += QString("word%1 ").arg(i);
        TextWindow* doc = area_->publishReport(title, {line.trimmed().toStdString(), "after"});
        doc->parentWidget()->resize(400, 300);
        QCoreApplication::processEvents();
        const QStringList rows = displayedRows(doc->memo());
        QVERIFY2(rows.size() > 3, qPrintable(QString::number(rows.size())));
        QCOMPARE(rows.last(), QString("after"));
        QCOMPARE(rows.mid(0, rows.size() - 1).join(""), line.trimmed());
        // The rows are the ones the widget itself shows.
        const QTextBlock block = doc->memo()->document()->firstBlock();
        QCOMPARE(block.layout()->lineCount(), rows.size() - 1);
        const QString path = dir_->filePath("long.txt");
        QVERIFY(commands_->saveTo(doc, path));
        QCOMPARE(readAll(path), (rows.join("\r\n") + "\r\n").toLatin1());
    }

    void failedSaveLeavesTheOldFileAndSaysSo() {
        TextWindow* doc = area_->publishReport(title, {"new text"});
        // A name so long that no temporary file can stand beside it: the save cannot happen.
        const QString path = dir_->filePath(QString(250, 'x'));
        writeFile(path, "old text\r\n");
        QString message;
        catchMessage(&message);
        QVERIFY(!commands_->saveTo(doc, path));
        QCOMPARE(message, QString("Нет открытых файлов"));
        QCOMPARE(readAll(path), QByteArray("old text\r\n"));
        catchMessage(&message);
        QVERIFY(!commands_->saveTo(doc, dir_->filePath("missing/dir/file.txt")));
        QCOMPARE(message, QString("Нет открытых файлов"));
    }

    void saveProposesTheTitleWithoutSlashes() {
        QCOMPARE(TextFileCommands::proposedName("Окно №2. /home/a/b.txt"),
                 QString("Окно №2. _home_a_b.txt"));
        TextWindow* doc = area_->publishReport(title, {"x"});
        Q_UNUSED(doc);
        QString proposed;
        answerNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            dialog->reject();
        });
        commands_->save();
        QCOMPARE(proposed, title(1));
    }

    void opensFilesAsLogicalLines() {
        struct Row {
            const char* name;
            QByteArray bytes;
            QStringList lines;
            int rows;
        } rows[] = {
            {"crlf", "a\r\nb\r\n", {"a", "b"}, 2},
            {"lf", "a\nb\nc\n", {"a\nb\nc\n"}, 3},  // one logical line, shown as rows
            {"ctrlz",
             "ab\r\ncd\x1A"
             "ef",
             {"ab", "cd"},
             2},
            {"utf8", "Окно\r\n", {"Окно"}, 1},
            {"cp1251", "\xCE\xEA\xED\xEE\r\n", {"Окно"}, 1},
        };
        for (const auto& row : rows) {
            const QString path = dir_->filePath(row.name);
            writeFile(path, row.bytes);
            const int before = area_->windowNumber();
            TextWindow* doc = commands_->openFile(path);
            QVERIFY(doc);
            QCOMPARE(area_->windowNumber(), before + 1);
            QCOMPARE(doc->windowTitle(), QString("Окно №%1. %2").arg(before + 1).arg(path));
            QCOMPARE(doc->logicalLines(), row.lines);
            QCOMPARE(displayedRows(doc->memo()).size(), row.rows);
        }
    }

    void aLongFileOpensByStepsWithTheSameLines() {
        const int count = TextFileCommands::kProgressLines + 1234;
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += (i == 7 ? QByteArray("a\nb") : QByteArray::number(i)) + "\r\n";
        const QString path = dir_->filePath("long-file.txt");
        writeFile(path, bytes);
        QStringList shown;
        answerNextModal([&](QWidget* modal) { shown << modal->objectName(); });
        TextWindow* doc = commands_->openFile(path);
        QVERIFY(doc);
        QCOMPARE(shown, QStringList{"readProgress"});
        const QStringList lines = doc->logicalLines();
        QCOMPARE(lines.size(), count);
        QCOMPARE(lines[7], QString("a\nb"));  // a lone LF stays inside its line
        QCOMPARE(lines.last(), QString::number(count - 1));
        // Saved back with a progress bar too: the same bytes, the lone LF now a row end.
        answerNextModal([&](QWidget* modal) { shown << modal->objectName(); });
        QVERIFY(commands_->saveTo(doc, dir_->filePath("long-saved.txt")));
        QCOMPARE(shown, QStringList({"readProgress", "saveProgress"}));
        QCOMPARE(readAll(dir_->filePath("long-saved.txt")), bytes.replace("a\nb", "a\r\nb"));
    }

    void openedFileIsSavedInItsOwnEncoding() {
        const QString path = dir_->filePath("in-utf8.txt");
        writeFile(path, QString("Окно\nдва").toUtf8());
        TextWindow* doc = commands_->openFile(path);
        QCOMPARE(doc->encoding(), TextEncoding::Utf8);
        QVERIFY(commands_->saveTo(doc, dir_->filePath("out.txt")));
        QCOMPARE(readAll(dir_->filePath("out.txt")), QString("Окно\r\nдва\r\n").toUtf8());
    }

    void emptyMissingAndUnreadableFiles() {
        const QString empty = dir_->filePath("empty.txt");
        writeFile(empty, "");
        TextWindow* doc = commands_->openFile(empty);
        QVERIFY(doc);
        QCOMPARE(area_->windowNumber(), 1);
        QCOMPARE(doc->memo()->toPlainText(), QString());

        QVERIFY(!commands_->openFile(dir_->filePath("no-such-file")));
        QCOMPARE(area_->windowNumber(), 1);

        QString message;
        catchMessage(&message);
        TextWindow* unreadable = commands_->openFile(dir_->path());  // a folder cannot be read
        QVERIFY(unreadable);
        QCOMPARE(message, QString("File access denied"));
        QCOMPARE(area_->windowNumber(), 2);
    }

    void saveAndPrintWithoutAWindowDoNothing() {
        ModalWatchdog watchdog(3000);  // a dialog shown here would be closed, and noticed
        commands_->save();
        commands_->print();
        TextWindow* doc = area_->publishReport(title, {"x"});
        doc->parentWidget()->close();
        QCoreApplication::processEvents();
        QVERIFY(!area_->activeDocument());
        commands_->save();
        commands_->print();
        QVERIFY(!watchdog.fired());
        QVERIFY(QDir(dir_->path()).isEmpty(QDir::Files));
    }

    void openTextThroughOpenDialog1() {
        const QString path = dir_->filePath("chosen.txt");
        writeFile(path, "one\r\ntwo\r\n");
        // Cancel: no window, no number used.
        answerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        commands_->openText();
        QCOMPARE(area_->windowNumber(), 0);
        // A typed name that does not exist ends the command quietly.
        answerNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QCOMPARE(dialog, commands_->openDialog());
            typeName(dialog, dir_->filePath("not-there.txt"));
        });
        commands_->openText();
        QCOMPARE(area_->windowNumber(), 0);
        answerNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            typeName(dialog, path);
        });
        commands_->openText();
        QCOMPARE(area_->windowNumber(), 1);
        TextWindow* doc = area_->activeDocument();
        QVERIFY(doc);
        QCOMPARE(doc->windowTitle(), "Окно №1. " + path);
        QCOMPARE(doc->logicalLines(), QStringList({"one", "two"}));
    }

    void fileDialogsListEveryFileAndAddNoExtension() {
        for (QFileDialog* dialog : {commands_->openDialog(), commands_->saveDialog()}) {
            QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(dialog->defaultSuffix(), QString());
            QVERIFY(dialog->nameFilters().join("").isEmpty() ||
                    dialog->nameFilters() == QStringList{"All Files (*)"});
        }
        QCOMPARE(commands_->openDialog()->objectName(), QString("OpenDialog1"));
        QCOMPARE(commands_->saveDialog()->objectName(), QString("SaveDialog1"));
        QVERIFY(commands_->saveDialog()->testOption(QFileDialog::DontConfirmOverwrite));
    }

    void fileDialogsAreMadeOnFirstUseInTheStartFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Open text") << "OpenDialog1";
        QTest::newRow("Save") << "SaveDialog1";
    }
    void fileDialogsAreMadeOnFirstUseInTheStartFolder() {
        QFETCH(QString, name);
        QVERIFY(!area_->findChild<QFileDialog*>(name));
        // A folder left before the first use does not move the dialog.
        const QString start = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_->path()));
        QFileDialog* dialog = dialogNamed(name);
        QDir::setCurrent(start);
        QCOMPARE(dialog->objectName(), name);
        QCOMPARE(dialog->directory().absolutePath(), QDir(start).absolutePath());
        QCOMPARE(dialogNamed(name), dialog);
    }

    void typedNameLeavesNoCompletionListWhenTheDialogCloses_data() {
        fileDialogsAreMadeOnFirstUseInTheStartFolder_data();
    }
    void typedNameLeavesNoCompletionListWhenTheDialogCloses() {
        QFETCH(QString, name);
        writeFile(dir_->filePath("chosen.txt"), "one\r\n");
        area_->publishReport(title, {"x"});  // Save needs a window
        QFileDialog* dialog = dialogNamed(name);
        dialog->setDirectory(dir_->path());
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        QAbstractItemView* list = edit->completer()->popup();
        bool listed = false;
        answerNextModal([&](QWidget* modal) {
            modal->activateWindow();  // keys go where a user's would
            QVERIFY(QTest::qWaitForWindowActive(modal));
            auto* files = dialog->findChild<QFileSystemModel*>();
            QTRY_VERIFY_WITH_TIMEOUT(files->rowCount(files->index(dir_->path())) > 0, 5000);
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, "cho");
            QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 5000);
            listed = true;
            static_cast<QDialog*>(modal)->reject();
        });
        name == "OpenDialog1" ? commands_->openText() : commands_->save();
        QVERIFY(listed);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!list->isVisible());
        edit->completer()->complete();  // names listed after the dialog has closed
        QCoreApplication::processEvents();
        QVERIFY(!list->isVisible());
    }

    void saveAcceptsTheProposedNameAndReplacesWithoutAsking() {
        TextWindow* doc = area_->publishReport(title, {"report line"});
        Q_UNUSED(doc);
        const QString target = dir_->filePath(title(1));
        writeFile(target, "older\r\n");
        commands_->saveDialog()->setDirectory(dir_->path());
        answerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
        commands_->save();
        // Exactly the proposed name, no extension added; replaced without a question (one
        // would stay up here until the watchdog).
        QCOMPARE(readAll(target), QByteArray("report line\r\n"));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{title(1)});
        QVERIFY(!watchdog_.fired());
    }

    void printWarnsOfNoPrinterBeforePrintDialog1() {
        area_->publishReport(title, {"x"});
        QPrintDialog* dialog = commands_->printDialog();
        QCOMPARE(dialog->objectName(), QString("PrintDialog1"));
        QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
        const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
        QStringList shown;
        auto cancelPrint = [&](QWidget* modal) {
            shown << modal->objectName();
            qobject_cast<QDialog*>(modal)->reject();
        };
        if (noPrinter) {
            answerNextModal([&](QWidget* modal) {
                shown << modal->objectName() + ": " + qobject_cast<QMessageBox*>(modal)->text();
                answerNextModal(cancelPrint, modal);
                qobject_cast<QMessageBox*>(modal)->accept();
            });
        } else {
            answerNextModal(cancelPrint);
        }
        commands_->print();
        QCOMPARE(shown.last(), QString("PrintDialog1"));
        QCOMPARE(shown.size(), noPrinter ? 2 : 1);
        if (noPrinter) QVERIFY2(shown.first().contains("no printers"), qPrintable(shown.first()));
    }

    void printFailureIsShown() {
        TextWindow* doc = area_->publishReport(title, {"x"});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_->filePath("no/such/folder/out.pdf"));
        QString message;
        catchMessage(&message);
        QVERIFY(!commands_->printTo(doc, printer));
        QVERIFY2(message.contains("could not"), qPrintable(message));
    }

private:
    QFileDialog* dialogNamed(const QString& name) {
        return name == "OpenDialog1" ? commands_->openDialog() : commands_->saveDialog();
    }

    ModalWatchdog watchdog_{20000};
    AppContext app_;
    DocumentArea* area_ = nullptr;
    TextFileCommands* commands_ = nullptr;
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(TextWindowTest)
#include "TextWindowTest.moc"
