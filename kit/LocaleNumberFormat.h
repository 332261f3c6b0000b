#pragma once
// The number format of the desktop program: the decimal separator of its locale, passed to
// every conversion and report of the core.
#include <QLocale>
#include <QString>

#include "common/NumberText.h"

// The default QLocale's decimal separator, which is the system locale's unless a default was
// set (the program sets none; tests do, to run under a comma). A point when the locale's
// separator is not one ASCII character.
orvan::NumberFormat numberFormat();

// A text the program writes with a point (a field's default, an input mask), as the locale
// shows it: the point turned into the locale's separator. Either is read back.
QString withLocaleSeparator(const QString& pointText);

// The locale a chart writes its axis numbers in: the default one, without group separators
// (a party number 1000 stays "1000").
QLocale chartNumberLocale();
