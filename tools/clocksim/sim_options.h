#pragma once

#include "faults.h"
#include "module.h"

#include <QString>
#include <QStringList>
#include <optional>

// The command line of tamrel-clocksim.
struct SimOptions {
    QString linkPath;
    QString lmdPath;        // empty: the module lives in memory only
    QString racePath;
    QString logPath;
    // Identity values given on the command line win over the module file's.
    std::optional<ClockModel> model;
    std::optional<int> lmdVersion;
    std::optional<char> state;
    std::optional<QByteArray> serial;
    std::optional<int> hcuVersion;
    std::optional<QByteArray> hcuSerial;
    bool directData = false;
    int paceBaud = 0;       // 0: no delay
    FaultRates faults;
    quint32 seed = 1;
};

std::optional<SimOptions> ParseSimOptions(const QStringList &arguments, QString *error);
void ApplyIdentityOptions(const SimOptions &options, ModuleIdentity &identity);

extern const char SimUsage[];
