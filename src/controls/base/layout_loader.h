#pragma once
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <stdexcept>

namespace dorvane {

// Builds a window from its layout description (JSON):
//   { "class": "TMainForm", "name": "MainForm",
//     "properties": [ ["Caption", "Dorvane"], ["Font", {"Name": "Arial", "Height": -13}], ... ],
//     "events": { "OnCreate": "FormCreate" },
//     "children": [ { "class": ..., ... } ] }
// Properties are assigned in the stored order, after construction, through the property
// system (names without regard to case); an object value assigns the held object's own
// properties; an array value becomes a string list. Each event is a signal of the control,
// wired to the root's slot of the handler's name. When everything exists, every object is
// told that loading has ended, in creation order.
class LayoutLoader
{
public:
    struct Failure : std::runtime_error
    {
        using std::runtime_error::runtime_error;
    };

    // Loads into an existing root object (the form), whose class must match "class".
    static void loadInto(QObject *root, const QJsonObject &description);
    static QJsonObject readResource(const QString &path); // throws Failure
};

} // namespace dorvane
