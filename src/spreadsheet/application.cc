// Late-bound face of the application, its windows and the window collection.
#include "spreadsheet/application.h"

#include "spreadsheet/late_binding.h"
#include "spreadsheet/object_model.h"

namespace k27093::xl {

namespace {

const DispatchTable<Window>& WindowTable() {
  static const auto table = late::BuildTable<Window>([](late::Members<Window>& members) {
    members.Property("WindowState", &Window::WindowState, &Window::SetWindowState)
        .Get("Caption", &Window::Caption);
  });
  return table;
}

const DispatchTable<Windows>& WindowsTable() {
  static const auto table = late::BuildTable<Windows>([](late::Members<Windows>& members) {
    members.Get("Count", &Windows::Count, dispid::kCount).Method("Item", &Windows::Item);
  });
  return table;
}

// `Run(Macro, Arg1, ...)`: every argument after the macro's name goes to the macro.
Variant RunMacro(Application& self, CallKind kind, Arguments arguments) {
  late::CheckRead(kind);
  late::CheckCount(arguments, 1, arguments.size());
  return self.Run(ToText(arguments[0]), arguments.subspan(1));
}

// The main window's handle, as the 32-bit value the platform gives.
Variant MainWindow(Application& self, CallKind kind, Arguments arguments) {
  late::CheckRead(kind);
  late::CheckCount(arguments, 0, 0);
  return Variant(static_cast<std::int32_t>(self.Hwnd()));
}

const DispatchTable<Application>& ApplicationTable() {
  using A = Application;
  static const auto table = late::BuildTable<A>([](late::Members<A>& members) {
    members.Get("Application", &A::ApplicationObject)
        .Collection("Workbooks", &A::Workbooks)
        .Get("ActiveWorkbook", &A::ActiveWorkbook)
        .Get("ActiveSheet", &A::ActiveSheet)
        .Get("ActiveChart", &A::ActiveChart)
        .Get("ActiveWindow", &A::ActiveWindow)
        .Get("Selection", &A::Selection)
        .Get("ActivePrinter", &A::ActivePrinter)
        .Collection("Windows", &A::Windows)
        .Collection("CommandBars", &A::CommandBars)
        .Custom("Run", &RunMacro)
        .Method("Quit", &A::Quit)
        .Property("Visible", &A::Visible, &A::SetVisible)
        .Property("DisplayFullScreen", &A::DisplayFullScreen, &A::SetDisplayFullScreen)
        .Get("TemplatesPath", &A::TemplatesPath)
        .Property("ShowToolTips", &A::ShowToolTips, &A::SetShowToolTips)
        .Property("DisplayCommentIndicator", &A::DisplayCommentIndicator,
                  &A::SetDisplayCommentIndicator)
        .Property("ShowStartupDialog", &A::ShowStartupDialog, &A::SetShowStartupDialog)
        .Custom("Hwnd", &MainWindow);
  });
  return table;
}

}  // namespace

Variant Window::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return WindowTable().Invoke(*this, member, kind, arguments);
}

Variant Windows::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return WindowsTable().Invoke(*this, member, kind, arguments);
}

Variant Windows::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return WindowsTable().InvokeById(*this, dispid, kind, arguments);
}

Variant Application::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ApplicationTable().Invoke(*this, member, kind, arguments);
}

}  // namespace k27093::xl
