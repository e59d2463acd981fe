#include "clocksim_process.h"

#include <QDeadlineTimer>
#include <QFile>

ClocksimProcess::ClocksimProcess(const QStringList &arguments)
    : ClocksimProcess(qEnvironmentVariable("TAMREL_BIN_DIR") + QStringLiteral("/tamrel-clocksim"), arguments)
{
}

ClocksimProcess::ClocksimProcess(const QString &program, const QStringList &arguments)
    : m_linkPath(m_folder.filePath(QStringLiteral("clock-link")))
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(program, QStringList{QStringLiteral("--link"), m_linkPath} + arguments);
    const QByteArray expected = "ready " + m_linkPath.toLocal8Bit() + '\n';
    const QDeadlineTimer deadline(10000);
    QByteArray said;
    while (!said.contains('\n') && m_process.waitForReadyRead(int(deadline.remainingTime())))
        said += m_process.readAllStandardOutput();
    m_ready = said == expected;
    if (!m_ready)
        m_error = QStringLiteral("%1 said \"%2\", errors \"%3\" (%4)")
                      .arg(program, QString::fromLocal8Bit(said),
                           QString::fromLocal8Bit(m_process.readAllStandardError()), m_process.errorString());
}

ClocksimProcess::~ClocksimProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

void ClocksimProcess::kill()
{
    // The link goes first: the terminal's number is taken again at once by
    // others, and the link would lead there.
    QFile::remove(m_linkPath);
    m_process.kill();
    m_process.waitForFinished(5000);
}
