#pragma once
// A dialog built from the core's table of its fields: one page, or a page control whose pages
// the user can never switch (the opening code selects the page). Each page has its own OK, the
// default button while the page is shown, and its "&Close"; on show the page's first text field
// takes the focus unless the user left it inside the page. A window says how its fields are laid
// out on a page; everything else is here.
#include <QString>
#include <string>
#include <vector>

#include "kit/DialogBase.h"
#include "common/Form.h"

class QHBoxLayout;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

class FormPagesDialog : public DialogBase {
    Q_OBJECT
public:
    FormPagesDialog(AppContext& app, QWidget* parent);

    // The page control (null for a single-page dialog) and the page shown.
    QTabWidget* pageControl() const { return pages_; }
    int selectedPage() const { return selected_; }
    // Makes page `index` the shown one, its OK the default button and its help topic the
    // dialog's; any other index is ignored.
    void selectPage(int index);

protected:
    // Builds the window, its pages and their buttons from `form` (called by the window's own
    // constructor, so that its buildFields lays the fields out), every text translated in
    // `context` (the window class's kForm) with the component name as the disambiguation.
    void buildFrom(const orvan::Form& form, const char* context);
    // Lays out the fields of `page` on `widget` above its buttons (`layout` is the page's).
    virtual void buildFields(QWidget* widget, QVBoxLayout* layout, const orvan::FormPage& page) = 0;
    // A table text in the window's context.
    QString translated(const std::string& text, const std::string& componentName) const;
    // Adds a button beside OK and "&Close" on the first page.
    void addButton(QPushButton* button);

    const orvan::Form* form() const { return form_; }
    const orvan::FormPage& shownPage() const;

    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildPage(std::size_t index);
    // Every way of changing the tab (click, Ctrl+Tab, arrows, wheel) arrives here and is
    // undone before anything is painted.
    void keepSelectedPage(int index);

    const orvan::Form* form_ = nullptr;
    const char* context_ = "";
    QTabWidget* pages_ = nullptr;
    std::vector<QPushButton*> okButtons_;
    std::vector<QWidget*> firstFields_;  // null for a page without a text field
    QHBoxLayout* firstButtonRow_ = nullptr;
    int selected_ = 0;
};
