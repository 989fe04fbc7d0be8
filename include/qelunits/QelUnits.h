#ifndef QELUNITS_QELUNITS_H
#define QELUNITS_QELUNITS_H

// Thread safety: each header says what it allows; in brief, every function is safe from any threads, and
// every object is a value that several threads may read at once but only one may write.

// The whole library but the opt-in {fmt} formatters (qelunits/QelUnitsFmt.h).

#include <qelunits/Contexts.h>
#include <qelunits/ConversionFactor.h>
#include <qelunits/Definitions.h>
#include <qelunits/Error.h>
#include <qelunits/Export.h>
#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitVar.h>
#include <qelunits/QelUnitsUtf8.h>
#include <qelunits/Quantity.h>
#include <qelunits/Version.h>

#endif
