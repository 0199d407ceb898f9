object FParGen: TFParGen
  Left = 0
  Top = 0
  Width = 476
  Height = 739
  BorderIcons = [biSystemMenu]
  Caption = 'Set Communication'
  Color = $00EDF7F8
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Verdana'
  Font.Style = []
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  OnMouseWheel = FormMouseWheel
  OnResize = FormResize
  OnShow = FormShow
  object P_Title: TPanel
    Left = 0
    Top = 0
    Width = 460
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
      Width = 300
      Height = 18
      Caption = 'Set Communication Setting'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clGray
      Font.Height = -15
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
  object CPG: TCategoryPanelGroup
    Left = 0
    Top = 69
    Width = 460
    Height = 591
    VertScrollBar.Increment = 8
    VertScrollBar.Tracking = True
    Align = alClient
    Color = $00EDF7F8
    GradientBaseColor = $00EDF7F8
    GradientColor = $00D8D8E7
    HeaderFont.Charset = DEFAULT_CHARSET
    HeaderFont.Color = clGray
    HeaderFont.Height = -15
    HeaderFont.Name = 'Verdana'
    HeaderFont.Style = [fsBold]
    HeaderHeight = 24
    TabOrder = 1
    object CP_Ethernet_Connection: TCategoryPanel
      Top = 0
      Height = 206
      Caption = 'Ethernet Connection'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 0
      object L_EthConn_Device_Name: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Device Name (Hostname)'
      end
      object E_EthConn_Device_Name: TEdit
        Left = 191
        Top = 9
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 31
        TabOrder = 0
        OnChange = On_Change
      end
      object CB_EthConn_En_DHCP_Cable: TCheckBox
        Left = 14
        Top = 38
        Width = 415
        Height = 17
        Caption = 'Obtain an IP Address Automatically (DHCP for Cable Connection)'
        TabOrder = 1
        OnClick = On_Click
      end
      object CB_EthConn_En_DHCP_WiFi: TCheckBox
        Left = 14
        Top = 66
        Width = 415
        Height = 17
        Caption = 'Obtain an IP Address Automatically (DHCP for Wi-Fi Connection)'
        TabOrder = 2
        OnClick = On_Click
      end
      object CB_EthConn_Enable_DNS: TCheckBox
        Left = 14
        Top = 94
        Width = 415
        Height = 17
        Caption = 'Enable DNS'
        TabOrder = 3
        OnClick = On_Click
      end
      object L_EthConn_Primary_DNS: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Primary DNS'
      end
      object E_EthConn_Pri_DNS_IP1: TEdit
        Left = 191
        Top = 121
        Width = 55
        Height = 21
        AutoSize = False
        Text = '8'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EthConn_Pri_DNS_IP2: TEdit
        Left = 252
        Top = 121
        Width = 55
        Height = 21
        AutoSize = False
        Text = '8'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EthConn_Pri_DNS_IP3: TEdit
        Left = 313
        Top = 121
        Width = 55
        Height = 21
        AutoSize = False
        Text = '8'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EthConn_Pri_DNS_IP4: TEdit
        Left = 374
        Top = 121
        Width = 55
        Height = 21
        AutoSize = False
        Text = '8'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_EthConn_Pri_DNS_IP_Dot1: TLabel
        Left = 247
        Top = 125
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EthConn_Pri_DNS_IP_Dot2: TLabel
        Left = 308
        Top = 125
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EthConn_Pri_DNS_IP_Dot3: TLabel
        Left = 369
        Top = 125
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EthConn_Secondary_DNS: TLabel
        Left = 14
        Top = 152
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Secondary DNS'
      end
      object E_EthConn_Sec_DNS_IP1: TEdit
        Left = 191
        Top = 149
        Width = 55
        Height = 21
        AutoSize = False
        Text = '8'
        TabOrder = 8
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EthConn_Sec_DNS_IP2: TEdit
        Left = 252
        Top = 149
        Width = 55
        Height = 21
        AutoSize = False
        Text = '8'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EthConn_Sec_DNS_IP3: TEdit
        Left = 313
        Top = 149
        Width = 55
        Height = 21
        AutoSize = False
        Text = '8'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EthConn_Sec_DNS_IP4: TEdit
        Left = 374
        Top = 149
        Width = 55
        Height = 21
        AutoSize = False
        Text = '8'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_EthConn_Sec_DNS_IP_Dot1: TLabel
        Left = 247
        Top = 153
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EthConn_Sec_DNS_IP_Dot2: TLabel
        Left = 308
        Top = 153
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EthConn_Sec_DNS_IP_Dot3: TLabel
        Left = 369
        Top = 153
        Width = 4
        Height = 13
        Caption = '.'
      end
    end
    object CP_S7_Protocol: TCategoryPanel
      Top = 206
      Height = 123
      Caption = 'S7comm'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 1
      object L_S7_Protocol_IP: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_S7_Protocol_IP1: TEdit
        Left = 191
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 0
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_IP2: TEdit
        Left = 252
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_IP3: TEdit
        Left = 313
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_IP4: TEdit
        Left = 374
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_S7_Protocol_IP_Dot1: TLabel
        Left = 247
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_S7_Protocol_IP_Dot2: TLabel
        Left = 308
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_S7_Protocol_IP_Dot3: TLabel
        Left = 369
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_S7_Protocol_SM: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_S7_Protocol_SM1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_SM2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_SM3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_SM4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_S7_Protocol_SM_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_S7_Protocol_SM_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_S7_Protocol_SM_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_S7_Protocol_En_GAT: TCheckBox
        Left = 14
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 8
        OnClick = On_Click
      end
      object E_S7_Protocol_GAT1: TEdit
        Left = 191
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_GAT2: TEdit
        Left = 252
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_GAT3: TEdit
        Left = 313
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_S7_Protocol_GAT4: TEdit
        Left = 374
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_S7_Protocol_GAT_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_S7_Protocol_GAT_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_S7_Protocol_GAT_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
    end
    object CP_CAN: TCategoryPanel
      Top = 329
      Height = 67
      Caption = 'CAN'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 2
      object L_CAN_Baudrate: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Baudrate'
      end
      object CB_CAN_Baudrate: TComboBox
        Left = 191
        Top = 10
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 9
        TabOrder = 0
        OnChange = On_Change
        Items.Strings = (
          '10K'
          '20K'
          '50K'
          '62.5K'
          '100K'
          '125K'
          '250K'
          '500K'
          '800K'
          '1000K')
      end
    end
    object CP_Modbus_TCP_Slave: TCategoryPanel
      Top = 396
      Height = 150
      Caption = 'Modbus TCP Slave'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 3
      object L_ModbusTCPSlave_IP: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_ModbusTCPSlave_IP1: TEdit
        Left = 191
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 0
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_IP2: TEdit
        Left = 252
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_IP3: TEdit
        Left = 313
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_IP4: TEdit
        Left = 374
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_ModbusTCPSlave_IP_Dot1: TLabel
        Left = 247
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_ModbusTCPSlave_IP_Dot2: TLabel
        Left = 308
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_ModbusTCPSlave_IP_Dot3: TLabel
        Left = 369
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_ModbusTCPSlave_SM: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_ModbusTCPSlave_SM1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_SM2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_SM3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_SM4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_ModbusTCPSlave_SM_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_ModbusTCPSlave_SM_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_ModbusTCPSlave_SM_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_ModbusTCPSlave_En_GAT: TCheckBox
        Left = 14
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 8
        OnClick = On_Click
      end
      object E_ModbusTCPSlave_GAT1: TEdit
        Left = 191
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_GAT2: TEdit
        Left = 252
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_GAT3: TEdit
        Left = 313
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_ModbusTCPSlave_GAT4: TEdit
        Left = 374
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_ModbusTCPSlave_GAT_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_ModbusTCPSlave_GAT_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_ModbusTCPSlave_GAT_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_ModbusTCPSlave_Port: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Port'
      end
      object E_ModbusTCPSlave_Port: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        Text = '502'
        TabOrder = 13
        OnChange = On_Change
      end
    end
    object CP_PROFIBUS: TCategoryPanel
      Top = 546
      Height = 150
      Caption = 'PROFIBUS'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 4
      object L_PROFIBUS_IDDevice: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'ID Device'
      end
      object E_PROFIBUS_IDDevice: TEdit
        Left = 191
        Top = 9
        Width = 116
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 0
        OnChange = On_Change
      end
      object L_PROFIBUS_Baudrate: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Baudrate'
      end
      object CB_PROFIBUS_Baudrate: TComboBox
        Left = 191
        Top = 38
        Width = 238
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        Enabled = False
        TabOrder = 1
        OnChange = On_Change
        Items.Strings = (
          'Auto Baudrate')
      end
      object L_PROFIBUS_NByte_In: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Number Bytes Input'
      end
      object E_PROFIBUS_NByte_In: TEdit
        Left = 191
        Top = 65
        Width = 116
        Height = 21
        AutoSize = False
        Text = '244'
        TabOrder = 2
        OnChange = On_Change
      end
      object L_PROFIBUS_NByte_Out: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Number Bytes Output'
      end
      object E_PROFIBUS_NByte_Out: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        Text = '244'
        TabOrder = 3
        OnChange = On_Change
      end
    end
    object CP_Serial: TCategoryPanel
      Top = 696
      Height = 151
      Caption = 'Serial'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 5
      object L_Serial_Serial: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Serial'
      end
      object CB_Serial_Serial: TComboBox
        Left = 191
        Top = 10
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 0
        OnChange = On_Change
        Items.Strings = (
          'RS232'
          'RS485')
      end
      object L_Serial_Baudrate: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Baudrate'
      end
      object CB_Serial_Baudrate: TComboBox
        Left = 191
        Top = 38
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 7
        TabOrder = 1
        OnChange = On_Change
        Items.Strings = (
          '1200'
          '2400'
          '4800'
          '9600'
          '19200'
          '38400'
          '57600'
          '115200')
      end
      object L_Serial_Parity: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Parity'
      end
      object Cb_Serial_Parity: TComboBox
        Left = 191
        Top = 66
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 2
        OnChange = On_Change
        Items.Strings = (
          'NONE'
          'ODD'
          'EVEN')
      end
      object L_Serial_StopBits: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Stop Bits'
      end
      object CB_Serial_StopBits: TComboBox
        Left = 191
        Top = 94
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 3
        OnChange = On_Change
        Items.Strings = (
          '1 Stop Bits'
          '2 Stop Bits')
      end
    end
    object CP_Modbus_Slave: TCategoryPanel
      Top = 847
      Height = 203
      Caption = 'Modbus Slave'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 6
      object L_ModbusSlave_Serial: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Serial'
      end
      object CB_ModbusSlave_Serial: TComboBox
        Left = 191
        Top = 10
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 0
        OnChange = On_Change
        Items.Strings = (
          'RS232'
          'RS485')
      end
      object L_ModbusSlave_Baudrate: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Baudrate'
      end
      object CB_ModbusSlave_Baudrate: TComboBox
        Left = 191
        Top = 38
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 7
        TabOrder = 1
        OnChange = On_Change
        Items.Strings = (
          '1200'
          '2400'
          '4800'
          '9600'
          '19200'
          '38400'
          '57600'
          '115200')
      end
      object L_ModbusSlave_Parity: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Parity'
      end
      object CB_ModbusSlave_Parity: TComboBox
        Left = 191
        Top = 66
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 2
        OnChange = On_Change
        Items.Strings = (
          'NONE'
          'ODD'
          'EVEN')
      end
      object L_ModbusSlave_StopBits: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Stop Bits'
      end
      object CB_ModbusSlave_StopBits: TComboBox
        Left = 191
        Top = 94
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 3
        OnChange = On_Change
        Items.Strings = (
          '1 Stop Bits'
          '2 Stop Bits')
      end
      object L_ModbusSlave_IDDevice: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'ID Device'
      end
      object E_ModbusSlave_IDDevice: TEdit
        Left = 191
        Top = 121
        Width = 116
        Height = 21
        AutoSize = False
        Text = '1'
        TabOrder = 4
        OnChange = On_Change
      end
      object CB_ModbusSlave_ReadInput: TCheckBox
        Left = 14
        Top = 150
        Width = 415
        Height = 17
        Caption = 'Read Input Registers'
        TabOrder = 5
        OnClick = On_Click
      end
    end
    object CP_CANopen: TCategoryPanel
      Top = 1050
      Height = 178
      Caption = 'CANopen'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 7
      object L_CANopen_IDDevice: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'ID Device'
      end
      object E_CANopen_IDDevice: TEdit
        Left = 191
        Top = 9
        Width = 116
        Height = 21
        AutoSize = False
        TabOrder = 0
        OnChange = On_Change
      end
      object L_CANopen_Baudrate: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Baudrate'
      end
      object CB_CANopen_Baudrate: TComboBox
        Left = 191
        Top = 38
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 8
        TabOrder = 1
        OnChange = On_Change
        Items.Strings = (
          '10K'
          '20K'
          '50K'
          '100K'
          '125K'
          '250K'
          '500K'
          '800K'
          '1000K'
          '')
      end
      object CB_CANopen_SetOpe: TCheckBox
        Left = 14
        Top = 66
        Width = 415
        Height = 17
        Caption = 'Set Operational State'
        TabOrder = 2
        OnClick = On_Click
      end
      object CB_CANopen_NetOpe: TCheckBox
        Left = 14
        Top = 94
        Width = 170
        Height = 17
        Caption = 'Set Network Operational'
        TabOrder = 3
        OnClick = On_Click
      end
      object E_CANopen_NetOpe_Delay: TEdit
        Left = 191
        Top = 94
        Width = 116
        Height = 21
        AutoSize = False
        TabOrder = 4
        OnChange = On_Change
      end
      object L_CANopen_SDO_Timeout: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SDO Client TimeOut'
      end
      object E_CANopen_SDO_Timeout: TEdit
        Left = 191
        Top = 121
        Width = 116
        Height = 21
        AutoSize = False
        Text = '1'
        TabOrder = 5
        OnChange = On_Change
      end
    end
    object CP_DeviceNet_Slave: TCategoryPanel
      Top = 1228
      Height = 150
      Caption = 'DeviceNet Slave'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 8
      object L_DeviceNet_Slave_IDDevice: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'ID Device'
      end
      object E_DeviceNet_Slave_IDDevice: TEdit
        Left = 191
        Top = 9
        Width = 116
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 0
        OnChange = On_Change
      end
      object L_DeviceNet_Slave_Baudrate: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Baudrate'
      end
      object CB_DeviceNet_Slave_Baudrate: TComboBox
        Left = 191
        Top = 38
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 2
        TabOrder = 1
        OnChange = On_Change
        Items.Strings = (
          '125K'
          '250K'
          '500K')
      end
      object L_DeviceNet_Slave_NumByteIn: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Number Bytes Input'
      end
      object E_DeviceNet_Slave_NumByteIn: TEdit
        Left = 191
        Top = 65
        Width = 116
        Height = 21
        AutoSize = False
        Text = '455'
        TabOrder = 2
        OnChange = On_Change
      end
      object L_DeviceNet_Slave_NumByteOut: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Number Bytes Output'
      end
      object E_DeviceNet_Slave_NumByteOut: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        Text = '455'
        TabOrder = 3
        OnChange = On_Change
      end
    end
    object CP_SNMP_Agent: TCategoryPanel
      Top = 1378
      Height = 231
      Caption = 'SNMP Agent'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 9
      object L_SNMP_Agent_IP: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_SNMP_Agent_IP1: TEdit
        Left = 191
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 0
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_IP2: TEdit
        Left = 252
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_IP3: TEdit
        Left = 313
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_IP4: TEdit
        Left = 374
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_SNMP_Agent_IP_Dot1: TLabel
        Left = 247
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_SNMP_Agent_IP_Dot2: TLabel
        Left = 308
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_SNMP_Agent_IP_Dot3: TLabel
        Left = 369
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_SNMP_Agent_SM: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_SNMP_Agent_SM1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_SM2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_SM3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_SM4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_SNMP_Agent_SM_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_SNMP_Agent_SM_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_SNMP_Agent_SM_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_SNMP_Agent_GAT: TCheckBox
        Left = 14
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 8
        OnClick = On_Click
      end
      object E_SNMP_Agent_GAT1: TEdit
        Left = 191
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_GAT2: TEdit
        Left = 252
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_GAT3: TEdit
        Left = 313
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_SNMP_Agent_GAT4: TEdit
        Left = 374
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_SNMP_Agent_GAT_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_SNMP_Agent_GAT_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_SNMP_Agent_GAT_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_SNMP_Agent_NameStation: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Name Station'
      end
      object E_SNMP_Agent_NameStation: TEdit
        Left = 191
        Top = 93
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 15
        Text = 'devicename1'
        TabOrder = 13
        OnChange = On_Change
      end
      object L_SNMP_Agent_Contact: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Contact'
      end
      object E_SNMP_Agent_Contact: TEdit
        Left = 191
        Top = 121
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 16
        TabOrder = 14
        OnChange = On_Change
      end
      object L_SNMP_Agent_Location: TLabel
        Left = 14
        Top = 152
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Location'
      end
      object E_SNMP_Agent_Location: TEdit
        Left = 191
        Top = 149
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 16
        TabOrder = 15
        OnChange = On_Change
      end
      object L_SNMP_Agent_Version: TLabel
        Left = 14
        Top = 180
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SNMP Version'
      end
      object CB_SNMP_Agent_Version1: TCheckBox
        Left = 191
        Top = 178
        Width = 50
        Height = 17
        Caption = '1'
        TabOrder = 16
        OnClick = On_Click
      end
      object CB_SNMP_Agent_Version2: TCheckBox
        Left = 252
        Top = 178
        Width = 50
        Height = 17
        Caption = '2'
        TabOrder = 17
        OnClick = On_Click
      end
      object CB_SNMP_Agent_Version3: TCheckBox
        Left = 313
        Top = 178
        Width = 50
        Height = 17
        Caption = '3'
        TabOrder = 18
        OnClick = On_Click
      end
      object L_SNMP_Agent_User: TLabel
        Left = 14
        Top = 208
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'User'
      end
      object E_SNMP_Agent_User: TEdit
        Left = 191
        Top = 205
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 19
        TabOrder = 19
        OnChange = On_Change
      end
      object L_SNMP_Agent_SecurityLevel: TLabel
        Left = 14
        Top = 236
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Security Level'
      end
      object CB_SNMP_Agent_SecurityLevel: TComboBox
        Left = 191
        Top = 234
        Width = 238
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 20
        OnChange = On_Change
        Items.Strings = (
          'NoAuthority NoPrivacy'
          'Authority NoPrivacy'
          'Authority Privacy')
      end
      object L_SNMP_Agent_Authority: TLabel
        Left = 14
        Top = 264
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Authority Password'
      end
      object E_SNMP_Agent_Authority: TEdit
        Left = 191
        Top = 261
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 15
        TabOrder = 21
        OnChange = On_Change
      end
      object L_SNMP_Agent_AuthorityMode: TLabel
        Left = 14
        Top = 292
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Authority Mode'
      end
      object CB_SNMP_Agent_AuthorityMode: TComboBox
        Left = 191
        Top = 290
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 22
        OnChange = On_Change
        Items.Strings = (
          'MD5'
          'SHA')
      end
      object L_SNMP_Agent_Privacy: TLabel
        Left = 14
        Top = 320
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Privacy Password'
      end
      object E_SNMP_Agent_Privacy: TEdit
        Left = 191
        Top = 317
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 15
        TabOrder = 23
        OnChange = On_Change
      end
      object L_SNMP_Agent_PrivacyMode: TLabel
        Left = 14
        Top = 348
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Privacy Mode'
      end
      object CB_SNMP_Agent_PrivacyMode: TComboBox
        Left = 191
        Top = 346
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 24
        OnChange = On_Change
        Items.Strings = (
          'DES'
          'AES')
      end
    end
    object CP_EtherNetIP: TCategoryPanel
      Top = 1609
      Height = 206
      Caption = 'EtherNet/IP'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 10
      object L_EtherNetIP_IP: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_EtherNetIP_IP1: TEdit
        Left = 191
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 0
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_IP2: TEdit
        Left = 252
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_IP3: TEdit
        Left = 313
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_IP4: TEdit
        Left = 374
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_EtherNetIP_IP_Dot1: TLabel
        Left = 247
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EtherNetIP_IP_Dot2: TLabel
        Left = 308
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EtherNetIP_IP_Dot3: TLabel
        Left = 369
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EtherNetIP_SM: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_EtherNetIP_SM1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_SM2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_SM3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_SM4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_EtherNetIP_SM_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EtherNetIP_SM_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EtherNetIP_SM_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_EtherNetIP_GAT: TCheckBox
        Left = 14
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 8
        OnClick = On_Click
      end
      object E_EtherNetIP_GAT1: TEdit
        Left = 191
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_GAT2: TEdit
        Left = 252
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_GAT3: TEdit
        Left = 313
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_EtherNetIP_GAT4: TEdit
        Left = 374
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_EtherNetIP_GAT_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EtherNetIP_GAT_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EtherNetIP_GAT_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_EtherNetIP_TunnelPort: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Tunneling Port'
      end
      object E_EtherNetIP_TunnelPort: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        Text = '2000'
        TabOrder = 13
        OnChange = On_Change
      end
      object L_EtherNetIP_NByte_In: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Number Bytes Input'
      end
      object E_EtherNetIP_NByte_In: TEdit
        Left = 191
        Top = 121
        Width = 116
        Height = 21
        AutoSize = False
        Text = '496'
        TabOrder = 14
        OnChange = On_Change
      end
      object L_EtherNetIP_NByte_Out: TLabel
        Left = 14
        Top = 152
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Number Bytes Output'
      end
      object E_EtherNetIP_NByte_Out: TEdit
        Left = 191
        Top = 149
        Width = 116
        Height = 21
        AutoSize = False
        Text = '496'
        TabOrder = 15
        OnChange = On_Change
      end
    end
    object CP_KNX: TCategoryPanel
      Top = 1815
      Height = 94
      Caption = 'KNX'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 11
      object L_KNX_Type: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'KNX Type'
      end
      object CB_KNX_Type: TComboBox
        Left = 191
        Top = 10
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        Enabled = False
        TabOrder = 0
        OnChange = On_Change
        Items.Strings = (
          'KNX TP'
          'KNXnet/IP')
      end
      object L_KNX_IDDevice: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'ID Device'
      end
      object E_KNX_IDDevice: TEdit
        Left = 191
        Top = 37
        Width = 116
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 1
        OnChange = On_Change
      end
    end
    object CP_MQTT: TCategoryPanel
      Top = 1909
      Height = 262
      Caption = 'MQTT'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 12
      object L_MQTT_Server: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Server'
      end
      object E_MQTT_Server: TEdit
        Left = 191
        Top = 9
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 0
        OnChange = On_Change
      end
      object L_MQTT_Server_Port: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Server Port'
      end
      object E_MQTT_Server_Port: TEdit
        Left = 191
        Top = 37
        Width = 116
        Height = 21
        AutoSize = False
        Text = '1883'
        TabOrder = 1
        OnChange = On_Change
      end
      object L_MQTT_Client_ID: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Client ID'
      end
      object E_MQTT_Client_ID: TEdit
        Left = 191
        Top = 65
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 2
        OnChange = On_Change
      end
      object L_MQTT_Keep_Alive: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Keep Alive'
      end
      object E_MQTT_Keep_Alive: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        TabOrder = 3
        OnChange = On_Change
      end
      object CB_MQTT_Clean_Session: TCheckBox
        Left = 14
        Top = 122
        Width = 415
        Height = 17
        Caption = 'Clean Session'
        TabOrder = 4
        OnClick = On_Click
      end
      object CB_MQTT_WillFlag: TCheckBox
        Left = 14
        Top = 150
        Width = 415
        Height = 17
        Caption = 'Will Flag'
        TabOrder = 5
        OnClick = On_Click
      end
      object L_MQTT_Will_TopicName: TLabel
        Left = 14
        Top = 180
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Will Topic Name'
      end
      object E_MQTT_Will_TopicName: TEdit
        Left = 191
        Top = 177
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 6
        OnChange = On_Change
      end
      object L_MQTT_Will_Message: TLabel
        Left = 14
        Top = 208
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Will Message'
      end
      object E_MQTT_Will_Message: TEdit
        Left = 191
        Top = 205
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 7
        OnChange = On_Change
      end
      object CB_MQTT_Will_Retained: TCheckBox
        Left = 14
        Top = 234
        Width = 415
        Height = 17
        Caption = 'Will Retained'
        TabOrder = 8
        OnClick = On_Click
      end
      object L_MQTT_Will_QoS: TLabel
        Left = 14
        Top = 264
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Will QoS'
      end
      object CB_MQTT_Will_QoS: TComboBox
        Left = 191
        Top = 262
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 9
        OnChange = On_Change
        Items.Strings = (
          '0'
          '1'
          '2')
      end
      object L_MQTT_Username: TLabel
        Left = 14
        Top = 292
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'User Name'
      end
      object E_MQTT_Username: TEdit
        Left = 191
        Top = 289
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 10
        OnChange = On_Change
      end
      object L_MQTT_Password: TLabel
        Left = 14
        Top = 320
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Password'
      end
      object E_MQTT_Password: TRichEdit
        Left = 191
        Top = 317
        Width = 238
        Height = 21
        WantReturns = False
        WordWrap = False
        TabOrder = 11
        OnChange = On_Change
      end
      object E_MQTT_Password__: TEdit
        Left = 191
        Top = 317
        Width = 238
        Height = 21
        AutoSize = False
        Visible = False
        TabOrder = 12
      end
      object L_MQTT_ASync_Send_Time: TLabel
        Left = 14
        Top = 348
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Asynchronous Send Time'
      end
      object E_MQTT_ASync_Send_Time: TEdit
        Left = 191
        Top = 345
        Width = 116
        Height = 21
        AutoSize = False
        TabOrder = 13
        OnChange = On_Change
      end
    end
    object CP_Ethernet: TCategoryPanel
      Top = 2171
      Height = 123
      Caption = 'Ethernet'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 13
      object L_Ethernet_IP: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_Ethernet_IP1: TEdit
        Left = 191
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 0
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_IP2: TEdit
        Left = 252
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_IP3: TEdit
        Left = 313
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_IP4: TEdit
        Left = 374
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_Ethernet_IP_Dot1: TLabel
        Left = 247
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_Ethernet_IP_Dot2: TLabel
        Left = 308
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_Ethernet_IP_Dot3: TLabel
        Left = 369
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_Ethernet_SM: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_Ethernet_SM1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_SM2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_SM3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_SM4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_Ethernet_SM_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_Ethernet_SM_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_Ethernet_SM_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_Ethernet_En_GAT: TCheckBox
        Left = 14
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 8
        OnClick = On_Click
      end
      object E_Ethernet_GAT1: TEdit
        Left = 191
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_GAT2: TEdit
        Left = 252
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_GAT3: TEdit
        Left = 313
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_Ethernet_GAT4: TEdit
        Left = 374
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_Ethernet_GAT_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_Ethernet_GAT_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_Ethernet_GAT_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_Ethernet_TCP_Port: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'TCP Port'
      end
      object E_Ethernet_TCP_Port: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        TabOrder = 13
        OnChange = On_Change
      end
      object L_Ethernet_UDP_Port: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'UDP Port'
      end
      object E_Ethernet_UDP_Port: TEdit
        Left = 191
        Top = 121
        Width = 116
        Height = 21
        AutoSize = False
        TabOrder = 14
        OnChange = On_Change
      end
    end
    object CP_TLS: TCategoryPanel
      Top = 2294
      Height = 63
      Caption = 'TLS (Transport Layer Security)'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 14
      object CB_TLS_Enable: TCheckBox
        Left = 14
        Top = 10
        Width = 415
        Height = 17
        Caption = 'Enable TLS'
        TabOrder = 0
        OnClick = On_Click
      end
      object CB_TLS_En_Server_Auth: TCheckBox
        Left = 14
        Top = 38
        Width = 415
        Height = 17
        Caption = 'Enable Server Authentication'
        TabOrder = 1
        OnClick = On_Click
      end
      object L_TLS_Server_Cert: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Server Certificate'
      end
      object E_TLS_Server_Cert: TRichEdit
        Left = 191
        Top = 65
        Width = 238
        Height = 21
        WantReturns = False
        WordWrap = False
        TabOrder = 2
        OnChange = On_Change
      end
      object CB_TLS_En_Client_Auth: TCheckBox
        Left = 14
        Top = 94
        Width = 415
        Height = 17
        Caption = 'Enable Client Authentication'
        TabOrder = 3
        OnClick = On_Click
      end
      object L_TLS_Client_Cert: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Client Certificate'
      end
      object E_TLS_Client_Cert: TRichEdit
        Left = 191
        Top = 121
        Width = 238
        Height = 21
        WantReturns = False
        WordWrap = False
        TabOrder = 4
        OnChange = On_Change
      end
      object L_TLS_Client_Cert_Key: TLabel
        Left = 14
        Top = 152
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Client Certificate Key'
      end
      object E_TLS_Client_Cert_Key: TRichEdit
        Left = 191
        Top = 149
        Width = 238
        Height = 21
        WantReturns = False
        WordWrap = False
        TabOrder = 5
        OnChange = On_Change
      end
      object L_TLS_Client_Cert_Key_Pass: TLabel
        Left = 14
        Top = 180
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Key Password'
      end
      object E_TLS_Client_Cert_Key_Pass: TEdit
        Left = 191
        Top = 177
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 6
        OnChange = On_Change
      end
    end
    object CP_NTP: TCategoryPanel
      Top = 2357
      Height = 94
      Caption = 'NTP (Network Time Protocol)'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 15
      object L_NTP_Server_URL: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Server URL'
      end
      object E_NTP_Server_URL: TEdit
        Left = 191
        Top = 9
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 0
        OnChange = On_Change
      end
      object L_NTP_Poll_Time: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Poll Time'
      end
      object E_NTP_Poll_Time: TEdit
        Left = 191
        Top = 37
        Width = 116
        Height = 21
        AutoSize = False
        TabOrder = 1
        OnChange = On_Change
      end
    end
    object CP_BACnet_Slave: TCategoryPanel
      Top = 2451
      Height = 261
      Caption = 'BACnet Slave'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 16
      object L_BACnet_Slave_Type: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'BACnet Type'
      end
      object CB_BACnet_Slave_Type: TComboBox
        Left = 191
        Top = 10
        Width = 238
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 0
        OnChange = On_Change
        Items.Strings = (
          'BACnet/IP'
          'BACnet MS/TP')
      end
      object L_BACnet_IP_Slave_IP: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_BACnet_IP_Slave_IP1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_IP2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_IP3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_IP4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_BACnet_IP_Slave_IP_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_BACnet_IP_Slave_IP_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_BACnet_IP_Slave_IP_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_BACnet_IP_Slave_SM: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_BACnet_IP_Slave_SM1: TEdit
        Left = 191
        Top = 65
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_SM2: TEdit
        Left = 252
        Top = 65
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_SM3: TEdit
        Left = 313
        Top = 65
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_SM4: TEdit
        Left = 374
        Top = 65
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 8
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_BACnet_IP_Slave_SM_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_BACnet_IP_Slave_SM_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_BACnet_IP_Slave_SM_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_BACnet_IP_Slave_GAT: TCheckBox
        Left = 14
        Top = 94
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 9
        OnClick = On_Click
      end
      object E_BACnet_IP_Slave_GAT1: TEdit
        Left = 191
        Top = 94
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_GAT2: TEdit
        Left = 252
        Top = 94
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_GAT3: TEdit
        Left = 313
        Top = 94
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_BACnet_IP_Slave_GAT4: TEdit
        Left = 374
        Top = 94
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 13
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_BACnet_IP_Slave_GAT_Dot1: TLabel
        Left = 247
        Top = 97
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_BACnet_IP_Slave_GAT_Dot2: TLabel
        Left = 308
        Top = 97
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_BACnet_IP_Slave_GAT_Dot3: TLabel
        Left = 369
        Top = 97
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_BACnet_IP_Slave_Port: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Port'
      end
      object E_BACnet_IP_Slave_Port: TEdit
        Left = 191
        Top = 121
        Width = 116
        Height = 21
        AutoSize = False
        Text = '502'
        TabOrder = 14
        OnChange = On_Change
      end
      object L_BACnet_IP_Slave_Device_Name: TLabel
        Left = 14
        Top = 152
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Device Name'
      end
      object E_BACnet_IP_Slave_Device_Name: TEdit
        Left = 191
        Top = 149
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 15
        Text = 'devicename1'
        TabOrder = 15
        OnChange = On_Change
      end
      object L_BACnet_IP_Slave_Device_Identifier: TLabel
        Left = 14
        Top = 180
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Device Identifier'
      end
      object E_BACnet_IP_Slave_Device_Identifier: TEdit
        Left = 191
        Top = 177
        Width = 116
        Height = 21
        AutoSize = False
        Text = '502'
        TabOrder = 16
        OnChange = On_Change
      end
      object L_BACnet_MSTP_Slave_Baudrate: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Baudrate'
      end
      object CB_BACnet_MSTP_Slave_Baudrate: TComboBox
        Left = 191
        Top = 38
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 5
        TabOrder = 17
        OnChange = On_Change
        Items.Strings = (
          '9600'
          '19200'
          '38400'
          '57600'
          '76800'
          '115200')
      end
      object L_BACnet_MSTP_Slave_Parity: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Parity'
      end
      object CB_BACnet_MSTP_Slave_Parity: TComboBox
        Left = 191
        Top = 66
        Width = 116
        Height = 21
        Style = csDropDownList
        ItemIndex = 0
        TabOrder = 18
        OnChange = On_Change
        Items.Strings = (
          'NONE'
          'ODD'
          'EVEN')
      end
      object L_BACnet_MSTP_Slave_Device_Name: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Device Name'
      end
      object E_BACnet_MSTP_Slave_Device_Name: TEdit
        Left = 191
        Top = 93
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 15
        Text = 'devicename1'
        TabOrder = 19
        OnChange = On_Change
      end
      object L_BACnet_MSTP_Slave_MAC_Address: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'MAC Address'
      end
      object E_BACnet_MSTP_Slave_MAC_Address: TEdit
        Left = 191
        Top = 121
        Width = 116
        Height = 21
        AutoSize = False
        Text = '502'
        TabOrder = 20
        OnChange = On_Change
      end
      object L_BACnet_MSTP_Slave_Max_Master: TLabel
        Left = 14
        Top = 152
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Max Master'
      end
      object E_BACnet_MSTP_Slave_Max_Master: TEdit
        Left = 191
        Top = 149
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 15
        Text = 'devicename1'
        TabOrder = 21
        OnChange = On_Change
      end
      object L_BACnet_MSTP_Slave_Max_Info_Frame: TLabel
        Left = 14
        Top = 180
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Max Info Frames'
      end
      object E_BACnet_MSTP_Slave_Max_Info_Frame: TEdit
        Left = 191
        Top = 177
        Width = 116
        Height = 21
        AutoSize = False
        Text = '502'
        TabOrder = 22
        OnChange = On_Change
      end
      object L_BACnet_MSTP_Slave_Device_Instance: TLabel
        Left = 14
        Top = 208
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Device Instance'
      end
      object E_BACnet_MSTP_Slave_Device_Instance: TEdit
        Left = 191
        Top = 205
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 15
        Text = 'devicename1'
        TabOrder = 23
        OnChange = On_Change
      end
      object L_BACnet_MSTP_Slave_Network: TLabel
        Left = 14
        Top = 236
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Network'
      end
      object E_BACnet_MSTP_Slave_Network: TEdit
        Left = 191
        Top = 233
        Width = 116
        Height = 21
        AutoSize = False
        Text = '502'
        TabOrder = 24
        OnChange = On_Change
      end
      object CB_BACnet_Slave_Desc_32_Chars: TCheckBox
        Left = 14
        Top = 208
        Width = 415
        Height = 17
        Caption = 'Description limited to 32 characters'
        TabOrder = 25
        OnClick = On_Click
      end
    end
    object CP_OPC_UA_Server: TCategoryPanel
      Top = 2712
      Height = 150
      Caption = 'OPC UA Server'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 17
      object L_OPC_UA_Server_IP: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_OPC_UA_Server_IP1: TEdit
        Left = 191
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 0
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_IP2: TEdit
        Left = 252
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_IP3: TEdit
        Left = 313
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_IP4: TEdit
        Left = 374
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_OPC_UA_Server_IP_Dot1: TLabel
        Left = 247
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_OPC_UA_Server_IP_Dot2: TLabel
        Left = 308
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_OPC_UA_Server_IP_Dot3: TLabel
        Left = 369
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_OPC_UA_Server_SM: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_OPC_UA_Server_SM1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_SM2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_SM3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_SM4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_OPC_UA_Server_SM_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_OPC_UA_Server_SM_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_OPC_UA_Server_SM_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_OPC_UA_Server_En_GAT: TCheckBox
        Left = 14
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 8
        OnClick = On_Click
      end
      object E_OPC_UA_Server_GAT1: TEdit
        Left = 191
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_GAT2: TEdit
        Left = 252
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_GAT3: TEdit
        Left = 313
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_OPC_UA_Server_GAT4: TEdit
        Left = 374
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_OPC_UA_Server_GAT_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_OPC_UA_Server_GAT_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_OPC_UA_Server_GAT_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_OPC_UA_Server_Port: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Port'
      end
      object E_OPC_UA_Server_Port: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        Text = '4840'
        TabOrder = 13
        OnChange = On_Change
      end
    end
    object CP_PROFINET: TCategoryPanel
      Top = 2862
      Height = 234
      Caption = 'PROFINET'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 18
      object L_PROFINET_IP: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_PROFINET_IP1: TEdit
        Left = 191
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 0
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_IP2: TEdit
        Left = 252
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_IP3: TEdit
        Left = 313
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_IP4: TEdit
        Left = 374
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_PROFINET_IP_Dot1: TLabel
        Left = 247
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_PROFINET_IP_Dot2: TLabel
        Left = 308
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_PROFINET_IP_Dot3: TLabel
        Left = 369
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_PROFINET_SM: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_PROFINET_SM1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_SM2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_SM3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_SM4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_PROFINET_SM_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_PROFINET_SM_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_PROFINET_SM_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_PROFINET_GAT: TCheckBox
        Left = 14
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 8
        OnClick = On_Click
      end
      object E_PROFINET_GAT1: TEdit
        Left = 191
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_GAT2: TEdit
        Left = 252
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_GAT3: TEdit
        Left = 313
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_PROFINET_GAT4: TEdit
        Left = 374
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_PROFINET_GAT_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_PROFINET_GAT_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_PROFINET_GAT_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_PROFINET_TunnelPort: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Tunneling Port'
      end
      object E_PROFINET_TunnelPort: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        Text = '502'
        TabOrder = 13
        OnChange = On_Change
      end
      object L_PROFINET_NameStation: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Name Station'
      end
      object E_PROFINET_NameStation: TEdit
        Left = 191
        Top = 121
        Width = 238
        Height = 21
        AutoSize = False
        MaxLength = 15
        Text = 'devicename1'
        TabOrder = 14
        OnChange = On_Change
      end
      object L_PROFINET_NByte_In: TLabel
        Left = 14
        Top = 152
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Number Bytes Input'
      end
      object E_PROFINET_NByte_In: TEdit
        Left = 191
        Top = 149
        Width = 116
        Height = 21
        AutoSize = False
        Text = '1438'
        TabOrder = 15
        OnChange = On_Change
      end
      object L_PROFINET_NByte_Out: TLabel
        Left = 14
        Top = 180
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Number Bytes Output'
      end
      object E_PROFINET_NByte_Out: TEdit
        Left = 191
        Top = 177
        Width = 116
        Height = 21
        AutoSize = False
        Text = '1438'
        TabOrder = 16
        OnChange = On_Change
      end
      object CB_PROFINET_Diagnostic: TCheckBox
        Left = 14
        Top = 206
        Width = 170
        Height = 17
        Caption = 'Diagnosis Address'
        TabOrder = 17
        OnClick = On_Click
      end
      object E_PROFINET_Diagnostic: TEdit
        Left = 191
        Top = 206
        Width = 116
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 18
        OnChange = On_Change
      end
    end
    object CP_IEC61850_Server: TCategoryPanel
      Top = 3096
      Height = 178
      Caption = 'IEC61850 Server'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 19
      object L_IEC61850_Server_IP: TLabel
        Left = 14
        Top = 12
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'IP Address'
      end
      object E_IEC61850_Server_IP1: TEdit
        Left = 191
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 0
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_IP2: TEdit
        Left = 252
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 1
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_IP3: TEdit
        Left = 313
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 2
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_IP4: TEdit
        Left = 374
        Top = 9
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 3
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_IEC61850_Server_IP_Dot1: TLabel
        Left = 247
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_IEC61850_Server_IP_Dot2: TLabel
        Left = 308
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_IEC61850_Server_IP_Dot3: TLabel
        Left = 369
        Top = 13
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_IEC61850_Server_SM: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'SubNet Mask'
      end
      object E_IEC61850_Server_SM1: TEdit
        Left = 191
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 4
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_SM2: TEdit
        Left = 252
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 5
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_SM3: TEdit
        Left = 313
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 6
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_SM4: TEdit
        Left = 374
        Top = 37
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 7
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_IEC61850_Server_SM_Dot1: TLabel
        Left = 247
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_IEC61850_Server_SM_Dot2: TLabel
        Left = 308
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_IEC61850_Server_SM_Dot3: TLabel
        Left = 369
        Top = 41
        Width = 4
        Height = 13
        Caption = '.'
      end
      object CB_IEC61850_Server_En_GAT: TCheckBox
        Left = 14
        Top = 66
        Width = 170
        Height = 17
        Caption = 'Gateway'
        TabOrder = 8
      end
      object E_IEC61850_Server_GAT1: TEdit
        Left = 191
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '192'
        TabOrder = 9
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_GAT2: TEdit
        Left = 252
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '168'
        TabOrder = 10
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_GAT3: TEdit
        Left = 313
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '0'
        TabOrder = 11
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object E_IEC61850_Server_GAT4: TEdit
        Left = 374
        Top = 66
        Width = 55
        Height = 21
        AutoSize = False
        Text = '5'
        TabOrder = 12
        OnChange = On_Change
        OnKeyPress = KeyPress
      end
      object L_IEC61850_Server_GAT_Dot1: TLabel
        Left = 247
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_IEC61850_Server_GAT_Dot2: TLabel
        Left = 308
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_IEC61850_Server_GAT_Dot3: TLabel
        Left = 369
        Top = 69
        Width = 4
        Height = 13
        Caption = '.'
      end
      object L_IEC61850_Server_Port: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Port'
      end
      object E_IEC61850_Server_Port: TEdit
        Left = 191
        Top = 93
        Width = 116
        Height = 21
        AutoSize = False
        Text = '102'
        TabOrder = 13
        OnChange = On_Change
      end
      object L_IEC61850_Server_Password: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Password'
      end
      object E_IEC61850_Server_Password: TEdit
        Left = 191
        Top = 121
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 14
        OnChange = On_Change
      end
    end
    object CP_TLS_Server: TCategoryPanel
      Top = 3274
      Height = 203
      Caption = 'TLS (Transport Layer Security) Server'
      CollapsedImageIndex = 1
      ExpandedImageIndex = 0
      TabOrder = 20
      object CB_TLS_Server_Enable: TCheckBox
        Left = 14
        Top = 10
        Width = 415
        Height = 17
        Caption = 'Enable TLS'
        TabOrder = 0
        OnClick = On_Click
      end
      object L_TLS_Server_Key: TLabel
        Left = 14
        Top = 40
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Server Key'
      end
      object E_TLS_Server_Key: TRichEdit
        Left = 191
        Top = 37
        Width = 238
        Height = 21
        WantReturns = False
        WordWrap = False
        TabOrder = 1
        OnChange = On_Change
      end
      object L_TLS_Server_Key_Pass: TLabel
        Left = 14
        Top = 68
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Key Password'
      end
      object E_TLS_Server_Key_Pass: TEdit
        Left = 191
        Top = 65
        Width = 238
        Height = 21
        AutoSize = False
        TabOrder = 2
        OnChange = On_Change
      end
      object L_TLS_Server_Server_Cert: TLabel
        Left = 14
        Top = 96
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Server Certificate'
      end
      object E_TLS_Server_Server_Cert: TRichEdit
        Left = 191
        Top = 93
        Width = 238
        Height = 21
        WantReturns = False
        WordWrap = False
        TabOrder = 3
        OnChange = On_Change
      end
      object L_TLS_Server_Root_Cert: TLabel
        Left = 14
        Top = 124
        Width = 170
        Height = 13
        AutoSize = False
        Caption = 'Root Certificate'
      end
      object E_TLS_Server_Root_Cert: TRichEdit
        Left = 191
        Top = 121
        Width = 238
        Height = 21
        WantReturns = False
        WordWrap = False
        TabOrder = 4
        OnChange = On_Change
      end
      object CB_TLS_Server_En_Known_Cert: TCheckBox
        Left = 14
        Top = 150
        Width = 415
        Height = 17
        Caption = 'Enable Known Certificates'
        TabOrder = 5
        OnClick = On_Click
      end
    end
  end
  object P_Button: TPanel
    Left = 0
    Top = 660
    Width = 460
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    ParentColor = True
    TabOrder = 2
    object Btn_OK: TLbButton
      Left = 220
      Top = 6
      Width = 110
      Height = 28
      Anchors = [akTop, akRight]
      Caption = 'OK'
      TabOrder = 0
      OnClick = Btn_OKClick
    end
    object Btn_Cancel: TLbButton
      Left = 338
      Top = 6
      Width = 110
      Height = 28
      Anchors = [akTop, akRight]
      Caption = 'Cancel'
      ModalResult = mrCancel
      Cancel = True
      TabOrder = 1
    end
  end
end
