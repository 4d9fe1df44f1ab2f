#pragma once

#include <string>
#include <vector>

// Runs an external program directly (no shell) and hands back what it printed.
// An interface so that callers can be tested without touching the real system.
class ProgramRunner
{
public:
    struct Result
    {
        bool started = false; // false when the program could not be run at all
        int exitStatus = -1;  // -1 when it was killed, by a signal or for taking too long
        std::string output;   // what it wrote to standard output
    };

    virtual ~ProgramRunner() = default;

    // `program` is looked up on PATH; every argument reaches it unchanged.
    virtual Result Run(const std::string& program, const std::vector<std::string>& arguments) = 0;
};
