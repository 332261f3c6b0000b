#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class TF_W : public OrvanDialog {
    Q_OBJECT
public:
    explicit TF_W(AppContext& app, QWidget* parent = nullptr);
};
