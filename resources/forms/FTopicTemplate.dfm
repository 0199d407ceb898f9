object FTopicTemplate: TFTopicTemplate
  Left = 0
  Top = 0
  Width = 651
  Height = 435
  BorderIcons = [biSystemMenu]
  Caption = 'Set Topic'
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
    Width = 635
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
      Caption = 'Set Topic'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object P_Button: TPanel
    Left = 0
    Top = 356
    Width = 635
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 4
    object Btn_OK: TLbButton
      Left = 16
      Top = 6
      Width = 110
      Height = 28
      Caption = 'OK'
      ModalResult = mrOk
      TabOrder = 0
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
  end
  object P_Legend: TPanel
    Left = 0
    Top = 248
    Width = 635
    Height = 108
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 3
    object L_List_Keywords: TLabel
      Left = 16
      Top = 4
      Width = 300
      Height = 13
      Caption = 'List of keywords'
    end
    object DUD_Keywords: TDedAdararAdoz
      Left = 16
      Top = 22
      Width = 603
      Height = 82
      Anchors = [akLeft, akTop, akRight, akBottom]
      ColCount = 2
      DefaultRowHeight = 21
      FixedCols = 0
      RowCount = 2
      Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing]
      TabOrder = 0
      ColWidths = (
        200
        380)
    end
  end
  object Splitter1: TSplitter
    Left = 0
    Top = 245
    Width = 635
    Height = 3
    Cursor = crVSplit
    Align = alBottom
  end
  object Panel1: TPanel
    Left = 0
    Top = 69
    Width = 635
    Height = 176
    Align = alClient
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 1
    object RE_TopicTemplate: TRichEdit
      Left = 16
      Top = 8
      Width = 603
      Height = 160
      Anchors = [akLeft, akTop, akRight, akBottom]
      ScrollBars = ssBoth
      TabOrder = 0
    end
  end
end
