object FBACnetSlaveSetAccess: TFBACnetSlaveSetAccess
  Left = 0
  Top = 0
  Width = 780
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'BACnet Set Access'
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
    Width = 764
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
      Caption = 'BACnet Set Access'
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
    Width = 764
    Height = 228
    ActivePage = TS_BACnet_in_Read
    Align = alClient
    TabOrder = 1
    object TS_BACnet_in_Read: TTabSheet
      Caption = 'BACnet in Read'
      object ACG_BACnet_in_Read: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 756
        Height = 200
        Align = alClient
        ColCount = 8
        DefaultRowHeight = 21
        RowCount = 2001
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = False
        TabOrder = 0
        OnClickCell = ClickCell
        OnDblClickCell = ACG_BACnet_in_ReadDblClickCell
        OnGridHint = GridHint
        OnKeyPress = KeyPress
        Columns = <
          item
            Header = 'N'
            Width = 40
          end
          item
            Color = $00FEFAE0
            Editor = edComboList
            Header = 'Data Type'
            Width = 150
          end
          item
            Color = $00FEFAE0
            Editor = edNormal
            Header = 'Eng. Unit'
            Width = 100
          end
          item
            Color = $00F4D6FC
            Editor = edComboList
            Header = 'Position'
            Width = 64
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
            Color = $00F4D6FC
            Editor = edNormal
            Header = 'Length'
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
            Color = clWhite
            Editor = edNormal
            Header = 'Mnemonic'
            Width = 250
          end>
      end
    end
    object TS_BACnet_in_Write: TTabSheet
      Caption = 'BACnet in Write'
      object ACG_BACnet_in_Write: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 756
        Height = 200
        Align = alClient
        ColCount = 8
        DefaultRowHeight = 21
        RowCount = 2001
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = False
        TabOrder = 0
        OnClickCell = ClickCell
        OnComboChange = ACG_BACnet_in_WriteComboChange
        OnDblClickCell = ACG_BACnet_in_WriteDblClickCell
        OnKeyPress = KeyPress
        Columns = <
          item
            Header = 'N'
            Width = 40
          end
          item
            Color = $00FEFAE0
            Editor = edComboList
            Header = 'Data Type'
            Width = 150
          end
          item
            Color = $00FEFAE0
            Editor = edNormal
            Header = 'Eng. Unit'
            Width = 100
          end
          item
            Color = $00F4D6FC
            Editor = edComboList
            Header = 'Position'
            Width = 64
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
            Color = $00F4D6FC
            Editor = edNormal
            Header = 'Length'
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
            Color = clWhite
            Editor = edNormal
            Header = 'Mnemonic'
            Width = 250
          end>
      end
    end
  end
  object P_Button: TPanel
    Left = 0
    Top = 297
    Width = 764
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
      ShowHint = False
      TabOrder = 0
      OnClick = bitbtn1Click
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
      ShowHint = False
      TabOrder = 1
    end
    object Btn_DelRow: TLbButton
      Left = 252
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Delete Row'
      ParentShowHint = False
      ShowHint = False
      TabOrder = 2
      OnClick = Btn_DelRow_Click
    end
    object Btn_InsRow: TLbButton
      Left = 370
      Top = 6
      Width = 110
      Height = 28
      Caption = 'Insert Row'
      ParentShowHint = False
      ShowHint = False
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
