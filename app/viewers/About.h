#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class TfmAbout : public OrvanDialog {
    Q_OBJECT
public:
    explicit TfmAbout(AppContext& app, QWidget* parent = nullptr);
};
