#ifndef QELUNITS_SRC_EXPRESSION_EXPRESSIONACCESS_H
#define QELUNITS_SRC_EXPRESSION_EXPRESSIONACCESS_H

// The parts of a QelUnitExpression for the parser, which builds one in place.

#include <qelunits/QelUnitExpression.h>

namespace qelunits_detail {

struct ExpressionAccess {
    static double& scale(QelUnitExpression& expression) noexcept { return expression.mScale; }
    static QelUnitType& type(QelUnitExpression& expression) noexcept { return expression.mType; }
    /// Set while reading where a term was a temperature difference; the reader keeps it only for a temperature.
    static bool& difference(QelUnitExpression& expression) noexcept { return expression.mDifference; }
};

} // namespace qelunits_detail

#endif
