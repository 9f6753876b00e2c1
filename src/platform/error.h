#pragma once
// Every failure of a platform service is one of these, so that the routines' failure rules
// (pass over, trap and show, or let through) have one type to act on.
#include <stdexcept>
#include <string>

namespace platform {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace platform
