#include "consist/parallel_classifier.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "consist/blueprint_kind.h"

namespace fennick {

namespace {

QString ScratchNameOfWorker(unsigned worker) {
  return worker == 0 ? kClassificationScratch : QStringLiteral("temp%1.xml").arg(worker + 1);
}

// The work shared by the workers and the thread that watches them.
class ClassificationRun {
 public:
  ClassificationRun(const Converter& converter, const std::vector<QString>& files,
                    ClassificationCache& cache)
      : converter_(converter.WithCancel(&cancel_)), files_(files), cache_(cache) {
    out_.results.resize(files.size());
  }

  void Work(unsigned worker) {
    const QString scratch = ScratchNameOfWorker(worker);
    for (;;) {
      if (stop_.load()) return;
      const std::size_t i = next_.fetch_add(1);
      if (i >= files_.size()) return;
      Result<BlueprintClass> result = Classify(files_[i], scratch);
      std::lock_guard lock(mutex_);
      out_.results[i] = std::move(result);
      ++done_;
      changed_.notify_all();
    }
  }

  // Waits for the workers, reporting progress; returns when all are done or a cancel came.
  void Watch(GatherProgress* progress) {
    const std::size_t total = files_.size();
    std::unique_lock lock(mutex_);
    std::size_t seen = done_;
    if (progress && !Report(*progress, lock, seen, total)) return;
    while (done_ < total) {
      // The wait is bounded so the window gets its turn even while one conversion is slow.
      changed_.wait_for(lock, std::chrono::milliseconds(50), [&] { return done_ != seen; });
      if (done_ == seen && !progress) continue;
      seen = done_;
      if (progress && !Report(*progress, lock, seen, total)) return;
    }
  }

  Classifications Take() {
    out_.conversions = conversions_.load();
    return std::move(out_);
  }

 private:
  // Reports outside the lock, so workers go on meanwhile; false after a cancel.
  bool Report(GatherProgress& progress, std::unique_lock<std::mutex>& lock, std::size_t done,
              std::size_t total) {
    lock.unlock();
    const bool goOn = progress.Report(done, total);
    lock.lock();
    if (goOn) return true;
    stop_.store(true);
    // Converters still running are killed rather than waited for: one may never end.
    cancel_.Cancel();
    out_.cancelled = done_ < total;
    return false;
  }

  Result<BlueprintClass> Classify(const QString& file, const QString& scratch) {
    const auto stamp = ClassificationCache::StampOf(file);
    if (stamp) {
      if (auto known = cache_.Find(file, *stamp)) return *known;
    }
    ++conversions_;
    Result<BlueprintClass> found = ClassifyBlueprintFile(converter_, file, scratch);
    if (found && stamp) cache_.Store(file, *stamp, *found);
    return found;
  }

  RunCancel cancel_;
  const Converter converter_;
  const std::vector<QString>& files_;
  ClassificationCache& cache_;
  std::atomic<std::size_t> next_{0};
  std::atomic<std::size_t> conversions_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t done_ = 0;
  Classifications out_;
};

}  // namespace

unsigned DefaultClassifierWorkers() {
  return static_cast<unsigned>(std::max(1, QThread::idealThreadCount()));
}

Classifications ClassifyFiles(const Converter& converter, const std::vector<QString>& files,
                              ClassificationCache& cache, unsigned workers,
                              GatherProgress* progress) {
  ClassificationRun run(converter, files, cache);
  if (files.empty()) return run.Take();
  // Made once here: workers creating it together could trip over each other. Without it no
  // conversion can succeed: every file fails with the reason, none is started.
  if (const Status made = converter.MakeScratchFolder(); !made) {
    Classifications failed = run.Take();
    for (auto& result : failed.results) result = Result<BlueprintClass>(Error{made.error()});
    return failed;
  }

  const unsigned count = std::clamp<unsigned>(workers, 1, static_cast<unsigned>(files.size()));
  std::vector<std::thread> threads;
  threads.reserve(count);
  for (unsigned w = 0; w < count; ++w) threads.emplace_back([&run, w] { run.Work(w); });
  run.Watch(progress);
  for (std::thread& t : threads) t.join();
  return run.Take();
}

}  // namespace fennick
