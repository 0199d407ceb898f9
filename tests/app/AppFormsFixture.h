#pragma once
// A configurator started in a scratch folder: the folder stands in for the
// executable's, the web links are recorded instead of opened, and the
// version service points at nothing unless a test gives it a server.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ULanguage.h"
#include "app/ULumetraFirmWare.h"
#include "app/USoftOptions.h"
#include "app/UStartup.h"
#include "framework/os/Files.h"
#include "framework/os/Shell.h"
#include "tests/app/AppTestSupport.h"

class TAppFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetExeDirOverride(dir_.Path());
    host_ = Version_Service_Host;
    site_ = Maker_Web_Site;
    connect_ms_ = Version_Check_Connect_Timeout_Ms;
    total_ms_ = Version_Check_Timeout_Ms;
    // Port 9 of the loopback address refuses at once: no test waits on the
    // maker's real service.
    Version_Service_Host = "http://127.0.0.1:9";
    Maker_Web_Site = "http://maker.test";
    SetUrlOpener([this](const std::string& Url) {
      opened_.push_back(Url);
      return true;
    });
  }

  void TearDown() override {
    Destroy_Forms();
    SetExeDirOverride("");
    SetUrlOpener({});
    Application->ResetTerminated();
    Version_Service_Host = host_;
    Maker_Web_Site = site_;
    Version_Check_Connect_Timeout_Ms = connect_ms_;
    Version_Check_Timeout_Ms = total_ms_;
    Load_Default_Language();
  }

  // Creates the forms as the program does.
  void Start() { Create_Forms(); }

  std::string File(const std::string& Name) const { return dir_.File(Name); }
  std::string Projects(const std::string& Name = "") const {
    return Name.empty() ? dir_.File("PROJECTS") : dir_.File("PROJECTS/" + Name);
  }
  void Make_Project_Folder(const std::string& Name) { ForceDirectories(Projects(Name) + "/bin"); }

  void Write_Settings(const std::string& Project, const std::string& Language = "English",
                      const std::string& Internet = "0", const std::string& Update = "0") {
    Write_File(File("Quorvane.xml"),
               "<Conf_Settings><lastproj><projectname>" + Project +
                   "</projectname></lastproj><lastipadd><ipaddress>10.0.0.9</ipaddress>"
                   "</lastipadd><lastlang><language>" +
                   Language + "</language></lastlang><lastinternet><enable_internet>" + Internet +
                   "</enable_internet><enable_update>" + Update +
                   "</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
                   "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet>"
                   "</Conf_Settings>");
  }

  TScratchDir dir_;
  TCommonGlobalsScope globals_;
  std::vector<std::string> opened_;

 private:
  std::string host_, site_;
  int connect_ms_ = 0, total_ms_ = 0;
};
