#include "host/StepRunner.h"

#include <utility>

StepRunner::StepRunner(Handler handler) : StepRunner(std::move(handler), RetryPolicy{}) {}

StepRunner::StepRunner(Handler handler, RetryPolicy policy, RetryReport onRetry)
    : m_handler(std::move(handler)), m_policy(policy), m_onRetry(std::move(onRetry)),
      m_silentLeft(policy.silentRetries)
{
}

StepRunner::Outcome StepRunner::run(const std::function<void()>& step)
{
    if (m_aborted)
        return Outcome::Aborted;
    if (m_policy.scope == RetryScope::EachStep)
        m_silentLeft = m_policy.silentRetries;
    for (;;) {
        try {
            step();
            return Outcome::Done;
        } catch (const lns::Error& error) {
            if (m_silentLeft > 0) {
                --m_silentLeft;
                if (m_onRetry)
                    m_onRetry(error);
                continue;
            }
            // Without a handler nobody can decide, so the procedure leaves as on Abort.
            const UiServices::Answer answer = m_handler ? m_handler(error) : UiServices::Answer::Abort;
            if (answer == UiServices::Answer::Retry || answer == UiServices::Answer::Ignore)
                m_silentLeft = m_policy.silentRetries;
            if (answer == UiServices::Answer::Retry)
                continue;
            if (answer == UiServices::Answer::Ignore)
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

StepRunner::Handler StepRunner::messageBox(UiServices& ui, const QString& suffix, const QString& title)
{
    return [&ui, suffix, title](const lns::Error& error) {
        const UiServices::Answer answer =
            ui.message(error.description() + suffix, title, UiServices::Icon::Critical,
                       UiServices::Buttons::AbortRetryIgnore);
        // A box closed without a choice leaves the procedure.
        if (answer == UiServices::Answer::Retry || answer == UiServices::Answer::Ignore)
            return answer;
        return UiServices::Answer::Abort;
    };
}
