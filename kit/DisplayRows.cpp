#include "kit/DisplayRows.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace {

constexpr QChar kLineSeparator(0x2028);

class RowBreaker {
public:
    explicit RowBreaker(const QPlainTextEdit* memo)
        : font_(memo->document()->defaultFont()),
          metrics_(font_),
          option_(memo->document()->defaultTextOption()) {
        // The widget lays out its text in the viewport less the document margin on each side.
        width_ = memo->viewport()->width() - 2 * memo->document()->documentMargin();
        wraps_ = memo->lineWrapMode() != QPlainTextEdit::NoWrap && width_ > 0;
        option_.setFlags(option_.flags() & ~QTextOption::AddSpaceForLineAndParagraphSeparators);
        layout_.setFont(font_);
        layout_.setTextOption(option_);
        layout_.setCacheEnabled(false);
    }

    // The rows of one segment of a logical line (a segment holds no line separator).
    void rows(const QString& segment, const std::function<void(const QString&)>& row) {
        if (!wraps_ || fitsWhole(segment)) {
            row(segment);
            return;
        }
        QTextLayout& layout = layout_;
        layout.setText(segment);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width_);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            row(segment.mid(line.textStart(), line.textLength()));
        }
    }

private:
    // Whether the segment fits the width without breaking. Summing cached advances of single
    // characters is far cheaper than shaping the whole line; where the sum comes close to
    // the width (kerning and shaping could tip it) or a character is outside the cache, the
    // line is measured as the widget would.
    bool fitsWhole(const QString& segment) {
        qreal sum = 0;
        for (QChar c : segment) {
            const char16_t code = c.unicode();
            // A tab advances to the next tab stop, which no single advance tells: lay it out.
            if (code < 0x20) return false;
            if (code >= kCached) return metrics_.horizontalAdvance(segment) <= width_;
            qreal& advance = advances_[code];
            if (advance < 0) advance = metrics_.horizontalAdvance(c);
            sum += advance;
            if (sum > width_) break;
        }
        if (sum <= width_ * 0.95) return true;
        return metrics_.horizontalAdvance(segment) <= width_;
    }

    static constexpr char16_t kCached = 0x0500;  // Latin, Greek and Cyrillic
    std::vector<qreal> advances_ = std::vector<qreal>(kCached, -1.0);
    QFont font_;
    QFontMetricsF metrics_;
    QTextOption option_;
    QTextLayout layout_;  // one layout for every line that needs breaking
    qreal width_ = 0;
    bool wraps_ = false;
};

}  // namespace

void forEachDisplayedRow(const QPlainTextEdit* memo, const std::function<void(const QString&)>& row,
                         const std::function<void(int linesDone)>& progress) {
    RowBreaker breaker(memo);
    // One row behind, so that an empty last row can be left out.
    bool pending = false;
    QString held;
    auto emitRow = [&](const QString& text) {
        if (pending) row(held);
        held = text;
        pending = true;
    };
    constexpr int kProgressStep = 4096;
    int done = 0;
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        if (progress && ++done % kProgressStep == 0) progress(done);
        const QString text = block.text();
        if (!text.contains(kLineSeparator)) {
            breaker.rows(text, emitRow);
            continue;
        }
        for (const QString& segment : text.split(kLineSeparator)) breaker.rows(segment, emitRow);
    }
    if (pending && !held.isEmpty()) row(held);
}

QStringList displayedRows(const QPlainTextEdit* memo) {
    QStringList rows;
    forEachDisplayedRow(memo, [&](const QString& text) { rows.push_back(text); });
    return rows;
}
