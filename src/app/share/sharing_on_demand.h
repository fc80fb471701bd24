#pragma once
#include "app/share/sharing_service.h"

#include <memory>

namespace dorvane {

// Sharing as the program holds it: the network module is loaded the first time sharing is wanted
// (turned on, its dialog opened, or left on in the settings file) and does the work from then on;
// until then nothing of the network is in memory. When the module cannot be loaded, sharing says
// so and the clock goes on unshared.
class SharingOnDemand final : public SharingService
{
public:
    SharingOnDemand(SharingModuleInput input, QString modulePath);
    ~SharingOnDemand() override;

    // The module beside the executable, as in the build tree; otherwise in the program's private
    // library folder, as installed.
    static QString modulePathFor(const QString &executableDirectory);

    bool resume(QString &error) override;
    bool runSwitch(const QString &mode, QStringList &lines, QString &error) override;
    void openDialog(QWidget *parent) override;

    bool isLoaded() const { return m_loaded != nullptr; }

private:
    // The module's service, loaded now if need be; null (with `error`) when it cannot be.
    SharingService *service(QString &error);

    SharingModuleInput m_input;
    QString m_modulePath;
    std::unique_ptr<SharingService> m_loaded;
};

} // namespace dorvane
