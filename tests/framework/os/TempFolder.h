#pragma once
// A fresh folder under the system's temporary folder, removed with its
// content when the test ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TTempFolder {
 public:
  TTempFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "cf-test-XXXXXX").string();
    char* made = ::mkdtemp(tmpl.data());
    path_ = made ? made : tmpl;
  }
  ~TTempFolder() {
    std::error_code ec;
    // Give back write rights a test may have taken away, then clean up.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Number of entries in the folder (to see that no temporary file is left).
  int EntryCount() const {
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(path_)) ++n;
    return n;
  }

 private:
  std::string path_;
};
