#include "kit/LocaleNumberFormat.h"

#include <QLocale>

orvan::NumberFormat numberFormat() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 128) return {point[0].toLatin1()};
    return {};
}
