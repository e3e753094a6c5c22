// EmbeddedEnvironment: the composition of the desktop, the registry, the file system, the
// embedded spreadsheet and the module.
#include "cli/embedded_environment.h"

#include <gtest/gtest.h>

#include "spreadsheet/object_model.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

using client::EmbeddedEnvironment;
using client::EmbeddedOptions;

Ref<xl::Application> StartSpreadsheet(EmbeddedEnvironment& embedded) {
  return ToObject<xl::Application>(Variant(embedded.registry().CreateObject(engine::kProgId)));
}

EmbeddedOptions OptionsIn(const testsupport::TemporaryFolder& folder) {
  EmbeddedOptions options;
  options.templatesPath = folder.path();
  options.currentFolder = folder.path();
  return options;
}

TEST(EmbeddedEnvironment, RegistersTheSpreadsheetAndTheModule) {
  testsupport::TemporaryFolder folder;
  EmbeddedEnvironment embedded(OptionsIn(folder));
  EXPECT_NE(embedded.registry().Find("Excel.application.11"), nullptr);
  EXPECT_NE(embedded.registry().Find("K27093.Module"), nullptr);
  EXPECT_FALSE(embedded.registry().CreateObject("K27093.Module") == nullptr);
}

TEST(EmbeddedEnvironment, SpreadsheetTakesTheTemplatesFolderAndPrinterGiven) {
  testsupport::TemporaryFolder folder;
  EmbeddedOptions options = OptionsIn(folder);
  options.printer = "Imprimante du bureau";
  EmbeddedEnvironment embedded(options);
  Ref<xl::Application> application = StartSpreadsheet(embedded);
  EXPECT_EQ(application->TemplatesPath(), folder.path());
  EXPECT_EQ(application->ActivePrinter(), "Imprimante du bureau");
}

TEST(EmbeddedEnvironment, EmptyPrinterMeansNoPrinter) {
  testsupport::TemporaryFolder folder;
  EmbeddedOptions options = OptionsIn(folder);
  options.printer.clear();
  EmbeddedEnvironment embedded(options);
  EXPECT_EQ(StartSpreadsheet(embedded)->ActivePrinter(), engine::kNoPrinterText);
}

TEST(EmbeddedEnvironment, ModuleFolderDefaultsToTheExecutablesFolder) {
  testsupport::TemporaryFolder folder;
  EmbeddedEnvironment given(OptionsIn(folder));
  std::string moduleFolder = given.files().ModuleFolder();
  ASSERT_FALSE(moduleFolder.empty());
  EXPECT_EQ(moduleFolder.back(), kPathSeparator);

  EmbeddedOptions options = OptionsIn(folder);
  options.moduleFolder = folder.path();
  EmbeddedEnvironment explicitFolder(options);
  EXPECT_EQ(explicitFolder.files().ModuleFolder(), folder.path());
}

}  // namespace
}  // namespace k27093
