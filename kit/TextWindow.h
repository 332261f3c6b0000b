#pragma once
// The text document window: an editable plain-text view inside the main window, the one
// output medium of every report and of opened text files.
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

class AppContext;
class QPlainTextEdit;

// How a window's text is stored on disk; a window is saved in the encoding it was read in.
enum class TextEncoding { Windows1251, Utf8 };

class TextWindow : public QWidget {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TForm1";

    explicit TextWindow(AppContext& app, QWidget* parent = nullptr);

    QPlainTextEdit* memo() const { return Memo1; }

    // Replaces the text by these logical lines. A line feed inside a line (from a file with
    // lone LF line ends) is shown as a line break inside the logical line.
    void setLines(const QStringList& lines);
    // Adds one logical line at the end; after setLines({}) the first one is the first line.
    void appendLine(const QString& line);
    QStringList logicalLines() const;

    TextEncoding encoding() const { return encoding_; }
    void setEncoding(TextEncoding encoding) { encoding_ = encoding; }

private:
    AppContext& app_;
    QPlainTextEdit* Memo1;
    TextEncoding encoding_ = TextEncoding::Windows1251;
    bool holdsNoLines_ =
        false;  // cleared and nothing appended yet (a new window holds one empty line)
};
