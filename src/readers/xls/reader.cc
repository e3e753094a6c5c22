#include "readers/xls/reader.h"

#include "document/read_fault.h"
#include "document/workbook_file.h"
#include "readers/cfb/compound_file.h"
#include "readers/xls/workbook_stream.h"

namespace k27093::xls {
namespace {

document::WorkbookData ReadCompoundFile(std::string_view bytes) {
  const cfb::CompoundFile file(bytes);
  if (const std::optional<std::string> stream = file.ReadRootStream("Workbook")) {
    return ReadWorkbookStream(*stream);
  }
  if (file.ReadRootStream("Book")) {
    document::FailRefused("it is saved in a format older than Excel 97 (BIFF5)");
  }
  document::FailNotWorkbook("the compound document holds no workbook stream");
}

}  // namespace

document::WorkbookData ReadWorkbookBytes(std::string_view bytes, std::string_view displayName) {
  try {
    return ReadCompoundFile(bytes);
  } catch (const document::ReadFault& fault) {
    document::RaiseOpenError(document::OpenFaultDescription(displayName, fault));
  }
}

document::WorkbookData ReadWorkbookFile(const std::string& path) {
  return ReadWorkbookBytes(document::ReadWorkbookFileBytes(path), path);
}

}  // namespace k27093::xls
