#include "content/GlobalsC.h"

std::atomic<bool> IsProgramClosing{false};
QObject *MainWindowHandle = nullptr;
