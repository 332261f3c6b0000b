#include "kit/LocaleNumberFormat.h"

#include <QLocale>
#include <QString>

orvan::NumberFormat numberFormat() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 128) return {point[0].toLatin1()};
    return {};
}

QLocale chartNumberLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString withLocaleSeparator(const QString& pointText) {
    QString shown = pointText;
    return shown.replace(QLatin1Char('.'), QLatin1Char(numberFormat().decimal));
}
