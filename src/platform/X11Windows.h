#pragma once

#include "platform/Platform.h"

// Other programs' top-level windows on an X11 desktop. Without an X
// server (offscreen, Wayland) there are none to find.
namespace platform::x11 {

QList<TopWindow> topLevelWindows();
void restoreAndRaise(std::uint32_t id);
// True when a compositing manager runs, so a see-through window shows the
// desktop behind it.
bool compositing();

} // namespace platform::x11
