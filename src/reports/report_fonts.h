#pragma once

#include <QFont>

// The report windows and the printed report use Courier New; where it is
// not installed, a fixed-pitch family stands in, so that columns stay
// aligned.
QFont ReportFont(int pointSize, bool bold = false);
