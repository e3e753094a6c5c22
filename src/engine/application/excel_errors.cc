#include "engine/application/excel_errors.h"

#include "api/error.h"

namespace k27093::engine {

void RaiseExcel(std::int32_t number, std::string description) {
  Raise(number, std::move(description), std::string(kExcelSource));
}

void RaiseUnableToGet(std::string_view property, std::string_view className) {
  RaiseExcel(errors::kApplication, "Unable to get the " + std::string(property) +
                                       " property of the " + std::string(className) + " class");
}

void RaiseUnableToSet(std::string_view property, std::string_view className) {
  RaiseExcel(errors::kApplication, "Unable to set the " + std::string(property) +
                                       " property of the " + std::string(className) + " class");
}

void RaiseMethodFailed(std::string_view method, std::string_view className) {
  RaiseExcel(errors::kApplication,
             std::string(method) + " method of " + std::string(className) + " class failed");
}

void RaiseProtected() {
  RaiseExcel(errors::kApplication,
             "The cell or chart you are trying to change is protected and therefore read-only.");
}

void RaiseItemNotFound() {
  RaiseExcel(errors::kItemNotFound, "The item with the specified name wasn't found.");
}

void RaiseValueOutOfRange() {
  RaiseExcel(errors::kItemNotFound, "The specified value is out of range.");
}

void RaiseDisconnected() { RaiseExcel(kObjectDisconnected, "Automation error"); }

}  // namespace k27093::engine
