// The entry point of the network module: the program loads it the first time the clock is to be
// shared, and asks it for the service below.
#include "app/share/share_dialog.h"
#include "app/share/sharing.h"
#include "app/share/sharing_service.h"

#include <QPointer>

namespace dorvane {

namespace {

class ModuleSharingService final : public SharingService
{
public:
    explicit ModuleSharingService(const SharingModuleInput &input)
        : m_sharing(input.commands, input.settings, input.save, input.tokensPath)
    {
    }
    // The dialog goes before the sharing it works on.
    ~ModuleSharingService() override { delete m_dialog; }

    bool resume(QString &error) override { return m_sharing.resume(error); }
    bool runSwitch(const QString &mode, QStringList &lines, QString &error) override
    {
        return m_sharing.runSwitch(mode, lines, error);
    }
    void openDialog(QWidget *parent) override
    {
        if (!m_dialog) {
            m_dialog = new ShareDialog(m_sharing, parent);
            m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_dialog->show();
        m_dialog->raise();
        m_dialog->activateWindow();
    }

private:
    Sharing m_sharing;
    QPointer<ShareDialog> m_dialog;
};

} // namespace

} // namespace dorvane

extern "C" __attribute__((visibility("default"))) dorvane::SharingService *
dorvaneMakeSharingService_v1(const dorvane::SharingModuleInput &input)
{
    return new dorvane::ModuleSharingService(input);
}
