#include "cli/working_copy.h"

#include <filesystem>
#include <system_error>

#include "api/error.h"
#include "document/workbook_file.h"
#include "questions/question_catalog.h"

namespace k27093::client {

namespace {

// `text` with every occurrence of `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

namespace fs = std::filesystem;

// Raises 53 when the learner's workbook is missing, 75 when it is not a regular file.
void RequireReadableFile(const std::string& workbook) {
  std::error_code failure;
  const fs::file_status status = fs::status(workbook, failure);
  if (status.type() == fs::file_type::not_found) {
    Raise(errors::kFileNotFound, "File not found: " + workbook, std::string(kComponentSource));
  }
  if (failure || status.type() != fs::file_type::regular) {
    Raise(errors::kPathFileAccess, "Path/File access error: not a readable file: " + workbook,
          std::string(kComponentSource));
  }
}

}  // namespace

std::string MakeFolder(const std::string& folder) {
  std::error_code failure;
  if (!fs::create_directory(folder, failure)) {
    Raise(errors::kPathFileAccess, "Path/File access error: cannot create the folder " + folder,
          std::string(kComponentSource));
  }
  return folder;
}

void StageWorkbook(const std::string& workbook, const std::string& workFolder,
                   std::int32_t exercise) {
  RequireReadableFile(workbook);
  const questions::QuestionInfo* info = questions::FindQuestion(exercise);
  if (info == nullptr) return;
  // A file the spreadsheet would refuse for its size is refused before it is copied.
  document::RequireReadableSize(workbook);
  const fs::path copy = workFolder + std::string(info->nomSource);
  std::error_code failure;
  fs::copy_file(workbook, copy, failure);
  if (!failure) {
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, failure);
  }
  if (failure) {
    Raise(errors::kPathFileAccess,
          "Path/File access error: cannot copy " + workbook + ": " + failure.message(),
          std::string(kComponentSource));
  }
}

Error NamingTheLearnersFile(const Error& error, const std::string& workFolder,
                            std::int32_t exercise, const std::string& workbook) {
  const questions::QuestionInfo* info = questions::FindQuestion(exercise);
  if (info == nullptr) return error;
  std::string description = error.description();
  std::string source = error.source();
  for (const std::string_view name : {info->nomDest, info->nomSource}) {
    const std::string copy = workFolder + std::string(name);
    description = Replaced(std::move(description), copy, workbook);
    source = Replaced(std::move(source), copy, workbook);
  }
  return Error(error.number(), std::move(description), std::move(source));
}

}  // namespace k27093::client
