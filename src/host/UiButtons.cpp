#include "host/UiButtons.h"

namespace ui_buttons {

QList<UiServices::Answer> offered(UiServices::Buttons buttons)
{
    switch (buttons) {
    case UiServices::Buttons::Ok:
        return {UiServices::Answer::Ok};
    case UiServices::Buttons::OkCancel:
        return {UiServices::Answer::Ok, UiServices::Answer::Cancel};
    case UiServices::Buttons::AbortRetryIgnore:
        return {UiServices::Answer::Abort, UiServices::Answer::Retry, UiServices::Answer::Ignore};
    case UiServices::Buttons::YesNoCancel:
        return {UiServices::Answer::Yes, UiServices::Answer::No, UiServices::Answer::Cancel};
    case UiServices::Buttons::YesNo:
        return {UiServices::Answer::Yes, UiServices::Answer::No};
    case UiServices::Buttons::RetryCancel:
        return {UiServices::Answer::Retry, UiServices::Answer::Cancel};
    }
    return {UiServices::Answer::Ok};
}

UiServices::Answer dismissed(UiServices::Buttons buttons)
{
    const QList<UiServices::Answer> answers = offered(buttons);
    for (UiServices::Answer answer :
         {UiServices::Answer::Cancel, UiServices::Answer::No, UiServices::Answer::Abort})
        if (answers.contains(answer))
            return answer;
    return answers.first();
}

} // namespace ui_buttons
