#pragma once

#include <QtGlobal>

#if defined(VELQTLIB_BUILD)
#define VELQTLIB_EXPORT Q_DECL_EXPORT
#else
#define VELQTLIB_EXPORT Q_DECL_IMPORT
#endif
