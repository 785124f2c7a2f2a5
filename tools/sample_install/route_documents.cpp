#include "tools/sample_install/route_documents.h"

#include "tools/sample_install/delta_xml_writer.h"
#include "tools/sample_install/document_ids.h"

namespace fennick::sample {

namespace {

void ScenarioEntry(DeltaXmlWriter& xml, const SampleScenario& s) {
  xml.OpenWithId("cScenarioProperties", s.elementId);
  xml.Open("ID");
  xml.Guid(s.guid);
  xml.Close("ID");
  xml.Localised("DisplayName", s.displayName);
  xml.Localised("Description", s.description);
  xml.Localised("Briefing", s.briefing);
  xml.Float("StartTime", s.startTime);
  xml.Value("DurationMins", "sInt32", s.durationMins);
  xml.Value("StartDD", "sInt32", s.startDD);
  xml.Value("StartMM", "sInt32", s.startMM);
  xml.Value("StartYYYY", "sInt32", s.startYYYY);
  xml.Value("Season", "cDeltaString", s.season);
  xml.Open("WeatherBlueprint");
  xml.AbsoluteBlueprintId(s.weatherProvider, s.weatherProduct, s.weatherBlueprintId);
  xml.Close("WeatherBlueprint");
  xml.Value("ScenarioClass", "cDeltaString", s.scenarioClass);
  xml.Value("Author", "cDeltaString", s.author);
  xml.Value("Rating", "sInt32", "0");
  xml.Bool("IsLocked", false);
  xml.Close("cScenarioProperties");
}

}  // namespace

std::string RoutesXml(const std::vector<SampleRoute>& routes) {
  DeltaXmlWriter xml(FirstIdFor("Routes.xml"));
  xml.OpenRoot("cRecordSet", true);
  xml.Open("Record");
  for (const SampleRoute& route : routes) {
    xml.OpenWithId("cRouteProperties");
    xml.Open("ID");
    xml.Guid(route.guid);
    xml.Close("ID");
    xml.Localised("DisplayName", route.name);
    xml.Bool("IsTemplate", false);
    xml.Close("cRouteProperties");
  }
  xml.Close("Record");
  xml.Close("cRecordSet");
  return xml.Finish();
}

std::string ScenarioIndexXml(const SampleRoute& route) {
  DeltaXmlWriter xml(FirstIdFor(route.guid));
  xml.OpenRoot("cRecordSet", true);
  xml.Open("Record");
  for (const SampleScenario& scenario : route.scenarios) ScenarioEntry(xml, scenario);
  xml.Close("Record");
  xml.Close("cRecordSet");
  return xml.Finish();
}

}  // namespace fennick::sample
