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

namespace {
// What a masked field short of its pattern is told, in the interface's language: the field's
// caption as its label shows it (on one line) and the pattern it needs; in English exactly
// the core's message.
QString entryProblemText(const mix::MixPage& page, const mix::EntryProblem& problem,
                         const QLineEdit* edit) {
    const mix::MixField* field = nullptr;
    for (const mix::MixField& f : page.fields)
        if (f.name == problem.field) field = &f;
    const QLabel* label = nullptr;
    if (edit && edit->parentWidget())
        for (const QLabel* l : edit->parentWidget()->findChildren<QLabel*>())
            if (l->buddy() == edit) label = l;
    if (!field || !label) return fromCore(problem.message);
    QString caption = label->text();
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const std::string hint = mix::entryFormatHint(field->format);
    return QCoreApplication::translate("Shared", "\"%1\": %2")
        .arg(caption, QCoreApplication::translate("Shared", hint.c_str()));
}
}  // namespace

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

bool MixDialogBase::acceptsInput() {
    if (!dialog_) return true;
    const mix::MixPage& page = dialog_->pages[static_cast<std::size_t>(selected_)];
    const auto problem = mix::firstEntryProblem(page, fields_.texts(page));
    if (!problem) return true;
    QLineEdit* edit = fields_.edit(fromCore(problem->field));
    showMessage(this, entryProblemText(page, *problem, edit));
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
