#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class TfmOptions : public OrvanDialog {
    Q_OBJECT
public:
    explicit TfmOptions(AppContext& app, QWidget* parent = nullptr);
};
