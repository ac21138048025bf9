#pragma once

#include <QtGlobal>

#include <optional>

// Wheel turning, decided on Windows-style wheel messages (see WheelHook):
// one wheel message turns one spread, whatever its number of notches, and
// a message it does not recognise repeats the last direction.
namespace wheel {

inline constexpr quint32 MK_LBUTTON = 0x01;
inline constexpr quint32 MK_RBUTTON = 0x02;
inline constexpr quint32 MK_SHIFT = 0x04;
inline constexpr quint32 MK_CONTROL = 0x08;
inline constexpr quint32 MK_MBUTTON = 0x10;
inline constexpr int Notch = 120;

// Collects fine wheel and touchpad movement into whole notches. add()
// yields a wheel message (distance in the high half, held keys and buttons
// in the low half) once a whole notch or more has built up; the remainder
// waits for the next movement. A reversal starts afresh.
class NotchAccumulator
{
public:
    std::optional<quint32> add(int angleDeltaY, quint32 keyAndButtonFlags);

private:
    int pending_ = 0;
};

// 1 for the next spread, -1 for the previous one, otherwise `last`.
qint16 directionFor(quint32 wParam, qint16 last);

} // namespace wheel
