object FSoftOptions: TFSoftOptions
  Left = 0
  Top = 0
  Width = 486
  Height = 408
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Software Options'
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
    Width = 480
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
      Caption = 'Software Options'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = $00505050
      Font.Name = 'Verdana'
      Font.Size = 8
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object PC_Options: TPageControl
    Left = 8
    Top = 56
    Width = 464
    Height = 268
    ActivePage = TS_Language
    TabOrder = 1
    object TS_Language: TTabSheet
      Caption = 'Language'
      object L_Sel_Lang: TLabel
        Left = 12
        Top = 10
        Width = 300
        Height = 13
        Caption = 'Selected Language : '
        Font.Charset = DEFAULT_CHARSET
        Font.Color = $00804000
        Font.Name = 'Verdana'
        Font.Size = 8
        Font.Style = [fsBold]
        ParentFont = False
      end
      object I_L1: TImage
        Left = 16
        Top = 34
        Width = 48
        Height = 48
        Cursor = crHandPoint
        Transparent = True
        OnClick = LangClick
      end
      object L_L1: TLabel
        Left = 74
        Top = 51
        Width = 140
        Height = 13
        Cursor = crHandPoint
        Caption = 'Language 1'
        OnClick = LangClick
      end
      object I_L2: TImage
        Left = 16
        Top = 90
        Width = 48
        Height = 48
        Cursor = crHandPoint
        Transparent = True
        OnClick = LangClick
      end
      object L_L2: TLabel
        Left = 74
        Top = 107
        Width = 140
        Height = 13
        Cursor = crHandPoint
        Caption = 'Language 2'
        OnClick = LangClick
      end
      object I_L3: TImage
        Left = 16
        Top = 146
        Width = 48
        Height = 48
        Cursor = crHandPoint
        Transparent = True
        OnClick = LangClick
      end
      object L_L3: TLabel
        Left = 74
        Top = 163
        Width = 140
        Height = 13
        Cursor = crHandPoint
        Caption = 'Language 3'
        OnClick = LangClick
      end
      object I_L4: TImage
        Left = 240
        Top = 34
        Width = 48
        Height = 48
        Cursor = crHandPoint
        Transparent = True
        OnClick = LangClick
      end
      object L_L4: TLabel
        Left = 298
        Top = 51
        Width = 140
        Height = 13
        Cursor = crHandPoint
        Caption = 'Language 4'
        OnClick = LangClick
      end
      object I_L5: TImage
        Left = 240
        Top = 90
        Width = 48
        Height = 48
        Cursor = crHandPoint
        Transparent = True
        OnClick = LangClick
      end
      object L_L5: TLabel
        Left = 298
        Top = 107
        Width = 140
        Height = 13
        Cursor = crHandPoint
        Caption = 'Language 5'
        OnClick = LangClick
      end
      object I_L6: TImage
        Left = 240
        Top = 146
        Width = 48
        Height = 48
        Cursor = crHandPoint
        Transparent = True
        OnClick = LangClick
      end
      object L_L6: TLabel
        Left = 298
        Top = 163
        Width = 140
        Height = 13
        Cursor = crHandPoint
        Caption = 'Language 6'
        OnClick = LangClick
      end
      object L_Page_Lang: TLabel
        Left = 180
        Top = 212
        Width = 90
        Height = 13
        Caption = 'Page 1 / 1'
      end
      object Btn_Prev: TLbButton
        Left = 12
        Top = 204
        Width = 90
        Height = 28
        Caption = 'Previous'
        TabOrder = 0
        OnClick = Btn_NextClick
      end
      object Btn_Next: TLbButton
        Left = 350
        Top = 204
        Width = 90
        Height = 28
        Caption = 'Next'
        TabOrder = 1
        OnClick = Btn_NextClick
      end
    end
    object TS_Con_Options: TTabSheet
      Caption = 'Connection Options'
      object CB_En_Con: TCheckBox
        Left = 16
        Top = 16
        Width = 420
        Height = 20
        Caption = 'Enable Internet Connection'
        TabOrder = 0
        OnClick = CB_En_ConClick
      end
      object CB_Update: TCheckBox
        Left = 36
        Top = 44
        Width = 400
        Height = 20
        Caption = 'Check Software Update at Start of Program'
        TabOrder = 1
        OnClick = CB_En_ConClick
      end
      object Btn_Check_Update: TLbButton
        Left = 16
        Top = 84
        Width = 220
        Height = 30
        Caption = 'Check Available Update'
        TabOrder = 2
        OnClick = Btn_Check_UpdateClick
      end
      object LL_Check_Update: TLinkLabel
        Left = 16
        Top = 128
        Width = 420
        Height = 17
        Caption = 'No Update Available'
        TabOrder = 3
        Visible = False
        OnLinkClick = LL_Check_UpdateLinkClick
      end
    end
    object TS_Soft_Settings: TTabSheet
      Caption = 'Software Settings'
      object CB_Soft_Set_Jump_Table: TCheckBox
        Left = 16
        Top = 16
        Width = 430
        Height = 20
        Caption = 'Jump into next field in the tables by pressing the Enter Key'
        TabOrder = 0
        OnClick = CB_En_ConClick
      end
      object CB_DoubleClick_Auto_Size: TCheckBox
        Left = 16
        Top = 44
        Width = 430
        Height = 20
        Caption = 'Enable Auto Size of Table Columns by Double Click'
        TabOrder = 1
        OnClick = CB_En_ConClick
      end
    end
  end
  object P_Button: TPanel
    Left = 0
    Top = 332
    Width = 480
    Height = 48
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 2
    object Btn_OK: TLbButton
      Left = 274
      Top = 9
      Width = 90
      Height = 30
      Caption = 'OK'
      TabOrder = 0
      OnClick = Btn_OKClick
    end
    object Btn_Cancel: TLbButton
      Left = 378
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
