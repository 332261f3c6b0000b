#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class TVubor_Econ : public OrvanDialog {
    Q_OBJECT
public:
    explicit TVubor_Econ(AppContext& app, QWidget* parent = nullptr);
};
