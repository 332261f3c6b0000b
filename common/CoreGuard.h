#pragma once
// The calculation core must build and run without the windowing toolkit: the core libraries
// have no Qt include path, and a core file that pulls in a Qt header some other way stops here.
#if defined(ORVAN_CORE_BUILD) && (defined(QT_CORE_LIB) || defined(QT_VERSION))
#error "the Orvan core must not include Qt"
#endif
