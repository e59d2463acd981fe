#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A running tamrel-clocksim on a link in a folder of its own. Stopped with
// SIGTERM when the object goes.
class ClocksimProcess {
public:
    // Takes the program from TAMREL_BIN_DIR, as tests are given it.
    explicit ClocksimProcess(const QStringList &arguments);
    ClocksimProcess(const QString &program, const QStringList &arguments);
    ~ClocksimProcess();
    ClocksimProcess(const ClocksimProcess &) = delete;
    ClocksimProcess &operator=(const ClocksimProcess &) = delete;

    // False when it did not say "ready" within ten seconds; errorText() says why.
    bool isReady() const { return m_ready; }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    QString errorText() const { return m_error; }

    QString linkPath() const { return m_linkPath; }

    // Ends the clock at once, as a pulled cable or a switched-off clock would.
    void kill();

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_linkPath;
    QString m_error;
    bool m_ready = false;
};
