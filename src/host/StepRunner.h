#pragma once

#include "host/UiServices.h"
#include "host/object_server/Error.h"

#include <functional>

// Runs the steps of a procedure that talks to the object server. A step that fails is first
// repeated silently as the procedure's retry policy allows (each repetition reported, for example
// as a log line), then handed to the procedure's own handler, which answers Abort, Retry or
// Ignore: Retry runs the step again, Ignore goes on with the next step, Abort leaves.
class StepRunner final
{
public:
    enum class Outcome
    {
        Done,
        Ignored,
        Aborted
    };
    // The procedure's own error handler: shows its message and returns the user's answer
    // (UiServices::Answer::Abort, Retry or Ignore).
    using Handler = std::function<UiServices::Answer(const lns::Error& error)>;

    // Whose budget the silent retries are.
    enum class RetryScope
    {
        // Each step has its own: a success starts the next step with the full count, so a long
        // run with rare faults never wears it down.
        EachStep,
        // One budget for every step of the runner, as a procedure may prescribe.
        WholeRun
    };

    // A procedure's retry policy: how often a failing call is repeated without asking before its
    // handler is asked (none: asked at the first failure), per call or for the whole routine.
    // Once the handler has answered Retry or Ignore the budget is full again: Retry starts the
    // call over, and the next step starts afresh. Each procedure names its own.
    struct RetryPolicy
    {
        int silentRetries = 0;
        RetryScope scope = RetryScope::EachStep;
    };
    using RetryReport = std::function<void(const lns::Error& error)>;

    // Asks the handler at the first failure.
    explicit StepRunner(Handler handler);
    // onRetry hears of each silent repetition.
    StepRunner(Handler handler, RetryPolicy policy, RetryReport onRetry = {});

    // Runs one step until it succeeds, is ignored or aborted; the step fails by throwing
    // lns::Error. After Aborted, aborted() stays true and later steps are not run.
    Outcome run(const std::function<void()>& step);
    // The same for a call that reports failure as a status instead: anything but 0 fails,
    // handed on as an lns::Error with that number and no description.
    Outcome runStatus(const std::function<int()>& step);
    // The same for a step that only says whether it worked.
    Outcome runChecked(const std::function<bool()>& step);

    bool aborted() const { return m_aborted; }

    // A handler showing "description + suffix" with the given title, critical icon and
    // Abort / Retry / Ignore, the form most procedures use.
    static Handler messageBox(UiServices& ui, const QString& suffix, const QString& title);

private:
    Handler m_handler;
    RetryPolicy m_policy;
    RetryReport m_onRetry;
    // Silent retries left in the current budget.
    int m_silentLeft = 0;
    bool m_aborted = false;
};
