#pragma once
// Qt's own file dialog leaves its name-completion list on screen when a typed name is taken
// with Enter: the list outlives the dialog and swallows the next keystroke. This keeps the
// list inside the dialog's life: it is hidden when the dialog closes and never shown while
// the dialog is hidden.
class QFileDialog;

void keepCompletionWithDialog(QFileDialog* dialog);
