// SIGTERM, SIGINT and SIGHUP as a close request (platform-internal).
//
// The handler only writes a byte to a pipe, so the display can wait on it beside the
// X connection and turn it into an ordinary close request for the program to answer.
// The previous handlers come back when this goes.
#pragma once

#include <csignal>

namespace platform::x11 {

class CloseSignals {
 public:
  CloseSignals();
  ~CloseSignals();
  CloseSignals(const CloseSignals&) = delete;
  CloseSignals& operator=(const CloseSignals&) = delete;

  // The pipe's reading end: readable once a signal came.
  int fd() const;
  // Whether a signal came since the last call.
  bool Take();
  // Whether a signal came that Take has not taken yet.
  bool pending() const;
};

}  // namespace platform::x11
