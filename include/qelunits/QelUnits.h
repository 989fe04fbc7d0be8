#ifndef QELUNITS_QELUNITS_H
#define QELUNITS_QELUNITS_H

// The whole library but the opt-in {fmt} formatters (qelunits/QelUnitsFmt.h).

#include <qelunits/ConversionFactor.h>
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
