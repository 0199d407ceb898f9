object FOPC_UA_Server_Access: TFOPC_UA_Server_Access
  Left = 0
  Top = 0
  Width = 1216
  Height = 376
  BorderIcons = [biSystemMenu]
  Caption = 'Definition of OPC UA Server Variables'
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
    Width = 1200
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
      Caption = 'Definition of OPC UA Server Variables'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object DUD: TDedAdararAdoz
    Left = 0
    Top = 69
    Width = 1200
    Height = 228
    Align = alClient
    ColCount = 8
    DefaultRowHeight = 21
    RowCount = 251
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
    TabOrder = 1
    OnComboChange = DUDComboChange
    OnGetEditorType = DUDGetEditorType
  end
  object P_Button: TPanel
    Left = 0
    Top = 297
    Width = 1200
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
