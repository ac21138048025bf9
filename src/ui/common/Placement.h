#pragma once

class QWidget;

// Puts a window in the middle of the screen the reader works on: now, and
// again when it is first shown.
void centreOnScreen(QWidget *window);
