#pragma once

#include <QString>
#include <optional>

class QTextStream;

// One line redrawn in place on a terminal: the device under way and the time left; nothing when
// stderr is a file or a pipe.
class ProgressBar final
{
public:
    explicit ProgressBar(QTextStream& err);

    void show(int number, int count, const QString& device, std::optional<qint64> secondsLeft);
    void clear();

private:
    QTextStream& m_err;
    bool m_shown;
    int m_lastWidth = 0;
};
