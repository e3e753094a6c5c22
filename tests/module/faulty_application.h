// FaultyApplication: a spreadsheet application that forwards every call to a real one and
// first lets the test raise an error in a named member ("Workbooks", "CommandBars" ...).
#pragma once

#include <functional>
#include <string_view>

#include "spreadsheet/object_model.h"

namespace k27093::testing {

class FaultyApplication final : public xl::Application {
 public:
  // Called with the member's name before each forwarded call; may raise.
  using Fault = std::function<void(std::string_view member)>;

 private:
  using A = xl::Application;

  void Before(std::string_view member) {
    if (fault_) fault_(member);
  }
  template <class Member, class... Args>
  auto Forward(std::string_view member, Member function, Args... args) {
    Before(member);
    return ((*inner_).*function)(args...);
  }

  Ref<xl::Application> inner_;
  Fault fault_;

 public:
  explicit FaultyApplication(Ref<xl::Application> inner) : inner_(std::move(inner)) {}
  void SetFault(Fault fault) { fault_ = std::move(fault); }

  Ref<xl::Application> ApplicationObject() override {
    Before("Application");
    return Ref<xl::Application>(std::static_pointer_cast<xl::Application>(shared_from_this()));
  }
  Ref<xl::Workbooks> Workbooks() override { return Forward("Workbooks", &A::Workbooks); }
  Ref<xl::Workbook> ActiveWorkbook() override {
    return Forward("ActiveWorkbook", &A::ActiveWorkbook);
  }
  Ref<xl::Sheet> ActiveSheet() override { return Forward("ActiveSheet", &A::ActiveSheet); }
  Ref<xl::Chart> ActiveChart() override { return Forward("ActiveChart", &A::ActiveChart); }
  Ref<xl::Window> ActiveWindow() override { return Forward("ActiveWindow", &A::ActiveWindow); }
  Variant Selection() override { return Forward("Selection", &A::Selection); }
  std::string ActivePrinter() override { return Forward("ActivePrinter", &A::ActivePrinter); }
  Ref<xl::Windows> Windows() override { return Forward("Windows", &A::Windows); }
  Ref<xl::CommandBars> CommandBars() override { return Forward("CommandBars", &A::CommandBars); }
  Variant Run(std::string_view macro, Arguments arguments) override {
    Before("Run");
    return inner_->Run(macro, arguments);
  }
  void Quit() override { Forward("Quit", &A::Quit); }
  bool Visible() override { return Forward("Visible", &A::Visible); }
  void SetVisible(bool value) override { Forward("Visible", &A::SetVisible, value); }
  bool DisplayFullScreen() override { return Forward("DisplayFullScreen", &A::DisplayFullScreen); }
  void SetDisplayFullScreen(bool value) override {
    Forward("DisplayFullScreen", &A::SetDisplayFullScreen, value);
  }
  std::string TemplatesPath() override { return Forward("TemplatesPath", &A::TemplatesPath); }
  bool ShowToolTips() override { return Forward("ShowToolTips", &A::ShowToolTips); }
  void SetShowToolTips(bool value) override { Forward("ShowToolTips", &A::SetShowToolTips, value); }
  std::int32_t DisplayCommentIndicator() override {
    return Forward("DisplayCommentIndicator", &A::DisplayCommentIndicator);
  }
  void SetDisplayCommentIndicator(std::int32_t value) override {
    Forward("DisplayCommentIndicator", &A::SetDisplayCommentIndicator, value);
  }
  bool ShowStartupDialog() override { return Forward("ShowStartupDialog", &A::ShowStartupDialog); }
  void SetShowStartupDialog(bool value) override {
    Forward("ShowStartupDialog", &A::SetShowStartupDialog, value);
  }
  k27093::Hwnd Hwnd() override { return Forward("Hwnd", &A::Hwnd); }

};

}  // namespace k27093::testing
