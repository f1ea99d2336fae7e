#pragma once

#include "host/ProgressDisplay.h"

#include <QStringList>

// The progress and splash windows as a record: what was shown, every status text in order.
class RecordingProgress final : public ProgressDisplay
{
public:
    void showProgress(bool) override { m_progressVisible = true; }
    void setStatus(const QString& text) override { m_statuses.append(text); }
    QString status() const override { return m_statuses.isEmpty() ? QString() : m_statuses.last(); }
    bool progressVisible() const override { return m_progressVisible; }
    void closeProgress() override { m_progressVisible = false; }

    void showSplash() override { m_splashVisible = true; }
    bool splashVisible() const override { return m_splashVisible; }
    void closeSplash() override { m_splashVisible = false; }
    void setSearchVisible(bool) override {}
    void setSearchRange(int) override {}
    void setSearchValue(int) override {}
    void setSearchText(const QString&) override {}

    const QStringList& statuses() const { return m_statuses; }

private:
    QStringList m_statuses;
    bool m_progressVisible = false;
    bool m_splashVisible = false;
};
