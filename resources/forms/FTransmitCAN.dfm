object FTransmitCAN: TFTransmitCAN
  Left = 0
  Top = 0
  Width = 1116
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'Transmit CAN Frames Set Access'
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
    Width = 1100
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
      Caption = 'Transmit CAN Frames Set Access'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object ACG_CAN_Transmit: TRavUvurerEduz
    Left = 0
    Top = 69
    Width = 1100
    Height = 228
    Align = alClient
    ColCount = 18
    DefaultRowHeight = 21
    RowCount = 513
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
    ParentShowHint = False
    ShowHint = True
    TabOrder = 1
    HintShowCells = True
    OnDblClickCell = ACG_CAN_TransmitDblClickCell
    OnGridHint = ACG_CAN_TransmitGridHint
    OnKeyPress = ACG_CAN_TransmitKeyPress
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
        Header = 'CobID'
        Width = 90
      end
      item
        Color = $00FEFAE0
        ComboItems.Strings = (
          '2.0A (11 bits)'
          '2.0B (29 bits)')
        Editor = edComboList
        Header = 'Type'
        Width = 90
      end
      item
        Color = $00FEFAE0
        Header = 'Dimension'
        Width = 70
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00A8FFA8
        Editor = edDataCheckBox
        Header = 'OnChange'
        Width = 65
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00A8FFA8
        Editor = edDataCheckBox
        Header = 'OnCMD'
        Width = 50
      end
      item
        Alignment = taCenter
        CheckFalse = 'N'
        CheckTrue = 'Y'
        Color = $00A8FFA8
        Editor = edDataCheckBox
        Header = 'OnTimer'
        Width = 55
      end
      item
        Color = $00A8FFA8
        Header = 'Time'
        Width = 70
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Byte1'
        Width = 48
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Byte2'
        Width = 48
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Byte3'
        Width = 48
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Byte4'
        Width = 48
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Byte5'
        Width = 48
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Byte6'
        Width = 48
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Byte7'
        Width = 48
      end
      item
        Color = $00F4D6FC
        Editor = edComboList
        Header = 'Byte8'
        Width = 48
      end
      item
        Color = clWindow
        Header = 'Mnemonic'
        Width = 110
      end>
  end
  object P_Button: TPanel
    Left = 0
    Top = 297
    Width = 1100
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
