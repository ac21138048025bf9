#pragma once

class QWidget;

// Puts a window in the middle of the screen it will open on.
void centreOnScreen(QWidget *window);
