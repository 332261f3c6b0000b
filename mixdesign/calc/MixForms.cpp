#include "mixdesign/calc/MixForms.h"

#include "common/HelpTopic.h"

namespace orvan::mix {

namespace {

const std::vector<std::string> kYesNo{"Yes", "No"};

Field text(std::string name, std::vector<std::string> caption, std::string defaultText,
           EntryFormat format = EntryFormat::Free) {
    return textField(std::move(name), std::move(caption), std::move(defaultText), format);
}

Field radio(std::string name, std::string caption, std::vector<std::string> items,
            int defaultIndex) {
    return radioField(std::move(name), std::move(caption), std::move(items), defaultIndex);
}

std::string cementCaption() {
    return std::string(kCyrillicEs) + "ompressive strength of cement, MPa";
}

Form makeMixInputForm() {
    return Form{
        "fmBNS",
        "Data for proportioning concrete mixture",
        kHelpProportioning,
        {fieldsPage(
            "", "",
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
            "BitBtn1", "BitBtn2")},
        ""};
}

Form makeOptions() {
    return Form{
        "fmOptions",
        "Options for proportioning concrete mixture",
        kHelpProportioningOptions,
        {fieldsPage("", "",
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
                    "BitBtn1", "BitBtn2")},
        ""};
}

Form makeProperties() {
    return Form{
        "F_W",
        "Properties of concrete",
        kHelpProportioning,
        {
            fieldsPage("F", "Resistance to freezing and thawing is given",
                       {text("edMarka_F", {"Enter number of freeze-thaw cycles:"}, "100")},
                       "BitBtn1", "BitBtn2"),
            fieldsPage("W", "The value of watertightness is given",
                       {text("edW", {"Enter water pressure, kPa: "}, "400")}, "BitBtn3", "BitBtn4"),
        },
        "FW"};
}

Form makeSteamCuring() {
    return Form{"fmTVO",
                "Initial data for steam curing",
                kHelpProportioning,
                {fieldsPage("", "",
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
                            "BitBtn1", "BitBtn2")},
                ""};
}

const char* const kEconomyCaption = "Technological decisions for decreasing of cement content";

Form makeEconomy() {
    return Form{
        "economy",
        kEconomyCaption,
        kHelpProportioning,
        {fieldsPage("", "",
                    {radio("rgEconomy", "The offered technological decisions",
                           {"There is not necessary technological decision",
                            "Increasing of compressive strength of cement ", "Using of fly ash",
                            "Adding of superplasticizer", "Adding of plasticizer"},
                           0)},
                    "BitBtn1", "BitBtn2")},
        ""};
}

Form makeTechnique() {
    const char* effect = "Enter water-reducing effect,  %:";
    return Form{
        "Vubor_Econ",
        kEconomyCaption,
        kHelpProportioning,
        {
            fieldsPage("marka_cem", "Increasing of compressive strength of cement",
                       {text("edMarka_C", {"Enter compressive strength of cement, MPa:"}, "")},
                       "bbMarka_C", "BitBtn2"),
            fieldsPage("ash", "Using of fly ash",
                       {text("edAsh", {"Enter amount of fly ash, kg per cu m: "}, "150")}, "bbAsh",
                       "BitBtn8"),
            fieldsPage("superplast", "Adding of superplasticizer",
                       {text("edSuperplast", {effect}, kAverageDataText)}, "bbSuperPlast",
                       "BitBtn10"),
            fieldsPage("plast", "Adding of plasticizer", {text("edPlast", {effect}, "10")},
                       "bbPlastif", "BitBtn12"),
        },
        "page"};
}

}  // namespace

const Form& mixInputForm() {
    static const Form dialog = makeMixInputForm();
    return dialog;
}
const Form& optionsDialog() {
    static const Form dialog = makeOptions();
    return dialog;
}
const Form& propertiesDialog() {
    static const Form dialog = makeProperties();
    return dialog;
}
const Form& steamCuringDialog() {
    static const Form dialog = makeSteamCuring();
    return dialog;
}
const Form& economyDialog() {
    static const Form dialog = makeEconomy();
    return dialog;
}
const Form& techniqueDialog() {
    static const Form dialog = makeTechnique();
    return dialog;
}

std::vector<const Form*> allMixDialogs() {
    return {&mixInputForm(),      &optionsDialog(), &propertiesDialog(),
            &steamCuringDialog(), &economyDialog(), &techniqueDialog()};
}

}  // namespace orvan::mix
