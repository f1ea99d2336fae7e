#pragma once

#include "host/Log.h"

#include <QList>

class QTextStream;

// The transfer's log: kept for nobody but shown on stderr when asked for (--verbose).
class StreamLog final : public Log
{
public:
    StreamLog(QTextStream& err, bool verbose) : m_err(err), m_verbose(verbose) {}

    void addInformation(const QString& text) override { add(text); }
    void addError(const QString& text) override { add(text); }
    void clear() override {}
    bool save() override { return false; }
    bool saveAs() override { return false; }
    const QList<Entry>& entries() const override { return m_none; }

private:
    void add(const QString& text);

    QTextStream& m_err;
    bool m_verbose;
    QList<Entry> m_none;
};
