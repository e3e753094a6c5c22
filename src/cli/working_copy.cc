#include "cli/working_copy.h"

#include <filesystem>
#include <system_error>

#include "api/error.h"
#include "questions/question_catalog.h"

namespace k27093::client {

namespace {

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

}  // namespace k27093::client
