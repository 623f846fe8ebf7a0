// A fresh temporary folder for one test, removed with everything in it.
#pragma once

#include <boost/filesystem.hpp>

#include <fstream>
#include <sstream>
#include <string>

class TempFolder {
public:
    TempFolder() : root(boost::filesystem::temp_directory_path() / boost::filesystem::unique_path("zarnith-%%%%-%%%%-%%%%"))
    {
        boost::filesystem::create_directories(root);
    }
    ~TempFolder()
    {
        boost::system::error_code error;
        boost::filesystem::remove_all(root, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path followed by "/".
    std::string path() const { return root.string() + "/"; }

    void write(const std::string& relative, const std::string& content) const
    {
        const boost::filesystem::path file = root / relative;
        boost::filesystem::create_directories(file.parent_path());
        std::ofstream(file.string(), std::ios::binary) << content;
    }
    std::string read(const std::string& relative) const
    {
        std::ifstream in((root / relative).string(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool exists(const std::string& relative) const { return boost::filesystem::exists(root / relative); }

private:
    boost::filesystem::path root;
};
