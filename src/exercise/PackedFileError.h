#pragma once

#include <stdexcept>
#include <string>

// Any fault of a packed file: it cannot be opened, a block is short or damaged, or a
// block cannot be packed or written. It never leaves LineFile.
class PackedFileError : public std::runtime_error
{
public:
    explicit PackedFileError(const std::string& what)
        : std::runtime_error(what)
    {}
};
