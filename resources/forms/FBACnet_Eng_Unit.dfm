object FBACnet_Eng_Unit: TFBACnet_Eng_Unit
  Left = 0
  Top = 0
  Width = 564
  Height = 345
  BorderIcons = [biSystemMenu]
  Caption = 'Select the BACnet Engineering Unit'
  Color = $00EDF7F8
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Verdana'
  Font.Style = []
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  OnShow = FormShow
  object P_Title: TPanel
    Left = 0
    Top = 0
    Width = 548
    Height = 69
    Align = alTop
    BevelOuter = bvNone
    Color = clWhite
    TabOrder = 0
    object L_SW_Code: TLabel
      Left = 14
      Top = 6
      Width = 150
      Height = 29
      Caption = 'CF30406'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -24
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object L_SW_Desc: TLabel
      Left = 14
      Top = 42
      Width = 400
      Height = 18
      Caption = 'Select the BACnet Engineering Unit'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object Label1: TLabel
    Left = 16
    Top = 84
    Width = 230
    Height = 13
    Caption = 'Selected BACnet Engineering Unit'
  end
  object E_Selected_EU: TEdit
    Left = 250
    Top = 80
    Width = 70
    Height = 21
    TabOrder = 1
  end
  object Label5: TLabel
    Left = 330
    Top = 84
    Width = 200
    Height = 13
    Caption = '-> '
  end
  object Label2: TLabel
    Left = 16
    Top = 120
    Width = 300
    Height = 13
    Caption = 'Select a New BACnet Engineering Unit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'Verdana'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label3: TLabel
    Left = 16
    Top = 150
    Width = 120
    Height = 13
    Caption = 'Select the Type'
  end
  object CB_Select_Type: TComboBox
    Left = 150
    Top = 146
    Width = 200
    Height = 21
    Style = csDropDownList
    DropDownCount = 23
    ItemIndex = 0
    TabOrder = 2
    OnSelect = CB_Select_TypeSelect
    Items.Strings = (
      'Acceleration'
      'Area'
      'Currency'
      'Electrical'
      'Energy'
      'Enthalpy'
      'Entropy'
      'Force'
      'Frequency'
      'Humidity'
      'Length'
      'Light'
      'Mass'
      'Mass Flow'
      'Power'
      'Pressure'
      'Temperature'
      'Time'
      'Torque'
      'Velocity'
      'Volume'
      'Volumetric Flow'
      'Other')
  end
  object Label4: TLabel
    Left = 16
    Top = 184
    Width = 120
    Height = 13
    Caption = 'Select Unit'
  end
  object CB_Select_Unit: TComboBox
    Left = 150
    Top = 180
    Width = 380
    Height = 21
    Style = csDropDownList
    DropDownCount = 20
    TabOrder = 3
  end
  object Btn_Select_Eng_Unit: TLbButton
    Left = 150
    Top = 216
    Width = 200
    Height = 28
    Caption = 'Select Engineering Unit'
    TabOrder = 4
    OnClick = Btn_Select_Eng_UnitClick
  end
  object P_Button: TPanel
    Left = 0
    Top = 266
    Width = 548
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 5
    object Btn_OK: TLbButton
      Left = 16
      Top = 6
      Width = 110
      Height = 28
      Caption = 'OK'
      ModalResult = mrOk
      TabOrder = 0
    end
    object Btn_Cancel: TLbButton
      Left = 134
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Cancel'
      ModalResult = mrCancel
      Cancel = True
      TabOrder = 1
    end
  end
end
