object FNew_Project: TFNew_Project
  Left = 0
  Top = 0
  Width = 337
  Height = 190
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Create New Configuration'
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
    Width = 331
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
      Width = 200
      Height = 13
      Caption = 'Create New Configuration'
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
    Top = 60
    Width = 200
    Height = 13
    Caption = 'Name of the new Configuration'
  end
  object E_New_Proj: TEdit
    Left = 12
    Top = 78
    Width = 307
    Height = 21
    TabOrder = 1
    OnKeyPress = E_New_ProjKeyPress
  end
  object P_Button: TPanel
    Left = 0
    Top = 114
    Width = 331
    Height = 48
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 2
    object Btn_OK: TLbButton
      Left = 124
      Top = 9
      Width = 90
      Height = 30
      Caption = 'OK'
      TabOrder = 0
      OnClick = Btn_OKClick
    end
    object Btn_Cancel: TLbButton
      Left = 228
      Top = 9
      Width = 90
      Height = 30
      Caption = 'Cancel'
      ModalResult = mrCancel
      Cancel = True
      TabOrder = 1
    end
  end
end
