#pragma once
// Scratch folders and file helpers for the configurator core tests.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/UComon.h"

// A fresh folder under the system's temporary folder, removed afterwards.
// Named after the test, with a unique ending: the same test may run at the
// same time from another build of the project.
class TScratchDir {
 public:
  TScratchDir() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("cf_app_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    std::string tmpl = (std::filesystem::temp_directory_path() / (name + "_XXXXXX")).string();
    if (::mkdtemp(tmpl.data()) == nullptr) ADD_FAILURE() << "no scratch folder " << tmpl;
    path_ = tmpl;
  }
  ~TScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Path() const { return path_.string(); }
  std::string File(const std::string& Name) const { return (path_ / Name).string(); }

 private:
  std::filesystem::path path_;
};

inline void Write_File(const std::string& Path, const std::string& Bytes) {
  std::filesystem::create_directories(std::filesystem::path(Path).parent_path());
  std::ofstream out(Path, std::ios::binary | std::ios::trunc);
  out << Bytes;
}

inline std::string Read_File(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Saves the common globals a test changes and puts them back afterwards.
class TCommonGlobalsScope {
 public:
  TCommonGlobalsScope()
      : project_name_(Project_Name),
        project_dir_(Project_Dir),
        app_dir_(App_Dir),
        master_dir_(Master_Dir),
        projects_dir_(Projects_Dir),
        language_dir_(Language_Dir),
        last_ip_(Last_IP_Address),
        language_(Language_Name),
        option_index_(Update_Option_Index),
        read_back_(Update_Read_Back),
        internet_(Opt_Enable_Internet),
        update_(Opt_Enable_Update),
        jump_(Opt_Jump_Field_Tables),
        auto_size_(Opt_Double_Click_Auto_Size) {}
  ~TCommonGlobalsScope() {
    Project_Name = project_name_;
    Project_Dir = project_dir_;
    App_Dir = app_dir_;
    Master_Dir = master_dir_;
    Projects_Dir = projects_dir_;
    Language_Dir = language_dir_;
    Last_IP_Address = last_ip_;
    Update_Option_Index = option_index_;
    Update_Read_Back = read_back_;
    Language_Name = language_;
    Opt_Enable_Internet = internet_;
    Opt_Enable_Update = update_;
    Opt_Jump_Field_Tables = jump_;
    Opt_Double_Click_Auto_Size = auto_size_;
    Set_Files();
  }

 private:
  std::string project_name_, project_dir_, app_dir_, master_dir_, projects_dir_, language_dir_, last_ip_,
      language_;
  int option_index_;
  bool read_back_;
  bool internet_, update_, jump_, auto_size_;
};
