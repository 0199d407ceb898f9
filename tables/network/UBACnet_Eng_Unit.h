#pragma once
// BACnet engineering units: the unit code of a BACnet object (the standard's
// engineering-units enumeration, codes 0 to 236) and its name, and the
// categories by which the unit picker TFBACnet_Eng_Unit offers them.
//
// This is the part that needs no window: the name table, the category
// table, and what the picker's steps do with them. The form holds the
// controls (E_Selected_EU, Label5, CB_Select_Type, CB_Select_Unit) and calls
// these.
#include <optional>
#include <string>
#include <vector>

// The highest code with a name.
constexpr int BACnet_Last_Unit_Code = 236;

// The name of a unit code: the standard's name, with "Celsius", "Kelvin",
// "Fahrenheit" and "Newton" capitalised inside the names that have always
// been written so; "unknown" for every code without a name (negative, or
// above 236).
std::string Desc_Unit(int Code);

// "-> " and the code's name, as Label5 shows it.
std::string Unit_Label(int Code);

// One entry of CB_Select_Type and the codes it offers, in list order.
struct TBACnet_Unit_Category {
  const char* Name;
  std::vector<int> Codes;
};

// The 23 categories in list order ("Acceleration" first, "Other" last); each
// code 0 to 236 stands in exactly one of them.
const std::vector<TBACnet_Unit_Category>& BACnet_Unit_Categories();

// The items of CB_Select_Unit for a category: the names of its codes in
// order; none for an index outside the list.
std::vector<std::string> Category_Unit_Names(int Category);

// Select Engineering Unit: the code of the unit at Unit_Index of the
// category's list, nothing when no unit of the list is selected (the edit
// and the label then keep what they show).
std::optional<int> Selected_Unit_Code(int Category, int Unit_Index);

#include "app/ULumetraFirmWare.h"
#include "framework/controls/Forms.h"

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TLbButton;

// The unit picker, opened by the BACnet objects editor on an Eng. Unit cell
// (tables/network/UBACnet_Eng_Unit_Form.cpp).
class TFBACnet_Eng_Unit : public TForm, public ILangForm {
 public:
  explicit TFBACnet_Eng_Unit(TComponent* AOwner);
  ~TFBACnet_Eng_Unit() override;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TEdit* E_Selected_EU = nullptr;
  TComboBox* CB_Select_Type = nullptr;
  TComboBox* CB_Select_Unit = nullptr;
  TLbButton* Btn_Select_Eng_Unit = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void CB_Select_TypeSelect(TObject* Sender);
  void Btn_Select_Eng_UnitClick(TObject* Sender);
  void Set_Lang() override;
  std::string Desc_Unit(int Code) const { return ::Desc_Unit(Code); }
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
