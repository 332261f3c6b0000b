#pragma once
// The rows a text window shows after word wrap: what Save and Print write.
#include <QStringList>
#include <functional>

class QPlainTextEdit;

// Calls `row` for every displayed row, first to last; a last row that is empty is left out.
// Only lines wider than the window are laid out, so that long documents stay fast.
// `progress`, when given, is told every few thousand logical lines how many are done.
void forEachDisplayedRow(const QPlainTextEdit* memo, const std::function<void(const QString&)>& row,
                         const std::function<void(int linesDone)>& progress = {});

QStringList displayedRows(const QPlainTextEdit* memo);
