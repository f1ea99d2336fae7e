#include "device/ProgressStatus.h"

#include "host/AppContext.h"
#include "host/ProgressDisplay.h"
#include "host/UiServices.h"

void showProgressStatus(AppContext& context, const QString& text)
{
    if (!context.progress.progressVisible())
        context.progress.showProgress(false);
    context.progress.setStatus(text);
    context.ui.processEvents();
}

void closeProgressWindows(AppContext& context)
{
    context.progress.closeProgress();
    context.progress.closeSplash();
}
