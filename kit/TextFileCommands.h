#pragma once
// Open text, Save and Print: the three commands that work on text document windows, with the
// main window's file dialogs OpenDialog1, SaveDialog1 and PrintDialog1.
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string_view>
#include <vector>

class AppContext;
class QFileDialog;
class QPrintDialog;
class QProgressDialog;
class QPrinter;
class QWidget;
class TextWindow;

class TextFileCommands : public QObject {
    Q_OBJECT
public:
    TextFileCommands(AppContext& app, QWidget* mainWindow);
    ~TextFileCommands() override;

    // The commands as the user runs them: each shows its dialog first.
    void openText();
    void save();
    void print();

    // The steps after the dialog. openFile: the new window (null when the file does not exist).
    TextWindow* openFile(const QString& path);
    // Writes the window's displayed rows; false (and the message shown) when it failed, in
    // which case an existing file of that name is left as it was.
    bool saveTo(TextWindow* document, const QString& path);
    // Prints the window; false (and the message shown) when the job failed.
    bool printTo(TextWindow* document, QPrinter& printer);

    // The name Save proposes: the window title, with every "/" turned into "_" so that a
    // title holding a path cannot send the file somewhere the user did not choose.
    static QString proposedName(const QString& title);

    // The file dialogs are made on first use (building one lists a folder and loads its
    // icons, the larger part of the start-up); each then lives, with what was typed into it,
    // until the program ends, and opens first in the folder the program started in.
    QFileDialog* openDialog();
    QFileDialog* saveDialog();
    // The printer and PrintDialog1 are made on first use: setting up a printer asks the print
    // system, which takes a while and is not needed at start-up.
    QPrinter* printer();
    QPrintDialog* printDialog();

    // Lines above this count are loaded in steps with a progress indication.
    static constexpr int kProgressLines = 200000;
    // Files above this size (bytes) show their progress from the start of reading.
    static constexpr qint64 kProgressBytes = qint64(32) << 20;

private:
    std::unique_ptr<QProgressDialog> makeProgress(const char* name, const QString& label);
    void loadLines(TextWindow* document, const std::vector<std::string_view>& lines, bool utf8Text,
                   std::unique_ptr<QProgressDialog>& progress);

    AppContext& app_;
    QWidget* mainWindow_;
    const QString startFolder_;
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QPointer<QPrintDialog> printDialog_;  // a child of the main window, made on first use
};
