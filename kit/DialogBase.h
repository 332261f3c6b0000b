#pragma once
// The common behaviour of the program's dialogs:
// - the action button ("OK" or the named action) is the default button and the cancel button
//   at once, so Enter and Esc both run it; the result OK is set before the action runs, so
//   the dialog closes after the action even when the action failed;
// - "&Close" gives the result Cancel and runs nothing; so does the title-bar close button;
// - F1 opens the help topic of the focused control or of its nearest enclosing widget that
//   has a context number (the dynamic property "helpContext"); none: nothing happens.
#include <QDialog>
#include <QPointer>

class AppContext;
class QHBoxLayout;
class QPushButton;

class DialogBase : public QDialog {
    Q_OBJECT
public:
    DialogBase(AppContext& app, QWidget* parent);

    // Sets the help context number of a widget (the dialog itself, a page, a control).
    static void setHelpContext(QWidget* widget, int contextNumber);
    // The context number F1 would open from `widget`, or 0.
    static int helpContextFor(const QWidget* widget);

    QPushButton* actionButton() const { return actionButton_; }
    // The width at which the window manager shows the whole title of `window`: its text in
    // the title bar's bold font, with room for the icon and the three title-bar buttons.
    static int widthForTitle(const QWidget* window);

public slots:
    void reject() override;  // Esc runs the action, as the action button is the cancel button

protected:
    // Makes the action button (named `objectName`); its click sets the result OK, runs
    // runAction(), then closes the dialog.
    QPushButton* makeActionButton(const QString& text, const QString& objectName);
    // Makes a "&Close" button that closes with the result Cancel.
    QPushButton* makeCloseButton(const QString& objectName);
    // The usual row of buttons at the right: the action button `BitBtn1` with `actionText`,
    // then "&Close" `BitBtn2`. A dialog puts its own buttons at the left with insertWidget(0).
    QHBoxLayout* makeButtonRow(const QString& actionText);
    // The dialog's work on OK. Default: nothing.
    virtual void runAction() {}
    // Asked on OK before anything runs: false keeps the dialog open with nothing run (the
    // dialog has said why and put the focus where the user must correct). Default: true.
    virtual bool acceptsInput() { return true; }

    void keyPressEvent(QKeyEvent* event) override;
    // A dialog is never narrower than its title (a translated title may be longer than the
    // contents are wide); a dialog of fixed size stays as it is.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Where the user left the focus: the widget that had it when the dialog last closed, else
    // the focus widget. An activation that reaches the dialog after it has closed (platforms
    // activate a window asynchronously, so a quick close outruns it) moves the focus of the
    // hidden dialog on to the next field; a dialog that reopens with the focus where the user
    // left it asks here rather than focusWidget().
    QWidget* focusLeftByUser() const;

    AppContext& app() const { return app_; }

private:
    void runActionAndClose();

    AppContext& app_;
    QPushButton* actionButton_ = nullptr;
    bool closingByAction_ = false;
    QPointer<QWidget> focusAtClose_;
};
