#include "bridge/converter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "bridge/process_runner.h"
#include "bridge/run_scratch.h"
#include "bridge/serz_command.h"

namespace fennick {

namespace {

const QString kConverterName = QStringLiteral("serz.exe");

std::string Utf8(const QString& s) {
  return s.toStdString();
}

QString ConverterIn(const QString& folder) {
  if (folder.isEmpty()) return {};
  const QString candidate = NativePath(JoinPath(folder, kConverterName));
  return QFileInfo(candidate).isFile() ? candidate : QString();
}

}  // namespace

Result<QString> LocateConverter(const QString& programFolder, const QString& rsPath) {
  for (const QString& folder : {programFolder, rsPath}) {
    const QString found = ConverterIn(folder);
    if (!found.isEmpty()) return found;
  }
  const QString onPath = QStandardPaths::findExecutable(kConverterName);
  if (!onPath.isEmpty()) return onPath;
  return Error{Utf8("serz.exe was not found in " +
                    QDir::toNativeSeparators(NativePath(programFolder)) + ", in " +
                    (rsPath.isEmpty() ? QStringLiteral("the simulator folder (none chosen)")
                                      : QDir::toNativeSeparators(NativePath(rsPath))) +
                    " or on the search path.")};
}

Converter::Converter(QString programFolder, QString rsPath, RunCancel* cancel)
    : programFolder_(std::move(programFolder)), rsPath_(std::move(rsPath)), cancel_(cancel) {}

QString Converter::ScratchFolder() const {
  return RunScratchFolder(programFolder_);
}

Status Converter::MakeScratchFolder() const {
  return MakeRunScratchFolder(programFolder_);
}

QString Converter::ScratchPath(const QString& scratchName) const {
  return JoinPath(ScratchFolder(), scratchName);
}

Status Converter::Convert(const QString& inputPath, const QString& outputPath) const {
  const auto converter = LocateConverter(programFolder_, rsPath_);
  if (!converter) return Error{converter.error()};

  const QString nativeIn = NativePath(inputPath);
  const QString nativeOut = NativePath(outputPath);
  QString why;
#ifdef Q_OS_WIN
  Launch launch;
  launch.program = *converter;
  launch.nativeCommandLine = SerzCommand(nativeIn, nativeOut).mid(kConverterName.size() + 1);
#else
  Launch launch = LaunchFor(*converter, SerzArguments(nativeIn, nativeOut), &why);
  if (launch.program.isEmpty()) return Error{Utf8(why)};
#endif
  launch.workingFolder = NativePath(programFolder_);

  const RunOutcome outcome = RunAndWait(launch, cancel_);
  const QString shownIn = QDir::toNativeSeparators(nativeIn);
  // What the converter said about it, when it said anything.
  const QString said = outcome.errorOutput.isEmpty() ? QString() : ": " + outcome.errorOutput;
  if (outcome.cancelled) return Error{Utf8("The conversion of " + shownIn + " was cancelled.")};
  if (!outcome.started) {
    return Error{
        Utf8("serz.exe could not be started (" + outcome.errorText + ") to convert " + shownIn)};
  }
  if (outcome.crashed || outcome.exitCode != 0) {
    return Error{Utf8("serz.exe could not convert " + shownIn + " (exit code " +
                      QString::number(outcome.exitCode) + ")" + said)};
  }
  if (!QFileInfo(nativeOut).isFile()) {
    return Error{Utf8("serz.exe wrote no output for " + shownIn + said)};
  }
  return Ok();
}

Result<std::string> Converter::BinToXml(const QString& binPath, const QString& scratchName) const {
  if (!FileExists(binPath)) {
    return Error{Utf8("Cannot find the file " + QDir::toNativeSeparators(NativePath(binPath)))};
  }
  if (auto made = MakeScratchFolder(); !made) return Error{made.error()};
  const QString output = ScratchPath(scratchName);
  // A file left by an earlier run must never be read as this run's result.
  QFile::remove(NativePath(output));
  if (QFileInfo::exists(NativePath(output))) {
    return Error{
        Utf8("Cannot replace the scratch file " + QDir::toNativeSeparators(NativePath(output)))};
  }
  if (auto converted = Convert(binPath, output); !converted) return Error{converted.error()};
  std::string text;
  if (auto read = ReadTextFile(output, text); !read) return Error{read.error()};
  return text;
}

Status Converter::XmlToBin(const QString& scratchName, const QString& binPath) const {
  const QString input = ScratchPath(scratchName);
  if (!FileExists(input)) {
    return Error{Utf8("Cannot find the file " + QDir::toNativeSeparators(NativePath(input)))};
  }
  const QString nativeBin = NativePath(binPath);
  const QString keptAside = nativeBin + ".fennick-previous";
  const bool hadTarget = QFileInfo(nativeBin).isFile();
  if (hadTarget) {
    QFile::remove(keptAside);
    if (!QFile::rename(nativeBin, keptAside)) {
      return Error{Utf8("Cannot replace " + QDir::toNativeSeparators(nativeBin))};
    }
  }
  Status converted = Convert(input, binPath);
  if (!converted) {
    QFile::remove(nativeBin);
    if (hadTarget) QFile::rename(keptAside, nativeBin);
    return converted;
  }
  if (hadTarget) QFile::remove(keptAside);
  return Ok();
}

}  // namespace fennick
