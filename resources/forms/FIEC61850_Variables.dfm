object FIEC61850_Variables: TFIEC61850_Variables
  Left = 0
  Top = 0
  Width = 1071
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'Set Variables Access for IEC61850'
  Color = $00EDF7F8
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Verdana'
  Font.Style = []
  Position = poScreenCenter
  ShowHint = False
  OnCreate = FormCreate
  OnShow = FormShow
  object P_Title: TPanel
    Left = 0
    Top = 0
    Width = 1055
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
      Caption = 'Set Variables Access for IEC61850'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object ACG: TRavUvurerEduz
    Left = 0
    Top = 69
    Width = 1055
    Height = 228
    Align = alClient
    ColCount = 13
    DefaultRowHeight = 21
    RowCount = 51
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
    TabOrder = 1
    OnClickCell = ClickCell
    OnComboChange = ComboChange
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
        Header = 'Name'
        Width = 250
      end
      item
        Color = $00FEFAE0
        ComboItems.Strings = (
          'Int'
          'Float'
          'Digital (Bit)')
        Editor = edComboList
        Header = 'Type'
        Width = 80
      end
      item
        Color = $00F4D6FC
        Header = 'Length'
        Width = 65
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00FEFAE0
        Editor = edDataCheckBox
        Header = 'Read Only'
        Width = 65
      end
      item
        Color = $00F4D6FC
        Header = 'Position'
        Width = 80
      end
      item
        Color = $00F4D6FC
        ComboItems.Strings = (
          '0'
          '1'
          '2'
          '3'
          '4'
          '5'
          '6'
          '7')
        Editor = edComboList
        Header = 'Start Bit'
        Width = 60
      end
      item
        Color = $00E1FFFF
        ComboItems.Strings = (
          'None'
          'Int to Float'
          'Float to Int')
        Editor = edComboList
        Header = 'Conversion'
        Width = 75
      end
      item
        Color = $00E1FFFF
        ComboItems.Strings = (
          'None')
        Editor = edComboEdit
        Header = 'Molt. Factor'
        Width = 75
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00E1FFFF
        Editor = edDataCheckBox
        Header = 'Swap'
        Width = 45
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00E1FFFF
        Editor = edDataCheckBox
        Header = 'Swap Word'
        Width = 80
      end
      item
        Color = clWindow
        Header = 'Mnemonic'
        Width = 128
      end>
  end
  object P_Button: TPanel
    Left = 0
    Top = 297
    Width = 1055
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
      ParentShowHint = False
      ShowHint = True
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
      ParentShowHint = False
      ShowHint = True
      TabOrder = 1
    end
    object Btn_DelRow: TLbButton
      Left = 252
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Delete Row'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 2
      OnClick = Btn_DelRowClick
    end
    object Btn_InsRow: TLbButton
      Left = 370
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Insert Row'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 3
      OnClick = Btn_InsRowClick
    end
    object Btn_CopyRow: TLbButton
      Left = 488
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Copy Row'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 4
      OnClick = Btn_CopyRowClick
    end
    object Btn_PasteRow: TLbButton
      Left = 606
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Paste Row'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 5
      OnClick = Btn_PasteRowClick
    end
  end
end
