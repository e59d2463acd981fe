#pragma once

#include <QString>

// The two-digit hatch years a memory module takes: 32 years from a base that
// follows the module version last read from the clock.
class HatchYearWindow {
public:
    // Base 80 for a module up to 3.45, 0 for none read (0) and from 3.5 on;
    // a version in between keeps the base it had.
    void follow(double lmdVersion);
    int base() const { return m_base; }

    // The window runs on past 99: base 80 takes 80 to 99 and 00 to 11.
    bool accepts(int year) const;
    // "Valid years are 80--> <--11".
    QString message() const;

private:
    int m_base = 0;
};
