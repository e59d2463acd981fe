#include "child_process.h"

#include <QFile>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

bool dropRoot()
{
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(Nobody) == 0 && setuid(Nobody) == 0);
}

} // namespace

pid_t StartChild(const std::function<int()> &body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        int result = 255;
        try {
            result = body();
        } catch (...) {
        }
        _exit(result);
    }
    return pid;
}

namespace {

std::optional<int> exitCode(pid_t child, int options)
{
    int status = 0;
    if (waitpid(child, &status, options) != child)
        return std::nullopt;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

int ExitCodeOf(pid_t child)
{
    return exitCode(child, 0).value_or(-1);
}

std::optional<int> ExitCodeIfEnded(pid_t child)
{
    return exitCode(child, WNOHANG);
}

std::optional<QByteArray> OutputOfUnprivileged(const std::function<QByteArray()> &body)
{
    int ends[2];
    if (pipe(ends) != 0)
        return std::nullopt;
    const pid_t child = StartChild([&] {
        ::close(ends[0]);
        if (!dropRoot())
            return 2;
        const QByteArray output = body();
        return write(ends[1], output.constData(), size_t(output.size())) == output.size() ? 0 : 3;
    });
    ::close(ends[1]);
    QByteArray output;
    char buffer[4096];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, n);
    ::close(ends[0]);
    if (ExitCodeOf(child) != 0)
        return std::nullopt;
    return output;
}

bool UnprivilegedReaches(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    return OutputOfUnprivileged([&] { return QByteArray(access(path.constData(), R_OK | X_OK) == 0 ? "yes" : "no"); })
        == QByteArray("yes");
}
