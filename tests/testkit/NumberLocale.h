#pragma once
// The desktop program reads and writes numbers with the default QLocale's decimal separator;
// window tests choose it here (the default texts are written with a point).
#include <QLocale>

inline void useDecimalPoint() {
    QLocale::setDefault(QLocale::c());
}
inline void useDecimalComma() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}
