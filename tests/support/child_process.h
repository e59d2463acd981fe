#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <sys/types.h>

// Work another process does beside the test. A child must not use the
// parent's database connections.

// Starts body in a child, which exits with what body returns (0 to 255).
pid_t StartChild(const std::function<int()> &body);
// The child's exit code once it ended; -1 when it was killed.
int ExitCodeOf(pid_t child);
// The same without waiting: nullopt while the child runs.
std::optional<int> ExitCodeIfEnded(pid_t child);

// What body returns, run in a child without root's rights, so that
// read-only marks hold as for any user; nullopt when the child failed.
std::optional<QByteArray> OutputOfUnprivileged(const std::function<QByteArray()> &body);
// Whether such a child reaches folder at all (a checkout under a private
// home folder may not).
bool UnprivilegedReaches(const QString &folder);
