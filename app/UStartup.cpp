#include "app/UStartup.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "app/UAbout.h"
#include "app/UBoot.h"
#include "app/ULumetraFirmWare.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UParGen.h"
#include "app/USoftOptions.h"
#include "controls/button/LbButton.h"
#include "controls/dropdown/ATXPVS.h"
#include "controls/dropdown/GridDropDownEditors.h"
#include "framework/controls/Forms.h"
#include "framework/os/Files.h"
#include "grid/base/VevXPVS.h"
#include "grid/base/griddd.h"
#include "grid/model/DivUzev.h"
#include "grid/model/VevCGrid.h"
#include "grid/view/DivUzevHint.h"
#include "tables/network/UBACnetSlaveSetAccess.h"
#include "tables/network/UBACnet_EDE_File.h"
#include "tables/network/UBACnet_Eng_Unit.h"
#include "tables/network/UIEC61850_Variables.h"
#include "tables/network/UKNXAccess.h"
#include "tables/network/UMQTT_Set_Topic.h"
#include "tables/network/UOPC_UA_Server_Access.h"
#include "tables/network/USNMP_MIB.h"
#include "tables/network/USNMP_Trap_Access.h"
#include "tables/network/UTLS_Server_Known_Cert.h"
#include "tables/network/UTopicTemplate.h"
#include "tables/plc/UEds.h"
#include "tables/plc/UProfibus_GSD.h"
#include "tables/plc/UReceiveCAN.h"
#include "tables/plc/US7_Protocol_Set_Access.h"
#include "tables/plc/USet_PDO_Access.h"
#include "tables/plc/USet_SDO_Client_Access.h"
#include "tables/plc/USet_SDO_Server_Access.h"
#include "tables/plc/UTransmitCAN.h"

namespace {
// The forms Create_Forms made, in creation order.
std::vector<TCustomForm*>& Created_Forms() {
  static std::vector<TCustomForm*> forms;
  return forms;
}

template <class T>
void Create(T*& Instance) {
  Application->CreateForm(Instance);
  Created_Forms().push_back(Instance);
}

// True when a file can be made in Folder (creating Folder when missing).
bool Can_Write_In(const std::string& Folder) {
  if (Folder.empty() || !ForceDirectories(Folder)) return false;
  const std::string probe = IncludeTrailingPathDelimiter(Folder) + ".cf30406-" + std::to_string(getpid());
  FILE* f = std::fopen(probe.c_str(), "wb");
  if (f == nullptr) return false;
  std::fclose(f);
  DeleteFile(probe);
  return true;
}

std::string User_Data_Folder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && *xdg == '/') return std::string(xdg) + "/cf30406";
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != 0) return std::string(home) + "/.local/share/cf30406";
  return "/tmp/cf30406-" + std::to_string(getuid());
}
}  // namespace

void Initialize_Units() {
  static const bool done = [] {
    // The grid units first: the visual-styles binding before anything draws.
    LoadUxTheme();
    InitializeATXPVSUnit();
    // The grid's drop-down editor kinds are the drop-down controls.
    RegisterGridDropDownEditors();
    // The grid's drag and clipboard formats are known from the start,
    // whatever the clipboard is doing.
    RegisterGridDragFormats();
    InitializeDivUzevUnit();
    RegisterColumnGridClasses();
    // Grid hints written in markup are drawn as markup; others stay plain.
    if (Application != nullptr && !Application->HintWindowClass)
      Application->HintWindowClass = [](TComponent* AOwner) -> THintWindow* {
        return new THTMLHintWindow(AOwner);
      };
    RegisterLbButtonClasses();
    return true;
  }();
  (void)done;
}

void Create_Main_Form() {
  // The writers of description files run from the main window's steps.
  On_Create_SNMP_MIB = [] { Create_SNMP_MIB(); };
  On_Create_GSD_File = [] { Create_GSD_File(); };
  On_Write_EDS_File = [](const std::string& FileName) { Write_EDS_File(FileName); };
  On_Create_EDE_File = [](const std::string& FileName) { Create_EDE_File(FileName); };
  Create(FLumetraFirmWare);
}

void Create_Other_Forms() {
  Create(FAbout);
  Create(FNew_Project);
  Create(FOpenConf);
  Create(FSoftOptions);
  Create(FParGen);
  Create(FBoot);
  Create(FS7_Protocol_Set_Access);
  Create(FKNXAccess);
  Create(FIEC61850_Variables);
  Create(FTLS_Server_Known_Cert);
  Create(FReceiveCAN);
  Create(FTransmitCAN);
  Create(FSet_PDO_Access);
  Create(FSet_SDO_Client_Access);
  Create(FSet_SDO_Server_Access);
  Create(FSNMP_Trap_Access);
  Create(FMQTT_Set_Topic);
  Create(FTopicTemplate);
  Create(FBACnet_Eng_Unit);
  Create(FBACnetSlaveSetAccess);
  Create(FOPC_UA_Server_Access);
}

void Create_Forms() {
  Create_Main_Form();
  Create_Other_Forms();
}

void Show_Main_Window() {
  Create_Main_Form();
  TCustomForm* main = Application->MainForm();
  if (main == nullptr || !Application->ShowMainForm()) return;
  main->Show();
  main->Update();
  Application->ProcessPaintMessages();
}

void Destroy_Forms() {
  std::vector<TCustomForm*>& forms = Created_Forms();
  while (!forms.empty()) {
    TCustomForm* f = forms.back();
    forms.pop_back();
    delete f;
  }
}

int Run_Configurator() {
  Initialize_Units();
  Application->Initialize();
  Application->SetMainFormOnTaskbar(true);
  try {
    // The main window is on screen while the other forms are built; input
    // waits until they all exist, so no step can reach a missing form.
    Show_Main_Window();
    Create_Other_Forms();
  } catch (const std::exception& e) {
    // A form that cannot be built (a damaged stored layout) ends the program
    // with its reason on screen rather than with a crash.
    Application->ShowException(e);
    return 1;
  }
  Application->Run();
  FinalizeDivUzevUnit();
  FinalizeATXPVSUnit();
  FreeUxTheme();
  return 0;
}

std::string Choose_App_Dir(const std::string& ExeFolder, const std::string& FallbackFolder) {
  if (Can_Write_In(ExeFolder)) return ExeFolder;
  const std::string fallback = FallbackFolder.empty() ? User_Data_Folder() : FallbackFolder;
  ForceDirectories(fallback);
  return fallback;
}
