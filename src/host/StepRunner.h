#pragma once

#include "host/Ui.h"
#include "host/object_server/Error.h"

#include <functional>

// Runs the steps of a procedure that talks to the object server. A step that throws
// lns::Error is handed to the procedure's own handler, which answers Abort, Retry or Ignore:
// Retry runs the step again, Ignore goes on with the next step, Abort leaves.
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
    // (Ui::Answer::Abort, Retry or Ignore).
    using Handler = std::function<Ui::Answer(const lns::Error& error)>;

    explicit StepRunner(Handler handler);

    // Runs one step until it succeeds, is ignored or aborted. After Aborted, aborted() stays
    // true and later steps are not run.
    Outcome run(const std::function<void()>& step);

    bool aborted() const { return m_aborted; }

    // A handler showing "description + suffix" with the given title, critical icon and
    // Abort / Retry / Ignore, the form most procedures use.
    static Handler messageBox(Ui& ui, const QString& suffix, const QString& title);

private:
    Handler m_handler;
    bool m_aborted = false;
};
