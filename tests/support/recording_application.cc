#include "support/recording_application.h"

namespace k27093::testsupport {

namespace {

std::string BooleanText(bool value) { return value ? "True" : "False"; }

// What every recorded object of the application shares: the log and the object's name in
// the entries ("Workbooks", "CommandBars(Task Pane)").
class Recorder {
 public:
  Recorder(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}

 protected:
  template <class Call>
  auto Recorded(std::string_view member, Call&& call) {
    return log_.Recorded("excel " + name_ + "." + std::string(member), std::forward<Call>(call));
  }
  CallLog& log() const { return log_; }
  const std::string& name() const { return name_; }

 private:
  CallLog& log_;
  std::string name_;
};

// The name of an object reached through `index` of the collection `collection`.
std::string ItemName(std::string_view collection, const Variant& index) {
  return std::string(collection) + "(" + ArgumentText(index) + ")";
}

class RecordingWorkbook final : public xl::Workbook, Recorder {
 public:
  RecordingWorkbook(Ref<xl::Workbook> inner, CallLog& log, std::string name)
      : Recorder(log, std::move(name)), inner_(std::move(inner)) {}
  std::string Name() override {
    return Recorded("Name", [&] { return inner_->Name(); });
  }
  std::string Path() override {
    return Recorded("Path", [&] { return inner_->Path(); });
  }
  std::string FullName() override {
    return Recorded("FullName", [&] { return inner_->FullName(); });
  }
  void Activate() override {
    Recorded("Activate", [&] { inner_->Activate(); });
  }
  void Close(bool saveChanges) override {
    Recorded("Close(" + BooleanText(saveChanges) + ")", [&] { inner_->Close(saveChanges); });
  }
  Ref<xl::Sheets> Sheets() override {
    return Recorded("Sheets", [&] { return inner_->Sheets(); });
  }
  Ref<xl::Sheets> Worksheets() override {
    return Recorded("Worksheets", [&] { return inner_->Worksheets(); });
  }
  Ref<xl::Sheet> ActiveSheet() override {
    return Recorded("ActiveSheet", [&] { return inner_->ActiveSheet(); });
  }

 private:
  Ref<xl::Workbook> inner_;
};

// Nothing stays Nothing; an object is handed out recorded under `name`.
Ref<xl::Workbook> RecordedWorkbook(Ref<xl::Workbook> workbook, CallLog& log, std::string name) {
  if (workbook.IsNothing()) return workbook;
  return MakeRef<RecordingWorkbook>(std::move(workbook), log, std::move(name));
}

class RecordingWorkbooks final : public xl::Workbooks, Recorder {
 public:
  RecordingWorkbooks(Ref<xl::Workbooks> inner, CallLog& log)
      : Recorder(log, "Workbooks"), inner_(std::move(inner)) {}
  std::int32_t Count() override {
    return Recorded("Count", [&] { return inner_->Count(); });
  }
  Ref<xl::Workbook> Item(const Variant& index) override {
    return RecordedWorkbook(inner_->Item(index), log(), ItemName(name(), index));
  }
  Ref<xl::Workbook> Open(std::string_view fileName) override {
    return Recorded("Open(" + std::string(fileName) + ")", [&] { return inner_->Open(fileName); });
  }
  Ref<xl::Workbook> Add() override {
    return Recorded("Add", [&] { return inner_->Add(); });
  }

 private:
  Ref<xl::Workbooks> inner_;
};

class RecordingWindow final : public xl::Window, Recorder {
 public:
  RecordingWindow(Ref<xl::Window> inner, CallLog& log, std::string name)
      : Recorder(log, std::move(name)), inner_(std::move(inner)) {}
  std::int32_t WindowState() override {
    return Recorded("WindowState", [&] { return inner_->WindowState(); });
  }
  void SetWindowState(std::int32_t state) override {
    Recorded("WindowState = " + std::to_string(state), [&] { inner_->SetWindowState(state); });
  }
  std::string Caption() override {
    return Recorded("Caption", [&] { return inner_->Caption(); });
  }

 private:
  Ref<xl::Window> inner_;
};

class RecordingWindows final : public xl::Windows, Recorder {
 public:
  RecordingWindows(Ref<xl::Windows> inner, CallLog& log)
      : Recorder(log, "Windows"), inner_(std::move(inner)) {}
  std::int32_t Count() override {
    return Recorded("Count", [&] { return inner_->Count(); });
  }
  Ref<xl::Window> Item(const Variant& index) override {
    return MakeRef<RecordingWindow>(inner_->Item(index), log(), ItemName(name(), index));
  }

 private:
  Ref<xl::Windows> inner_;
};

class RecordingCommandBar final : public xl::CommandBar, Recorder {
 public:
  RecordingCommandBar(Ref<xl::CommandBar> inner, CallLog& log, std::string name)
      : Recorder(log, std::move(name)), inner_(std::move(inner)) {}
  std::string Name() override {
    return Recorded("Name", [&] { return inner_->Name(); });
  }
  bool Enabled() override {
    return Recorded("Enabled", [&] { return inner_->Enabled(); });
  }
  void SetEnabled(bool enabled) override {
    Recorded("Enabled = " + BooleanText(enabled), [&] { inner_->SetEnabled(enabled); });
  }
  bool Visible() override {
    return Recorded("Visible", [&] { return inner_->Visible(); });
  }
  void SetVisible(bool visible) override {
    Recorded("Visible = " + BooleanText(visible), [&] { inner_->SetVisible(visible); });
  }
  std::int32_t Position() override {
    return Recorded("Position", [&] { return inner_->Position(); });
  }
  void SetPosition(std::int32_t position) override {
    Recorded("Position = " + std::to_string(position), [&] { inner_->SetPosition(position); });
  }

 private:
  Ref<xl::CommandBar> inner_;
};

class RecordingCommandBars final : public xl::CommandBars, Recorder {
 public:
  RecordingCommandBars(Ref<xl::CommandBars> inner, CallLog& log, std::optional<std::int32_t> limit)
      : Recorder(log, "CommandBars"), inner_(std::move(inner)), limit_(limit) {}
  std::int32_t Count() override {
    return Recorded("Count", [&] {
      const std::int32_t count = inner_->Count();
      return limit_ ? std::min(count, *limit_) : count;
    });
  }
  Ref<xl::CommandBar> Item(const Variant& index) override {
    if (limit_ && index.IsNumeric() && ToLong(index) > *limit_) Raise(errors::kInvalidCall);
    return MakeRef<RecordingCommandBar>(inner_->Item(index), log(), ItemName(name(), index));
  }

 private:
  Ref<xl::CommandBars> inner_;
  std::optional<std::int32_t> limit_;
};

}  // namespace

std::string ArgumentText(const Variant& value) {
  if (value.IsEmpty()) return "Missing";
  if (value.IsObject())
    return value.AsObject() ? std::string(value.AsObject()->TypeName()) : "Nothing";
  if (value.IsArray() || value.IsNull()) return value.IsNull() ? "Null" : "Array";
  return ToText(value);
}

Ref<xl::Application> RecordingApplication::ApplicationObject() {
  return Recorded("Application", [&] {
    return Ref<xl::Application>(std::static_pointer_cast<xl::Application>(shared_from_this()));
  });
}

Ref<xl::Workbooks> RecordingApplication::Workbooks() {
  return MakeRef<RecordingWorkbooks>(inner_->Workbooks(), log_);
}

Ref<xl::Workbook> RecordingApplication::ActiveWorkbook() {
  return RecordedWorkbook(inner_->ActiveWorkbook(), log_, "ActiveWorkbook");
}

Ref<xl::Sheet> RecordingApplication::ActiveSheet() {
  return Recorded("ActiveSheet", [&] { return inner_->ActiveSheet(); });
}

Ref<xl::Chart> RecordingApplication::ActiveChart() {
  return Recorded("ActiveChart", [&] { return inner_->ActiveChart(); });
}

Ref<xl::Window> RecordingApplication::ActiveWindow() {
  Ref<xl::Window> window = inner_->ActiveWindow();
  if (window.IsNothing()) return window;
  return MakeRef<RecordingWindow>(std::move(window), log_, "ActiveWindow");
}

Variant RecordingApplication::Selection() {
  return Recorded("Selection", [&] { return inner_->Selection(); });
}

std::string RecordingApplication::ActivePrinter() {
  return Recorded("ActivePrinter", [&] { return inner_->ActivePrinter(); });
}

Ref<xl::Windows> RecordingApplication::Windows() {
  return MakeRef<RecordingWindows>(inner_->Windows(), log_);
}

Ref<xl::CommandBars> RecordingApplication::CommandBars() {
  return MakeRef<RecordingCommandBars>(inner_->CommandBars(), log_, commandBarLimit_);
}

Variant RecordingApplication::Run(std::string_view macro, Arguments arguments) {
  std::string entry = "Run(" + std::string(macro);
  for (const Variant& argument : arguments) entry += ", " + ArgumentText(argument);
  return Recorded(entry + ")", [&] { return inner_->Run(macro, arguments); });
}

void RecordingApplication::Quit() {
  Recorded("Quit", [&] { inner_->Quit(); });
}

bool RecordingApplication::Visible() {
  return Recorded("Visible", [&] { return inner_->Visible(); });
}

void RecordingApplication::SetVisible(bool visible) {
  Recorded("Visible = " + BooleanText(visible), [&] { inner_->SetVisible(visible); });
}

bool RecordingApplication::DisplayFullScreen() {
  return Recorded("DisplayFullScreen", [&] { return inner_->DisplayFullScreen(); });
}

void RecordingApplication::SetDisplayFullScreen(bool fullScreen) {
  Recorded("DisplayFullScreen = " + BooleanText(fullScreen),
           [&] { inner_->SetDisplayFullScreen(fullScreen); });
}

std::string RecordingApplication::TemplatesPath() {
  return Recorded("TemplatesPath", [&] { return inner_->TemplatesPath(); });
}

bool RecordingApplication::ShowToolTips() {
  return Recorded("ShowToolTips", [&] { return inner_->ShowToolTips(); });
}

void RecordingApplication::SetShowToolTips(bool show) {
  Recorded("ShowToolTips = " + BooleanText(show), [&] { inner_->SetShowToolTips(show); });
}

std::int32_t RecordingApplication::DisplayCommentIndicator() {
  return Recorded("DisplayCommentIndicator", [&] { return inner_->DisplayCommentIndicator(); });
}

void RecordingApplication::SetDisplayCommentIndicator(std::int32_t mode) {
  Recorded("DisplayCommentIndicator = " + std::to_string(mode),
           [&] { inner_->SetDisplayCommentIndicator(mode); });
}

bool RecordingApplication::ShowStartupDialog() {
  return Recorded("ShowStartupDialog", [&] { return inner_->ShowStartupDialog(); });
}

void RecordingApplication::SetShowStartupDialog(bool show) {
  Recorded("ShowStartupDialog = " + BooleanText(show), [&] { inner_->SetShowStartupDialog(show); });
}

k27093::Hwnd RecordingApplication::Hwnd() {
  return Recorded("Hwnd", [&] { return inner_->Hwnd(); });
}

}  // namespace k27093::testsupport
