#pragma once

#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "clock/qt_serial_port.h"
#include "fake_serial_port.h"
#include "recording_progress_view.h"
#include "recording_prompter.h"
#include "transfer/transfer_context.h"

#include <QTemporaryFile>

#include <type_traits>

// A clock link as the program holds one, telling a recording prompter, and
// the transfer context a clock command gets over it.
template <typename Time, typename Port>
struct BasicLinkRig {
    BasicLinkRig()
        requires std::is_constructible_v<Port, Time &>
        : port(time)
    {
    }
    BasicLinkRig()
        requires std::is_default_constructible_v<Port>
    {
    }

    Time time;
    Port port;
    RecordingPrompter prompter;
    ClockLink link{port, time, prompter};
    ClockIdentity identity;
    RecordingProgressView progress;
    int statusShown = 0;
    TransferContext context{link, identity, prompter, progress, [this] { ++statusShown; }};
};

// On a scripted port in virtual time.
using LinkRig = BasicLinkRig<FakeClock, FakeSerialPort>;
// On the real serial port, for runs against tamrel-clocksim (TAMREL_COM1
// names its link).
using LinkRigOnPort = BasicLinkRig<SteadyClock, QtSerialPort>;

// Port 1 names a file of the test's own: the scripted port opens that name.
struct PortOneFile {
    PortOneFile()
    {
        if (!file.open())
            qFatal("cannot make the port's file");
        qputenv("TAMREL_COM1", file.fileName().toLocal8Bit());
    }
    QTemporaryFile file;
};
