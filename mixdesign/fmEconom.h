#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class Teconomy : public OrvanDialog {
    Q_OBJECT
public:
    explicit Teconomy(AppContext& app, QWidget* parent = nullptr);
};
