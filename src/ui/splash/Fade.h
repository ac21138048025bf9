#pragma once

class QWidget;

// Fades a window in: pixels of the key colour red 1, green 0, blue 0
// become see-through, and the window is painted with the opacity 0..255
// over the desktop. The first call must come before the window is shown,
// while its kind of surface can still be chosen. Where the desktop does
// not compose windows the window stays opaque, as a window's own opacity
// does there. Returns false without a window.
bool FadeWindow(QWidget *window, int opacity);

// The fade steps at the pace of a Windows system timer tick, 64 times a
// second (15.625 ms), which makes it last about a second. Qt timers count
// whole milliseconds, so successive ticks alternate between 15 and 16 ms
// to keep that average pace.
int systemTickInterval(int tick);
