#include "desktop/portal_motion_setting.h"

#include <algorithm>

namespace desktop {

std::optional<bool> PortalMotionSetting::reduceMotion() const
{
    if (answers_.empty())
        return std::nullopt;
    return std::any_of(answers_.begin(), answers_.end(), [](const auto& answer) { return answer.second; });
}

PortalMotionSetting::~PortalMotionSetting() = default;

}  // namespace desktop

#if !NABREL_HAVE_DBUS

desktop::PortalMotionSetting::PortalMotionSetting() = default;  // no bus: nothing to ask

#else

#include "desktop/motion_sources.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace desktop {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");

// The keys that speak of motion, each in its group.
constexpr std::pair<const char*, const char*> kKeys[] = {{"org.freedesktop.appearance", "reduced-motion"},
                                                         {"org.gnome.desktop.interface", "enable-animations"}};

bool isMotionKey(const QString& group, const QString& key)
{
    return std::any_of(std::begin(kKeys), std::end(kKeys), [&](const auto& known) {
        return group == QLatin1String(known.first) && key == QLatin1String(known.second);
    });
}

}  // namespace

// A signal's receiver is named by its slot's signature, so it needs a meta-object.
class PortalMotionSetting::ChangeListener final : public QObject {
    Q_OBJECT

public:
    explicit ChangeListener(PortalMotionSetting& setting) : QObject(&setting), setting_(setting) {}

public slots:
    // (group, key, value): Qt 6.4 cannot hand a QDBusVariant to a slot, so the whole message.
    void onSettingChanged(const QDBusMessage& change)
    {
        const QVariantList arguments = change.arguments();
        if (arguments.size() == 3 && isMotionKey(arguments.at(0).toString(), arguments.at(1).toString()))
            setting_.take(arguments.at(1).toString(), arguments.at(2));
    }

private:
    PortalMotionSetting& setting_;
};

PortalMotionSetting::PortalMotionSetting()
{
    QMetaObject::invokeMethod(this, &PortalMotionSetting::start, Qt::QueuedConnection);
}

void PortalMotionSetting::start()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // From any sender: naming the portal's service would look its owner up, a call that waits.
    bus.connect(QString(), kPath, kInterface, QStringLiteral("SettingChanged"), new ChangeListener(*this),
                SLOT(onSettingChanged(QDBusMessage)));
    for (const auto& [group, key] : kKeys)
        read(QLatin1String(group), QLatin1String(key), QStringLiteral("ReadOne"));
}

void PortalMotionSetting::read(const QString& group, const QString& key, const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call << group << key;
    // A portal started on demand, or slow, answers when it can, within D-Bus's default timeout.
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, group, key, method] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            take(key, reply.arguments().constFirst());
        else if (method == QLatin1String("ReadOne") &&
                 reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod"))
            read(group, key, QStringLiteral("Read"));  // an older portal: its value comes wrapped twice
    });
}

void PortalMotionSetting::take(const QString& key, const QVariant& value)
{
    QVariant plain = value;
    while (plain.userType() == qMetaTypeId<QDBusVariant>())
        plain = plain.value<QDBusVariant>().variant();
    if (const std::optional<bool> reduce = motion::fromPortalValue(key, plain))
        answers_[key] = *reduce;
    else
        answers_.erase(key);
}

}  // namespace desktop

#include "portal_motion_setting.moc"

#endif
