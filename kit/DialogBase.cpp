#include "kit/DialogBase.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

#include "kit/AppContext.h"

DialogBase::DialogBase(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void DialogBase::setHelpContext(QWidget* widget, int contextNumber) {
    widget->setProperty("helpContext", contextNumber);
}

int DialogBase::helpContextFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        bool ok = false;
        int number = w->property("helpContext").toInt(&ok);
        if (ok && number > 0) return number;
        if (w->isWindow()) break;
    }
    return 0;
}

QPushButton* DialogBase::makeActionButton(const QString& text, const QString& objectName) {
    actionButton_ = new QPushButton(text, this);
    actionButton_->setObjectName(objectName);
    actionButton_->setDefault(true);
    actionButton_->setAutoDefault(true);
    connect(actionButton_, &QPushButton::clicked, this, &DialogBase::runActionAndClose);
    return actionButton_;
}

QHBoxLayout* DialogBase::makeButtonRow(const QString& actionText) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(makeActionButton(actionText, "BitBtn1"));
    row->addWidget(makeCloseButton("BitBtn2"));
    return row;
}

QPushButton* DialogBase::makeCloseButton(const QString& objectName) {
    auto* button = new QPushButton(tr("&Close", objectName.toUtf8().constData()), this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    return button;
}

int DialogBase::widthForTitle(const QWidget* window) {
    QFont bold = window->font();
    bold.setBold(true);
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    // The window manager's title font is often a little larger than the program's: a quarter
    // more, and six title-bar heights for the icon, the buttons and the margins.
    return QFontMetrics(bold).horizontalAdvance(window->windowTitle()) * 5 / 4 + 6 * titleBar;
}

void DialogBase::showEvent(QShowEvent* event) {
    const int wanted = widthForTitle(this);
    if (width() < wanted && minimumWidth() != maximumWidth()) resize(wanted, height());
    QDialog::showEvent(event);
}

void DialogBase::runActionAndClose() {
    if (!acceptsInput()) return;
    setResult(QDialog::Accepted);
    runAction();
    done(QDialog::Accepted);
}

void DialogBase::reject() {
    if (actionButton_ && !closingByAction_) {
        runActionAndClose();
        return;
    }
    done(QDialog::Rejected);
}

void DialogBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        int number =
            helpContextFor(QApplication::focusWidget() ? QApplication::focusWidget() : this);
        if (number > 0 && app_.help()) app_.help()->showContext(number);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DialogBase::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) focusAtClose_ = focusWidget();
    QDialog::hideEvent(event);
}

QWidget* DialogBase::focusLeftByUser() const {
    return focusAtClose_ ? focusAtClose_.data() : focusWidget();
}

void DialogBase::closeEvent(QCloseEvent* event) {
    // The title-bar close button: result Cancel, no action.
    closingByAction_ = true;
    QDialog::closeEvent(event);
    closingByAction_ = false;
    if (isVisible()) done(QDialog::Rejected);
}
