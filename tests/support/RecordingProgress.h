#pragma once

#include "host/ProgressDisplay.h"

#include <QStringList>

// A progress display that keeps every status text and the state of both windows.
class RecordingProgress final : public ProgressDisplay
{
public:
    void showProgress(bool startPosition) override
    {
        m_visible = true;
        m_startPositions += startPosition ? 1 : 0;
    }
    void setStatus(const QString& text) override { m_statuses.append(text); }
    QString status() const override { return m_statuses.value(m_statuses.size() - 1); }
    bool progressVisible() const override { return m_visible; }
    void closeProgress() override
    {
        m_visible = false;
        ++m_closeCount;
    }

    void showSplash() override { m_splashVisible = true; }
    bool splashVisible() const override { return m_splashVisible; }
    void closeSplash() override { m_splashVisible = false; }
    void setSearchVisible(bool) override {}
    void setSearchRange(int) override {}
    void setSearchValue(int) override {}
    void setSearchText(const QString&) override {}

    const QStringList& statuses() const { return m_statuses; }
    int startPositions() const { return m_startPositions; }
    int closeCount() const { return m_closeCount; }

private:
    QStringList m_statuses;
    bool m_visible = false;
    bool m_splashVisible = false;
    int m_startPositions = 0;
    int m_closeCount = 0;
};
