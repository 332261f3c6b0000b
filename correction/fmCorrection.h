#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class Tcorrection : public OrvanDialog {
    Q_OBJECT
public:
    explicit Tcorrection(AppContext& app, QWidget* parent = nullptr);
    // Makes page 0 (correct_strength) or 1 (correct_granulom) the active page.
    void selectPage(int index) { page_ = index; }

private:
    int page_ = 0;
};
