#include "kit/TextWindow.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

#include "kit/AppContext.h"

namespace {
// Inside a logical line, an LF read from a file is kept as a line separator (U+2028), which
// the text area shows as a line break without starting a new logical line.
constexpr QChar kLineSeparator(0x2028);

QString toDisplay(QString line) {
    return line.replace(QChar('\n'), kLineSeparator);
}
}  // namespace

TextWindow::TextWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("Form1");
    setAttribute(Qt::WA_DeleteOnClose);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    QFont font;
    font.setFamilies({"Times New Roman", "Liberation Serif"});
    font.setPixelSize(16);
    Memo1->setFont(font);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QPlainTextEdit::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QMenu* menu = app_.contextMenu(this)) {
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(Memo1->viewport()->mapToGlobal(pos));
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
}

void TextWindow::setLines(const QStringList& lines) {
    QStringList shown;
    shown.reserve(lines.size());
    for (const auto& line : lines) shown.push_back(toDisplay(line));
    Memo1->setPlainText(shown.join(QChar('\n')));
    holdsNoLines_ = lines.isEmpty();
}

void TextWindow::appendLine(const QString& line) {
    QTextCursor cursor(Memo1->document());
    cursor.movePosition(QTextCursor::End);
    // A cleared window and a window holding one empty line look the same in the text area;
    // only the first append into a cleared one goes into the empty block.
    if (holdsNoLines_ && Memo1->document()->isEmpty())
        holdsNoLines_ = false;
    else
        cursor.insertBlock();
    cursor.insertText(toDisplay(line));
}

QStringList TextWindow::logicalLines() const {
    QStringList lines;
    if (holdsNoLines_ && Memo1->document()->isEmpty()) return lines;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().replace(kLineSeparator, QChar('\n')));
    return lines;
}
