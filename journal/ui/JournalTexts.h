#pragma once
// The journal window's texts, translated under its own context, and the question it asks
// before anything a user entered goes.
#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

class QWidget;

inline QString jt(const char* text) {
    return QCoreApplication::translate("JournalWindow", text);
}

// Asks `question` with a field for an optional reason; the reason (maybe "") when the user
// agrees, nothing when not.
// `undoable`: say that the history can undo it.
std::optional<std::string> confirmWithReason(QWidget* parent, const QString& question,
                                             const QString& action, bool undoable = true);
