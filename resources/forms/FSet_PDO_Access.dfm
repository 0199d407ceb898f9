object FSet_PDO_Access: TFSet_PDO_Access
  Left = 0
  Top = 0
  Width = 814
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'Set PDO Access'
  Color = $00EDF7F8
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  OnShow = FormShow
  object P_Title: TPanel
    Left = 0
    Top = 0
    Width = 798
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
      Caption = 'Set PDO Access'
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
    Width = 798
    Height = 228
    ActivePage = TS_Receive_PDO
    Align = alClient
    TabOrder = 1
    object TS_Receive_PDO: TTabSheet
      Caption = 'Receive PDO'
      object sga: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 790
        Height = 200
        Align = alClient
        ColCount = 13
        DefaultRowHeight = 21
        RowCount = 31
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = True
        TabOrder = 0
        HintShowCells = True
        OnClickCell = ClickCell
        OnDblClickCell = DblClickCell
        OnGridHint = GridHint
        OnKeyPress = KeyPress
        Columns = <
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Header = 'N'
            Width = 40
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00FEFAE0
            Header = 'COB-ID'
            Width = 65
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00FEFAE0
            Header = 'Dimension'
            Width = 65
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B1'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B2'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B3'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B4'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B5'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B6'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B7'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B8'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFA8
            Header = 'TimeOut'
            Width = 65
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = clWhite
            Header = 'Mnemonic'
            Width = 173
          end>
      end
    end
    object TS_Transmit_PDO: TTabSheet
      Caption = 'Transmit PDO'
      object sgb: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 790
        Height = 200
        Align = alClient
        ColCount = 14
        DefaultRowHeight = 21
        RowCount = 31
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = True
        TabOrder = 0
        HintShowCells = True
        OnClickCell = ClickCell
        OnDblClickCell = DblClickCell
        OnGridHint = GridHint
        OnKeyPress = KeyPress
        Columns = <
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Header = 'N'
            Width = 40
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00FEFAE0
            Header = 'COB-ID'
            Width = 65
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00FEFAE0
            Header = 'Dimension'
            Width = 65
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B1'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B2'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B3'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B4'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B5'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B6'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B7'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00F4D6FC
            Header = 'Add B8'
            Width = 45
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFA8
            Header = 'Send Time'
            Width = 65
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFA8
            Editor = edDataCheckBox
            Header = 'On Change'
            Width = 68
          end
          item
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = clWhite
            Header = 'Mnemonic'
            Width = 105
          end>
      end
    end
  end
  object P_Button: TPanel
    Left = 0
    Top = 297
    Width = 798
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
      OnClick = Btn_OK_Click
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
      OnClick = Btn_DelRow_Click
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
