#include "support/recording_platform.h"

namespace k27093::testsupport {

namespace {

std::string RegistryEntry(std::string_view call, std::string_view name) {
  return CallText("registry", call, {std::string(name)});
}

std::string FilesEntry(std::string_view call, std::initializer_list<std::string> paths) {
  return CallText("files", call, paths);
}

}  // namespace

Ref<RecordingApplication> RecordingRegistry::Recording(const Ref<xl::Application>& application) {
  std::erase_if(recorders_, [](const auto& entry) { return entry.second.expired(); });
  if (auto recording = std::dynamic_pointer_cast<RecordingApplication>(application.shared())) {
    return recording;
  }
  if (auto known = recorders_[application.get()].lock()) return known;
  auto recording = std::make_shared<RecordingApplication>(application, log_);
  recorders_[application.get()] = recording;
  return recording;
}

std::shared_ptr<Dispatch> RecordingRegistry::RecordingObject(std::shared_ptr<Dispatch> object) {
  auto application = std::dynamic_pointer_cast<xl::Application>(object);
  if (!application) return object;
  return Recording(Ref<xl::Application>(application)).shared();
}

void RecordingRegistry::RegisterClass(ClassRegistration registration) {
  log_.Recorded(RegistryEntry("RegisterClass", registration.progId),
                [&] { inner_.RegisterClass(std::move(registration)); });
}

const ClassRegistration* RecordingRegistry::Find(std::string_view progIdOrClsid) const {
  return log_.Recorded(RegistryEntry("Find", progIdOrClsid),
                       [&] { return inner_.Find(progIdOrClsid); });
}

std::shared_ptr<Dispatch> RecordingRegistry::CreateObject(std::string_view progIdOrClsid) {
  return log_.Recorded(RegistryEntry("CreateObject", progIdOrClsid),
                       [&] { return RecordingObject(inner_.CreateObject(progIdOrClsid)); });
}

std::shared_ptr<Dispatch> RecordingRegistry::GetObject(std::string_view progId) {
  return log_.Recorded(RegistryEntry("GetObject", progId),
                       [&] { return RecordingObject(inner_.GetObject(progId)); });
}

void RecordingRegistry::RegisterRunning(std::string_view progId, std::weak_ptr<Dispatch> object) {
  log_.Recorded(RegistryEntry("RegisterRunning", progId),
                [&] { inner_.RegisterRunning(progId, std::move(object)); });
}

void RecordingRegistry::KeepRunning(const Dispatch* object, bool kept) {
  log_.Recorded(CallText("registry", "KeepRunning", {kept ? "True" : "False"}),
                [&] { inner_.KeepRunning(object, kept); });
}

void RecordingRegistry::RevokeRunning(const Dispatch* object) {
  log_.Recorded(CallText("registry", "RevokeRunning"), [&] { inner_.RevokeRunning(object); });
}

bool RecordingFileSystem::MakeSureDirectoryPathExists(std::string_view path) {
  return log_.Recorded(FilesEntry("MakeSureDirectoryPathExists", {std::string(path)}),
                       [&] { return inner_.MakeSureDirectoryPathExists(path); });
}

bool RecordingFileSystem::Exists(std::string_view path) {
  return log_.Recorded(FilesEntry("Exists", {std::string(path)}),
                       [&] { return inner_.Exists(path); });
}

void RecordingFileSystem::SetAttributesNormal(std::string_view path) {
  log_.Recorded(FilesEntry("SetAttributesNormal", {std::string(path)}),
                [&] { inner_.SetAttributesNormal(path); });
}

void RecordingFileSystem::Delete(std::string_view path) {
  log_.Recorded(FilesEntry("Delete", {std::string(path)}), [&] { inner_.Delete(path); });
}

void RecordingFileSystem::Rename(std::string_view from, std::string_view to) {
  log_.Recorded(FilesEntry("Rename", {std::string(from), std::string(to)}),
                [&] { inner_.Rename(from, to); });
}

std::string RecordingFileSystem::ModuleFolder() {
  return log_.Recorded(FilesEntry("ModuleFolder", {}), [&] { return inner_.ModuleFolder(); });
}

}  // namespace k27093::testsupport
