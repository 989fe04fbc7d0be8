#ifndef QELUNITS_SRC_EXPRESSION_EXPRESSIONACCESS_H
#define QELUNITS_SRC_EXPRESSION_EXPRESSIONACCESS_H

// The parts of a QelUnitExpression for the parser, which builds one in place.

#include <qelunits/QelUnitExpression.h>

namespace qelunits_detail {

struct ExpressionAccess {
    static double& scale(QelUnitExpression& expression) noexcept { return expression.mScale; }
    static QelUnitType& type(QelUnitExpression& expression) noexcept { return expression.mType; }
};

} // namespace qelunits_detail

#endif
