// The frame shared by the readers of the exported game's asset libraries
// ("gamebox.pictures", "gamebox.sounds" and the others): the file is found
// by its base name in a resource group, parsed whole, and its top-level
// records handed one by one to the library's own reader.
#pragma once

#include "data/XmlFile.h"

#include <functional>
#include <string>

// The parse-failure line of most libraries.
extern const char* const libraryFailureLine;

// Hands every top-level element named exactly `recordElement` to
// `readRecord`, in file order. A file the group lacks is skipped without a
// line; a file that cannot be opened or parsed logs `failureLine` at the
// normal level and hands over nothing.
void readLibraryFile(const std::string& fileName, const std::string& group, const char* recordElement,
                     const char* failureLine, const std::function<void(const XmlNode& record)>& readRecord);

// The text of an attribute the format requires: an absent one reads as empty.
std::string requiredText(const XmlNode& node, const char* name);

// requiredText, and an absent attribute is also reported with one "[ERROR] "
// line naming the element and the attribute: the editor always writes it,
// so its absence means a damaged file.
std::string reportedRequiredText(const XmlNode& node, const char* name);
