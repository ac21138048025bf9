#include "platform/Platform.h"

#include <QtGlobal>

namespace platform {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

namespace {
Platform *installed = nullptr;
}

Platform &current()
{
    Q_ASSERT_X(installed, "platform::current", "no platform installed");
    return *installed;
}

void set(Platform *platform)
{
    installed = platform;
}

} // namespace platform
