#include "echlog/EchLog.h"

#include "echlog/LogLines.h"
#include "host/AtomicFile.h"
#include "host/LonWorksHome.h"
#include "host/UiServices.h"

#include <QFileInfo>
#include <QListView>
#include <QVBoxLayout>

namespace {

QString escaped(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            result += QStringLiteral("\\\\");
            break;
        case u'\t':
            result += QStringLiteral("\\t");
            break;
        case u'\r':
            result += QStringLiteral("\\r");
            break;
        case u'\n':
            result += QStringLiteral("\\n");
            break;
        default:
            result += c;
        }
    }
    return result;
}

} // namespace

EchLog::EchLog(UiServices& ui, QWidget* parent)
    : QWidget(parent), m_ui(ui), m_lines(new LogLines(this)), m_view(new QListView(this))
{
    setObjectName(QStringLiteral("EchLog"));
    m_view->setObjectName(QStringLiteral("EchLogView"));
    m_view->setModel(m_lines);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setUniformItemSizes(true);
    m_follow.setSingleShot(true);
    m_follow.setInterval(50);
    connect(&m_follow, &QTimer::timeout, m_view, &QListView::scrollToBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void EchLog::addInformation(const QString& text)
{
    add(Level::Information, text);
}

void EchLog::addError(const QString& text)
{
    add(Level::Error, text);
}

void EchLog::add(Level level, const QString& text)
{
    m_entries.append(Entry{QDateTime::currentDateTime(), level, text});

    m_lines->append(text, level == Level::Error);
    // Follow the newest line, as a log is read from the bottom. Scrolling lays out every row,
    // so a burst of lines scrolls at most every few hundredths of a second, and not while hidden.
    if (m_view->isVisible() && !m_follow.isActive())
        m_follow.start();
}

void EchLog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_follow.start();
}

void EchLog::clear()
{
    m_entries.clear();
    m_lines->clear();
}

bool EchLog::save()
{
    if (m_fileName.isEmpty())
        return saveAs();
    return writeTo(m_fileName);
}

bool EchLog::saveAs()
{
    UiServices::FileDialog dialog;
    dialog.title = QStringLiteral("Save Log As");
    dialog.filter = QStringLiteral("Log Files (*.log)|*.log|All Files (*)|*");
    dialog.initialFolder =
        m_fileName.isEmpty() ? lonworks_home::path() : QFileInfo(m_fileName).absolutePath();
    dialog.confirmOverwrite = true;
    const QString fileName = m_ui.saveFileName(dialog);
    if (fileName.isEmpty())
        return false;
    if (!writeTo(fileName))
        return false;
    m_fileName = fileName;
    return true;
}

QString EchLog::fileLine(const Entry& entry)
{
    const QDateTime local = entry.time.toLocalTime();
    const QString stamp = local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
    const QString level = entry.level == Level::Error ? QStringLiteral("E") : QStringLiteral("I");
    return stamp + QLatin1Char('\t') + level + QLatin1Char('\t') + escaped(entry.text);
}

bool EchLog::writeTo(const QString& fileName)
{
    QByteArray content;
    for (const Entry& entry : std::as_const(m_entries))
        content += fileLine(entry).toUtf8() + '\n';

    const Expected<void> written = AtomicFile::write(fileName, content);
    if (written)
        return true;
    m_ui.message(QStringLiteral("The log could not be saved to \"%1\": %2").arg(fileName, written.error()),
                 QStringLiteral("Save Log"), UiServices::Icon::Critical);
    return false;
}
