// The value API's answers for the Python module's tests (python/tests/test_bits.py), which compare the
// module's results with these bit for bit. One operation a line on stdin, fields apart by tabs, numbers as
// hexadecimal floats:
//   add|sub|mul|div  a unitA b unitB   quantity op quantity
//   scale|divn       a unitA n         a * n, a / n
//   rscale|rdivn     a unitA n         n * a, n / a
//   to               a unitA unitB     a in unitB
//   pow              a unitA n         a to the integer power n
//   root             a unitA n         a to the power 1/n
//   cmp              a unitA b unitB   -1, 0 or 1
// Each answer is one line: "ok", the value as %a and the unit's symbol ("ok", the integer, for cmp), or
// "error" and the kind's name.

#include <qelunits/Error.h>
#include <qelunits/Quantity.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

using qelunits::Quantity;
using qelunits::Result;
using qelunits::Unit;

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (const char c : line) {
        if (c == '\t') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

double number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

void answer(const Result<Quantity>& result) {
    if (result) {
        std::printf("ok\t%a\t%s\n", result->value(), result->unit().symbol().c_str());
    } else {
        std::printf("error\t%s\n", qelunits::kindName(result.kind()));
    }
}

template <class F>
void withUnits(const std::string& a, const std::string& b, F then) {
    const Result<Unit> ua = Unit::parse(a);
    const Result<Unit> ub = b.empty() ? Result<Unit>(Unit()) : Unit::parse(b);
    if (!ua || !ub) {
        std::printf("error\t%s\n", qelunits::kindName(!ua ? ua.kind() : ub.kind()));
        return;
    }
    then(*ua, *ub);
}

void run(const std::vector<std::string>& f) {
    const std::string& op = f[0];
    if (f.size() == 5 && (op == "add" || op == "sub" || op == "mul" || op == "div" || op == "cmp")) {
        withUnits(f[2], f[4], [&](const Unit& ua, const Unit& ub) {
            const Quantity a(number(f[1]), ua);
            const Quantity b(number(f[3]), ub);
            if (op == "cmp") {
                const Result<int> order = tryCompare(a, b);
                order ? static_cast<void>(std::printf("ok\t%d\n", *order))
                      : static_cast<void>(std::printf("error\t%s\n", qelunits::kindName(order.kind())));
                return;
            }
            answer(op == "add"   ? tryAdd(a, b)
                   : op == "sub" ? trySubtract(a, b)
                   : op == "mul" ? tryMultiply(a, b)
                                 : tryDivide(a, b));
        });
    } else if (f.size() == 4 && op == "to") {
        withUnits(f[2], f[3], [&](const Unit& ua, const Unit& ub) { answer(Quantity(number(f[1]), ua).tryTo(ub)); });
    } else if (f.size() == 4) {
        withUnits(f[2], "", [&](const Unit& ua, const Unit&) {
            const Quantity a(number(f[1]), ua);
            const double n = number(f[3]);
            const int whole = static_cast<int>(n);
            answer(op == "scale" || op == "rscale" ? tryScale(a, n)
                   : op == "divn"                  ? tryDivide(a, Quantity(n, Unit()))
                   : op == "rdivn"                 ? tryDivide(Quantity(n, Unit()), a)
                   : op == "pow"                   ? tryPow(a, whole)
                                                   : tryPow(a, 1, whole));
        });
    } else {
        std::printf("error\tunknown operation\n");
    }
}

} // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty()) {
            run(fields(line));
        }
    }
    return 0;
}
