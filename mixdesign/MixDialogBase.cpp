#include "mixdesign/MixDialogBase.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Messages.h"
#include "mixdesign/calc/MixForms.h"

namespace mix = orvan::mix;

MixDialogBase::MixDialogBase(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {}

void MixDialogBase::buildFrom(const mix::MixDialog& dialog, const Translator& tr) {
    dialog_ = &dialog;
    setObjectName(fromCore(dialog.formName));
    setWindowTitle(tr(dialog.caption.c_str(), dialog.formName.c_str()));
    setHelpContext(this, dialog.helpContext);
    auto* layout = new QVBoxLayout(this);
    if (dialog.pageControlName.empty()) {
        layout->addWidget(buildPage(dialog, 0, tr));
        return;
    }
    pages_ = new QTabWidget(this);
    pages_->setObjectName(fromCore(dialog.pageControlName));
    // Every tab caption whole: the dialog is as wide as its tab row.
    pages_->setUsesScrollButtons(false);
    pages_->setElideMode(Qt::ElideNone);
    layout->addWidget(pages_);
    for (int i = 0; i < static_cast<int>(dialog.pages.size()); ++i) {
        const mix::MixPage& page = dialog.pages[static_cast<std::size_t>(i)];
        pages_->addTab(buildPage(dialog, i, tr), tr(page.caption.c_str(), page.name.c_str()));
    }
    connect(pages_, &QTabWidget::currentChanged, this, &MixDialogBase::refuseUserSwitch);
    selectPage(0);
}

QWidget* MixDialogBase::buildPage(const mix::MixDialog& dialog, int index, const Translator& tr) {
    const mix::MixPage& page = dialog.pages[static_cast<std::size_t>(index)];
    auto* widget = new QWidget(this);
    if (!page.name.empty()) widget->setObjectName(fromCore(page.name));
    setHelpContext(widget, dialog.helpContext);
    auto* pageLayout = new QVBoxLayout(widget);
    fields_.build(widget, page, tr);
    pageLayout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok =
        makeActionButton(tr("OK", page.actionName.c_str()), fromCore(page.actionName));
    buttons->addWidget(ok);
    buttons->addWidget(makeCloseButton(fromCore(page.closeName)));
    pageLayout->addLayout(buttons);
    okButtons_.push_back(ok);
    if (index == 0) extraButtons_ = buttons;
    return widget;
}

void MixDialogBase::addButton(QPushButton* button) {
    button->setAutoDefault(false);
    if (auto* row = qobject_cast<QHBoxLayout*>(extraButtons_)) row->addWidget(button);
}

void MixDialogBase::selectPage(int index) {
    if (index < 0 || index >= static_cast<int>(okButtons_.size())) return;
    selected_ = index;
    if (pages_) {
        const QSignalBlocker blocker(pages_);
        pages_->setCurrentIndex(index);
    }
    okButtons_[static_cast<std::size_t>(index)]->setDefault(true);
}

std::optional<orvan::FieldTexts> MixDialogBase::askOnPage(int index) {
    selectPage(index);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return fields_.texts(dialog_->pages[static_cast<std::size_t>(selected_)]);
}

bool MixDialogBase::pageChanging(int) const {
    return false;
}

// Every way of changing the tab (click, Ctrl+Tab, arrows, wheel) arrives here and, refused,
// is undone before anything is painted.
void MixDialogBase::refuseUserSwitch(int index) {
    if (index == selected_) return;
    if (pageChanging(index)) {
        selected_ = index;
        return;
    }
    const QSignalBlocker blocker(pages_);
    pages_->setCurrentIndex(selected_);
}

QString MixDialogBase::shownCaption(const QString& name) const {
    const QLineEdit* edit = fields_.edit(name);
    if (!edit || !edit->parentWidget()) return {};
    for (const QLabel* label : edit->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == edit)
            return label->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {};
}

bool MixDialogBase::acceptsInput() {
    if (!dialog_) return true;
    const mix::MixPage& page = dialog_->pages[static_cast<std::size_t>(selected_)];
    const auto problem = mix::firstEntryProblem(page, fields_.texts(page));
    if (!problem) return true;
    QLineEdit* edit = fields_.edit(fromCore(problem->field));
    // Told in the interface's language: the field's caption and the pattern it needs.
    const QString caption = shownCaption(fromCore(problem->field));
    std::string hint;
    for (const mix::MixField& field : page.fields)
        if (field.name == problem->field) hint = mix::entryFormatHint(field.format);
    showMessage(this, caption.isEmpty() || hint.empty()
                          ? fromCore(problem->message)
                          : QCoreApplication::translate("Shared", "\"%1\": %2")
                                .arg(caption, QCoreApplication::translate("Shared", hint.c_str())));
    if (edit) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    return false;
}

void MixDialogBase::showEvent(QShowEvent* event) {
    OrvanDialog::showEvent(event);
    QWidget* current = pages_ ? pages_->currentWidget() : this;
    QWidget* focus = focusWidget();
    if (current && (!focus || !current->isAncestorOf(focus))) {
        if (auto* first = current->findChild<QLineEdit*>()) first->setFocus();
    }
}
