#pragma once

#include "keyboard/ProgramRunner.h"

#include <chrono>
#include <cstddef>

// Starts programs with posix_spawnp: arguments as a vector, never through a shell.
// Standard input and error are /dev/null. A program that outlives the time limit is
// killed, and output beyond the cap is dropped, so a caller never hangs or floods.
class PosixProgramRunner : public ProgramRunner
{
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{5000};
    static constexpr std::size_t kOutputCap = 64 * 1024;

    explicit PosixProgramRunner(std::chrono::milliseconds timeLimit = kDefaultTimeLimit);

    Result Run(const std::string& program, const std::vector<std::string>& arguments) override;

private:
    std::chrono::milliseconds m_timeLimit;
};
