#pragma once

class QWidget;

// Makes a window layered: pixels of the key colour red 1, green 0, blue 0
// become see-through, and the whole window takes the opacity 0..255.
// Returns false where the window cannot be made layered.
bool FadeWindow(QWidget *window, int opacity);

// The fade steps at the pace of a Windows system timer tick, 64 times a
// second (15.625 ms), which makes it last about a second. Qt timers count
// whole milliseconds, so successive ticks alternate between 15 and 16 ms
// to keep that average pace.
int systemTickInterval(int tick);
