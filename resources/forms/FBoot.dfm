object FBoot: TFBoot
  Left = 0
  Top = 0
  Width = 455
  Height = 258
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Update Device by Ethernet (UDP)'
  Color = $00EDF7F8
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Name = 'Verdana'
  Font.Size = 8
  Font.Style = []
  Position = poScreenCenter
  ShowHint = True
  OnShow = FormShow
  object P_Title: TPanel
    Left = 0
    Top = 0
    Width = 449
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
      Width = 420
      Height = 18
      Caption = 'Update Device Using the Ethernet Port'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object P_IP_Address: TPanel
    Left = 0
    Top = 69
    Width = 449
    Height = 49
    Align = alTop
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 1
    object L_IP_Address: TLabel
      Left = 14
      Top = 6
      Width = 420
      Height = 13
      Caption = 'Insert the IP Address of Device'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = $00804000
      Font.Name = 'Verdana'
      Font.Size = 8
      Font.Style = [fsBold]
      ParentFont = False
    end
    object L_Dot1: TLabel
      Left = 70
      Top = 26
      Width = 6
      Height = 13
      Caption = '.'
    end
    object L_Dot2: TLabel
      Left = 134
      Top = 26
      Width = 6
      Height = 13
      Caption = '.'
    end
    object L_Dot3: TLabel
      Left = 198
      Top = 26
      Width = 6
      Height = 13
      Caption = '.'
    end
    object E_IP1: TEdit
      Left = 14
      Top = 22
      Width = 52
      Height = 21
      TabOrder = 0
      Text = '0'
      OnKeyPress = KeyPress
    end
    object E_IP2: TEdit
      Left = 78
      Top = 22
      Width = 52
      Height = 21
      TabOrder = 1
      Text = '0'
      OnKeyPress = KeyPress
    end
    object E_IP3: TEdit
      Left = 142
      Top = 22
      Width = 52
      Height = 21
      TabOrder = 2
      Text = '0'
      OnKeyPress = KeyPress
    end
    object E_IP4: TEdit
      Left = 206
      Top = 22
      Width = 52
      Height = 21
      TabOrder = 3
      Text = '0'
      OnKeyPress = KeyPress
    end
  end
  object P_Eth_Search: TPanel
    Left = 0
    Top = 118
    Width = 449
    Height = 184
    Align = alTop
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 2
    Visible = False
    object L_List_Device: TLabel
      Left = 14
      Top = 6
      Width = 300
      Height = 13
      Caption = 'List of Devices Find in Network'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = $00804000
      Font.Name = 'Verdana'
      Font.Size = 8
      Font.Style = [fsBold]
      ParentFont = False
    end
    object ACG_List_Devices: TRavUvurerEduz
      Left = 14
      Top = 24
      Width = 364
      Height = 126
      ColCount = 2
      DefaultColWidth = 180
      DefaultRowHeight = 20
      FixedCols = 0
      RowCount = 2
      TabOrder = 0
      Columns = <
        item
          Header = 'IP Address'
          Width = 180
        end
        item
          Header = 'MAC Address'
          Width = 180
        end>
    end
    object Btn_Search: TLbButton
      Left = 384
      Top = 24
      Width = 56
      Height = 28
      Caption = 'Search'
      TabOrder = 1
    end
    object CB_Find_All_Korvel: TCheckBox
      Left = 14
      Top = 158
      Width = 364
      Height = 20
      Caption = 'Find all Korvel Devices'
      TabOrder = 2
    end
  end
  object P_Options: TPanel
    Left = 0
    Top = 302
    Width = 449
    Height = 72
    Align = alTop
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 3
    object L_Update_Option: TLabel
      Left = 14
      Top = 6
      Width = 420
      Height = 13
      Caption = 'Select Update Options'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = $00804000
      Font.Name = 'Verdana'
      Font.Size = 8
      Font.Style = [fsBold]
      ParentFont = False
    end
    object CB_Update_Options: TComboBox
      Left = 14
      Top = 22
      Width = 244
      Height = 21
      Style = csDropDownList
      ItemIndex = 0
      TabOrder = 0
      Items.Strings = (
        'Firmware + Configuration'
        'Firmware'
        'Configuration')
    end
    object CB_Update_Option_Read_Back: TCheckBox
      Left = 14
      Top = 48
      Width = 244
      Height = 20
      Caption = 'Read Back'
      State = cbChecked
      TabOrder = 1
    end
    object L_Update_State: TLabel
      Left = 270
      Top = 24
      Width = 168
      Height = 42
      AutoSize = False
      Caption = 'The updater is running: wait until it has ended.'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = $00804000
      Font.Name = 'Verdana'
      Font.Size = 8
      Font.Style = [fsBold]
      ParentFont = False
      Visible = False
      WordWrap = True
    end
  end
  object P_Serial: TPanel
    Left = 0
    Top = 374
    Width = 449
    Height = 51
    Align = alTop
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 4
    Visible = False
    object L_COM_Port: TLabel
      Left = 14
      Top = 6
      Width = 420
      Height = 13
      Caption = 'Select the COM Port for the Update'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = $00804000
      Font.Name = 'Verdana'
      Font.Size = 8
      Font.Style = [fsBold]
      ParentFont = False
    end
    object CB_COM_Port: TComboBox
      Left = 14
      Top = 22
      Width = 120
      Height = 21
      Style = csDropDownList
      TabOrder = 0
    end
    object Btn_COM_List: TLbButton
      Left = 142
      Top = 19
      Width = 110
      Height = 28
      Hint = 'Update COM Ports List'
      Caption = 'Update List'
      TabOrder = 1
      OnClick = Btn_COM_ListClick
    end
  end
  object P_Button: TPanel
    Left = 0
    Top = 190
    Width = 449
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 5
    object Btn_Update: TLbButton
      Left = 148
      Top = 6
      Width = 182
      Height = 28
      Anchors = [akTop, akRight]
      Caption = 'Execute Update Firmware'
      TabOrder = 0
      OnClick = Btn_UpdateClick
    end
    object Btn_Cancel: TLbButton
      Left = 338
      Top = 6
      Width = 100
      Height = 28
      Anchors = [akTop, akRight]
      Caption = 'Cancel'
      ModalResult = mrCancel
      Cancel = True
      TabOrder = 1
    end
  end
end
