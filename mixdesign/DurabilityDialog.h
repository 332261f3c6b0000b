#pragma once
// "Properties of concrete": the frost-resistance page F (number of freeze-thaw cycles) and the
// water-tightness page W (water pressure). A proportioning run shows it once per page it
// needs, each time with the other page hidden; the user cannot switch pages.
#include <QCoreApplication>

#include "mixdesign/MixDialogBase.h"

class DurabilityDialog : public MixDialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TF_W";

    enum Page { F = 0, W = 1 };

    explicit DurabilityDialog(AppContext& app, QWidget* parent = nullptr);

    // Shows page `page` alone; the other page is visible again afterwards. On OK the page's
    // texts (edMarka_F or edW), otherwise nothing.
    std::optional<orvan::FieldTexts> showPage(Page page);
};
