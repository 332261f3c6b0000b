#pragma once
#include "app/OrvanDialog.h"

// Placeholder: the window exists with its name and caption; its contents come later.
class TfmShowPicture : public OrvanDialog {
    Q_OBJECT
public:
    explicit TfmShowPicture(AppContext& app, QWidget* parent = nullptr);
    // Open graphic: shows OpenPictureDialog1, then this window with the chosen picture.
    void openGraphic() {}
};
