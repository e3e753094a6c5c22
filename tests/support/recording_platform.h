// RecordingRegistry and RecordingFileSystem: an object registry and a file system that pass
// every call on to other ones and record it first in a CallLog ("registry CreateObject(...)",
// "files Rename(<from>, <to>)"). The registry hands out every spreadsheet application it
// creates or attaches to as a RecordingApplication on the same log, one per application, so
// that the calls made on it are recorded too.
#pragma once

#include <map>
#include <memory>

#include "api/file_system.h"
#include "api/object_registry.h"
#include "support/call_log.h"
#include "support/recording_application.h"

namespace k27093::testsupport {

class RecordingRegistry final : public ObjectRegistry {
 public:
  // `inner` and `log` must outlive the registry.
  RecordingRegistry(ObjectRegistry& inner, CallLog& log) : inner_(inner), log_(log) {}

  // The recording face of `application`: the same one for as long as it is in use.
  Ref<RecordingApplication> Recording(const Ref<xl::Application>& application);

  void RegisterClass(ClassRegistration registration) override;
  const ClassRegistration* Find(std::string_view progIdOrClsid) const override;
  std::shared_ptr<Dispatch> CreateObject(std::string_view progIdOrClsid) override;
  std::shared_ptr<Dispatch> GetObject(std::string_view progId) override;
  void RegisterRunning(std::string_view progId, std::weak_ptr<Dispatch> object) override;
  void KeepRunning(const Dispatch* object, bool kept) override;
  void RevokeRunning(const Dispatch* object) override;

 private:
  // A spreadsheet application made recording; any other object as it is.
  std::shared_ptr<Dispatch> RecordingObject(std::shared_ptr<Dispatch> object);

  ObjectRegistry& inner_;
  CallLog& log_;
  std::map<const Dispatch*, std::weak_ptr<RecordingApplication>> recorders_;
};

class RecordingFileSystem final : public FileSystem {
 public:
  // `inner` and `log` must outlive the file system.
  RecordingFileSystem(FileSystem& inner, CallLog& log) : inner_(inner), log_(log) {}

  bool MakeSureDirectoryPathExists(std::string_view path) override;
  bool Exists(std::string_view path) override;
  void SetAttributesNormal(std::string_view path) override;
  void Delete(std::string_view path) override;
  void Rename(std::string_view from, std::string_view to) override;
  std::string ModuleFolder() override;

 private:
  FileSystem& inner_;
  CallLog& log_;
};

}  // namespace k27093::testsupport
