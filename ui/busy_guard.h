#pragma once

#include <chrono>

namespace fennick::ui {

// While a command waits for a child process the windows keep repainting, show the busy
// pointer and take no input, so no command runs inside another. A wait that lasts longer than
// `offerDelay` brings up a small window (frmCancelRun) whose Cancel button ends the child.
void InstallBusyGuard(std::chrono::milliseconds offerDelay = std::chrono::milliseconds(1500));

}  // namespace fennick::ui
