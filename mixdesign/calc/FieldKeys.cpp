#include "mixdesign/calc/FieldKeys.h"

namespace orvan::mix {

namespace {

MixFieldKeys makeKeys() {
    const Form& b = mixInputForm();
    const Form& p = propertiesDialog();
    const Form& s = steamCuringDialog();
    const Form& t = techniqueDialog();
    auto f = [](const Form& dialog, const char* name) -> const Field& {
        return *dialog.field(name);
    };
    return MixFieldKeys{
        f(b, "rgYdoboykl"),   f(b, "edYdoboykl"), f(b, "edMkr_P"),
        f(b, "edNPl_P"),      f(b, "edPr_P"),     f(b, "edMarkCem"),
        f(b, "edNGCT"),       f(b, "edNKr_Sc"),   f(b, "edNPl_Sc"),
        f(b, "edPr_Sc"),      f(b, "edClassBet"), f(p, "edMarka_F"),
        f(p, "edW"),          f(s, "edT_prop"),   f(s, "edT_vuderz"),
        f(s, "rgYskoriteli"), f(s, "rgVid_Cem"),  f(economyDialog(), "rgEconomy"),
        f(t, "edMarka_C"),    f(t, "edAsh"),      f(t, "edSuperplast"),
        f(t, "edPlast"),
    };
}

}  // namespace

const MixFieldKeys& fieldKeys() {
    static const MixFieldKeys keys = makeKeys();
    return keys;
}

}  // namespace orvan::mix
