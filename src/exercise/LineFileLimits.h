#pragma once

#include <cstddef>

// The most a line file may take when it is loaded: its text plus, for each line, the
// size of a std::string. A larger file is taken as damaged: a broken or foreign file must
// not grow the program until it dies.
namespace LineFileLimits {

// User files, keyboards, hands, lessons and remark tables are a few hundred KB at most.
inline constexpr std::size_t kDataFileBytes = 8u << 20;

// Ten hours of typing at 1000 keystrokes a minute are 600,000 keystroke lines of at most
// 28 bytes (a long interval, two characters, three colons, CR LF) and 32 bytes of
// bookkeeping each: about 36 MB.
inline constexpr std::size_t kStatisticsFileBytes = 64u << 20;

} // namespace LineFileLimits
