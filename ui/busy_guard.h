#pragma once

namespace fennick::ui {

// While a command waits for a child process the windows keep repainting, show the busy
// pointer and take no input, so no command runs inside another.
void InstallBusyGuard();

}  // namespace fennick::ui
