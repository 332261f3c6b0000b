#include "kit/FileDialogClosing.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QFileDialog>
#include <QPointer>

namespace {

class CompletionGuard : public QObject {
public:
    explicit CompletionGuard(QFileDialog* dialog)
        : QObject(dialog), dialog_(dialog), dialogObject_(dialog) {
        dialog->installEventFilter(this);
        for (QCompleter* completer : dialog->findChildren<QCompleter*>())
            if (QAbstractItemView* popup = completer->popup()) popup->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Compared as objects: events also arrive while the dialog is being destroyed, when it
        // is no longer a QFileDialog.
        const bool fromDialog = watched == dialogObject_.data();
        if (fromDialog && event->type() == QEvent::Hide) {
            hidePopups();
        } else if (!fromDialog && event->type() == QEvent::Show && dialog_ &&
                   !dialog_->isVisible()) {
            // Shown late, by names listed after the dialog closed: out again at once.
            QMetaObject::invokeMethod(this, &CompletionGuard::hidePopups, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void hidePopups() {
        if (!dialog_) return;
        for (QCompleter* completer : dialog_->findChildren<QCompleter*>())
            if (completer->popup() && completer->popup()->isVisible()) completer->popup()->hide();
    }

    QPointer<QFileDialog> dialog_;
    QPointer<QObject> dialogObject_;
};

}  // namespace

void keepCompletionWithDialog(QFileDialog* dialog) {
    new CompletionGuard(dialog);
}
