#include "accessible_factory.h"

#include "accessible_colour_picker.h"
#include "accessible_labels.h"
#include "accessible_option_group.h"
#include "accessible_pages.h"
#include "accessible_spin_edits.h"

#include "controls/display/tcustomlabel.h"
#include "controls/display/tcxbutton.h"
#include "controls/display/tcxlabel.h"
#include "controls/display/tcxpagecontrol.h"
#include "controls/display/tovcurl.h"
#include "controls/input/colour_popup.h"
#include "controls/input/inner_line_edit.h"
#include "controls/input/tcxcolorcombobox.h"
#include "controls/input/tcxradiogroup.h"
#include "controls/input/tcxspinedit.h"
#include "controls/input/tspinedit.h"

#include <QAbstractButton>
#include <QRadioButton>

namespace dorvane::accessible {

namespace {

// Qt asks once for each class name of the object's class chain, most derived first; the
// object itself decides, so the first question gets the answer.
QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w)
        return nullptr;
    if (auto *button = qobject_cast<QAbstractButton *>(w); button && qobject_cast<TcxButton *>(w->parentWidget()))
        return new AccessiblePushButton(button);
    if (auto *link = qobject_cast<TOvcURL *>(w))
        return new AccessibleLink(link);
    if (qobject_cast<TCustomLabel *>(w) || qobject_cast<TcxLabel *>(w))
        return new AccessibleLabel(w);
    if (auto *spin = qobject_cast<TSpinEdit *>(w))
        return new AccessibleIntegerSpinEdit(spin);
    if (auto *spin = qobject_cast<TcxSpinEdit *>(w))
        return new AccessibleNumericSpinEdit(spin);
    if (auto *editor = qobject_cast<dorvane::InnerLineEdit *>(w))
        return new AccessibleSpinText(editor);
    if (auto *group = qobject_cast<TcxRadioGroup *>(w))
        return new AccessibleOptionGroup(group);
    if (auto *option = qobject_cast<QRadioButton *>(w); option && qobject_cast<TcxRadioGroup *>(w->parentWidget()))
        return new AccessibleOptionButton(option);
    if (auto *picker = qobject_cast<TcxColorComboBox *>(w))
        return new AccessibleColourPicker(picker);
    if (auto *list = qobject_cast<TcxCustomColorComboBoxListBox *>(w))
        return new AccessibleColourList(list);
    if (auto *pages = qobject_cast<TcxPageControl *>(w))
        return new AccessiblePageControl(pages);
    if (auto *sheet = qobject_cast<TcxTabSheet *>(w))
        return new AccessibleTabSheet(sheet);
    if (qobject_cast<TControl *>(w))
        return new AccessibleControl(w, w->isWindow() ? QAccessible::Window : QAccessible::Client);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
}

} // namespace dorvane::accessible
