#include "kit/FormPagesDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "kit/Messages.h"

FormPagesDialog::FormPagesDialog(AppContext& app, QWidget* parent) : DialogBase(app, parent) {}

QString FormPagesDialog::translated(const std::string& text, const std::string& componentName) const {
    return QCoreApplication::translate(context_, text.c_str(), componentName.c_str());
}

void FormPagesDialog::buildFrom(const orvan::Form& form, const char* context) {
    form_ = &form;
    context_ = context;
    setObjectName(fromCore(form.name));
    setWindowTitle(translated(form.caption, form.name));
    setHelpContext(this, form.helpTopic);
    auto* layout = new QVBoxLayout(this);
    if (form.pageControlName.empty()) {
        layout->addWidget(buildPage(0));
        selectPage(0);
        return;
    }
    pages_ = new QTabWidget(this);
    pages_->setObjectName(fromCore(form.pageControlName));
    // Every tab caption whole: the tabs are never scrolled to, as they never switch.
    pages_->setUsesScrollButtons(false);
    pages_->setElideMode(Qt::ElideNone);
    layout->addWidget(pages_);
    for (std::size_t i = 0; i < form.pages.size(); ++i)
        pages_->addTab(buildPage(i), translated(form.pages[i].caption, form.pages[i].name));
    connect(pages_, &QTabWidget::currentChanged, this, &FormPagesDialog::keepSelectedPage);
    selectPage(0);
}

QWidget* FormPagesDialog::buildPage(std::size_t index) {
    const orvan::FormPage& page = form_->pages[index];
    auto* widget = new QWidget(this);
    if (!page.name.empty()) widget->setObjectName(fromCore(page.name));
    setHelpContext(widget, form_->pageHelpTopic(index));
    auto* pageLayout = new QVBoxLayout(widget);
    buildFields(widget, pageLayout, page);
    pageLayout->addStretch(1);

    QWidget* first = nullptr;
    for (const orvan::Field& field : page.fields)
        if (!field.isRadioGroup()) {
            first = widget->findChild<QWidget*>(fromCore(field.name));
            break;
        }
    firstFields_.push_back(first);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok =
        makeActionButton(translated("OK", page.actionName), fromCore(page.actionName));
    buttons->addWidget(ok);
    buttons->addWidget(makeCloseButton(fromCore(page.closeName)));
    pageLayout->addLayout(buttons);
    okButtons_.push_back(ok);
    if (index == 0) firstButtonRow_ = buttons;
    return widget;
}

void FormPagesDialog::addButton(QPushButton* button) {
    button->setAutoDefault(false);
    if (firstButtonRow_) firstButtonRow_->addWidget(button);
}

const orvan::FormPage& FormPagesDialog::shownPage() const {
    return form_->pages[static_cast<std::size_t>(selected_)];
}

void FormPagesDialog::selectPage(int index) {
    if (index < 0 || index >= static_cast<int>(okButtons_.size())) return;
    selected_ = index;
    if (pages_) {
        const QSignalBlocker blocker(pages_);
        pages_->setCurrentIndex(index);
    }
    // Enter runs the OK button of the page on show; the other pages' buttons are hidden.
    okButtons_[static_cast<std::size_t>(index)]->setDefault(true);
    // F1 outside the page's own controls (on the tab bar) opens the topic of the page too.
    setHelpContext(this, form_->pageHelpTopic(static_cast<std::size_t>(index)));
}

void FormPagesDialog::keepSelectedPage(int index) {
    if (index == selected_) return;
    const QSignalBlocker blocker(pages_);
    pages_->setCurrentIndex(selected_);
}

void FormPagesDialog::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    QWidget* current = pages_ ? pages_->currentWidget() : this;
    QWidget* first =
        firstFields_.empty() ? nullptr : firstFields_[static_cast<std::size_t>(selected_)];
    QWidget* focus = focusLeftByUser();
    if (first && current && (!focus || !current->isAncestorOf(focus))) focus = first;
    if (focus && focus != focusWidget()) focus->setFocus();
}
