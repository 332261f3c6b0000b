#pragma once
// Texts to and from the journal's statements, for the storage's own files: every value is bound
// (QSqlQuery::bindValue), never pasted into a statement.
#include <QString>
#include <QVariant>
#include <string>

namespace orvan::journal {

// A UTF-8 text as the value bound to a placeholder.
inline QString sqlText(const std::string& text) {
    return QString::fromStdString(text);
}
// A column's value as UTF-8 text.
inline std::string textOf(const QVariant& value) {
    return value.toString().toStdString();
}

}  // namespace orvan::journal
