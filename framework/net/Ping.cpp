#include "framework/net/Ping.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include "framework/rtl/SysUtils.h"

namespace {
struct TSocket {
  int fd = -1;
  bool raw = false;
  ~TSocket() {
    if (fd >= 0) ::close(fd);
  }
};

bool OpenIcmp(TSocket& s) {
  s.fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
  if (s.fd >= 0) return true;
  s.fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
  s.raw = s.fd >= 0;
  return s.fd >= 0;
}

std::uint16_t Checksum(const unsigned char* p, std::size_t n) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 1 < n; i += 2) sum += static_cast<std::uint32_t>(p[i] << 8 | p[i + 1]);
  if (n & 1) sum += static_cast<std::uint32_t>(p[n - 1] << 8);
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint16_t>(~sum);
}

std::uint16_t NextSequence() {
  static std::atomic<std::uint16_t> seq{1};
  return seq++;
}
}  // namespace

bool IcmpAvailable() {
  TSocket s;
  return OpenIcmp(s);
}

TEchoReply TIcmpPinger::Echo(const std::string& Host, int PayloadSize, int TimeoutMs) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  // Dotted numbers are an address or nothing: no name look-up for them.
  const bool numeric = !Host.empty() && Host.find_first_not_of("0123456789.") == std::string::npos;
  if (numeric) {
    if (::inet_pton(AF_INET, Host.c_str(), &to.sin_addr) != 1) throw ESocketError("Host not found: " + Host);
  } else {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (Host.empty() || ::getaddrinfo(Host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
      throw ESocketError("Host not found: " + Host);
    to = *reinterpret_cast<sockaddr_in*>(found->ai_addr);
    ::freeaddrinfo(found);
  }

  TSocket s;
  if (!OpenIcmp(s))
    throw EIcmpUnavailable(std::string("Cannot open an ICMP socket: ") + std::strerror(errno));

  if (PayloadSize < 0) PayloadSize = 0;
  if (PayloadSize > 65000) PayloadSize = 65000;
  const std::uint16_t id = static_cast<std::uint16_t>(::getpid());
  const std::uint16_t seq = NextSequence();
  std::vector<unsigned char> packet(8 + static_cast<std::size_t>(PayloadSize));
  packet[0] = ICMP_ECHO;
  packet[4] = static_cast<unsigned char>(id >> 8);
  packet[5] = static_cast<unsigned char>(id);
  packet[6] = static_cast<unsigned char>(seq >> 8);
  packet[7] = static_cast<unsigned char>(seq);
  for (std::size_t i = 8; i < packet.size(); ++i) packet[i] = static_cast<unsigned char>('a' + (i - 8) % 23);
  std::uint16_t sum = Checksum(packet.data(), packet.size());
  packet[2] = static_cast<unsigned char>(sum >> 8);
  packet[3] = static_cast<unsigned char>(sum);

  auto start = std::chrono::steady_clock::now();
  if (::sendto(s.fd, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) < 0)
    throw ESocketError(std::string("Cannot send the echo request: ") + std::strerror(errno));

  TEchoReply reply;
  std::vector<unsigned char> buf(packet.size() + 128);
  auto deadline = start + std::chrono::milliseconds(TimeoutMs > 0 ? TimeoutMs : 0);
  while (true) {
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return reply;
    pollfd pfd{s.fd, POLLIN, 0};
    int ready = ::poll(&pfd, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return reply;
    sockaddr_in from{};
    socklen_t fromLen = sizeof from;
    ssize_t n = ::recvfrom(s.fd, buf.data(), buf.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
    if (n <= 0) continue;
    const unsigned char* icmp = buf.data();
    std::size_t len = static_cast<std::size_t>(n);
    if (s.raw) {
      // A raw socket hands over the IP header too, and every ICMP packet.
      std::size_t ihl = static_cast<std::size_t>(buf[0] & 0x0F) * 4;
      if (len < ihl + 8 || from.sin_addr.s_addr != to.sin_addr.s_addr) continue;
      icmp += ihl;
      len -= ihl;
      if ((icmp[4] << 8 | icmp[5]) != id) continue;
    }
    if (len < 8 || icmp[0] != ICMP_ECHOREPLY || (icmp[6] << 8 | icmp[7]) != seq) continue;
    reply.Answered = true;
    reply.BytesReceived = static_cast<int>(len);
    reply.RoundTripMs = static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count());
    return reply;
  }
}
