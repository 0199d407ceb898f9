object FOpenConf: TFOpenConf
  Left = 0
  Top = 0
  Width = 385
  Height = 381
  Caption = 'Open Configuration'
  Color = $00EDF7F8
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Name = 'Verdana'
  Font.Size = 8
  Font.Style = []
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  OnShow = FormShow
  object P_Title: TPanel
    Left = 0
    Top = 0
    Width = 377
    Height = 48
    Align = alTop
    BevelOuter = bvNone
    Color = clWhite
    TabOrder = 0
    object L_SW_Code: TLabel
      Left = 10
      Top = 4
      Width = 90
      Height = 19
      Caption = 'CF30406'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Name = 'Verdana'
      Font.Size = 14
      Font.Style = [fsBold]
      ParentFont = False
    end
    object L_SW_Desc: TLabel
      Left = 10
      Top = 28
      Width = 220
      Height = 13
      Caption = 'Open an Existing Configuration'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = $00505050
      Font.Name = 'Verdana'
      Font.Size = 8
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object Label1: TLabel
    Left = 12
    Top = 56
    Width = 220
    Height = 13
    Caption = 'List of Avaliable Configurations'
  end
  object ListBox1: TListBox
    Left = 12
    Top = 74
    Width = 353
    Height = 221
    Anchors = [akLeft, akTop, akRight, akBottom]
    TabOrder = 1
    OnClick = ListBox1Click
  end
  object P_Button: TPanel
    Left = 0
    Top = 303
    Width = 377
    Height = 48
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 2
    object Btn_OK: TLbButton
      Left = 171
      Top = 9
      Width = 90
      Height = 30
      Anchors = [akTop, akRight]
      Caption = 'OK'
      ModalResult = mrOk
      TabOrder = 0
    end
    object Btn_Cancel: TLbButton
      Left = 275
      Top = 9
      Width = 90
      Height = 30
      Anchors = [akTop, akRight]
      Caption = 'Cancel'
      ModalResult = mrCancel
      Cancel = True
      TabOrder = 1
    end
  end
end
