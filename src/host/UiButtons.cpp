#include "host/UiButtons.h"

namespace ui_buttons {

QList<Ui::Answer> offered(Ui::Buttons buttons)
{
    switch (buttons) {
    case Ui::Buttons::Ok:
        return {Ui::Answer::Ok};
    case Ui::Buttons::OkCancel:
        return {Ui::Answer::Ok, Ui::Answer::Cancel};
    case Ui::Buttons::AbortRetryIgnore:
        return {Ui::Answer::Abort, Ui::Answer::Retry, Ui::Answer::Ignore};
    case Ui::Buttons::YesNoCancel:
        return {Ui::Answer::Yes, Ui::Answer::No, Ui::Answer::Cancel};
    case Ui::Buttons::YesNo:
        return {Ui::Answer::Yes, Ui::Answer::No};
    case Ui::Buttons::RetryCancel:
        return {Ui::Answer::Retry, Ui::Answer::Cancel};
    }
    return {Ui::Answer::Ok};
}

Ui::Answer dismissed(Ui::Buttons buttons)
{
    const QList<Ui::Answer> answers = offered(buttons);
    for (Ui::Answer answer : {Ui::Answer::Cancel, Ui::Answer::No, Ui::Answer::Abort})
        if (answers.contains(answer))
            return answer;
    return answers.first();
}

} // namespace ui_buttons
