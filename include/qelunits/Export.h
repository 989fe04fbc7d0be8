#ifndef QELUNITS_EXPORT_H
#define QELUNITS_EXPORT_H

// Thread safety: macros only.

// QELUNITS_BUILDING is defined while the library itself is compiled;
// QELUNITS_STATIC when it is built or consumed as a static library.
#if defined(_WIN32) || defined(__CYGWIN__)
#if defined(QELUNITS_STATIC)
#define QELUNITS_EXPORT
#elif defined(QELUNITS_BUILDING)
#define QELUNITS_EXPORT __declspec(dllexport)
#else
#define QELUNITS_EXPORT __declspec(dllimport)
#endif
#else
#define QELUNITS_EXPORT __attribute__((visibility("default")))
#endif

#endif
