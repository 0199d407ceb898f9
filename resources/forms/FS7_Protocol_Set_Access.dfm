object FS7_Protocol_Set_Access: TFS7_Protocol_Set_Access
  Left = 0
  Top = 0
  Width = 1366
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'S7comm Access'
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
    Width = 1350
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
      Caption = 'S7comm Access'
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
    Width = 1350
    Height = 228
    ActivePage = TS_S7_Read
    Align = alClient
    TabOrder = 1
    object TS_S7_Read: TTabSheet
      Caption = 'S7comm Read'
      object ACG_S7_Read: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 1342
        Height = 200
        Align = alClient
        ColCount = 19
        DefaultRowHeight = 21
        RowCount = 513
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = True
        TabOrder = 0
        HintShowCells = True
        OnClickCell = ACG_S7_ClickCell
        OnDblClickCell = ACG_S7_DblClickCell
        OnGridHint = ACG_S7_GridHint
        OnKeyPress = ACG_S7_KeyPress
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
            Header = 'PLC Address'
            Width = 100
          end
          item
            Color = $00FEFAE0
            Header = 'PLC Port'
            Width = 60
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'Logo0BA8'
              'S7200'
              'S7300'
              'S7400'
              'S71200'
              'S71500')
            Editor = edComboList
            Header = 'PLC Type'
            Width = 80
          end
          item
            Color = $00FEFAE0
            Header = 'Rack'
            Width = 45
          end
          item
            Color = $00FEFAE0
            Header = 'Slot'
            Width = 45
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'Bit'
              'Byte'
              'Char'
              'Word'
              'Int'
              'DWord'
              'DInt'
              'Real')
            Editor = edComboList
            Header = 'Data Type'
            Width = 70
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'OB'
              'DB'
              'SDB'
              'FC'
              'SFC'
              'FB'
              'SFB')
            Editor = edComboList
            Header = 'Data Identifier'
            Width = 90
          end
          item
            Color = $00FEFAE0
            Header = 'DB Number'
            Width = 80
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'Direct peripheral access (P)'
              'Inputs (I)'
              'Output (Q)'
              'Flags (M) (Merker)')
            Editor = edComboList
            Header = 'PLC Area'
            Width = 115
          end
          item
            Color = $00FEFAE0
            Header = 'PLC Add'
            Width = 60
          end
          item
            Color = $00FEFAE0
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
            Header = 'PLC Bit'
            Width = 60
          end
          item
            Color = $00A8FFA8
            Header = 'Poll Time'
            Width = 64
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
            Width = 64
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFFF
            Editor = edDataCheckBox
            Header = 'Swap'
            Width = 40
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFFF
            Editor = edDataCheckBox
            Header = 'Swap Word'
            Width = 80
          end
          item
            Color = clWhite
            Header = 'Mnemonic'
            Width = 204
          end>
      end
    end
    object TS_S7_Write: TTabSheet
      Caption = 'S7comm Write'
      object ACG_S7_Write: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 1342
        Height = 200
        Align = alClient
        ColCount = 21
        DefaultRowHeight = 21
        RowCount = 513
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = True
        TabOrder = 0
        OnClickCell = ACG_S7_ClickCell
        OnDblClickCell = ACG_S7_DblClickCell
        OnGridHint = ACG_S7_GridHint
        OnKeyPress = ACG_S7_KeyPress
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
            Header = 'PLC Address'
            Width = 100
          end
          item
            Color = $00FEFAE0
            Header = 'PLC Port'
            Width = 60
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'Logo0BA8'
              'S7200'
              'S7300'
              'S7400'
              'S71200'
              'S71500')
            Editor = edComboList
            Header = 'PLC Type'
            Width = 80
          end
          item
            Color = $00FEFAE0
            Header = 'Rack'
            Width = 45
          end
          item
            Color = $00FEFAE0
            Header = 'Slot'
            Width = 45
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'Bit'
              'Byte'
              'Char'
              'Word'
              'Int'
              'DWord'
              'DInt'
              'Real')
            Editor = edComboList
            Header = 'Data Type'
            Width = 70
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'OB'
              'DB'
              'SDB'
              'FC'
              'SFC'
              'FB'
              'SFB')
            Editor = edComboList
            Header = 'Data Identifier'
            Width = 90
          end
          item
            Color = $00FEFAE0
            Header = 'DB Number'
            Width = 80
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'Direct peripheral access (P)'
              'Inputs (I)'
              'Output (Q)'
              'Flags (M) (Merker)')
            Editor = edComboList
            Header = 'PLC Area'
            Width = 115
          end
          item
            Color = $00FEFAE0
            Header = 'PLC Add'
            Width = 60
          end
          item
            Color = $00FEFAE0
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
            Header = 'PLC Bit'
            Width = 60
          end
          item
            Color = $00A8FFA8
            Header = 'Poll Time'
            Width = 64
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
            Width = 56
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
            Width = 64
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFFF
            Editor = edDataCheckBox
            Header = 'Swap'
            Width = 40
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFFF
            Editor = edDataCheckBox
            Header = 'Swap Word'
            Width = 80
          end
          item
            Color = clWhite
            Header = 'Mnemonic'
            Width = 78
          end>
      end
    end
  end
  object P_Button: TPanel
    Left = 0
    Top = 297
    Width = 1350
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
