#pragma once

#include <QString>

// The two busy windows: the one-line progress window (fProgress) and the splash window
// (fStartbild) with its device-search progress bar.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay() = default;

    // Shows the progress window; with startPosition it is moved once to the start position
    // that the automation interface and stand-alone deregistration use.
    virtual void showProgress(bool startPosition) = 0;
    virtual void setStatus(const QString& text) = 0;
    virtual QString status() const = 0;
    virtual bool progressVisible() const = 0;
    // Unloads the progress window; restores the default mouse pointer.
    virtual void closeProgress() = 0;

    virtual void showSplash() = 0;
    virtual bool splashVisible() const = 0;
    virtual void closeSplash() = 0;
    // Device search shown on the splash window (Progr_Geraete, lblGeraet).
    virtual void setSearchVisible(bool visible) = 0;
    virtual void setSearchRange(int maximum) = 0;
    virtual void setSearchValue(int value) = 0;
    virtual void setSearchText(const QString& text) = 0;
};
