object FSNMP_Trap_Access: TFSNMP_Trap_Access
  Left = 0
  Top = 0
  Width = 1272
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'Set SNMP Trap Access'
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
    Width = 1256
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
      Caption = 'Set SNMP Trap Access'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 69
    Width = 1256
    Height = 228
    ActivePage = TS_SNMP_Read
    Align = alClient
    TabOrder = 1
    object TS_SNMP_Read: TTabSheet
      Caption = 'SNMP Read'
      object ACG_SNMP_Read: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 1248
        Height = 200
        Align = alClient
        ColCount = 15
        DefaultRowHeight = 21
        RowCount = 257
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = True
        TabOrder = 0
        HintShowCells = True
        OnCheckBoxClick = ACG_SNMP_ReadCheckBoxClick
        OnDblClickCell = Grid_DblClickCell
        OnGridHint = SGA_GridHint
        OnKeyPress = SGA_KeyPress
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
            ComboItems.Strings = (
              'Public'
              'Private')
            EditLength = 15
            Editor = edComboEdit
            Header = 'Community Name'
            Width = 110
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'Int'
              'String')
            Editor = edComboList
            Header = 'Type'
            Width = 60
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFA8
            Editor = edDataCheckBox
            Header = 'On Change'
            Width = 70
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFA8
            Editor = edDataCheckBox
            Header = 'On CMD'
            Width = 60
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFA8
            Editor = edDataCheckBox
            Header = 'On Timer'
            Width = 65
          end
          item
            Color = $00A8FFA8
            Header = 'Time (ms)'
            Width = 75
          end
          item
            Color = $00F4D6FC
            Editor = edComboList
            Header = 'Position'
            Width = 60
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
            Color = $00F4D6FC
            Header = 'Num Bits/Bytes'
            Width = 100
          end
          item
            Color = $00E1FFFF
            EditLength = 15
            Header = 'Description'
            Width = 120
          end
          item
            Color = $00FEFAE0
            Header = 'IP Address'
            Width = 110
          end
          item
            Color = $00E1FFFF
            ComboItems.Strings = (
              'None'
              'Float'
              'Float * 10'
              'Float * 100'
              'Float / 10'
              'Float / 100')
            Editor = edComboList
            Header = 'Conversion'
            Width = 85
          end
          item
            Color = clWindow
            Header = 'Mnemonic'
            Width = 150
          end>
      end
    end
    object TS_SNMP_Write: TTabSheet
      Caption = 'SNMP Write'
      object ACG_SNMP_Write: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 1248
        Height = 200
        Align = alClient
        ColCount = 10
        DefaultRowHeight = 21
        RowCount = 257
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = True
        TabOrder = 0
        HintShowCells = True
        OnCheckBoxClick = ACG_SNMP_ReadCheckBoxClick
        OnDblClickCell = Grid_DblClickCell
        OnGridHint = SGA_GridHint
        OnKeyPress = SGA_KeyPress
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
            ComboItems.Strings = (
              'Public'
              'Private')
            EditLength = 15
            Editor = edComboEdit
            Header = 'Community Name'
            Width = 110
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'Int'
              'String')
            Editor = edComboList
            Header = 'Type'
            Width = 60
          end
          item
            Color = $00F4D6FC
            Editor = edComboList
            Header = 'Position'
            Width = 60
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
            Color = $00F4D6FC
            Header = 'Num Bits/Bytes'
            Width = 100
          end
          item
            Color = $00E1FFFF
            EditLength = 15
            Header = 'Description'
            Width = 120
          end
          item
            Color = $00E1FFFF
            ComboItems.Strings = (
              'None'
              'Float'
              'Float * 10'
              'Float * 100'
              'Float / 10'
              'Float / 100')
            Editor = edComboList
            Header = 'Conversion'
            Width = 85
          end
          item
            Color = clWindow
            Header = 'Mnemonic'
            Width = 150
          end>
      end
    end
  end
  object P_Button: TPanel
    Left = 0
    Top = 297
    Width = 1256
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
