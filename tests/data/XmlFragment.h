// A parsed XML fragment for element-reader tests: the text is kept alive
// with the document, as the readers expect.
#pragma once

#include <rapidxml/rapidxml.hpp>

#include <string>
#include <vector>

class XmlFragment {
public:
    explicit XmlFragment(const std::string& xml) : text(xml.begin(), xml.end())
    {
        text.push_back('\0');
        document.parse<0>(text.data());
    }
    XmlFragment(const XmlFragment&) = delete;
    XmlFragment& operator=(const XmlFragment&) = delete;

    // The first top-level element.
    const rapidxml::xml_node<char>& root() const { return *document.first_node(); }

private:
    std::vector<char> text;
    rapidxml::xml_document<char> document;
};
