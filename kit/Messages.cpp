#include "kit/Messages.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <optional>

#include "kit/AppContext.h"
#include "kit/DialogBase.h"

namespace {
// The core's messages that carry values, as patterns: "%1", "%2" stand for the values (the
// text as typed, a path, the system's reason).
const char* const kMessagePatterns[] = {
    "'%1' is not a valid floating point value",
    "'%1' is not a valid integer value",
    "Cannot save the options to '%1': %2",
};

// `text` read against `pattern`: the values in order, or nothing when it does not fit.
std::optional<QStringList> valuesIn(const QString& text, const QString& pattern) {
    QString expression = QRegularExpression::escape(pattern);
    // escape() writes the "%" of "%1" with a backslash before it.
    expression.replace(QRegularExpression(QStringLiteral("\\\\?%\\d")), QStringLiteral("(.*)"));
    const QRegularExpression whole(QRegularExpression::anchoredPattern(expression),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = whole.match(text);
    if (!match.hasMatch()) return std::nullopt;
    QStringList values = match.capturedTexts();
    values.removeFirst();
    return values;
}
}  // namespace

QString translatedMessage(const QString& text) {
    for (const char* pattern : kMessagePatterns) {
        const std::optional<QStringList> values = valuesIn(text, QString::fromLatin1(pattern));
        if (!values) continue;
        const QString shown = QCoreApplication::translate("Shared", pattern);
        // Both values at once, so that a value holding "%2" stays as it is.
        return values->size() == 1 ? shown.arg(values->at(0))
                                   : shown.arg(values->at(0), values->at(1));
    }
    const QByteArray source = text.toUtf8();
    return QCoreApplication::translate("Shared", source.constData());
}

namespace {
// A box with a short text ("Data error") sizes itself to the text, and the window manager then
// cuts its caption short: a row of the caption's width under the button keeps the box wider.
void showBox(QMessageBox::Icon icon, const char* name, QWidget* parent, const QString& text) {
    QMessageBox box(icon, applicationTitle(), translatedMessage(text), QMessageBox::Ok, parent);
    box.setObjectName(name);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const int wanted = DialogBase::widthForTitle(&box) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}
}  // namespace

void showMessage(QWidget* parent, const QString& text) {
    showBox(QMessageBox::NoIcon, "messageBox", parent, text);
}

void showErrorBox(QWidget* parent, const QString& text) {
    showBox(QMessageBox::Critical, "errorBox", parent, text);
}

void showOutcome(QWidget* parent, orvan::OutcomeKind kind, orvan::MessageStyle style,
                 const QString& shown) {
    if (kind == orvan::OutcomeKind::Done || kind == orvan::OutcomeKind::Cancelled ||
        style == orvan::MessageStyle::None)
        return;
    if (style == orvan::MessageStyle::ErrorBox)
        showErrorBox(parent, shown);
    else
        showMessage(parent, shown);
}
