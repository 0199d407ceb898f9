#pragma once
// Interleaved rounds: the code under test and its peer (or floor) run one
// after the other in every round, the order turned each round, so both see
// the same moment of a shared machine. The figure is the median of the
// per-round ratios, which a burst of load on one round cannot move.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace benchrounds {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

inline double Median(std::vector<double> V) {
  if (V.empty()) return 0;
  std::sort(V.begin(), V.end());
  const std::size_t n = V.size();
  return n % 2 ? V[n / 2] : (V[n / 2 - 1] + V[n / 2]) / 2;
}

// Times of each side per round.
class TRounds {
 public:
  // One round: Ours and Peer timed, in turned order. BeforeOurs() runs
  // untimed just before Ours (a fresh object for it to fill, say).
  template <class FOurs, class FPeer>
  void Round(FOurs Ours, FPeer Peer) {
    Round(Ours, Peer, [] {});
  }
  template <class FOurs, class FPeer, class FBefore>
  void Round(FOurs Ours, FPeer Peer, FBefore BeforeOurs) {
    double ours = 0, peer = 0;
    auto timeOurs = [&] {
      BeforeOurs();
      const auto t0 = Clock::now();
      Ours();
      ours = Seconds(t0);
    };
    auto timePeer = [&] {
      const auto t0 = Clock::now();
      Peer();
      peer = Seconds(t0);
    };
    if (peerFirst_) {
      timePeer();
      timeOurs();
    } else {
      timeOurs();
      timePeer();
    }
    peerFirst_ = !peerFirst_;
    ours_.push_back(ours);
    peer_.push_back(peer);
  }

  // Counters: <ours>_ms, <peer>_ms (medians) and ratio (median of ratios).
  void Report(benchmark::State& State, const std::string& OursName, const std::string& PeerName,
              const std::string& RatioName = "ratio") const {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours_.size(); ++i)
      if (peer_[i] > 0) ratios.push_back(ours_[i] / peer_[i]);
    State.counters[OursName + "_ms"] = Median(ours_) * 1e3;
    State.counters[PeerName + "_ms"] = Median(peer_) * 1e3;
    State.counters[RatioName] = Median(ratios);
  }

 private:
  bool peerFirst_ = false;
  std::vector<double> ours_, peer_;
};

}  // namespace benchrounds
