#include "app/share/sharing_on_demand.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <dlfcn.h>

namespace dorvane {

namespace {
constexpr char kModuleFile[] = "dorvane-share.so";
} // namespace

SharingOnDemand::SharingOnDemand(SharingModuleInput input, QString modulePath)
    : m_input(std::move(input)), m_modulePath(std::move(modulePath))
{
}

SharingOnDemand::~SharingOnDemand() = default;

QString SharingOnDemand::modulePathFor(const QString &executableDirectory)
{
    const QDir directory(executableDirectory);
    const QString beside = directory.filePath(QLatin1String(kModuleFile));
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(directory.filePath(QStringLiteral(DORVANE_SHARE_MODULE_FROM_BIN "/") +
                                              QLatin1String(kModuleFile)));
}

SharingService *SharingOnDemand::service(QString &error)
{
    if (m_loaded)
        return m_loaded.get();
    // Never closed: the libraries it brings keep state of their own until the program ends.
    void *module = dlopen(QFile::encodeName(m_modulePath).constData(), RTLD_NOW | RTLD_LOCAL);
    const auto make = module ? reinterpret_cast<MakeSharingService>(dlsym(module, kMakeSharingServiceName)) : nullptr;
    if (!make) {
        error = QStringLiteral("The network part of the program cannot be loaded: %1")
                    .arg(QString::fromLocal8Bit(dlerror()));
        return nullptr;
    }
    m_loaded.reset(make(m_input));
    return m_loaded.get();
}

bool SharingOnDemand::resume(QString &error)
{
    if (m_loaded)
        return m_loaded->resume(error);
    if (!m_input.settings.sharing)
        return true;
    SharingService *shared = service(error);
    return shared && shared->resume(error);
}

bool SharingOnDemand::runSwitch(const QString &mode, QStringList &lines, QString &error)
{
    if (m_loaded || mode == QStringLiteral("on")) {
        SharingService *shared = service(error);
        return shared && shared->runSwitch(mode, lines, error);
    }
    // Not loaded: nothing is shared, so neither asks for the module.
    if (mode == QStringLiteral("links")) {
        error = notSharedText();
        return false;
    }
    if (mode != QStringLiteral("off")) {
        error = unknownShareModeText(mode);
        return false;
    }
    // Left on in the settings file by a start that could not share: off is kept from now on.
    if (m_input.settings.sharing) {
        m_input.settings.sharing = false;
        if (m_input.save && !m_input.save(m_input.settings)) {
            error = settingsNotKeptText();
            return false;
        }
    }
    return true;
}

void SharingOnDemand::openDialog(QWidget *parent)
{
    QString error;
    if (SharingService *shared = service(error)) {
        shared->openDialog(parent);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Share on the network"), error, QMessageBox::Close,
                                parent);
    box->setObjectName(QStringLiteral("shareUnavailable"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace dorvane
