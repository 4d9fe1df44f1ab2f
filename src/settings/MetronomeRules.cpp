#include "settings/MetronomeRules.h"

#include <algorithm>

int MetronomeRules::RaisedBpm(int bpm)
{
    return std::max(bpm, 1);
}

int MetronomeRules::PeriodMs(int bpm)
{
    return 60000 / RaisedBpm(bpm);
}

int MetronomeRules::Mode(bool graphicTick, bool soundTick)
{
    return (graphicTick ? kGraphicBit : 0) | (soundTick ? kSoundBit : 0);
}

int MetronomeRules::LineRight(int mode)
{
    if (HasGraphicTick(mode))
        return 360;
    if (HasSoundTick(mode))
        return 60;
    return 0;
}
