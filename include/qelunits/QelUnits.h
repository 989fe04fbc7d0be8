#ifndef QELUNITS_QELUNITS_H
#define QELUNITS_QELUNITS_H

#include <qelunits/ConversionFactor.h>
#include <qelunits/Export.h>
#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitVar.h>

#endif
