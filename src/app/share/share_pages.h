#pragma once
#include "app/share/request_checks.h"

#include <QByteArray>
#include <QString>

namespace dorvane {

// The pages the clock serves, each whole in one answer: its script and style inside it, nothing
// fetched from elsewhere. They are built into the program.
struct SharePage
{
    QByteArray html;
    Access needs = Access::View; // the key the page's link must carry
};

// The page at `path` ("/view", "/clock", "/control"); an empty page when there is none.
SharePage sharePage(const QString &path);

} // namespace dorvane
