#include <qelunits/QelUnits.h>

#include <cstdio>

int main() {
    std::puts("qelunits: the converter is not built yet");
    return 0;
}
