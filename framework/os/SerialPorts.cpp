#include "framework/os/SerialPorts.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "framework/os/Files.h"

namespace {
struct TFamily {
  const char* prefix;
  int first;  // COM number of device 0
  int count;
};
constexpr TFamily kFamilies[] = {{"ttyS", 1, 64}, {"ttyUSB", 65, 96}, {"ttyACM", 161, 96}};

bool PortPresent(const std::string& path, bool builtIn) {
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EACCES || errno == EBUSY || errno == EPERM;
  bool present = true;
  if (builtIn) {
    // Legacy ttyS nodes exist whether or not a UART is behind them.
    serial_struct info{};
    if (::ioctl(fd, TIOCGSERIAL, &info) == 0) present = info.type != PORT_UNKNOWN;
  }
  ::close(fd);
  return present;
}
}  // namespace

int ComPortNumber(const std::string& DeviceName) {
  for (const auto& f : kFamilies) {
    std::string p = f.prefix;
    if (DeviceName.size() <= p.size() || DeviceName.compare(0, p.size(), p) != 0) continue;
    std::string digits = DeviceName.substr(p.size());
    if (digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    if (digits.size() > 1 && digits[0] == '0') return 0;
    int n = std::stoi(digits);
    return n < f.count ? f.first + n : 0;
  }
  return 0;
}

std::string ComPortDevice(int Number, const std::string& DevFolder) {
  for (const auto& f : kFamilies)
    if (Number >= f.first && Number < f.first + f.count)
      return ExcludeTrailingPathDelimiter(DevFolder) + "/" + f.prefix + std::to_string(Number - f.first);
  return {};
}

std::vector<int> GetComPortNumbers(const std::string& DevFolder) {
  std::vector<int> ports;
  for (const auto& f : kFamilies) {
    for (const auto& e : FindFiles(DevFolder, std::string(f.prefix) + "*", ffFilesOnly, false)) {
      int n = ComPortNumber(e.Name);
      if (n == 0) continue;
      if (PortPresent(ExcludeTrailingPathDelimiter(DevFolder) + "/" + e.Name, f.first == 1))
        ports.push_back(n);
    }
  }
  std::sort(ports.begin(), ports.end());
  ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
  return ports;
}
