#pragma once
// The two trapping failure rules of the routines, in one place.
//
//  - ResumeNext: every step is attempted; a failing step is passed over and the routine goes
//    on with the next. A failing condition counts as held, so the steps it governs still run.
//  - trapAll: the first failure ends the body and is handed, as one message, to the handler.
//
// A routine with neither rule is plain code: its failures reach its caller.
#include <exception>
#include <string>
#include <utility>

namespace shared {

class ResumeNext {
public:
    // Runs one step; its failure is noted and swallowed.
    template <class Step>
    void operator()(Step&& step) noexcept
    {
        try {
            std::forward<Step>(step)();
        } catch (const std::exception& e) {
            note(e.what());
        } catch (...) {
            note("unknown failure");
        }
    }

    // Evaluates a condition; one that cannot be evaluated counts as true.
    template <class Condition>
    bool holds(Condition&& condition) noexcept
    {
        try {
            return static_cast<bool>(std::forward<Condition>(condition)());
        } catch (const std::exception& e) {
            note(e.what());
        } catch (...) {
            note("unknown failure");
        }
        return true;
    }

    // Evaluates a value; one that cannot be had gives the fallback.
    template <class T, class Value>
    T value(Value&& value, T fallback) noexcept
    {
        try {
            return std::forward<Value>(value)();
        } catch (const std::exception& e) {
            note(e.what());
        } catch (...) {
            note("unknown failure");
        }
        return fallback;
    }

    bool anyFailed() const noexcept { return failures_ > 0; }
    int failures() const noexcept { return failures_; }
    const std::string& lastFailure() const noexcept { return last_; }

private:
    void note(const char* what) noexcept
    {
        ++failures_;
        try {
            last_ = what;
        } catch (...) {
        }
    }

    int failures_ = 0;
    std::string last_;
};

// Runs body; on the first failure stops it and calls onFailure(message). True when the body
// ran to its end.
template <class Body, class Handler>
bool trapAll(Body&& body, Handler&& onFailure)
{
    std::string message;
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "unknown failure";
    }
    std::forward<Handler>(onFailure)(message);
    return false;
}

} // namespace shared
