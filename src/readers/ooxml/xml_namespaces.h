// The namespaces each kind of part is read in. Elements are found by their local name
// (xml_part.h), so before a part is read every element and prefixed attribute of a namespace
// its kind does not use is taken out of the tree: an element that only shares a local name
// with one the reader looks for ("<x:row>" of some other vocabulary inside a sheet) is never
// taken for it, and extensions of other vocabularies are ignored as the reader ignores any
// element it does not know. A root element outside its kind's namespaces is damage.
#pragma once

#include <string_view>

#include <pugixml.hpp>

namespace k27093::ooxml {

// Keeps in `document` only what the namespaces of its kind (named by its root's local name)
// hold; raises ReadFault Damaged when the root element itself is in another namespace or
// uses a prefix that no declaration binds. Parts of a kind without a vocabulary here (legacy
// VML drawings) are left as they are.
void KeepOwnNamespaces(pugi::xml_document& document, std::string_view partName);

}  // namespace k27093::ooxml
