// Fuzz target of the XML side of the workbook reader. The input is a list of part contents
// separated by kSeparator (an empty content leaves the part out); they are stored (not compressed,
// with their true checksums) under the part names of a usual workbook, so that mutations reach the
// XML parsing and the reading of workbook, worksheets, shared strings, comments, drawings, charts,
// chart sheets, the theme, form controls and their legacy VML drawing instead of dying in the
// zip layer's checksum test.
#include <zip.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "api/error.h"
#include "readers/ooxml/reader.h"

namespace {

constexpr std::string_view kSeparator = "\n@@part@@\n";

constexpr std::array<const char*, 19> kPartNames = {
    "[Content_Types].xml",
    "_rels/.rels",
    "xl/workbook.xml",
    "xl/_rels/workbook.xml.rels",
    "xl/worksheets/sheet1.xml",
    "xl/sharedStrings.xml",
    "xl/worksheets/_rels/sheet1.xml.rels",
    "xl/comments1.xml",
    "xl/chartsheets/sheet1.xml",
    "xl/drawings/drawing1.xml",
    "xl/drawings/_rels/drawing1.xml.rels",
    "xl/charts/chart1.xml",
    "xl/charts/_rels/chart1.xml.rels",
    "xl/drawings/drawing2.xml",
    "xl/chartsheets/_rels/sheet1.xml.rels",
    "xl/ctrlProps/ctrlProp1.xml",
    "xl/drawings/_rels/drawing2.xml.rels",
    "xl/theme/theme1.xml",
    "xl/drawings/vmlDrawing1.vml",
};

std::vector<std::string_view> SplitParts(std::string_view input) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < kPartNames.size()) {
    const std::size_t end = input.find(kSeparator);
    if (end == std::string_view::npos) break;
    parts.push_back(input.substr(0, end));
    input.remove_prefix(end + kSeparator.size());
  }
  parts.push_back(input);
  return parts;
}

// The zip archive of the parts, stored; empty when libzip fails.
std::string StoredZip(const std::vector<std::string_view>& parts) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
  std::string bytes;
  if (archive != nullptr) {
    zip_source_keep(buffer);
    for (std::size_t i = 0; i < parts.size(); ++i) {
      if (parts[i].empty()) continue;
      zip_source_t* source = zip_source_buffer(archive, parts[i].data(), parts[i].size(), 0);
      const zip_int64_t index = zip_file_add(archive, kPartNames[i], source, 0);
      if (index < 0) {
        zip_source_free(source);
        continue;
      }
      zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0) {
      zip_discard(archive);
    } else if (zip_source_open(buffer) == 0) {
      zip_source_seek(buffer, 0, SEEK_END);
      const zip_int64_t size = zip_source_tell(buffer);
      zip_source_seek(buffer, 0, SEEK_SET);
      bytes.resize(static_cast<std::size_t>(size > 0 ? size : 0));
      if (zip_source_read(buffer, bytes.data(), bytes.size()) != size) bytes.clear();
      zip_source_close(buffer);
    }
  }
  if (buffer != nullptr) zip_source_free(buffer);
  zip_error_fini(&error);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string package = StoredZip(SplitParts(input));
  if (package.empty()) return 0;
  try {
    k27093::ooxml::ReadWorkbookBytes(package, "fuzz.xlsx");
  } catch (const k27093::Error&) {
    // A refused file is a correct answer.
  }
  return 0;
}
