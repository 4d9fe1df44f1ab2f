#include "app/TypingApplication.h"

int main(int argc, char** argv)
{
    return TypingApplication::Run(argc, argv);
}
