#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class TfmPeriod_Analiz1 : public OrvanDialog {
    Q_OBJECT
public:
    explicit TfmPeriod_Analiz1(AppContext& app, QWidget* parent = nullptr);
};
