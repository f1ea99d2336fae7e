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
    void setSearchVisible(bool visible) override { m_searchVisible = visible; }
    void setSearchRange(int maximum) override { m_searchRange = maximum; }
    void setSearchValue(int value) override { m_searchValue = value; }
    void setSearchText(const QString& text) override { m_searchText = text; }

    const QStringList& statuses() const { return m_statuses; }
    int startPositions() const { return m_startPositions; }
    int closeCount() const { return m_closeCount; }
    bool searchVisible() const { return m_searchVisible; }
    int searchRange() const { return m_searchRange; }
    int searchValue() const { return m_searchValue; }
    const QString& searchText() const { return m_searchText; }

private:
    QStringList m_statuses;
    bool m_visible = false;
    bool m_splashVisible = false;
    int m_startPositions = 0;
    int m_closeCount = 0;
    bool m_searchVisible = false;
    int m_searchRange = 0;
    int m_searchValue = 0;
    QString m_searchText;
};
