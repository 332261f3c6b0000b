#pragma once
// The inputs of the chosen cement-saving technique, one page each: the new cement strength
// (marka_cem), the fly-ash amount (ash), the superplasticizer's water-reducing effect
// (superplast, "The average data" asks for the tabled factor) and the plasticizer's (plast).
// The choice dialog selects the page; the user cannot switch pages.
#include <QCoreApplication>

#include "mixdesign/MixDialogBase.h"

class CementSavingTechniqueDialog : public MixDialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TVubor_Econ";

    explicit CementSavingTechniqueDialog(AppContext& app, QWidget* parent = nullptr);

    // Shows page `index` (0 marka_cem, 1 ash, 2 superplast, 3 plast) after putting the
    // `prefilled` texts into their fields (the stronger-cement page starts from the mix's
    // cement strength); on OK the page's one text, otherwise nothing.
    std::optional<orvan::FieldTexts> ask(int index, const orvan::FieldTexts& prefilled);
};
