#pragma once
// The rows a text window shows after word wrap: what Save and Print write.
#include <QStringList>
#include <functional>

class QPlainTextEdit;

// Calls `row` for every displayed row, first to last; a last row that is empty is left out.
// Only lines wider than the window are laid out, so that long documents stay fast.
void forEachDisplayedRow(const QPlainTextEdit* memo,
                         const std::function<void(const QString&)>& row);

QStringList displayedRows(const QPlainTextEdit* memo);
