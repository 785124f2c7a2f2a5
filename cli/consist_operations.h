#pragma once

#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/edit_options.h"
#include "scenario/editor_session.h"

namespace fennick::cli {

// The consist operations of `save`, each run exactly as the editor's button on the rows given,
// with the available stock gathered by --stock first.
class ConsistOperations {
 public:
  ConsistOperations(CliContext& context, ScenarioSession& session, std::string& drivenCaption);
  ~ConsistOperations();

  // False after a usage problem, a refusal or a failure (stderr says why).
  bool Apply(const EditOption& option);

 private:
  struct Stock;
  CliContext& context_;
  ScenarioSession& session_;
  std::string& drivenCaption_;
  std::unique_ptr<Stock> stock_;
};

}  // namespace fennick::cli
