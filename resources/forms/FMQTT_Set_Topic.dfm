object FMQTT_Set_Topic: TFMQTT_Set_Topic
  Left = 0
  Top = 0
  Width = 1116
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'Set MQTT Topics'
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
      Caption = 'Set MQTT Topics'
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
    Width = 1100
    Height = 228
    ActivePage = TS_MQTT_Publish
    Align = alClient
    TabOrder = 1
    object TS_MQTT_Publish: TTabSheet
      Caption = 'MQTT Publish'
      object ACG_Pub: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 1092
        Height = 200
        Align = alClient
        ColCount = 18
        DefaultRowHeight = 21
        RowCount = 1025
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = True
        TabOrder = 0
        OnDblClickCell = ACG_MQTT_DblClickCell
        OnGridHint = ACG_MQTT_GridHint
        OnKeyPress = ACG_MQTT_KeyPress
        Columns = <
          item
            Header = 'N'
            Width = 40
          end
          item
            Color = $00FEFAE0
            Header = 'Topic'
            Width = 200
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00FEFAE0
            Editor = edDataCheckBox
            Header = 'Retained'
            Width = 60
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              '0'
              '1'
              '2')
            Editor = edComboList
            Header = 'QoS'
            Width = 45
          end
          item
            Color = $00F4D6FC
            ComboItems.Strings = (
              'Int'
              'Float'
              'String'
              'Base64')
            Editor = edComboList
            Header = 'Data Type'
            Width = 75
          end
          item
            Color = $00F4D6FC
            Header = 'Dimension'
            Width = 70
          end
          item
            Color = $00F4D6FC
            Header = 'Position'
            Width = 60
          end
          item
            Color = $00FEFAE0
            Header = 'IP Address'
            Width = 110
          end
          item
            Color = $00FEFAE0
            Header = 'Input Template'
            Width = 150
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              '$VALUE$')
            Editor = edComboEdit
            Header = 'Template'
            Width = 180
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
            Width = 55
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFA8
            Editor = edDataCheckBox
            Header = 'OnTimer'
            Width = 60
          end
          item
            Color = $00A8FFA8
            Header = 'Time(ms)'
            Width = 70
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
              '7'
              '8'
              '9'
              '10'
              '11'
              '12'
              '13'
              '14'
              '15'
              '16'
              '17'
              '18'
              '19'
              '20'
              '21'
              '22'
              '23'
              '24'
              '25'
              '26'
              '27'
              '28'
              '29'
              '30'
              '31'
              '32'
              '33'
              '34'
              '35'
              '36'
              '37'
              '38'
              '39'
              '40'
              '41'
              '42'
              '43'
              '44'
              '45'
              '46'
              '47'
              '48'
              '49'
              '50'
              '51'
              '52'
              '53'
              '54'
              '55'
              '56'
              '57'
              '58'
              '59'
              '60'
              '61'
              '62'
              '63'
              'All')
            Editor = edComboList
            Header = 'Channel'
            Width = 60
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFFF
            Editor = edDataCheckBox
            Header = 'Swap'
            Width = 45
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFFF
            Editor = edDataCheckBox
            Header = 'Swap Word'
            Width = 70
          end
          item
            Color = clWhite
            Header = 'Mnemonic'
            Width = 145
          end>
      end
    end
    object TS_MQTT_Subscribe: TTabSheet
      Caption = 'MQTT Subscribe'
      object ACG_Sub: TRavUvurerEduz
        Left = 0
        Top = 0
        Width = 1092
        Height = 200
        Align = alClient
        ColCount = 15
        DefaultRowHeight = 21
        RowCount = 1025
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
        ParentShowHint = False
        ShowHint = True
        TabOrder = 0
        OnDblClickCell = ACG_MQTT_DblClickCell
        OnGridHint = ACG_MQTT_GridHint
        OnKeyPress = ACG_MQTT_KeyPress
        Columns = <
          item
            Header = 'N'
            Width = 40
          end
          item
            Color = $00FEFAE0
            Header = 'Topic'
            Width = 250
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00FEFAE0
            Editor = edDataCheckBox
            Header = 'Retained'
            Width = 60
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              '0'
              '1'
              '2')
            Editor = edComboList
            Header = 'QoS'
            Width = 45
          end
          item
            Color = $00F4D6FC
            ComboItems.Strings = (
              'Int'
              'Float'
              'String'
              'Base64')
            Editor = edComboList
            Header = 'Data Type'
            Width = 75
          end
          item
            Color = $00F4D6FC
            Header = 'Dimension'
            Width = 70
          end
          item
            Color = $00F4D6FC
            Header = 'Position'
            Width = 60
          end
          item
            Color = $00FEFAE0
            Header = 'IP Address'
            Width = 110
          end
          item
            Color = $00FEFAE0
            Header = 'Port'
            Width = 55
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              'TCP'
              'UDP')
            Editor = edComboList
            Header = 'Type'
            Width = 55
          end
          item
            Color = $00FEFAE0
            Header = 'Input Template'
            Width = 150
          end
          item
            Color = $00FEFAE0
            ComboItems.Strings = (
              '$VALUE$')
            Editor = edComboEdit
            Header = 'Template'
            Width = 250
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFFF
            Editor = edDataCheckBox
            Header = 'Swap'
            Width = 45
          end
          item
            Alignment = taCenter
            CheckFalse = 'N'
            CheckTrue = 'Y'
            Color = $00A8FFFF
            Editor = edDataCheckBox
            Header = 'Swap Word'
            Width = 70
          end
          item
            Color = clWhite
            Header = 'Mnemonic'
            Width = 200
          end>
      end
    end
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
