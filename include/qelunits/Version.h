#ifndef QELUNITS_VERSION_H
#define QELUNITS_VERSION_H

// The version of these headers; CMakeLists.txt reads the project's version from
// here, so that it is written once. qelunits::version() (qelunits/Quantity.h)
// gives the version of the library a program runs with.
//
// Thread safety: macros only.

/// Major version: changes that break callers.
#define QELUNITS_VERSION_MAJOR 1
/// Minor version: additions.
#define QELUNITS_VERSION_MINOR 0
/// Patch version: fixes.
#define QELUNITS_VERSION_PATCH 0

#endif
