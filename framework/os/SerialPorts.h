#pragma once
// Serial ports as the configurator numbers them ("COM" numbers 1 to 256).
//
// The mapping of device names to numbers:
//   /dev/ttyS<n>    -> n + 1      (n 0..63:  COM1..COM64)
//   /dev/ttyUSB<n>  -> n + 65     (n 0..95:  COM65..COM160)
//   /dev/ttyACM<n>  -> n + 161    (n 0..95:  COM161..COM256)
// A port is listed when its device opens, or is busy or forbidden to us (a
// port in use still exists). Built-in ttyS entries without a UART behind
// them are left out.
#include <string>
#include <vector>

// The numbers of the ports present, ascending. DevFolder is for tests.
std::vector<int> GetComPortNumbers(const std::string& DevFolder = "/dev");
// The device path of a COM number; empty outside 1..256.
std::string ComPortDevice(int Number, const std::string& DevFolder = "/dev");
// The COM number of a device name ("ttyUSB0" -> 65); 0 when it is none.
int ComPortNumber(const std::string& DeviceName);
