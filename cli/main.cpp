#include <cstdio>

int main() {
    std::puts("ravemo-cli 1.0.6");
    return 0;
}
