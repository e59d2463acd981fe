#pragma once

#include "reports/report_on_screen.h"

// The text of the preview window, line by line.
QList<QByteArray> PreviewLines(const ReportOnScreen &report);
