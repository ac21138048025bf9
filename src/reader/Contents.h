#pragma once

class OpenBook;

// The contents list of the reading window and the jump to an entry's
// spread.
void ShowContentsList(OpenBook &window);
void GoToContentsEntry(OpenBook &window);
