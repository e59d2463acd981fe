#pragma once

#include "app/config_fields.h"

#include <functional>

class ClockLink;
class Prompter;
class SettingsStore;

// The working copy of the settings: filled from the store by LoadSettings,
// edited in the configuration window, written back by SaveSettings.
class Configuration {
public:
    Configuration(SettingsStore &store, ClockLink &link, Prompter &prompter);

    void setTitleSink(std::function<void(const QString &)> sink) { m_titleSink = std::move(sink); }

    // The clock system's own routines, under their own names.

    // Store into fields, port number into the link (while its port is closed),
    // then the main window title. False when it stopped at a bad port number.
    bool LoadSettings();
    // Title from the fields, then the five keys in their fixed order and the
    // device chosen by name where there is or was one. False
    // after a failed write, which has been reported.
    bool SaveSettings();

    // Runs LoadSettings when the window has saved since the last load, so
    // that a reader about to use the fields sees what the store holds.
    void loadIfSaved();

    // The fields for readers elsewhere in the program.
    const ConfigFields &fields() const { return m_fields; }
    // The fields as the open window edits them.
    ConfigFields &editableFields() { return m_fields; }

    void windowOpened();
    // The close box and the Save button both end here: there is no cancel.
    void windowClosed();
    // The Save button: save, close the port, close the window, then take the
    // port number from the freshly stored settings.
    void saveAndApply(const std::function<void()> &closeWindow);

private:
    void setTitle();

    SettingsStore &m_store;
    ClockLink &m_link;
    Prompter &m_prompter;
    std::function<void(const QString &)> m_titleSink;
    ConfigFields m_fields;
    bool m_windowOpen = false;
    bool m_stale = true;
};

// The port number a field text names: its leading digits, 0 for none.
int PortNumberOf(const QString &field);
