// Saves one packed file over and over with the program's writer until it is killed; says
// "saved" once the first save is whole. Used by the tests of killed saves.

#include "exercise/PackedFile.h"
#include "exercise/PackedTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: save_loop TARGET BYTES SEED\n");
        return 2;
    }
    const std::string target = argv[1];
    const std::string text = packedtest::GermanText(
        std::strtoul(argv[2], nullptr, 10), static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)));
    for (bool first = true;; first = false) {
        PackedFile file;
        file.Open(target, PackedFile::kWriteMode, 4096);
        file.Write(text.data(), text.size());
        file.Close();
        if (first) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
