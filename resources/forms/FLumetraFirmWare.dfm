object FLumetraFirmWare: TFLumetraFirmWare
  Left = 0
  Top = 0
  Width = 700
  Height = 512
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Configurator CF30406'
  Color = $00EDF7F8
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Name = 'Verdana'
  Font.Size = 8
  Font.Style = []
  Position = poScreenCenter
  ShowHint = True
  OnClose = FormClose
  OnCreate = FormCreate
  object Timer_Update: TTimer
    Enabled = False
    Interval = 60000
    OnTimer = Timer_UpdateTimer
  end
  object L_SW_Code: TLabel
    Left = 16
    Top = 8
    Width = 150
    Height = 29
    Caption = 'CF30406'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clGray
    Font.Name = 'Verdana'
    Font.Size = 22
    Font.Style = [fsBold]
    ParentFont = False
  end
  object L_SW_Desc: TLabel
    Left = 16
    Top = 42
    Width = 220
    Height = 18
    Caption = 'S7comm / CAN - Converter'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00505050
    Font.Name = 'Verdana'
    Font.Size = 11
    Font.Style = [fsBold]
    ParentFont = False
  end
  object L_Begin: TLabel
    Left = 16
    Top = 84
    Width = 40
    Height = 13
    Caption = 'Begin'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Shape2: TShape
    Left = 80
    Top = 70
    Width = 604
    Height = 36
    Pen.Color = $00B0B0B0
  end
  object L_Name_Conf: TLabel
    Left = 87
    Top = 75
    Width = 590
    Height = 13
    AutoSize = False
    Caption = 'None Configuration Opened '
    EllipsisPosition = epEndEllipsis
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object L_Name_Conf_L2: TLabel
    Left = 87
    Top = 88
    Width = 590
    Height = 13
    AutoSize = False
    Caption = 'Use Step1 to open or create new configuration'
    EllipsisPosition = epEndEllipsis
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = []
    ParentFont = False
    Transparent = True
  end
  object L_Step_1: TLabel
    Left = 16
    Top = 128
    Width = 45
    Height = 13
    Caption = 'Step 1'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object L_Step_2: TLabel
    Left = 16
    Top = 172
    Width = 45
    Height = 13
    Caption = 'Step 2'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object L_Step_3: TLabel
    Left = 16
    Top = 216
    Width = 45
    Height = 13
    Caption = 'Step 3'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object L_Step_4: TLabel
    Left = 16
    Top = 260
    Width = 45
    Height = 13
    Caption = 'Step 4'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object L_Step_5: TLabel
    Left = 16
    Top = 304
    Width = 45
    Height = 13
    Caption = 'Step 5'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object L_Step_6: TLabel
    Left = 16
    Top = 348
    Width = 45
    Height = 13
    Caption = 'Step 6'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object L_Step_7: TLabel
    Left = 16
    Top = 392
    Width = 45
    Height = 13
    Caption = 'Step 7'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object L_Step_8: TLabel
    Left = 16
    Top = 436
    Width = 45
    Height = 13
    Caption = 'Step 8'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = $00804000
    Font.Name = 'Verdana'
    Font.Size = 8
    Font.Style = [fsBold]
    ParentFont = False
    Visible = False
  end
  object Shape1: TShape
    Left = 10
    Top = 383
    Width = 674
    Height = 1
    Pen.Color = $00B0B0B0
  end
  object L_Korvel: TLabel
    Left = 565
    Top = 392
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
    Visible = False
    OnClick = L_KorvelClick
  end
  object LL_Update: TLinkLabel
    Left = 80
    Top = 400
    Width = 420
    Height = 17
    Caption = 'New Version Available. Click Here for more Details'
    TabOrder = 0
    Visible = False
    OnLinkClick = LL_UpdateLinkClick
  end
  object Btn_Info: TLbButton
    Left = 516
    Top = 8
    Width = 50
    Height = 50
    Hint = 'Information'
    TabOrder = 1
    OnClick = Btn_Click
  end
  object Btn_Opz: TLbButton
    Left = 574
    Top = 8
    Width = 50
    Height = 50
    Hint = 'Options'
    TabOrder = 2
    OnClick = Btn_Click
  end
  object Btn_Close: TLbButton
    Left = 632
    Top = 8
    Width = 50
    Height = 50
    Hint = 'Close Configurator'
    TabOrder = 3
    OnClick = Btn_Click
  end
  object Btn_New: TLbButton
    Left = 80
    Top = 112
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'New Configuration'
    TabOrder = 4
    OnClick = Btn_Click
  end
  object Btn_Open: TLbButton
    Left = 258
    Top = 112
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'Open Configuration'
    TabOrder = 5
    OnClick = Btn_Click
  end
  object Btn_Prm_Gen: TLbButton
    Left = 80
    Top = 156
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'Set Communication'
    TabOrder = 6
    OnClick = Btn_Click
  end
  object Btn_S7_Protocol_Access: TLbButton
    Left = 80
    Top = 200
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'S7 Protocol Access'
    TabOrder = 7
    OnClick = Btn_Click
  end
  object Btn_CAN_Rec_Frame: TLbButton
    Left = 80
    Top = 244
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'Receive Frames'
    TabOrder = 8
    OnClick = Btn_Click
  end
  object Btn_CAN_Send_Frame: TLbButton
    Left = 80
    Top = 288
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'Send Frames'
    TabOrder = 9
    OnClick = Btn_Click
  end
  object Btn_CreateBin: TLbButton
    Left = 80
    Top = 332
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'Update Device UDP'
    TabOrder = 10
    OnClick = Btn_Click
  end
  object Btn_PROFIBUS_GSD: TLbButton
    Left = 436
    Top = 112
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'PROFIBUS GSD'
    TabOrder = 11
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_KNX_Access: TLbButton
    Left = 436
    Top = 156
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'KNX Access'
    TabOrder = 12
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_IEC61850_Access: TLbButton
    Left = 436
    Top = 200
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'IEC61850 Access'
    TabOrder = 13
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_TLS_List_Certificates: TLbButton
    Left = 436
    Top = 244
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'TLS List Certificates'
    TabOrder = 14
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_SDO_Server_CANopen: TLbButton
    Left = 436
    Top = 288
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'SDO Server CANopen'
    TabOrder = 15
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_SDO_Client_CANopen: TLbButton
    Left = 436
    Top = 332
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'SDO Client CANopen'
    TabOrder = 16
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_PDO_CANopen: TLbButton
    Left = 436
    Top = 376
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'PDO CANopen'
    TabOrder = 17
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_CANopen_EDS: TLbButton
    Left = 436
    Top = 112
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'CANopen EDS'
    TabOrder = 18
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_SNMP_Trap: TLbButton
    Left = 436
    Top = 156
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'SNMP Trap'
    TabOrder = 19
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_SNMP_MIB: TLbButton
    Left = 436
    Top = 200
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'SNMP MIB'
    TabOrder = 20
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_MQTT_Set_Topic: TLbButton
    Left = 436
    Top = 244
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'MQTT Set Topic'
    TabOrder = 21
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_BACnet_SetAccess: TLbButton
    Left = 436
    Top = 288
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'Set BACnet Access'
    TabOrder = 22
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_BACnet_EDE_File: TLbButton
    Left = 436
    Top = 332
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'BACnet EDE File'
    TabOrder = 23
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_OPC_UA_Server_Access: TLbButton
    Left = 436
    Top = 376
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'OPC UA Server Access'
    TabOrder = 24
    Visible = False
    OnClick = Btn_Click
  end
  object Btn_PROFINET_XML: TLbButton
    Left = 436
    Top = 112
    Width = 170
    Height = 36
    Alignment = taLeftJustify
    Caption = 'PROFINET XML'
    TabOrder = 25
    Visible = False
    OnClick = Btn_Click
  end
end
