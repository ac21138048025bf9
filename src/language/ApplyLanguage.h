#pragma once

#include <QString>

// Sets every caption that follows the interface language from the module
// in use (LanguageModulePath; `modulePath` is always that same path).
// Captions of a dialog that does not exist yet create it, hidden.
void ApplyLanguage(const QString &modulePath);
