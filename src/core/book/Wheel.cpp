#include "core/book/Wheel.h"

namespace wheel {

std::optional<quint32> NotchAccumulator::add(int angleDeltaY, quint32 keyAndButtonFlags)
{
    if ((pending_ > 0 && angleDeltaY < 0) || (pending_ < 0 && angleDeltaY > 0))
        pending_ = 0;
    pending_ += angleDeltaY;
    const int notches = pending_ / Notch;
    if (notches == 0)
        return std::nullopt;
    const int delta = notches * Notch;
    pending_ -= delta;
    return (static_cast<quint32>(static_cast<quint16>(static_cast<qint16>(delta))) << 16) |
           (keyAndButtonFlags & 0xFFFF);
}

qint16 directionFor(quint32 wParam, qint16 last)
{
    switch (wParam) {
    case 0xFF880000u: // one, two or three notches towards the reader
    case 0xFF100000u:
    case 0xFE980000u:
        return 1;
    case 0x00780000u: // and away from the reader
    case 0x00F00000u:
    case 0x01680000u:
        return -1;
    default:
        return last;
    }
}

} // namespace wheel
