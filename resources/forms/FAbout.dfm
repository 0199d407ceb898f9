object FAbout: TFAbout
  Left = 0
  Top = 0
  Width = 431
  Height = 176
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'About...'
  Color = $00EDF7F8
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Name = 'Verdana'
  Font.Size = 8
  Font.Style = []
  Position = poScreenCenter
  OnShow = FormShow
  object Image2: TImage
    Left = 14
    Top = 14
    Width = 96
    Height = 96
    Cursor = crHandPoint
    OnClick = Label4Click
  end
  object Label1: TLabel
    Left = 126
    Top = 14
    Width = 140
    Height = 13
    Caption = 'Software Quorvane '
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 126
    Top = 32
    Width = 200
    Height = 13
    Caption = 'S7comm / CAN - Converter'
  end
  object Label3: TLabel
    Left = 126
    Top = 56
    Width = 60
    Height = 13
    Caption = 'Version :'
  end
  object Label10: TLabel
    Left = 246
    Top = 56
    Width = 40
    Height = 13
    Caption = '1.000'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label6: TLabel
    Left = 126
    Top = 74
    Width = 110
    Height = 13
    Caption = 'Software Code : '
  end
  object Label9: TLabel
    Left = 246
    Top = 74
    Width = 60
    Height = 13
    Caption = 'CF30406'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label8: TLabel
    Left = 126
    Top = 92
    Width = 110
    Height = 13
    Caption = 'Document Code :'
  end
  object Label12: TLabel
    Left = 246
    Top = 92
    Width = 60
    Height = 13
    Caption = 'UM30406'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label4: TLabel
    Left = 126
    Top = 122
    Width = 110
    Height = 13
    Cursor = crHandPoint
    Caption = 'www.korvel.com'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsUnderline]
    ParentFont = False
    OnClick = Label4Click
  end
  object LbButton1: TLbButton
    Left = 323
    Top = 106
    Width = 90
    Height = 30
    Caption = 'OK'
    ModalResult = mrOk
    Cancel = True
    TabOrder = 0
  end
end
