#pragma once
// The failure rules of the routines, in one place.
//
//  - ResumeNext: every step is attempted; a failing step is passed over and the routine goes
//    on with the next. A failing condition counts as held, so the steps it governs still run.
//  - trapAll: the first failure ends the body and is handed, as one message, to the handler.
//  - AllOrNothing: each step that ran leaves its undo; when a later step fails, the undos run,
//    newest first, and the failure goes on, so that files and rows are left as they were.
//
// A routine with none of them is plain code: its failures reach its caller.
#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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

// Steps that stand or fall together. A step that fails first takes back what the earlier steps
// did (each undo that fails in turn is passed over: the rest still run) and then fails itself.
class AllOrNothing {
public:
    AllOrNothing() = default;
    AllOrNothing(const AllOrNothing&) = delete;
    AllOrNothing& operator=(const AllOrNothing&) = delete;

    template <class Step>
    void operator()(Step&& step)
    {
        try {
            std::forward<Step>(step)();
        } catch (...) {
            undoAll();
            throw;
        }
    }

    // The undo is kept once the step has run.
    template <class Step, class Undo>
    void operator()(Step&& step, Undo&& undo)
    {
        (*this)(std::forward<Step>(step));
        undos_.emplace_back(std::forward<Undo>(undo));
    }

private:
    void undoAll() noexcept
    {
        ResumeNext next;
        for (auto it = undos_.rbegin(); it != undos_.rend(); ++it)
            next(*it);
        undos_.clear();
    }

    std::vector<std::function<void()>> undos_;
};

} // namespace shared
