#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class TfmTVO : public OrvanDialog {
    Q_OBJECT
public:
    explicit TfmTVO(AppContext& app, QWidget* parent = nullptr);
};
