#pragma once

#include "transfer/ParameterSetWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

class NetworkSession;
class QTextStream;

// zep31ctl apply: a saved parameter file written to many devices, one after the other. A
// device that fails is reported and the run goes on; the status is 0 only when every device
// succeeded. On a terminal a progress bar shows the device and the time left.
class ApplyCommand final
{
public:
    struct Options
    {
        QString file;
        QStringList devices;
        QString programId;
        ParameterSetWriter::Options writer;
        QString report;
        bool verbose = false;
    };

    ApplyCommand(NetworkSession& session, QTextStream& out, QTextStream& err);
    ApplyCommand(const ApplyCommand&) = delete;
    ApplyCommand& operator=(const ApplyCommand&) = delete;

    int run(const Options& options);

    // The per-device results as a JSON document or CSV table, by the file name's extension.
    static QByteArray report(const QString& fileName, const QString& parameterFile,
                             const QList<ParameterSetWriter::Result>& results, const PointTables& points);

private:
    void printResult(const ParameterSetWriter::Result& result, bool dryRun);

    NetworkSession& m_session;
    QTextStream& m_out;
    QTextStream& m_err;
};
