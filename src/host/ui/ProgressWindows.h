#pragma once

#include "host/ProgressDisplay.h"
#include "host/ui/fProgress.h"
#include "host/ui/fStartbild.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

class UiServices;

// The progress window fProgress and the splash window fStartbild on the screen, placed by
// their own rules (computed on the screen's available area, in pixels).
class ProgressWindows final : public QObject, public ProgressDisplay
{
    Q_OBJECT

public:
    explicit ProgressWindows(UiServices& ui, QObject* parent = nullptr);
    ~ProgressWindows() override;
    ProgressWindows(const ProgressWindows&) = delete;
    ProgressWindows& operator=(const ProgressWindows&) = delete;

    // Where the progress window places itself, and its start position after a command shows it.
    static QPoint progressPosition(const QRect& screen, const QSize& own, int splashHeight);
    static QPoint progressStartPosition(const QRect& screen, const QSize& own, int splashHeight);
    // The splash window centres itself, a little lower than the middle.
    static QPoint splashPosition(const QRect& screen, const QSize& own);

    void showProgress(bool startPosition) override;
    // Changing the text of a loaded window brings it back to its own place; without a loaded
    // window the text is only kept.
    void setStatus(const QString& text) override;
    QString status() const override;
    bool progressVisible() const override;
    void closeProgress() override;

    void showSplash() override;
    bool splashVisible() const override;
    void closeSplash() override;
    void setSearchVisible(bool visible) override;
    void setSearchRange(int maximum) override;
    void setSearchValue(int value) override;
    void setSearchText(const QString& text) override;

    // The windows while loaded; null otherwise.
    fProgress* progressWindow() const { return m_progress; }
    fStartbild* splashWindow() const { return m_splash; }

private:
    static QRect screenArea();
    fStartbild& loadSplash();
    int splashHeight();
    void placeProgress();
    void onProgressActivated();

    UiServices& m_ui;
    QPointer<fProgress> m_progress;
    QPointer<fStartbild> m_splash;
    QString m_status;
    // The activation that comes with showing the window must not undo the start position.
    bool m_ignoreActivation = false;
};
