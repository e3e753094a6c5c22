// The shared-string table of a BIFF8 workbook (the SST record and its CONTINUE records): the
// texts that LABELSST cells point into, in order, rich-text runs and phonetic data left out.
#pragma once

#include <string>
#include <vector>

namespace k27093::xls {

struct Record;
class RecordStream;

// The strings of the SST record `record`, read from its data and CONTINUE records, where a
// string's characters (whose width may change at the boundary), runs or extended data may
// run on. Reads the cstUnique strings the record announces; bytes after them are ignored.
// Raises document::ReadFault Damaged when the record announces more strings than it holds or
// a string is cut off.
std::vector<std::string> ReadSharedStrings(const RecordStream& stream, const Record& record);

}  // namespace k27093::xls
