#pragma once

#include <QString>

namespace fennick::test {

// The stand-in programs built beside the tests (paths come from the build).
inline QString SerzStandIn() { return QStringLiteral(FENNICK_SERZ_STANDIN); }
inline QString MakeSampleInstall() { return QStringLiteral(FENNICK_MAKE_SAMPLE_INSTALL); }
inline QString RailSimStandIn() { return QStringLiteral(FENNICK_RAILSIM_STANDIN); }
inline QString RailSimEditorStandIn() { return QStringLiteral(FENNICK_RAILSIMEDITOR_STANDIN); }

}  // namespace fennick::test
