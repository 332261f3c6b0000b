#pragma once
// The number format of the desktop program: the decimal separator of its locale, passed to
// every conversion and report of the core.
#include "common/NumberText.h"

// The default QLocale's decimal separator, which is the system locale's unless a default was
// set (the program sets none; tests do, to run under a comma). A point when the locale's
// separator is not one ASCII character.
orvan::NumberFormat numberFormat();
