#pragma once
// The calculation core must build and run without the windowing toolkit.
#if defined(QT_CORE_LIB) || defined(QT_VERSION) || defined(QGLOBAL_H)
#error "the Orvan core must not include Qt"
#endif
