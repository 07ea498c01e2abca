// A fresh folder under the system temp folder for one test, removed with everything in it.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace kirvo::testing {

class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("kirvo-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/", as the game writes folders.
    std::string Path() const { return path_.string() + "/"; }

    // Writes a file below the folder, making its folders; returns its full path.
    std::string Write(const std::string& relative, const std::string& content = "x") const
    {
        std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file.string();
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace kirvo::testing
