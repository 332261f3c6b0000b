#include "mixdesign/calc/MixForms.h"

#include "common/HelpTopic.h"

namespace orvan::mix {

namespace {

const std::vector<std::string> kYesNo{"Yes", "No"};

MixField text(std::string name, std::vector<std::string> caption, std::string defaultText,
              EntryFormat format = EntryFormat::Free) {
    return MixField{std::move(name), std::move(caption), std::move(defaultText), format, {}};
}

MixField radio(std::string name, std::string caption, std::vector<std::string> items,
               int defaultIndex) {
    return MixField{std::move(name),
                    {std::move(caption)},
                    std::to_string(defaultIndex),
                    EntryFormat::Free,
                    std::move(items)};
}

std::string cementCaption() {
    return std::string(kCyrillicEs) + "ompressive strength of cement, MPa";
}

MixDialog makeBns() {
    return MixDialog{
        "fmBNS",
        "TfmBNS",
        "Data for proportioning concrete mixture",
        kHelpProportioning,
        {MixPage{
            "",
            "",
            {
                radio("rgYdoboykl", "Workability of concrete mix", {"Slump, sm", "Vebe, sec"}, 0),
                text("edYdoboykl", {"Value of concrete mix", "workability"}, "0"),
                text("edMkr_P", {"Fineness modulus of sand"}, "2.0", EntryFormat::DigitDotDigit),
                text("edNPl_P", {"Bulk density of sand, kg per cu m"}, "1400",
                     EntryFormat::FourDigits),
                text("edPr_P", {"Amount of clay lumps and", "friable particles in sand, %"}, "1.0",
                     EntryFormat::DigitDotDigit),
                text("edMarkCem", {cementCaption()}, "50", EntryFormat::TwoDigits),
                text("edNGCT", {"Normal consistency of cement paste, %"}, "28",
                     EntryFormat::TwoDigits),
                text("edNKr_Sc", {"Max. coarse aggregate size, mm"}, "20"),
                text("edNPl_Sc", {"Bulk density of coarse aggregates, kg per cu m"}, "1350",
                     EntryFormat::FourDigits),
                text("edPr_Sc",
                     {"Amount of clay lumps and", "friable particles in coarse aggregates, %"},
                     "0.5", EntryFormat::DigitDotDigit),
                text("edClassBet", {"Compressive strength", "of concrete at 28 days, MPa"}, "20"),
            },
            "BitBtn1",
            "BitBtn2"}},
        ""};
}

MixDialog makeOptions() {
    return MixDialog{
        "fmOptions",
        "TfmOptions",
        "Options for proportioning concrete mixture",
        kHelpProportioningOptions,
        {MixPage{"",
                 "",
                 {
                     radio("rgWaterproof", "Value of watertightness is given", kYesNo, 1),
                     radio("rgFrost", "Number of freeze-thaw cycles is given", kYesNo, 1),
                     radio("rgArmatyra", "Reinforcement is used", kYesNo, 1),
                     radio("rgProparka", "Atmospheric steam curing is used", kYesNo, 1),
                     radio("rgEconomy",
                           "Technological decisions for decreasing of cement content is used",
                           kYesNo, 1),
                     radio("rgZapolnitel", "Kind of coarse aggregates",
                           {"Crushed stones", "Gravels"}, 0),
                     text("edPlotnostC", {"Relative density of cement"}, "3.15"),
                     text("edPlotnostP", {"Relative density of sand"}, "2.65"),
                     text("edPlotnostSC", {"Relative density of coarse aggregates"}, "2.68"),
                     text("edTemperatyr", {"Temperature of fresh concrete, Celsium"}, "20"),
                 },
                 "BitBtn1",
                 "BitBtn2"}},
        ""};
}

MixDialog makeProperties() {
    return MixDialog{
        "F_W",
        "TF_W",
        "Properties of concrete",
        kHelpProportioning,
        {
            MixPage{"F",
                    "Resistance to freezing and thawing is given",
                    {text("edMarka_F", {"Enter number of freeze-thaw cycles:"}, "100")},
                    "BitBtn1",
                    "BitBtn2"},
            MixPage{"W",
                    "The value of watertightness is given",
                    {text("edW", {"Enter water pressure, kPa: "}, "400")},
                    "BitBtn3",
                    "BitBtn4"},
        },
        "FW"};
}

MixDialog makeSteamCuring() {
    return MixDialog{"fmTVO",
                     "TfmTVO",
                     "Initial data for steam curing",
                     kHelpProportioning,
                     {MixPage{"",
                              "",
                              {
                                  text("edT_prop", {"Steaming period, hours:"}, "10"),
                                  text("edT_vuderz", {"Period after steam curing, hours:"}, "4"),
                                  radio("rgYskoriteli", "Accelerating admixtures",
                                        {"Accelerating admixtures are not used", "Natrium sulphate",
                                         "Calcium chloride", "Superplasticizer"},
                                        0),
                                  radio("rgVid_Cem", "Type of cement",
                                        {"Normal portland cement (Type 10)",
                                         "Portland-Blast-Furnace-Slag cement (Type 10S)"},
                                        0),
                              },
                              "BitBtn1",
                              "BitBtn2"}},
                     ""};
}

const char* const kEconomyCaption = "Technological decisions for decreasing of cement content";

MixDialog makeEconomy() {
    return MixDialog{
        "economy",
        "Teconomy",
        kEconomyCaption,
        kHelpProportioning,
        {MixPage{"",
                 "",
                 {radio("rgEconomy", "The offered technological decisions",
                        {"There is not necessary technological decision",
                         "Increasing of compressive strength of cement ", "Using of fly ash",
                         "Adding of superplasticizer", "Adding of plasticizer"},
                        0)},
                 "BitBtn1",
                 "BitBtn2"}},
        ""};
}

MixDialog makeTechnique() {
    const char* effect = "Enter water-reducing effect,  %:";
    return MixDialog{
        "Vubor_Econ",
        "TVubor_Econ",
        kEconomyCaption,
        kHelpProportioning,
        {
            MixPage{"marka_cem",
                    "Increasing of compressive strength of cement",
                    {text("edMarka_C", {"Enter compressive strength of cement, MPa:"}, "")},
                    "bbMarka_C",
                    "BitBtn2"},
            MixPage{"ash",
                    "Using of fly ash",
                    {text("edAsh", {"Enter amount of fly ash, kg per cu m: "}, "150")},
                    "bbAsh",
                    "BitBtn8"},
            MixPage{"superplast",
                    "Adding of superplasticizer",
                    {text("edSuperplast", {effect}, kAverageDataText)},
                    "bbSuperPlast",
                    "BitBtn10"},
            MixPage{"plast",
                    "Adding of plasticizer",
                    {text("edPlast", {effect}, "10")},
                    "bbPlastif",
                    "BitBtn12"},
        },
        "page"};
}

// A radio group lists its items after the caption: "Kind: 0 Crushed stones | 1 Gravels".
std::string formCaption(const MixField& field) {
    std::string caption = field.caption();
    for (std::size_t i = 0; i < field.items.size(); ++i)
        caption += (i ? " | " : ": ") + std::to_string(i) + " " + field.items[i];
    return caption;
}

}  // namespace

std::string inputMask(EntryFormat format) {
    switch (format) {
        case EntryFormat::TwoDigits:
            return "99";
        case EntryFormat::DigitDotDigit:
            return "9.9";
        case EntryFormat::FourDigits:
            return "9999";
        case EntryFormat::Free:
            break;
    }
    return {};
}

bool holdsEntryFormat(EntryFormat format, const std::string& text) {
    const std::string mask = inputMask(format);
    if (mask.empty()) return true;
    if (text.size() != mask.size()) return false;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (mask[i] == '9' ? !digit : text[i] != mask[i]) return false;
    }
    return true;
}

std::string entryFormatHint(EntryFormat format) {
    switch (format) {
        case EntryFormat::TwoDigits:
            return "enter two digits";
        case EntryFormat::DigitDotDigit:
            return "enter a digit, a point and a digit";
        case EntryFormat::FourDigits:
            return "enter four digits";
        case EntryFormat::Free:
            break;
    }
    return {};
}

std::optional<EntryProblem> firstEntryProblem(const MixPage& page, const FieldTexts& texts) {
    for (const MixField& field : page.fields) {
        auto it = texts.find(field.name);
        if (field.isRadioGroup() || it == texts.end() || holdsEntryFormat(field.format, it->second))
            continue;
        std::string message(1, '"');
        message += field.caption();
        message += "\": ";
        message += entryFormatHint(field.format);
        return EntryProblem{field.name, message};
    }
    return std::nullopt;
}

std::string MixField::caption() const {
    std::string joined;
    for (const auto& line : captionLines) joined += (joined.empty() ? "" : " ") + line;
    return joined;
}

const MixPage* MixDialog::page(const std::string& pageName) const {
    for (const auto& p : pages)
        if (p.name == pageName) return &p;
    return nullptr;
}

const MixField* MixDialog::field(const std::string& fieldName) const {
    for (const auto& p : pages)
        for (const auto& f : p.fields)
            if (f.name == fieldName) return &f;
    return nullptr;
}

FormSpec MixDialog::form() const {
    FormSpec spec{formName, {}};
    for (const auto& p : pages)
        for (const auto& f : p.fields)
            spec.fields.push_back({f.name, formCaption(f), f.defaultText});
    return spec;
}

const MixDialog& bnsDialog() {
    static const MixDialog dialog = makeBns();
    return dialog;
}
const MixDialog& optionsDialog() {
    static const MixDialog dialog = makeOptions();
    return dialog;
}
const MixDialog& propertiesDialog() {
    static const MixDialog dialog = makeProperties();
    return dialog;
}
const MixDialog& steamCuringDialog() {
    static const MixDialog dialog = makeSteamCuring();
    return dialog;
}
const MixDialog& economyDialog() {
    static const MixDialog dialog = makeEconomy();
    return dialog;
}
const MixDialog& techniqueDialog() {
    static const MixDialog dialog = makeTechnique();
    return dialog;
}

std::vector<const MixDialog*> allMixDialogs() {
    return {&bnsDialog(),         &optionsDialog(), &propertiesDialog(),
            &steamCuringDialog(), &economyDialog(), &techniqueDialog()};
}

}  // namespace orvan::mix
