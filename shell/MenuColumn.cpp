#include "shell/MenuColumn.h"

#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

MenuColumn::MenuColumn(const QList<QMenu*>& menus, QWidget* parent)
    : QWidget(parent), menus_(menus) {
    setObjectName("MenuColumn");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < menus_.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(menus_[i]->objectName() + "Button");
        button->setText(menus_[i]->title());
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, i] { popUp(i); });
        layout->addWidget(button);
        buttons_.push_back(button);
        menus_[i]->installEventFilter(this);
    }
    layout->addStretch(1);
}

void MenuColumn::popUp(int index) {
    if (index < 0 || index >= menus_.size()) return;
    QMenu* menu = menus_[index];
    const QToolButton* button = buttons_[index];
    const QPoint at = opensLeft_ ? button->mapToGlobal(QPoint(-menu->sizeHint().width(), 0))
                                 : button->mapToGlobal(QPoint(button->width(), 0));
    menu->popup(at);
}

bool MenuColumn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isVisible()) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
    const int index = menus_.indexOf(static_cast<QMenu*>(watched));
    if (index < 0) return false;
    const int count = static_cast<int>(menus_.size());
    menus_[index]->hide();
    popUp((index + (key == Qt::Key_Right ? 1 : count - 1)) % count);
    return true;
}
