#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class TfmBNS : public OrvanDialog {
    Q_OBJECT
public:
    explicit TfmBNS(AppContext& app, QWidget* parent = nullptr);
};
