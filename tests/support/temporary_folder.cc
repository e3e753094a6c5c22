#include "support/temporary_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace k27093::testsupport {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (fs::temp_directory_path() / "k27093-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder from " + pattern);
  }
  path_ = std::string(buffer.data()) + "/";
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TemporaryFolder::File(std::string_view name) const { return path_ + std::string(name); }

std::string TemporaryFolder::Write(std::string_view name, std::string_view bytes) const {
  std::string file = File(name);
  WriteFileBytes(file, bytes);
  return file;
}

std::string TemporaryFolder::Read(std::string_view name) const { return ReadFileBytes(File(name)); }

bool TemporaryFolder::Contains(std::string_view name) const {
  std::error_code ignored;
  return fs::exists(File(name), ignored);
}

int TemporaryFolder::EntryCount() const {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(path_)) ++count;
  return count;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace k27093::testsupport
