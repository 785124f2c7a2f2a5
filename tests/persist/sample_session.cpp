#include "tests/persist/sample_session.h"

#include "bridge/paths.h"
#include "scenario/scenario_entry.h"
#include "scenario/start_time.h"
#include "scenario/text_codec.h"
#include "scenario/text_search.h"

namespace fennick::test {

SaveContext ContextOf(const SampleInstall& install) {
  return {install.ProgramFolder(), install.RsPath()};
}

QString RouteDir(const SampleInstall& install, const std::string& routeId) {
  return install.Path("Content/Routes/" + QString::fromStdString(routeId));
}

QString ScenarioDir(const SampleInstall& install, const std::string& routeId,
                    const std::string& scenarioId) {
  return RouteDir(install, routeId) + "/Scenarios/" + QString::fromStdString(scenarioId);
}

Result<OpenedScenario> OpenSampleScenario(const SampleInstall& install, const std::string& routeId,
                                          const std::string& scenarioId) {
  const Converter converter(install.ProgramFolder(), install.RsPath());
  OpenedScenario opened;
  ScenarioSession& session = opened.session;
  const QString routeFolder =
      JoinPath(install.RsPath(), "content\\Routes\\" + QString::fromStdString(routeId));
  const QString scenarioFolder =
      JoinPath(routeFolder, "Scenarios\\" + QString::fromStdString(scenarioId));
  session.routeFolder = routeFolder.toStdString();
  session.scenarioFolder = scenarioFolder.toStdString();

  Result<std::string> index =
      converter.BinToXml(JoinPath(routeFolder, "Scenarios.bin"), "Scenarios.xml");
  if (!index) return Error{index.error()};
  const Pos named = FindNoCase(*index, scenarioId, 1);
  if (named == kNotFound) return Error{"the index does not name " + scenarioId};
  const Pos start = FindLastNoCase(*index, "<cScenarioProperties", named);
  const Pos end = FindNoCase(*index, "</cScenarioProperties>", start);
  if (start == kNotFound || end == kNotFound) return Error{"no entry around " + scenarioId};
  const std::size_t entryEnd = IndexOf(end) + std::string_view("</cScenarioProperties>").size();
  session.indexHead = index->substr(0, IndexOf(start));
  session.scenarioEntry = index->substr(IndexOf(start), entryEnd - IndexOf(start));
  session.indexTail = index->substr(entryEnd);

  Result<std::string> document =
      converter.BinToXml(JoinPath(scenarioFolder, "Scenario.bin"), "Scenario.xml");
  if (!document) return Error{document.error()};
  session.scenarioTextAsRead = *document;
  session.scenarioText = *document;

  Result<EntryProperties> properties = ReadEntryProperties(session.scenarioEntry);
  if (!properties) return Error{properties.error()};
  const TextEncoding encoding = DocumentEncoding(session.indexHead);
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) {
    opened.boxes[i] = DecodeForDisplay(properties->values[i], encoding);
  }
  session.loadedStartTime = (*properties)[EntryProperty::StartTime];
  Result<std::string> startBox = StoredSecondsToBoxText(session.loadedStartTime);
  if (!startBox) return Error{startBox.error()};
  opened.boxes[kBoxStartTime] = *startBox;
  session.loadedDisplayName = opened.boxes[kBoxDisplayName];
  session.isTimetable = IsTimetableEntry(session.scenarioEntry);
  return opened;
}

}  // namespace fennick::test
