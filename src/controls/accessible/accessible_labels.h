#pragma once
#include "accessible_control.h"
#include "shown_text.h"

class TOvcURL;

namespace dorvane::accessible {

// The text a label shows (accelerator marks gone, an arrow code as the arrow it draws); empty
// for a widget that is no label.
QString shownLabelText(const QWidget *label);

// A caption or a digit field: static text whose text is what it shows. Its name is the one
// code gave it ("Hours" for a digit field), else that text.
class AccessibleLabel : public AccessibleControl, public ShownText
{
public:
    explicit AccessibleLabel(QWidget *label, QAccessible::Role role = QAccessible::StaticText);

    void *interface_cast(QAccessible::InterfaceType t) override;

protected:
    QString ownName() const override { return shownText(); }
    QString shownText() const override { return shownLabelText(widget()); }
    const QWidget *textWidget() const override { return widget(); }
};

// A link label: its action opens its address, which is the action's description.
class AccessibleLink final : public AccessibleLabel, public QAccessibleHyperlinkInterface
{
public:
    explicit AccessibleLink(TOvcURL *link);

    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    QString localizedActionDescription(const QString &name) const override;
    void doAction(const QString &name) override;

    QString anchor() const override { return shownText(); }
    QString anchorTarget() const override;
    int startIndex() const override { return 0; }
    int endIndex() const override { return characterCount(); }
    bool isValid() const override { return AccessibleLabel::isValid(); }

private:
    TOvcURL *link() const;
};

} // namespace dorvane::accessible
