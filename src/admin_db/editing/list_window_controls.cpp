#include "admin_db/editing/list_window_controls.h"

#include "admin_db/editing/list_window_view.h"
#include "common/widgets/data_window_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void ShowListWindow(const ListWindowControls &controls, const ListWindowView &view)
{
    ShowListLines(controls.list, view.lines, view.selectedRow, view.listEnabled);
    controls.count->setText(view.countLine);
    ShowFieldText(controls.search, view.search);
    controls.search->setEnabled(view.searchEnabled);
    controls.add->setEnabled(view.addEnabled);
    controls.edit->setEnabled(view.editEnabled);
    controls.erase->setEnabled(view.deleteEnabled);
    controls.save->setEnabled(view.saveEnabled);
    controls.cancel->setEnabled(view.cancelEnabled);
    controls.end->setEnabled(view.endEnabled);
}
