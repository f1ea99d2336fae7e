#include "host/StepRunner.h"

#include <utility>

StepRunner::StepRunner(Handler handler) : m_handler(std::move(handler)) {}

StepRunner::StepRunner(Handler handler, SilentRetries silent)
    : m_handler(std::move(handler)), m_silent(std::move(silent)), m_silentLeft(m_silent.count)
{
}

StepRunner::Outcome StepRunner::run(const std::function<void()>& step)
{
    if (m_aborted)
        return Outcome::Aborted;
    if (m_silent.scope == RetryScope::EachStep)
        m_silentLeft = m_silent.count;
    for (;;) {
        try {
            step();
            return Outcome::Done;
        } catch (const lns::Error& error) {
            if (m_silentLeft > 0) {
                --m_silentLeft;
                if (m_silent.onRetry)
                    m_silent.onRetry(error);
                continue;
            }
            // Without a handler nobody can decide, so the procedure leaves as on Abort.
            const Ui::Answer answer = m_handler ? m_handler(error) : Ui::Answer::Abort;
            if (answer == Ui::Answer::Retry || answer == Ui::Answer::Ignore)
                m_silentLeft = m_silent.count;
            if (answer == Ui::Answer::Retry)
                continue;
            if (answer == Ui::Answer::Ignore)
                return Outcome::Ignored;
            m_aborted = true;
            return Outcome::Aborted;
        }
    }
}

StepRunner::Outcome StepRunner::runStatus(const std::function<int()>& step)
{
    return run([&] {
        if (const int status = step(); status != 0)
            throw lns::Error(status, QString());
    });
}

StepRunner::Outcome StepRunner::runChecked(const std::function<bool()>& step)
{
    return runStatus([&] { return step() ? 0 : 1; });
}

StepRunner::Handler StepRunner::messageBox(Ui& ui, const QString& suffix, const QString& title)
{
    return [&ui, suffix, title](const lns::Error& error) {
        const Ui::Answer answer = ui.message(error.description() + suffix, title, Ui::Icon::Critical,
                                             Ui::Buttons::AbortRetryIgnore);
        // A box closed without a choice leaves the procedure.
        if (answer == Ui::Answer::Retry || answer == Ui::Answer::Ignore)
            return answer;
        return Ui::Answer::Abort;
    };
}
