#pragma once

#include <QLoggingCategory>

// Marks of the program's start for the start-up benchmark: "first paint"
// when the main window has been painted the first time, "content ready"
// when its status text has been built. Silent unless the logging category
// "tastwerk.startup" is switched on (QT_LOGGING_RULES="tastwerk.startup=true").
Q_DECLARE_LOGGING_CATEGORY(lcStartup)

// Writes the mark once per name.
void StartupMark(const char *Name);
