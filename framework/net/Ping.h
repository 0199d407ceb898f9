#pragma once
// ICMP echo: one request to an IPv4 host and the wait for its answer.
//
// It uses an unprivileged ping socket where the system allows one
// (net.ipv4.ping_group_range), else a raw socket (root or CAP_NET_RAW).
// Behind an interface so that callers can be tested with a fake.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/rtl/SysUtils.h"

// No ICMP socket may be opened by this process: the system allows neither
// ping sockets for its group nor raw sockets for it.
CF_DECLARE_EXCEPTION(EIcmpUnavailable, ESocketError)

struct TEchoReply {
  bool Answered = false;
  // Bytes of the answer (ICMP header and echo data); 0 when no answer came
  // in time.
  int BytesReceived = 0;
  std::uint32_t RoundTripMs = 0;
};

class IPinger {
 public:
  virtual ~IPinger() = default;
  // Sends one echo with PayloadSize bytes of data and waits at most
  // TimeoutMs for the answer. Raises ESocketError when the host cannot be
  // resolved, EIcmpUnavailable when no ICMP socket can be opened.
  virtual TEchoReply Echo(const std::string& Host, int PayloadSize, int TimeoutMs) = 0;
};

class TIcmpPinger : public IPinger {
 public:
  TEchoReply Echo(const std::string& Host, int PayloadSize, int TimeoutMs) override;
};

// Whether this process may send echoes at all (for tests to skip).
bool IcmpAvailable();
