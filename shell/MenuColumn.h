#pragma once
// The main menu as a column of buttons, for the menu bar docked at the left or right edge of
// the main window (a menu bar lays its menus out in a row only). It shows the same menus as
// the menu bar; Left and Right in an open menu move to the previous and next menu.
#include <QList>
#include <QWidget>

class QMenu;
class QToolButton;

class MenuColumn : public QWidget {
    Q_OBJECT
public:
    MenuColumn(const QList<QMenu*>& menus, QWidget* parent = nullptr);

    QList<QToolButton*> buttons() const { return buttons_; }
    // Opens menu `index` beside its button, on the side away from the main window's edge.
    void popUp(int index);
    void setOpensLeft(bool left) { opensLeft_ = left; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QMenu*> menus_;
    QList<QToolButton*> buttons_;
    bool opensLeft_ = false;
};
