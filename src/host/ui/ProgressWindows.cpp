#include "host/ui/ProgressWindows.h"

#include "host/UiServices.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <cmath>

namespace {

int rounded(double value)
{
    return static_cast<int>(std::lround(value));
}

QPoint placed(const QRect& screen, const QSize& own, int splashHeight, double widthDivisor)
{
    const double left = (screen.width() - (own.width() + splashHeight / widthDivisor)) / 2.0;
    const double top = (screen.height() - (own.height() - splashHeight / 1.1)) / 2.0;
    return screen.topLeft() + QPoint(rounded(left), rounded(top));
}

} // namespace

ProgressWindows::ProgressWindows(UiServices& ui, QObject* parent) : QObject(parent), m_ui(ui) {}

ProgressWindows::~ProgressWindows()
{
    delete m_progress;
    delete m_splash;
}

QPoint ProgressWindows::progressPosition(const QRect& screen, const QSize& own, int splashHeight)
{
    return placed(screen, own, splashHeight, 50.1);
}

QPoint ProgressWindows::progressStartPosition(const QRect& screen, const QSize& own, int splashHeight)
{
    return placed(screen, own, splashHeight, 2.1);
}

QPoint ProgressWindows::splashPosition(const QRect& screen, const QSize& own)
{
    return screen.topLeft() + QPoint(rounded((screen.width() - own.width()) / 2.0),
                                     rounded((screen.height() - own.height() + 15) / 2.0));
}

QRect ProgressWindows::screenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

fStartbild& ProgressWindows::loadSplash()
{
    if (!m_splash) {
        m_splash = new fStartbild;
        m_splash->move(splashPosition(screenArea(), m_splash->frameGeometry().size()));
    }
    return *m_splash;
}

int ProgressWindows::splashHeight()
{
    return loadSplash().frameGeometry().height();
}

void ProgressWindows::placeProgress()
{
    if (m_progress)
        m_progress->move(progressPosition(screenArea(), m_progress->frameGeometry().size(), splashHeight()));
}

void ProgressWindows::onProgressActivated()
{
    if (m_ignoreActivation) {
        m_ignoreActivation = false;
        return;
    }
    placeProgress();
}

void ProgressWindows::showProgress(bool startPosition)
{
    if (!m_progress) {
        m_progress = new fProgress;
        connect(m_progress, &fProgress::activated, this, &ProgressWindows::onProgressActivated);
        m_status = m_progress->status();
        placeProgress();
        m_ui.setPointer(UiServices::Pointer::Hourglass);
    }
    if (!m_progress->isVisible()) {
        m_ignoreActivation = true;
        m_progress->show();
        placeProgress();
    }
    if (startPosition)
        m_progress->move(
            progressStartPosition(screenArea(), m_progress->frameGeometry().size(), splashHeight()));
}

void ProgressWindows::setStatus(const QString& text)
{
    m_status = text;
    if (!m_progress)
        return;
    m_progress->setStatus(text);
    placeProgress();
}

QString ProgressWindows::status() const
{
    return m_status;
}

bool ProgressWindows::progressVisible() const
{
    return m_progress && m_progress->isVisible();
}

void ProgressWindows::closeProgress()
{
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
        m_progress.clear();
    }
    m_ui.setPointer(UiServices::Pointer::Default);
}

void ProgressWindows::showSplash()
{
    fStartbild& splash = loadSplash();
    splash.show();
    splash.raise();
}

bool ProgressWindows::splashVisible() const
{
    return m_splash && m_splash->isVisible();
}

void ProgressWindows::closeSplash()
{
    if (!m_splash)
        return;
    m_splash->hide();
    m_splash->deleteLater();
    m_splash.clear();
}

void ProgressWindows::setSearchVisible(bool visible)
{
    loadSplash().Progr_Geraete()->setVisible(visible);
}

void ProgressWindows::setSearchRange(int maximum)
{
    loadSplash().Progr_Geraete()->setMaximum(maximum);
}

void ProgressWindows::setSearchValue(int value)
{
    loadSplash().Progr_Geraete()->setValue(value);
}

void ProgressWindows::setSearchText(const QString& text)
{
    loadSplash().lblGeraet()->setText(text);
}
