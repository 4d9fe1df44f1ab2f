#include <cstdio>

int main()
{
    std::puts("Tippwerk: the data files are built; the program windows come with the next release.");
    return 0;
}
