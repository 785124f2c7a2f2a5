#include "tools/sample_install/archived_stock.h"

#include <zip.h>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>

#include "tools/sample_install/stock_documents.h"
#include "tools/serz_format/binary_form.h"

namespace fennick::sample {

namespace {

constexpr const char* kArchiveProvider = "ValeWorks";
constexpr const char* kArchiveProduct = "Branch Lines";
constexpr const char* kArchiveName = "BranchLinesPullman.ap";
// Every entry carries the same time, so every run writes the same bytes.
constexpr time_t kEntryTime = 1199145600;  // 2008-01-01

StockBlueprint Pullman(std::string key, std::string path, std::string name) {
  return {.key = std::move(key),
          .provider = kArchiveProvider,
          .product = kArchiveProduct,
          .path = std::move(path),
          .kind = VehicleKind::kWagon,
          .name = std::move(name),
          .mass = "39"};
}

// Entry names inside an archive use "/", as zip tools write them.
std::string EntryName(const std::string& backslashPath) {
  std::string name = backslashPath;
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

void AddEntry(zip_t* archive, const std::string& name, const std::string& bytes) {
  // libzip frees the copy when the archive is written.
  void* copy = std::malloc(bytes.size());
  std::memcpy(copy, bytes.data(), bytes.size());
  zip_source_t* source = zip_source_buffer(archive, copy, bytes.size(), 1);
  if (!source) {
    std::free(copy);
    throw std::runtime_error("cannot pack " + name);
  }
  const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    throw std::runtime_error("cannot pack " + name + ": " + zip_strerror(archive));
  }
  zip_file_set_mtime(archive, zip_uint64_t(index), kEntryTime, 0);
  zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
}

}  // namespace

const std::vector<StockBlueprint>& ArchivedStock() {
  static const std::vector<StockBlueprint> stock = {
      Pullman("vale.pullman_parlour", R"(RailVehicles\Passenger\Pullman\PullmanParlour)",
              "Pullman Parlour Car"),
  };
  return stock;
}

const std::vector<StockBlueprint>& AbsentStock() {
  static const std::vector<StockBlueprint> stock = {
      {.key = "kuju.class47",
       .provider = "Kuju",
       .product = "RailSimulator",
       .path = R"(RailVehicles\Diesel\Class47\Class47)",
       .kind = VehicleKind::kEngine,
       .traction = "Diesel",
       .name = "Class 47",
       .mass = "117"}};
  return stock;
}

SampleScenario ArchivedStockScenario() {
  SampleScenario scenario{
      .guid = "b07a91ca-d8e9-4e4b-a7bc-839ae1f2a3b4",
      .elementId = 187665464,
      .displayName = InEnglish("Pullman Excursion"),
      .description = InEnglish("A Pullman charter out of Marsh Junction."),
      .briefing = InEnglish("Take the Pullman cars to the coast; the Class 47 follows."),
      .startTime = "39600",
      .durationMins = "45",
      .startDD = "21",
      .startMM = "5",
      .startYYYY = "2008",
      .season = "SEASON_SPRING",
      .weatherProvider = "Kuju",
      .weatherProduct = "RailSimulator",
      .weatherBlueprintId = R"(Weather\Clear.xml)",
      .scenarioClass = "eStandardScenarioClass",
      .author = "ValeWorks",
  };
  SampleConsist charter{.serviceName = InEnglish("1Z47 Pullman Charter"),
                        .playerDriven = true,
                        .startTime = "39600",
                        .destination = "Severn Bridge"};
  charter.vehicles = {{.stockKey = "vale.class37", .number = "37401"},
                      {.stockKey = "vale.pullman_parlour", .number = "Aries"},
                      {.stockKey = "vale.pullman_parlour", .number = "Cygnus"}};
  SampleConsist support{.serviceName = InEnglish("5Z47 Support Coaches"),
                        .startTime = "40200",
                        .destination = "Severn Bridge"};
  support.vehicles = {{.stockKey = "kuju.class47", .number = "47401"},
                      {.stockKey = "kuju.mk2_tso", .number = "5221"}};
  scenario.consists = {charter, support};
  return scenario;
}

std::size_t WriteStockArchives(const std::filesystem::path& assetsFolder) {
  const std::filesystem::path folder = assetsFolder / kArchiveProvider / kArchiveProduct;
  std::filesystem::create_directories(folder);
  const std::filesystem::path path = folder / kArchiveName;
  int error = 0;
  // libzip takes UTF-8 file names on Windows too.
  const std::u8string name = path.u8string();
  std::unique_ptr<zip_t, ArchiveCloser> archive(
      zip_open(reinterpret_cast<const char*>(name.c_str()), ZIP_CREATE | ZIP_TRUNCATE, &error));
  if (!archive) throw std::runtime_error("cannot create " + path.string());
  for (const StockBlueprint& b : ArchivedStock()) {
    AddEntry(archive.get(), EntryName(b.path + ".bin"),
             serz::EncodeToBinary(VehicleBlueprintXml(b)));
  }
  if (zip_close(archive.get()) != 0) {
    throw std::runtime_error("cannot write " + path.string() + ": " + zip_strerror(archive.get()));
  }
  archive.release();
  return 1;
}

}  // namespace fennick::sample
