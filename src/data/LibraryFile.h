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

// The files of the libraries whose entries name entries of other libraries,
// named by the lines about a name that resolves to nothing.
extern const char* const wavesFileName;
extern const char* const weaponsFileName;
extern const char* const playersFileName;
extern const char* const explosionsFileName;
extern const char* const effectsFileName;
extern const char* const itemsFileName;

// Hands every top-level element named exactly `recordElement` to
// `readRecord`, in file order. A file the group lacks is skipped without a
// line; a file that cannot be opened or parsed is named in one "[ERROR] "
// line ending with `failureLine` (logUnusedFile) and hands over nothing.
void readLibraryFile(const std::string& fileName, const std::string& group, const char* recordElement,
                     const char* failureLine, const std::function<void(const XmlNode& record)>& readRecord);

// The text of an attribute the format requires: an absent one reads as empty.
std::string requiredText(const XmlNode& node, const char* name);

// The text of an attribute the format requires, or null when the element
// lacks it. The absence is reported with one "[ERROR] " line naming the file
// being read (when there is one), the element and the attribute: the editor
// always writes it, so its absence means a damaged file.
const char* reportedAttributeText(const XmlNode& node, const char* name);

// The first child element of the name, one the format requires: null when
// the element lacks it, which is reported like a missing attribute.
const XmlNode* reportedChild(const XmlNode& node, const char* name);

// Reports a given attribute whose value cannot be used as written, in one
// "[ERROR] " line naming the file, the element, the attribute and its text.
void reportUnusable(const XmlNode& node, const char* name, const std::string& text);

// requiredText, with an absent attribute reported as by reportedAttributeText.
std::string reportedRequiredText(const XmlNode& node, const char* name);

// Required attributes of library records: present, they convert as optional
// ones do; absent, the target keeps the value it had (the record's own) and
// the absence is reported as by reportedAttributeText.
void readRequired(const XmlNode& node, const char* name, std::string& target);
void readRequired(const XmlNode& node, const char* name, bool& target);
void readRequired(const XmlNode& node, const char* name, int& target);
void readRequired(const XmlNode& node, const char* name, float& target);
