// The learner's workbook staged for a check: a private working folder gets a copy of it under
// the exercise's model name, as the course hands the model out. The learner's file is only
// ever read.
#pragma once

#include <cstdint>
#include <string>

#include "api/error.h"

namespace k27093::client {

// Makes `folder` (with its trailing separator) and answers it; raises 75 (source "K27093")
// when it cannot be made, an existing folder included.
std::string MakeFolder(const std::string& folder);

// Copies `workbook` into `workFolder` under the model name of `exercise`, writable by its
// owner whatever the original allowed. Raises 53 when the workbook is missing, 75 when it is
// not a regular readable file or cannot be copied (source "K27093", the description names
// the file), and before copying anything the spreadsheet's 1004 (source "Microsoft Office
// Excel") when it is larger than any workbook the spreadsheet opens
// (document::RequireReadableSize). An exercise without a model (outside 401..421) gets no copy: the
// module answers it.
void StageWorkbook(const std::string& workbook, const std::string& workFolder,
                   std::int32_t exercise);

// `error` naming the learner's `workbook` where it names its working copy in `workFolder` (under
// the exercise's model or working name), so that what the learner reads names the file they
// gave and not a private copy that no longer exists.
Error NamingTheLearnersFile(const Error& error, const std::string& workFolder,
                            std::int32_t exercise, const std::string& workbook);

}  // namespace k27093::client
