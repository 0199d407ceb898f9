object FKNXAccess: TFKNXAccess
  Left = 0
  Top = 0
  Width = 1157
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'KNX Set Access'
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
    Width = 1141
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
      Caption = 'KNX Set Access'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object ACG_KNX_in_Write: TRavUvurerEduz
    Left = 0
    Top = 69
    Width = 1141
    Height = 228
    Align = alClient
    ColCount = 19
    DefaultRowHeight = 21
    RowCount = 1025
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
    ParentShowHint = False
    ShowHint = True
    TabOrder = 1
    HintShowCells = True
    OnClickCell = ACG_KNX_in_WriteClickCell
    OnDblClickCell = DblClickCell
    OnGridHint = GridHint
    OnKeyPress = KeyPress
    Columns = <
      item
        Header = 'N'
        Width = 40
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00B0D8FF
        Editor = edDataCheckBox
        Header = 'Enable'
        Width = 50
      end
      item
        Color = $00FEFAE0
        Header = 'Source Add'
        Width = 70
      end
      item
        Color = $00FEFAE0
        Header = 'Dest/Group'
        Width = 80
      end
      item
        Color = $00FEFAE0
        ComboItems.Strings = (
          'Read'
          'Write')
        Editor = edComboEdit
        Header = 'APCI'
        Width = 60
      end
      item
        Color = $00FEFAE0
        ComboItems.Strings = (
          'System'
          'Urgent'
          'Normal'
          'Low')
        Editor = edComboList
        Header = 'Priority'
        Width = 75
      end
      item
        Color = $00E1FFFF
        ComboItems.Strings = (
          'None'
          'Swap16'
          'Swap32'
          'Swap All'
          'Int to Float'
          'Float to Int'
          'Float16 to Float32'
          'Float16 to Int'
          'Float16 to Int * 10'
          'Float16 to Int * 100')
        Editor = edComboList
        Header = 'Format'
        Width = 110
      end
      item
        Color = $00E1FFFF
        Header = 'Mul. Factor'
        Width = 85
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00E1FFFF
        Editor = edDataCheckBox
        Header = 'Extended'
        Width = 50
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00A8FFA8
        Editor = edDataCheckBox
        Header = 'ReTest'
        Width = 52
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00A8FFA8
        Editor = edDataCheckBox
        Header = 'OnCMD'
        Width = 71
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00A8FFA8
        Editor = edDataCheckBox
        Header = 'OnChange'
        Width = 62
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00A8FFA8
        Editor = edDataCheckBox
        Header = 'OnTimer'
        Width = 67
      end
      item
        Color = $00A8FFA8
        Header = 'Poll Time'
        Width = 55
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Position'
        Width = 55
      end
      item
        Color = $00F4D6FC
        ComboItems.Strings = (
          'No'
          '0'
          '1'
          '2'
          '3'
          '4'
          '5'
          '6'
          '7')
        Editor = edComboList
        Header = 'Bit Mode'
        Width = 55
      end
      item
        Color = $00F4D6FC
        Header = 'Length'
        Width = 96
      end
      item
        Color = $00A8FFA8
        Header = 'TimeOut'
        Width = 65
      end
      item
        Color = clWindow
        Header = 'Mnemonic'
        Width = 96
      end>
  end
  object P_Button: TPanel
    Left = 0
    Top = 297
    Width = 1141
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 2
    object Btn_OK: TLbButton
      Left = 16
      Top = 6
      Width = 110
      Height = 28
      Caption = 'OK'
      TabOrder = 0
      OnClick = Btn_OKClick
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
    object Btn_DelRow: TLbButton
      Left = 252
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Delete Row'
      TabOrder = 2
      OnClick = Btn_DelRowClick
    end
    object Btn_InsRow: TLbButton
      Left = 370
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Insert Row'
      TabOrder = 3
      OnClick = Btn_InsRowClick
    end
    object Btn_CopyRow: TLbButton
      Left = 488
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Copy Row'
      TabOrder = 4
      OnClick = Btn_CopyRowClick
    end
    object Btn_PasteRow: TLbButton
      Left = 606
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Paste Row'
      TabOrder = 5
      OnClick = Btn_PasteRowClick
    end
  end
end
