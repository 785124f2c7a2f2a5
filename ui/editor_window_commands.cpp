// The editor's buttons that run the commands of the layers below.
#include "ui/editor_window.h"

namespace fennick::ui {

void EditorWindow::SetWeather() {}
void EditorWindow::Save() {}
void EditorWindow::Clone() {}
void EditorWindow::RunSimulatorProgram(int) {}
void EditorWindow::GatherStock() {}
void EditorWindow::RunConsistCommand(int) {}

}  // namespace fennick::ui
